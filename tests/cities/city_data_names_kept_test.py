#!/usr/bin/env python3
"""An alternate name of a larger place never takes a display name a place had without
alternate names: a home city is stored by its display name, so a name that moved would
silently give another city's times.

Environment: ORVANTA_SOURCE_DIR, the repository root; ORVANTA_CITY_DB, the built database.
"""

import os
import sys
import unittest


SOURCE_DIR = os.environ.get("ORVANTA_SOURCE_DIR",
                            os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
sys.path.insert(0, os.path.join(SOURCE_DIR, "data"))

import generate_seed as gen  # noqa: E402
from city_data_scripts_test import FOLD, city  # noqa: E402

COUNTRIES = {"GB": "United Kingdom", "BE": "Belgium", "IN": "India", "US": "United States"}


class NameCities(unittest.TestCase):
    def test_alternate_names_that_would_take_a_display_name_are_dropped(self):
        cities = [
            city(1, "London", "GB", "", 8961989, alternates=["Landen", "Londres", "Lundun"]),
            city(2, "Landen", "BE", "", 15000),
            # "Lundun" finds the bigger Lundun, TX, so this one is "Lundun, United Kingdom",
            # which London's alternate name would take through its "a, Country" alias.
            city(3, "Lundun", "US", "TX", 9000),
            city(4, "Lundun", "GB", "", 2000),
            city(5, "Chennai", "IN", "", 4646732, alternates=["Madras"]),
            city(6, "Madras", "US", "OR", 6662),  # "Madras, OR": plain "Madras" is free
        ]
        kept = gen.name_cities(cities, COUNTRIES, {}, FOLD)
        names = {c["id"]: c["name"] for c in kept}
        self.assertEqual(names, {1: "London", 2: "Landen", 3: "Lundun, TX", 4: "Lundun, United Kingdom",
                                 5: "Chennai", 6: "Madras, OR"})
        self.assertEqual(kept[0]["alternates"], ["Londres"])
        self.assertEqual(kept[4]["alternates"], ["Madras"])


if __name__ == "__main__":
    unittest.main()
