// The small city database of the lookup, search and fuzz tests: a fold table shared by all of
// them, and one set of cities with the aliases, populations and damaged rows they look for.
#pragma once

#include <filesystem>
#include <map>
#include <string>

#include "tests/support/scratch_database.h"

namespace orvanta::testing_support {

// Code point -> folded text: ASCII capitals, a few accented letters, the sharp s, the no-break
// space and a combining acute accent that folds to nothing.
inline const std::map<char32_t, std::string>& TestFolds() {
    static const std::map<char32_t, std::string> folds = [] {
        std::map<char32_t, std::string> f = {{0xC3, "a"},  {0xE3, "a"}, {0xC9, "e"},
                                             {0xE9, "e"},  {0xDC, "u"}, {0xFC, "u"},
                                             {0xDF, "ss"}, {0xA0, " "}, {0x301, ""}};
        for (char32_t c = 'A'; c <= 'Z'; ++c) {
            f[c] = std::string(1, static_cast<char>(c - 'A' + 'a'));
        }
        return f;
    }();
    return folds;
}

inline std::string TestFoldSql() {
    std::string sql;
    for (const auto& [codePoint, folded] : TestFolds()) {
        sql += "INSERT INTO fold_map VALUES (" + std::to_string(codePoint) + ", '" + folded + "');";
    }
    return sql;
}

// Search keys are written as the fold table makes them. Cities 30 .. 38 hold values a lookup
// cannot use (no latitude, 91 degrees, 60 minutes, 181 degrees, no zone, a missing zone, a
// text bias, a zone path leaving the zone folder, a text latitude); 9 has a name that is not
// UTF-8.
constexpr const char* kTestCities = R"sql(
INSERT INTO zones VALUES
    (1, 'America/Detroit', 300, 1), (2, 'Australia/Sydney', -600, 1),
    (3, 'Asia/Riyadh', -180, 0), (4, 'Asia/Kolkata', -330, 0),
    (5, 'Asia/Kathmandu', -345, 0), (6, 'America/St_Johns', 210, 1),
    (7, 'Europe/Zurich', -60, 1), (8, 'America/Los_Angeles', 480, 1),
    (9, 'America/Costa_Rica', 360, 0), (10, 'America/New_York', 300, 1),
    (11, 'America/Sao_Paulo', 180, 0), (12, 'Asia/Shanghai', -480, 0),
    (20, 'Etc/Broken', 'abc', 0), (21, '../../../etc/passwd', 0, 0);
INSERT INTO cities (city_id, name, search_key, country, country_code, region,
                    latitude, longitude, zone_index, population) VALUES
    (1, 'Detroit, MI', 'detroit, mi', 'United States', 'US', 'Michigan', 4220, -8303, 1, 639111),
    (2, 'Sydney', 'sydney', 'Australia', 'AU', 'New South Wales', -3352, 15113, 2, 4627345),
    (3, 'Mecca', 'mecca', 'Saudi Arabia', 'SA', 'Makkah', 2125, 3949, 3, 1675368),
    (4, 'Z' || char(252) || 'rich', 'zurich', 'Switzerland', 'CH', 'Zurich', 4722, 832, 7, 341730),
    (5, 'Mumbai', 'mumbai', 'India', 'IN', 'Maharashtra', 1858, 7249, 4, 12691836),
    (7, 'Bombay', 'bombay', 'United States', 'US', 'California', 3321, -11537, 8, 290),
    (8, 'Kathmandu', 'kathmandu', 'Nepal', 'NP', 'Bagmati', 2743, 8519, 5, 1442271),
    (9, 'Broken ' || CAST(X'FF' AS TEXT), 'broken', 'Nowhere', 'XX', '', 0, 0, 1, 1),
    (10, 'San Jos' || char(233) || ', Costa Rica', 'san jose, costa rica', 'Costa Rica', 'CR',
        'San Jose', 956, -8405, 9, 335007),
    (11, 'San Jose', 'san jose', 'United States', 'US', 'California', 3720, -12153, 8, 1013240),
    (14, 'St. John''s, NL', 'st. john''s, nl', 'Canada', 'CA', 'Newfoundland', 4733, -5243, 6,
        110525),
    (15, 'Newark, NJ', 'newark, nj', 'United States', 'US', 'New Jersey', 4044, -7410, 10,
        311549),
    (16, 'New York, NY', 'new york, ny', 'United States', 'US', 'New York', 4042, -7400, 10,
        8804190),
    (17, 'New Haven, CT', 'new haven, ct', 'United States', 'US', 'Connecticut', 4118, -7255,
        10, 134023),
    (18, 'S' || char(227) || 'o Paulo', 'sao paulo', 'Brazil', 'BR', 'Sao Paulo', -2332, -4637,
        11, 12400232),
    (19, 'Medina', 'medina', 'Saudi Arabia', 'SA', 'Madinah', 2428, 3936, 3, 1180770),
    (20, 'Nowhere Twin A', 'nowhere twin a', 'Nowhere', 'XX', '', 0, 0, 1, 5),
    (21, 'Nowhere Twin B', 'nowhere twin b', 'Nowhere', 'XX', '', 0, 0, 1, 5),
    (22, 'Sitten', 'sitten', 'Switzerland', 'CH', 'Valais', 4614, 721, 7, 28045),
    (23, 'Changzhou', 'changzhou', 'China', 'CN', 'Jiangsu', 3147, 11957, 12, 3290918),
    (30, 'Nolat', 'nolat', 'Nowhere', 'XX', '', NULL, 1000, 1, 1),
    (31, 'Farnorth', 'farnorth', 'Nowhere', 'XX', '', 9100, 1000, 1, 1),
    (32, 'Sixtyminutes', 'sixtyminutes', 'Nowhere', 'XX', '', 4260, 1000, 1, 1),
    (33, 'Farwest', 'farwest', 'Nowhere', 'XX', '', 1000, -18100, 1, 1),
    (34, 'Nozone', 'nozone', 'Nowhere', 'XX', '', 1000, 1000, NULL, 1),
    (35, 'Lostzone', 'lostzone', 'Nowhere', 'XX', '', 1000, 1000, 99, 1),
    (36, 'Textbias', 'textbias', 'Nowhere', 'XX', '', 1000, 1000, 20, 1),
    (37, 'Escapezone', 'escapezone', 'Nowhere', 'XX', '', 1000, 1000, 21, 1),
    (38, 'Textlat', 'textlat', 'Nowhere', 'XX', '', 'north', 1000, 1, 1);
INSERT INTO aliases VALUES
    ('detroit', 1), ('bombay', 5),
    ('mumbai, india', 5), ('san jose', 10), ('makkah', 3), ('mecca, saudi arabia', 3),
    ('big apple', 16), ('sion', 22), ('siong-ciu', 23), ('gotham', 15), ('gotham', 16),
    ('gotham city', 15), ('gotham falls', 2);
)sql";

// Writes the test city database at path; false when any step fails.
inline bool BuildTestCityDatabase(const std::filesystem::path& path) {
    return BuildDatabase(path, TestFoldSql() + kTestCities);
}

}  // namespace orvanta::testing_support
