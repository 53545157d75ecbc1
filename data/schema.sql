-- Schema of the city database (cities.db), built from the seed files in this folder by
-- build_citydb.py. Text is UTF-8.
-- Coordinates use the integer form |value| = degrees * 100 + minutes (minutes 0..59), negative
-- south and west; latitude within +-9000, longitude within +-18000.
PRAGMA user_version = 1;

CREATE TABLE meta (
    key   TEXT PRIMARY KEY,
    value TEXT NOT NULL
) WITHOUT ROWID;

CREATE TABLE zones (
    zone_index   INTEGER PRIMARY KEY,
    iana_name    TEXT NOT NULL UNIQUE,
    bias_minutes INTEGER NOT NULL,  -- added to the zone's standard time gives UT (UTC-5: 300,
                                    -- UTC+5:30: -330): minus the smallest noon UTC offset of the year
    observes_dst INTEGER NOT NULL   -- 1 when the zone changes its offset during the year
                                    -- (meta zone_year names the year, tzdata_version the rules)
);

CREATE TABLE cities (
    city_id      INTEGER PRIMARY KEY,
    name         TEXT NOT NULL UNIQUE,  -- unique display name ("Detroit, MI", "Medina")
    search_key   TEXT NOT NULL,         -- folded display name, unique like the name itself
    country      TEXT NOT NULL,         -- English country name
    country_code TEXT NOT NULL,         -- ISO 3166-1 alpha-2
    region       TEXT NOT NULL,         -- first-order region name, may be empty
    latitude     INTEGER,               -- degrees * 100 + minutes, south negative
    longitude    INTEGER,               -- degrees * 100 + minutes, west negative
    zone_index   INTEGER REFERENCES zones (zone_index),
    population   INTEGER NOT NULL DEFAULT 0
);
-- Unique: searching for a display name must give back that very city.
CREATE UNIQUE INDEX cities_by_key ON cities (search_key);
-- The nearest cities to a point are read a band of latitudes at a time.
CREATE INDEX cities_by_position ON cities (latitude, longitude, population);

-- Other names a city is found by: plain US names, English names, "City, Country", ...
-- Several cities may share an alias; the lookup takes the most populous (then lowest id).
CREATE TABLE aliases (
    search_key TEXT NOT NULL,
    city_id    INTEGER NOT NULL REFERENCES cities (city_id),
    PRIMARY KEY (search_key, city_id)
) WITHOUT ROWID;

-- Case and accent folding of single code points; a code point not listed folds to itself.
-- search_key(text) = the folds of its code points concatenated, then runs of spaces collapsed
-- to one and both ends trimmed (every whitespace code point folds to U+0020). folded may be
-- empty (combining marks).
CREATE TABLE fold_map (
    code_point INTEGER PRIMARY KEY,
    folded     TEXT NOT NULL
);
