<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Orvanta</source>
        <translation>À propos d&apos;Orvanta</translation>
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
            <numerusform>%1 min</numerusform>
            <numerusform>%1 min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 h</source>
        <extracomment>A number of hours, abbreviated as in &quot;Fajr in 2 h&quot;.</extracomment>
        <translation>
            <numerusform>%1 h</numerusform>
            <numerusform>%1 h</numerusform>
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
        <translation>Mouharram</translation>
    </message>
    <message>
        <source>Safar</source>
        <translation>Safar</translation>
    </message>
    <message>
        <source>Rabi I</source>
        <translation>Rabia al awal</translation>
    </message>
    <message>
        <source>Rabi II</source>
        <translation>Rabia ath-thani</translation>
    </message>
    <message>
        <source>Jumada I</source>
        <translation>Joumada al oula</translation>
    </message>
    <message>
        <source>Jumada II</source>
        <translation>Joumada ath-thania</translation>
    </message>
    <message>
        <source>Rajab</source>
        <translation>Rajab</translation>
    </message>
    <message>
        <source>Sha&apos;ban</source>
        <translation>Chaabane</translation>
    </message>
    <message>
        <source>Ramadan</source>
        <translation>Ramadan</translation>
    </message>
    <message>
        <source>Shawwal</source>
        <translation>Chawwal</translation>
    </message>
    <message>
        <source>Dhu al-Qi&apos;dah</source>
        <translation>Dhou al qi`da</translation>
    </message>
    <message>
        <source>Dhu al-Hijjah</source>
        <translation>Dhou al-hijja</translation>
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
        <translation>Nouvel An islamique</translation>
    </message>
    <message>
        <source>Ashura</source>
        <translation>Achoura</translation>
    </message>
    <message>
        <source>Mawlid</source>
        <translation>Mawlid</translation>
    </message>
    <message>
        <source>Isra and Mi&apos;raj</source>
        <translation>Isra et Miraj</translation>
    </message>
    <message>
        <source>Mid-Sha&apos;ban</source>
        <translation>Mi-Chaabane</translation>
    </message>
    <message>
        <source>First of Ramadan</source>
        <translation>Premier jour du Ramadan</translation>
    </message>
    <message>
        <source>Laylat al-Qadr</source>
        <translation>Laylat al-Qadr</translation>
    </message>
    <message>
        <source>Eid al-Fitr</source>
        <translation>Aïd al-Fitr</translation>
    </message>
    <message>
        <source>Day of Arafah</source>
        <translation>Jour d&apos;Arafat</translation>
    </message>
    <message>
        <source>Eid al-Adha</source>
        <translation>Aïd al-Adha</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Couldn&apos;t find city!</source>
        <translation>Ville introuvable&#xa0;!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Error getting data!</source>
        <translation>Erreur lors de l&apos;obtention des données&#xa0;!</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Erreur&#xa0;!</translation>
    </message>
    <message>
        <source>Settings could not be saved.</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés.</translation>
    </message>
    <message>
        <source>??? (Can&apos;t determine)</source>
        <translation>??? (Indéterminable)</translation>
    </message>
    <message>
        <source>The city database cities.db was not found. Paths tried:</source>
        <translation>La base de données des villes cities.db est introuvable. Chemins essayés&#xa0;:</translation>
    </message>
</context>
<context>
    <name>MethodWords</name>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Middle of the night</source>
        <translation>Milieu de la nuit</translation>
    </message>
    <message>
        <source>One seventh of the night</source>
        <translation>Septième de la nuit</translation>
    </message>
    <message>
        <source>Twilight angle</source>
        <translation>Angle du crépuscule</translation>
    </message>
    <message>
        <source>To the nearest minute</source>
        <translation>Au plus proche</translation>
    </message>
    <message>
        <source>Up to the next minute</source>
        <translation>Vers le haut</translation>
    </message>
    <message>
        <source>Nearest day</source>
        <translation>Jour le plus proche</translation>
    </message>
    <message>
        <source>Nearest latitude</source>
        <translation>Latitude la plus proche</translation>
    </message>
    <message>
        <source>%1 %2 min</source>
        <extracomment>%1: a prayer&apos;s short name; %2: signed whole minutes added to its time (&quot;+2&quot;, &quot;-3&quot;).</extracomment>
        <translation>%1 %2 min</translation>
    </message>
    <message>
        <source>Fajr %1°</source>
        <translation>Fajr %1°</translation>
    </message>
    <message>
        <source>Isha %1°</source>
        <translation>Icha %1°</translation>
    </message>
    <message>
        <source>Isha %1 min after Maghrib (%2 in Ramadan)</source>
        <translation>Icha %1 min après le Maghrib (%2 pendant le Ramadan)</translation>
    </message>
    <message>
        <source>Isha %1 min after Maghrib</source>
        <translation>Icha %1 min après le Maghrib</translation>
    </message>
    <message>
        <source>Maghrib %1°</source>
        <translation>Maghrib %1°</translation>
    </message>
    <message>
        <source>Fajr and Isha within the seasonal bound</source>
        <translation>Fajr et Icha dans la limite saisonnière</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the parts of one group of the method&apos;s line (&quot;Fajr 18°, Isha 17°&quot;).</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>high latitudes: %1</source>
        <translation>hautes latitudes : %1</translation>
    </message>
    <message>
        <source>high latitudes: %1 at %2</source>
        <extracomment>%1: the rule&apos;s name (&quot;Nearest latitude&quot;); %2: its latitude in degrees.</extracomment>
        <translation>hautes latitudes : %1 à %2</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between the groups of the method&apos;s line: twilights; adjustments; high latitudes; Asr.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1: the authority&apos;s own name (not translated); %2: its angles and intervals.</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>rounded up to the next minute</source>
        <translation>arrondi à la minute supérieure</translation>
    </message>
</context>
<context>
    <name>NextPrayer</name>
    <message>
        <source>Fajr</source>
        <translation>Fajr</translation>
    </message>
    <message>
        <source>Shuruq</source>
        <translation>Chourouk</translation>
    </message>
    <message>
        <source>Zuhr</source>
        <translation>Dhohr</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>Asr</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>Maghrib</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Icha</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>%1 in %2 min</source>
        <translation type="vanished">%1 dans %2 min</translation>
    </message>
    <message>
        <source>%1 in %2 h</source>
        <translation type="vanished">%1 dans %2 h</translation>
    </message>
    <message>
        <source>%1 in %2 h %3 min</source>
        <translation type="vanished">%1 dans %2 h %3 min</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <extracomment>A prayer and the time left: &quot;Fajr in 1 h 12 min&quot;.</extracomment>
        <translation>%1 dans %2</translation>
    </message>
    <message>
        <source>%1 tomorrow at %2</source>
        <extracomment>The next prayer is on the day after the list&apos;s day: &quot;Fajr tomorrow at 5:27 AM&quot;.</extracomment>
        <translation>%1 demain à %2</translation>
    </message>
    <message>
        <source>%1 tomorrow at %2, in %3</source>
        <extracomment>The next prayer on the day after the list&apos;s day, its clock time and the time left: &quot;Fajr tomorrow at 5:27 AM, in 7 h 12 min&quot;.</extracomment>
        <translation>%1 demain à %2, dans %3</translation>
    </message>
</context>
<context>
    <name>Notices</name>
    <message>
        <source>the settings file %1 was damaged and has been moved to %2; the settings are saved in a new file</source>
        <translation>le fichier de réglages %1 était endommagé et a été déplacé vers %2&#xa0;; les réglages sont enregistrés dans un nouveau fichier</translation>
    </message>
    <message>
        <source>%1 was damaged and has been moved to %2; your home city and your own cities in it are no longer used</source>
        <translation>%1 était endommagé et a été déplacé vers %2&#xa0;; votre ville de résidence et vos propres villes qu&apos;il contenait ne sont plus utilisées</translation>
    </message>
    <message>
        <source>cannot read the settings file %1 (it is not a regular file, or not readable); the default settings are used and the file is left as it is</source>
        <translation>impossible de lire le fichier de réglages %1 (ce n&apos;est pas un fichier ordinaire, ou il n&apos;est pas lisible)&#xa0;; les réglages par défaut sont utilisés et le fichier est laissé tel quel</translation>
    </message>
    <message>
        <source>the settings file %1 is damaged; the default settings are used, and saving the settings moves it aside</source>
        <translation>le fichier de réglages %1 est endommagé&#xa0;; les réglages par défaut sont utilisés, et l&apos;enregistrement des réglages le mettra de côté</translation>
    </message>
    <message>
        <source>%1 is not a regular file and is left alone; your home city and your own cities cannot be used</source>
        <translation>%1 n&apos;est pas un fichier ordinaire et reste intact&#xa0;; votre ville de résidence et vos propres villes ne peuvent pas être utilisées</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>The end of a sentence: the language&apos;s full stop after %1.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>the settings file %1 is too large to be a settings file (over 16 MiB); the default settings are used and the file is left as it is</source>
        <translation>le fichier de réglages %1 est trop volumineux pour être un fichier de réglages (plus de 16&#xa0;Mio)&#xa0;; les réglages par défaut sont utilisés et le fichier est laissé tel quel</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Sunrise Calculation</source>
        <translation>Calcul du lever du soleil</translation>
    </message>
    <message>
        <source>By Depression Angle</source>
        <translation type="vanished">Par angle de dépression</translation>
    </message>
    <message>
        <source>By Interval</source>
        <translation type="vanished">Par intervalle</translation>
    </message>
    <message>
        <source>Fiqh</source>
        <translation>Fiqh</translation>
    </message>
    <message>
        <source>Shafi</source>
        <translation type="vanished">Chaféite</translation>
    </message>
    <message>
        <source>Hanafi</source>
        <translation type="vanished">Hanafite</translation>
    </message>
    <message>
        <source>City</source>
        <translation type="vanished">Ville</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>A&amp;ngle or interval</source>
        <translation>&amp;Angle ou intervalle</translation>
    </message>
    <message>
        <source>By &amp;Depression Angle</source>
        <translation>&amp;Par angle de dépression</translation>
    </message>
    <message>
        <source>By &amp;Interval</source>
        <translation>Par &amp;intervalle</translation>
    </message>
    <message>
        <source>&amp;Shafi</source>
        <translation>&amp;Chaféite</translation>
    </message>
    <message>
        <source>&amp;Hanafi</source>
        <translation>&amp;Hanafite</translation>
    </message>
    <message>
        <source>&amp;City</source>
        <translation>&amp;Ville</translation>
    </message>
</context>
<context>
    <name>PrayerNames</name>
    <message>
        <source>Fajr (Dawn)</source>
        <translation>Fajr (aube)</translation>
    </message>
    <message>
        <source>Shuruq (Sunrise)</source>
        <translation>Chourouk (lever du soleil)</translation>
    </message>
    <message>
        <source>Zuhr (Noon)</source>
        <translation>Dhohr (midi)</translation>
    </message>
    <message>
        <source>Asr (Afternoon)</source>
        <translation>Asr (après-midi)</translation>
    </message>
    <message>
        <source>Maghrib (Sunset)</source>
        <translation>Maghrib (coucher du soleil)</translation>
    </message>
    <message>
        <source>Isha (Night)</source>
        <translation>Icha (nuit)</translation>
    </message>
    <message>
        <source>Jumu&apos;ah (Friday)</source>
        <translation>Joumoua (vendredi)</translation>
    </message>
    <message>
        <source>Imsak</source>
        <translation>Imsak</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>Milieu de la nuit</translation>
    </message>
    <message>
        <source>Last third of the night</source>
        <translation>Dernier tiers de la nuit</translation>
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
        <translation>Afficher les détails...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Masquer les détails...</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Qibla</name>
    <message>
        <source>Qibla: none, this is the Kaaba</source>
        <translation>Qibla&#xa0;: aucune, c&apos;est la Kaaba</translation>
    </message>
    <message>
        <source>Qibla: every direction</source>
        <translation>Qibla&#xa0;: toutes les directions</translation>
    </message>
    <message>
        <source>Qibla %1°</source>
        <extracomment>%1: degrees clockwise from true north, one decimal.</extracomment>
        <translation>Qibla %1°</translation>
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
        <translation>janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>décembre</translation>
    </message>
    <message>
        <source>Fajr</source>
        <translation>Fajr</translation>
    </message>
    <message>
        <source>Shuruq</source>
        <translation>Chourouk</translation>
    </message>
    <message>
        <source>Zuhr</source>
        <translation>Dhohr</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>Asr</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>Maghrib</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Icha</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Timetable title: %1 month name, %2 year.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Fajr and Isha with the sun %1° below the horizon</source>
        <translation>Fajr et Icha avec le soleil à %1° sous l&apos;horizon</translation>
    </message>
    <message>
        <source>Fajr %1 min before sunrise, Isha %1 min after sunset</source>
        <translation>Fajr %1 min avant le lever du soleil, Icha %1 min après le coucher</translation>
    </message>
    <message>
        <source>Asr Shafi</source>
        <translation>Asr chaféite</translation>
    </message>
    <message>
        <source>Asr Hanafi</source>
        <translation>Asr hanafite</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>Hégire</translation>
    </message>
    <message>
        <source>Imsak</source>
        <translation>Imsak</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>Milieu de la nuit</translation>
    </message>
    <message>
        <source>Last third</source>
        <translation>Dernier tiers</translation>
    </message>
    <message>
        <source>Jumu&apos;ah %1</source>
        <extracomment>A Friday&apos;s Zuhr cell: %1 the time of the Friday prayer, Jumu&apos;ah.</extracomment>
        <translation>Joumoua %1</translation>
    </message>
    <message>
        <source>timetable of %1</source>
        <translation>horaires de %1</translation>
    </message>
    <message>
        <source>%1 from %2 to %3; other days: %4</source>
        <translation>%1 du %2 au %3 ; autres jours : %4</translation>
    </message>
</context>
<context>
    <name>orvanta::AboutDialog</name>
    <message>
        <source>About Orvanta</source>
        <translation>À propos d&apos;Orvanta</translation>
    </message>
    <message>
        <source>© 2026 The Orvanta developers, MIT</source>
        <translation>© 2026 Les développeurs d&apos;Orvanta, MIT</translation>
    </message>
    <message>
        <source>City data © GeoNames, CC BY 4.0</source>
        <translation>Données des villes © GeoNames, CC BY 4.0</translation>
    </message>
</context>
<context>
    <name>orvanta::CalendarPage</name>
    <message numerus="yes">
        <source> days</source>
        <extracomment>After the number of days in a spin box; keep the leading space.</extracomment>
        <translation>
            <numerusform> jour</numerusform>
            <numerusform> jours</numerusform>
        </translation>
    </message>
    <message>
        <source>Hijri date offset</source>
        <translation>Décalage de la date de l&apos;Hégire</translation>
    </message>
    <message>
        <source>Days added to the computed Hijri date, from minus 2 to plus 2</source>
        <translation>Jours ajoutés à la date de l&apos;Hégire calculée, de moins 2 à plus 2</translation>
    </message>
    <message>
        <source>&amp;Hijri date offset:</source>
        <translation>&amp;Décalage de la date de l&apos;Hégire&#xa0;:</translation>
    </message>
    <message>
        <source>The Hijri date follows the Umm al-Qura calendar. Where the month begins with a local sighting of the moon, move it by a day or two.</source>
        <translation>La date de l&apos;Hégire suit le calendrier Umm al-Qura. Là où le mois commence avec l&apos;observation locale du croissant, décalez-la d&apos;un ou deux jours.</translation>
    </message>
</context>
<context>
    <name>orvanta::CompanionPage</name>
    <message>
        <source>&amp;Keep running in the tray</source>
        <translation>&amp;Continuer dans la zone de notification</translation>
    </message>
    <message>
        <source>&amp;Start at login, in the tray</source>
        <translation>&amp;Démarrer à l&apos;ouverture de session, dans la zone de notification</translation>
    </message>
    <message>
        <source>This desktop has no tray: closing the window ends the program.</source>
        <translation>Ce bureau n&apos;a pas de zone de notification&#xa0;: fermer la fenêtre quitte le programme.</translation>
    </message>
    <message>
        <source>Keep running in the tray</source>
        <translation>Continuer dans la zone de notification</translation>
    </message>
    <message>
        <source>Closing the window hides it; the tray icon shows the next prayer.</source>
        <translation>Fermer la fenêtre la masque&#xa0;; l&apos;icône de notification indique la prochaine prière.</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>Démarrer à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>No tray on this desktop</source>
        <translation>Pas de zone de notification sur ce bureau</translation>
    </message>
</context>
<context>
    <name>orvanta::CompanionTray</name>
    <message>
        <source>Hide window</source>
        <translation>Masquer la fenêtre</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Stop sound</source>
        <translation>Arrêter le son</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Show window</source>
        <translation>Afficher la fenêtre</translation>
    </message>
</context>
<context>
    <name>orvanta::DBusNotifier</name>
    <message>
        <source>Stop sound</source>
        <translation>Arrêter le son</translation>
    </message>
    <message>
        <source>the desktop&apos;s notification service cannot be reached (%1); reminders cannot be shown</source>
        <translation>le service de notifications du bureau est injoignable (%1)&#xa0;; les rappels ne peuvent pas être affichés</translation>
    </message>
    <message>
        <source>the session bus at %1 did not answer</source>
        <translation>le bus de session à %1 n&apos;a pas répondu</translation>
    </message>
</context>
<context>
    <name>orvanta::DisplayPage</name>
    <message>
        <source>The language&apos;s own</source>
        <translation>Celui de la langue</translation>
    </message>
    <message>
        <source>12-hour (5:25 PM)</source>
        <translation>12 heures (5:25 PM)</translation>
    </message>
    <message>
        <source>24-hour (17:25)</source>
        <translation>24 heures (17:25)</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>How the prayer times are shown</source>
        <translation>Comment les heures de prière sont affichées</translation>
    </message>
    <message>
        <source>&amp;Clock</source>
        <translation>&amp;Horloge</translation>
    </message>
    <message>
        <source>Show &amp;Imsak and the night&apos;s times</source>
        <translation>Afficher l&apos;&amp;imsak et les heures de la nuit</translation>
    </message>
    <message>
        <source>Imsak, the middle of the night and its last third under the six times</source>
        <translation>L&apos;imsak, le milieu de la nuit et son dernier tiers sous les six heures</translation>
    </message>
    <message>
        <source>The method&apos;s own</source>
        <translation>Celui de la méthode</translation>
    </message>
    <message>
        <source>Imsak, minutes before Fajr</source>
        <translation>Imsak, minutes avant Fajr</translation>
    </message>
    <message>
        <source>I&amp;msak, minutes before Fajr</source>
        <translation>I&amp;msak, minutes avant Fajr</translation>
    </message>
</context>
<context>
    <name>orvanta::MainWindow</name>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calculer</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Prayer</source>
        <translation>Prière</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Location </source>
        <extracomment>The caption before the city&apos;s name; the space keeps it off the field.</extracomment>
        <translation>Lieu </translation>
    </message>
    <message>
        <source>Date </source>
        <extracomment>The caption before the date; the space keeps it off the field.</extracomment>
        <translation>Date </translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Prayer times</source>
        <translation>Heures de prière</translation>
    </message>
    <message>
        <source>Prayer times of %1 on %2</source>
        <translation>Heures de prière à %1 le %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, next prayer</source>
        <translation>%1, prochaine prière</translation>
    </message>
    <message>
        <source>Next prayer</source>
        <translation>Prochaine prière</translation>
    </message>
    <message>
        <source>Couldn&apos;t change the autostart entry %1.</source>
        <translation>Impossible de modifier l&apos;entrée de démarrage automatique %1.</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>Date de l&apos;Hégire</translation>
    </message>
    <message>
        <source>Qibla direction</source>
        <translation>Direction de la qibla</translation>
    </message>
    <message>
        <source>Degrees clockwise from true north</source>
        <translation type="vanished">Degrés dans le sens horaire depuis le nord géographique</translation>
    </message>
    <message>
        <source>The program&apos;s path %1 holds a line break or another control character, which an autostart entry cannot hold.</source>
        <translation>Le chemin du programme %1 contient un saut de ligne ou un autre caractère de contrôle, qu&apos;une entrée de démarrage automatique ne peut pas contenir.</translation>
    </message>
    <message>
        <source>&quot;Start at login&quot; stays as it was.</source>
        <translation>«&#xa0;Démarrer à l&apos;ouverture de session&#xa0;» reste inchangé.</translation>
    </message>
    <message>
        <source>&amp;Timetable...</source>
        <translation>&amp;Horaires...</translation>
    </message>
    <message>
        <source>%1, degrees clockwise from true north</source>
        <translation>%1, en degrés dans le sens horaire depuis le nord géographique</translation>
    </message>
    <message>
        <source>%1; next prayer: %2</source>
        <translation>%1 ; prochaine prière : %2</translation>
    </message>
    <message>
        <source>Qibla dial</source>
        <translation>Boussole de la qibla</translation>
    </message>
</context>
<context>
    <name>orvanta::MediaSoundPlayer</name>
    <message>
        <source>cannot play the reminder sound (%1); reminders come without sound</source>
        <translation>impossible de jouer le son de rappel (%1)&#xa0;; les rappels arrivent sans son</translation>
    </message>
    <message>
        <source>no audio output device</source>
        <translation>aucun périphérique de sortie audio</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 n&apos;est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>orvanta::MethodPage</name>
    <message>
        <source>Fajr</source>
        <translation>Fajr</translation>
    </message>
    <message>
        <source>Shuruq</source>
        <translation>Chourouk</translation>
    </message>
    <message>
        <source>Zuhr</source>
        <translation>Dhohr</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>Asr</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>Maghrib</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Icha</translation>
    </message>
    <message>
        <source>Fajr angle</source>
        <translation type="vanished">Angle du Fajr</translation>
    </message>
    <message>
        <source>Isha angle</source>
        <translation type="vanished">Angle de l&apos;Icha</translation>
    </message>
    <message>
        <source>Isha minutes after Maghrib</source>
        <translation>Minutes de l&apos;Icha après le Maghrib</translation>
    </message>
    <message>
        <source>Maghrib angle</source>
        <translation type="vanished">Angle du Maghrib</translation>
    </message>
    <message>
        <source>Classic (the first page)</source>
        <translation>Classique (première page)</translation>
    </message>
    <message>
        <source>The method&apos;s own</source>
        <translation>Celui de la méthode</translation>
    </message>
    <message numerus="yes">
        <source> min</source>
        <extracomment>After the number of minutes in a spin box; keep the leading space.</extracomment>
        <translation>
            <numerusform> min</numerusform>
            <numerusform> min</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 adjustment in minutes</source>
        <translation>Ajustement du %1 en minutes</translation>
    </message>
    <message>
        <source>Override</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>High latitudes</source>
        <translation>Hautes latitudes</translation>
    </message>
    <message>
        <source>Rounding</source>
        <translation>Arrondi</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Méthode</translation>
    </message>
    <message>
        <source>The authority whose method computes the times</source>
        <translation>L&apos;autorité dont la méthode calcule les heures</translation>
    </message>
    <message>
        <source>Fajr angle in degrees</source>
        <translation>Angle du Fajr en degrés</translation>
    </message>
    <message>
        <source>Isha angle in degrees</source>
        <translation>Angle de l&apos;Icha en degrés</translation>
    </message>
    <message>
        <source>Maghrib angle in degrees</source>
        <translation>Angle du Maghrib en degrés</translation>
    </message>
    <message>
        <source>How Fajr and Isha are found where twilight lasts all night</source>
        <translation>Comment trouver le Fajr et l&apos;Icha là où le crépuscule dure toute la nuit</translation>
    </message>
    <message>
        <source>One angle or one interval for Fajr and Isha, as the first page sets it.</source>
        <translation>Un angle ou un intervalle pour le Fajr et l&apos;Icha, comme le fixe la première page.</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Source&#xa0;: %1</translation>
    </message>
    <message>
        <source>within the seasonal bound</source>
        <translation>dans la limite saisonnière</translation>
    </message>
    <message>
        <source>min after Maghrib</source>
        <translation>min après le Maghrib</translation>
    </message>
    <message>
        <source>rounded up</source>
        <translation>arrondi vers le haut</translation>
    </message>
    <message>
        <source>in Ramadan</source>
        <translation>pendant le Ramadan</translation>
    </message>
    <message>
        <source>temkin</source>
        <translation>temkin</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>the authority prescribes none; it gives Fajr and Isha wherever the sun rises and sets</source>
        <translation>l’autorité n’en prescrit aucune&#xa0;; elle donne Fajr et Isha partout où le soleil se lève et se couche</translation>
    </message>
    <message>
        <source>its Fiqh Council&apos;s decree: Fajr and Isha by analogy with the nearest latitude where they are distinct</source>
        <translation>décret de son Conseil du fiqh&#xa0;: Fajr et Isha par analogie avec la latitude la plus proche où ils se distinguent</translation>
    </message>
    <message>
        <source>the Committee&apos;s own: one seventh of the night at and above 55°</source>
        <translation>la règle du Comité&#xa0;: un septième de la nuit à partir de 55°</translation>
    </message>
    <message>
        <source>High latitudes: %1 (%2)</source>
        <translation>Hautes latitudes&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>Nearest latitude</source>
        <translation type="vanished">Latitude la plus proche</translation>
    </message>
    <message>
        <source>Latitude in degrees at which the day is computed</source>
        <translation>Latitude en degrés à laquelle le jour est calculé</translation>
    </message>
    <message>
        <source>Fa&amp;jr</source>
        <translation>&amp;Fajr</translation>
    </message>
    <message>
        <source>&amp;Shuruq</source>
        <translation>&amp;Chourouk</translation>
    </message>
    <message>
        <source>&amp;Zuhr</source>
        <translation>D&amp;hohr</translation>
    </message>
    <message>
        <source>As&amp;r</source>
        <translation>A&amp;sr</translation>
    </message>
    <message>
        <source>Maghri&amp;b</source>
        <translation>Ma&amp;ghrib</translation>
    </message>
    <message>
        <source>Is&amp;ha</source>
        <translation>&amp;Icha</translation>
    </message>
    <message>
        <source>&amp;Fajr angle</source>
        <translation>&amp;Angle du Fajr</translation>
    </message>
    <message>
        <source>&amp;Isha angle</source>
        <translation>Angle &amp;de l&apos;Icha</translation>
    </message>
    <message>
        <source>Isha minutes &amp;after Maghrib</source>
        <translation>Minutes de &amp;l&apos;Icha après le Maghrib</translation>
    </message>
    <message>
        <source>Ma&amp;ghrib angle</source>
        <translation>A&amp;ngle du Maghrib</translation>
    </message>
    <message>
        <source>High &amp;latitudes</source>
        <translation>Ha&amp;utes latitudes</translation>
    </message>
    <message>
        <source>&amp;Nearest latitude</source>
        <translation>Latitude la &amp;plus proche</translation>
    </message>
    <message>
        <source>R&amp;ounding</source>
        <translation>A&amp;rrondi</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Méthode&#xa0;:</translation>
    </message>
</context>
<context>
    <name>orvanta::OptionsDialog</name>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Méthode</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="vanished">OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="vanished">Annuler</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Angle or interval</source>
        <translation>Angle ou intervalle</translation>
    </message>
    <message>
        <source>Degrees below the horizon for the depression angle, minutes for the interval</source>
        <translation>Degrés sous l&apos;horizon pour l&apos;angle de dépression, minutes pour l&apos;intervalle</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Type a few letters to see matching cities</source>
        <translation>Tapez quelques lettres pour voir les villes correspondantes</translation>
    </message>
    <message>
        <source>Companion</source>
        <translation>Compagnon</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Rappels</translation>
    </message>
    <message>
        <source>Home city %1 is used instead.</source>
        <translation>La ville de résidence %1 est utilisée à la place.</translation>
    </message>
    <message>
        <source>C&amp;lear home city</source>
        <translation>&amp;Effacer la ville de résidence</translation>
    </message>
    <message>
        <source>Clear home city</source>
        <translation>Effacer la ville de résidence</translation>
    </message>
    <message>
        <source>Couldn&apos;t clear the home city.</source>
        <translation>Impossible d&apos;effacer la ville de résidence.</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Use &amp;my location</source>
        <translation>Utiliser &amp;ma position</translation>
    </message>
    <message>
        <source>Asks the desktop&apos;s location service and puts the nearest city in the City field</source>
        <translation>Interroge le service de localisation du bureau et place la ville la plus proche dans le champ Ville</translation>
    </message>
    <message>
        <source>Asking the desktop for your location…</source>
        <translation>Demande de votre position au bureau…</translation>
    </message>
    <message>
        <source>Your location is known, but the city database cannot be read.</source>
        <translation>Votre position est connue, mais la base des villes ne peut pas être lue.</translation>
    </message>
    <message>
        <source>Nearest city: %1, %2 km away. Press OK to use it.</source>
        <extracomment>%1 city name, %2 distance in kilometres (whole number).</extracomment>
        <translation>Ville la plus proche : %1, à %2 km. Appuyez sur OK pour l&apos;utiliser.</translation>
    </message>
    <message>
        <source>This desktop has no location service.</source>
        <translation>Ce bureau n&apos;a pas de service de localisation.</translation>
    </message>
    <message>
        <source>The location service did not allow Orvanta your location.</source>
        <translation>Le service de localisation n&apos;a pas donné votre position à Orvanta.</translation>
    </message>
    <message>
        <source>The location service did not answer in time.</source>
        <translation>Le service de localisation n&apos;a pas répondu à temps.</translation>
    </message>
</context>
<context>
    <name>orvanta::ReminderPage</name>
    <message>
        <source>Remind me at</source>
        <translation>Me rappeler à</translation>
    </message>
    <message>
        <source>Remind me at %1</source>
        <translation>Me rappeler à %1</translation>
    </message>
    <message numerus="yes">
        <source> min before</source>
        <translation>
            <numerusform> min avant</numerusform>
            <numerusform> min avant</numerusform>
        </translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Early reminder, minutes before the time</source>
        <translation>Rappel anticipé, en minutes avant l&apos;heure</translation>
    </message>
    <message>
        <source>&amp;Early reminder:</source>
        <translation>Rappel &amp;anticipé&#xa0;:</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>&amp;Play a sound with each reminder</source>
        <translation>&amp;Jouer un son à chaque rappel</translation>
    </message>
    <message>
        <source>Play a sound with each reminder</source>
        <translation>Jouer un son à chaque rappel</translation>
    </message>
    <message>
        <source>Built-in chime</source>
        <translation>Carillon intégré</translation>
    </message>
    <message>
        <source>Sound file</source>
        <translation>Fichier son</translation>
    </message>
    <message>
        <source>C&amp;hoose...</source>
        <translation>&amp;Choisir...</translation>
    </message>
    <message>
        <source>Choose a sound file</source>
        <translation>Choisir un fichier son</translation>
    </message>
    <message>
        <source>&amp;Built-in</source>
        <translation>&amp;Intégré</translation>
    </message>
    <message>
        <source>Use the built-in chime</source>
        <translation>Utiliser le carillon intégré</translation>
    </message>
    <message>
        <source>File:</source>
        <translation type="vanished">Fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>P&amp;lay</source>
        <translation>&amp;Écouter</translation>
    </message>
    <message>
        <source>Play the sound now</source>
        <translation>Écouter le son maintenant</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>A&amp;rrêter</translation>
    </message>
    <message>
        <source>Stop the sound</source>
        <translation>Arrêter le son</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation type="vanished">Volume&#xa0;:</translation>
    </message>
    <message>
        <source>Reminder sound</source>
        <translation>Son du rappel</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.ogg *.oga *.opus *.mp3 *.flac *.m4a *.aac);;All files (*)</source>
        <translation>Sons (*.wav *.ogg *.oga *.opus *.mp3 *.flac *.m4a *.aac);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Fa&amp;jr (Dawn)</source>
        <translation>&amp;Fajr (aube)</translation>
    </message>
    <message>
        <source>Sh&amp;uruq (Sunrise)</source>
        <translation>Chourouk (&amp;lever du soleil)</translation>
    </message>
    <message>
        <source>&amp;Zuhr (Noon)</source>
        <translation>&amp;Dhohr (midi)</translation>
    </message>
    <message>
        <source>As&amp;r (Afternoon)</source>
        <translation>Asr (après-&amp;midi)</translation>
    </message>
    <message>
        <source>&amp;Maghrib (Sunset)</source>
        <translation>Maghrib (coucher du &amp;soleil)</translation>
    </message>
    <message>
        <source>&amp;Isha (Night)</source>
        <translation>Icha (&amp;nuit)</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>Fic&amp;hier&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Volume&#xa0;:</translation>
    </message>
    <message>
        <source>Reminder before Jumu&apos;ah on Fridays, minutes</source>
        <translation>Rappel avant la Joumoua le vendredi, en minutes</translation>
    </message>
    <message>
        <source>Bef&amp;ore Jumu&apos;ah (Fridays):</source>
        <translation>Avant la J&amp;oumoua (vendredi)&#xa0;:</translation>
    </message>
</context>
<context>
    <name>orvanta::ReminderScheduler</name>
    <message>
        <source>%1 at %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>%1 in %2 min, at %3</source>
        <translation type="vanished">%1 dans %2 min, à %3</translation>
    </message>
    <message>
        <source>%1 in %2, at %3</source>
        <translation>%1 dans %2, à %3</translation>
    </message>
</context>
<context>
    <name>orvanta::TimetableWindow</name>
    <message>
        <source>Timetable</source>
        <translation>Horaires</translation>
    </message>
    <message>
        <source>&lt; &amp;Previous</source>
        <translation>&lt; &amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Suivant &gt;</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Prayer times of the month</source>
        <translation>Heures de prière du mois</translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="vanished">Date</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation type="vanished">Hégire</translation>
    </message>
    <message>
        <source>Export &amp;CSV...</source>
        <translation>Exporter en &amp;CSV...</translation>
    </message>
    <message>
        <source>Export &amp;iCalendar...</source>
        <translation>Exporter en &amp;iCalendar...</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Enregistrer en P&amp;DF...</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Fermer</translation>
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
        <translation>Les heures de %1 ne peuvent pas être calculées&#xa0;: les règles de son fuseau horaire sont illisibles.</translation>
    </message>
    <message>
        <source>%1 (today)</source>
        <translation>%1 (aujourd&apos;hui)</translation>
    </message>
    <message>
        <source>The timetable could not be written to %1.</source>
        <translation>Les horaires n&apos;ont pas pu être écrits dans %1.</translation>
    </message>
    <message>
        <source>The timetable could not be saved as %1.</source>
        <translation>Les horaires n&apos;ont pas pu être enregistrés sous %1.</translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Export as iCalendar</source>
        <translation>Exporter en iCalendar</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Fichiers iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Print Timetable</source>
        <translation>Imprimer les horaires</translation>
    </message>
    <message>
        <source>The timetable could not be printed.</source>
        <translation>Les horaires n&apos;ont pas pu être imprimés.</translation>
    </message>
    <message>
        <source>%1 is not a regular file (it is a device, a FIFO, a socket or a folder); the timetable was not written to it.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire (c&apos;est un périphérique, une FIFO, une socket ou un dossier)&#xa0;; les horaires n&apos;y ont pas été écrits.</translation>
    </message>
    <message>
        <source>The disk is full; the file was left as it was.</source>
        <translation>Le disque est plein&#xa0;; le fichier est resté tel quel.</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;Mois&#xa0;:</translation>
    </message>
</context>
</TS>
