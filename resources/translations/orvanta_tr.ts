<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Orvanta</source>
        <translation>Orvanta Hakkında</translation>
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
            <numerusform>%1 dk</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 h</source>
        <extracomment>A number of hours, abbreviated as in &quot;Fajr in 2 h&quot;.</extracomment>
        <translation>
            <numerusform>%1 sa</numerusform>
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
        <translation>Muharrem</translation>
    </message>
    <message>
        <source>Safar</source>
        <translation>Safer</translation>
    </message>
    <message>
        <source>Rabi I</source>
        <translation>Rebiülevvel</translation>
    </message>
    <message>
        <source>Rabi II</source>
        <translation>Rebiülahir</translation>
    </message>
    <message>
        <source>Jumada I</source>
        <translation>Cemaziyelevvel</translation>
    </message>
    <message>
        <source>Jumada II</source>
        <translation>Cemaziyelahir</translation>
    </message>
    <message>
        <source>Rajab</source>
        <translation>Recep</translation>
    </message>
    <message>
        <source>Sha&apos;ban</source>
        <translation>Şaban</translation>
    </message>
    <message>
        <source>Ramadan</source>
        <translation>Ramazan</translation>
    </message>
    <message>
        <source>Shawwal</source>
        <translation>Şevval</translation>
    </message>
    <message>
        <source>Dhu al-Qi&apos;dah</source>
        <translation>Zilkade</translation>
    </message>
    <message>
        <source>Dhu al-Hijjah</source>
        <translation>Zilhicce</translation>
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
        <translation>Hicri Yılbaşı</translation>
    </message>
    <message>
        <source>Ashura</source>
        <translation>Aşure Günü</translation>
    </message>
    <message>
        <source>Mawlid</source>
        <translation>Mevlid Kandili</translation>
    </message>
    <message>
        <source>Isra and Mi&apos;raj</source>
        <translation>Miraç Kandili</translation>
    </message>
    <message>
        <source>Mid-Sha&apos;ban</source>
        <translation>Berat Kandili</translation>
    </message>
    <message>
        <source>First of Ramadan</source>
        <translation>Ramazan&apos;ın ilk günü</translation>
    </message>
    <message>
        <source>Laylat al-Qadr</source>
        <translation>Kadir Gecesi</translation>
    </message>
    <message>
        <source>Eid al-Fitr</source>
        <translation>Ramazan Bayramı</translation>
    </message>
    <message>
        <source>Day of Arafah</source>
        <translation>Arefe Günü</translation>
    </message>
    <message>
        <source>Eid al-Adha</source>
        <translation>Kurban Bayramı</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Couldn&apos;t find city!</source>
        <translation>Şehir bulunamadı!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>Error getting data!</source>
        <translation>Veriler alınırken hata oluştu!</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Hata!</translation>
    </message>
    <message>
        <source>Settings could not be saved.</source>
        <translation>Ayarlar kaydedilemedi.</translation>
    </message>
    <message>
        <source>??? (Can&apos;t determine)</source>
        <translation>??? (Belirlenemiyor)</translation>
    </message>
    <message>
        <source>The city database cities.db was not found. Paths tried:</source>
        <translation>Şehir veritabanı cities.db bulunamadı. Denenen yollar:</translation>
    </message>
</context>
<context>
    <name>MethodWords</name>
    <message>
        <source>None</source>
        <translation>Yok</translation>
    </message>
    <message>
        <source>Middle of the night</source>
        <translation>Gecenin yarısı</translation>
    </message>
    <message>
        <source>One seventh of the night</source>
        <translation>Gecenin yedide biri</translation>
    </message>
    <message>
        <source>Twilight angle</source>
        <translation>Alacakaranlık açısı</translation>
    </message>
    <message>
        <source>To the nearest minute</source>
        <translation>En yakın</translation>
    </message>
    <message>
        <source>Up to the next minute</source>
        <translation>Yukarı</translation>
    </message>
    <message>
        <source>Nearest day</source>
        <translation>En yakın gün</translation>
    </message>
    <message>
        <source>Nearest latitude</source>
        <translation>En yakın enlem</translation>
    </message>
    <message>
        <source>%1 %2 min</source>
        <extracomment>%1: a prayer&apos;s short name; %2: signed whole minutes added to its time (&quot;+2&quot;, &quot;-3&quot;).</extracomment>
        <translation>%1 %2 dk</translation>
    </message>
    <message>
        <source>Fajr %1°</source>
        <translation>İmsak %1°</translation>
    </message>
    <message>
        <source>Isha %1°</source>
        <translation>Yatsı %1°</translation>
    </message>
    <message>
        <source>Isha %1 min after Maghrib (%2 in Ramadan)</source>
        <translation>Yatsı akşamdan %1 dk sonra (Ramazan&apos;da %2)</translation>
    </message>
    <message>
        <source>Isha %1 min after Maghrib</source>
        <translation>Yatsı akşamdan %1 dk sonra</translation>
    </message>
    <message>
        <source>Maghrib %1°</source>
        <translation>Akşam %1°</translation>
    </message>
    <message>
        <source>Fajr and Isha within the seasonal bound</source>
        <translation>İmsak ve yatsı mevsimsel sınır içinde</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the parts of one group of the method&apos;s line (&quot;Fajr 18°, Isha 17°&quot;).</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>high latitudes: %1</source>
        <translation>yüksek enlemler: %1</translation>
    </message>
    <message>
        <source>high latitudes: %1 at %2</source>
        <extracomment>%1: the rule&apos;s name (&quot;Nearest latitude&quot;); %2: its latitude in degrees.</extracomment>
        <translation>yüksek enlemler: %1, %2</translation>
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
        <translation>bir sonraki dakikaya yukarı yuvarlanır</translation>
    </message>
</context>
<context>
    <name>NextPrayer</name>
    <message>
        <source>Fajr</source>
        <translation>İmsak</translation>
    </message>
    <message>
        <source>Shuruq</source>
        <translation>Güneş</translation>
    </message>
    <message>
        <source>Zuhr</source>
        <translation>Öğle</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>İkindi</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>Akşam</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Yatsı</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 in %2 min</source>
        <translation type="vanished">%1: %2 dk kaldı</translation>
    </message>
    <message>
        <source>%1 in %2 h</source>
        <translation type="vanished">%1: %2 sa kaldı</translation>
    </message>
    <message>
        <source>%1 in %2 h %3 min</source>
        <translation type="vanished">%1: %2 sa %3 dk kaldı</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <extracomment>A prayer and the time left: &quot;Fajr in 1 h 12 min&quot;.</extracomment>
        <translation>%1: %2 kaldı</translation>
    </message>
    <message>
        <source>%1 tomorrow at %2</source>
        <extracomment>The next prayer is on the day after the list&apos;s day: &quot;Fajr tomorrow at 5:27 AM&quot;.</extracomment>
        <translation>%1: yarın %2</translation>
    </message>
    <message>
        <source>%1 tomorrow at %2, in %3</source>
        <extracomment>The next prayer on the day after the list&apos;s day, its clock time and the time left: &quot;Fajr tomorrow at 5:27 AM, in 7 h 12 min&quot;.</extracomment>
        <translation>%1: yarın %2, %3 kaldı</translation>
    </message>
</context>
<context>
    <name>Notices</name>
    <message>
        <source>the settings file %1 was damaged and has been moved to %2; the settings are saved in a new file</source>
        <translation>ayar dosyası %1 bozuktu ve %2 konumuna taşındı; ayarlar yeni bir dosyaya kaydediliyor</translation>
    </message>
    <message>
        <source>%1 was damaged and has been moved to %2; your home city and your own cities in it are no longer used</source>
        <translation>%1 bozuktu ve %2 konumuna taşındı; içindeki ev şehriniz ve kendi şehirleriniz artık kullanılmıyor</translation>
    </message>
    <message>
        <source>cannot read the settings file %1 (it is not a regular file, or not readable); the default settings are used and the file is left as it is</source>
        <translation>ayar dosyası %1 okunamıyor (normal bir dosya değil ya da okunamıyor); varsayılan ayarlar kullanılıyor ve dosyaya dokunulmuyor</translation>
    </message>
    <message>
        <source>the settings file %1 is damaged; the default settings are used, and saving the settings moves it aside</source>
        <translation>ayar dosyası %1 bozuk; varsayılan ayarlar kullanılıyor ve ayarları kaydetmek onu kenara taşır</translation>
    </message>
    <message>
        <source>%1 is not a regular file and is left alone; your home city and your own cities cannot be used</source>
        <translation>%1 normal bir dosya değil ve olduğu gibi bırakılıyor; ev şehriniz ve kendi şehirleriniz kullanılamıyor</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>The end of a sentence: the language&apos;s full stop after %1.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>the settings file %1 is too large to be a settings file (over 16 MiB); the default settings are used and the file is left as it is</source>
        <translation>ayar dosyası %1 bir ayar dosyası olamayacak kadar büyük (16 MiB&apos;tan fazla); varsayılan ayarlar kullanılıyor ve dosyaya dokunulmuyor</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Sunrise Calculation</source>
        <translation>Güneş doğuşu hesabı</translation>
    </message>
    <message>
        <source>By Depression Angle</source>
        <translation type="vanished">Alçalma açısıyla</translation>
    </message>
    <message>
        <source>By Interval</source>
        <translation type="vanished">Süre aralığıyla</translation>
    </message>
    <message>
        <source>Fiqh</source>
        <translation>Mezhep</translation>
    </message>
    <message>
        <source>Shafi</source>
        <translation type="vanished">Şafii</translation>
    </message>
    <message>
        <source>Hanafi</source>
        <translation type="vanished">Hanefi</translation>
    </message>
    <message>
        <source>City</source>
        <translation type="vanished">Şehir</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>A&amp;ngle or interval</source>
        <translation>Açı &amp;ya da süre</translation>
    </message>
    <message>
        <source>By &amp;Depression Angle</source>
        <translation>&amp;Alçalma açısıyla</translation>
    </message>
    <message>
        <source>By &amp;Interval</source>
        <translation>&amp;Süre aralığıyla</translation>
    </message>
    <message>
        <source>&amp;Shafi</source>
        <translation>&amp;Şafii</translation>
    </message>
    <message>
        <source>&amp;Hanafi</source>
        <translation>&amp;Hanefi</translation>
    </message>
    <message>
        <source>&amp;City</source>
        <translation>Ş&amp;ehir</translation>
    </message>
</context>
<context>
    <name>PrayerNames</name>
    <message>
        <source>Fajr (Dawn)</source>
        <translation>İmsak</translation>
    </message>
    <message>
        <source>Shuruq (Sunrise)</source>
        <translation>Güneş</translation>
    </message>
    <message>
        <source>Zuhr (Noon)</source>
        <translation>Öğle</translation>
    </message>
    <message>
        <source>Asr (Afternoon)</source>
        <translation>İkindi</translation>
    </message>
    <message>
        <source>Maghrib (Sunset)</source>
        <translation>Akşam</translation>
    </message>
    <message>
        <source>Isha (Night)</source>
        <translation>Yatsı</translation>
    </message>
    <message>
        <source>Jumu&apos;ah (Friday)</source>
        <translation>Cuma</translation>
    </message>
    <message>
        <source>Imsak</source>
        <translation>Sahur sonu</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>Gece yarısı</translation>
    </message>
    <message>
        <source>Last third of the night</source>
        <translation>Gecenin son üçte biri</translation>
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
        <translation>Ayrıntıları Göster...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Ayrıntıları Gizle...</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>Qibla</name>
    <message>
        <source>Qibla: none, this is the Kaaba</source>
        <translation>Kıble: yön yok, burası Kâbe</translation>
    </message>
    <message>
        <source>Qibla: every direction</source>
        <translation>Kıble: her yön</translation>
    </message>
    <message>
        <source>Qibla %1°</source>
        <extracomment>%1: degrees clockwise from true north, one decimal.</extracomment>
        <translation>Kıble %1°</translation>
    </message>
</context>
<context>
    <name>TimeFormat</name>
    <message>
        <source>h:mm AP</source>
        <extracomment>The 12-hour clock as a QTime format: h hour, mm minutes, AP the locale&apos;s AM/PM text; digits follow the language. Put AP where the language puts it.</extracomment>
        <translation>AP h:mm</translation>
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
        <translation>Ocak</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Şubat</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Mart</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Nisan</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mayıs</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Haziran</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Temmuz</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Ağustos</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Eylül</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Ekim</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Kasım</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Aralık</translation>
    </message>
    <message>
        <source>Fajr</source>
        <translation>İmsak</translation>
    </message>
    <message>
        <source>Shuruq</source>
        <translation>Güneş</translation>
    </message>
    <message>
        <source>Zuhr</source>
        <translation>Öğle</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>İkindi</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>Akşam</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Yatsı</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Timetable title: %1 month name, %2 year.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Fajr and Isha with the sun %1° below the horizon</source>
        <translation>Güneş ufkun %1° altındayken imsak ve yatsı</translation>
    </message>
    <message>
        <source>Fajr %1 min before sunrise, Isha %1 min after sunset</source>
        <translation>İmsak güneş doğmadan %1 dk önce, yatsı güneş battıktan %1 dk sonra</translation>
    </message>
    <message>
        <source>Asr Shafi</source>
        <translation>İkindi Şafii</translation>
    </message>
    <message>
        <source>Asr Hanafi</source>
        <translation>İkindi Hanefi</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tarih</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>Hicri</translation>
    </message>
    <message>
        <source>Imsak</source>
        <translation>Sahur sonu</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>Gece yarısı</translation>
    </message>
    <message>
        <source>Last third</source>
        <translation>Son üçte bir</translation>
    </message>
    <message>
        <source>Jumu&apos;ah %1</source>
        <extracomment>A Friday&apos;s Zuhr cell: %1 the time of the Friday prayer, Jumu&apos;ah.</extracomment>
        <translation>Cuma %1</translation>
    </message>
    <message>
        <source>timetable of %1</source>
        <translation>%1 vakit cetveli</translation>
    </message>
    <message>
        <source>%1 from %2 to %3; other days: %4</source>
        <translation>%1, %2 ile %3 arası; diğer günler: %4</translation>
    </message>
</context>
<context>
    <name>orvanta::AboutDialog</name>
    <message>
        <source>About Orvanta</source>
        <translation>Orvanta Hakkında</translation>
    </message>
    <message>
        <source>© 2026 The Orvanta developers, MIT</source>
        <translation>© 2026 Orvanta geliştiricileri, MIT</translation>
    </message>
    <message>
        <source>City data © GeoNames, CC BY 4.0</source>
        <translation>Şehir verileri © GeoNames, CC BY 4.0</translation>
    </message>
</context>
<context>
    <name>orvanta::CalendarPage</name>
    <message numerus="yes">
        <source> days</source>
        <extracomment>After the number of days in a spin box; keep the leading space.</extracomment>
        <translation>
            <numerusform> gün</numerusform>
        </translation>
    </message>
    <message>
        <source>Hijri date offset</source>
        <translation>Hicri tarih düzeltmesi</translation>
    </message>
    <message>
        <source>Days added to the computed Hijri date, from minus 2 to plus 2</source>
        <translation>Hesaplanan Hicri tarihe eklenen gün, eksi 2 ile artı 2 arasında</translation>
    </message>
    <message>
        <source>&amp;Hijri date offset:</source>
        <translation>&amp;Hicri tarih düzeltmesi:</translation>
    </message>
    <message>
        <source>The Hijri date follows the Umm al-Qura calendar. Where the month begins with a local sighting of the moon, move it by a day or two.</source>
        <translation>Hicri tarih Ümmü&apos;l-Kura takvimine göredir. Ayın yerel hilal gözlemiyle başladığı yerlerde bir iki gün kaydırın.</translation>
    </message>
</context>
<context>
    <name>orvanta::CompanionPage</name>
    <message>
        <source>&amp;Keep running in the tray</source>
        <translation>&amp;Sistem tepsisinde çalışmaya devam et</translation>
    </message>
    <message>
        <source>&amp;Start at login, in the tray</source>
        <translation>Oturum açılınca &amp;başlat, tepside</translation>
    </message>
    <message>
        <source>This desktop has no tray: closing the window ends the program.</source>
        <translation>Bu masaüstünde sistem tepsisi yok: pencereyi kapatmak programı sonlandırır.</translation>
    </message>
    <message>
        <source>Keep running in the tray</source>
        <translation>Sistem tepsisinde çalışmaya devam et</translation>
    </message>
    <message>
        <source>Closing the window hides it; the tray icon shows the next prayer.</source>
        <translation>Pencereyi kapatmak onu gizler; tepsi simgesi sonraki namazı gösterir.</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>Oturum açılınca başlat</translation>
    </message>
    <message>
        <source>No tray on this desktop</source>
        <translation>Bu masaüstünde tepsi yok</translation>
    </message>
</context>
<context>
    <name>orvanta::CompanionTray</name>
    <message>
        <source>Hide window</source>
        <translation>Pencereyi gizle</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Hesapla</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Seçenekler</translation>
    </message>
    <message>
        <source>Stop sound</source>
        <translation>Sesi durdur</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Çık</translation>
    </message>
    <message>
        <source>Show window</source>
        <translation>Pencereyi göster</translation>
    </message>
</context>
<context>
    <name>orvanta::DBusNotifier</name>
    <message>
        <source>Stop sound</source>
        <translation>Sesi durdur</translation>
    </message>
    <message>
        <source>the desktop&apos;s notification service cannot be reached (%1); reminders cannot be shown</source>
        <translation>masaüstünün bildirim hizmetine ulaşılamıyor (%1); hatırlatmalar gösterilemiyor</translation>
    </message>
    <message>
        <source>the session bus at %1 did not answer</source>
        <translation>%1 adresindeki oturum veri yolu yanıt vermedi</translation>
    </message>
</context>
<context>
    <name>orvanta::DisplayPage</name>
    <message>
        <source>The language&apos;s own</source>
        <translation>Dilin varsayılanı</translation>
    </message>
    <message>
        <source>12-hour (5:25 PM)</source>
        <translation>12 saat (ÖS 5:25)</translation>
    </message>
    <message>
        <source>24-hour (17:25)</source>
        <translation>24 saat (17:25)</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Saat</translation>
    </message>
    <message>
        <source>How the prayer times are shown</source>
        <translation>Namaz vakitlerinin gösterimi</translation>
    </message>
    <message>
        <source>&amp;Clock</source>
        <translation>&amp;Saat</translation>
    </message>
    <message>
        <source>Show &amp;Imsak and the night&apos;s times</source>
        <translation>Sahur sonunu ve gece vakitlerini &amp;göster</translation>
    </message>
    <message>
        <source>Imsak, the middle of the night and its last third under the six times</source>
        <translation>Altı vaktin altında sahur sonu, gece yarısı ve gecenin son üçte biri</translation>
    </message>
    <message>
        <source>The method&apos;s own</source>
        <translation>Yöntemin kendi ayarı</translation>
    </message>
    <message>
        <source>Imsak, minutes before Fajr</source>
        <translation>Sahur sonu, imsaktan önceki dakika</translation>
    </message>
    <message>
        <source>I&amp;msak, minutes before Fajr</source>
        <translation>Sahur s&amp;onu, imsaktan önceki dakika</translation>
    </message>
</context>
<context>
    <name>orvanta::MainWindow</name>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Araçlar</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Hesapla</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Seçenekler</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>Prayer</source>
        <translation>Namaz</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Vakit</translation>
    </message>
    <message>
        <source>Location </source>
        <extracomment>The caption before the city&apos;s name; the space keeps it off the field.</extracomment>
        <translation>Konum </translation>
    </message>
    <message>
        <source>Date </source>
        <extracomment>The caption before the date; the space keeps it off the field.</extracomment>
        <translation>Tarih </translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Konum</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tarih</translation>
    </message>
    <message>
        <source>Prayer times</source>
        <translation>Namaz vakitleri</translation>
    </message>
    <message>
        <source>Prayer times of %1 on %2</source>
        <translation>%1 için %2 namaz vakitleri</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, next prayer</source>
        <translation>%1, sonraki namaz</translation>
    </message>
    <message>
        <source>Next prayer</source>
        <translation>Sonraki namaz</translation>
    </message>
    <message>
        <source>Couldn&apos;t change the autostart entry %1.</source>
        <translation>Otomatik başlatma girdisi %1 değiştirilemedi.</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>Hicri tarih</translation>
    </message>
    <message>
        <source>Qibla direction</source>
        <translation>Kıble yönü</translation>
    </message>
    <message>
        <source>Degrees clockwise from true north</source>
        <translation type="vanished">Gerçek kuzeyden saat yönünde derece</translation>
    </message>
    <message>
        <source>The program&apos;s path %1 holds a line break or another control character, which an autostart entry cannot hold.</source>
        <translation>Programın yolu %1 bir satır sonu ya da başka bir denetim karakteri içeriyor; otomatik başlatma girdisi bunu taşıyamaz.</translation>
    </message>
    <message>
        <source>&quot;Start at login&quot; stays as it was.</source>
        <translation>&quot;Oturum açılınca başlat&quot; olduğu gibi kaldı.</translation>
    </message>
    <message>
        <source>&amp;Timetable...</source>
        <translation>&amp;Vakit çizelgesi...</translation>
    </message>
    <message>
        <source>%1, degrees clockwise from true north</source>
        <translation>%1, gerçek kuzeyden saat yönünde derece</translation>
    </message>
    <message>
        <source>%1; next prayer: %2</source>
        <translation>%1; sonraki namaz: %2</translation>
    </message>
    <message>
        <source>Qibla dial</source>
        <translation>Kıble pusulası</translation>
    </message>
</context>
<context>
    <name>orvanta::MediaSoundPlayer</name>
    <message>
        <source>cannot play the reminder sound (%1); reminders come without sound</source>
        <translation>hatırlatma sesi çalınamıyor (%1); hatırlatmalar sessiz gelir</translation>
    </message>
    <message>
        <source>no audio output device</source>
        <translation>ses çıkış aygıtı yok</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 normal bir dosya değil</translation>
    </message>
</context>
<context>
    <name>orvanta::MethodPage</name>
    <message>
        <source>Fajr</source>
        <translation>İmsak</translation>
    </message>
    <message>
        <source>Shuruq</source>
        <translation>Güneş</translation>
    </message>
    <message>
        <source>Zuhr</source>
        <translation>Öğle</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>İkindi</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>Akşam</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Yatsı</translation>
    </message>
    <message>
        <source>Fajr angle</source>
        <translation type="vanished">İmsak açısı</translation>
    </message>
    <message>
        <source>Isha angle</source>
        <translation type="vanished">Yatsı açısı</translation>
    </message>
    <message>
        <source>Isha minutes after Maghrib</source>
        <translation>Akşamdan sonra yatsıya dakika</translation>
    </message>
    <message>
        <source>Maghrib angle</source>
        <translation type="vanished">Akşam açısı</translation>
    </message>
    <message>
        <source>Classic (the first page)</source>
        <translation>Klasik (ilk sayfa)</translation>
    </message>
    <message>
        <source>The method&apos;s own</source>
        <translation>Yöntemin kendi ayarı</translation>
    </message>
    <message numerus="yes">
        <source> min</source>
        <extracomment>After the number of minutes in a spin box; keep the leading space.</extracomment>
        <translation>
            <numerusform> dk</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 adjustment in minutes</source>
        <translation>%1 düzeltmesi (dakika)</translation>
    </message>
    <message>
        <source>Override</source>
        <translation>Geçersiz kıl</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Dakika</translation>
    </message>
    <message>
        <source>High latitudes</source>
        <translation>Yüksek enlemler</translation>
    </message>
    <message>
        <source>Rounding</source>
        <translation>Yuvarlama</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Yöntem</translation>
    </message>
    <message>
        <source>The authority whose method computes the times</source>
        <translation>Vakitleri hesaplayan yöntemin kurumu</translation>
    </message>
    <message>
        <source>Fajr angle in degrees</source>
        <translation>İmsak açısı (derece)</translation>
    </message>
    <message>
        <source>Isha angle in degrees</source>
        <translation>Yatsı açısı (derece)</translation>
    </message>
    <message>
        <source>Maghrib angle in degrees</source>
        <translation>Akşam açısı (derece)</translation>
    </message>
    <message>
        <source>How Fajr and Isha are found where twilight lasts all night</source>
        <translation>Alacakaranlığın bütün gece sürdüğü yerlerde imsak ve yatsının bulunması</translation>
    </message>
    <message>
        <source>One angle or one interval for Fajr and Isha, as the first page sets it.</source>
        <translation>İmsak ve yatsı için, ilk sayfadaki gibi tek bir açı ya da tek bir süre.</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Kaynak: %1</translation>
    </message>
    <message>
        <source>within the seasonal bound</source>
        <translation>mevsimsel sınır içinde</translation>
    </message>
    <message>
        <source>min after Maghrib</source>
        <translation>dk akşamdan sonra</translation>
    </message>
    <message>
        <source>rounded up</source>
        <translation>yukarı yuvarlanır</translation>
    </message>
    <message>
        <source>in Ramadan</source>
        <translation>Ramazan&apos;da</translation>
    </message>
    <message>
        <source>temkin</source>
        <translation>temkin</translation>
    </message>
    <message>
        <source>min</source>
        <translation>dk</translation>
    </message>
    <message>
        <source>the authority prescribes none; it gives Fajr and Isha wherever the sun rises and sets</source>
        <translation>kurum bir kural öngörmüyor; bu kural güneşin doğup battığı her yerde imsak ve yatsıyı verir</translation>
    </message>
    <message>
        <source>its Fiqh Council&apos;s decree: Fajr and Isha by analogy with the nearest latitude where they are distinct</source>
        <translation>Fıkıh Konseyi kararı: imsak ve yatsı, alametlerin belirgin olduğu en yakın enleme kıyasla</translation>
    </message>
    <message>
        <source>the Committee&apos;s own: one seventh of the night at and above 55°</source>
        <translation>Komitenin kendi kuralı: 55° ve üzerinde gecenin yedide biri</translation>
    </message>
    <message>
        <source>High latitudes: %1 (%2)</source>
        <translation>Yüksek enlemler: %1 (%2)</translation>
    </message>
    <message>
        <source>Nearest latitude</source>
        <translation type="vanished">En yakın enlem</translation>
    </message>
    <message>
        <source>Latitude in degrees at which the day is computed</source>
        <translation>Günün hesaplandığı enlem, derece olarak</translation>
    </message>
    <message>
        <source>Fa&amp;jr</source>
        <translation>İ&amp;msak</translation>
    </message>
    <message>
        <source>&amp;Shuruq</source>
        <translation>&amp;Güneş</translation>
    </message>
    <message>
        <source>&amp;Zuhr</source>
        <translation>&amp;Öğle</translation>
    </message>
    <message>
        <source>As&amp;r</source>
        <translation>İk&amp;indi</translation>
    </message>
    <message>
        <source>Maghri&amp;b</source>
        <translation>Ak&amp;şam</translation>
    </message>
    <message>
        <source>Is&amp;ha</source>
        <translation>Yatsı (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Fajr angle</source>
        <translation>İmsak &amp;açısı</translation>
    </message>
    <message>
        <source>&amp;Isha angle</source>
        <translation>Ya&amp;tsı açısı</translation>
    </message>
    <message>
        <source>Isha minutes &amp;after Maghrib</source>
        <translation>Akşamdan &amp;sonra yatsıya dakika</translation>
    </message>
    <message>
        <source>Ma&amp;ghrib angle</source>
        <translation>A&amp;kşam açısı</translation>
    </message>
    <message>
        <source>High &amp;latitudes</source>
        <translation>Yüksek &amp;enlemler</translation>
    </message>
    <message>
        <source>&amp;Nearest latitude</source>
        <translation>E&amp;n yakın enlem</translation>
    </message>
    <message>
        <source>R&amp;ounding</source>
        <translation>Y&amp;uvarlama</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Yöntem:</translation>
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
        <translation>Yöntem</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Görünüm</translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="vanished">Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="vanished">İptal</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Seçenekler</translation>
    </message>
    <message>
        <source>Angle or interval</source>
        <translation>Açı ya da süre</translation>
    </message>
    <message>
        <source>Degrees below the horizon for the depression angle, minutes for the interval</source>
        <translation>Alçalma açısı için ufkun altındaki derece, süre için dakika</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Şehir</translation>
    </message>
    <message>
        <source>Type a few letters to see matching cities</source>
        <translation>Eşleşen şehirleri görmek için birkaç harf yazın</translation>
    </message>
    <message>
        <source>Companion</source>
        <translation>Yardımcı</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Hatırlatmalar</translation>
    </message>
    <message>
        <source>Home city %1 is used instead.</source>
        <translation>Bunun yerine ev şehri %1 kullanılıyor.</translation>
    </message>
    <message>
        <source>C&amp;lear home city</source>
        <translation>Ev şehrini &amp;temizle</translation>
    </message>
    <message>
        <source>Clear home city</source>
        <translation>Ev şehrini temizle</translation>
    </message>
    <message>
        <source>Couldn&apos;t clear the home city.</source>
        <translation>Ev şehri temizlenemedi.</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Takvim</translation>
    </message>
    <message>
        <source>Use &amp;my location</source>
        <translation>&amp;Konumumu kullan</translation>
    </message>
    <message>
        <source>Asks the desktop&apos;s location service and puts the nearest city in the City field</source>
        <translation>Masaüstünün konum hizmetine sorar ve en yakın şehri Şehir alanına yazar</translation>
    </message>
    <message>
        <source>Asking the desktop for your location…</source>
        <translation>Konumunuz masaüstüne soruluyor…</translation>
    </message>
    <message>
        <source>Your location is known, but the city database cannot be read.</source>
        <translation>Konumunuz biliniyor, ancak şehir veritabanı okunamıyor.</translation>
    </message>
    <message>
        <source>Nearest city: %1, %2 km away. Press OK to use it.</source>
        <extracomment>%1 city name, %2 distance in kilometres (whole number).</extracomment>
        <translation>En yakın şehir: %1, %2 km uzakta. Kullanmak için Tamam&apos;a basın.</translation>
    </message>
    <message>
        <source>This desktop has no location service.</source>
        <translation>Bu masaüstünde konum hizmeti yok.</translation>
    </message>
    <message>
        <source>The location service did not allow Orvanta your location.</source>
        <translation>Konum hizmeti Orvanta&apos;nın konumunuzu almasına izin vermedi.</translation>
    </message>
    <message>
        <source>The location service did not answer in time.</source>
        <translation>Konum hizmeti zamanında yanıt vermedi.</translation>
    </message>
</context>
<context>
    <name>orvanta::ReminderPage</name>
    <message>
        <source>Remind me at</source>
        <translation>Bana hatırlat</translation>
    </message>
    <message>
        <source>Remind me at %1</source>
        <translation>%1 vaktinde bana hatırlat</translation>
    </message>
    <message numerus="yes">
        <source> min before</source>
        <translation>
            <numerusform> dk önce</numerusform>
        </translation>
    </message>
    <message>
        <source>None</source>
        <translation>Yok</translation>
    </message>
    <message>
        <source>Early reminder, minutes before the time</source>
        <translation>Erken hatırlatma, vakitten kaç dakika önce</translation>
    </message>
    <message>
        <source>&amp;Early reminder:</source>
        <translation>&amp;Erken hatırlatma:</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ses</translation>
    </message>
    <message>
        <source>&amp;Play a sound with each reminder</source>
        <translation>Her hatırlatmada bir ses ç&amp;al</translation>
    </message>
    <message>
        <source>Play a sound with each reminder</source>
        <translation>Her hatırlatmada bir ses çal</translation>
    </message>
    <message>
        <source>Built-in chime</source>
        <translation>Yerleşik zil</translation>
    </message>
    <message>
        <source>Sound file</source>
        <translation>Ses dosyası</translation>
    </message>
    <message>
        <source>C&amp;hoose...</source>
        <translation>&amp;Seç...</translation>
    </message>
    <message>
        <source>Choose a sound file</source>
        <translation>Bir ses dosyası seçin</translation>
    </message>
    <message>
        <source>&amp;Built-in</source>
        <translation>&amp;Yerleşik</translation>
    </message>
    <message>
        <source>Use the built-in chime</source>
        <translation>Yerleşik zili kullan</translation>
    </message>
    <message>
        <source>File:</source>
        <translation type="vanished">Dosya:</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Ses düzeyi</translation>
    </message>
    <message>
        <source>P&amp;lay</source>
        <translation>Ça&amp;l</translation>
    </message>
    <message>
        <source>Play the sound now</source>
        <translation>Sesi şimdi çal</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Durdur</translation>
    </message>
    <message>
        <source>Stop the sound</source>
        <translation>Sesi durdur</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation type="vanished">Ses düzeyi:</translation>
    </message>
    <message>
        <source>Reminder sound</source>
        <translation>Hatırlatma sesi</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.ogg *.oga *.opus *.mp3 *.flac *.m4a *.aac);;All files (*)</source>
        <translation>Sesler (*.wav *.ogg *.oga *.opus *.mp3 *.flac *.m4a *.aac);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>Fa&amp;jr (Dawn)</source>
        <translation>İ&amp;msak</translation>
    </message>
    <message>
        <source>Sh&amp;uruq (Sunrise)</source>
        <translation>&amp;Güneş</translation>
    </message>
    <message>
        <source>&amp;Zuhr (Noon)</source>
        <translation>&amp;Öğle</translation>
    </message>
    <message>
        <source>As&amp;r (Afternoon)</source>
        <translation>İ&amp;kindi</translation>
    </message>
    <message>
        <source>&amp;Maghrib (Sunset)</source>
        <translation>Ak&amp;şam</translation>
    </message>
    <message>
        <source>&amp;Isha (Night)</source>
        <translation>Ya&amp;tsı</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>D&amp;osya:</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>Ses d&amp;üzeyi:</translation>
    </message>
    <message>
        <source>Reminder before Jumu&apos;ah on Fridays, minutes</source>
        <translation>Cuma namazından önce hatırlatma, dakika</translation>
    </message>
    <message>
        <source>Bef&amp;ore Jumu&apos;ah (Fridays):</source>
        <translation>&amp;Cuma namazından önce:</translation>
    </message>
</context>
<context>
    <name>orvanta::ReminderScheduler</name>
    <message>
        <source>%1 at %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 in %2 min, at %3</source>
        <translation type="vanished">%1: %2 dk sonra, %3</translation>
    </message>
    <message>
        <source>%1 in %2, at %3</source>
        <translation>%1: %2 sonra, %3</translation>
    </message>
</context>
<context>
    <name>orvanta::TimetableWindow</name>
    <message>
        <source>Timetable</source>
        <translation>Vakit çizelgesi</translation>
    </message>
    <message>
        <source>&lt; &amp;Previous</source>
        <translation>&lt; Ö&amp;nceki</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Sonraki &gt;</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Ay</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Yıl</translation>
    </message>
    <message>
        <source>Prayer times of the month</source>
        <translation>Ayın namaz vakitleri</translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="vanished">Tarih</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation type="vanished">Hicri</translation>
    </message>
    <message>
        <source>Export &amp;CSV...</source>
        <translation>&amp;CSV dışa aktar...</translation>
    </message>
    <message>
        <source>Export &amp;iCalendar...</source>
        <translation>&amp;iCalendar dışa aktar...</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>&amp;Yazdır...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>P&amp;DF olarak kaydet...</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Kapat</translation>
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
        <translation>%1 için vakitler hesaplanamıyor: saat diliminin kuralları okunamıyor.</translation>
    </message>
    <message>
        <source>%1 (today)</source>
        <translation>%1 (bugün)</translation>
    </message>
    <message>
        <source>The timetable could not be written to %1.</source>
        <translation>Vakit çizelgesi %1 dosyasına yazılamadı.</translation>
    </message>
    <message>
        <source>The timetable could not be saved as %1.</source>
        <translation>Vakit çizelgesi %1 olarak kaydedilemedi.</translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation>CSV olarak dışa aktar</translation>
    </message>
    <message>
        <source>Export as iCalendar</source>
        <translation>iCalendar olarak dışa aktar</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV dosyaları (*.csv)</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar dosyaları (*.ics)</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>PDF olarak kaydet</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF dosyaları (*.pdf)</translation>
    </message>
    <message>
        <source>Print Timetable</source>
        <translation>Vakit çizelgesini yazdır</translation>
    </message>
    <message>
        <source>The timetable could not be printed.</source>
        <translation>Vakit çizelgesi yazdırılamadı.</translation>
    </message>
    <message>
        <source>%1 is not a regular file (it is a device, a FIFO, a socket or a folder); the timetable was not written to it.</source>
        <translation>%1 normal bir dosya değil (bir aygıt, FIFO, soket ya da klasör); vakit çizelgesi ona yazılmadı.</translation>
    </message>
    <message>
        <source>The disk is full; the file was left as it was.</source>
        <translation>Disk dolu; dosya olduğu gibi bırakıldı.</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;Ay:</translation>
    </message>
</context>
</TS>
