#!/usr/bin/env python3
"""Usage: score_advance.py FACE CHARACTERS OUTPUT

Writes the C++ header that gives the advance width of the monospaced font file FACE, as a
fraction of the font's size, after checking that every one of CHARACTERS has that advance.
The page sizes its score labels' font from it by arithmetic, where measuring text in the
browser would make it lay the page out first.
"""
import os
import sys

from fontTools.ttLib import TTFont


def main(face, characters, output):
    font = TTFont(face)
    glyphs = font.getBestCmap()
    missing = [c for c in characters if ord(c) not in glyphs]
    if missing:
        sys.exit(f"{face} has no glyph for {''.join(missing)!r}")
    advances = {font["hmtx"][glyphs[ord(c)]][0] for c in characters}
    if len(advances) != 1:
        sys.exit(f"{face} is not monospaced over {characters!r}: advances {sorted(advances)}")
    advance = advances.pop() / font["head"].unitsPerEm
    with open(output, "w", encoding="utf-8") as header:
        header.write(f"""// Written by score_advance.py from {os.path.basename(face)}: do not edit.
#pragma once

namespace tinzel::web {{

// The advance in the score face of every character a score label shows, in font sizes: the
// face is monospaced over "{characters}".
inline constexpr double kScoreAdvance = {advance!r};

}}  // namespace tinzel::web
""")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
