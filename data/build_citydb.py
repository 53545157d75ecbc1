#!/usr/bin/env python3
"""Builds the city database (cities.db) from the gzip CSV seed files.

Usage: python3 build_citydb.py --schema schema.sql --seed seed/ --out cities.db
       [--year YYYY] [--zoneinfo DIR]

Standard library only. The output is written to a temporary file beside it
and renamed into place, so a failed build never leaves a half-written
database. The same seed, tz database and year give a byte-identical file.

This module is also the single home of the naming rules that both the seed
generator and the build use: the search key (folding) and the alias texts.
"""

import argparse
import csv
import datetime
import gzip
import io
import os
import re
import sqlite3
import sys
import tempfile
import zoneinfo

# A display name or alias longer than this many UTF-16 code units cannot be
# kept in the 200-unit name buffer (terminator included) and is not stored.
MAX_NAME_UNITS = 199

SEED_FILES = ("meta", "countries", "regions", "fold_map", "cities", "alternate_names")


# --------------------------------------------------------------------------
# Search key


def utf16_units(text):
    """Number of UTF-16 code units of text (code points above U+FFFF count 2)."""
    return len(text) + sum(1 for c in text if ord(c) > 0xFFFF)


def search_key(text, fold_table):
    """Case- and accent-insensitive key of text.

    Each code point is replaced by its entry in fold_table (a str.translate
    table built from the fold_map rows: code point -> folded text; a code
    point without an entry stays as it is). The fold map sends every
    whitespace code point to U+0020, so the result is then split at U+0020,
    and the non-empty pieces are joined with single spaces: runs collapse
    and both ends are trimmed.
    """
    return " ".join(piece for piece in text.translate(fold_table).split(" ") if piece)


def fold_table_from_rows(rows):
    """str.translate table from (code_point, folded_text) pairs."""
    return {cp: folded for cp, folded in rows}


def encode_folded(text):
    """Seed form of a folded text: its code points as space-separated hex."""
    return " ".join("%04X" % ord(c) for c in text)


def decode_folded(field):
    return "".join(chr(int(h, 16)) for h in field.split())


# --------------------------------------------------------------------------
# Aliases


def alias_texts(city, country_name, region_name):
    """Every text a city is found by besides its display name.

    city: dict with base (GeoNames name), english and ascii (other names,
    possibly empty), country_code, admin1, and alternates (the alternate
    names of the seed, possibly missing). For each of the city's own names b:
    b; "b, Country"; "b, Region"; "b, Region, Country"; and in the United
    States "b, ST" with the two-letter state code. For each alternate name a:
    a and "a, Country" ("a, ST" would take the only name a smaller American
    place can have). Texts longer than MAX_NAME_UNITS are left out. Order is
    fixed; duplicates are kept (the caller dedups by key).
    """
    bases = [city["base"]]
    for other in (city["english"], city["ascii"]):
        if other and other not in bases:
            bases.append(other)
    texts = []
    for b in bases:
        texts.append(b)
        if city["country_code"] == "US" and city["admin1"]:
            texts.append("%s, %s" % (b, city["admin1"]))
        if country_name:
            texts.append("%s, %s" % (b, country_name))
        if region_name:
            texts.append("%s, %s" % (b, region_name))
            if country_name:
                texts.append("%s, %s, %s" % (b, region_name, country_name))
    for a in city.get("alternates", ()):
        texts += alternate_alias_texts(a, country_name)
    return [t for t in texts if utf16_units(t) <= MAX_NAME_UNITS]


def alternate_alias_texts(alternate, country_name):
    """The texts an alternate name gives its city: a and "a, Country"."""
    return [alternate, "%s, %s" % (alternate, country_name)] if country_name else [alternate]


# --------------------------------------------------------------------------
# Coordinates


def check_coordinate_code(code, limit):
    """True when code is a valid degrees*100+minutes value within +-limit."""
    a = abs(code)
    return a <= limit and a % 100 <= 59


# --------------------------------------------------------------------------
# Zones


def zone_rules(name, year, tzpath=None):
    """(bias_minutes, observes_dst) of an IANA zone over one calendar year.

    The UTC offset in force at local noon is taken on every day of year.
    bias_minutes = -(the smallest of those offsets) in whole minutes, so
    UTC-5 gives 300 and UTC+5:30 gives -330; a zone whose summer time is
    its standard (negative saving) still gets its winter offset. observes_dst
    is 1 when the noon offset is not the same on every day of the year.
    Raises zoneinfo.ZoneInfoNotFoundError when the zone is unknown.
    """
    if tzpath:
        with open(os.path.join(tzpath, *name.split("/")), "rb") as f:
            zone = zoneinfo.ZoneInfo.from_file(f, key=name)
    else:
        zone = zoneinfo.ZoneInfo(name)
    offsets = set()
    day = datetime.date(year, 1, 1)
    while day.year == year:
        noon = datetime.datetime(day.year, day.month, day.day, 12, tzinfo=zone)
        offsets.add(noon.utcoffset())
        day += datetime.timedelta(days=1)
    smallest = min(offsets)
    minutes = round(smallest.total_seconds() / 60.0)
    return -minutes, 1 if len(offsets) > 1 else 0


def tzdata_version(tzpath=None):
    """The "# version" line of tzdata.zi in the tz database folder, or ""."""
    dirs = [tzpath] if tzpath else list(zoneinfo.TZPATH)
    for d in dirs:
        try:
            with open(os.path.join(d, "tzdata.zi"), encoding="utf-8") as f:
                for line in f:
                    if line.startswith("# version"):
                        return line.split(None, 2)[2].strip()
                    if not line.startswith("#"):
                        break
        except OSError:
            continue
    return ""


# --------------------------------------------------------------------------
# Seed reading


def read_seed(seed_dir, stem):
    """Rows (list of dicts) of seed_dir/stem.csv.gz."""
    path = os.path.join(seed_dir, stem + ".csv.gz")
    with gzip.open(path, "rb") as f:
        text = io.TextIOWrapper(f, encoding="utf-8", newline="")
        return list(csv.DictReader(text))


class BuildError(Exception):
    pass


def load_seed(seed_dir):
    seed = {stem: read_seed(seed_dir, stem) for stem in SEED_FILES}
    seed["meta"] = {r["key"]: r["value"] for r in seed["meta"]}
    seed["countries"] = {r["code"]: r["name"] for r in seed["countries"]}
    seed["regions"] = {(r["country_code"], r["admin1"]): r["name"] for r in seed["regions"]}
    seed["fold_map"] = [(int(r["code_point"], 16), decode_folded(r["folded"])) for r in seed["fold_map"]]
    alternates = {}
    for r in seed["alternate_names"]:
        alternates.setdefault(int(r["id"]), []).append(r["name"])
    for c in seed["cities"]:
        c["base"] = c["base"] or c["name"]
        for field in ("id", "latitude", "longitude", "population"):
            c[field] = int(c[field])
        c["alternates"] = alternates.pop(c["id"], [])
    if alternates:
        raise BuildError("alternate names of unknown cities: %s" % sorted(alternates)[:5])
    return seed


# --------------------------------------------------------------------------
# Build


def city_rows(seed, fold_table):
    """Checked city rows and alias pairs, ready for insertion."""
    cities = []
    aliases = []
    seen_keys = {}
    for c in seed["cities"]:
        name = c["name"]
        key = search_key(name, fold_table)
        if not key:
            raise BuildError("city %d has an empty search key" % c["id"])
        if utf16_units(name) > MAX_NAME_UNITS:
            raise BuildError("city %d: name longer than %d UTF-16 units" % (c["id"], MAX_NAME_UNITS))
        if key in seen_keys:
            raise BuildError("cities %d and %d share the search key %r" % (seen_keys[key], c["id"], key))
        seen_keys[key] = c["id"]
        if not check_coordinate_code(c["latitude"], 9000) or not check_coordinate_code(c["longitude"], 18000):
            raise BuildError("city %d: coordinates out of range" % c["id"])
        country = seed["countries"].get(c["country_code"])
        if country is None:
            raise BuildError("city %d: unknown country %s" % (c["id"], c["country_code"]))
        region = seed["regions"].get((c["country_code"], c["admin1"]), "")
        cities.append((c["id"], name, key, country, c["country_code"], region,
                       c["latitude"], c["longitude"], c["zone"], c["population"]))
        own = {key}
        for text in alias_texts(c, country, region):
            akey = search_key(text, fold_table)
            if akey and akey not in own:
                own.add(akey)
                aliases.append((akey, c["id"]))
    return cities, aliases


def build(schema_path, seed_dir, out_path, year, tzpath=None):
    seed = load_seed(seed_dir)
    fold_table = fold_table_from_rows(seed["fold_map"])
    cities, aliases = city_rows(seed, fold_table)

    zone_names = sorted({c[8] for c in cities})
    zone_index = {}
    zones = []
    for i, name in enumerate(zone_names):
        try:
            bias, dst = zone_rules(name, year, tzpath)
        except (zoneinfo.ZoneInfoNotFoundError, OSError, ValueError) as e:
            raise BuildError("time zone %s is not in the tz database: %s" % (name, e))
        zone_index[name] = i
        zones.append((i, name, bias, dst))
    cities = [c[:8] + (zone_index[c[8]],) + c[9:] for c in cities]

    meta = dict(seed["meta"])
    meta["tzdata_version"] = tzdata_version(tzpath)
    meta["zone_year"] = str(year)

    with open(schema_path, encoding="utf-8") as f:
        schema = f.read()

    out_dir = os.path.dirname(os.path.abspath(out_path))
    fd, tmp_path = tempfile.mkstemp(prefix=".cities-", suffix=".db.tmp", dir=out_dir)
    os.close(fd)
    try:
        con = sqlite3.connect(tmp_path, isolation_level=None)
        try:
            con.execute("PRAGMA journal_mode=DELETE")
            con.execute("PRAGMA synchronous=OFF")
            con.executescript(schema)
            con.execute("BEGIN")
            con.executemany("INSERT INTO meta (key, value) VALUES (?, ?)", sorted(meta.items()))
            con.executemany("INSERT INTO zones VALUES (?, ?, ?, ?)", zones)
            con.executemany("INSERT INTO fold_map VALUES (?, ?)", seed["fold_map"])
            con.executemany("INSERT INTO cities VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)", cities)
            con.executemany("INSERT OR IGNORE INTO aliases VALUES (?, ?)", sorted(aliases))
            con.execute("COMMIT")
            problems = con.execute("PRAGMA foreign_key_check").fetchall()
            if problems:
                raise BuildError("foreign key check failed: %r" % problems[:5])
            con.execute("ANALYZE")
            con.execute("VACUUM")
            con.execute("PRAGMA journal_mode=DELETE")
        finally:
            con.close()
        os.chmod(tmp_path, 0o644)
        os.replace(tmp_path, out_path)
    except BaseException:
        try:
            os.unlink(tmp_path)
        except OSError:
            pass
        raise
    return {"cities": len(cities), "aliases": len(set(aliases)), "fold_map": len(seed["fold_map"]),
            "zones": len(zones)}


def default_year():
    """SOURCE_DATE_EPOCH's year when set (reproducible builds), else this year (UTC)."""
    epoch = os.environ.get("SOURCE_DATE_EPOCH")
    if epoch and re.fullmatch(r"\d+", epoch):
        return datetime.datetime.fromtimestamp(int(epoch), datetime.timezone.utc).year
    return datetime.datetime.now(datetime.timezone.utc).year


def main(argv=None):
    p = argparse.ArgumentParser(description="Build the city database from the seed files.")
    p.add_argument("--schema", required=True)
    p.add_argument("--seed", required=True, help="folder of the *.csv.gz seed files")
    p.add_argument("--out", required=True)
    p.add_argument("--year", type=int, default=None, help="year whose zone rules are used")
    p.add_argument("--zoneinfo", default=None, help="tz database folder (default: the system's)")
    args = p.parse_args(argv)
    year = args.year or default_year()
    try:
        counts = build(args.schema, args.seed, args.out, year, args.zoneinfo)
    except (BuildError, OSError, sqlite3.Error, csv.Error, KeyError, ValueError) as e:
        print("build_citydb: error: %s" % e, file=sys.stderr)
        return 1
    print("build_citydb: %(cities)d cities, %(aliases)d aliases, %(fold_map)d fold rows, %(zones)d zones" % counts)
    return 0


if __name__ == "__main__":
    sys.exit(main())
