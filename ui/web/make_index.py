#!/usr/bin/env python3
"""Writes the page's index.html from its template, with everything the first board needs but
the program inlined: its style sheet (with the score labels' font in it), the game's icon and
its web app manifest (name and version). The page then loads three files, as an empty
emscripten page does, and its Content Security Policy allows the inlined style by its hash."""
import base64
import hashlib
import json
import sys
import urllib.parse

from minify_css import minify

FONT_FILE = "url(ocr-a.woff2)"


def data_url(kind, path):
    with open(path, "rb") as source:
        return f"data:{kind};base64," + base64.b64encode(source.read()).decode()


def main():
    if len(sys.argv) != 7:
        sys.exit("usage: make_index.py TEMPLATE ICON.ico VERSION STYLE.css FONT.woff2 OUTPUT")
    template, icon, version, style_sheet, font, output = sys.argv[1:]
    with open(style_sheet, encoding="utf-8") as source:
        style = minify(source.read()).strip()
    if FONT_FILE not in style:
        sys.exit(f"make_index.py: {style_sheet} does not name its font as {FONT_FILE}")
    style = style.replace(FONT_FILE, f"url({data_url('font/woff2', font)})")
    style_hash = "sha256-" + base64.b64encode(hashlib.sha256(style.encode()).digest()).decode()
    manifest = {"name": "Tinzel", "version": version}
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
