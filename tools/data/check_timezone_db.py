#!/usr/bin/env python3
"""Compares a generated timezone21.bin with its source at random points.

    check_timezone_db.py GEO_TZ_PACKAGE_DIR TIMEZONE_DB LIBCOUNTRIES [POINTS]

A point counts as a fault when the source gives the same zones everywhere within 5 km of it
(the point and eight points on a 5 km circle) and the database none of them. (The source has
a few overlapping zones, such as Asia/Urumqi within Asia/Shanghai; either answer is right.) Loads the library
like make_locations.py (a build without sanitizers, or the sanitizer runtimes preloaded).
"""

import json
import math
import os
import random
import sys

import geotz_source
from make_locations import Library

RADIUS_KM = 5.0


class Source:
    """Zone look-up in the source's quadtree, decoding a cell's pieces when first needed; gives
    the set of zones at a point."""

    def __init__(self, package_dir, product="timezones"):
        data_dir = os.path.join(package_dir, "data")
        with open(os.path.join(data_dir, product + ".geojson.index.json")) as f:
            self.index = json.load(f)
        with open(os.path.join(data_dir, product + ".geojson.geo.dat"), "rb") as f:
            self.blob = f.read()
        self.cache = {}

    def zone_at(self, lat, lon):
        node = self.index["lookup"]
        top, bottom, left, right = 89.9999, -89.9999, -179.9999, 179.9999
        mid_lat = mid_lon = 0.0
        path = ""
        while True:
            if lat >= mid_lat and lon >= mid_lon:
                key, bottom, left = "a", mid_lat, mid_lon
            elif lat >= mid_lat:
                key, bottom, right = "b", mid_lat, mid_lon
            elif lon < mid_lon:
                key, top, right = "c", mid_lat, mid_lon
            else:
                key, top, left = "d", mid_lat, mid_lon
            node = node.get(key)
            path += key
            if node is None:
                return frozenset()
            if isinstance(node, list):
                return frozenset(self.index["timezones"][i] for i in node)
            if "pos" in node:
                if path not in self.cache:
                    self.cache[path] = geotz_source._read_features(self.blob[node["pos"]:node["pos"] + node["len"]])
                return frozenset(tzid for tzid, polygons in self.cache[path]
                                 if any(_inside(rings, lon, lat) for rings in polygons))
            mid_lat, mid_lon = (top + bottom) / 2, (left + right) / 2


def _inside(rings, x, y):
    inside = False
    for ring in rings:
        n = len(ring)
        for i in range(n):
            x1, y1 = ring[i]
            x2, y2 = ring[(i + 1) % n]
            if (y1 > y) != (y2 > y) and x < (x2 - x1) * (y - y1) / (y2 - y1) + x1:
                inside = not inside
    return inside


def circle(lat, lon):
    dlat = RADIUS_KM / 111.2
    dlon = dlat / max(math.cos(math.radians(lat)), 0.01)
    for k in range(8):
        a = k * math.pi / 4
        yield lat + dlat * math.sin(a), lon + dlon * math.cos(a)


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    source = Source(sys.argv[1])
    library = Library(sys.argv[3], sys.argv[2])
    count = int(sys.argv[4]) if len(sys.argv) > 4 else 3000
    rng = random.Random(7)
    checked = faults = 0
    while checked < count:
        lat, lon = rng.uniform(-60, 75), rng.uniform(-180, 180)
        zones = source.zone_at(lat, lon)
        if not zones or any(source.zone_at(a, b) != zones for a, b in circle(lat, lon)):
            continue
        checked += 1
        found = library.zone_at(lat, lon)
        if found not in zones:
            faults += 1
            print("fault at %.5f %.5f: source %s, database %s" % (lat, lon, sorted(zones), found))
    print("%d faults in %d points at least %g km from a border" % (faults, checked, RADIUS_KM))
    sys.exit(1 if faults else 0)


if __name__ == "__main__":
    main()
