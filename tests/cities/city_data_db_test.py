#!/usr/bin/env python3
"""Checks the data of the built city database (cities.db); which city a name finds is checked
through the program's own lookup (tests/cli, ShippedDatabaseFindsWorkedNames).

Environment: ORVANTA_CITY_DB, the path of the built database.
"""

import os
import sqlite3
import unittest

DB_PATH = os.environ.get("ORVANTA_CITY_DB", "")


class CityDb(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        if not os.path.isfile(DB_PATH):
            # A missing database is a failed build, not a reason to skip.
            raise AssertionError("ORVANTA_CITY_DB does not name a built database: %r" % DB_PATH)
        cls.con = sqlite3.connect("file:%s?mode=ro" % DB_PATH, uri=True)

    @classmethod
    def tearDownClass(cls):
        cls.con.close()

    def rows(self, sql):
        return self.con.execute(sql).fetchall()

    def test_names_unique_trimmed_and_short_enough(self):
        names = [r[0] for r in self.rows("SELECT name FROM cities")]
        self.assertEqual(len(names), len(set(names)))
        bad = [n for n in names if not n or n != " ".join(n.split())
               or len(n.encode("utf-16-le")) // 2 > 199]
        self.assertEqual(bad[:10], [])

    def test_coordinate_codes_in_range(self):
        self.assertEqual(self.rows(
            "SELECT city_id FROM cities WHERE latitude IS NULL OR longitude IS NULL"
            " OR abs(latitude) > 9000 OR abs(longitude) > 18000"
            " OR abs(latitude) % 100 > 59 OR abs(longitude) % 100 > 59 LIMIT 10"), [])

    def test_zones_numbered_used_and_in_range(self):
        rows = self.rows("SELECT zone_index, bias_minutes, observes_dst FROM zones")
        self.assertEqual([r[0] for r in rows], list(range(len(rows))))
        self.assertEqual([r for r in rows if not -14 * 60 <= r[1] <= 12 * 60 or r[2] not in (0, 1)], [])
        self.assertEqual(self.rows("SELECT count(*) FROM zones WHERE zone_index NOT IN"
                                   " (SELECT zone_index FROM cities)"), [(0,)])

    def test_counts_aliases_and_fold_map(self):
        n = self.rows("SELECT count(*) FROM cities")[0][0]
        self.assertTrue(100000 <= n <= 140000, n)
        self.assertEqual(self.rows("SELECT count(*) FROM aliases WHERE city_id NOT IN"
                                   " (SELECT city_id FROM cities)"), [(0,)])
        fold = dict(self.rows("SELECT code_point, folded FROM fold_map"))
        expected = {"A": "a", "ß": "ss", "İ": "i", "Ø": "o", "Æ": "ae", "þ": "th",
                    "\u00a0": " ", "\u0301": "", "ﬁ": "fi", "’": "'"}
        self.assertEqual({c: fold.get(ord(c)) for c in expected}, expected)
        self.assertNotIn(0xAC00, fold)  # Hangul syllables stay whole

    def test_meta(self):
        meta = dict(self.rows("SELECT key, value FROM meta"))
        self.assertEqual(meta["license"], "CC BY 4.0")
        self.assertIn("GeoNames", meta["attribution"])
        self.assertRegex(meta["zone_year"], r"^\d{4}$")
        self.assertIn("tzdata_version", meta)
        self.assertEqual(self.rows("PRAGMA journal_mode"), [("delete",)])


if __name__ == "__main__":
    unittest.main(verbosity=1)
