<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Orvanta</source>
        <translation>درباره Orvanta</translation>
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
            <numerusform>%1 دقیقه</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 h</source>
        <extracomment>A number of hours, abbreviated as in &quot;Fajr in 2 h&quot;.</extracomment>
        <translation>
            <numerusform>%1 ساعت</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Hours, then minutes, of the time left: &quot;1 h 12 min&quot;.</extracomment>
        <translation>%1 و %2</translation>
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
        <translation>ربیع‌الاول</translation>
    </message>
    <message>
        <source>Rabi II</source>
        <translation>ربیع‌الثانی</translation>
    </message>
    <message>
        <source>Jumada I</source>
        <translation>جمادی‌الاول</translation>
    </message>
    <message>
        <source>Jumada II</source>
        <translation>جمادی‌الثانی</translation>
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
        <translation>ذی‌القعده</translation>
    </message>
    <message>
        <source>Dhu al-Hijjah</source>
        <translation>ذی‌الحجه</translation>
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
        <translation>آغاز سال هجری قمری</translation>
    </message>
    <message>
        <source>Ashura</source>
        <translation>عاشورا</translation>
    </message>
    <message>
        <source>Mawlid</source>
        <translation>میلاد پیامبر</translation>
    </message>
    <message>
        <source>Isra and Mi&apos;raj</source>
        <translation>اسراء و معراج</translation>
    </message>
    <message>
        <source>Mid-Sha&apos;ban</source>
        <translation>نیمه شعبان</translation>
    </message>
    <message>
        <source>First of Ramadan</source>
        <translation>اول رمضان</translation>
    </message>
    <message>
        <source>Laylat al-Qadr</source>
        <translation>شب قدر</translation>
    </message>
    <message>
        <source>Eid al-Fitr</source>
        <translation>عید فطر</translation>
    </message>
    <message>
        <source>Day of Arafah</source>
        <translation>روز عرفه</translation>
    </message>
    <message>
        <source>Eid al-Adha</source>
        <translation>عید قربان</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Couldn&apos;t find city!</source>
        <translation>شهر پیدا نشد!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>خطا</translation>
    </message>
    <message>
        <source>Error getting data!</source>
        <translation>خطا در دریافت داده‌ها!</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>خطا!</translation>
    </message>
    <message>
        <source>Settings could not be saved.</source>
        <translation>تنظیمات ذخیره نشد.</translation>
    </message>
    <message>
        <source>??? (Can&apos;t determine)</source>
        <translation>؟؟؟ (قابل تعیین نیست)</translation>
    </message>
    <message>
        <source>The city database cities.db was not found. Paths tried:</source>
        <translation>پایگاه داده شهرها cities.db پیدا نشد. مسیرهای امتحان‌شده:</translation>
    </message>
</context>
<context>
    <name>MethodWords</name>
    <message>
        <source>None</source>
        <translation>هیچ</translation>
    </message>
    <message>
        <source>Middle of the night</source>
        <translation>نیمه شب</translation>
    </message>
    <message>
        <source>One seventh of the night</source>
        <translation>یک‌هفتم شب</translation>
    </message>
    <message>
        <source>Twilight angle</source>
        <translation>زاویه شفق</translation>
    </message>
    <message>
        <source>To the nearest minute</source>
        <translation>نزدیک‌ترین</translation>
    </message>
    <message>
        <source>Up to the next minute</source>
        <translation>رو به بالا</translation>
    </message>
    <message>
        <source>Nearest day</source>
        <translation>نزدیک‌ترین روز</translation>
    </message>
    <message>
        <source>Nearest latitude</source>
        <translation>نزدیک‌ترین عرض جغرافیایی</translation>
    </message>
    <message>
        <source>%1 %2 min</source>
        <extracomment>%1: a prayer&apos;s short name; %2: signed whole minutes added to its time (&quot;+2&quot;, &quot;-3&quot;).</extracomment>
        <translation>%1 %2 دقیقه</translation>
    </message>
    <message>
        <source>Fajr %1°</source>
        <translation>صبح %1°</translation>
    </message>
    <message>
        <source>Isha %1°</source>
        <translation>عشا %1°</translation>
    </message>
    <message>
        <source>Isha %1 min after Maghrib (%2 in Ramadan)</source>
        <translation>عشا %1 دقیقه پس از مغرب (%2 در رمضان)</translation>
    </message>
    <message>
        <source>Isha %1 min after Maghrib</source>
        <translation>عشا %1 دقیقه پس از مغرب</translation>
    </message>
    <message>
        <source>Maghrib %1°</source>
        <translation>مغرب %1°</translation>
    </message>
    <message>
        <source>Fajr and Isha within the seasonal bound</source>
        <translation>صبح و عشا در محدوده فصلی</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the parts of one group of the method&apos;s line (&quot;Fajr 18°, Isha 17°&quot;).</extracomment>
        <translation>، </translation>
    </message>
    <message>
        <source>high latitudes: %1</source>
        <translation>عرض‌های جغرافیایی بالا: %1</translation>
    </message>
    <message>
        <source>high latitudes: %1 at %2</source>
        <extracomment>%1: the rule&apos;s name (&quot;Nearest latitude&quot;); %2: its latitude in degrees.</extracomment>
        <translation>عرض‌های جغرافیایی بالا: %1 در %2</translation>
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
        <translation>گرد به بالا تا دقیقه بعد</translation>
    </message>
</context>
<context>
    <name>NextPrayer</name>
    <message>
        <source>Fajr</source>
        <translation>صبح</translation>
    </message>
    <message>
        <source>Shuruq</source>
        <translation>طلوع آفتاب</translation>
    </message>
    <message>
        <source>Zuhr</source>
        <translation>ظهر</translation>
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
        <translation>عشا</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 ساعت %2</translation>
    </message>
    <message>
        <source>%1 in %2 min</source>
        <translation type="vanished">%1 تا %2 دقیقه دیگر</translation>
    </message>
    <message>
        <source>%1 in %2 h</source>
        <translation type="vanished">%1 تا %2 ساعت دیگر</translation>
    </message>
    <message>
        <source>%1 in %2 h %3 min</source>
        <translation type="vanished">%1 تا %2 ساعت و %3 دقیقه دیگر</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <extracomment>A prayer and the time left: &quot;Fajr in 1 h 12 min&quot;.</extracomment>
        <translation>%1 تا %2 دیگر</translation>
    </message>
    <message>
        <source>%1 tomorrow at %2</source>
        <extracomment>The next prayer is on the day after the list&apos;s day: &quot;Fajr tomorrow at 5:27 AM&quot;.</extracomment>
        <translation>%1 فردا ساعت %2</translation>
    </message>
    <message>
        <source>%1 tomorrow at %2, in %3</source>
        <extracomment>The next prayer on the day after the list&apos;s day, its clock time and the time left: &quot;Fajr tomorrow at 5:27 AM, in 7 h 12 min&quot;.</extracomment>
        <translation>%1 فردا ساعت %2، تا %3 دیگر</translation>
    </message>
</context>
<context>
    <name>Notices</name>
    <message>
        <source>the settings file %1 was damaged and has been moved to %2; the settings are saved in a new file</source>
        <translation>فایل تنظیمات %1 خراب بود و به %2 منتقل شد؛ تنظیمات در فایلی جدید ذخیره می‌شوند</translation>
    </message>
    <message>
        <source>%1 was damaged and has been moved to %2; your home city and your own cities in it are no longer used</source>
        <translation>%1 خراب بود و به %2 منتقل شد؛ شهر خانه و شهرهای خودتان در آن دیگر استفاده نمی‌شوند</translation>
    </message>
    <message>
        <source>cannot read the settings file %1 (it is not a regular file, or not readable); the default settings are used and the file is left as it is</source>
        <translation>فایل تنظیمات %1 خوانده نمی‌شود (فایل عادی نیست یا قابل خواندن نیست)؛ تنظیمات پیش‌فرض به کار می‌رود و فایل دست‌نخورده می‌ماند</translation>
    </message>
    <message>
        <source>the settings file %1 is damaged; the default settings are used, and saving the settings moves it aside</source>
        <translation>فایل تنظیمات %1 خراب است؛ تنظیمات پیش‌فرض به کار می‌رود و ذخیره تنظیمات آن را کنار می‌گذارد</translation>
    </message>
    <message>
        <source>%1 is not a regular file and is left alone; your home city and your own cities cannot be used</source>
        <translation>%1 فایل عادی نیست و دست‌نخورده می‌ماند؛ شهر خانه و شهرهای خودتان قابل استفاده نیستند</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>The end of a sentence: the language&apos;s full stop after %1.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>the settings file %1 is too large to be a settings file (over 16 MiB); the default settings are used and the file is left as it is</source>
        <translation>فایل تنظیمات %1 برای یک فایل تنظیمات بیش از حد بزرگ است (بیش از 16 مبی‌بایت)؛ تنظیمات پیش‌فرض به کار می‌رود و فایل دست‌نخورده می‌ماند</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Sunrise Calculation</source>
        <translation>محاسبه طلوع</translation>
    </message>
    <message>
        <source>By Depression Angle</source>
        <translation type="vanished">با زاویه فرورفتگی خورشید</translation>
    </message>
    <message>
        <source>By Interval</source>
        <translation type="vanished">با فاصله زمانی</translation>
    </message>
    <message>
        <source>Fiqh</source>
        <translation>فقه</translation>
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
        <translation type="vanished">شهر</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>لغو</translation>
    </message>
    <message>
        <source>A&amp;ngle or interval</source>
        <translation>زا&amp;ویه یا فاصله</translation>
    </message>
    <message>
        <source>By &amp;Depression Angle</source>
        <translation>با &amp;زاویه فرورفتگی خورشید</translation>
    </message>
    <message>
        <source>By &amp;Interval</source>
        <translation>با فاصله زمانی (&amp;I)</translation>
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
        <translation>شهر (&amp;C)</translation>
    </message>
</context>
<context>
    <name>PrayerNames</name>
    <message>
        <source>Fajr (Dawn)</source>
        <translation>صبح</translation>
    </message>
    <message>
        <source>Shuruq (Sunrise)</source>
        <translation>طلوع آفتاب</translation>
    </message>
    <message>
        <source>Zuhr (Noon)</source>
        <translation>ظهر</translation>
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
        <translation>عشا</translation>
    </message>
    <message>
        <source>Jumu&apos;ah (Friday)</source>
        <translation>جمعه</translation>
    </message>
    <message>
        <source>Imsak</source>
        <translation>امساک</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>نیمه‌شب</translation>
    </message>
    <message>
        <source>Last third of the night</source>
        <translation>ثلث آخر شب</translation>
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
        <translation>نمایش جزئیات...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>پنهان کردن جزئیات...</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>لغو</translation>
    </message>
</context>
<context>
    <name>Qibla</name>
    <message>
        <source>Qibla: none, this is the Kaaba</source>
        <translation>قبله: بی‌جهت، اینجا کعبه است</translation>
    </message>
    <message>
        <source>Qibla: every direction</source>
        <translation>قبله: همه جهت‌ها</translation>
    </message>
    <message>
        <source>Qibla %1°</source>
        <extracomment>%1: degrees clockwise from true north, one decimal.</extracomment>
        <translation>قبله %1°</translation>
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
        <translation>ژانویه</translation>
    </message>
    <message>
        <source>February</source>
        <translation>فوریه</translation>
    </message>
    <message>
        <source>March</source>
        <translation>مارس</translation>
    </message>
    <message>
        <source>April</source>
        <translation>آوریل</translation>
    </message>
    <message>
        <source>May</source>
        <translation>مه</translation>
    </message>
    <message>
        <source>June</source>
        <translation>ژوئن</translation>
    </message>
    <message>
        <source>July</source>
        <translation>ژوئیه</translation>
    </message>
    <message>
        <source>August</source>
        <translation>اوت</translation>
    </message>
    <message>
        <source>September</source>
        <translation>سپتامبر</translation>
    </message>
    <message>
        <source>October</source>
        <translation>اکتبر</translation>
    </message>
    <message>
        <source>November</source>
        <translation>نوامبر</translation>
    </message>
    <message>
        <source>December</source>
        <translation>دسامبر</translation>
    </message>
    <message>
        <source>Fajr</source>
        <translation>صبح</translation>
    </message>
    <message>
        <source>Shuruq</source>
        <translation>طلوع آفتاب</translation>
    </message>
    <message>
        <source>Zuhr</source>
        <translation>ظهر</translation>
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
        <translation>عشا</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Timetable title: %1 month name, %2 year.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Fajr and Isha with the sun %1° below the horizon</source>
        <translation>صبح و عشا با خورشید %1° زیر افق</translation>
    </message>
    <message>
        <source>Fajr %1 min before sunrise, Isha %1 min after sunset</source>
        <translation>صبح %1 دقیقه پیش از طلوع، عشا %1 دقیقه پس از غروب</translation>
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
        <translation>قمری</translation>
    </message>
    <message>
        <source>Imsak</source>
        <translation>امساک</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>نیمه‌شب</translation>
    </message>
    <message>
        <source>Last third</source>
        <translation>ثلث آخر</translation>
    </message>
    <message>
        <source>Jumu&apos;ah %1</source>
        <extracomment>A Friday&apos;s Zuhr cell: %1 the time of the Friday prayer, Jumu&apos;ah.</extracomment>
        <translation>جمعه %1</translation>
    </message>
    <message>
        <source>timetable of %1</source>
        <translation>جدول اوقات %1</translation>
    </message>
    <message>
        <source>%1 from %2 to %3; other days: %4</source>
        <translation>%1 از %2 تا %3؛ روزهای دیگر: %4</translation>
    </message>
</context>
<context>
    <name>orvanta::AboutDialog</name>
    <message>
        <source>About Orvanta</source>
        <translation>درباره Orvanta</translation>
    </message>
    <message>
        <source>© 2026 The Orvanta developers, MIT</source>
        <translation>حق نشر © 2026 توسعه‌دهندگان Orvanta، مجوز MIT</translation>
    </message>
    <message>
        <source>City data © GeoNames, CC BY 4.0</source>
        <translation>داده‌های شهرها © GeoNames، CC BY 4.0</translation>
    </message>
</context>
<context>
    <name>orvanta::CalendarPage</name>
    <message numerus="yes">
        <source> days</source>
        <extracomment>After the number of days in a spin box; keep the leading space.</extracomment>
        <translation>
            <numerusform> روز</numerusform>
        </translation>
    </message>
    <message>
        <source>Hijri date offset</source>
        <translation>جابه‌جایی تاریخ قمری</translation>
    </message>
    <message>
        <source>Days added to the computed Hijri date, from minus 2 to plus 2</source>
        <translation>روزهایی که به تاریخ قمری محاسبه‌شده افزوده می‌شود، از منفی 2 تا مثبت 2</translation>
    </message>
    <message>
        <source>&amp;Hijri date offset:</source>
        <translation>جابه‌جایی تا&amp;ریخ قمری:</translation>
    </message>
    <message>
        <source>The Hijri date follows the Umm al-Qura calendar. Where the month begins with a local sighting of the moon, move it by a day or two.</source>
        <translation>تاریخ قمری از تقویم ام‌القری پیروی می‌کند. جایی که ماه با رؤیت محلی هلال آغاز می‌شود، آن را یک یا دو روز جابه‌جا کنید.</translation>
    </message>
</context>
<context>
    <name>orvanta::CompanionPage</name>
    <message>
        <source>&amp;Keep running in the tray</source>
        <translation>ادامه اجرا &amp;در سینی سیستم</translation>
    </message>
    <message>
        <source>&amp;Start at login, in the tray</source>
        <translation>اجرا هنگام &amp;ورود، در سینی سیستم</translation>
    </message>
    <message>
        <source>This desktop has no tray: closing the window ends the program.</source>
        <translation>این میزکار سینی سیستم ندارد: بستن پنجره برنامه را می‌بندد.</translation>
    </message>
    <message>
        <source>Keep running in the tray</source>
        <translation>ادامه اجرا در سینی سیستم</translation>
    </message>
    <message>
        <source>Closing the window hides it; the tray icon shows the next prayer.</source>
        <translation>بستن پنجره آن را پنهان می‌کند؛ نماد سینی نماز بعدی را نشان می‌دهد.</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>اجرا هنگام ورود</translation>
    </message>
    <message>
        <source>No tray on this desktop</source>
        <translation>این میزکار سینی سیستم ندارد</translation>
    </message>
</context>
<context>
    <name>orvanta::CompanionTray</name>
    <message>
        <source>Hide window</source>
        <translation>پنهان کردن پنجره</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>محاسبه</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>گزینه‌ها</translation>
    </message>
    <message>
        <source>Stop sound</source>
        <translation>قطع صدا</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Show window</source>
        <translation>نمایش پنجره</translation>
    </message>
</context>
<context>
    <name>orvanta::DBusNotifier</name>
    <message>
        <source>Stop sound</source>
        <translation>قطع صدا</translation>
    </message>
    <message>
        <source>the desktop&apos;s notification service cannot be reached (%1); reminders cannot be shown</source>
        <translation>سرویس اعلان میزکار در دسترس نیست (%1)؛ یادآوری‌ها نمایش داده نمی‌شوند</translation>
    </message>
    <message>
        <source>the session bus at %1 did not answer</source>
        <translation>گذرگاه نشست در %1 پاسخ نداد</translation>
    </message>
</context>
<context>
    <name>orvanta::DisplayPage</name>
    <message>
        <source>The language&apos;s own</source>
        <translation>مطابق زبان</translation>
    </message>
    <message>
        <source>12-hour (5:25 PM)</source>
        <translation>۱۲ ساعته (۵:۲۵ بعدازظهر)</translation>
    </message>
    <message>
        <source>24-hour (17:25)</source>
        <translation>۲۴ ساعته (۱۷:۲۵)</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>ساعت</translation>
    </message>
    <message>
        <source>How the prayer times are shown</source>
        <translation>نحوه نمایش اوقات نماز</translation>
    </message>
    <message>
        <source>&amp;Clock</source>
        <translation>ساعت (&amp;C)</translation>
    </message>
    <message>
        <source>Show &amp;Imsak and the night&apos;s times</source>
        <translation>نمایش امساک و اوقات شب (&amp;I)</translation>
    </message>
    <message>
        <source>Imsak, the middle of the night and its last third under the six times</source>
        <translation>امساک، نیمه‌شب و ثلث آخر شب زیر شش وقت</translation>
    </message>
    <message>
        <source>The method&apos;s own</source>
        <translation>مطابق روش</translation>
    </message>
    <message>
        <source>Imsak, minutes before Fajr</source>
        <translation>امساک، دقیقه پیش از صبح</translation>
    </message>
    <message>
        <source>I&amp;msak, minutes before Fajr</source>
        <translation>امساک، دقیقه پیش از صبح (&amp;M)</translation>
    </message>
</context>
<context>
    <name>orvanta::MainWindow</name>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;ابزارها</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;محاسبه</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;گزینه‌ها</translation>
    </message>
    <message>
        <source>About</source>
        <translation>درباره</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
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
        <translation>مکان </translation>
    </message>
    <message>
        <source>Date </source>
        <extracomment>The caption before the date; the space keeps it off the field.</extracomment>
        <translation>تاریخ </translation>
    </message>
    <message>
        <source>Location</source>
        <translation>مکان</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>تاریخ</translation>
    </message>
    <message>
        <source>Prayer times</source>
        <translation>اوقات نماز</translation>
    </message>
    <message>
        <source>Prayer times of %1 on %2</source>
        <translation>اوقات نماز %1 در %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1، %2</translation>
    </message>
    <message>
        <source>%1, next prayer</source>
        <translation>%1، نماز بعدی</translation>
    </message>
    <message>
        <source>Next prayer</source>
        <translation>نماز بعدی</translation>
    </message>
    <message>
        <source>Couldn&apos;t change the autostart entry %1.</source>
        <translation>ورودی اجرای خودکار %1 تغییر نکرد.</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>تاریخ قمری</translation>
    </message>
    <message>
        <source>Qibla direction</source>
        <translation>جهت قبله</translation>
    </message>
    <message>
        <source>Degrees clockwise from true north</source>
        <translation type="vanished">درجه در جهت عقربه‌های ساعت از شمال حقیقی</translation>
    </message>
    <message>
        <source>The program&apos;s path %1 holds a line break or another control character, which an autostart entry cannot hold.</source>
        <translation>مسیر برنامه %1 شامل شکست خط یا نویسهٔ کنترلی دیگری است که ورودی اجرای خودکار نمی‌تواند آن را نگه دارد.</translation>
    </message>
    <message>
        <source>&quot;Start at login&quot; stays as it was.</source>
        <translation>«اجرا هنگام ورود» همان‌طور که بود ماند.</translation>
    </message>
    <message>
        <source>&amp;Timetable...</source>
        <translation>&amp;جدول اوقات...</translation>
    </message>
    <message>
        <source>%1, degrees clockwise from true north</source>
        <translation>%1، درجه در جهت عقربه‌های ساعت از شمال حقیقی</translation>
    </message>
    <message>
        <source>%1; next prayer: %2</source>
        <translation>%1؛ نماز بعدی: %2</translation>
    </message>
    <message>
        <source>Qibla dial</source>
        <translation>قطب‌نمای قبله</translation>
    </message>
</context>
<context>
    <name>orvanta::MediaSoundPlayer</name>
    <message>
        <source>cannot play the reminder sound (%1); reminders come without sound</source>
        <translation>صدای یادآوری پخش نمی‌شود (%1)؛ یادآوری‌ها بی‌صدا می‌آیند</translation>
    </message>
    <message>
        <source>no audio output device</source>
        <translation>دستگاه خروجی صدا وجود ندارد</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 یک پروندهٔ معمولی نیست</translation>
    </message>
</context>
<context>
    <name>orvanta::MethodPage</name>
    <message>
        <source>Fajr</source>
        <translation>صبح</translation>
    </message>
    <message>
        <source>Shuruq</source>
        <translation>طلوع آفتاب</translation>
    </message>
    <message>
        <source>Zuhr</source>
        <translation>ظهر</translation>
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
        <translation>عشا</translation>
    </message>
    <message>
        <source>Fajr angle</source>
        <translation type="vanished">زاویه صبح</translation>
    </message>
    <message>
        <source>Isha angle</source>
        <translation type="vanished">زاویه عشا</translation>
    </message>
    <message>
        <source>Isha minutes after Maghrib</source>
        <translation>دقیقه‌های عشا پس از مغرب</translation>
    </message>
    <message>
        <source>Maghrib angle</source>
        <translation type="vanished">زاویه مغرب</translation>
    </message>
    <message>
        <source>Classic (the first page)</source>
        <translation>کلاسیک (صفحه اول)</translation>
    </message>
    <message>
        <source>The method&apos;s own</source>
        <translation>مطابق روش</translation>
    </message>
    <message numerus="yes">
        <source> min</source>
        <extracomment>After the number of minutes in a spin box; keep the leading space.</extracomment>
        <translation>
            <numerusform> دقیقه</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 adjustment in minutes</source>
        <translation>تنظیم %1 به دقیقه</translation>
    </message>
    <message>
        <source>Override</source>
        <translation>جایگزینی</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>دقیقه‌ها</translation>
    </message>
    <message>
        <source>High latitudes</source>
        <translation>عرض‌های جغرافیایی بالا</translation>
    </message>
    <message>
        <source>Rounding</source>
        <translation>گرد کردن</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>روش</translation>
    </message>
    <message>
        <source>The authority whose method computes the times</source>
        <translation>مرجعی که اوقات با روش آن محاسبه می‌شود</translation>
    </message>
    <message>
        <source>Fajr angle in degrees</source>
        <translation>زاویه صبح به درجه</translation>
    </message>
    <message>
        <source>Isha angle in degrees</source>
        <translation>زاویه عشا به درجه</translation>
    </message>
    <message>
        <source>Maghrib angle in degrees</source>
        <translation>زاویه مغرب به درجه</translation>
    </message>
    <message>
        <source>How Fajr and Isha are found where twilight lasts all night</source>
        <translation>تعیین صبح و عشا در جایی که شفق تمام شب می‌ماند</translation>
    </message>
    <message>
        <source>One angle or one interval for Fajr and Isha, as the first page sets it.</source>
        <translation>یک زاویه یا یک فاصله برای صبح و عشا، همان‌طور که صفحه اول تعیین می‌کند.</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>منبع: %1</translation>
    </message>
    <message>
        <source>within the seasonal bound</source>
        <translation>در محدوده فصلی</translation>
    </message>
    <message>
        <source>min after Maghrib</source>
        <translation>دقیقه پس از مغرب</translation>
    </message>
    <message>
        <source>rounded up</source>
        <translation>گرد به بالا</translation>
    </message>
    <message>
        <source>in Ramadan</source>
        <translation>در رمضان</translation>
    </message>
    <message>
        <source>temkin</source>
        <translation>تمکین</translation>
    </message>
    <message>
        <source>min</source>
        <translation>دقیقه</translation>
    </message>
    <message>
        <source>the authority prescribes none; it gives Fajr and Isha wherever the sun rises and sets</source>
        <translation>مرجع قاعده‌ای تعیین نکرده است؛ این قاعده هر جا خورشید طلوع و غروب کند صبح و عشا را می‌دهد</translation>
    </message>
    <message>
        <source>its Fiqh Council&apos;s decree: Fajr and Isha by analogy with the nearest latitude where they are distinct</source>
        <translation>مصوبه شورای فقهی آن: صبح و عشا به قیاس با نزدیک‌ترین عرض جغرافیایی که نشانه‌ها در آن آشکارند</translation>
    </message>
    <message>
        <source>the Committee&apos;s own: one seventh of the night at and above 55°</source>
        <translation>قاعده خود کمیته: یک‌هفتم شب از عرض ۵۵° به بالا</translation>
    </message>
    <message>
        <source>High latitudes: %1 (%2)</source>
        <translation>عرض‌های جغرافیایی بالا: %1 (%2)</translation>
    </message>
    <message>
        <source>Nearest latitude</source>
        <translation type="vanished">نزدیک‌ترین عرض جغرافیایی</translation>
    </message>
    <message>
        <source>Latitude in degrees at which the day is computed</source>
        <translation>عرض جغرافیایی به درجه که روز در آن محاسبه می‌شود</translation>
    </message>
    <message>
        <source>Fa&amp;jr</source>
        <translation>صبح (&amp;J)</translation>
    </message>
    <message>
        <source>&amp;Shuruq</source>
        <translation>طلو&amp;ع آفتاب</translation>
    </message>
    <message>
        <source>&amp;Zuhr</source>
        <translation>ظهر (&amp;Z)</translation>
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
        <translation>عشا (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Fajr angle</source>
        <translation>&amp;زاویه صبح</translation>
    </message>
    <message>
        <source>&amp;Isha angle</source>
        <translation>زا&amp;ویه عشا</translation>
    </message>
    <message>
        <source>Isha minutes &amp;after Maghrib</source>
        <translation>&amp;دقیقه‌های عشا پس از مغرب</translation>
    </message>
    <message>
        <source>Ma&amp;ghrib angle</source>
        <translation>زاویه مغر&amp;ب</translation>
    </message>
    <message>
        <source>High &amp;latitudes</source>
        <translation>عرض‌ها&amp;ی جغرافیایی بالا</translation>
    </message>
    <message>
        <source>&amp;Nearest latitude</source>
        <translation>نزدیک‌ترین عر&amp;ض جغرافیایی</translation>
    </message>
    <message>
        <source>R&amp;ounding</source>
        <translation>گرد کرد&amp;ن</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;روش:</translation>
    </message>
</context>
<context>
    <name>orvanta::OptionsDialog</name>
    <message>
        <source>Classic</source>
        <translation>کلاسیک</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>روش</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>نمایش</translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="vanished">تأیید</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="vanished">لغو</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>گزینه‌ها</translation>
    </message>
    <message>
        <source>Angle or interval</source>
        <translation>زاویه یا فاصله</translation>
    </message>
    <message>
        <source>Degrees below the horizon for the depression angle, minutes for the interval</source>
        <translation>درجه زیر افق برای زاویه فرورفتگی، دقیقه برای فاصله</translation>
    </message>
    <message>
        <source>City</source>
        <translation>شهر</translation>
    </message>
    <message>
        <source>Type a few letters to see matching cities</source>
        <translation>چند حرف بنویسید تا شهرهای منطبق نمایش داده شوند</translation>
    </message>
    <message>
        <source>Companion</source>
        <translation>همراه</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>یادآوری‌ها</translation>
    </message>
    <message>
        <source>Home city %1 is used instead.</source>
        <translation>به‌جای آن شهر خانه %1 به کار می‌رود.</translation>
    </message>
    <message>
        <source>C&amp;lear home city</source>
        <translation>پا&amp;ک کردن شهر خانه</translation>
    </message>
    <message>
        <source>Clear home city</source>
        <translation>پاک کردن شهر خانه</translation>
    </message>
    <message>
        <source>Couldn&apos;t clear the home city.</source>
        <translation>شهر خانه پاک نشد.</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>تقویم</translation>
    </message>
    <message>
        <source>Use &amp;my location</source>
        <translation>استفاده از موقعیت من (&amp;M)</translation>
    </message>
    <message>
        <source>Asks the desktop&apos;s location service and puts the nearest city in the City field</source>
        <translation>از سرویس موقعیت میزکار می‌پرسد و نزدیک‌ترین شهر را در خانهٔ شهر می‌گذارد</translation>
    </message>
    <message>
        <source>Asking the desktop for your location…</source>
        <translation>در حال پرسیدن موقعیت شما از میزکار…</translation>
    </message>
    <message>
        <source>Your location is known, but the city database cannot be read.</source>
        <translation>موقعیت شما معلوم است، اما پایگاه دادهٔ شهرها خوانده نمی‌شود.</translation>
    </message>
    <message>
        <source>Nearest city: %1, %2 km away. Press OK to use it.</source>
        <extracomment>%1 city name, %2 distance in kilometres (whole number).</extracomment>
        <translation>نزدیک‌ترین شهر: %1، در %2 کیلومتری. برای استفاده تأیید را بزنید.</translation>
    </message>
    <message>
        <source>This desktop has no location service.</source>
        <translation>این میزکار سرویس موقعیت ندارد.</translation>
    </message>
    <message>
        <source>The location service did not allow Orvanta your location.</source>
        <translation>سرویس موقعیت اجازهٔ دانستن موقعیت شما را به Orvanta نداد.</translation>
    </message>
    <message>
        <source>The location service did not answer in time.</source>
        <translation>سرویس موقعیت به‌موقع پاسخ نداد.</translation>
    </message>
</context>
<context>
    <name>orvanta::ReminderPage</name>
    <message>
        <source>Remind me at</source>
        <translation>یادآوری در</translation>
    </message>
    <message>
        <source>Remind me at %1</source>
        <translation>یادآوری در %1</translation>
    </message>
    <message numerus="yes">
        <source> min before</source>
        <translation>
            <numerusform> دقیقه قبل</numerusform>
        </translation>
    </message>
    <message>
        <source>None</source>
        <translation>هیچ</translation>
    </message>
    <message>
        <source>Early reminder, minutes before the time</source>
        <translation>یادآوری زودتر، دقیقه‌ها پیش از وقت</translation>
    </message>
    <message>
        <source>&amp;Early reminder:</source>
        <translation>یادآوری &amp;زودتر:</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>صدا</translation>
    </message>
    <message>
        <source>&amp;Play a sound with each reminder</source>
        <translation>پخش صدا با هر یا&amp;دآوری</translation>
    </message>
    <message>
        <source>Play a sound with each reminder</source>
        <translation>پخش صدا با هر یادآوری</translation>
    </message>
    <message>
        <source>Built-in chime</source>
        <translation>زنگ داخلی</translation>
    </message>
    <message>
        <source>Sound file</source>
        <translation>فایل صدا</translation>
    </message>
    <message>
        <source>C&amp;hoose...</source>
        <translation>&amp;انتخاب...</translation>
    </message>
    <message>
        <source>Choose a sound file</source>
        <translation>یک فایل صدا انتخاب کنید</translation>
    </message>
    <message>
        <source>&amp;Built-in</source>
        <translation>داخلی (&amp;B)</translation>
    </message>
    <message>
        <source>Use the built-in chime</source>
        <translation>استفاده از زنگ داخلی</translation>
    </message>
    <message>
        <source>File:</source>
        <translation type="vanished">فایل:</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>بلندی صدا</translation>
    </message>
    <message>
        <source>P&amp;lay</source>
        <translation>پخش (&amp;L)</translation>
    </message>
    <message>
        <source>Play the sound now</source>
        <translation>اکنون صدا را پخش کن</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>توقف (&amp;S)</translation>
    </message>
    <message>
        <source>Stop the sound</source>
        <translation>توقف صدا</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation type="vanished">بلندی صدا:</translation>
    </message>
    <message>
        <source>Reminder sound</source>
        <translation>صدای یادآوری</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.ogg *.oga *.opus *.mp3 *.flac *.m4a *.aac);;All files (*)</source>
        <translation>صداها (*.wav *.ogg *.oga *.opus *.mp3 *.flac *.m4a *.aac);;همه فایل‌ها (*)</translation>
    </message>
    <message>
        <source>Fa&amp;jr (Dawn)</source>
        <translation>صبح (&amp;J)</translation>
    </message>
    <message>
        <source>Sh&amp;uruq (Sunrise)</source>
        <translation>طلو&amp;ع آفتاب</translation>
    </message>
    <message>
        <source>&amp;Zuhr (Noon)</source>
        <translation>ظهر (&amp;Z)</translation>
    </message>
    <message>
        <source>As&amp;r (Afternoon)</source>
        <translation>عصر (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Maghrib (Sunset)</source>
        <translation>مغر&amp;ب</translation>
    </message>
    <message>
        <source>&amp;Isha (Night)</source>
        <translation>عشا (&amp;I)</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>فایل (&amp;F):</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>بلند&amp;ی صدا:</translation>
    </message>
    <message>
        <source>Reminder before Jumu&apos;ah on Fridays, minutes</source>
        <translation>یادآوری پیش از نماز جمعه، دقیقه</translation>
    </message>
    <message>
        <source>Bef&amp;ore Jumu&apos;ah (Fridays):</source>
        <translation>پیش از نماز جمعه (&amp;O):</translation>
    </message>
</context>
<context>
    <name>orvanta::ReminderScheduler</name>
    <message>
        <source>%1 at %2</source>
        <translation>%1 ساعت %2</translation>
    </message>
    <message>
        <source>%1 in %2 min, at %3</source>
        <translation type="vanished">%1 تا %2 دقیقه دیگر، ساعت %3</translation>
    </message>
    <message>
        <source>%1 in %2, at %3</source>
        <translation>%1 تا %2 دیگر، ساعت %3</translation>
    </message>
</context>
<context>
    <name>orvanta::TimetableWindow</name>
    <message>
        <source>Timetable</source>
        <translation>جدول اوقات</translation>
    </message>
    <message>
        <source>&lt; &amp;Previous</source>
        <translation>قبلی (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>بعدی (&amp;N)</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>ماه</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>سال</translation>
    </message>
    <message>
        <source>Prayer times of the month</source>
        <translation>اوقات نماز ماه</translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="vanished">تاریخ</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation type="vanished">قمری</translation>
    </message>
    <message>
        <source>Export &amp;CSV...</source>
        <translation>صدور CSV... (&amp;C)</translation>
    </message>
    <message>
        <source>Export &amp;iCalendar...</source>
        <translation>صدور iCalendar... (&amp;I)</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>چاپ... (&amp;R)</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>ذخیره به‌صورت PDF... (&amp;D)</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>بستن (&amp;L)</translation>
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
        <translation>اوقات %1 محاسبه نمی‌شود: قواعد منطقه زمانی آن خوانده نمی‌شود.</translation>
    </message>
    <message>
        <source>%1 (today)</source>
        <translation>%1 (امروز)</translation>
    </message>
    <message>
        <source>The timetable could not be written to %1.</source>
        <translation>جدول در %1 نوشته نشد.</translation>
    </message>
    <message>
        <source>The timetable could not be saved as %1.</source>
        <translation>جدول به‌صورت %1 ذخیره نشد.</translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation>صدور به‌صورت CSV</translation>
    </message>
    <message>
        <source>Export as iCalendar</source>
        <translation>صدور به‌صورت iCalendar</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>فایل‌های CSV (*.csv)</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>فایل‌های iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>ذخیره به‌صورت PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>فایل‌های PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Print Timetable</source>
        <translation>چاپ جدول اوقات</translation>
    </message>
    <message>
        <source>The timetable could not be printed.</source>
        <translation>جدول چاپ نشد.</translation>
    </message>
    <message>
        <source>%1 is not a regular file (it is a device, a FIFO, a socket or a folder); the timetable was not written to it.</source>
        <translation>%1 یک پروندهٔ معمولی نیست (یک دستگاه، FIFO، سوکت یا پوشه است)؛ جدول در آن نوشته نشد.</translation>
    </message>
    <message>
        <source>The disk is full; the file was left as it was.</source>
        <translation>دیسک پر است؛ پرونده همان‌طور که بود ماند.</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>ماه (&amp;M):</translation>
    </message>
</context>
</TS>
