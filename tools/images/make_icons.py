#!/usr/bin/env python3
"""Writes the program's icons into resources/icons/.

Every icon is drawn on one 24 x 24 grid with one stroke width (2, round caps and joins) in
black; the views colour them through ColoredIcon and SvgIcon. Run it after changing a drawing
and commit the output.
"""
from pathlib import Path

STROKE = 2

# name -> SVG shapes inside the 24 x 24 grid (stroked, unfilled unless a shape says otherwise)
ICONS = {
    "arrow-back": '<path d="M20 12H4M10 6l-6 6 6 6"/>',
    "upload": '<path d="M12 16V4M7 9l5-5 5 5M4 16v4h16v-4"/>',
    "duplicate": '<rect x="8" y="8" width="12" height="12" rx="2"/><path d="M16 8V5a1 1 0 0 0-1-1H5a1 1 0 0 0-1 1v10a1 1 0 0 0 1 1h3"/>',
    "plus": '<path d="M12 5v14M5 12h14"/>',
    "minus": '<path d="M5 12h14"/>',
    "settings": '<circle cx="12" cy="12" r="3"/><path d="M12 2v3M12 19v3M2 12h3M19 12h3M4.9 4.9l2.1 2.1M17 17l2.1 2.1M4.9 19.1L7 17M17 7l2.1-2.1"/>',
    "trash": '<path d="M4 7h16M9 7V4h6v3M6 7l1 13h10l1-13M10 11v6M14 11v6"/>',
    "checkmark": '<path d="M4 12l5 5L20 6"/>',
    "edit": '<path d="M4 20h4L19 9l-4-4L4 16zM13 7l4 4"/>',
    "paste": '<path d="M9 4h6v3H9zM9 5H6v15h12V5h-3M9 12h6M9 16h4"/>',
    "info": '<circle cx="12" cy="12" r="9"/><path d="M12 11v6M12 7.5v.5"/>',
    "manual": '<path d="M4 5c3-1 6-1 8 1 2-2 5-2 8-1v14c-3-1-6-1-8 1-2-2-5-2-8-1zM12 6v14"/>',
    "import": '<path d="M12 4v12M7 11l5 5 5-5M4 16v4h16v-4"/>',
    "faq": '<circle cx="12" cy="12" r="9"/><path d="M9.5 9.5a2.5 2.5 0 1 1 3.5 2.3c-.7.3-1 .9-1 1.7M12 16.5v.5"/>',
    "success": '<circle cx="12" cy="12" r="9"/><path d="M7.5 12.5l3 3 6-6.5"/>',
    "chevron-left": '<path d="M15 5l-7 7 7 7"/>',
    "chevron-right": '<path d="M9 5l7 7-7 7"/>',
    "chevron-up": '<path d="M5 15l7-7 7 7"/>',
    "chevron-down": '<path d="M5 9l7 7 7-7"/>',
    "close": '<path d="M6 6l12 12M18 6L6 18"/>',
    "calendar": '<rect x="4" y="5" width="16" height="15" rx="2"/><path d="M4 10h16M8 3v4M16 3v4"/>',
    "clock": '<circle cx="12" cy="12" r="9"/><path d="M12 7v5l3 3"/>',
    "folder": '<path d="M3 6h6l2 2h10v11H3z"/>',
    "file": '<path d="M6 3h8l4 4v14H6zM14 3v4h4"/>',
    "sync": '<path d="M20 12a8 8 0 0 1-14 5.3M4 12a8 8 0 0 1 14-5.3M18 3v4h-4M6 21v-4h4"/>',
    "pulse-on": '<path d="M3 19h5V5h8v14h5"/>',
    "pulse-off": '<path d="M3 5h5v14h8V5h5"/>',
    "cycle": '<path d="M12 12c-2-4-7-4-7 0s5 4 7 0 7-4 7 0-5 4-7 0z"/>',
    "search": '<circle cx="10.5" cy="10.5" r="6.5"/><path d="M15.5 15.5L20 20"/>',
    "warning": '<path d="M12 3l10 18H2zM12 10v5M12 18v.5"/>',
    "menu": '<path d="M4 6h16M4 12h16M4 18h16"/>',
    "home": '<path d="M3 11l9-8 9 8M5 9v11h5v-6h4v6h5V9"/>',
    "copy": '<rect x="8" y="8" width="12" height="12" rx="2"/><path d="M4 16V4h12"/>',
    "print": '<path d="M7 9V3h10v6M7 17H4V9h16v8h-3M7 14h10v7H7z"/>',
    "mail": '<rect x="3" y="5" width="18" height="14" rx="2"/><path d="M3 7l9 6 9-6"/>',
    "save": '<path d="M4 4h13l3 3v13H4zM8 4v5h7V4M8 20v-6h8v6"/>',
    "power": '<path d="M12 3v9M7.1 6.1a8 8 0 1 0 9.8 0"/>',
    "sun": '<circle cx="12" cy="12" r="4"/><path d="M12 2v2M12 20v2M2 12h2M20 12h2M4.9 4.9l1.4 1.4M17.7 17.7l1.4 1.4M4.9 19.1l1.4-1.4M17.7 6.3l1.4-1.4"/>',
}

TEMPLATE = ('<svg xmlns="http://www.w3.org/2000/svg" width="24" height="24" viewBox="0 0 24 24" '
            'fill="none" stroke="#000000" stroke-width="{stroke}" stroke-linecap="round" '
            'stroke-linejoin="round">\n  {shapes}\n</svg>\n')


def main():
    folder = Path(__file__).resolve().parents[2] / "resources" / "icons"
    folder.mkdir(parents=True, exist_ok=True)
    for name, shapes in ICONS.items():
        (folder / f"{name}.svg").write_text(TEMPLATE.format(stroke=STROKE, shapes=shapes))


if __name__ == "__main__":
    main()
