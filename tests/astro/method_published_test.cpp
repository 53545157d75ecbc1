// Each preset against times its authority published. A published minute matches when the time
// shown (rounded as the preset rounds) is within one minute of it: authorities place their
// cities at their own reference points and round their own way. Kemenag's times are allowed two
// minutes: its Zuhr and Maghrib run a minute or two after the sun's (its own precautions are not
// published beside the times). Sources that disagree with the authority's other tables are
// left out.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "astro/method_date_row.h"
#include "astro/method_presets.h"
#include "test_support.h"

namespace orvanta {
namespace {

// preset | latitude, longitude east, zone | date, "ramadan" on a day of Ramadan | Fajr, Shuruq,
// Zuhr, Asr, Maghrib, Isha ("-" where not published) | where the times were published
const char* const kPublished = R"(
turkey      | 41.0082 28.9784 3   | 2026 2 19         | 06:22 07:47 13:23 16:20 18:49 20:09 | Diyanet Ramazan imsakiyesi 1447, Istanbul (yenisafak.com, 2026-02)
turkey      | 39.9055 41.2658 3   | 2024 3 11         | 05:03 06:26 12:30 15:47 18:24 19:42 | Diyanet Ramazan imsakiyesi 2024, Erzurum (ahaber.com.tr)
turkey      | 39.9055 41.2658 3   | 2024 3 20         | 04:48 06:11 12:27 15:52 18:34 19:52 | Diyanet Ramazan imsakiyesi 2024, Erzurum (ahaber.com.tr)
indonesia   | -6.1754 106.8272 7  | 2026 3 4          | 04:43     - 12:08 15:09 18:14 19:23 | Bimas Islam imsakiyah, Jakarta 14 Ramadan 1447 (mediaindonesia)
indonesia   | -7.2575 112.7521 7  | 2023 3 23         | 04:18 05:30 11:39 14:51 17:42 18:50 | bimasislam.kemenag.go.id via tribunnews, Surabaya 1 Ramadan 1444
umm-al-qura | 21.4225 39.8262 3   | 2019 5 6 ramadan  | 04:25 05:47 12:17 15:37 18:48     - | Umm al-Qura Ramadan 1440 table for Makkah (almowaten via sauress)
umm-al-qura | 24.7136 46.6753 3   | 2023 3 24 ramadan | 04:36 05:54 12:00 15:27 18:06 20:06 | Umm al-Qura, 2 Ramadan 1444, Riyadh and Makkah (thaqfny.com)
egypt       | 30.0444 31.2357 2   | 2021 5 7          | 03:30     -     -     - 18:36 20:02 | Egyptian Survey Authority imsakiya, Cairo 25 Ramadan 1442
egypt       | 30.0444 31.2357 2   | 2025 3 22         | 04:31     - 12:03     -     -     - | Cairo, 22 March 2025 (gate.jarida.onl)
tehran      | 35.6892 51.3890 3.5 | 2024 6 20         | 03:02 04:49 12:06     - 19:45 20:44 | University of Tehran times for Tehran (bahesab.ir, 31 Khordad 1403)
tehran      | 35.6892 51.3890 4.5 | 2022 8 30         | 05:07 06:35 13:05     - 19:53     - | Tehran times via eghtesadonline, 16 Esfand 1401 and 8 Shahrivar 1401
dubai       | 25.2048 55.2708 4   | 2023 3 23         | 05:02     -     -     - 18:35     - | IACAD website via omnesmedia/theemiratestimes, Ramadan 1444, Dubai
dubai       | 25.2048 55.2708 4   | 2023 4 20         | 04:31     -     -     - 18:47     - | IACAD website via omnesmedia/theemiratestimes, Ramadan 1444, Dubai
qatar       | 25.2854 51.5310 3   | 2026 6 17         | 03:15 04:43 11:35 14:59 18:26 19:56 | Ministry of Awqaf times for Doha, 17 June 2026 (winenfood.com)
karachi     | 24.8607 67.0011 5   | 2025 3 2          | 05:39     -     -     - 18:34     - | Karachi Hanafi Sehri/Iftar, 1 Ramadan 1446 (pkrevenue.com), +-1 min
)";

TEST(MethodPresets, ReproduceTheAuthoritiesPublishedTimes) {
    for (const auto& row : testing::TableRows(kPublished)) {
        const MethodPreset* preset = FindMethodPreset(row[0]);
        ASSERT_NE(preset, nullptr) << row[0];
        const std::vector<double> place = testing::Numbers(row[1]);
        RamadanTable ramadan{};
        ramadan.fill(row[2].find("ramadan") != std::string::npos ? 1 : 0);
        const DaylightShiftTable none{};
        const CivilDate civil = testing::DateField(row[2]);
        const auto computed = ComputeMethodDateRow(
            civil, testing::Place(place[0], place[1], place[2]), preset->method, &none, &ramadan);
        ASSERT_TRUE(computed.has_value());
        std::istringstream times(row[3]);
        std::string time;
        for (int slot = 0; slot < 6 && times >> time; ++slot) {
            if (time == "-") {
                continue;
            }
            const int published = std::stoi(time.substr(0, 2)) * 60 + std::stoi(time.substr(3));
            const int difference =
                static_cast<int>(std::lround((*computed)[slot] * 60.0)) - published;
            EXPECT_LE(std::abs(difference), row[0] == "indonesia" ? 2 : 1)
                << row[0] << " " << row[2] << " slot " << slot << ", source: " << row[4];
        }
    }
}

}  // namespace
}  // namespace orvanta
