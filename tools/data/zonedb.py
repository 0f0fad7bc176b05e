"""Writer of the polygon look-up database ("PLB" files) read by the countries library.

The byte layout is described in docs/timezone-database.md. Polygons are given in fixed-point
units as lists of (lat, lon) integers, without the closing point; outer rings run clockwise
(seen with longitude to the right and latitude up), holes are separate counter-clockwise
polygons with the same field values.
"""

import struct


def f32(value):
    return struct.unpack("<f", struct.pack("<f", value))[0]


def to_fixed(degrees, half_range, precision):
    """Degrees to the fixed-point integer, computed in single precision like the reader."""
    scaled = f32(f32(f32(degrees) / f32(half_range)) * f32(float(1 << (precision - 1))))
    return int(scaled)  # int() truncates toward zero


def varint(value):
    assert value >= 0
    out = bytearray()
    while value >= 0x80:
        out.append((value & 0x7F) | 0x80)
        value >>= 7
    out.append(value)
    return bytes(out)


def svarint(value):
    return varint(2 * value if value >= 0 else 2 * -value + 1)


def coded(text_bytes):
    return bytes((b + 128) & 0xFF for b in text_bytes)


def literal_string(text):
    raw = text.encode("utf-8")
    assert len(raw) < 256
    return varint(len(raw)) + coded(raw)


def _spread(value):
    """Moves bit i of value to bit 2i."""
    out = 0
    bit = 0
    while value:
        if value & 1:
            out |= 1 << (2 * bit)
        value >>= 1
        bit += 1
    return out


def point_v1(dlat, dlon):
    """One point of a version-1 polygon: the deltas interleaved, signs in bits 0 and 1."""
    assert (dlat, dlon) != (0, 0)
    code = (1 if dlat < 0 else 0) | (2 if dlon < 0 else 0)
    code |= _spread(abs(dlat)) << 2
    code |= _spread(abs(dlon)) << 3
    return varint(code)


ESCAPE_END = varint(0) + varint(0)


def copy_run(offset, length):
    """Escape that repeats `length` points coded at data offset `offset` (negative: backward,
    with offset at the last byte of the last point read first)."""
    return varint(0) + varint(1) + varint(offset) + svarint(length)


def repeat_point():
    """Escape that yields the current point once more."""
    return varint(0) + varint(2)


def deltas(ring):
    prev = (0, 0)
    out = []
    for lat, lon in ring:
        out.append((lat - prev[0], lon - prev[1]))
        prev = (lat, lon)
    return out


def polygon_v0(ring):
    body = varint(len(ring))
    for dlat, dlon in deltas(ring):
        body += svarint(dlat) + svarint(dlon)
    return body


def polygon_v1(ring):
    if ring[0] == (0, 0):
        # A first point at the origin would code as the escape; start the ring one later.
        ring = ring[1:] + ring[:1]
    return b"".join(point_v1(dlat, dlon) for dlat, dlon in deltas(ring)) + ESCAPE_END


class Database:
    """Collects zones and polygons and writes the file."""

    def __init__(self, table_type, fields, notice, version=1, precision=21):
        self.table_type = table_type
        self.fields = fields
        self.notice = notice
        self.version = version
        self.precision = precision
        self.metadata = bytearray()
        self.data = bytearray()
        self.polygons = []  # (minLat, minLon, maxLat, maxLon, metadata offset, data offset)
        self._seen_strings = {}

    def add_zone(self, values, share_strings=True):
        """Appends one zone's field values; returns its metadata offset. Repeated values are
        stored as references to their first occurrence."""
        assert len(values) == len(self.fields)
        offset = len(self.metadata)
        for value in values:
            raw = value.encode("utf-8")
            assert len(raw) <= 256
            if share_strings and raw in self._seen_strings:
                self.metadata += varint(256 + self._seen_strings[raw])
            else:
                assert len(raw) < 256
                self._seen_strings.setdefault(raw, len(self.metadata))
                self.metadata += varint(len(raw)) + coded(raw)
        return offset

    def add_polygon(self, ring, metadata_offset, body=None):
        """Appends a polygon; `body` replaces the plain coding of `ring` (e.g. with copy runs),
        while `ring` still gives the bounding box. Returns the polygon's data offset."""
        if body is None:
            body = polygon_v1(ring) if self.version == 1 else polygon_v0(ring)
        offset = len(self.data)
        self.data += body
        lats = [p[0] for p in ring]
        lons = [p[1] for p in ring]
        self.polygons.append((min(lats), min(lons), max(lats), max(lons), metadata_offset, offset))
        return offset

    def encode(self):
        boxes = bytearray()
        meta_prev = 0
        data_prev = 0
        order = sorted(self.polygons, key=lambda p: p[0])
        for min_lat, min_lon, max_lat, max_lon, meta, data in order:
            boxes += svarint(min_lat) + svarint(min_lon) + svarint(max_lat) + svarint(max_lon)
            boxes += svarint(meta - meta_prev)
            assert data >= data_prev, "polygons must be added in ascending minimum latitude"
            boxes += varint(data - data_prev)
            meta_prev, data_prev = meta, data
        header = b"PLB" + self.table_type.encode() + bytes([self.version, self.precision])
        header += bytes([len(self.fields)])
        header += b"".join(literal_string(name) for name in self.fields)
        header += literal_string(self.notice)
        header += varint(len(boxes)) + varint(len(self.metadata)) + varint(len(self.data))
        return bytes(header) + bytes(boxes) + bytes(self.metadata) + bytes(self.data)
