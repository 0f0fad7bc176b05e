#!/usr/bin/env python3
"""Builds resources/countries_data/timezone21.bin from timezone-boundary-builder's polygons as
shipped by the npm package "geo-tz" (unpack it with `npm pack geo-tz` outside the work tree).

    make_timezone_db.py GEO_TZ_PACKAGE_DIR OUTPUT_FILE

Every zone piece is brought to 21-bit fixed point and oriented (outer rings clockwise, holes
counter-clockwise as polygons of their own); the pieces of one zone within one tile of the
source's quadtree are merged, simplified (Douglas-Peucker, tolerance TOLERANCE_DEG, far below
the 5 km within which a point may change its zone) and written with zonedb. Cells of open sea
carry no zone in the source and so none in the file. Takes a few minutes.
"""

import bisect
import datetime
import sys
import zoneinfo
from collections import Counter, defaultdict

import geotz_source
import zonedb

PRECISION = 21
TOLERANCE_DEG = 0.002
TILE_DEPTH = 6
FIELDS = ["TimezoneIdPrefix", "TimezoneId", "StandardOffset", "Source"]
NOTICE = "Contains timezone-boundary-builder data (c) OpenStreetMap contributors, ODbL 1.0"
SOURCE = "timezone-boundary-builder"

# Ids whose current spelling the time-zone data of older systems lacks; the old alias is
# accepted everywhere.
ID_ALIASES = {}


def fixed_ring(ring):
    """(lon, lat) degrees to (lat, lon) fixed point, without repeated or closing points."""
    out = []
    for lon, lat in ring:
        p = (zonedb.to_fixed(lat, 90.0, PRECISION), zonedb.to_fixed(lon, 180.0, PRECISION))
        if not out or out[-1] != p:
            out.append(p)
    while len(out) > 1 and out[-1] == out[0]:
        out.pop()
    return out


def signed_area(ring):
    """Twice the area with longitude as x and latitude as y; positive when counter-clockwise."""
    total = 0
    n = len(ring)
    for i in range(n):
        lat1, lon1 = ring[i]
        lat2, lon2 = ring[(i + 1) % n]
        total += lon1 * lat2 - lon2 * lat1
    return total


def _simplify_open(points, tol_lat, tol_lon):
    """Douglas-Peucker on an open line in fixed point; lat and lon tolerances in units."""
    keep = [False] * len(points)
    keep[0] = keep[-1] = True
    stack = [(0, len(points) - 1)]
    while stack:
        first, last = stack.pop()
        if last - first < 2:
            continue
        la, lo = points[first][0] / tol_lat, points[first][1] / tol_lon
        lb, lob = points[last][0] / tol_lat, points[last][1] / tol_lon
        dy, dx = lb - la, lob - lo
        norm = (dx * dx + dy * dy) ** 0.5
        worst = -1.0
        worst_i = first
        for i in range(first + 1, last):
            py, px = points[i][0] / tol_lat - la, points[i][1] / tol_lon - lo
            d = abs(px * dy - py * dx) / norm if norm else (px * px + py * py) ** 0.5
            if d > worst:
                worst, worst_i = d, i
        if worst > 1.0:
            keep[worst_i] = True
            stack.append((first, worst_i))
            stack.append((worst_i, last))
    return [p for p, k in zip(points, keep) if k]


def simplify_ring(ring):
    if len(ring) <= 4:
        return ring
    tol_lat = TOLERANCE_DEG / 90.0 * (1 << (PRECISION - 1))
    tol_lon = TOLERANCE_DEG / 180.0 * (1 << (PRECISION - 1))
    far = max(range(len(ring)), key=lambda i: abs(ring[i][0] - ring[0][0]) + abs(ring[i][1] - ring[0][1]))
    first = _simplify_open(ring[:far + 1], tol_lat, tol_lon)
    second = _simplify_open(ring[far:] + [ring[0]], tol_lat, tol_lon)
    return first[:-1] + second[:-1]


def oriented(ring, clockwise):
    area = signed_area(ring)
    if area == 0:
        return None
    return ring if (area < 0) == clockwise else ring[::-1]


def _split_axis_edges(edges):
    """Splits horizontal and vertical edges at the vertices of other such edges lying on them,
    so that borders shared by neighbouring cells consist of the same edges."""
    rows = defaultdict(set)
    columns = defaultdict(set)
    for a, b in edges:
        if a[0] == b[0]:
            rows[a[0]].update((a[1], b[1]))
        elif a[1] == b[1]:
            columns[a[1]].update((a[0], b[0]))
    rows = {k: sorted(v) for k, v in rows.items()}
    columns = {k: sorted(v) for k, v in columns.items()}
    out = []
    for a, b in edges:
        if a[0] == b[0]:
            stops = rows[a[0]]
            lo, hi = sorted((a[1], b[1]))
            inner = stops[bisect.bisect_right(stops, lo):bisect.bisect_left(stops, hi)]
            points = [a] + [(a[0], x) for x in (inner if a[1] < b[1] else inner[::-1])] + [b]
        elif a[1] == b[1]:
            stops = columns[a[1]]
            lo, hi = sorted((a[0], b[0]))
            inner = stops[bisect.bisect_right(stops, lo):bisect.bisect_left(stops, hi)]
            points = [a] + [(y, a[1]) for y in (inner if a[0] < b[0] else inner[::-1])] + [b]
        else:
            out.append((a, b))
            continue
        out.extend(zip(points, points[1:]))
    return out


def dissolve(rings):
    """Merges oriented rings of one zone: edges shared by two rings (walked in opposite
    directions) cancel, the rest is chained into closed rings again. Winding counts add up
    over edges, so any chaining keeps every point's answer."""
    edges = []
    for ring in rings:
        edges.extend(zip(ring, ring[1:] + ring[:1]))
    remaining = Counter(_split_axis_edges(edges))
    for a, b in list(remaining):
        count = remaining[(a, b)]
        back = remaining.get((b, a), 0)
        if count and back:
            cancel = min(count, back)
            remaining[(a, b)] -= cancel
            remaining[(b, a)] -= cancel
    outgoing = defaultdict(list)
    for (a, b), count in remaining.items():
        outgoing[a].extend([b] * count)
    out = []
    for start in list(outgoing):
        while outgoing[start]:
            ring = [start]
            point = outgoing[start].pop()
            while point != start:
                ring.append(point)
                point = outgoing[point].pop()
            out.append(ring)
    return out


def build_polygons(package_dir):
    """Returns [(tzid, ring)] in fixed point, simplified and oriented. Pieces of one zone
    within one tile of the source's quadtree (TILE_DEPTH levels down) are merged, which keeps
    polygons few and each of them small."""
    groups = defaultdict(list)
    for tzid, rings, cell in geotz_source.read_pieces(package_dir):
        tzid = ID_ALIASES.get(tzid, tzid)
        for index, ring in enumerate(rings):
            ring = fixed_ring(ring)
            if len(ring) < 3:
                continue
            ring = oriented(ring, clockwise=(index == 0))
            if ring is not None:
                groups[(tzid, cell[:TILE_DEPTH])].append(ring)
    out = []
    for (tzid, _), rings in sorted(groups.items()):
        for ring in dissolve(rings):
            clockwise = signed_area(ring) < 0
            ring = simplify_ring(ring)
            if len(ring) >= 3 and signed_area(ring) != 0 and (signed_area(ring) < 0) == clockwise:
                out.append((tzid, ring))
    return out


def standard_offset_seconds(tzid):
    """The smaller of the mid-January and mid-July offsets: the standard time of zones with
    summer time in either hemisphere (also where the time-zone data calls winter time the
    daylight-saving one, as for Europe/Dublin)."""
    zone = zoneinfo.ZoneInfo(tzid)
    year = datetime.date.today().year
    return min(int(datetime.datetime(year, m, 15, 12, tzinfo=zone).utcoffset().total_seconds()) for m in (1, 7))


def format_offset(minutes):
    sign = "+" if minutes >= 0 else "-"
    return "%s%02d:%02d" % (sign, abs(minutes) // 60, abs(minutes) % 60)


def split_id(tzid):
    cut = tzid.rfind("/") + 1
    return tzid[:cut], tzid[cut:]


def write_database(polygons, path):
    db = zonedb.Database("T", FIELDS, NOTICE, version=1, precision=PRECISION)
    zone_offsets = {}
    for tzid in sorted({p[0] for p in polygons}):
        prefix, name = split_id(tzid)
        values = [prefix, name, format_offset(standard_offset_seconds(tzid) // 60), SOURCE]
        zone_offsets[tzid] = db.add_zone(values)
    for tzid, ring in sorted(polygons, key=lambda p: min(q[0] for q in p[1])):
        db.add_polygon(ring, zone_offsets[tzid])
    blob = db.encode()
    with open(path, "wb") as f:
        f.write(blob)
    return len(blob), len(db.polygons), len(zone_offsets)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    polygons = build_polygons(sys.argv[1])
    size, count, zones = write_database(polygons, sys.argv[2])
    print("%s: %d bytes, %d polygons, %d zones" % (sys.argv[2], size, count, zones))


if __name__ == "__main__":
    main()
