<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Orvanta</source>
        <translation>حول Orvanta</translation>
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
            <numerusform>%1 دقيقة</numerusform>
            <numerusform>%1 دقيقة</numerusform>
            <numerusform>%1 دقيقتان</numerusform>
            <numerusform>%1 دقائق</numerusform>
            <numerusform>%1 دقيقة</numerusform>
            <numerusform>%1 دقيقة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 h</source>
        <extracomment>A number of hours, abbreviated as in &quot;Fajr in 2 h&quot;.</extracomment>
        <translation>
            <numerusform>%1 ساعة</numerusform>
            <numerusform>%1 ساعة</numerusform>
            <numerusform>%1 ساعتان</numerusform>
            <numerusform>%1 ساعات</numerusform>
            <numerusform>%1 ساعة</numerusform>
            <numerusform>%1 ساعة</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Hours, then minutes, of the time left: &quot;1 h 12 min&quot;.</extracomment>
        <translation>%1 و%2</translation>
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
        <translation>ربيع الأول</translation>
    </message>
    <message>
        <source>Rabi II</source>
        <translation>ربيع الآخر</translation>
    </message>
    <message>
        <source>Jumada I</source>
        <translation>جمادى الأولى</translation>
    </message>
    <message>
        <source>Jumada II</source>
        <translation>جمادى الآخرة</translation>
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
        <translation>ذو القعدة</translation>
    </message>
    <message>
        <source>Dhu al-Hijjah</source>
        <translation>ذو الحجة</translation>
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
        <translation>رأس السنة الهجرية</translation>
    </message>
    <message>
        <source>Ashura</source>
        <translation>عاشوراء</translation>
    </message>
    <message>
        <source>Mawlid</source>
        <translation>المولد النبوي</translation>
    </message>
    <message>
        <source>Isra and Mi&apos;raj</source>
        <translation>الإسراء والمعراج</translation>
    </message>
    <message>
        <source>Mid-Sha&apos;ban</source>
        <translation>ليلة النصف من شعبان</translation>
    </message>
    <message>
        <source>First of Ramadan</source>
        <translation>أول رمضان</translation>
    </message>
    <message>
        <source>Laylat al-Qadr</source>
        <translation>ليلة القدر</translation>
    </message>
    <message>
        <source>Eid al-Fitr</source>
        <translation>عيد الفطر</translation>
    </message>
    <message>
        <source>Day of Arafah</source>
        <translation>يوم عرفة</translation>
    </message>
    <message>
        <source>Eid al-Adha</source>
        <translation>عيد الأضحى</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Couldn&apos;t find city!</source>
        <translation>تعذّر العثور على المدينة!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>Error getting data!</source>
        <translation>خطأ في الحصول على البيانات!</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>خطأ!</translation>
    </message>
    <message>
        <source>Settings could not be saved.</source>
        <translation>تعذّر حفظ الإعدادات.</translation>
    </message>
    <message>
        <source>??? (Can&apos;t determine)</source>
        <translation>؟؟؟ (تعذّر التحديد)</translation>
    </message>
    <message>
        <source>The city database cities.db was not found. Paths tried:</source>
        <translation>لم يُعثر على قاعدة بيانات المدن cities.db. المسارات التي جُرّبت:</translation>
    </message>
</context>
<context>
    <name>MethodWords</name>
    <message>
        <source>None</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>Middle of the night</source>
        <translation>منتصف الليل</translation>
    </message>
    <message>
        <source>One seventh of the night</source>
        <translation>سُبع الليل</translation>
    </message>
    <message>
        <source>Twilight angle</source>
        <translation>زاوية الشفق</translation>
    </message>
    <message>
        <source>To the nearest minute</source>
        <translation>الأقرب</translation>
    </message>
    <message>
        <source>Up to the next minute</source>
        <translation>للأعلى</translation>
    </message>
    <message>
        <source>Nearest day</source>
        <translation>أقرب يوم</translation>
    </message>
    <message>
        <source>Nearest latitude</source>
        <translation>أقرب خط عرض</translation>
    </message>
    <message>
        <source>%1 %2 min</source>
        <extracomment>%1: a prayer&apos;s short name; %2: signed whole minutes added to its time (&quot;+2&quot;, &quot;-3&quot;).</extracomment>
        <translation>%1 %2 دقيقة</translation>
    </message>
    <message>
        <source>Fajr %1°</source>
        <translation>الفجر %1°</translation>
    </message>
    <message>
        <source>Isha %1°</source>
        <translation>العشاء %1°</translation>
    </message>
    <message>
        <source>Isha %1 min after Maghrib (%2 in Ramadan)</source>
        <translation>العشاء بعد المغرب بـ%1 دقيقة (%2 في رمضان)</translation>
    </message>
    <message>
        <source>Isha %1 min after Maghrib</source>
        <translation>العشاء بعد المغرب بـ%1 دقيقة</translation>
    </message>
    <message>
        <source>Maghrib %1°</source>
        <translation>المغرب %1°</translation>
    </message>
    <message>
        <source>Fajr and Isha within the seasonal bound</source>
        <translation>الفجر والعشاء ضمن الحد الموسمي</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the parts of one group of the method&apos;s line (&quot;Fajr 18°, Isha 17°&quot;).</extracomment>
        <translation>، </translation>
    </message>
    <message>
        <source>high latitudes: %1</source>
        <translation>خطوط العرض العليا: %1</translation>
    </message>
    <message>
        <source>high latitudes: %1 at %2</source>
        <extracomment>%1: the rule&apos;s name (&quot;Nearest latitude&quot;); %2: its latitude in degrees.</extracomment>
        <translation>خطوط العرض العليا: %1 عند %2</translation>
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
        <translation>مقرّبة للأعلى إلى الدقيقة التالية</translation>
    </message>
</context>
<context>
    <name>NextPrayer</name>
    <message>
        <source>Fajr</source>
        <translation>الفجر</translation>
    </message>
    <message>
        <source>Shuruq</source>
        <translation>الشروق</translation>
    </message>
    <message>
        <source>Zuhr</source>
        <translation>الظهر</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>العصر</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>المغرب</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>العشاء</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 الساعة %2</translation>
    </message>
    <message>
        <source>%1 in %2 min</source>
        <translation type="vanished">%1 بعد %2 دقيقة</translation>
    </message>
    <message>
        <source>%1 in %2 h</source>
        <translation type="vanished">%1 بعد %2 ساعة</translation>
    </message>
    <message>
        <source>%1 in %2 h %3 min</source>
        <translation type="vanished">%1 بعد %2 ساعة و%3 دقيقة</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <extracomment>A prayer and the time left: &quot;Fajr in 1 h 12 min&quot;.</extracomment>
        <translation>%1 بعد %2</translation>
    </message>
    <message>
        <source>%1 tomorrow at %2</source>
        <extracomment>The next prayer is on the day after the list&apos;s day: &quot;Fajr tomorrow at 5:27 AM&quot;.</extracomment>
        <translation>%1 غدًا الساعة %2</translation>
    </message>
    <message>
        <source>%1 tomorrow at %2, in %3</source>
        <extracomment>The next prayer on the day after the list&apos;s day, its clock time and the time left: &quot;Fajr tomorrow at 5:27 AM, in 7 h 12 min&quot;.</extracomment>
        <translation>%1 غدًا الساعة %2، بعد %3</translation>
    </message>
</context>
<context>
    <name>Notices</name>
    <message>
        <source>the settings file %1 was damaged and has been moved to %2; the settings are saved in a new file</source>
        <translation>كان ملف الإعدادات %1 تالفًا ونُقل إلى %2؛ تُحفظ الإعدادات في ملف جديد</translation>
    </message>
    <message>
        <source>%1 was damaged and has been moved to %2; your home city and your own cities in it are no longer used</source>
        <translation>كان %1 تالفًا ونُقل إلى %2؛ لم تعد مدينتك الرئيسية ومدنك الخاصة فيه مستخدمة</translation>
    </message>
    <message>
        <source>cannot read the settings file %1 (it is not a regular file, or not readable); the default settings are used and the file is left as it is</source>
        <translation>تعذّرت قراءة ملف الإعدادات %1 (ليس ملفًا عاديًا أو لا يمكن قراءته)؛ تُستخدم الإعدادات الافتراضية ويُترك الملف كما هو</translation>
    </message>
    <message>
        <source>the settings file %1 is damaged; the default settings are used, and saving the settings moves it aside</source>
        <translation>ملف الإعدادات %1 تالف؛ تُستخدم الإعدادات الافتراضية، وحفظ الإعدادات ينقله جانبًا</translation>
    </message>
    <message>
        <source>%1 is not a regular file and is left alone; your home city and your own cities cannot be used</source>
        <translation>%1 ليس ملفًا عاديًا ويُترك دون تغيير؛ لا يمكن استخدام مدينتك الرئيسية ومدنك الخاصة</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>The end of a sentence: the language&apos;s full stop after %1.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>the settings file %1 is too large to be a settings file (over 16 MiB); the default settings are used and the file is left as it is</source>
        <translation>ملف الإعدادات %1 أكبر من أن يكون ملف إعدادات (أكثر من 16 ميبيبايت)؛ تُستخدم الإعدادات الافتراضية ويُترك الملف كما هو</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Sunrise Calculation</source>
        <translation>حساب الشروق</translation>
    </message>
    <message>
        <source>By Depression Angle</source>
        <translation type="vanished">بزاوية انخفاض الشمس</translation>
    </message>
    <message>
        <source>By Interval</source>
        <translation type="vanished">بفاصل زمني</translation>
    </message>
    <message>
        <source>Fiqh</source>
        <translation>الفقه</translation>
    </message>
    <message>
        <source>Shafi</source>
        <translation type="vanished">الشافعي</translation>
    </message>
    <message>
        <source>Hanafi</source>
        <translation type="vanished">الحنفي</translation>
    </message>
    <message>
        <source>City</source>
        <translation type="vanished">المدينة</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>A&amp;ngle or interval</source>
        <translation>&amp;الزاوية أو الفاصل</translation>
    </message>
    <message>
        <source>By &amp;Depression Angle</source>
        <translation>بزا&amp;وية انخفاض الشمس</translation>
    </message>
    <message>
        <source>By &amp;Interval</source>
        <translation>بفاصل &amp;زمني</translation>
    </message>
    <message>
        <source>&amp;Shafi</source>
        <translation>الشافعي (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Hanafi</source>
        <translation>الحنفي (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;City</source>
        <translation>المدينة (&amp;C)</translation>
    </message>
</context>
<context>
    <name>PrayerNames</name>
    <message>
        <source>Fajr (Dawn)</source>
        <translation>الفجر</translation>
    </message>
    <message>
        <source>Shuruq (Sunrise)</source>
        <translation>الشروق</translation>
    </message>
    <message>
        <source>Zuhr (Noon)</source>
        <translation>الظهر</translation>
    </message>
    <message>
        <source>Asr (Afternoon)</source>
        <translation>العصر</translation>
    </message>
    <message>
        <source>Maghrib (Sunset)</source>
        <translation>المغرب</translation>
    </message>
    <message>
        <source>Isha (Night)</source>
        <translation>العشاء</translation>
    </message>
    <message>
        <source>Jumu&apos;ah (Friday)</source>
        <translation>الجمعة</translation>
    </message>
    <message>
        <source>Imsak</source>
        <translation>الإمساك</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>منتصف الليل</translation>
    </message>
    <message>
        <source>Last third of the night</source>
        <translation>الثلث الأخير من الليل</translation>
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
        <translation>عرض التفاصيل...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>إخفاء التفاصيل...</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>Qibla</name>
    <message>
        <source>Qibla: none, this is the Kaaba</source>
        <translation>القبلة: لا اتجاه، هذه هي الكعبة</translation>
    </message>
    <message>
        <source>Qibla: every direction</source>
        <translation>القبلة: كل الاتجاهات</translation>
    </message>
    <message>
        <source>Qibla %1°</source>
        <extracomment>%1: degrees clockwise from true north, one decimal.</extracomment>
        <translation>القبلة %1°</translation>
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
        <translation>يناير</translation>
    </message>
    <message>
        <source>February</source>
        <translation>فبراير</translation>
    </message>
    <message>
        <source>March</source>
        <translation>مارس</translation>
    </message>
    <message>
        <source>April</source>
        <translation>أبريل</translation>
    </message>
    <message>
        <source>May</source>
        <translation>مايو</translation>
    </message>
    <message>
        <source>June</source>
        <translation>يونيو</translation>
    </message>
    <message>
        <source>July</source>
        <translation>يوليو</translation>
    </message>
    <message>
        <source>August</source>
        <translation>أغسطس</translation>
    </message>
    <message>
        <source>September</source>
        <translation>سبتمبر</translation>
    </message>
    <message>
        <source>October</source>
        <translation>أكتوبر</translation>
    </message>
    <message>
        <source>November</source>
        <translation>نوفمبر</translation>
    </message>
    <message>
        <source>December</source>
        <translation>ديسمبر</translation>
    </message>
    <message>
        <source>Fajr</source>
        <translation>الفجر</translation>
    </message>
    <message>
        <source>Shuruq</source>
        <translation>الشروق</translation>
    </message>
    <message>
        <source>Zuhr</source>
        <translation>الظهر</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>العصر</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>المغرب</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>العشاء</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Timetable title: %1 month name, %2 year.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Fajr and Isha with the sun %1° below the horizon</source>
        <translation>الفجر والعشاء والشمس %1° تحت الأفق</translation>
    </message>
    <message>
        <source>Fajr %1 min before sunrise, Isha %1 min after sunset</source>
        <translation>الفجر قبل الشروق بـ%1 دقيقة، والعشاء بعد الغروب بـ%1 دقيقة</translation>
    </message>
    <message>
        <source>Asr Shafi</source>
        <translation>العصر الشافعي</translation>
    </message>
    <message>
        <source>Asr Hanafi</source>
        <translation>العصر الحنفي</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>الهجري</translation>
    </message>
    <message>
        <source>Imsak</source>
        <translation>الإمساك</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>منتصف الليل</translation>
    </message>
    <message>
        <source>Last third</source>
        <translation>الثلث الأخير</translation>
    </message>
    <message>
        <source>Jumu&apos;ah %1</source>
        <extracomment>A Friday&apos;s Zuhr cell: %1 the time of the Friday prayer, Jumu&apos;ah.</extracomment>
        <translation>الجمعة %1</translation>
    </message>
    <message>
        <source>timetable of %1</source>
        <translation>جدول مواقيت %1</translation>
    </message>
    <message>
        <source>%1 from %2 to %3; other days: %4</source>
        <translation>%1 من %2 إلى %3؛ الأيام الأخرى: %4</translation>
    </message>
</context>
<context>
    <name>orvanta::AboutDialog</name>
    <message>
        <source>About Orvanta</source>
        <translation>حول Orvanta</translation>
    </message>
    <message>
        <source>© 2026 The Orvanta developers, MIT</source>
        <translation>حقوق النشر © 2026 لمطوّري Orvanta، رخصة MIT</translation>
    </message>
    <message>
        <source>City data © GeoNames, CC BY 4.0</source>
        <translation>بيانات المدن © GeoNames، CC BY 4.0</translation>
    </message>
</context>
<context>
    <name>orvanta::CalendarPage</name>
    <message numerus="yes">
        <source> days</source>
        <extracomment>After the number of days in a spin box; keep the leading space.</extracomment>
        <translation>
            <numerusform> يوم</numerusform>
            <numerusform> يوم</numerusform>
            <numerusform> يومان</numerusform>
            <numerusform> أيام</numerusform>
            <numerusform> يومًا</numerusform>
            <numerusform> يوم</numerusform>
        </translation>
    </message>
    <message>
        <source>Hijri date offset</source>
        <translation>تعديل التاريخ الهجري</translation>
    </message>
    <message>
        <source>Days added to the computed Hijri date, from minus 2 to plus 2</source>
        <translation>أيام تُضاف إلى التاريخ الهجري المحسوب، من سالب 2 إلى موجب 2</translation>
    </message>
    <message>
        <source>&amp;Hijri date offset:</source>
        <translation>تعديل التا&amp;ريخ الهجري:</translation>
    </message>
    <message>
        <source>The Hijri date follows the Umm al-Qura calendar. Where the month begins with a local sighting of the moon, move it by a day or two.</source>
        <translation>يتبع التاريخ الهجري تقويم أم القرى. حيث يبدأ الشهر برؤية محلية للهلال، حرّكه يومًا أو يومين.</translation>
    </message>
</context>
<context>
    <name>orvanta::CompanionPage</name>
    <message>
        <source>&amp;Keep running in the tray</source>
        <translation>البقاء في شريط النظا&amp;م</translation>
    </message>
    <message>
        <source>&amp;Start at login, in the tray</source>
        <translation>التشغيل عند تسجيل الدخو&amp;ل، في شريط النظام</translation>
    </message>
    <message>
        <source>This desktop has no tray: closing the window ends the program.</source>
        <translation>لا يوجد شريط نظام في سطح المكتب هذا: إغلاق النافذة ينهي البرنامج.</translation>
    </message>
    <message>
        <source>Keep running in the tray</source>
        <translation>البقاء في شريط النظام</translation>
    </message>
    <message>
        <source>Closing the window hides it; the tray icon shows the next prayer.</source>
        <translation>إغلاق النافذة يخفيها؛ وتعرض أيقونة شريط النظام الصلاة التالية.</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>التشغيل عند تسجيل الدخول</translation>
    </message>
    <message>
        <source>No tray on this desktop</source>
        <translation>لا يوجد شريط نظام في سطح المكتب هذا</translation>
    </message>
</context>
<context>
    <name>orvanta::CompanionTray</name>
    <message>
        <source>Hide window</source>
        <translation>إخفاء النافذة</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>احسب</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>خيارات</translation>
    </message>
    <message>
        <source>Stop sound</source>
        <translation>إيقاف الصوت</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>إنهاء</translation>
    </message>
    <message>
        <source>Show window</source>
        <translation>إظهار النافذة</translation>
    </message>
</context>
<context>
    <name>orvanta::DBusNotifier</name>
    <message>
        <source>Stop sound</source>
        <translation>إيقاف الصوت</translation>
    </message>
    <message>
        <source>the desktop&apos;s notification service cannot be reached (%1); reminders cannot be shown</source>
        <translation>تعذّر الوصول إلى خدمة الإشعارات في سطح المكتب (%1)؛ لا يمكن عرض التذكيرات</translation>
    </message>
    <message>
        <source>the session bus at %1 did not answer</source>
        <translation>ناقل الجلسة عند %1 لم يُجب</translation>
    </message>
</context>
<context>
    <name>orvanta::DisplayPage</name>
    <message>
        <source>The language&apos;s own</source>
        <translation>حسب اللغة</translation>
    </message>
    <message>
        <source>12-hour (5:25 PM)</source>
        <translation>١٢ ساعة (٥:٢٥ م)</translation>
    </message>
    <message>
        <source>24-hour (17:25)</source>
        <translation>٢٤ ساعة (١٧:٢٥)</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>الساعة</translation>
    </message>
    <message>
        <source>How the prayer times are shown</source>
        <translation>طريقة عرض أوقات الصلاة</translation>
    </message>
    <message>
        <source>&amp;Clock</source>
        <translation>&amp;الساعة</translation>
    </message>
    <message>
        <source>Show &amp;Imsak and the night&apos;s times</source>
        <translation>إظهار الإمساك وأوقات الليل (&amp;I)</translation>
    </message>
    <message>
        <source>Imsak, the middle of the night and its last third under the six times</source>
        <translation>الإمساك ومنتصف الليل وثلثه الأخير تحت الأوقات الستة</translation>
    </message>
    <message>
        <source>The method&apos;s own</source>
        <translation>حسب الطريقة</translation>
    </message>
    <message>
        <source>Imsak, minutes before Fajr</source>
        <translation>الإمساك، دقائق قبل الفجر</translation>
    </message>
    <message>
        <source>I&amp;msak, minutes before Fajr</source>
        <translation>الإمساك، دقائق قبل الفجر (&amp;M)</translation>
    </message>
</context>
<context>
    <name>orvanta::MainWindow</name>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;أدوات</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;احسب</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;خيارات</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>Prayer</source>
        <translation>الصلاة</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>الوقت</translation>
    </message>
    <message>
        <source>Location </source>
        <extracomment>The caption before the city&apos;s name; the space keeps it off the field.</extracomment>
        <translation>الموقع </translation>
    </message>
    <message>
        <source>Date </source>
        <extracomment>The caption before the date; the space keeps it off the field.</extracomment>
        <translation>التاريخ </translation>
    </message>
    <message>
        <source>Location</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>Prayer times</source>
        <translation>أوقات الصلاة</translation>
    </message>
    <message>
        <source>Prayer times of %1 on %2</source>
        <translation>أوقات الصلاة في %1 يوم %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1، %2</translation>
    </message>
    <message>
        <source>%1, next prayer</source>
        <translation>%1، الصلاة التالية</translation>
    </message>
    <message>
        <source>Next prayer</source>
        <translation>الصلاة التالية</translation>
    </message>
    <message>
        <source>Couldn&apos;t change the autostart entry %1.</source>
        <translation>تعذّر تغيير مُدخَل التشغيل التلقائي %1.</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>التاريخ الهجري</translation>
    </message>
    <message>
        <source>Qibla direction</source>
        <translation>اتجاه القبلة</translation>
    </message>
    <message>
        <source>Degrees clockwise from true north</source>
        <translation type="vanished">درجات باتجاه عقارب الساعة من الشمال الحقيقي</translation>
    </message>
    <message>
        <source>The program&apos;s path %1 holds a line break or another control character, which an autostart entry cannot hold.</source>
        <translation>مسار البرنامج %1 يحتوي على فاصل أسطر أو محرف تحكم آخر، ولا يمكن لمُدخَل التشغيل التلقائي أن يحمله.</translation>
    </message>
    <message>
        <source>&quot;Start at login&quot; stays as it was.</source>
        <translation>بقي «التشغيل عند تسجيل الدخول» على حاله.</translation>
    </message>
    <message>
        <source>&amp;Timetable...</source>
        <translation>&amp;جدول المواقيت...</translation>
    </message>
    <message>
        <source>%1, degrees clockwise from true north</source>
        <translation>%1، بالدرجات باتجاه عقارب الساعة من الشمال الحقيقي</translation>
    </message>
    <message>
        <source>%1; next prayer: %2</source>
        <translation>%1؛ الصلاة التالية: %2</translation>
    </message>
    <message>
        <source>Qibla dial</source>
        <translation>بوصلة القبلة</translation>
    </message>
</context>
<context>
    <name>orvanta::MediaSoundPlayer</name>
    <message>
        <source>cannot play the reminder sound (%1); reminders come without sound</source>
        <translation>تعذّر تشغيل صوت التذكير (%1)؛ تأتي التذكيرات بلا صوت</translation>
    </message>
    <message>
        <source>no audio output device</source>
        <translation>لا يوجد جهاز إخراج صوت</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ليس ملفًا عاديًا</translation>
    </message>
</context>
<context>
    <name>orvanta::MethodPage</name>
    <message>
        <source>Fajr</source>
        <translation>الفجر</translation>
    </message>
    <message>
        <source>Shuruq</source>
        <translation>الشروق</translation>
    </message>
    <message>
        <source>Zuhr</source>
        <translation>الظهر</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>العصر</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>المغرب</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>العشاء</translation>
    </message>
    <message>
        <source>Fajr angle</source>
        <translation type="vanished">زاوية الفجر</translation>
    </message>
    <message>
        <source>Isha angle</source>
        <translation type="vanished">زاوية العشاء</translation>
    </message>
    <message>
        <source>Isha minutes after Maghrib</source>
        <translation>دقائق العشاء بعد المغرب</translation>
    </message>
    <message>
        <source>Maghrib angle</source>
        <translation type="vanished">زاوية المغرب</translation>
    </message>
    <message>
        <source>Classic (the first page)</source>
        <translation>التقليدية (الصفحة الأولى)</translation>
    </message>
    <message>
        <source>The method&apos;s own</source>
        <translation>حسب الطريقة</translation>
    </message>
    <message numerus="yes">
        <source> min</source>
        <extracomment>After the number of minutes in a spin box; keep the leading space.</extracomment>
        <translation>
            <numerusform> دقيقة</numerusform>
            <numerusform> دقيقة</numerusform>
            <numerusform> دقيقتان</numerusform>
            <numerusform> دقائق</numerusform>
            <numerusform> دقيقة</numerusform>
            <numerusform> دقيقة</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 adjustment in minutes</source>
        <translation>تعديل %1 بالدقائق</translation>
    </message>
    <message>
        <source>Override</source>
        <translation>تجاوز</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>الدقائق</translation>
    </message>
    <message>
        <source>High latitudes</source>
        <translation>خطوط العرض العليا</translation>
    </message>
    <message>
        <source>Rounding</source>
        <translation>التقريب</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>الطريقة</translation>
    </message>
    <message>
        <source>The authority whose method computes the times</source>
        <translation>الجهة التي تُحسب الأوقات بطريقتها</translation>
    </message>
    <message>
        <source>Fajr angle in degrees</source>
        <translation>زاوية الفجر بالدرجات</translation>
    </message>
    <message>
        <source>Isha angle in degrees</source>
        <translation>زاوية العشاء بالدرجات</translation>
    </message>
    <message>
        <source>Maghrib angle in degrees</source>
        <translation>زاوية المغرب بالدرجات</translation>
    </message>
    <message>
        <source>How Fajr and Isha are found where twilight lasts all night</source>
        <translation>كيف يُحدَّد الفجر والعشاء حيث يدوم الشفق طوال الليل</translation>
    </message>
    <message>
        <source>One angle or one interval for Fajr and Isha, as the first page sets it.</source>
        <translation>زاوية واحدة أو فاصل واحد للفجر والعشاء، كما تحدده الصفحة الأولى.</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>المصدر: %1</translation>
    </message>
    <message>
        <source>within the seasonal bound</source>
        <translation>ضمن الحد الموسمي</translation>
    </message>
    <message>
        <source>min after Maghrib</source>
        <translation>دقيقة بعد المغرب</translation>
    </message>
    <message>
        <source>rounded up</source>
        <translation>مقرّبة للأعلى</translation>
    </message>
    <message>
        <source>in Ramadan</source>
        <translation>في رمضان</translation>
    </message>
    <message>
        <source>temkin</source>
        <translation>تمكين</translation>
    </message>
    <message>
        <source>min</source>
        <translation>دقيقة</translation>
    </message>
    <message>
        <source>the authority prescribes none; it gives Fajr and Isha wherever the sun rises and sets</source>
        <translation>لا تنص الجهة على قاعدة؛ وهذه تعطي الفجر والعشاء حيثما تشرق الشمس وتغرب</translation>
    </message>
    <message>
        <source>its Fiqh Council&apos;s decree: Fajr and Isha by analogy with the nearest latitude where they are distinct</source>
        <translation>قرار مجمعها الفقهي: الفجر والعشاء بالقياس على أقرب خط عرض تتميز فيه العلامات</translation>
    </message>
    <message>
        <source>the Committee&apos;s own: one seventh of the night at and above 55°</source>
        <translation>قاعدة الهيئة نفسها: سُبع الليل من خط العرض 55° فما فوق</translation>
    </message>
    <message>
        <source>High latitudes: %1 (%2)</source>
        <translation>خطوط العرض العليا: %1 (%2)</translation>
    </message>
    <message>
        <source>Nearest latitude</source>
        <translation type="vanished">أقرب خط عرض</translation>
    </message>
    <message>
        <source>Latitude in degrees at which the day is computed</source>
        <translation>خط العرض بالدرجات الذي يُحسب عنده اليوم</translation>
    </message>
    <message>
        <source>Fa&amp;jr</source>
        <translation>الفجر (&amp;J)</translation>
    </message>
    <message>
        <source>&amp;Shuruq</source>
        <translation>الشرو&amp;ق</translation>
    </message>
    <message>
        <source>&amp;Zuhr</source>
        <translation>الظهر (&amp;Z)</translation>
    </message>
    <message>
        <source>As&amp;r</source>
        <translation>العصر (&amp;R)</translation>
    </message>
    <message>
        <source>Maghri&amp;b</source>
        <translation>المغرب (&amp;B)</translation>
    </message>
    <message>
        <source>Is&amp;ha</source>
        <translation>العشا&amp;ء</translation>
    </message>
    <message>
        <source>&amp;Fajr angle</source>
        <translation>&amp;زاوية الفجر</translation>
    </message>
    <message>
        <source>&amp;Isha angle</source>
        <translation>زا&amp;وية العشاء</translation>
    </message>
    <message>
        <source>Isha minutes &amp;after Maghrib</source>
        <translation>&amp;دقائق العشاء بعد المغرب</translation>
    </message>
    <message>
        <source>Ma&amp;ghrib angle</source>
        <translation>زاوية المغر&amp;ب</translation>
    </message>
    <message>
        <source>High &amp;latitudes</source>
        <translation>خطو&amp;ط العرض العليا</translation>
    </message>
    <message>
        <source>&amp;Nearest latitude</source>
        <translation>أقرب خط عر&amp;ض</translation>
    </message>
    <message>
        <source>R&amp;ounding</source>
        <translation>التقريب (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;الطريقة:</translation>
    </message>
</context>
<context>
    <name>orvanta::OptionsDialog</name>
    <message>
        <source>Classic</source>
        <translation>تقليدية</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>الطريقة</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>العرض</translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="vanished">موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="vanished">إلغاء</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>خيارات</translation>
    </message>
    <message>
        <source>Angle or interval</source>
        <translation>الزاوية أو الفاصل</translation>
    </message>
    <message>
        <source>Degrees below the horizon for the depression angle, minutes for the interval</source>
        <translation>درجات تحت الأفق لزاوية الانخفاض، ودقائق للفاصل</translation>
    </message>
    <message>
        <source>City</source>
        <translation>المدينة</translation>
    </message>
    <message>
        <source>Type a few letters to see matching cities</source>
        <translation>اكتب بضعة أحرف لرؤية المدن المطابقة</translation>
    </message>
    <message>
        <source>Companion</source>
        <translation>المرافق</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>التذكيرات</translation>
    </message>
    <message>
        <source>Home city %1 is used instead.</source>
        <translation>تُستخدم المدينة الرئيسية %1 بدلًا منها.</translation>
    </message>
    <message>
        <source>C&amp;lear home city</source>
        <translation>مسح المدينة الرئيسية (&amp;L)</translation>
    </message>
    <message>
        <source>Clear home city</source>
        <translation>مسح المدينة الرئيسية</translation>
    </message>
    <message>
        <source>Couldn&apos;t clear the home city.</source>
        <translation>تعذّر مسح المدينة الرئيسية.</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>التقويم</translation>
    </message>
    <message>
        <source>Use &amp;my location</source>
        <translation>استخدم موقعي (&amp;M)</translation>
    </message>
    <message>
        <source>Asks the desktop&apos;s location service and puts the nearest city in the City field</source>
        <translation>يسأل خدمة الموقع في سطح المكتب ويضع أقرب مدينة في حقل المدينة</translation>
    </message>
    <message>
        <source>Asking the desktop for your location…</source>
        <translation>جارٍ سؤال سطح المكتب عن موقعك…</translation>
    </message>
    <message>
        <source>Your location is known, but the city database cannot be read.</source>
        <translation>موقعك معروف، لكن تعذّرت قراءة قاعدة بيانات المدن.</translation>
    </message>
    <message>
        <source>Nearest city: %1, %2 km away. Press OK to use it.</source>
        <extracomment>%1 city name, %2 distance in kilometres (whole number).</extracomment>
        <translation>أقرب مدينة: %1، على بعد %2 كم. اضغط موافق لاستخدامها.</translation>
    </message>
    <message>
        <source>This desktop has no location service.</source>
        <translation>لا توجد خدمة موقع في سطح المكتب هذا.</translation>
    </message>
    <message>
        <source>The location service did not allow Orvanta your location.</source>
        <translation>لم تسمح خدمة الموقع لـ Orvanta بمعرفة موقعك.</translation>
    </message>
    <message>
        <source>The location service did not answer in time.</source>
        <translation>لم تُجب خدمة الموقع في الوقت المحدد.</translation>
    </message>
</context>
<context>
    <name>orvanta::ReminderPage</name>
    <message>
        <source>Remind me at</source>
        <translation>ذكّرني عند</translation>
    </message>
    <message>
        <source>Remind me at %1</source>
        <translation>ذكّرني عند %1</translation>
    </message>
    <message numerus="yes">
        <source> min before</source>
        <translation>
            <numerusform> دقيقة قبلها</numerusform>
            <numerusform> دقيقة قبلها</numerusform>
            <numerusform> دقيقتان قبلها</numerusform>
            <numerusform> دقائق قبلها</numerusform>
            <numerusform> دقيقة قبلها</numerusform>
            <numerusform> دقيقة قبلها</numerusform>
        </translation>
    </message>
    <message>
        <source>None</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>Early reminder, minutes before the time</source>
        <translation>تذكير مبكر، بالدقائق قبل الوقت</translation>
    </message>
    <message>
        <source>&amp;Early reminder:</source>
        <translation>تذكير مبكر (&amp;E):</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>الصوت</translation>
    </message>
    <message>
        <source>&amp;Play a sound with each reminder</source>
        <translation>تشغيل صو&amp;ت مع كل تذكير</translation>
    </message>
    <message>
        <source>Play a sound with each reminder</source>
        <translation>تشغيل صوت مع كل تذكير</translation>
    </message>
    <message>
        <source>Built-in chime</source>
        <translation>النغمة المدمجة</translation>
    </message>
    <message>
        <source>Sound file</source>
        <translation>ملف الصوت</translation>
    </message>
    <message>
        <source>C&amp;hoose...</source>
        <translation>اختيا&amp;ر...</translation>
    </message>
    <message>
        <source>Choose a sound file</source>
        <translation>اختر ملف صوت</translation>
    </message>
    <message>
        <source>&amp;Built-in</source>
        <translation>المدمجة (&amp;B)</translation>
    </message>
    <message>
        <source>Use the built-in chime</source>
        <translation>استخدام النغمة المدمجة</translation>
    </message>
    <message>
        <source>File:</source>
        <translation type="vanished">الملف:</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>مستوى الصوت</translation>
    </message>
    <message>
        <source>P&amp;lay</source>
        <translation>تشغيل (&amp;L)</translation>
    </message>
    <message>
        <source>Play the sound now</source>
        <translation>شغّل الصوت الآن</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>إيقا&amp;ف</translation>
    </message>
    <message>
        <source>Stop the sound</source>
        <translation>أوقف الصوت</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation type="vanished">مستوى الصوت:</translation>
    </message>
    <message>
        <source>Reminder sound</source>
        <translation>صوت التذكير</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.ogg *.oga *.opus *.mp3 *.flac *.m4a *.aac);;All files (*)</source>
        <translation>الأصوات (*.wav *.ogg *.oga *.opus *.mp3 *.flac *.m4a *.aac);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>Fa&amp;jr (Dawn)</source>
        <translation>&amp;الفجر</translation>
    </message>
    <message>
        <source>Sh&amp;uruq (Sunrise)</source>
        <translation>الشر&amp;وق</translation>
    </message>
    <message>
        <source>&amp;Zuhr (Noon)</source>
        <translation>الظهر (&amp;Z)</translation>
    </message>
    <message>
        <source>As&amp;r (Afternoon)</source>
        <translation>العصر (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Maghrib (Sunset)</source>
        <translation>المغر&amp;ب</translation>
    </message>
    <message>
        <source>&amp;Isha (Night)</source>
        <translation>العشا&amp;ء</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>الملف (&amp;F):</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>مستو&amp;ى الصوت:</translation>
    </message>
    <message>
        <source>Reminder before Jumu&apos;ah on Fridays, minutes</source>
        <translation>تذكير قبل صلاة الجمعة، بالدقائق</translation>
    </message>
    <message>
        <source>Bef&amp;ore Jumu&apos;ah (Fridays):</source>
        <translation>قبل صلاة الجمعة (&amp;O):</translation>
    </message>
</context>
<context>
    <name>orvanta::ReminderScheduler</name>
    <message>
        <source>%1 at %2</source>
        <translation>%1 الساعة %2</translation>
    </message>
    <message>
        <source>%1 in %2 min, at %3</source>
        <translation type="vanished">%1 بعد %2 دقيقة، الساعة %3</translation>
    </message>
    <message>
        <source>%1 in %2, at %3</source>
        <translation>%1 بعد %2، الساعة %3</translation>
    </message>
</context>
<context>
    <name>orvanta::TimetableWindow</name>
    <message>
        <source>Timetable</source>
        <translation>جدول المواقيت</translation>
    </message>
    <message>
        <source>&lt; &amp;Previous</source>
        <translation>السابق (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>التالي (&amp;N)</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>الشهر</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>السنة</translation>
    </message>
    <message>
        <source>Prayer times of the month</source>
        <translation>أوقات الصلاة للشهر</translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="vanished">التاريخ</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation type="vanished">الهجري</translation>
    </message>
    <message>
        <source>Export &amp;CSV...</source>
        <translation>تصدير CSV... (&amp;C)</translation>
    </message>
    <message>
        <source>Export &amp;iCalendar...</source>
        <translation>تصدير iCalendar... (&amp;I)</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>طباعة... (&amp;R)</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>حفظ بصيغة PDF... (&amp;D)</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>إغلاق (&amp;L)</translation>
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
        <translation>تعذّر حساب أوقات %1: لا يمكن قراءة قواعد منطقتها الزمنية.</translation>
    </message>
    <message>
        <source>%1 (today)</source>
        <translation>%1 (اليوم)</translation>
    </message>
    <message>
        <source>The timetable could not be written to %1.</source>
        <translation>تعذّرت كتابة الجدول إلى %1.</translation>
    </message>
    <message>
        <source>The timetable could not be saved as %1.</source>
        <translation>تعذّر حفظ الجدول باسم %1.</translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation>تصدير بصيغة CSV</translation>
    </message>
    <message>
        <source>Export as iCalendar</source>
        <translation>تصدير بصيغة iCalendar</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>ملفات CSV (*.csv)</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>ملفات iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>حفظ بصيغة PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>ملفات PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Print Timetable</source>
        <translation>طباعة الجدول</translation>
    </message>
    <message>
        <source>The timetable could not be printed.</source>
        <translation>تعذّرت طباعة الجدول.</translation>
    </message>
    <message>
        <source>%1 is not a regular file (it is a device, a FIFO, a socket or a folder); the timetable was not written to it.</source>
        <translation>%1 ليس ملفًا عاديًا (بل جهاز أو FIFO أو مقبس أو مجلد)؛ لم يُكتب الجدول فيه.</translation>
    </message>
    <message>
        <source>The disk is full; the file was left as it was.</source>
        <translation>القرص ممتلئ؛ تُرك الملف كما كان.</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>الشهر (&amp;M):</translation>
    </message>
</context>
</TS>
