#!/usr/bin/env python3
"""Usage: minify_css.py SOURCE OUTPUT

Writes the page's style sheet without its comments and the blanks that mean nothing: every
player downloads every byte. It keeps the blanks that do mean something, those between the
words of a value and around the operators of calc().
"""
import re
import sys


def minify(css):
    css = re.sub(r"/\*.*?\*/", "", css, flags=re.S)
    css = re.sub(r"\s+", " ", css)
    css = re.sub(r"\s*([{};,>])\s*", r"\1", css)
    # After a property's colon; a selector's pseudo-class has no blank before it here.
    css = re.sub(r":\s+", ":", css)
    return css.replace(";}", "}").strip() + "\n"


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    with open(sys.argv[1], encoding="utf-8") as source:
        css = source.read()
    with open(sys.argv[2], "w", encoding="utf-8") as output:
        output.write(minify(css))
