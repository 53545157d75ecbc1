<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Orvanta</source>
        <translation>Orvanta সম্পর্কে</translation>
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
            <numerusform>%1 মিনিট</numerusform>
            <numerusform>%1 মিনিট</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 h</source>
        <extracomment>A number of hours, abbreviated as in &quot;Fajr in 2 h&quot;.</extracomment>
        <translation>
            <numerusform>%1 ঘণ্টা</numerusform>
            <numerusform>%1 ঘণ্টা</numerusform>
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
        <translation>মহররম</translation>
    </message>
    <message>
        <source>Safar</source>
        <translation>সফর</translation>
    </message>
    <message>
        <source>Rabi I</source>
        <translation>রবিউল আউয়াল</translation>
    </message>
    <message>
        <source>Rabi II</source>
        <translation>রবিউস সানি</translation>
    </message>
    <message>
        <source>Jumada I</source>
        <translation>জমাদিউল আউয়াল</translation>
    </message>
    <message>
        <source>Jumada II</source>
        <translation>জমাদিউস সানি</translation>
    </message>
    <message>
        <source>Rajab</source>
        <translation>রজব</translation>
    </message>
    <message>
        <source>Sha&apos;ban</source>
        <translation>শাবান</translation>
    </message>
    <message>
        <source>Ramadan</source>
        <translation>রমজান</translation>
    </message>
    <message>
        <source>Shawwal</source>
        <translation>শাওয়াল</translation>
    </message>
    <message>
        <source>Dhu al-Qi&apos;dah</source>
        <translation>জিলকদ</translation>
    </message>
    <message>
        <source>Dhu al-Hijjah</source>
        <translation>জিলহজ</translation>
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
        <translation>ইসলামি নববর্ষ</translation>
    </message>
    <message>
        <source>Ashura</source>
        <translation>আশুরা</translation>
    </message>
    <message>
        <source>Mawlid</source>
        <translation>ঈদে মিলাদুন্নবী</translation>
    </message>
    <message>
        <source>Isra and Mi&apos;raj</source>
        <translation>শবে মেরাজ</translation>
    </message>
    <message>
        <source>Mid-Sha&apos;ban</source>
        <translation>শবে বরাত</translation>
    </message>
    <message>
        <source>First of Ramadan</source>
        <translation>রমজানের প্রথম দিন</translation>
    </message>
    <message>
        <source>Laylat al-Qadr</source>
        <translation>শবে কদর</translation>
    </message>
    <message>
        <source>Eid al-Fitr</source>
        <translation>ঈদুল ফিতর</translation>
    </message>
    <message>
        <source>Day of Arafah</source>
        <translation>আরাফাতের দিন</translation>
    </message>
    <message>
        <source>Eid al-Adha</source>
        <translation>ঈদুল আজহা</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Couldn&apos;t find city!</source>
        <translation>শহর খুঁজে পাওয়া যায়নি!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>ত্রুটি</translation>
    </message>
    <message>
        <source>Error getting data!</source>
        <translation>তথ্য পেতে ত্রুটি!</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>ত্রুটি!</translation>
    </message>
    <message>
        <source>Settings could not be saved.</source>
        <translation>সেটিংস সংরক্ষণ করা যায়নি।</translation>
    </message>
    <message>
        <source>??? (Can&apos;t determine)</source>
        <translation>??? (নির্ণয় করা যায়নি)</translation>
    </message>
    <message>
        <source>The city database cities.db was not found. Paths tried:</source>
        <translation>শহরের ডেটাবেস cities.db পাওয়া যায়নি। যে পথগুলো চেষ্টা করা হয়েছে:</translation>
    </message>
</context>
<context>
    <name>MethodWords</name>
    <message>
        <source>None</source>
        <translation>কোনোটি নয়</translation>
    </message>
    <message>
        <source>Middle of the night</source>
        <translation>রাতের মধ্যভাগ</translation>
    </message>
    <message>
        <source>One seventh of the night</source>
        <translation>রাতের এক-সপ্তমাংশ</translation>
    </message>
    <message>
        <source>Twilight angle</source>
        <translation>গোধূলির কোণ</translation>
    </message>
    <message>
        <source>To the nearest minute</source>
        <translation>নিকটতম</translation>
    </message>
    <message>
        <source>Up to the next minute</source>
        <translation>ঊর্ধ্বমুখী</translation>
    </message>
    <message>
        <source>Nearest day</source>
        <translation>নিকটতম দিন</translation>
    </message>
    <message>
        <source>Nearest latitude</source>
        <translation>নিকটতম অক্ষাংশ</translation>
    </message>
    <message>
        <source>%1 %2 min</source>
        <extracomment>%1: a prayer&apos;s short name; %2: signed whole minutes added to its time (&quot;+2&quot;, &quot;-3&quot;).</extracomment>
        <translation>%1 %2 মিনিট</translation>
    </message>
    <message>
        <source>Fajr %1°</source>
        <translation>ফজর %1°</translation>
    </message>
    <message>
        <source>Isha %1°</source>
        <translation>এশা %1°</translation>
    </message>
    <message>
        <source>Isha %1 min after Maghrib (%2 in Ramadan)</source>
        <translation>মাগরিবের %1 মিনিট পরে এশা (রমজানে %2)</translation>
    </message>
    <message>
        <source>Isha %1 min after Maghrib</source>
        <translation>মাগরিবের %1 মিনিট পরে এশা</translation>
    </message>
    <message>
        <source>Maghrib %1°</source>
        <translation>মাগরিব %1°</translation>
    </message>
    <message>
        <source>Fajr and Isha within the seasonal bound</source>
        <translation>মৌসুমি সীমার মধ্যে ফজর ও এশা</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the parts of one group of the method&apos;s line (&quot;Fajr 18°, Isha 17°&quot;).</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>high latitudes: %1</source>
        <translation>উচ্চ অক্ষাংশ: %1</translation>
    </message>
    <message>
        <source>high latitudes: %1 at %2</source>
        <extracomment>%1: the rule&apos;s name (&quot;Nearest latitude&quot;); %2: its latitude in degrees.</extracomment>
        <translation>উচ্চ অক্ষাংশ: %1, %2-এ</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between the groups of the method&apos;s line: twilights; adjustments; high latitudes; Asr.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1: the authority&apos;s own name (not translated); %2: its angles and intervals.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>rounded up to the next minute</source>
        <translation>পরের মিনিটে ঊর্ধ্বমুখী পূর্ণসংখ্যায়</translation>
    </message>
</context>
<context>
    <name>NextPrayer</name>
    <message>
        <source>Fajr</source>
        <translation>ফজর</translation>
    </message>
    <message>
        <source>Shuruq</source>
        <translation>সূর্যোদয়</translation>
    </message>
    <message>
        <source>Zuhr</source>
        <translation>যোহর</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>আসর</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>মাগরিব</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>এশা</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 %2-এ</translation>
    </message>
    <message>
        <source>%1 in %2 min</source>
        <translation type="vanished">%2 মিনিট পর %1</translation>
    </message>
    <message>
        <source>%1 in %2 h</source>
        <translation type="vanished">%2 ঘণ্টা পর %1</translation>
    </message>
    <message>
        <source>%1 in %2 h %3 min</source>
        <translation type="vanished">%2 ঘণ্টা %3 মিনিট পর %1</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <extracomment>A prayer and the time left: &quot;Fajr in 1 h 12 min&quot;.</extracomment>
        <translation>%2 পর %1</translation>
    </message>
    <message>
        <source>%1 tomorrow at %2</source>
        <extracomment>The next prayer is on the day after the list&apos;s day: &quot;Fajr tomorrow at 5:27 AM&quot;.</extracomment>
        <translation>%1 আগামীকাল %2-এ</translation>
    </message>
    <message>
        <source>%1 tomorrow at %2, in %3</source>
        <extracomment>The next prayer on the day after the list&apos;s day, its clock time and the time left: &quot;Fajr tomorrow at 5:27 AM, in 7 h 12 min&quot;.</extracomment>
        <translation>%1 আগামীকাল %2-এ, %3 পর</translation>
    </message>
</context>
<context>
    <name>Notices</name>
    <message>
        <source>the settings file %1 was damaged and has been moved to %2; the settings are saved in a new file</source>
        <translation>সেটিংস ফাইল %1 ক্ষতিগ্রস্ত ছিল এবং %2-এ সরানো হয়েছে; সেটিংস একটি নতুন ফাইলে সংরক্ষিত হচ্ছে</translation>
    </message>
    <message>
        <source>%1 was damaged and has been moved to %2; your home city and your own cities in it are no longer used</source>
        <translation>%1 ক্ষতিগ্রস্ত ছিল এবং %2-এ সরানো হয়েছে; এতে থাকা আপনার নিজের শহর ও আপনার যোগ করা শহরগুলো আর ব্যবহৃত হবে না</translation>
    </message>
    <message>
        <source>cannot read the settings file %1 (it is not a regular file, or not readable); the default settings are used and the file is left as it is</source>
        <translation>সেটিংস ফাইল %1 পড়া যাচ্ছে না (এটি সাধারণ ফাইল নয়, বা পড়ার অনুমতি নেই); পূর্বনির্ধারিত সেটিংস ব্যবহৃত হচ্ছে এবং ফাইলটি যেমন ছিল তেমনই রাখা হয়েছে</translation>
    </message>
    <message>
        <source>the settings file %1 is damaged; the default settings are used, and saving the settings moves it aside</source>
        <translation>সেটিংস ফাইল %1 ক্ষতিগ্রস্ত; পূর্বনির্ধারিত সেটিংস ব্যবহৃত হচ্ছে, এবং সেটিংস সংরক্ষণ করলে এটি সরিয়ে রাখা হবে</translation>
    </message>
    <message>
        <source>%1 is not a regular file and is left alone; your home city and your own cities cannot be used</source>
        <translation>%1 সাধারণ ফাইল নয় এবং একে অপরিবর্তিত রাখা হয়েছে; আপনার নিজের শহর ও আপনার যোগ করা শহরগুলো ব্যবহার করা যাবে না</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>The end of a sentence: the language&apos;s full stop after %1.</extracomment>
        <translation>%1।</translation>
    </message>
    <message>
        <source>the settings file %1 is too large to be a settings file (over 16 MiB); the default settings are used and the file is left as it is</source>
        <translation>সেটিংস ফাইল %1 সেটিংস ফাইল হওয়ার পক্ষে খুব বড় (16 MiB-এর বেশি); পূর্বনির্ধারিত সেটিংস ব্যবহৃত হচ্ছে এবং ফাইলটি যেমন ছিল তেমনই রাখা হয়েছে</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Sunrise Calculation</source>
        <translation>সূর্যোদয়ের হিসাব</translation>
    </message>
    <message>
        <source>By Depression Angle</source>
        <translation type="vanished">অবনতি কোণ দিয়ে</translation>
    </message>
    <message>
        <source>By Interval</source>
        <translation type="vanished">সময়ের ব্যবধান দিয়ে</translation>
    </message>
    <message>
        <source>Fiqh</source>
        <translation>ফিকহ</translation>
    </message>
    <message>
        <source>Shafi</source>
        <translation type="vanished">শাফেয়ি</translation>
    </message>
    <message>
        <source>Hanafi</source>
        <translation type="vanished">হানাফি</translation>
    </message>
    <message>
        <source>City</source>
        <translation type="vanished">শহর</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>বাতিল</translation>
    </message>
    <message>
        <source>A&amp;ngle or interval</source>
        <translation>কো&amp;ণ বা ব্যবধান</translation>
    </message>
    <message>
        <source>By &amp;Depression Angle</source>
        <translation>&amp;অবনতি কোণ দিয়ে</translation>
    </message>
    <message>
        <source>By &amp;Interval</source>
        <translation>&amp;সময়ের ব্যবধান দিয়ে</translation>
    </message>
    <message>
        <source>&amp;Shafi</source>
        <translation>শাফেয়ি (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Hanafi</source>
        <translation>হানাফি (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;City</source>
        <translation>&amp;শহর</translation>
    </message>
</context>
<context>
    <name>PrayerNames</name>
    <message>
        <source>Fajr (Dawn)</source>
        <translation>ফজর</translation>
    </message>
    <message>
        <source>Shuruq (Sunrise)</source>
        <translation>সূর্যোদয়</translation>
    </message>
    <message>
        <source>Zuhr (Noon)</source>
        <translation>যোহর</translation>
    </message>
    <message>
        <source>Asr (Afternoon)</source>
        <translation>আসর</translation>
    </message>
    <message>
        <source>Maghrib (Sunset)</source>
        <translation>মাগরিব</translation>
    </message>
    <message>
        <source>Isha (Night)</source>
        <translation>এশা</translation>
    </message>
    <message>
        <source>Jumu&apos;ah (Friday)</source>
        <translation>জুমা</translation>
    </message>
    <message>
        <source>Imsak</source>
        <translation>ইমসাক</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>মধ্যরাত</translation>
    </message>
    <message>
        <source>Last third of the night</source>
        <translation>রাতের শেষ তৃতীয়াংশ</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>বিস্তারিত দেখান...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>বিস্তারিত লুকান...</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>বাতিল</translation>
    </message>
</context>
<context>
    <name>Qibla</name>
    <message>
        <source>Qibla: none, this is the Kaaba</source>
        <translation>কিবলা: কোনো দিক নেই, এটিই কাবা</translation>
    </message>
    <message>
        <source>Qibla: every direction</source>
        <translation>কিবলা: সব দিক</translation>
    </message>
    <message>
        <source>Qibla %1°</source>
        <extracomment>%1: degrees clockwise from true north, one decimal.</extracomment>
        <translation>কিবলা %1°</translation>
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
        <translation>জানুয়ারি</translation>
    </message>
    <message>
        <source>February</source>
        <translation>ফেব্রুয়ারি</translation>
    </message>
    <message>
        <source>March</source>
        <translation>মার্চ</translation>
    </message>
    <message>
        <source>April</source>
        <translation>এপ্রিল</translation>
    </message>
    <message>
        <source>May</source>
        <translation>মে</translation>
    </message>
    <message>
        <source>June</source>
        <translation>জুন</translation>
    </message>
    <message>
        <source>July</source>
        <translation>জুলাই</translation>
    </message>
    <message>
        <source>August</source>
        <translation>আগস্ট</translation>
    </message>
    <message>
        <source>September</source>
        <translation>সেপ্টেম্বর</translation>
    </message>
    <message>
        <source>October</source>
        <translation>অক্টোবর</translation>
    </message>
    <message>
        <source>November</source>
        <translation>নভেম্বর</translation>
    </message>
    <message>
        <source>December</source>
        <translation>ডিসেম্বর</translation>
    </message>
    <message>
        <source>Fajr</source>
        <translation>ফজর</translation>
    </message>
    <message>
        <source>Shuruq</source>
        <translation>সূর্যোদয়</translation>
    </message>
    <message>
        <source>Zuhr</source>
        <translation>যোহর</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>আসর</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>মাগরিব</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>এশা</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Timetable title: %1 month name, %2 year.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Fajr and Isha with the sun %1° below the horizon</source>
        <translation>সূর্য দিগন্তের %1° নিচে থাকলে ফজর ও এশা</translation>
    </message>
    <message>
        <source>Fajr %1 min before sunrise, Isha %1 min after sunset</source>
        <translation>সূর্যোদয়ের %1 মিনিট আগে ফজর, সূর্যাস্তের %1 মিনিট পরে এশা</translation>
    </message>
    <message>
        <source>Asr Shafi</source>
        <translation>আসর শাফেয়ি</translation>
    </message>
    <message>
        <source>Asr Hanafi</source>
        <translation>আসর হানাফি</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>তারিখ</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>হিজরি</translation>
    </message>
    <message>
        <source>Imsak</source>
        <translation>ইমসাক</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>মধ্যরাত</translation>
    </message>
    <message>
        <source>Last third</source>
        <translation>শেষ তৃতীয়াংশ</translation>
    </message>
    <message>
        <source>Jumu&apos;ah %1</source>
        <extracomment>A Friday&apos;s Zuhr cell: %1 the time of the Friday prayer, Jumu&apos;ah.</extracomment>
        <translation>জুমা %1</translation>
    </message>
    <message>
        <source>timetable of %1</source>
        <translation>%1-এর সময়সূচি</translation>
    </message>
    <message>
        <source>%1 from %2 to %3; other days: %4</source>
        <translation>%1, %2 থেকে %3; অন্যান্য দিন: %4</translation>
    </message>
</context>
<context>
    <name>orvanta::AboutDialog</name>
    <message>
        <source>About Orvanta</source>
        <translation>Orvanta সম্পর্কে</translation>
    </message>
    <message>
        <source>© 2026 The Orvanta developers, MIT</source>
        <translation>© 2026 Orvanta-র ডেভেলপাররা, MIT</translation>
    </message>
    <message>
        <source>City data © GeoNames, CC BY 4.0</source>
        <translation>শহরের তথ্য © GeoNames, CC BY 4.0</translation>
    </message>
</context>
<context>
    <name>orvanta::CalendarPage</name>
    <message numerus="yes">
        <source> days</source>
        <extracomment>After the number of days in a spin box; keep the leading space.</extracomment>
        <translation>
            <numerusform> দিন</numerusform>
            <numerusform> দিন</numerusform>
        </translation>
    </message>
    <message>
        <source>Hijri date offset</source>
        <translation>হিজরি তারিখের সমন্বয়</translation>
    </message>
    <message>
        <source>Days added to the computed Hijri date, from minus 2 to plus 2</source>
        <translation>হিসাব করা হিজরি তারিখে যোগ করা দিন, ঋণাত্মক 2 থেকে ধনাত্মক 2</translation>
    </message>
    <message>
        <source>&amp;Hijri date offset:</source>
        <translation>হি&amp;জরি তারিখের সমন্বয়:</translation>
    </message>
    <message>
        <source>The Hijri date follows the Umm al-Qura calendar. Where the month begins with a local sighting of the moon, move it by a day or two.</source>
        <translation>হিজরি তারিখ উম্মুল কুরা পঞ্জিকা অনুসরণ করে। যেখানে স্থানীয়ভাবে চাঁদ দেখে মাস শুরু হয়, সেখানে এক বা দুই দিন সরিয়ে নিন।</translation>
    </message>
</context>
<context>
    <name>orvanta::CompanionPage</name>
    <message>
        <source>&amp;Keep running in the tray</source>
        <translation>সিস্টে&amp;ম ট্রেতে চালু থাকুক</translation>
    </message>
    <message>
        <source>&amp;Start at login, in the tray</source>
        <translation>&amp;লগইনের সময় ট্রেতে চালু হোক</translation>
    </message>
    <message>
        <source>This desktop has no tray: closing the window ends the program.</source>
        <translation>এই ডেস্কটপে সিস্টেম ট্রে নেই: উইন্ডো বন্ধ করলে প্রোগ্রাম বন্ধ হয়ে যায়।</translation>
    </message>
    <message>
        <source>Keep running in the tray</source>
        <translation>সিস্টেম ট্রেতে চালু থাকুক</translation>
    </message>
    <message>
        <source>Closing the window hides it; the tray icon shows the next prayer.</source>
        <translation>উইন্ডো বন্ধ করলে তা লুকিয়ে যায়; ট্রের আইকন পরের নামাজ দেখায়।</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>লগইনের সময় চালু হোক</translation>
    </message>
    <message>
        <source>No tray on this desktop</source>
        <translation>এই ডেস্কটপে ট্রে নেই</translation>
    </message>
</context>
<context>
    <name>orvanta::CompanionTray</name>
    <message>
        <source>Hide window</source>
        <translation>উইন্ডো লুকান</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>হিসাব করুন</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>বিকল্প</translation>
    </message>
    <message>
        <source>Stop sound</source>
        <translation>শব্দ থামান</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>প্রস্থান</translation>
    </message>
    <message>
        <source>Show window</source>
        <translation>উইন্ডো দেখান</translation>
    </message>
</context>
<context>
    <name>orvanta::DBusNotifier</name>
    <message>
        <source>Stop sound</source>
        <translation>শব্দ থামান</translation>
    </message>
    <message>
        <source>the desktop&apos;s notification service cannot be reached (%1); reminders cannot be shown</source>
        <translation>ডেস্কটপের বিজ্ঞপ্তি পরিষেবায় পৌঁছানো যাচ্ছে না (%1); অনুস্মারক দেখানো যাবে না</translation>
    </message>
    <message>
        <source>the session bus at %1 did not answer</source>
        <translation>%1-এর সেশন বাস সাড়া দেয়নি</translation>
    </message>
</context>
<context>
    <name>orvanta::DisplayPage</name>
    <message>
        <source>The language&apos;s own</source>
        <translation>ভাষার নিজস্ব</translation>
    </message>
    <message>
        <source>12-hour (5:25 PM)</source>
        <translation>১২ ঘণ্টা (৫:২৫ PM)</translation>
    </message>
    <message>
        <source>24-hour (17:25)</source>
        <translation>২৪ ঘণ্টা (১৭:২৫)</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>ঘড়ি</translation>
    </message>
    <message>
        <source>How the prayer times are shown</source>
        <translation>নামাজের সময় কীভাবে দেখানো হবে</translation>
    </message>
    <message>
        <source>&amp;Clock</source>
        <translation>&amp;ঘড়ি</translation>
    </message>
    <message>
        <source>Show &amp;Imsak and the night&apos;s times</source>
        <translation>ইমসাক ও রাতের সময় দেখান (&amp;I)</translation>
    </message>
    <message>
        <source>Imsak, the middle of the night and its last third under the six times</source>
        <translation>ছয়টি সময়ের নিচে ইমসাক, মধ্যরাত ও রাতের শেষ তৃতীয়াংশ</translation>
    </message>
    <message>
        <source>The method&apos;s own</source>
        <translation>পদ্ধতির নিজস্ব</translation>
    </message>
    <message>
        <source>Imsak, minutes before Fajr</source>
        <translation>ইমসাক, ফজরের কত মিনিট আগে</translation>
    </message>
    <message>
        <source>I&amp;msak, minutes before Fajr</source>
        <translation>ইমসাক, ফজরের কত মিনিট আগে (&amp;M)</translation>
    </message>
</context>
<context>
    <name>orvanta::MainWindow</name>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;সরঞ্জাম</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;হিসাব করুন</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;বিকল্প</translation>
    </message>
    <message>
        <source>About</source>
        <translation>সম্পর্কে</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;প্রস্থান</translation>
    </message>
    <message>
        <source>Prayer</source>
        <translation>নামাজ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>সময়</translation>
    </message>
    <message>
        <source>Location </source>
        <extracomment>The caption before the city&apos;s name; the space keeps it off the field.</extracomment>
        <translation>অবস্থান </translation>
    </message>
    <message>
        <source>Date </source>
        <extracomment>The caption before the date; the space keeps it off the field.</extracomment>
        <translation>তারিখ </translation>
    </message>
    <message>
        <source>Location</source>
        <translation>অবস্থান</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>তারিখ</translation>
    </message>
    <message>
        <source>Prayer times</source>
        <translation>নামাজের সময়সূচি</translation>
    </message>
    <message>
        <source>Prayer times of %1 on %2</source>
        <translation>%2 তারিখে %1-এর নামাজের সময়</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, next prayer</source>
        <translation>%1, পরের নামাজ</translation>
    </message>
    <message>
        <source>Next prayer</source>
        <translation>পরের নামাজ</translation>
    </message>
    <message>
        <source>Couldn&apos;t change the autostart entry %1.</source>
        <translation>স্বয়ংক্রিয় চালুর এন্ট্রি %1 পরিবর্তন করা যায়নি।</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>হিজরি তারিখ</translation>
    </message>
    <message>
        <source>Qibla direction</source>
        <translation>কিবলার দিক</translation>
    </message>
    <message>
        <source>Degrees clockwise from true north</source>
        <translation type="vanished">প্রকৃত উত্তর থেকে ঘড়ির কাঁটার দিকে ডিগ্রি</translation>
    </message>
    <message>
        <source>The program&apos;s path %1 holds a line break or another control character, which an autostart entry cannot hold.</source>
        <translation>প্রোগ্রামের পথ %1-এ একটি লাইন বিরতি বা অন্য কোনো নিয়ন্ত্রণ অক্ষর আছে, যা স্বয়ংক্রিয় চালুর এন্ট্রিতে রাখা যায় না।</translation>
    </message>
    <message>
        <source>&quot;Start at login&quot; stays as it was.</source>
        <translation>&quot;লগইনের সময় চালু হোক&quot; আগের মতোই রইল।</translation>
    </message>
    <message>
        <source>&amp;Timetable...</source>
        <translation>&amp;সময়সূচি...</translation>
    </message>
    <message>
        <source>%1, degrees clockwise from true north</source>
        <translation>%1, প্রকৃত উত্তর থেকে ঘড়ির কাঁটার দিকে ডিগ্রি</translation>
    </message>
    <message>
        <source>%1; next prayer: %2</source>
        <translation>%1; পরের নামাজ: %2</translation>
    </message>
    <message>
        <source>Qibla dial</source>
        <translation>কিবলা কম্পাস</translation>
    </message>
</context>
<context>
    <name>orvanta::MediaSoundPlayer</name>
    <message>
        <source>cannot play the reminder sound (%1); reminders come without sound</source>
        <translation>অনুস্মারকের শব্দ বাজানো যাচ্ছে না (%1); অনুস্মারক শব্দ ছাড়াই আসবে</translation>
    </message>
    <message>
        <source>no audio output device</source>
        <translation>কোনো অডিও আউটপুট যন্ত্র নেই</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 সাধারণ ফাইল নয়</translation>
    </message>
</context>
<context>
    <name>orvanta::MethodPage</name>
    <message>
        <source>Fajr</source>
        <translation>ফজর</translation>
    </message>
    <message>
        <source>Shuruq</source>
        <translation>সূর্যোদয়</translation>
    </message>
    <message>
        <source>Zuhr</source>
        <translation>যোহর</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>আসর</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>মাগরিব</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>এশা</translation>
    </message>
    <message>
        <source>Fajr angle</source>
        <translation type="vanished">ফজরের কোণ</translation>
    </message>
    <message>
        <source>Isha angle</source>
        <translation type="vanished">এশার কোণ</translation>
    </message>
    <message>
        <source>Isha minutes after Maghrib</source>
        <translation>মাগরিবের পর এশা পর্যন্ত মিনিট</translation>
    </message>
    <message>
        <source>Maghrib angle</source>
        <translation type="vanished">মাগরিবের কোণ</translation>
    </message>
    <message>
        <source>Classic (the first page)</source>
        <translation>ক্লাসিক (প্রথম পৃষ্ঠা)</translation>
    </message>
    <message>
        <source>The method&apos;s own</source>
        <translation>পদ্ধতির নিজস্ব</translation>
    </message>
    <message numerus="yes">
        <source> min</source>
        <extracomment>After the number of minutes in a spin box; keep the leading space.</extracomment>
        <translation>
            <numerusform> মিনিট</numerusform>
            <numerusform> মিনিট</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 adjustment in minutes</source>
        <translation>%1 সমন্বয় (মিনিট)</translation>
    </message>
    <message>
        <source>Override</source>
        <translation>পরিবর্তন</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>মিনিট</translation>
    </message>
    <message>
        <source>High latitudes</source>
        <translation>উচ্চ অক্ষাংশ</translation>
    </message>
    <message>
        <source>Rounding</source>
        <translation>পূর্ণসংখ্যায় রূপান্তর</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>পদ্ধতি</translation>
    </message>
    <message>
        <source>The authority whose method computes the times</source>
        <translation>যে প্রতিষ্ঠানের পদ্ধতিতে সময় হিসাব করা হয়</translation>
    </message>
    <message>
        <source>Fajr angle in degrees</source>
        <translation>ফজরের কোণ (ডিগ্রি)</translation>
    </message>
    <message>
        <source>Isha angle in degrees</source>
        <translation>এশার কোণ (ডিগ্রি)</translation>
    </message>
    <message>
        <source>Maghrib angle in degrees</source>
        <translation>মাগরিবের কোণ (ডিগ্রি)</translation>
    </message>
    <message>
        <source>How Fajr and Isha are found where twilight lasts all night</source>
        <translation>যেখানে সারা রাত গোধূলি থাকে সেখানে ফজর ও এশা কীভাবে নির্ণয় হয়</translation>
    </message>
    <message>
        <source>One angle or one interval for Fajr and Isha, as the first page sets it.</source>
        <translation>ফজর ও এশার জন্য একটি কোণ বা একটি ব্যবধান, প্রথম পৃষ্ঠায় যেমন দেওয়া আছে।</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>সূত্র: %1</translation>
    </message>
    <message>
        <source>within the seasonal bound</source>
        <translation>মৌসুমি সীমার মধ্যে</translation>
    </message>
    <message>
        <source>min after Maghrib</source>
        <translation>মিনিট মাগরিবের পরে</translation>
    </message>
    <message>
        <source>rounded up</source>
        <translation>ঊর্ধ্বমুখী পূর্ণসংখ্যায়</translation>
    </message>
    <message>
        <source>in Ramadan</source>
        <translation>রমজানে</translation>
    </message>
    <message>
        <source>temkin</source>
        <translation>তামকিন</translation>
    </message>
    <message>
        <source>min</source>
        <translation>মিনিট</translation>
    </message>
    <message>
        <source>the authority prescribes none; it gives Fajr and Isha wherever the sun rises and sets</source>
        <translation>কর্তৃপক্ষ কোনো নিয়ম দেয়নি; এটি যেখানে সূর্য ওঠে ও অস্ত যায় সেখানেই ফজর ও এশা দেয়</translation>
    </message>
    <message>
        <source>its Fiqh Council&apos;s decree: Fajr and Isha by analogy with the nearest latitude where they are distinct</source>
        <translation>এর ফিকহ কাউন্সিলের সিদ্ধান্ত: যে নিকটতম অক্ষাংশে চিহ্নগুলো স্পষ্ট, তার সাদৃশ্যে ফজর ও এশা</translation>
    </message>
    <message>
        <source>the Committee&apos;s own: one seventh of the night at and above 55°</source>
        <translation>কমিটির নিজস্ব নিয়ম: ৫৫° ও তার উপরে রাতের এক-সপ্তমাংশ</translation>
    </message>
    <message>
        <source>High latitudes: %1 (%2)</source>
        <translation>উচ্চ অক্ষাংশ: %1 (%2)</translation>
    </message>
    <message>
        <source>Nearest latitude</source>
        <translation type="vanished">নিকটতম অক্ষাংশ</translation>
    </message>
    <message>
        <source>Latitude in degrees at which the day is computed</source>
        <translation>যে অক্ষাংশে দিনটি গণনা করা হয়, ডিগ্রিতে</translation>
    </message>
    <message>
        <source>Fa&amp;jr</source>
        <translation>ফ&amp;জর</translation>
    </message>
    <message>
        <source>&amp;Shuruq</source>
        <translation>সূর্যো&amp;দয়</translation>
    </message>
    <message>
        <source>&amp;Zuhr</source>
        <translation>যো&amp;হর</translation>
    </message>
    <message>
        <source>As&amp;r</source>
        <translation>&amp;আসর</translation>
    </message>
    <message>
        <source>Maghri&amp;b</source>
        <translation>মাগরি&amp;ব</translation>
    </message>
    <message>
        <source>Is&amp;ha</source>
        <translation>এশা (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Fajr angle</source>
        <translation>&amp;ফজরের কোণ</translation>
    </message>
    <message>
        <source>&amp;Isha angle</source>
        <translation>&amp;এশার কোণ</translation>
    </message>
    <message>
        <source>Isha minutes &amp;after Maghrib</source>
        <translation>মা&amp;গরিবের পর এশা পর্যন্ত মিনিট</translation>
    </message>
    <message>
        <source>Ma&amp;ghrib angle</source>
        <translation>মাগরিবে&amp;র কোণ</translation>
    </message>
    <message>
        <source>High &amp;latitudes</source>
        <translation>&amp;উচ্চ অক্ষাংশ</translation>
    </message>
    <message>
        <source>&amp;Nearest latitude</source>
        <translation>নি&amp;কটতম অক্ষাংশ</translation>
    </message>
    <message>
        <source>R&amp;ounding</source>
        <translation>পূর্ণসংখ্যায় রূপান্তর (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;পদ্ধতি:</translation>
    </message>
</context>
<context>
    <name>orvanta::OptionsDialog</name>
    <message>
        <source>Classic</source>
        <translation>ক্লাসিক</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>পদ্ধতি</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>প্রদর্শন</translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="vanished">ঠিক আছে</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="vanished">বাতিল</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>বিকল্প</translation>
    </message>
    <message>
        <source>Angle or interval</source>
        <translation>কোণ বা ব্যবধান</translation>
    </message>
    <message>
        <source>Degrees below the horizon for the depression angle, minutes for the interval</source>
        <translation>অবনতি কোণের জন্য দিগন্তের নিচে ডিগ্রি, ব্যবধানের জন্য মিনিট</translation>
    </message>
    <message>
        <source>City</source>
        <translation>শহর</translation>
    </message>
    <message>
        <source>Type a few letters to see matching cities</source>
        <translation>মিল থাকা শহর দেখতে কয়েকটি অক্ষর লিখুন</translation>
    </message>
    <message>
        <source>Companion</source>
        <translation>সহচর</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>অনুস্মারক</translation>
    </message>
    <message>
        <source>Home city %1 is used instead.</source>
        <translation>এর বদলে নিজের শহর %1 ব্যবহৃত হচ্ছে।</translation>
    </message>
    <message>
        <source>C&amp;lear home city</source>
        <translation>নিজে&amp;র শহর মুছুন</translation>
    </message>
    <message>
        <source>Clear home city</source>
        <translation>নিজের শহর মুছুন</translation>
    </message>
    <message>
        <source>Couldn&apos;t clear the home city.</source>
        <translation>নিজের শহর মোছা যায়নি।</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>পঞ্জিকা</translation>
    </message>
    <message>
        <source>Use &amp;my location</source>
        <translation>আমার অবস্থান ব্যবহার করুন (&amp;M)</translation>
    </message>
    <message>
        <source>Asks the desktop&apos;s location service and puts the nearest city in the City field</source>
        <translation>ডেস্কটপের অবস্থান পরিষেবাকে জিজ্ঞেস করে নিকটতম শহরটি শহরের ঘরে বসায়</translation>
    </message>
    <message>
        <source>Asking the desktop for your location…</source>
        <translation>ডেস্কটপের কাছে আপনার অবস্থান জানতে চাওয়া হচ্ছে…</translation>
    </message>
    <message>
        <source>Your location is known, but the city database cannot be read.</source>
        <translation>আপনার অবস্থান জানা গেছে, কিন্তু শহরের ডেটাবেস পড়া যাচ্ছে না।</translation>
    </message>
    <message>
        <source>Nearest city: %1, %2 km away. Press OK to use it.</source>
        <extracomment>%1 city name, %2 distance in kilometres (whole number).</extracomment>
        <translation>নিকটতম শহর: %1, %2 কিমি দূরে। ব্যবহার করতে ঠিক আছে চাপুন।</translation>
    </message>
    <message>
        <source>This desktop has no location service.</source>
        <translation>এই ডেস্কটপে কোনো অবস্থান পরিষেবা নেই।</translation>
    </message>
    <message>
        <source>The location service did not allow Orvanta your location.</source>
        <translation>অবস্থান পরিষেবা Orvanta-কে আপনার অবস্থান জানার অনুমতি দেয়নি।</translation>
    </message>
    <message>
        <source>The location service did not answer in time.</source>
        <translation>অবস্থান পরিষেবা সময়মতো উত্তর দেয়নি।</translation>
    </message>
</context>
<context>
    <name>orvanta::ReminderPage</name>
    <message>
        <source>Remind me at</source>
        <translation>আমাকে মনে করিয়ে দিন</translation>
    </message>
    <message>
        <source>Remind me at %1</source>
        <translation>%1-এ আমাকে মনে করিয়ে দিন</translation>
    </message>
    <message numerus="yes">
        <source> min before</source>
        <translation>
            <numerusform> মিনিট আগে</numerusform>
            <numerusform> মিনিট আগে</numerusform>
        </translation>
    </message>
    <message>
        <source>None</source>
        <translation>কোনোটি নয়</translation>
    </message>
    <message>
        <source>Early reminder, minutes before the time</source>
        <translation>আগাম অনুস্মারক, সময়ের কত মিনিট আগে</translation>
    </message>
    <message>
        <source>&amp;Early reminder:</source>
        <translation>আগা&amp;ম অনুস্মারক:</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>শব্দ</translation>
    </message>
    <message>
        <source>&amp;Play a sound with each reminder</source>
        <translation>প্রতিটি &amp;অনুস্মারকে শব্দ বাজান</translation>
    </message>
    <message>
        <source>Play a sound with each reminder</source>
        <translation>প্রতিটি অনুস্মারকে শব্দ বাজান</translation>
    </message>
    <message>
        <source>Built-in chime</source>
        <translation>অন্তর্নির্মিত ঘণ্টাধ্বনি</translation>
    </message>
    <message>
        <source>Sound file</source>
        <translation>শব্দ ফাইল</translation>
    </message>
    <message>
        <source>C&amp;hoose...</source>
        <translation>বাছাই &amp;করুন...</translation>
    </message>
    <message>
        <source>Choose a sound file</source>
        <translation>একটি শব্দ ফাইল বাছাই করুন</translation>
    </message>
    <message>
        <source>&amp;Built-in</source>
        <translation>অন্তর্নির্মি&amp;ত</translation>
    </message>
    <message>
        <source>Use the built-in chime</source>
        <translation>অন্তর্নির্মিত ঘণ্টাধ্বনি ব্যবহার করুন</translation>
    </message>
    <message>
        <source>File:</source>
        <translation type="vanished">ফাইল:</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>ভলিউম</translation>
    </message>
    <message>
        <source>P&amp;lay</source>
        <translation>বাজা&amp;ন</translation>
    </message>
    <message>
        <source>Play the sound now</source>
        <translation>এখনই শব্দ বাজান</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>থামান (&amp;S)</translation>
    </message>
    <message>
        <source>Stop the sound</source>
        <translation>শব্দ থামান</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation type="vanished">ভলিউম:</translation>
    </message>
    <message>
        <source>Reminder sound</source>
        <translation>অনুস্মারকের শব্দ</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.ogg *.oga *.opus *.mp3 *.flac *.m4a *.aac);;All files (*)</source>
        <translation>শব্দ (*.wav *.ogg *.oga *.opus *.mp3 *.flac *.m4a *.aac);;সব ফাইল (*)</translation>
    </message>
    <message>
        <source>Fa&amp;jr (Dawn)</source>
        <translation>&amp;ফজর</translation>
    </message>
    <message>
        <source>Sh&amp;uruq (Sunrise)</source>
        <translation>সূর্যো&amp;দয়</translation>
    </message>
    <message>
        <source>&amp;Zuhr (Noon)</source>
        <translation>যো&amp;হর</translation>
    </message>
    <message>
        <source>As&amp;r (Afternoon)</source>
        <translation>&amp;আসর</translation>
    </message>
    <message>
        <source>&amp;Maghrib (Sunset)</source>
        <translation>মা&amp;গরিব</translation>
    </message>
    <message>
        <source>&amp;Isha (Night)</source>
        <translation>&amp;এশা</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>ফা&amp;ইল:</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;ভলিউম:</translation>
    </message>
    <message>
        <source>Reminder before Jumu&apos;ah on Fridays, minutes</source>
        <translation>জুমার আগে অনুস্মারক (শুক্রবার), মিনিট</translation>
    </message>
    <message>
        <source>Bef&amp;ore Jumu&apos;ah (Fridays):</source>
        <translation>জুমার আগে (শুক্রবার) (&amp;O):</translation>
    </message>
</context>
<context>
    <name>orvanta::ReminderScheduler</name>
    <message>
        <source>%1 at %2</source>
        <translation>%1 %2-এ</translation>
    </message>
    <message>
        <source>%1 in %2 min, at %3</source>
        <translation type="vanished">%2 মিনিট পর %1, %3-এ</translation>
    </message>
    <message>
        <source>%1 in %2, at %3</source>
        <translation>%2 পর %1, %3-এ</translation>
    </message>
</context>
<context>
    <name>orvanta::TimetableWindow</name>
    <message>
        <source>Timetable</source>
        <translation>সময়সূচি</translation>
    </message>
    <message>
        <source>&lt; &amp;Previous</source>
        <translation>&lt; আগের (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>পরের &gt; (&amp;N)</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>মাস</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>বছর</translation>
    </message>
    <message>
        <source>Prayer times of the month</source>
        <translation>মাসের নামাজের সময়সূচি</translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="vanished">তারিখ</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation type="vanished">হিজরি</translation>
    </message>
    <message>
        <source>Export &amp;CSV...</source>
        <translation>CSV রপ্তানি... (&amp;C)</translation>
    </message>
    <message>
        <source>Export &amp;iCalendar...</source>
        <translation>iCalendar রপ্তানি... (&amp;I)</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>মুদ্রণ... (&amp;R)</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>PDF হিসেবে সংরক্ষণ... (&amp;D)</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>বন্ধ করুন (&amp;L)</translation>
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
        <translation>%1-এর সময় হিসাব করা যাচ্ছে না: এর সময় অঞ্চলের নিয়ম পড়া যাচ্ছে না।</translation>
    </message>
    <message>
        <source>%1 (today)</source>
        <translation>%1 (আজ)</translation>
    </message>
    <message>
        <source>The timetable could not be written to %1.</source>
        <translation>সময়সূচি %1-এ লেখা যায়নি।</translation>
    </message>
    <message>
        <source>The timetable could not be saved as %1.</source>
        <translation>সময়সূচি %1 হিসেবে সংরক্ষণ করা যায়নি।</translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation>CSV হিসেবে রপ্তানি</translation>
    </message>
    <message>
        <source>Export as iCalendar</source>
        <translation>iCalendar হিসেবে রপ্তানি</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV ফাইল (*.csv)</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar ফাইল (*.ics)</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>PDF হিসেবে সংরক্ষণ</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF ফাইল (*.pdf)</translation>
    </message>
    <message>
        <source>Print Timetable</source>
        <translation>সময়সূচি মুদ্রণ</translation>
    </message>
    <message>
        <source>The timetable could not be printed.</source>
        <translation>সময়সূচি মুদ্রণ করা যায়নি।</translation>
    </message>
    <message>
        <source>%1 is not a regular file (it is a device, a FIFO, a socket or a folder); the timetable was not written to it.</source>
        <translation>%1 সাধারণ ফাইল নয় (এটি একটি যন্ত্র, FIFO, সকেট বা ফোল্ডার); সময়সূচি এতে লেখা হয়নি।</translation>
    </message>
    <message>
        <source>The disk is full; the file was left as it was.</source>
        <translation>ডিস্ক ভরা; ফাইলটি আগের মতোই রাখা হয়েছে।</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>মাস (&amp;M):</translation>
    </message>
</context>
</TS>
