<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Orvanta</source>
        <translation>Orvanta کے بارے میں</translation>
    </message>
    <message>
        <source>Orvanta 1.0</source>
        <translation>Orvanta 1.0</translation>
    </message>
</context>
<context>
    <name>Counts</name>
    <message numerus="yes">
        <source>%1 min</source>
        <extracomment>A number of minutes, abbreviated as in &quot;Fajr in 12 min&quot;.</extracomment>
        <translation>
            <numerusform>%1 منٹ</numerusform>
            <numerusform>%1 منٹ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 h</source>
        <extracomment>A number of hours, abbreviated as in &quot;Fajr in 2 h&quot;.</extracomment>
        <translation>
            <numerusform>%1 گھنٹہ</numerusform>
            <numerusform>%1 گھنٹے</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Hours, then minutes, of the time left: &quot;1 h 12 min&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>Hijri</name>
    <message>
        <source>Muharram</source>
        <translation>محرم</translation>
    </message>
    <message>
        <source>Safar</source>
        <translation>صفر</translation>
    </message>
    <message>
        <source>Rabi I</source>
        <translation>ربیع الاول</translation>
    </message>
    <message>
        <source>Rabi II</source>
        <translation>ربیع الثانی</translation>
    </message>
    <message>
        <source>Jumada I</source>
        <translation>جمادی الاول</translation>
    </message>
    <message>
        <source>Jumada II</source>
        <translation>جمادی الثانی</translation>
    </message>
    <message>
        <source>Rajab</source>
        <translation>رجب</translation>
    </message>
    <message>
        <source>Sha&apos;ban</source>
        <translation>شعبان</translation>
    </message>
    <message>
        <source>Ramadan</source>
        <translation>رمضان</translation>
    </message>
    <message>
        <source>Shawwal</source>
        <translation>شوال</translation>
    </message>
    <message>
        <source>Dhu al-Qi&apos;dah</source>
        <translation>ذوالقعدہ</translation>
    </message>
    <message>
        <source>Dhu al-Hijjah</source>
        <translation>ذوالحجہ</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>Hijri date: %1 day, %2 month name, %3 year (&quot;26 Jumada II 1448&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
</context>
<context>
    <name>Holiday</name>
    <message>
        <source>Islamic New Year</source>
        <translation>اسلامی نیا سال</translation>
    </message>
    <message>
        <source>Ashura</source>
        <translation>عاشورا</translation>
    </message>
    <message>
        <source>Mawlid</source>
        <translation>عید میلاد النبی</translation>
    </message>
    <message>
        <source>Isra and Mi&apos;raj</source>
        <translation>شب معراج</translation>
    </message>
    <message>
        <source>Mid-Sha&apos;ban</source>
        <translation>شب برات</translation>
    </message>
    <message>
        <source>First of Ramadan</source>
        <translation>یکم رمضان</translation>
    </message>
    <message>
        <source>Laylat al-Qadr</source>
        <translation>شب قدر</translation>
    </message>
    <message>
        <source>Eid al-Fitr</source>
        <translation>عید الفطر</translation>
    </message>
    <message>
        <source>Day of Arafah</source>
        <translation>یوم عرفہ</translation>
    </message>
    <message>
        <source>Eid al-Adha</source>
        <translation>عید الاضحیٰ</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Couldn&apos;t find city!</source>
        <translation>شہر نہیں مل سکا!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>خرابی</translation>
    </message>
    <message>
        <source>Error getting data!</source>
        <translation>ڈیٹا حاصل کرنے میں خرابی!</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>خرابی!</translation>
    </message>
    <message>
        <source>Settings could not be saved.</source>
        <translation>ترتیبات محفوظ نہیں ہو سکیں۔</translation>
    </message>
    <message>
        <source>??? (Can&apos;t determine)</source>
        <translation>؟؟؟ (تعین نہیں ہو سکا)</translation>
    </message>
    <message>
        <source>The city database cities.db was not found. Paths tried:</source>
        <translation>شہروں کا ڈیٹا بیس cities.db نہیں ملا۔ آزمائے گئے راستے:</translation>
    </message>
</context>
<context>
    <name>MethodWords</name>
    <message>
        <source>None</source>
        <translation>کوئی نہیں</translation>
    </message>
    <message>
        <source>Middle of the night</source>
        <translation>نصف شب</translation>
    </message>
    <message>
        <source>One seventh of the night</source>
        <translation>رات کا ساتواں حصہ</translation>
    </message>
    <message>
        <source>Twilight angle</source>
        <translation>شفق کا زاویہ</translation>
    </message>
    <message>
        <source>To the nearest minute</source>
        <translation>قریب ترین</translation>
    </message>
    <message>
        <source>Up to the next minute</source>
        <translation>اوپر کی طرف</translation>
    </message>
    <message>
        <source>Nearest day</source>
        <translation>قریب ترین دن</translation>
    </message>
    <message>
        <source>Nearest latitude</source>
        <translation>قریب ترین عرض البلد</translation>
    </message>
    <message>
        <source>%1 %2 min</source>
        <extracomment>%1: a prayer&apos;s short name; %2: signed whole minutes added to its time (&quot;+2&quot;, &quot;-3&quot;).</extracomment>
        <translation>%1 %2 منٹ</translation>
    </message>
    <message>
        <source>Fajr %1°</source>
        <translation>فجر %1°</translation>
    </message>
    <message>
        <source>Isha %1°</source>
        <translation>عشاء %1°</translation>
    </message>
    <message>
        <source>Isha %1 min after Maghrib (%2 in Ramadan)</source>
        <translation>عشاء مغرب کے %1 منٹ بعد (رمضان میں %2)</translation>
    </message>
    <message>
        <source>Isha %1 min after Maghrib</source>
        <translation>عشاء مغرب کے %1 منٹ بعد</translation>
    </message>
    <message>
        <source>Maghrib %1°</source>
        <translation>مغرب %1°</translation>
    </message>
    <message>
        <source>Fajr and Isha within the seasonal bound</source>
        <translation>فجر اور عشاء موسمی حد کے اندر</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the parts of one group of the method&apos;s line (&quot;Fajr 18°, Isha 17°&quot;).</extracomment>
        <translation>، </translation>
    </message>
    <message>
        <source>high latitudes: %1</source>
        <translation>بلند عرض البلد: %1</translation>
    </message>
    <message>
        <source>high latitudes: %1 at %2</source>
        <extracomment>%1: the rule&apos;s name (&quot;Nearest latitude&quot;); %2: its latitude in degrees.</extracomment>
        <translation>بلند عرض البلد: %1، %2 پر</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between the groups of the method&apos;s line: twilights; adjustments; high latitudes; Asr.</extracomment>
        <translation>؛ </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1: the authority&apos;s own name (not translated); %2: its angles and intervals.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>rounded up to the next minute</source>
        <translation>اگلے منٹ تک اوپر کی طرف گول</translation>
    </message>
</context>
<context>
    <name>NextPrayer</name>
    <message>
        <source>Fajr</source>
        <translation>فجر</translation>
    </message>
    <message>
        <source>Shuruq</source>
        <translation>طلوعِ آفتاب</translation>
    </message>
    <message>
        <source>Zuhr</source>
        <translation>ظہر</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>عصر</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>مغرب</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>عشاء</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 بوقت %2</translation>
    </message>
    <message>
        <source>%1 in %2 min</source>
        <translation type="vanished">%1 میں %2 منٹ باقی</translation>
    </message>
    <message>
        <source>%1 in %2 h</source>
        <translation type="vanished">%1 میں %2 گھنٹے باقی</translation>
    </message>
    <message>
        <source>%1 in %2 h %3 min</source>
        <translation type="vanished">%1 میں %2 گھنٹے %3 منٹ باقی</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <extracomment>A prayer and the time left: &quot;Fajr in 1 h 12 min&quot;.</extracomment>
        <translation>%1 میں %2 باقی</translation>
    </message>
    <message>
        <source>%1 tomorrow at %2</source>
        <extracomment>The next prayer is on the day after the list&apos;s day: &quot;Fajr tomorrow at 5:27 AM&quot;.</extracomment>
        <translation>%1 کل بوقت %2</translation>
    </message>
    <message>
        <source>%1 tomorrow at %2, in %3</source>
        <extracomment>The next prayer on the day after the list&apos;s day, its clock time and the time left: &quot;Fajr tomorrow at 5:27 AM, in 7 h 12 min&quot;.</extracomment>
        <translation>%1 کل بوقت %2، %3 باقی</translation>
    </message>
</context>
<context>
    <name>Notices</name>
    <message>
        <source>the settings file %1 was damaged and has been moved to %2; the settings are saved in a new file</source>
        <translation>ترتیبات کی فائل %1 خراب تھی اور اسے %2 میں منتقل کر دیا گیا ہے؛ ترتیبات نئی فائل میں محفوظ ہوں گی</translation>
    </message>
    <message>
        <source>%1 was damaged and has been moved to %2; your home city and your own cities in it are no longer used</source>
        <translation>%1 خراب تھی اور اسے %2 میں منتقل کر دیا گیا ہے؛ اس میں موجود آپ کا گھریلو شہر اور آپ کے اپنے شہر اب استعمال نہیں ہوں گے</translation>
    </message>
    <message>
        <source>cannot read the settings file %1 (it is not a regular file, or not readable); the default settings are used and the file is left as it is</source>
        <translation>ترتیبات کی فائل %1 پڑھی نہیں جا سکی (یہ عام فائل نہیں یا پڑھنے کے قابل نہیں)؛ طے شدہ ترتیبات استعمال ہو رہی ہیں اور فائل کو جوں کا توں چھوڑ دیا گیا ہے</translation>
    </message>
    <message>
        <source>the settings file %1 is damaged; the default settings are used, and saving the settings moves it aside</source>
        <translation>ترتیبات کی فائل %1 خراب ہے؛ طے شدہ ترتیبات استعمال ہو رہی ہیں، اور ترتیبات محفوظ کرنے پر اسے الگ کر دیا جائے گا</translation>
    </message>
    <message>
        <source>%1 is not a regular file and is left alone; your home city and your own cities cannot be used</source>
        <translation>%1 عام فائل نہیں ہے اور اسے نہیں چھیڑا گیا؛ آپ کا گھریلو شہر اور آپ کے اپنے شہر استعمال نہیں ہو سکتے</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>The end of a sentence: the language&apos;s full stop after %1.</extracomment>
        <translation>%1۔</translation>
    </message>
    <message>
        <source>the settings file %1 is too large to be a settings file (over 16 MiB); the default settings are used and the file is left as it is</source>
        <translation>ترتیبات کی فائل %1 ترتیبات کی فائل ہونے کے لیے بہت بڑی ہے (16 MiB سے زیادہ)؛ طے شدہ ترتیبات استعمال ہو رہی ہیں اور فائل کو جوں کا توں چھوڑ دیا گیا ہے</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Sunrise Calculation</source>
        <translation>طلوعِ آفتاب کا حساب</translation>
    </message>
    <message>
        <source>By Depression Angle</source>
        <translation type="vanished">سورج کے زاویۂ انحطاط سے</translation>
    </message>
    <message>
        <source>By Interval</source>
        <translation type="vanished">وقفے سے</translation>
    </message>
    <message>
        <source>Fiqh</source>
        <translation>فقہ</translation>
    </message>
    <message>
        <source>Shafi</source>
        <translation type="vanished">شافعی</translation>
    </message>
    <message>
        <source>Hanafi</source>
        <translation type="vanished">حنفی</translation>
    </message>
    <message>
        <source>City</source>
        <translation type="vanished">شہر</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ٹھیک ہے</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>منسوخ کریں</translation>
    </message>
    <message>
        <source>A&amp;ngle or interval</source>
        <translation>ز&amp;اویہ یا وقفہ</translation>
    </message>
    <message>
        <source>By &amp;Depression Angle</source>
        <translation>سورج کے &amp;زاویۂ انحطاط سے</translation>
    </message>
    <message>
        <source>By &amp;Interval</source>
        <translation>&amp;وقفے سے</translation>
    </message>
    <message>
        <source>&amp;Shafi</source>
        <translation>شافعی (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Hanafi</source>
        <translation>حنفی (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;City</source>
        <translation>شہر (&amp;C)</translation>
    </message>
</context>
<context>
    <name>PrayerNames</name>
    <message>
        <source>Fajr (Dawn)</source>
        <translation>فجر</translation>
    </message>
    <message>
        <source>Shuruq (Sunrise)</source>
        <translation>طلوعِ آفتاب</translation>
    </message>
    <message>
        <source>Zuhr (Noon)</source>
        <translation>ظہر</translation>
    </message>
    <message>
        <source>Asr (Afternoon)</source>
        <translation>عصر</translation>
    </message>
    <message>
        <source>Maghrib (Sunset)</source>
        <translation>مغرب</translation>
    </message>
    <message>
        <source>Isha (Night)</source>
        <translation>عشاء</translation>
    </message>
    <message>
        <source>Jumu&apos;ah (Friday)</source>
        <translation>جمعہ</translation>
    </message>
    <message>
        <source>Imsak</source>
        <translation>امساک</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>آدھی رات</translation>
    </message>
    <message>
        <source>Last third of the night</source>
        <translation>رات کا آخری تہائی</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>تفصیلات دکھائیں...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>تفصیلات چھپائیں...</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ٹھیک ہے</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>منسوخ کریں</translation>
    </message>
</context>
<context>
    <name>Qibla</name>
    <message>
        <source>Qibla: none, this is the Kaaba</source>
        <translation>قبلہ: کوئی سمت نہیں، یہی کعبہ ہے</translation>
    </message>
    <message>
        <source>Qibla: every direction</source>
        <translation>قبلہ: ہر سمت</translation>
    </message>
    <message>
        <source>Qibla %1°</source>
        <extracomment>%1: degrees clockwise from true north, one decimal.</extracomment>
        <translation>قبلہ %1°</translation>
    </message>
</context>
<context>
    <name>TimeFormat</name>
    <message>
        <source>h:mm AP</source>
        <extracomment>The 12-hour clock as a QTime format: h hour, mm minutes, AP the locale&apos;s AM/PM text; digits follow the language. Put AP where the language puts it.</extracomment>
        <translation>h:mm AP</translation>
    </message>
    <message>
        <source>HH:mm</source>
        <extracomment>The 24-hour clock as a QTime format: HH hours 00-23, mm minutes.</extracomment>
        <translation>HH:mm</translation>
    </message>
</context>
<context>
    <name>Timetable</name>
    <message>
        <source>January</source>
        <translation>جنوری</translation>
    </message>
    <message>
        <source>February</source>
        <translation>فروری</translation>
    </message>
    <message>
        <source>March</source>
        <translation>مارچ</translation>
    </message>
    <message>
        <source>April</source>
        <translation>اپریل</translation>
    </message>
    <message>
        <source>May</source>
        <translation>مئی</translation>
    </message>
    <message>
        <source>June</source>
        <translation>جون</translation>
    </message>
    <message>
        <source>July</source>
        <translation>جولائی</translation>
    </message>
    <message>
        <source>August</source>
        <translation>اگست</translation>
    </message>
    <message>
        <source>September</source>
        <translation>ستمبر</translation>
    </message>
    <message>
        <source>October</source>
        <translation>اکتوبر</translation>
    </message>
    <message>
        <source>November</source>
        <translation>نومبر</translation>
    </message>
    <message>
        <source>December</source>
        <translation>دسمبر</translation>
    </message>
    <message>
        <source>Fajr</source>
        <translation>فجر</translation>
    </message>
    <message>
        <source>Shuruq</source>
        <translation>طلوعِ آفتاب</translation>
    </message>
    <message>
        <source>Zuhr</source>
        <translation>ظہر</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>عصر</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>مغرب</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>عشاء</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Timetable title: %1 month name, %2 year.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Fajr and Isha with the sun %1° below the horizon</source>
        <translation>فجر اور عشاء جب سورج افق سے %1° نیچے ہو</translation>
    </message>
    <message>
        <source>Fajr %1 min before sunrise, Isha %1 min after sunset</source>
        <translation>فجر طلوعِ آفتاب سے %1 منٹ پہلے، عشاء غروبِ آفتاب کے %1 منٹ بعد</translation>
    </message>
    <message>
        <source>Asr Shafi</source>
        <translation>عصر شافعی</translation>
    </message>
    <message>
        <source>Asr Hanafi</source>
        <translation>عصر حنفی</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>تاریخ</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>ہجری</translation>
    </message>
    <message>
        <source>Imsak</source>
        <translation>امساک</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>آدھی رات</translation>
    </message>
    <message>
        <source>Last third</source>
        <translation>آخری تہائی</translation>
    </message>
    <message>
        <source>Jumu&apos;ah %1</source>
        <extracomment>A Friday&apos;s Zuhr cell: %1 the time of the Friday prayer, Jumu&apos;ah.</extracomment>
        <translation>جمعہ %1</translation>
    </message>
    <message>
        <source>timetable of %1</source>
        <translation>%1 کا نظام الاوقات</translation>
    </message>
    <message>
        <source>%1 from %2 to %3; other days: %4</source>
        <translation>%1، %2 سے %3 تک؛ باقی دن: %4</translation>
    </message>
</context>
<context>
    <name>orvanta::AboutDialog</name>
    <message>
        <source>About Orvanta</source>
        <translation>Orvanta کے بارے میں</translation>
    </message>
    <message>
        <source>© 2026 The Orvanta developers, MIT</source>
        <translation>جملہ حقوق © 2026 Orvanta کے ڈویلپرز، MIT لائسنس</translation>
    </message>
    <message>
        <source>City data © GeoNames, CC BY 4.0</source>
        <translation>شہروں کا ڈیٹا © GeoNames، CC BY 4.0</translation>
    </message>
</context>
<context>
    <name>orvanta::CalendarPage</name>
    <message numerus="yes">
        <source> days</source>
        <extracomment>After the number of days in a spin box; keep the leading space.</extracomment>
        <translation>
            <numerusform> دن</numerusform>
            <numerusform> دن</numerusform>
        </translation>
    </message>
    <message>
        <source>Hijri date offset</source>
        <translation>ہجری تاریخ میں ردوبدل</translation>
    </message>
    <message>
        <source>Days added to the computed Hijri date, from minus 2 to plus 2</source>
        <translation>حساب شدہ ہجری تاریخ میں جمع کیے جانے والے دن، منفی 2 سے مثبت 2 تک</translation>
    </message>
    <message>
        <source>&amp;Hijri date offset:</source>
        <translation>ہجری تاریخ میں &amp;ردوبدل:</translation>
    </message>
    <message>
        <source>The Hijri date follows the Umm al-Qura calendar. Where the month begins with a local sighting of the moon, move it by a day or two.</source>
        <translation>ہجری تاریخ ام القریٰ کیلنڈر کے مطابق ہے۔ جہاں مہینہ مقامی رؤیتِ ہلال سے شروع ہوتا ہے، وہاں اسے ایک یا دو دن آگے پیچھے کریں۔</translation>
    </message>
</context>
<context>
    <name>orvanta::CompanionPage</name>
    <message>
        <source>&amp;Keep running in the tray</source>
        <translation>سسٹم ٹرے میں چلتا &amp;رہے</translation>
    </message>
    <message>
        <source>&amp;Start at login, in the tray</source>
        <translation>لا&amp;گ اِن پر ٹرے میں شروع ہو</translation>
    </message>
    <message>
        <source>This desktop has no tray: closing the window ends the program.</source>
        <translation>اس ڈیسک ٹاپ پر ٹرے نہیں ہے: ونڈو بند کرنے سے پروگرام ختم ہو جاتا ہے۔</translation>
    </message>
    <message>
        <source>Keep running in the tray</source>
        <translation>سسٹم ٹرے میں چلتا رہے</translation>
    </message>
    <message>
        <source>Closing the window hides it; the tray icon shows the next prayer.</source>
        <translation>ونڈو بند کرنے سے وہ چھپ جاتی ہے؛ ٹرے کا آئیکن اگلی نماز دکھاتا ہے۔</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>لاگ اِن پر شروع ہو</translation>
    </message>
    <message>
        <source>No tray on this desktop</source>
        <translation>اس ڈیسک ٹاپ پر ٹرے نہیں</translation>
    </message>
</context>
<context>
    <name>orvanta::CompanionTray</name>
    <message>
        <source>Hide window</source>
        <translation>ونڈو چھپائیں</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>حساب کریں</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>اختیارات</translation>
    </message>
    <message>
        <source>Stop sound</source>
        <translation>آواز بند کریں</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>بند کریں</translation>
    </message>
    <message>
        <source>Show window</source>
        <translation>ونڈو دکھائیں</translation>
    </message>
</context>
<context>
    <name>orvanta::DBusNotifier</name>
    <message>
        <source>Stop sound</source>
        <translation>آواز بند کریں</translation>
    </message>
    <message>
        <source>the desktop&apos;s notification service cannot be reached (%1); reminders cannot be shown</source>
        <translation>ڈیسک ٹاپ کی اطلاعاتی سروس تک رسائی نہیں ہو سکی (%1)؛ یاد دہانیاں نہیں دکھائی جا سکتیں</translation>
    </message>
    <message>
        <source>the session bus at %1 did not answer</source>
        <translation>%1 پر سیشن بس نے جواب نہیں دیا</translation>
    </message>
</context>
<context>
    <name>orvanta::DisplayPage</name>
    <message>
        <source>The language&apos;s own</source>
        <translation>زبان کے مطابق</translation>
    </message>
    <message>
        <source>12-hour (5:25 PM)</source>
        <translation>12 گھنٹے (5:25 PM)</translation>
    </message>
    <message>
        <source>24-hour (17:25)</source>
        <translation>24 گھنٹے (17:25)</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>گھڑی</translation>
    </message>
    <message>
        <source>How the prayer times are shown</source>
        <translation>نماز کے اوقات کس طرح دکھائے جائیں</translation>
    </message>
    <message>
        <source>&amp;Clock</source>
        <translation>گھڑ&amp;ی</translation>
    </message>
    <message>
        <source>Show &amp;Imsak and the night&apos;s times</source>
        <translation>امساک اور رات کے اوقات دکھائیں (&amp;I)</translation>
    </message>
    <message>
        <source>Imsak, the middle of the night and its last third under the six times</source>
        <translation>چھ اوقات کے نیچے امساک، آدھی رات اور رات کا آخری تہائی</translation>
    </message>
    <message>
        <source>The method&apos;s own</source>
        <translation>طریقے کے مطابق</translation>
    </message>
    <message>
        <source>Imsak, minutes before Fajr</source>
        <translation>امساک، فجر سے پہلے منٹ</translation>
    </message>
    <message>
        <source>I&amp;msak, minutes before Fajr</source>
        <translation>امساک، فجر سے پہلے منٹ (&amp;M)</translation>
    </message>
</context>
<context>
    <name>orvanta::MainWindow</name>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;اوزار</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;حساب کریں</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;اختیارات</translation>
    </message>
    <message>
        <source>About</source>
        <translation>تعارف</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;باہر نکلیں</translation>
    </message>
    <message>
        <source>Prayer</source>
        <translation>نماز</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>وقت</translation>
    </message>
    <message>
        <source>Location </source>
        <extracomment>The caption before the city&apos;s name; the space keeps it off the field.</extracomment>
        <translation>مقام </translation>
    </message>
    <message>
        <source>Date </source>
        <extracomment>The caption before the date; the space keeps it off the field.</extracomment>
        <translation>تاریخ </translation>
    </message>
    <message>
        <source>Location</source>
        <translation>مقام</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>تاریخ</translation>
    </message>
    <message>
        <source>Prayer times</source>
        <translation>نماز کے اوقات</translation>
    </message>
    <message>
        <source>Prayer times of %1 on %2</source>
        <translation>%1 میں %2 کے نماز کے اوقات</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1، %2</translation>
    </message>
    <message>
        <source>%1, next prayer</source>
        <translation>%1، اگلی نماز</translation>
    </message>
    <message>
        <source>Next prayer</source>
        <translation>اگلی نماز</translation>
    </message>
    <message>
        <source>Couldn&apos;t change the autostart entry %1.</source>
        <translation>آٹو اسٹارٹ اندراج %1 تبدیل نہیں ہو سکا۔</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>ہجری تاریخ</translation>
    </message>
    <message>
        <source>Qibla direction</source>
        <translation>قبلے کی سمت</translation>
    </message>
    <message>
        <source>Degrees clockwise from true north</source>
        <translation type="vanished">حقیقی شمال سے گھڑی کی سمت میں درجے</translation>
    </message>
    <message>
        <source>The program&apos;s path %1 holds a line break or another control character, which an autostart entry cannot hold.</source>
        <translation>پروگرام کے راستے %1 میں لائن بریک یا کوئی اور کنٹرول کیریکٹر ہے، جو آٹو اسٹارٹ اندراج میں نہیں آ سکتا۔</translation>
    </message>
    <message>
        <source>&quot;Start at login&quot; stays as it was.</source>
        <translation>«لاگ اِن پر شروع ہو» جیسا تھا ویسا ہی رہا۔</translation>
    </message>
    <message>
        <source>&amp;Timetable...</source>
        <translation>&amp;نظام الاوقات...</translation>
    </message>
    <message>
        <source>%1, degrees clockwise from true north</source>
        <translation>%1، حقیقی شمال سے گھڑی کی سمت میں درجے</translation>
    </message>
    <message>
        <source>%1; next prayer: %2</source>
        <translation>%1؛ اگلی نماز: %2</translation>
    </message>
    <message>
        <source>Qibla dial</source>
        <translation>قبلہ نما</translation>
    </message>
</context>
<context>
    <name>orvanta::MediaSoundPlayer</name>
    <message>
        <source>cannot play the reminder sound (%1); reminders come without sound</source>
        <translation>یاد دہانی کی آواز نہیں چل سکی (%1)؛ یاد دہانیاں بغیر آواز کے آئیں گی</translation>
    </message>
    <message>
        <source>no audio output device</source>
        <translation>کوئی آڈیو آؤٹ پٹ آلہ نہیں</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 عام فائل نہیں ہے</translation>
    </message>
</context>
<context>
    <name>orvanta::MethodPage</name>
    <message>
        <source>Fajr</source>
        <translation>فجر</translation>
    </message>
    <message>
        <source>Shuruq</source>
        <translation>طلوعِ آفتاب</translation>
    </message>
    <message>
        <source>Zuhr</source>
        <translation>ظہر</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>عصر</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>مغرب</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>عشاء</translation>
    </message>
    <message>
        <source>Fajr angle</source>
        <translation type="vanished">فجر کا زاویہ</translation>
    </message>
    <message>
        <source>Isha angle</source>
        <translation type="vanished">عشاء کا زاویہ</translation>
    </message>
    <message>
        <source>Isha minutes after Maghrib</source>
        <translation>مغرب کے بعد عشاء کے منٹ</translation>
    </message>
    <message>
        <source>Maghrib angle</source>
        <translation type="vanished">مغرب کا زاویہ</translation>
    </message>
    <message>
        <source>Classic (the first page)</source>
        <translation>روایتی (پہلا صفحہ)</translation>
    </message>
    <message>
        <source>The method&apos;s own</source>
        <translation>طریقے کے مطابق</translation>
    </message>
    <message numerus="yes">
        <source> min</source>
        <extracomment>After the number of minutes in a spin box; keep the leading space.</extracomment>
        <translation>
            <numerusform> منٹ</numerusform>
            <numerusform> منٹ</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 adjustment in minutes</source>
        <translation>%1 میں منٹوں کی تبدیلی</translation>
    </message>
    <message>
        <source>Override</source>
        <translation>تبدیل کریں</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>منٹ</translation>
    </message>
    <message>
        <source>High latitudes</source>
        <translation>بلند عرض البلد</translation>
    </message>
    <message>
        <source>Rounding</source>
        <translation>گول کرنا</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>طریقہ</translation>
    </message>
    <message>
        <source>The authority whose method computes the times</source>
        <translation>وہ ادارہ جس کے طریقے سے اوقات نکالے جاتے ہیں</translation>
    </message>
    <message>
        <source>Fajr angle in degrees</source>
        <translation>فجر کا زاویہ درجوں میں</translation>
    </message>
    <message>
        <source>Isha angle in degrees</source>
        <translation>عشاء کا زاویہ درجوں میں</translation>
    </message>
    <message>
        <source>Maghrib angle in degrees</source>
        <translation>مغرب کا زاویہ درجوں میں</translation>
    </message>
    <message>
        <source>How Fajr and Isha are found where twilight lasts all night</source>
        <translation>جہاں شفق ساری رات رہے وہاں فجر اور عشاء کیسے طے ہوں</translation>
    </message>
    <message>
        <source>One angle or one interval for Fajr and Isha, as the first page sets it.</source>
        <translation>فجر اور عشاء کے لیے ایک زاویہ یا ایک وقفہ، جیسا پہلا صفحہ طے کرے۔</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>ماخذ: %1</translation>
    </message>
    <message>
        <source>within the seasonal bound</source>
        <translation>موسمی حد کے اندر</translation>
    </message>
    <message>
        <source>min after Maghrib</source>
        <translation>منٹ بعد از مغرب</translation>
    </message>
    <message>
        <source>rounded up</source>
        <translation>اوپر کی طرف گول</translation>
    </message>
    <message>
        <source>in Ramadan</source>
        <translation>رمضان میں</translation>
    </message>
    <message>
        <source>temkin</source>
        <translation>تمکین</translation>
    </message>
    <message>
        <source>min</source>
        <translation>منٹ</translation>
    </message>
    <message>
        <source>the authority prescribes none; it gives Fajr and Isha wherever the sun rises and sets</source>
        <translation>ادارہ کوئی قاعدہ مقرر نہیں کرتا؛ یہ قاعدہ جہاں سورج طلوع و غروب ہو وہاں فجر اور عشاء دیتا ہے</translation>
    </message>
    <message>
        <source>its Fiqh Council&apos;s decree: Fajr and Isha by analogy with the nearest latitude where they are distinct</source>
        <translation>اس کی فقہ کونسل کا فیصلہ: فجر اور عشاء اُس قریب ترین عرض البلد پر قیاس سے جہاں علامات واضح ہوں</translation>
    </message>
    <message>
        <source>the Committee&apos;s own: one seventh of the night at and above 55°</source>
        <translation>کمیٹی کا اپنا قاعدہ: 55° اور اس سے اوپر رات کا ساتواں حصہ</translation>
    </message>
    <message>
        <source>High latitudes: %1 (%2)</source>
        <translation>بلند عرض البلد: %1 (%2)</translation>
    </message>
    <message>
        <source>Nearest latitude</source>
        <translation type="vanished">قریب ترین عرض البلد</translation>
    </message>
    <message>
        <source>Latitude in degrees at which the day is computed</source>
        <translation>وہ عرض البلد ڈگری میں جس پر دن کا حساب ہوتا ہے</translation>
    </message>
    <message>
        <source>Fa&amp;jr</source>
        <translation>فجر (&amp;J)</translation>
    </message>
    <message>
        <source>&amp;Shuruq</source>
        <translation>طلوعِ &amp;آفتاب</translation>
    </message>
    <message>
        <source>&amp;Zuhr</source>
        <translation>ظہر (&amp;Z)</translation>
    </message>
    <message>
        <source>As&amp;r</source>
        <translation>عصر (&amp;R)</translation>
    </message>
    <message>
        <source>Maghri&amp;b</source>
        <translation>مغرب (&amp;B)</translation>
    </message>
    <message>
        <source>Is&amp;ha</source>
        <translation>عشا&amp;ء</translation>
    </message>
    <message>
        <source>&amp;Fajr angle</source>
        <translation>فجر کا &amp;زاویہ</translation>
    </message>
    <message>
        <source>&amp;Isha angle</source>
        <translation>عشاء کا زا&amp;ویہ</translation>
    </message>
    <message>
        <source>Isha minutes &amp;after Maghrib</source>
        <translation>مغر&amp;ب کے بعد عشاء کے منٹ</translation>
    </message>
    <message>
        <source>Ma&amp;ghrib angle</source>
        <translation>مغرب کا ز&amp;اویہ</translation>
    </message>
    <message>
        <source>High &amp;latitudes</source>
        <translation>بلند عر&amp;ض البلد</translation>
    </message>
    <message>
        <source>&amp;Nearest latitude</source>
        <translation>قریب ترین عرض البلد (&amp;N)</translation>
    </message>
    <message>
        <source>R&amp;ounding</source>
        <translation>گو&amp;ل کرنا</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>طریقہ (&amp;M):</translation>
    </message>
</context>
<context>
    <name>orvanta::OptionsDialog</name>
    <message>
        <source>Classic</source>
        <translation>روایتی</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>طریقہ</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>نمائش</translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="vanished">ٹھیک ہے</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="vanished">منسوخ کریں</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>اختیارات</translation>
    </message>
    <message>
        <source>Angle or interval</source>
        <translation>زاویہ یا وقفہ</translation>
    </message>
    <message>
        <source>Degrees below the horizon for the depression angle, minutes for the interval</source>
        <translation>زاویۂ انحطاط کے لیے افق سے نیچے درجے، وقفے کے لیے منٹ</translation>
    </message>
    <message>
        <source>City</source>
        <translation>شہر</translation>
    </message>
    <message>
        <source>Type a few letters to see matching cities</source>
        <translation>ملتے جلتے شہر دیکھنے کے لیے چند حروف لکھیں</translation>
    </message>
    <message>
        <source>Companion</source>
        <translation>ساتھی</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>یاد دہانیاں</translation>
    </message>
    <message>
        <source>Home city %1 is used instead.</source>
        <translation>اس کی جگہ گھریلو شہر %1 استعمال ہو رہا ہے۔</translation>
    </message>
    <message>
        <source>C&amp;lear home city</source>
        <translation>گھریلو شہر ہٹائیں (&amp;L)</translation>
    </message>
    <message>
        <source>Clear home city</source>
        <translation>گھریلو شہر ہٹائیں</translation>
    </message>
    <message>
        <source>Couldn&apos;t clear the home city.</source>
        <translation>گھریلو شہر ہٹایا نہیں جا سکا۔</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>کیلنڈر</translation>
    </message>
    <message>
        <source>Use &amp;my location</source>
        <translation>میرا مقام استعمال کریں (&amp;M)</translation>
    </message>
    <message>
        <source>Asks the desktop&apos;s location service and puts the nearest city in the City field</source>
        <translation>ڈیسک ٹاپ کی مقام سروس سے پوچھ کر قریب ترین شہر کو شہر کے خانے میں لکھتا ہے</translation>
    </message>
    <message>
        <source>Asking the desktop for your location…</source>
        <translation>ڈیسک ٹاپ سے آپ کا مقام پوچھا جا رہا ہے…</translation>
    </message>
    <message>
        <source>Your location is known, but the city database cannot be read.</source>
        <translation>آپ کا مقام معلوم ہے، لیکن شہروں کا ڈیٹا بیس پڑھا نہیں جا سکتا۔</translation>
    </message>
    <message>
        <source>Nearest city: %1, %2 km away. Press OK to use it.</source>
        <extracomment>%1 city name, %2 distance in kilometres (whole number).</extracomment>
        <translation>قریب ترین شہر: %1، %2 کلومیٹر دور۔ اسے استعمال کرنے کے لیے ٹھیک ہے دبائیں۔</translation>
    </message>
    <message>
        <source>This desktop has no location service.</source>
        <translation>اس ڈیسک ٹاپ پر کوئی مقام سروس نہیں ہے۔</translation>
    </message>
    <message>
        <source>The location service did not allow Orvanta your location.</source>
        <translation>مقام سروس نے Orvanta کو آپ کا مقام جاننے کی اجازت نہیں دی۔</translation>
    </message>
    <message>
        <source>The location service did not answer in time.</source>
        <translation>مقام سروس نے وقت پر جواب نہیں دیا۔</translation>
    </message>
</context>
<context>
    <name>orvanta::ReminderPage</name>
    <message>
        <source>Remind me at</source>
        <translation>مجھے یاد دلائیں</translation>
    </message>
    <message>
        <source>Remind me at %1</source>
        <translation>%1 پر مجھے یاد دلائیں</translation>
    </message>
    <message numerus="yes">
        <source> min before</source>
        <translation>
            <numerusform> منٹ پہلے</numerusform>
            <numerusform> منٹ پہلے</numerusform>
        </translation>
    </message>
    <message>
        <source>None</source>
        <translation>کوئی نہیں</translation>
    </message>
    <message>
        <source>Early reminder, minutes before the time</source>
        <translation>پیشگی یاد دہانی، وقت سے اتنے منٹ پہلے</translation>
    </message>
    <message>
        <source>&amp;Early reminder:</source>
        <translation>پیشگی یاد &amp;دہانی:</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>آواز</translation>
    </message>
    <message>
        <source>&amp;Play a sound with each reminder</source>
        <translation>ہر یاد دہانی کے ساتھ آ&amp;واز چلائیں</translation>
    </message>
    <message>
        <source>Play a sound with each reminder</source>
        <translation>ہر یاد دہانی کے ساتھ آواز چلائیں</translation>
    </message>
    <message>
        <source>Built-in chime</source>
        <translation>اندرونی گھنٹی</translation>
    </message>
    <message>
        <source>Sound file</source>
        <translation>آواز کی فائل</translation>
    </message>
    <message>
        <source>C&amp;hoose...</source>
        <translation>منتخب کریں... (&amp;H)</translation>
    </message>
    <message>
        <source>Choose a sound file</source>
        <translation>آواز کی فائل منتخب کریں</translation>
    </message>
    <message>
        <source>&amp;Built-in</source>
        <translation>اند&amp;رونی</translation>
    </message>
    <message>
        <source>Use the built-in chime</source>
        <translation>اندرونی گھنٹی استعمال کریں</translation>
    </message>
    <message>
        <source>File:</source>
        <translation type="vanished">فائل:</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>آواز کی سطح</translation>
    </message>
    <message>
        <source>P&amp;lay</source>
        <translation>چلائیں (&amp;L)</translation>
    </message>
    <message>
        <source>Play the sound now</source>
        <translation>ابھی آواز چلائیں</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>روکیں (&amp;S)</translation>
    </message>
    <message>
        <source>Stop the sound</source>
        <translation>آواز روکیں</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation type="vanished">آواز کی سطح:</translation>
    </message>
    <message>
        <source>Reminder sound</source>
        <translation>یاد دہانی کی آواز</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.ogg *.oga *.opus *.mp3 *.flac *.m4a *.aac);;All files (*)</source>
        <translation>آوازیں (*.wav *.ogg *.oga *.opus *.mp3 *.flac *.m4a *.aac);;تمام فائلیں (*)</translation>
    </message>
    <message>
        <source>Fa&amp;jr (Dawn)</source>
        <translation>فجر (&amp;J)</translation>
    </message>
    <message>
        <source>Sh&amp;uruq (Sunrise)</source>
        <translation>طلوعِ آفتا&amp;ب</translation>
    </message>
    <message>
        <source>&amp;Zuhr (Noon)</source>
        <translation>ظہر (&amp;Z)</translation>
    </message>
    <message>
        <source>As&amp;r (Afternoon)</source>
        <translation>عصر (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Maghrib (Sunset)</source>
        <translation>مغرب (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Isha (Night)</source>
        <translation>عشا&amp;ء</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>فائل (&amp;F):</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>آوا&amp;ز کی سطح:</translation>
    </message>
    <message>
        <source>Reminder before Jumu&apos;ah on Fridays, minutes</source>
        <translation>نمازِ جمعہ سے پہلے یاد دہانی، منٹ</translation>
    </message>
    <message>
        <source>Bef&amp;ore Jumu&apos;ah (Fridays):</source>
        <translation>نمازِ جمعہ سے پہلے (&amp;O):</translation>
    </message>
</context>
<context>
    <name>orvanta::ReminderScheduler</name>
    <message>
        <source>%1 at %2</source>
        <translation>%1 بوقت %2</translation>
    </message>
    <message>
        <source>%1 in %2 min, at %3</source>
        <translation type="vanished">%1 میں %2 منٹ باقی، بوقت %3</translation>
    </message>
    <message>
        <source>%1 in %2, at %3</source>
        <translation>%1 میں %2 باقی، بوقت %3</translation>
    </message>
</context>
<context>
    <name>orvanta::TimetableWindow</name>
    <message>
        <source>Timetable</source>
        <translation>نظام الاوقات</translation>
    </message>
    <message>
        <source>&lt; &amp;Previous</source>
        <translation>پچھلا (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>اگلا (&amp;N)</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>مہینہ</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>سال</translation>
    </message>
    <message>
        <source>Prayer times of the month</source>
        <translation>مہینے کے نماز کے اوقات</translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="vanished">تاریخ</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation type="vanished">ہجری</translation>
    </message>
    <message>
        <source>Export &amp;CSV...</source>
        <translation>CSV برآمد کریں... (&amp;C)</translation>
    </message>
    <message>
        <source>Export &amp;iCalendar...</source>
        <translation>iCalendar برآمد کریں... (&amp;I)</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>پرنٹ کریں... (&amp;R)</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>PDF کے طور پر محفوظ کریں... (&amp;D)</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>بند کریں (&amp;L)</translation>
    </message>
    <message>
        <source>%1 — %2
%3
%4</source>
        <translation>%1 — %2
%3
%4</translation>
    </message>
    <message>
        <source>The times of %1 cannot be computed: the rules of its time zone cannot be read.</source>
        <translation>%1 کے اوقات کا حساب نہیں ہو سکا: اس کے ٹائم زون کے اصول پڑھے نہیں جا سکے۔</translation>
    </message>
    <message>
        <source>%1 (today)</source>
        <translation>%1 (آج)</translation>
    </message>
    <message>
        <source>The timetable could not be written to %1.</source>
        <translation>نظام الاوقات %1 میں لکھا نہیں جا سکا۔</translation>
    </message>
    <message>
        <source>The timetable could not be saved as %1.</source>
        <translation>نظام الاوقات %1 کے طور پر محفوظ نہیں ہو سکا۔</translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation>CSV کے طور پر برآمد کریں</translation>
    </message>
    <message>
        <source>Export as iCalendar</source>
        <translation>iCalendar کے طور پر برآمد کریں</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV فائلیں (*.csv)</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar فائلیں (*.ics)</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>PDF کے طور پر محفوظ کریں</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF فائلیں (*.pdf)</translation>
    </message>
    <message>
        <source>Print Timetable</source>
        <translation>نظام الاوقات پرنٹ کریں</translation>
    </message>
    <message>
        <source>The timetable could not be printed.</source>
        <translation>نظام الاوقات پرنٹ نہیں ہو سکا۔</translation>
    </message>
    <message>
        <source>%1 is not a regular file (it is a device, a FIFO, a socket or a folder); the timetable was not written to it.</source>
        <translation>%1 عام فائل نہیں ہے (یہ کوئی آلہ، FIFO، ساکٹ یا فولڈر ہے)؛ نظام الاوقات اس میں نہیں لکھا گیا۔</translation>
    </message>
    <message>
        <source>The disk is full; the file was left as it was.</source>
        <translation>ڈسک بھری ہوئی ہے؛ فائل جیسی تھی ویسی ہی چھوڑ دی گئی۔</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>مہینہ (&amp;M):</translation>
    </message>
</context>
</TS>
