// The peer's side of the year-timetable benchmark: one year of the six times for one place
// as CSV on standard output, with the settings closest to orvanta-times' defaults
// (Fajr and Isha at 18 degrees, Shafi Asr, no adjustments).
// Usage: node adhan_year.js LAT LON YEAR UTC_OFFSET_HOURS
'use strict';
const adhan = require('adhan');

const [lat, lon, year, offsetHours] = process.argv.slice(2).map(Number);
const params = new adhan.CalculationParameters('Other', 18, 18);
params.madhab = adhan.Madhab.Shafi;
const coordinates = new adhan.Coordinates(lat, lon);
const names = ['fajr', 'sunrise', 'dhuhr', 'asr', 'maghrib', 'isha'];
const labels = ['Fajr', 'Shuruq', 'Zuhr', 'Asr', 'Maghrib', 'Isha'];

function local(time) {
    const shifted = new Date(time.getTime() + offsetHours * 3600 * 1000);
    return shifted.toISOString().slice(11, 16);
}

const lines = ['date,prayer,time'];
for (let day = new Date(Date.UTC(year, 0, 1)); day.getUTCFullYear() === year;
     day = new Date(day.getTime() + 86400 * 1000)) {
    const date = new Date(day.getUTCFullYear(), day.getUTCMonth(), day.getUTCDate());
    const times = new adhan.PrayerTimes(coordinates, date, params);
    const iso = day.toISOString().slice(0, 10);
    for (let i = 0; i < names.length; ++i) {
        lines.push(`${iso},${labels[i]},${local(times[names[i]])}`);
    }
}
process.stdout.write(lines.join('\n') + '\n');
