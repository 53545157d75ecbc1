<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Orvanta</source>
        <translation>Tentang Orvanta</translation>
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
            <numerusform>%1 menit</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 h</source>
        <extracomment>A number of hours, abbreviated as in &quot;Fajr in 2 h&quot;.</extracomment>
        <translation>
            <numerusform>%1 jam</numerusform>
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
        <translation>Muharram</translation>
    </message>
    <message>
        <source>Safar</source>
        <translation>Safar</translation>
    </message>
    <message>
        <source>Rabi I</source>
        <translation>Rabiulawal</translation>
    </message>
    <message>
        <source>Rabi II</source>
        <translation>Rabiulakhir</translation>
    </message>
    <message>
        <source>Jumada I</source>
        <translation>Jumadilawal</translation>
    </message>
    <message>
        <source>Jumada II</source>
        <translation>Jumadilakhir</translation>
    </message>
    <message>
        <source>Rajab</source>
        <translation>Rajab</translation>
    </message>
    <message>
        <source>Sha&apos;ban</source>
        <translation>Syakban</translation>
    </message>
    <message>
        <source>Ramadan</source>
        <translation>Ramadan</translation>
    </message>
    <message>
        <source>Shawwal</source>
        <translation>Syawal</translation>
    </message>
    <message>
        <source>Dhu al-Qi&apos;dah</source>
        <translation>Zulkaidah</translation>
    </message>
    <message>
        <source>Dhu al-Hijjah</source>
        <translation>Zulhijah</translation>
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
        <translation>Tahun Baru Islam</translation>
    </message>
    <message>
        <source>Ashura</source>
        <translation>Asyura</translation>
    </message>
    <message>
        <source>Mawlid</source>
        <translation>Maulid Nabi</translation>
    </message>
    <message>
        <source>Isra and Mi&apos;raj</source>
        <translation>Isra Mikraj</translation>
    </message>
    <message>
        <source>Mid-Sha&apos;ban</source>
        <translation>Nisfu Syakban</translation>
    </message>
    <message>
        <source>First of Ramadan</source>
        <translation>Awal Ramadan</translation>
    </message>
    <message>
        <source>Laylat al-Qadr</source>
        <translation>Lailatul Qadar</translation>
    </message>
    <message>
        <source>Eid al-Fitr</source>
        <translation>Idulfitri</translation>
    </message>
    <message>
        <source>Day of Arafah</source>
        <translation>Hari Arafah</translation>
    </message>
    <message>
        <source>Eid al-Adha</source>
        <translation>Iduladha</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Couldn&apos;t find city!</source>
        <translation>Kota tidak ditemukan!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Kesalahan</translation>
    </message>
    <message>
        <source>Error getting data!</source>
        <translation>Gagal mengambil data!</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Kesalahan!</translation>
    </message>
    <message>
        <source>Settings could not be saved.</source>
        <translation>Pengaturan tidak dapat disimpan.</translation>
    </message>
    <message>
        <source>??? (Can&apos;t determine)</source>
        <translation>??? (Tidak dapat ditentukan)</translation>
    </message>
    <message>
        <source>The city database cities.db was not found. Paths tried:</source>
        <translation>Basis data kota cities.db tidak ditemukan. Jalur yang dicoba:</translation>
    </message>
</context>
<context>
    <name>MethodWords</name>
    <message>
        <source>None</source>
        <translation>Tidak ada</translation>
    </message>
    <message>
        <source>Middle of the night</source>
        <translation>Pertengahan malam</translation>
    </message>
    <message>
        <source>One seventh of the night</source>
        <translation>Sepertujuh malam</translation>
    </message>
    <message>
        <source>Twilight angle</source>
        <translation>Sudut senja</translation>
    </message>
    <message>
        <source>To the nearest minute</source>
        <translation>Terdekat</translation>
    </message>
    <message>
        <source>Up to the next minute</source>
        <translation>Ke atas</translation>
    </message>
    <message>
        <source>Nearest day</source>
        <translation>Hari terdekat</translation>
    </message>
    <message>
        <source>Nearest latitude</source>
        <translation>Lintang terdekat</translation>
    </message>
    <message>
        <source>%1 %2 min</source>
        <extracomment>%1: a prayer&apos;s short name; %2: signed whole minutes added to its time (&quot;+2&quot;, &quot;-3&quot;).</extracomment>
        <translation>%1 %2 menit</translation>
    </message>
    <message>
        <source>Fajr %1°</source>
        <translation>Subuh %1°</translation>
    </message>
    <message>
        <source>Isha %1°</source>
        <translation>Isya %1°</translation>
    </message>
    <message>
        <source>Isha %1 min after Maghrib (%2 in Ramadan)</source>
        <translation>Isya %1 menit setelah Magrib (%2 saat Ramadan)</translation>
    </message>
    <message>
        <source>Isha %1 min after Maghrib</source>
        <translation>Isya %1 menit setelah Magrib</translation>
    </message>
    <message>
        <source>Maghrib %1°</source>
        <translation>Magrib %1°</translation>
    </message>
    <message>
        <source>Fajr and Isha within the seasonal bound</source>
        <translation>Subuh dan Isya dalam batas musiman</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the parts of one group of the method&apos;s line (&quot;Fajr 18°, Isha 17°&quot;).</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>high latitudes: %1</source>
        <translation>lintang tinggi: %1</translation>
    </message>
    <message>
        <source>high latitudes: %1 at %2</source>
        <extracomment>%1: the rule&apos;s name (&quot;Nearest latitude&quot;); %2: its latitude in degrees.</extracomment>
        <translation>lintang tinggi: %1 pada %2</translation>
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
        <translation>dibulatkan ke atas ke menit berikutnya</translation>
    </message>
</context>
<context>
    <name>NextPrayer</name>
    <message>
        <source>Fajr</source>
        <translation>Subuh</translation>
    </message>
    <message>
        <source>Shuruq</source>
        <translation>Terbit</translation>
    </message>
    <message>
        <source>Zuhr</source>
        <translation>Zuhur</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>Asar</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>Magrib</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Isya</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 pukul %2</translation>
    </message>
    <message>
        <source>%1 in %2 min</source>
        <translation type="vanished">%1 dalam %2 menit</translation>
    </message>
    <message>
        <source>%1 in %2 h</source>
        <translation type="vanished">%1 dalam %2 jam</translation>
    </message>
    <message>
        <source>%1 in %2 h %3 min</source>
        <translation type="vanished">%1 dalam %2 jam %3 menit</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <extracomment>A prayer and the time left: &quot;Fajr in 1 h 12 min&quot;.</extracomment>
        <translation>%1 dalam %2</translation>
    </message>
    <message>
        <source>%1 tomorrow at %2</source>
        <extracomment>The next prayer is on the day after the list&apos;s day: &quot;Fajr tomorrow at 5:27 AM&quot;.</extracomment>
        <translation>%1 besok pukul %2</translation>
    </message>
    <message>
        <source>%1 tomorrow at %2, in %3</source>
        <extracomment>The next prayer on the day after the list&apos;s day, its clock time and the time left: &quot;Fajr tomorrow at 5:27 AM, in 7 h 12 min&quot;.</extracomment>
        <translation>%1 besok pukul %2, dalam %3</translation>
    </message>
</context>
<context>
    <name>Notices</name>
    <message>
        <source>the settings file %1 was damaged and has been moved to %2; the settings are saved in a new file</source>
        <translation>berkas pengaturan %1 rusak dan telah dipindahkan ke %2; pengaturan disimpan dalam berkas baru</translation>
    </message>
    <message>
        <source>%1 was damaged and has been moved to %2; your home city and your own cities in it are no longer used</source>
        <translation>%1 rusak dan telah dipindahkan ke %2; kota asal Anda dan kota-kota Anda sendiri di dalamnya tidak lagi digunakan</translation>
    </message>
    <message>
        <source>cannot read the settings file %1 (it is not a regular file, or not readable); the default settings are used and the file is left as it is</source>
        <translation>berkas pengaturan %1 tidak dapat dibaca (bukan berkas biasa, atau tidak dapat dibaca); pengaturan bawaan digunakan dan berkas dibiarkan apa adanya</translation>
    </message>
    <message>
        <source>the settings file %1 is damaged; the default settings are used, and saving the settings moves it aside</source>
        <translation>berkas pengaturan %1 rusak; pengaturan bawaan digunakan, dan menyimpan pengaturan akan memindahkannya ke samping</translation>
    </message>
    <message>
        <source>%1 is not a regular file and is left alone; your home city and your own cities cannot be used</source>
        <translation>%1 bukan berkas biasa dan dibiarkan; kota asal Anda dan kota-kota Anda sendiri tidak dapat digunakan</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>The end of a sentence: the language&apos;s full stop after %1.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>the settings file %1 is too large to be a settings file (over 16 MiB); the default settings are used and the file is left as it is</source>
        <translation>berkas pengaturan %1 terlalu besar untuk sebuah berkas pengaturan (lebih dari 16 MiB); pengaturan bawaan digunakan dan berkas dibiarkan apa adanya</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Sunrise Calculation</source>
        <translation>Perhitungan terbit</translation>
    </message>
    <message>
        <source>By Depression Angle</source>
        <translation type="vanished">Dengan sudut depresi</translation>
    </message>
    <message>
        <source>By Interval</source>
        <translation type="vanished">Dengan selang waktu</translation>
    </message>
    <message>
        <source>Fiqh</source>
        <translation>Mazhab</translation>
    </message>
    <message>
        <source>Shafi</source>
        <translation type="vanished">Syafi&apos;i</translation>
    </message>
    <message>
        <source>Hanafi</source>
        <translation type="vanished">Hanafi</translation>
    </message>
    <message>
        <source>City</source>
        <translation type="vanished">Kota</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>A&amp;ngle or interval</source>
        <translation>Sudut &amp;atau selang</translation>
    </message>
    <message>
        <source>By &amp;Depression Angle</source>
        <translation>&amp;Dengan sudut depresi</translation>
    </message>
    <message>
        <source>By &amp;Interval</source>
        <translation>Dengan &amp;selang waktu</translation>
    </message>
    <message>
        <source>&amp;Shafi</source>
        <translation>Syafi&apos;&amp;i</translation>
    </message>
    <message>
        <source>&amp;Hanafi</source>
        <translation>Ha&amp;nafi</translation>
    </message>
    <message>
        <source>&amp;City</source>
        <translation>&amp;Kota</translation>
    </message>
</context>
<context>
    <name>PrayerNames</name>
    <message>
        <source>Fajr (Dawn)</source>
        <translation>Subuh</translation>
    </message>
    <message>
        <source>Shuruq (Sunrise)</source>
        <translation>Terbit</translation>
    </message>
    <message>
        <source>Zuhr (Noon)</source>
        <translation>Zuhur</translation>
    </message>
    <message>
        <source>Asr (Afternoon)</source>
        <translation>Asar</translation>
    </message>
    <message>
        <source>Maghrib (Sunset)</source>
        <translation>Magrib</translation>
    </message>
    <message>
        <source>Isha (Night)</source>
        <translation>Isya</translation>
    </message>
    <message>
        <source>Jumu&apos;ah (Friday)</source>
        <translation>Jumat</translation>
    </message>
    <message>
        <source>Imsak</source>
        <translation>Imsak</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>Tengah malam</translation>
    </message>
    <message>
        <source>Last third of the night</source>
        <translation>Sepertiga malam terakhir</translation>
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
        <translation>Tampilkan Rincian...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Sembunyikan Rincian...</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
</context>
<context>
    <name>Qibla</name>
    <message>
        <source>Qibla: none, this is the Kaaba</source>
        <translation>Kiblat: tidak ada, ini Ka&apos;bah</translation>
    </message>
    <message>
        <source>Qibla: every direction</source>
        <translation>Kiblat: segala arah</translation>
    </message>
    <message>
        <source>Qibla %1°</source>
        <extracomment>%1: degrees clockwise from true north, one decimal.</extracomment>
        <translation>Kiblat %1°</translation>
    </message>
</context>
<context>
    <name>TimeFormat</name>
    <message>
        <source>h:mm AP</source>
        <extracomment>The 12-hour clock as a QTime format: h hour, mm minutes, AP the locale&apos;s AM/PM text; digits follow the language. Put AP where the language puts it.</extracomment>
        <translation>h.mm AP</translation>
    </message>
    <message>
        <source>HH:mm</source>
        <extracomment>The 24-hour clock as a QTime format: HH hours 00-23, mm minutes.</extracomment>
        <translation>HH.mm</translation>
    </message>
</context>
<context>
    <name>Timetable</name>
    <message>
        <source>January</source>
        <translation>Januari</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februari</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Maret</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mei</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agustus</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Desember</translation>
    </message>
    <message>
        <source>Fajr</source>
        <translation>Subuh</translation>
    </message>
    <message>
        <source>Shuruq</source>
        <translation>Terbit</translation>
    </message>
    <message>
        <source>Zuhr</source>
        <translation>Zuhur</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>Asar</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>Magrib</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Isya</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Timetable title: %1 month name, %2 year.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Fajr and Isha with the sun %1° below the horizon</source>
        <translation>Subuh dan Isya saat matahari %1° di bawah ufuk</translation>
    </message>
    <message>
        <source>Fajr %1 min before sunrise, Isha %1 min after sunset</source>
        <translation>Subuh %1 menit sebelum terbit, Isya %1 menit setelah terbenam</translation>
    </message>
    <message>
        <source>Asr Shafi</source>
        <translation>Asar Syafi&apos;i</translation>
    </message>
    <message>
        <source>Asr Hanafi</source>
        <translation>Asar Hanafi</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tanggal</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>Hijriah</translation>
    </message>
    <message>
        <source>Imsak</source>
        <translation>Imsak</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>Tengah malam</translation>
    </message>
    <message>
        <source>Last third</source>
        <translation>Sepertiga akhir</translation>
    </message>
    <message>
        <source>Jumu&apos;ah %1</source>
        <extracomment>A Friday&apos;s Zuhr cell: %1 the time of the Friday prayer, Jumu&apos;ah.</extracomment>
        <translation>Jumat %1</translation>
    </message>
    <message>
        <source>timetable of %1</source>
        <translation>jadwal %1</translation>
    </message>
    <message>
        <source>%1 from %2 to %3; other days: %4</source>
        <translation>%1 dari %2 sampai %3; hari lain: %4</translation>
    </message>
</context>
<context>
    <name>orvanta::AboutDialog</name>
    <message>
        <source>About Orvanta</source>
        <translation>Tentang Orvanta</translation>
    </message>
    <message>
        <source>© 2026 The Orvanta developers, MIT</source>
        <translation>© 2026 Para pengembang Orvanta, MIT</translation>
    </message>
    <message>
        <source>City data © GeoNames, CC BY 4.0</source>
        <translation>Data kota © GeoNames, CC BY 4.0</translation>
    </message>
</context>
<context>
    <name>orvanta::CalendarPage</name>
    <message numerus="yes">
        <source> days</source>
        <extracomment>After the number of days in a spin box; keep the leading space.</extracomment>
        <translation>
            <numerusform> hari</numerusform>
        </translation>
    </message>
    <message>
        <source>Hijri date offset</source>
        <translation>Penyesuaian tanggal Hijriah</translation>
    </message>
    <message>
        <source>Days added to the computed Hijri date, from minus 2 to plus 2</source>
        <translation>Hari yang ditambahkan ke tanggal Hijriah hasil hitungan, dari minus 2 sampai plus 2</translation>
    </message>
    <message>
        <source>&amp;Hijri date offset:</source>
        <translation>Penyesuaian tanggal &amp;Hijriah:</translation>
    </message>
    <message>
        <source>The Hijri date follows the Umm al-Qura calendar. Where the month begins with a local sighting of the moon, move it by a day or two.</source>
        <translation>Tanggal Hijriah mengikuti kalender Umm al-Qura. Jika awal bulan ditentukan dengan rukyat setempat, geser satu atau dua hari.</translation>
    </message>
</context>
<context>
    <name>orvanta::CompanionPage</name>
    <message>
        <source>&amp;Keep running in the tray</source>
        <translation>&amp;Tetap berjalan di baki sistem</translation>
    </message>
    <message>
        <source>&amp;Start at login, in the tray</source>
        <translation>&amp;Mulai saat masuk, di baki</translation>
    </message>
    <message>
        <source>This desktop has no tray: closing the window ends the program.</source>
        <translation>Desktop ini tidak memiliki baki sistem: menutup jendela mengakhiri program.</translation>
    </message>
    <message>
        <source>Keep running in the tray</source>
        <translation>Tetap berjalan di baki sistem</translation>
    </message>
    <message>
        <source>Closing the window hides it; the tray icon shows the next prayer.</source>
        <translation>Menutup jendela menyembunyikannya; ikon baki menampilkan salat berikutnya.</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>Mulai saat masuk</translation>
    </message>
    <message>
        <source>No tray on this desktop</source>
        <translation>Tidak ada baki di desktop ini</translation>
    </message>
</context>
<context>
    <name>orvanta::CompanionTray</name>
    <message>
        <source>Hide window</source>
        <translation>Sembunyikan jendela</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hitung</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opsi</translation>
    </message>
    <message>
        <source>Stop sound</source>
        <translation>Hentikan suara</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Keluar</translation>
    </message>
    <message>
        <source>Show window</source>
        <translation>Tampilkan jendela</translation>
    </message>
</context>
<context>
    <name>orvanta::DBusNotifier</name>
    <message>
        <source>Stop sound</source>
        <translation>Hentikan suara</translation>
    </message>
    <message>
        <source>the desktop&apos;s notification service cannot be reached (%1); reminders cannot be shown</source>
        <translation>layanan notifikasi desktop tidak dapat dihubungi (%1); pengingat tidak dapat ditampilkan</translation>
    </message>
    <message>
        <source>the session bus at %1 did not answer</source>
        <translation>bus sesi di %1 tidak menjawab</translation>
    </message>
</context>
<context>
    <name>orvanta::DisplayPage</name>
    <message>
        <source>The language&apos;s own</source>
        <translation>Bawaan bahasa</translation>
    </message>
    <message>
        <source>12-hour (5:25 PM)</source>
        <translation>12 jam (5.25 PM)</translation>
    </message>
    <message>
        <source>24-hour (17:25)</source>
        <translation>24 jam (17.25)</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Jam</translation>
    </message>
    <message>
        <source>How the prayer times are shown</source>
        <translation>Cara waktu salat ditampilkan</translation>
    </message>
    <message>
        <source>&amp;Clock</source>
        <translation>&amp;Jam</translation>
    </message>
    <message>
        <source>Show &amp;Imsak and the night&apos;s times</source>
        <translation>Tampilkan &amp;imsak dan waktu malam</translation>
    </message>
    <message>
        <source>Imsak, the middle of the night and its last third under the six times</source>
        <translation>Imsak, tengah malam, dan sepertiga malam terakhir di bawah enam waktu</translation>
    </message>
    <message>
        <source>The method&apos;s own</source>
        <translation>Bawaan metode</translation>
    </message>
    <message>
        <source>Imsak, minutes before Fajr</source>
        <translation>Imsak, menit sebelum Subuh</translation>
    </message>
    <message>
        <source>I&amp;msak, minutes before Fajr</source>
        <translation>I&amp;msak, menit sebelum Subuh</translation>
    </message>
</context>
<context>
    <name>orvanta::MainWindow</name>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Alat</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Hitung</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opsi</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Tentang</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Keluar</translation>
    </message>
    <message>
        <source>Prayer</source>
        <translation>Salat</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Waktu</translation>
    </message>
    <message>
        <source>Location </source>
        <extracomment>The caption before the city&apos;s name; the space keeps it off the field.</extracomment>
        <translation>Lokasi </translation>
    </message>
    <message>
        <source>Date </source>
        <extracomment>The caption before the date; the space keeps it off the field.</extracomment>
        <translation>Tanggal </translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lokasi</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tanggal</translation>
    </message>
    <message>
        <source>Prayer times</source>
        <translation>Waktu salat</translation>
    </message>
    <message>
        <source>Prayer times of %1 on %2</source>
        <translation>Waktu salat di %1 pada %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, next prayer</source>
        <translation>%1, salat berikutnya</translation>
    </message>
    <message>
        <source>Next prayer</source>
        <translation>Salat berikutnya</translation>
    </message>
    <message>
        <source>Couldn&apos;t change the autostart entry %1.</source>
        <translation>Entri mulai otomatis %1 tidak dapat diubah.</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>Tanggal Hijriah</translation>
    </message>
    <message>
        <source>Qibla direction</source>
        <translation>Arah kiblat</translation>
    </message>
    <message>
        <source>Degrees clockwise from true north</source>
        <translation type="vanished">Derajat searah jarum jam dari utara sejati</translation>
    </message>
    <message>
        <source>The program&apos;s path %1 holds a line break or another control character, which an autostart entry cannot hold.</source>
        <translation>Jalur program %1 memuat pemisah baris atau karakter kontrol lain, yang tidak dapat dimuat entri mulai otomatis.</translation>
    </message>
    <message>
        <source>&quot;Start at login&quot; stays as it was.</source>
        <translation>&quot;Mulai saat masuk&quot; tetap seperti semula.</translation>
    </message>
    <message>
        <source>&amp;Timetable...</source>
        <translation>&amp;Jadwal...</translation>
    </message>
    <message>
        <source>%1, degrees clockwise from true north</source>
        <translation>%1, derajat searah jarum jam dari utara sejati</translation>
    </message>
    <message>
        <source>%1; next prayer: %2</source>
        <translation>%1; salat berikutnya: %2</translation>
    </message>
    <message>
        <source>Qibla dial</source>
        <translation>Kompas kiblat</translation>
    </message>
</context>
<context>
    <name>orvanta::MediaSoundPlayer</name>
    <message>
        <source>cannot play the reminder sound (%1); reminders come without sound</source>
        <translation>suara pengingat tidak dapat diputar (%1); pengingat datang tanpa suara</translation>
    </message>
    <message>
        <source>no audio output device</source>
        <translation>tidak ada perangkat keluaran audio</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 bukan berkas biasa</translation>
    </message>
</context>
<context>
    <name>orvanta::MethodPage</name>
    <message>
        <source>Fajr</source>
        <translation>Subuh</translation>
    </message>
    <message>
        <source>Shuruq</source>
        <translation>Terbit</translation>
    </message>
    <message>
        <source>Zuhr</source>
        <translation>Zuhur</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>Asar</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>Magrib</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Isya</translation>
    </message>
    <message>
        <source>Fajr angle</source>
        <translation type="vanished">Sudut Subuh</translation>
    </message>
    <message>
        <source>Isha angle</source>
        <translation type="vanished">Sudut Isya</translation>
    </message>
    <message>
        <source>Isha minutes after Maghrib</source>
        <translation>Menit Isya setelah Magrib</translation>
    </message>
    <message>
        <source>Maghrib angle</source>
        <translation type="vanished">Sudut Magrib</translation>
    </message>
    <message>
        <source>Classic (the first page)</source>
        <translation>Klasik (halaman pertama)</translation>
    </message>
    <message>
        <source>The method&apos;s own</source>
        <translation>Bawaan metode</translation>
    </message>
    <message numerus="yes">
        <source> min</source>
        <extracomment>After the number of minutes in a spin box; keep the leading space.</extracomment>
        <translation>
            <numerusform> mnt</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 adjustment in minutes</source>
        <translation>Penyesuaian %1 dalam menit</translation>
    </message>
    <message>
        <source>Override</source>
        <translation>Timpa</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Menit</translation>
    </message>
    <message>
        <source>High latitudes</source>
        <translation>Lintang tinggi</translation>
    </message>
    <message>
        <source>Rounding</source>
        <translation>Pembulatan</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Metode</translation>
    </message>
    <message>
        <source>The authority whose method computes the times</source>
        <translation>Lembaga yang metodenya menghitung waktu</translation>
    </message>
    <message>
        <source>Fajr angle in degrees</source>
        <translation>Sudut Subuh dalam derajat</translation>
    </message>
    <message>
        <source>Isha angle in degrees</source>
        <translation>Sudut Isya dalam derajat</translation>
    </message>
    <message>
        <source>Maghrib angle in degrees</source>
        <translation>Sudut Magrib dalam derajat</translation>
    </message>
    <message>
        <source>How Fajr and Isha are found where twilight lasts all night</source>
        <translation>Cara menentukan Subuh dan Isya di tempat senja berlangsung sepanjang malam</translation>
    </message>
    <message>
        <source>One angle or one interval for Fajr and Isha, as the first page sets it.</source>
        <translation>Satu sudut atau satu selang untuk Subuh dan Isya, sesuai halaman pertama.</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Sumber: %1</translation>
    </message>
    <message>
        <source>within the seasonal bound</source>
        <translation>dalam batas musiman</translation>
    </message>
    <message>
        <source>min after Maghrib</source>
        <translation>menit setelah Magrib</translation>
    </message>
    <message>
        <source>rounded up</source>
        <translation>dibulatkan ke atas</translation>
    </message>
    <message>
        <source>in Ramadan</source>
        <translation>saat Ramadan</translation>
    </message>
    <message>
        <source>temkin</source>
        <translation>ihtiyat</translation>
    </message>
    <message>
        <source>min</source>
        <translation>menit</translation>
    </message>
    <message>
        <source>the authority prescribes none; it gives Fajr and Isha wherever the sun rises and sets</source>
        <translation>otoritas tidak menetapkan aturan; aturan ini memberi Subuh dan Isya di mana pun matahari terbit dan terbenam</translation>
    </message>
    <message>
        <source>its Fiqh Council&apos;s decree: Fajr and Isha by analogy with the nearest latitude where they are distinct</source>
        <translation>keputusan Dewan Fikihnya: Subuh dan Isya dianalogikan dengan lintang terdekat yang tanda-tandanya jelas</translation>
    </message>
    <message>
        <source>the Committee&apos;s own: one seventh of the night at and above 55°</source>
        <translation>aturan Komite sendiri: sepertujuh malam mulai lintang 55°</translation>
    </message>
    <message>
        <source>High latitudes: %1 (%2)</source>
        <translation>Lintang tinggi: %1 (%2)</translation>
    </message>
    <message>
        <source>Nearest latitude</source>
        <translation type="vanished">Lintang terdekat</translation>
    </message>
    <message>
        <source>Latitude in degrees at which the day is computed</source>
        <translation>Lintang dalam derajat tempat hari dihitung</translation>
    </message>
    <message>
        <source>Fa&amp;jr</source>
        <translation>Su&amp;buh</translation>
    </message>
    <message>
        <source>&amp;Shuruq</source>
        <translation>&amp;Terbit</translation>
    </message>
    <message>
        <source>&amp;Zuhr</source>
        <translation>&amp;Zuhur</translation>
    </message>
    <message>
        <source>As&amp;r</source>
        <translation>&amp;Asar</translation>
    </message>
    <message>
        <source>Maghri&amp;b</source>
        <translation>Ma&amp;grib</translation>
    </message>
    <message>
        <source>Is&amp;ha</source>
        <translation>Is&amp;ya</translation>
    </message>
    <message>
        <source>&amp;Fajr angle</source>
        <translation>&amp;Sudut Subuh</translation>
    </message>
    <message>
        <source>&amp;Isha angle</source>
        <translation>Sudut &amp;Isya</translation>
    </message>
    <message>
        <source>Isha minutes &amp;after Maghrib</source>
        <translation>M&amp;enit Isya setelah Magrib</translation>
    </message>
    <message>
        <source>Ma&amp;ghrib angle</source>
        <translation>S&amp;udut Magrib</translation>
    </message>
    <message>
        <source>High &amp;latitudes</source>
        <translation>&amp;Lintang tinggi</translation>
    </message>
    <message>
        <source>&amp;Nearest latitude</source>
        <translation>Li&amp;ntang terdekat</translation>
    </message>
    <message>
        <source>R&amp;ounding</source>
        <translation>&amp;Pembulatan</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Metode:</translation>
    </message>
</context>
<context>
    <name>orvanta::OptionsDialog</name>
    <message>
        <source>Classic</source>
        <translation>Klasik</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Metode</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Tampilan</translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="vanished">OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="vanished">Batal</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opsi</translation>
    </message>
    <message>
        <source>Angle or interval</source>
        <translation>Sudut atau selang</translation>
    </message>
    <message>
        <source>Degrees below the horizon for the depression angle, minutes for the interval</source>
        <translation>Derajat di bawah ufuk untuk sudut depresi, menit untuk selang</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Kota</translation>
    </message>
    <message>
        <source>Type a few letters to see matching cities</source>
        <translation>Ketik beberapa huruf untuk melihat kota yang cocok</translation>
    </message>
    <message>
        <source>Companion</source>
        <translation>Pendamping</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Pengingat</translation>
    </message>
    <message>
        <source>Home city %1 is used instead.</source>
        <translation>Kota asal %1 yang digunakan.</translation>
    </message>
    <message>
        <source>C&amp;lear home city</source>
        <translation>&amp;Hapus kota asal</translation>
    </message>
    <message>
        <source>Clear home city</source>
        <translation>Hapus kota asal</translation>
    </message>
    <message>
        <source>Couldn&apos;t clear the home city.</source>
        <translation>Kota asal tidak dapat dihapus.</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Use &amp;my location</source>
        <translation>Gunakan &amp;lokasi saya</translation>
    </message>
    <message>
        <source>Asks the desktop&apos;s location service and puts the nearest city in the City field</source>
        <translation>Menanyakan layanan lokasi desktop dan mengisi kota terdekat di kolom Kota</translation>
    </message>
    <message>
        <source>Asking the desktop for your location…</source>
        <translation>Menanyakan lokasi Anda ke desktop…</translation>
    </message>
    <message>
        <source>Your location is known, but the city database cannot be read.</source>
        <translation>Lokasi Anda diketahui, tetapi basis data kota tidak dapat dibaca.</translation>
    </message>
    <message>
        <source>Nearest city: %1, %2 km away. Press OK to use it.</source>
        <extracomment>%1 city name, %2 distance in kilometres (whole number).</extracomment>
        <translation>Kota terdekat: %1, %2 km jauhnya. Tekan OK untuk memakainya.</translation>
    </message>
    <message>
        <source>This desktop has no location service.</source>
        <translation>Desktop ini tidak memiliki layanan lokasi.</translation>
    </message>
    <message>
        <source>The location service did not allow Orvanta your location.</source>
        <translation>Layanan lokasi tidak mengizinkan Orvanta mengetahui lokasi Anda.</translation>
    </message>
    <message>
        <source>The location service did not answer in time.</source>
        <translation>Layanan lokasi tidak menjawab tepat waktu.</translation>
    </message>
</context>
<context>
    <name>orvanta::ReminderPage</name>
    <message>
        <source>Remind me at</source>
        <translation>Ingatkan saya pada</translation>
    </message>
    <message>
        <source>Remind me at %1</source>
        <translation>Ingatkan saya pada %1</translation>
    </message>
    <message numerus="yes">
        <source> min before</source>
        <translation>
            <numerusform> mnt sebelumnya</numerusform>
        </translation>
    </message>
    <message>
        <source>None</source>
        <translation>Tidak ada</translation>
    </message>
    <message>
        <source>Early reminder, minutes before the time</source>
        <translation>Pengingat awal, menit sebelum waktu</translation>
    </message>
    <message>
        <source>&amp;Early reminder:</source>
        <translation>Pengingat &amp;awal:</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suara</translation>
    </message>
    <message>
        <source>&amp;Play a sound with each reminder</source>
        <translation>&amp;Putar suara pada setiap pengingat</translation>
    </message>
    <message>
        <source>Play a sound with each reminder</source>
        <translation>Putar suara pada setiap pengingat</translation>
    </message>
    <message>
        <source>Built-in chime</source>
        <translation>Lonceng bawaan</translation>
    </message>
    <message>
        <source>Sound file</source>
        <translation>Berkas suara</translation>
    </message>
    <message>
        <source>C&amp;hoose...</source>
        <translation>Pi&amp;lih...</translation>
    </message>
    <message>
        <source>Choose a sound file</source>
        <translation>Pilih berkas suara</translation>
    </message>
    <message>
        <source>&amp;Built-in</source>
        <translation>&amp;Bawaan</translation>
    </message>
    <message>
        <source>Use the built-in chime</source>
        <translation>Gunakan lonceng bawaan</translation>
    </message>
    <message>
        <source>File:</source>
        <translation type="vanished">Berkas:</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>P&amp;lay</source>
        <translation>P&amp;utar</translation>
    </message>
    <message>
        <source>Play the sound now</source>
        <translation>Putar suara sekarang</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Hentikan</translation>
    </message>
    <message>
        <source>Stop the sound</source>
        <translation>Hentikan suara</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation type="vanished">Volume:</translation>
    </message>
    <message>
        <source>Reminder sound</source>
        <translation>Suara pengingat</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.ogg *.oga *.opus *.mp3 *.flac *.m4a *.aac);;All files (*)</source>
        <translation>Suara (*.wav *.ogg *.oga *.opus *.mp3 *.flac *.m4a *.aac);;Semua berkas (*)</translation>
    </message>
    <message>
        <source>Fa&amp;jr (Dawn)</source>
        <translation>&amp;Subuh</translation>
    </message>
    <message>
        <source>Sh&amp;uruq (Sunrise)</source>
        <translation>&amp;Terbit</translation>
    </message>
    <message>
        <source>&amp;Zuhr (Noon)</source>
        <translation>&amp;Zuhur</translation>
    </message>
    <message>
        <source>As&amp;r (Afternoon)</source>
        <translation>Asa&amp;r</translation>
    </message>
    <message>
        <source>&amp;Maghrib (Sunset)</source>
        <translation>&amp;Magrib</translation>
    </message>
    <message>
        <source>&amp;Isha (Night)</source>
        <translation>&amp;Isya</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>B&amp;erkas:</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Volume:</translation>
    </message>
    <message>
        <source>Reminder before Jumu&apos;ah on Fridays, minutes</source>
        <translation>Pengingat sebelum salat Jumat, menit</translation>
    </message>
    <message>
        <source>Bef&amp;ore Jumu&apos;ah (Fridays):</source>
        <translation>Sebelum &amp;Jumat (hari Jumat):</translation>
    </message>
</context>
<context>
    <name>orvanta::ReminderScheduler</name>
    <message>
        <source>%1 at %2</source>
        <translation>%1 pukul %2</translation>
    </message>
    <message>
        <source>%1 in %2 min, at %3</source>
        <translation type="vanished">%1 dalam %2 menit, pukul %3</translation>
    </message>
    <message>
        <source>%1 in %2, at %3</source>
        <translation>%1 dalam %2, pukul %3</translation>
    </message>
</context>
<context>
    <name>orvanta::TimetableWindow</name>
    <message>
        <source>Timetable</source>
        <translation>Jadwal</translation>
    </message>
    <message>
        <source>&lt; &amp;Previous</source>
        <translation>&lt; Se&amp;belumnya</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>Beri&amp;kutnya &gt;</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Bulan</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Tahun</translation>
    </message>
    <message>
        <source>Prayer times of the month</source>
        <translation>Waktu salat sebulan</translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="vanished">Tanggal</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation type="vanished">Hijriah</translation>
    </message>
    <message>
        <source>Export &amp;CSV...</source>
        <translation>Ekspor &amp;CSV...</translation>
    </message>
    <message>
        <source>Export &amp;iCalendar...</source>
        <translation>Ekspor &amp;iCalendar...</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>C&amp;etak...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Simpan sebagai P&amp;DF...</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Tutup</translation>
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
        <translation>Waktu %1 tidak dapat dihitung: aturan zona waktunya tidak dapat dibaca.</translation>
    </message>
    <message>
        <source>%1 (today)</source>
        <translation>%1 (hari ini)</translation>
    </message>
    <message>
        <source>The timetable could not be written to %1.</source>
        <translation>Jadwal tidak dapat ditulis ke %1.</translation>
    </message>
    <message>
        <source>The timetable could not be saved as %1.</source>
        <translation>Jadwal tidak dapat disimpan sebagai %1.</translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation>Ekspor sebagai CSV</translation>
    </message>
    <message>
        <source>Export as iCalendar</source>
        <translation>Ekspor sebagai iCalendar</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Berkas CSV (*.csv)</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Berkas iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Simpan sebagai PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Berkas PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Print Timetable</source>
        <translation>Cetak jadwal</translation>
    </message>
    <message>
        <source>The timetable could not be printed.</source>
        <translation>Jadwal tidak dapat dicetak.</translation>
    </message>
    <message>
        <source>%1 is not a regular file (it is a device, a FIFO, a socket or a folder); the timetable was not written to it.</source>
        <translation>%1 bukan berkas biasa (melainkan perangkat, FIFO, soket, atau folder); jadwal tidak ditulis ke sana.</translation>
    </message>
    <message>
        <source>The disk is full; the file was left as it was.</source>
        <translation>Disk penuh; berkas dibiarkan seperti semula.</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>B&amp;ulan:</translation>
    </message>
</context>
</TS>
