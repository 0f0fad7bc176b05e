"""Reads the time-zone boundary data that the npm package "geo-tz" ships.

The package keeps timezone-boundary-builder's polygons in a quadtree: the index (JSON) names,
for every leaf cell, either the zone(s) covering the whole cell or a byte range of the data
file holding the polygons clipped to that cell, encoded as geobuf (protocol buffers). Cells
missing from the tree lie over open sea and carry no zone.

Only the Python standard library is used.
"""

import json
import os


class _Pbf:
    """Minimal protocol-buffer reader for the geobuf messages."""

    def __init__(self, buf, pos=0, end=None):
        self.buf = buf
        self.pos = pos
        self.end = len(buf) if end is None else end

    def varint(self):
        buf, pos = self.buf, self.pos
        result = 0
        shift = 0
        while True:
            b = buf[pos]
            pos += 1
            result |= (b & 0x7F) << shift
            if b < 0x80:
                break
            shift += 7
        self.pos = pos
        return result

    def svarint(self):
        v = self.varint()
        return (v >> 1) ^ -(v & 1)

    def fields(self):
        while self.pos < self.end:
            key = self.varint()
            yield key >> 3, key & 7

    def sub(self):
        length = self.varint()
        start = self.pos
        self.pos += length
        return _Pbf(self.buf, start, start + length)

    def string(self):
        sub = self.sub()
        return self.buf[sub.pos:sub.end].decode("utf-8")

    def packed(self, signed=False):
        sub = self.sub()
        read = sub.svarint if signed else sub.varint
        out = []
        while sub.pos < sub.end:
            out.append(read())
        return out

    def skip(self, wire):
        if wire == 0:
            self.varint()
        elif wire == 1:
            self.pos += 8
        elif wire == 2:
            self.pos += self.varint()
        elif wire == 5:
            self.pos += 4
        else:
            raise ValueError("unsupported wire type %d" % wire)


POLYGON, MULTIPOLYGON, GEOMETRYCOLLECTION = 4, 5, 6


def _read_value(pbf):
    value = None
    for field, wire in pbf.fields():
        if field in (1, 6):
            value = pbf.string()
        else:
            pbf.skip(wire)
    return value


def _rings(coords, lengths, count_points):
    """Splits delta-coded coordinates into rings (closing point not stored)."""
    rings = []
    pos = 0
    for n in count_points(lengths):
        ring = []
        lon = lat = 0
        for _ in range(n):
            lon += coords[pos]
            lat += coords[pos + 1]
            pos += 2
            ring.append((lon, lat))
        rings.append(ring)
    return rings


def _read_geometry(pbf, e):
    """Returns a list of polygons, each a list of rings of (lon, lat) in degrees."""
    gtype = 0
    lengths = []
    coords = []
    children = []
    for field, wire in pbf.fields():
        if field == 1:
            gtype = pbf.varint()
        elif field == 2:
            lengths = pbf.packed()
        elif field == 3:
            coords = pbf.packed(signed=True)
        elif field == 4:
            children.extend(_read_geometry(pbf.sub(), e))
        else:
            pbf.skip(wire)
    if gtype == GEOMETRYCOLLECTION:
        return children
    if gtype not in (POLYGON, MULTIPOLYGON):
        return []
    npoints = len(coords) // 2

    def scale(rings):
        return [[(x / e, y / e) for x, y in ring] for ring in rings]

    if gtype == POLYGON:
        counts = lengths if lengths else [npoints]
        return [scale(_rings(coords, counts, lambda l: l))]
    if not lengths:
        return [scale(_rings(coords, [npoints], lambda l: l))]
    polygons = []
    j = 1
    pos = 0
    for _ in range(lengths[0]):
        nrings = lengths[j]
        ring_lengths = lengths[j + 1:j + 1 + nrings]
        j += nrings + 1
        used = sum(ring_lengths) * 2
        polygons.append(scale(_rings(coords[pos:pos + used], ring_lengths, lambda l: l)))
        pos += used
    return polygons


def _read_features(buf):
    """Decodes one geobuf FeatureCollection: [(tzid, polygons)]."""
    pbf = _Pbf(buf)
    keys = []
    precision = 6
    features = []
    for field, wire in pbf.fields():
        if field == 1:
            keys.append(pbf.string())
        elif field == 3:
            precision = pbf.varint()
        elif field == 4:
            coll = pbf.sub()
            for f2, w2 in coll.fields():
                if f2 == 1:
                    features.append(coll.sub())
                else:
                    coll.skip(w2)
        else:
            pbf.skip(wire)
    e = 10 ** precision
    out = []
    for feat in features:
        values = []
        props = []
        polygons = []
        for field, wire in feat.fields():
            if field == 1:
                polygons = _read_geometry(feat.sub(), e)
            elif field == 13:
                values.append(_read_value(feat.sub()))
            elif field == 14:
                props = feat.packed()
            else:
                feat.skip(wire)
        tzid = None
        for k in range(0, len(props), 2):
            if keys[props[k]] == "tzid":
                tzid = values[props[k + 1]]
        if tzid:
            out.append((tzid, polygons))
    return out


def read_pieces(package_dir, product="timezones"):
    """Yields (tzid, rings, cell) for every piece of zone in the package's data, where rings
    are lists of (lon, lat) in degrees (the outer ring first, then its holes) and cell is the
    piece's quadtree path ("a" to "d" per level, from the whole world down)."""
    data_dir = os.path.join(package_dir, "data")
    with open(os.path.join(data_dir, product + ".geojson.index.json")) as f:
        index = json.load(f)
    with open(os.path.join(data_dir, product + ".geojson.geo.dat"), "rb") as f:
        blob = f.read()
    zones = index["timezones"]

    def walk(node, top, bottom, left, right, path):
        depth = len(path)
        mid_lat = 0.0 if depth == 0 else (top + bottom) / 2
        mid_lon = 0.0 if depth == 0 else (left + right) / 2
        quads = {
            "a": (top, mid_lat, mid_lon, right),
            "b": (top, mid_lat, left, mid_lon),
            "c": (mid_lat, bottom, left, mid_lon),
            "d": (mid_lat, bottom, mid_lon, right),
        }
        for key, (t, b, l, r) in quads.items():
            child = node.get(key)
            if child is None:
                continue
            if isinstance(child, list):
                ring = [(l, t), (r, t), (r, b), (l, b)]
                yield zones[child[0]], [ring], path + key
            elif "pos" in child:
                for tzid, polygons in _read_features(blob[child["pos"]:child["pos"] + child["len"]]):
                    for rings in polygons:
                        yield tzid, rings, path + key
            else:
                yield from walk(child, t, b, l, r, path + key)

    yield from walk(index["lookup"], 89.9999, -89.9999, -179.9999, 179.9999, "")
