#!/usr/bin/env python3
"""Writes the program's pictures into resources/images/.

The SVG pictures are written as text; banner.jpg is rendered from banner.svg beside this
script with rsvg-convert (Debian package librsvg2-bin) and ImageMagick's convert. Run it
after changing a drawing and commit the output.
"""
import subprocess
import tempfile
from pathlib import Path

HERE = Path(__file__).resolve().parent
IMAGES = HERE.parents[1] / "resources" / "images"
BLUE, LIGHT_BLUE, DELIGHT_BLUE, YELLOW, GREY = "#144A81", "#4B91E6", "#C1D1DE", "#FFEC0E", "#787878"


def svg(width, height, body):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
            f'viewBox="0 0 {width} {height}">\n{body}\n</svg>\n')


def logo():
    # a clock face whose hand is a switch lever, beside the product name
    return svg(240, 64, f'''  <circle cx="32" cy="32" r="26" fill="none" stroke="{BLUE}" stroke-width="6"/>
  <path d="M32 14v18l12 8" fill="none" stroke="{BLUE}" stroke-width="6" stroke-linecap="round" stroke-linejoin="round"/>
  <circle cx="32" cy="32" r="5" fill="{YELLOW}"/>
  <text x="72" y="44" font-family="Noto Sans, sans-serif" font-size="34" font-weight="500" fill="{BLUE}">TARVINO</text>''')


def maker_logo():
    return svg(200, 64, f'''  <path d="M8 12h40L8 52h40" fill="none" stroke="{BLUE}" stroke-width="7" stroke-linecap="round" stroke-linejoin="round"/>
  <text x="60" y="44" font-family="Noto Sans, sans-serif" font-size="32" font-weight="300" fill="{BLUE}">zorvik</text>''')


def device_scan_item():
    # a time switch on a rail seen from the front, the tile of a found device
    return svg(96, 96, f'''  <rect x="18" y="8" width="60" height="80" rx="8" fill="#FFFFFF" stroke="{BLUE}" stroke-width="4"/>
  <rect x="28" y="18" width="40" height="22" rx="3" fill="{DELIGHT_BLUE}"/>
  <circle cx="36" cy="56" r="5" fill="{BLUE}"/><circle cx="60" cy="56" r="5" fill="{BLUE}"/>
  <path d="M30 72h36" stroke="{GREY}" stroke-width="4" stroke-linecap="round"/>''')


def search_wave(frame):
    # frame 1 shows the antenna alone, each further frame one more wave
    waves = "".join(
        f'  <path d="M{48 - 10 * r} {60 - 10 * r} a{14 * r} {14 * r} 0 0 1 {20 * r} 0" fill="none" '
        f'stroke="{LIGHT_BLUE if r == frame - 1 else BLUE}" stroke-width="4" stroke-linecap="round"/>\n'
        for r in range(1, frame))
    return svg(96, 96, f'''  <circle cx="48" cy="60" r="6" fill="{BLUE}"/>
  <path d="M48 66v22" stroke="{BLUE}" stroke-width="4" stroke-linecap="round"/>
{waves.rstrip()}''')


def phone():
    return svg(120, 200, f'''  <rect x="10" y="6" width="100" height="188" rx="16" fill="#FFFFFF" stroke="{BLUE}" stroke-width="6"/>
  <rect x="20" y="28" width="80" height="138" rx="4" fill="{DELIGHT_BLUE}"/>
  <circle cx="60" cy="180" r="6" fill="{BLUE}"/>''')


def laptop():
    return svg(240, 160, f'''  <rect x="34" y="10" width="172" height="112" rx="8" fill="#FFFFFF" stroke="{BLUE}" stroke-width="6"/>
  <rect x="46" y="22" width="148" height="88" rx="3" fill="{DELIGHT_BLUE}"/>
  <path d="M8 134h224l-12 18H20z" fill="{BLUE}"/>''')


def twilight_ranges(labels):
    # the sun's depression below the horizon and the three twilight bands with their angles
    bands = [("#4B91E6", 0, -6), ("#2c6bb3", -6, -12), ("#144A81", -12, -18), ("#0b2f57", -18, -24)]
    scale = 10
    body = [f'  <rect width="520" height="120" fill="#FFEC0E" opacity="0.25"/>']
    for (colour, top, bottom), label in zip(bands, labels[1:]):
        y = 120 - top * scale
        body.append(f'  <rect y="{y}" width="520" height="{(top - bottom) * scale}" fill="{colour}"/>')
        body.append(f'  <text x="20" y="{y + 38}" font-family="Noto Sans, sans-serif" font-size="20" fill="#FFFFFF">{label}</text>')
        body.append(f'  <text x="500" y="{y + 38}" text-anchor="end" font-family="Noto Sans, sans-serif" font-size="18" '
                    f'fill="#FFFFFF">{top}° … {bottom}°</text>')
    body.append(f'  <path d="M0 120h520" stroke="{GREY}" stroke-width="3"/>')
    body.append(f'  <text x="20" y="80" font-family="Noto Sans, sans-serif" font-size="20" fill="{BLUE}">{labels[0]}</text>')
    body.append(f'  <circle cx="430" cy="64" r="26" fill="{YELLOW}"/>')
    return svg(520, 360, "\n".join(body))


def render_banner():
    with tempfile.TemporaryDirectory() as folder:
        png = Path(folder) / "banner.png"
        subprocess.run(["rsvg-convert", "-o", str(png), str(HERE / "banner.svg")], check=True)
        subprocess.run(["convert", str(png), "-strip", "-quality", "88", str(IMAGES / "banner.jpg")], check=True)


def main():
    IMAGES.mkdir(parents=True, exist_ok=True)
    pictures = {
        "logo.svg": logo(),
        "zorvik-logo.svg": maker_logo(),
        "device-scan-item.svg": device_scan_item(),
        "phone.svg": phone(),
        "laptop.svg": laptop(),
        # the file names are the translations of "daemmerungsbereiche" (context "Image")
        "daemmerungsbereiche.svg": twilight_ranges(
            ["Tag", "Bürgerliche Dämmerung", "Nautische Dämmerung", "Astronomische Dämmerung", "Nacht"]),
        "twilight-ranges.svg": twilight_ranges(
            ["Day", "Civil twilight", "Nautical twilight", "Astronomical twilight", "Night"]),
    }
    for frame in range(1, 7):
        pictures[f"search-wave-{frame}.svg"] = search_wave(frame)
    for name, text in pictures.items():
        (IMAGES / name).write_text(text)
    render_banner()


if __name__ == "__main__":
    main()
