#!/usr/bin/env python3
"""Builds resources/map/world.svg, the world map of the location views, from the TopoJSON that
the npm package "world-atlas" 2.0.2 ships (Natural Earth 4.1.0; unpack it with
`npm pack world-atlas@2.0.2` outside the work tree).

    make_world_map.py WORLD_ATLAS_PACKAGE_DIR OUTPUT_FILE

The picture is plate carree over its whole view box: x = longitude + 180, y = 90 - latitude,
in hundredths of a degree. It holds a sea-coloured rectangle, the land of land-50m, the borders
between the countries of countries-50m (each shared arc once) and a light graticule.

Two things keep Qt SVG drawing it right:
- Every land ring is a path of its own: one path for all the land is cut off by the parser.
- Rings crossing the antimeridian jump between +180 and -180. They are unwrapped and drawn a
  second time shifted by 360 degrees; a ring around a pole (Antarctica) is closed over it.
"""

import json
import os
import sys

SCALE = 100  # view-box units per degree
WIDTH = 360 * SCALE
HEIGHT = 180 * SCALE
GRATICULE_STEP = 30

SEA = "#cfe0ee"
LAND = "#f3efe4"
BORDER = "#a59d90"
COAST = "#8fa9bf"
GRATICULE = "#b7cde0"


class Topology:
    """The arcs of a TopoJSON topology in degrees."""

    def __init__(self, path):
        with open(path, encoding="utf-8") as f:
            self.data = json.load(f)
        (sx, sy), (tx, ty) = self.data["transform"]["scale"], self.data["transform"]["translate"]
        self.arcs = []
        for arc in self.data["arcs"]:
            x = y = 0
            points = []
            for dx, dy in arc:
                x += dx
                y += dy
                points.append((x * sx + tx, y * sy + ty))
            self.arcs.append(points)

    def geometries(self, name):
        return self.data["objects"][name]["geometries"]

    def arc(self, index):
        return self.arcs[index] if index >= 0 else self.arcs[~index][::-1]

    def ring(self, indexes):
        points = []
        for index in indexes:
            arc = self.arc(index)
            points.extend(arc if not points else arc[1:])
        return points


def polygons(geometry):
    if geometry["type"] == "Polygon":
        return [geometry["arcs"]]
    if geometry["type"] == "MultiPolygon":
        return geometry["arcs"]
    return []


def unwrap(points):
    """Longitudes made continuous, so a ring crossing the antimeridian does not jump."""
    out = []
    shift = 0.0
    for lon, lat in points:
        if out:
            previous = out[-1][0] - shift
            if lon - previous > 180:
                shift -= 360
            elif lon - previous < -180:
                shift += 360
        out.append((lon + shift, lat))
    return out


def close_over_pole(ring):
    """A ring that ends 360 degrees from its start goes round a pole: close it over the pole."""
    if abs(ring[-1][0] - ring[0][0]) < 180:
        return ring
    pole = -90.0 if sum(lat for _, lat in ring) < 0 else 90.0
    return ring + [(ring[-1][0], pole), (ring[0][0], pole)]


def copies(points):
    """The shifts by which the unwrapped points must be drawn to cover -180 ... +180."""
    west = min(lon for lon, _ in points)
    east = max(lon for lon, _ in points)
    return [k for k in (-360, 0, 360) if west + k < 180 and east + k > -180]


def to_units(points):
    out = []
    for lon, lat in points:
        p = (round((lon + 180) * SCALE), round((90 - lat) * SCALE))
        if not out or out[-1] != p:
            out.append(p)
    return out


def path_data(units, shift, closed):
    """Relative path data, so a shifted copy only differs in its first point."""
    x0, y0 = units[0]
    parts = [f"M{x0 + shift * SCALE} {y0}"]
    for (xa, ya), (xb, yb) in zip(units, units[1:]):
        parts.append(f"{xb - xa} {yb - ya}")
    return parts[0] + "l" + " ".join(parts[1:]) + ("z" if closed else "")


def shape_paths(points, closed):
    points = unwrap(points)
    if closed:
        points = close_over_pole(points)
    units = to_units(points)
    if len(units) < (3 if closed else 2):
        return []
    return [path_data(units, k, closed) for k in copies(points)]


def is_degenerate(points):
    """A ring without area along a pole's latitude, as the data closes a polar ring."""
    return max(lat for _, lat in points) - min(lat for _, lat in points) < 0.01


def land_paths(topology):
    """The outer rings, and the holes (the Caspian Sea), painted with the sea over them."""
    outer, holes = [], []
    for geometry in topology.geometries("land"):
        for polygon in polygons(geometry):
            outer.extend(shape_paths(topology.ring(polygon[0]), True))
            for ring in polygon[1:]:
                points = topology.ring(ring)
                if not is_degenerate(points):
                    holes.extend(shape_paths(points, True))
    return outer, holes


def border_paths(topology):
    """Arcs that two different countries share, each once."""
    users = {}
    for number, geometry in enumerate(topology.geometries("countries")):
        for polygon in polygons(geometry):
            for ring in polygon:
                for index in ring:
                    users.setdefault(index if index >= 0 else ~index, set()).add(number)
    paths = []
    for index in sorted(users):
        if len(users[index]) > 1:
            paths.extend(shape_paths(topology.arcs[index], False))
    return paths


def graticule_paths():
    lines = [f"M{(lon + 180) * SCALE} 0V{HEIGHT}" for lon in range(-180 + GRATICULE_STEP, 180, GRATICULE_STEP)]
    lines += [f"M0 {(90 - lat) * SCALE}H{WIDTH}" for lat in range(-90 + GRATICULE_STEP, 90, GRATICULE_STEP)]
    return lines


def svg(land, holes, borders, graticule):
    stroke = 'fill="none" vector-effect="non-scaling-stroke"'
    out = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        "<!-- Made by tools/data/make_world_map.py from Natural Earth 4.1.0 (public domain) via the"
        " npm package world-atlas 2.0.2. -->",
        f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny"'
        f' viewBox="0 0 {WIDTH} {HEIGHT}" width="{WIDTH // SCALE * 4}" height="{HEIGHT // SCALE * 4}">',
        f'<rect id="sea" x="0" y="0" width="{WIDTH}" height="{HEIGHT}" fill="{SEA}"/>',
        f'<g id="graticule" stroke="{GRATICULE}" stroke-width="0.6" {stroke}>',
        *[f'<path d="{d}"/>' for d in graticule],
        "</g>",
        f'<g id="land" fill="{LAND}" stroke="{COAST}" stroke-width="0.6" vector-effect="non-scaling-stroke">',
        *[f'<path d="{d}"/>' for d in land],
        "</g>",
        f'<g id="lakes" fill="{SEA}" stroke="{COAST}" stroke-width="0.6" vector-effect="non-scaling-stroke">',
        *[f'<path d="{d}"/>' for d in holes],
        "</g>",
        f'<g id="borders" stroke="{BORDER}" stroke-width="0.6" {stroke}>',
        *[f'<path d="{d}"/>' for d in borders],
        "</g>",
        "</svg>",
    ]
    return "\n".join(out) + "\n"


def main(argv):
    if len(argv) != 3:
        sys.exit(__doc__)
    package, output = argv[1], argv[2]
    land, holes = land_paths(Topology(os.path.join(package, "land-50m.json")))
    borders = border_paths(Topology(os.path.join(package, "countries-50m.json")))
    text = svg(land, holes, borders, graticule_paths())
    os.makedirs(os.path.dirname(output) or ".", exist_ok=True)
    with open(output, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)
    print(f"{output}: {len(land)} land paths, {len(holes)} holes, {len(borders)} borders, {len(text)} bytes")


if __name__ == "__main__":
    main(sys.argv)
