#!/usr/bin/env python3
"""Writes the page's index.html from its template, with everything the first board needs but
the program inlined: its style sheet (with the score labels' font in it), the game's icon and
its web app manifest, which a phone installs it by (name, version, the icon as SVG, and the
colours of the form and its caption bar). The page then loads three files, as an empty
emscripten page does, and its Content Security Policy allows the inlined style by its hash."""
import base64
import hashlib
import json
import re
import sys
import urllib.parse

from minify_css import minify

FONT_FILE = "url(ocr-a.woff2)"


def data_url(kind, path):
    with open(path, "rb") as source:
        return f"data:{kind};base64," + base64.b64encode(source.read()).decode()


def found(pattern, text, where):
    match = re.search(pattern, text)
    if not match:
        sys.exit(f"make_index.py: {where} has no {pattern}")
    return match.group(1)


def back_color(design_header):
    """The form's BackColor, red + 256 × green + 65536 × blue, as CSS writes it."""
    with open(design_header, encoding="utf-8") as source:
        value = int(found(r"kBackColor = 0x([0-9A-Fa-f]+);", source.read(), design_header), 16)
    return f"#{value & 0xFF:02x}{value >> 8 & 0xFF:02x}{value >> 16 & 0xFF:02x}"


def main():
    if len(sys.argv) != 10:
        sys.exit("usage: make_index.py TEMPLATE ICON.ico ICON.svg APP_ID VERSION STYLE.css "
                 "FONT.woff2 FORM_DESIGN.h OUTPUT")
    (template, icon, svg_icon, app_id, version, style_sheet, font, design_header,
     output) = sys.argv[1:]
    with open(style_sheet, encoding="utf-8") as source:
        style = minify(source.read()).strip()
    if FONT_FILE not in style:
        sys.exit(f"make_index.py: {style_sheet} does not name its font as {FONT_FILE}")
    style = style.replace(FONT_FILE, f"url({data_url('font/woff2', font)})")
    style_hash = "sha256-" + base64.b64encode(hashlib.sha256(style.encode()).digest()).decode()
    # Installable: a start and a scope (relative to the page, as an inlined manifest has no
    # place of its own), a window of its own, and an icon of any size. Its id, the game's
    # application id, keeps it the same application whatever its start comes to be.
    manifest = {
        "id": app_id,
        "name": "Tinzel",
        "short_name": "Tinzel",
        "version": version,
        "start_url": "./",
        "scope": "./",
        "display": "standalone",
        "theme_color": found(r"\.caption\{[^}]*background:(#[0-9a-f]{6})", style, style_sheet),
        "background_color": back_color(design_header),
        "icons": [{"src": data_url("image/svg+xml", svg_icon), "sizes": "any",
                   "type": "image/svg+xml"}],
    }
    manifest_url = "data:application/manifest+json," + urllib.parse.quote(
        json.dumps(manifest, separators=(",", ":")), safe="")
    with open(template, encoding="utf-8") as source:
        page = source.read()
    for placeholder, value in [("@STYLE_HASH@", style_hash), ("@STYLE@", style),
                               ("@ICON@", data_url("image/x-icon", icon)),
                               ("@MANIFEST@", manifest_url)]:
        page = page.replace(placeholder, value)
    with open(output, "w", encoding="utf-8") as out:
        out.write(page)


if __name__ == "__main__":
    main()
