#!/usr/bin/env python3
"""Writes the page's index.html from its template, with the game's icon and its web app
manifest (name and version) inlined, so that the page still loads only its own five files."""
import base64
import json
import sys
import urllib.parse


def main():
    if len(sys.argv) != 5:
        sys.exit("usage: make_index.py TEMPLATE ICON.ico VERSION OUTPUT")
    template, icon, version, output = sys.argv[1:]
    with open(icon, "rb") as source:
        icon_url = "data:image/x-icon;base64," + base64.b64encode(source.read()).decode()
    manifest = {"name": "Tinzel", "version": version}
    manifest_url = "data:application/manifest+json," + urllib.parse.quote(
        json.dumps(manifest, separators=(",", ":")), safe="")
    with open(template, encoding="utf-8") as source:
        page = source.read()
    page = page.replace("@ICON@", icon_url).replace("@MANIFEST@", manifest_url)
    with open(output, "w", encoding="utf-8") as out:
        out.write(page)


if __name__ == "__main__":
    main()
