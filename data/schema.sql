-- Schema of the city database (cities.db), built from the seed files in this folder.
-- Coordinates use the integer form |value| = degrees * 100 + minutes, negative south and west.
PRAGMA user_version = 1;

CREATE TABLE meta (
    key   TEXT PRIMARY KEY,
    value TEXT NOT NULL
) WITHOUT ROWID;

CREATE TABLE zones (
    zone_index   INTEGER PRIMARY KEY,
    iana_name    TEXT NOT NULL UNIQUE,
    bias_minutes INTEGER NOT NULL,  -- added to the zone's standard time gives UT (UTC-5: 300)
    observes_dst INTEGER NOT NULL   -- 1 when the zone changes its offset during the year
);

CREATE TABLE cities (
    city_id      INTEGER PRIMARY KEY,
    name         TEXT NOT NULL UNIQUE,  -- unique display name ("Detroit, MI", "Medina")
    search_key   TEXT NOT NULL,         -- folded display name
    country      TEXT NOT NULL,         -- English country name
    country_code TEXT NOT NULL,         -- ISO 3166-1 alpha-2
    region       TEXT NOT NULL,         -- first-order region name, may be empty
    latitude     INTEGER,               -- degrees * 100 + minutes, south negative
    longitude    INTEGER,               -- degrees * 100 + minutes, west negative
    zone_index   INTEGER REFERENCES zones (zone_index),
    population   INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX cities_by_key ON cities (search_key, population DESC);

-- Other names a city is found by: plain US names, English names, "City, Country", ...
CREATE TABLE aliases (
    search_key TEXT NOT NULL,
    city_id    INTEGER NOT NULL REFERENCES cities (city_id),
    PRIMARY KEY (search_key, city_id)
) WITHOUT ROWID;

-- Case and accent folding of single code points; a code point not listed folds to itself.
CREATE TABLE fold_map (
    code_point INTEGER PRIMARY KEY,
    folded     TEXT NOT NULL
);
