#!/usr/bin/env python3
"""Usage: embed_score_face.py FACE CHARACTERS OUTPUT

Cuts the TrueType font file FACE down to CHARACTERS and writes the C++ header that carries it
into Tinzel.exe: its bytes (kScoreFace) and its family name (kScoreFaceFamily), for the window
to add to its process with AddFontMemResourceEx.
"""
import io
import os
import sys

from fontTools import subset
from fontTools.ttLib import TTFont


def main(face, characters, output):
    # The face keeps its own time stamp: the same face gives the same bytes, at any time.
    font = TTFont(face, recalcTimestamp=False)
    options = subset.Options()
    options.layout_features = []
    options.name_IDs = [0, 1, 2, 3, 4, 5, 6]
    options.drop_tables += ["FFTM"]
    cutter = subset.Subsetter(options)
    cutter.populate(text=characters)
    cutter.subset(font)
    family = font["name"].getDebugName(1)
    data = io.BytesIO()
    font.save(data)
    values = data.getvalue()
    rows = [", ".join(f"0x{byte:02x}" for byte in values[at:at + 16])
            for at in range(0, len(values), 16)]
    body = ",\n    ".join(rows)
    with open(output, "w", encoding="utf-8") as header:
        header.write(f"""// Written by embed_score_face.py from {os.path.basename(face)}: do not edit.
#pragma once

namespace tinzel::win32 {{

inline constexpr wchar_t kScoreFaceFamily[] = L"{family}";
inline constexpr unsigned char kScoreFace[] = {{
    {body}}};

}}  // namespace tinzel::win32
""")


if __name__ == "__main__":
    main(*sys.argv[1:])
