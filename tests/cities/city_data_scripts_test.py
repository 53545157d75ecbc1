#!/usr/bin/env python3
# Tests of the city database scripts (data/generate_seed.py, data/build_citydb.py) on small
# made-up inputs. Environment: ORVANTA_SOURCE_DIR, the repository root.

import os
import pathlib
import sys
import tempfile
import unittest

SOURCE_DIR = os.environ.get("ORVANTA_SOURCE_DIR",
                            os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
DATA_DIR = os.path.join(SOURCE_DIR, "data")
sys.path.insert(0, DATA_DIR)

import build_citydb as cdb  # noqa: E402
import generate_seed as gen  # noqa: E402


class LazyFoldTable(dict):
    # A str.translate table that folds each code point on use; no entry: no fold.
    def __missing__(self, cp):
        folded = gen.fold_entry(cp)
        return chr(cp) if folded is None else folded


FOLD = LazyFoldTable()


def city(cid, base, cc, admin1, population, lat=100, lon=100, english="", ascii_name="", **more):
    return dict({"id": cid, "base": base, "english": english, "ascii": ascii_name, "country_code": cc,
                 "admin1": admin1, "latitude": lat, "longitude": lon, "zone": "Etc/UTC",
                 "population": population, "alternates": []}, **more)


COUNTRIES = {"GB": "United Kingdom", "US": "United States", "DE": "Germany", "FR": "France",
             "LB": "Lebanon", "LY": "Libya", "IN": "India", "IL": "Israel", "CH": "Switzerland",
             "BE": "Belgium"}
REGIONS = {("GB", "ENG"): "England", ("US", "AL"): "Alabama", ("US", "TX"): "Texas",
           ("DE", "02"): "Bavaria", ("DE", "07"): "North Rhine-Westphalia", ("FR", "11"): "Normandy"}


def key(text):
    return cdb.search_key(text, FOLD)


def region(old_and_new):
    return gen.choose_region(*old_and_new, FOLD)


def zone(name):
    return cdb.zone_rules(name, 2024)


# function, argument, expected
CASES = [
    (key, "  SÃO \t\u00a0 PAULO  ", "sao paulo"),
    # letters with folds of their own; Hangul has no fold
    (key, "İstanbul Diyarbakır Straße Þórshöfn Đà Nẵng ＴＯＫＹＯ 서울",
     "istanbul diyarbakir strasse thorshofn da nang tokyo 서울"),
    (key, "Saint John’s", "saint john's"),
    (key, "   ", ""),
    (gen.fold_char, "\u094d", "\u094d"),  # Devanagari virama stays
    (gen.fold_char, "\u0301", ""),  # combining acute
    # decimal degrees -> degrees*100+minutes
    (gen.coordinate_code, "21.42664", 2126),
    (gen.coordinate_code, "-83.04575", -8303),
    (gen.coordinate_code, "12.075", 1205),  # exactly 4.5 minutes rounds up, not to the even 4
    (gen.coordinate_code, "59.99999", 6000),  # 59.9994 minutes carries into the degrees
    (gen.coordinate_code, "-0.0084", -1),
    # zone in 2024 -> bias minutes, observes daylight saving
    (zone, "America/Detroit", (300, 1)),
    (zone, "Asia/Kathmandu", (-345, 0)),
    (zone, "Australia/Adelaide", (-570, 1)),
    (zone, "Europe/Dublin", (0, 1)),  # summer time is the standard; winter the shift
    (zone, "Africa/Casablanca", (0, 1)),  # UTC+1, back to UTC in Ramadan
    # (same-era region name, later name) -> chosen
    (region, ("State of Maine", "Maine"), "Maine"),
    (region, ("Baden-Württemberg", "Baden-Wurttemberg"), "Baden-Württemberg"),
    (region, ("Hải Dương", "Ho Chi Minh City (HCMC)"), "Hải Dương"),  # code reassigned later
    (region, (None, "Viken"), "Viken"),
    (region, (None, None), ""),
    # alternate name -> kept
    (gen.usable_alternate, "مكة", True),
    (gen.usable_alternate, "მექა", True),  # Georgian letters have no capitals here
    (gen.usable_alternate, "mkh", False),  # automatic romanisation of another script
    (gen.usable_alternate, "BOM", False),  # airport code
    (gen.usable_alternate, "Cairo - القاهرة", False),  # two names in one label
    (gen.usable_alternate, "Tokyo (東京)", False),
    (gen.usable_alternate, "Bad\x1bName", False),
]


class Naming(unittest.TestCase):
    def test_worked_values(self):
        for function, argument, expected in CASES:
            with self.subTest(function=function.__name__, argument=argument):
                self.assertEqual(function(argument), expected)

    def test_naming_rules(self):
        # An alternate name of a larger place never takes a display name a place had without
        # alternate names: a home city is stored by its display name, so a name that moved would
        # silently give another city's times.
        rows = [
            (city(1, "Birmingham", "GB", "ENG", 1000000), "Birmingham"),
            (city(2, "Birmingham", "US", "AL", 200000), "Birmingham, AL"),
            (city(3, "Houston", "US", "TX", 2300000), "Houston, TX"),
            # the plain name is Houston, TX's alias
            (city(4, "Houston", "GB", "ENG", 6000), "Houston, United Kingdom"),
            (city(5, "Tripoli", "LY", "", 1100000), "Tripoli"),
            (city(6, "Tripoli", "LB", "", 230000), "Tripoli, Lebanon"),
            (city(7, "Köln", "DE", "07", 960000, english="Cologne", ascii_name="Koeln"), "Köln"),
            (city(8, "Cologne", "FR", "11", 1200), "Cologne, France"),  # "Cologne" finds Köln
            (city(9, "Amberg", "DE", "02", 40000), "Amberg"),
            # "Amberg, Germany" and "Amberg, Bavaria, Germany" also describe the larger Amberg,
            # whose aliases they are; the coordinates set the smaller ones apart.
            (city(10, "Amberg", "DE", "02", 1500, lat=4804, lon=1041),
             "Amberg, Bavaria, Germany (48°04′N 10°41′E)"),
            (city(11, "Amberg", "DE", "02", 1500, lat=4804, lon=1041),
             "Amberg, Bavaria, Germany (48°04′N 10°41′E) [11]"),
            (city(12, "Franklin", "US", "TX", 3000, lat=3101, lon=-9629), "Franklin, TX (31°01′N 96°29′W)"),
            (city(13, "Franklin", "US", "TX", 5000), "Franklin, TX"),
            # "Koln" and "Koln, Germany" fold like Köln's
            (city(14, "Koln", "DE", "", 900), "Koln, Germany (1°00′N 1°00′E)"),
            (city(15, "Amberg", "DE", "07", 1000), "Amberg, North Rhine-Westphalia, Germany"),
            (city(16, "Amberg", "FR", "11", 1000), "Amberg, France"),
            (city(17, "A" * 199, "FR", "", 10), "A" * 199),
            (city(18, "B" * 200, "FR", "", 10), None),  # too long: dropped
            (city(19, "Mianzhu, France", "FR", "", 5), "Mianzhu, France"),
            (city(20, "Mianzhu", "FR", "", 1), "Mianzhu"),
            (city(21, "London", "GB", "", 8961989, alternates=["Landen", "Londres", "Lundun"]), "London"),
            (city(22, "Landen", "BE", "", 15000), "Landen"),
            # "Lundun" finds the bigger Lundun, TX, so this one is "Lundun, United Kingdom",
            # which London's alternate name would take through its "a, Country" alias.
            (city(23, "Lundun", "US", "TX", 9000), "Lundun, TX"),
            (city(24, "Lundun", "GB", "", 2000), "Lundun, United Kingdom"),
            (city(25, "Chennai", "IN", "", 4646732, alternates=["Madras"]), "Chennai"),
            (city(26, "Madras", "US", "OR", 6662), "Madras, OR"),  # plain "Madras" is free
        ]
        kept = gen.name_cities([c for c, _ in rows], COUNTRIES, REGIONS, FOLD)
        names = {c["id"]: c["name"] for c in kept}
        self.assertEqual(names, {c["id"]: name for c, name in rows if name})
        self.assertEqual({c["id"]: c["alternates"] for c in kept if c["alternates"]},
                         {21: ["Londres"], 25: ["Madras"]})

    def test_choice_of_alternate_names(self):
        raw = ["Al Quds", "al-Quds", "Al-Quds", "Jerusalem", "JERUSALEM", "Salem", "Sion", "Madras",
               "Zion", "mkh", " Al  Quds "]
        cities = [
            city(1, "Jerusalem", "IL", "", 971800, feature="PPLA", raw_alternates=raw),
            city(2, "Salem", "IL", "", 917414, feature="PPLA2", raw_alternates=[]),
            # a seat keeps its name, a small town does not
            city(3, "Sitten", "IL", "", 9000, english="Sion", feature="PPLA", raw_alternates=[]),
            city(4, "Madras", "IL", "", 6662, feature="PPL", raw_alternates=[]),
            city(5, "Zion", "IL", "", 24000, feature="PPL", raw_alternates=[]),
        ]
        gen.choose_alternates(cities, FOLD)
        # One text per key (the lowest), own names and other places' kept names left out.
        self.assertEqual([c["alternates"] for c in cities], [["Al Quds", "Al-Quds", "Madras"], [], [], [], []])


SCHEMA = os.path.join(DATA_DIR, "schema.sql")


def write_tiny_seed(folder, cities, alternates=()):
    gen.write_seed(os.path.join(folder, "meta.csv.gz"), ["key", "value"],
                   [("attribution", "test"), ("license", "CC BY 4.0")])
    gen.write_seed(os.path.join(folder, "countries.csv.gz"), ["code", "name"], sorted(COUNTRIES.items()))
    gen.write_seed(os.path.join(folder, "regions.csv.gz"), ["country_code", "admin1", "name"],
                   sorted((k[0], k[1], v) for k, v in REGIONS.items()))
    rows = [(0x41 + i, cdb.encode_folded(chr(0x61 + i))) for i in range(26)]
    rows += [(0xC4, "0061"), (0xE4, "0061"), (0xF6, "006F"), (0xA0, "0020"), (0x301, "")]
    gen.write_seed(os.path.join(folder, "fold_map.csv.gz"), ["code_point", "folded"],
                   [("%04X" % cp, f) for cp, f in sorted(rows)])
    gen.write_seed(os.path.join(folder, "cities.csv.gz"),
                   ["id", "name", "base", "english", "ascii", "country_code", "admin1",
                    "latitude", "longitude", "zone", "population"], cities)
    gen.write_seed(os.path.join(folder, "alternate_names.csv.gz"), ["id", "name"], alternates)


class Build(unittest.TestCase):
    def setUp(self):
        self.tmp = self.enterContext(tempfile.TemporaryDirectory())
        self.seed = os.path.join(self.tmp, "seed")
        os.mkdir(self.seed)
        self.out = pathlib.Path(self.tmp, "cities.db")

    def build(self, cities, alternates=()):
        write_tiny_seed(self.seed, cities, alternates)
        return cdb.main(["--schema", SCHEMA, "--seed", self.seed, "--out", str(self.out), "--year", "2024"])

    def test_failed_build_leaves_old_database_alone(self):
        self.out.write_bytes(b"previous database")

        def row(name="A", cc="DE", lat=100, zone="Etc/UTC", cid=1):
            return (cid, name, "", "", "", cc, "", lat, 100, zone, 5)

        cases = [
            ("same key", [row("Köln"), row("KOLN", cid=2)], []),
            ("bad minutes", [row(lat=160)], []),
            ("latitude past the pole", [row(lat=9001)], []),
            ("unknown zone", [row(zone="Mars/Olympus_Mons")], []),
            ("unknown country", [row(cc="ZZ")], []),
            ("name too long", [row("A" * 200)], []),
            ("alternate name of an unknown city", [row()], [(2, "B")]),
        ]
        for label, cities, alternates in cases:
            with self.subTest(case=label):
                self.assertEqual(self.build(cities, alternates), 1)
                self.assertEqual(self.out.read_bytes(), b"previous database")
                self.assertEqual(sorted(os.listdir(self.tmp)), ["cities.db", "seed"])

    def test_same_seed_gives_same_bytes(self):
        cities = [(1, "Alpha", "", "", "", "FR", "11", 4900, 200, "Europe/Paris", 5)]
        seed = pathlib.Path(self.seed, "cities.csv.gz")
        # (exit status, database, seed file) of two builds
        runs = [(self.build(cities), self.out.read_bytes(), seed.read_bytes()) for _ in range(2)]
        self.assertEqual(runs[0], runs[1])
        self.assertEqual((runs[0][0], runs[0][2][4:8]), (0, b"\0\0\0\0"))  # gzip mtime field


if __name__ == "__main__":
    unittest.main(verbosity=1)
