#!/usr/bin/env python3
"""Writes the small databases that the countries library's tests read.

    make_zone_fixtures.py OUTPUT_DIR

zones_v1.bin (version 1): zone "Test/Square" (lat 10..20, lon 10..20, with a hole at
14..16 / 14..16 stored as a polygon of its own), zone "Test/East" (lat 10..20, lon 20..30,
whose shared border is a backward copy run of the square's, followed by a repeat escape) and
zone "Test/Copy" (lat 30..40, lon 10..20, a forward copy run of the square's outline); the
repeated prefix "Test/" and notes are string references.
zones_v0.bin (version 0): the square with its hole and the east zone, plainly coded.
countries_c.bin: a country table ('C') with one country "Testland" over lat 0..10, lon 0..10.
"""

import os
import sys

import zonedb

P = 21
FIELDS = ["TimezoneIdPrefix", "TimezoneId", "Note", "Level"]
NOTICE = "Test data"


def fx(lat, lon):
    return (zonedb.to_fixed(lat, 90.0, P), zonedb.to_fixed(lon, 180.0, P))


SQUARE = [fx(10, 10), fx(20, 10), fx(20, 20), fx(15, 20), fx(10, 20)]
HOLE = [fx(14, 14), fx(14, 16), fx(16, 16), fx(16, 14)]
EAST = [fx(10, 20), fx(15, 20), fx(20, 20), fx(20, 30), fx(10, 30)]


def add_zones(db):
    square = db.add_zone(["Test/", "Square", "shared note", "1"])
    east = db.add_zone(["Test/", "East", "shared note", "1"])
    copy = db.add_zone(["Test/", "Copy", "shared note", "2"])
    return square, east, copy


def write_v1():
    db = zonedb.Database("T", FIELDS, NOTICE, version=1, precision=P)
    square, east, copy = add_zones(db)

    square_points = [zonedb.point_v1(a, b) for a, b in zonedb.deltas(SQUARE)]
    square_offset = db.add_polygon(SQUARE, square)
    starts = []
    position = square_offset
    for coded_point in square_points:
        starts.append(position)
        position += len(coded_point)

    # East: first point, then the square's last two points read backward (its border
    # (20,20) -> (15,20) -> (10,20) walked the other way), a repeated point, two more points.
    last_byte_of_square = starts[4] + len(square_points[4]) - 1
    east_body = zonedb.point_v1(*zonedb.deltas(EAST)[0])
    east_body += zonedb.copy_run(last_byte_of_square, -2) + zonedb.repeat_point()
    prev = EAST[2]
    for lat, lon in EAST[3:]:
        east_body += zonedb.point_v1(lat - prev[0], lon - prev[1])
        prev = (lat, lon)
    east_body += zonedb.ESCAPE_END
    db.add_polygon(EAST, east, body=east_body)

    db.add_polygon(HOLE, square)

    # Copy: its first point, then the square's deltas 2 to 5 read forward.
    first = fx(30, 10)
    ring = [first]
    for dlat, dlon in zonedb.deltas(SQUARE)[1:]:
        ring.append((ring[-1][0] + dlat, ring[-1][1] + dlon))
    copy_body = zonedb.point_v1(*first) + zonedb.copy_run(starts[1], 4) + zonedb.ESCAPE_END
    db.add_polygon(ring, copy, body=copy_body)
    return db


def write_v0():
    db = zonedb.Database("T", FIELDS, NOTICE, version=0, precision=P)
    square, east, _ = add_zones(db)
    db.add_polygon(SQUARE, square)
    db.add_polygon(EAST, east)
    db.add_polygon(HOLE, square)
    return db


def write_countries():
    db = zonedb.Database("C", ["Name", "Alpha2"], NOTICE, version=1, precision=P)
    land = db.add_zone(["Testland", "TL"])
    db.add_polygon([fx(0, 0), fx(10, 0), fx(10, 10), fx(0, 10)], land)
    return db


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    out = sys.argv[1]
    for name, db in (("zones_v1.bin", write_v1()), ("zones_v0.bin", write_v0()),
                     ("countries_c.bin", write_countries())):
        with open(os.path.join(out, name), "wb") as f:
            f.write(db.encode())


if __name__ == "__main__":
    main()
