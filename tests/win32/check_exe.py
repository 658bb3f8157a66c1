#!/usr/bin/env python3
"""Reads Tinzel.exe's imports, hardening, version resource and icon back out of the built file
and checks each against what Explorer should show and what Windows should enforce.

Usage: check_exe.py TINZEL.EXE OBJDUMP VERSION PROJECT_VERSION   (for example 1.00 1.0.0;
needs icoutils' wrestool and icotool)
"""
import re
import struct
import subprocess
import sys
import tempfile

SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "msvcrt.dll", "advapi32.dll",
               "shell32.dll", "comctl32.dll", "ole32.dll", "oleacc.dll", "oleaut32.dll"}
STRINGS = {"ProductName": "Tinzel",
           "InternalName": "Tinzel", "OriginalFilename": "Tinzel.exe",
           "LegalCopyright": "Copyright (c) 2026 The Tinzel developers. License: MIT"}
ICON_IMAGES = [(32, 32, 1), (32, 32, 4), (16, 16, 4)]

failures = []


def check(condition, message):
    print(("ok    " if condition else "FAIL  ") + message)
    if not condition:
        failures.append(message)


def imported_dlls(exe, objdump):
    listing = subprocess.run([objdump, "-p", exe], check=True, capture_output=True,
                             text=True).stdout
    return re.findall(r"DLL Name: (\S+)", listing)


# The executable's DllCharacteristics: where Windows may load it (ASLR, and anywhere in a
# 64-bit address space) and that it runs with data never executed (DEP).
HIGH_ENTROPY_VA, DYNAMIC_BASE, NX_COMPAT = 0x0020, 0x0040, 0x0100


def hardening(exe):
    """(is it 64-bit, its DllCharacteristics, whether it carries stack protection)."""
    data = open(exe, "rb").read()
    header = struct.unpack_from("<I", data, 0x3C)[0]
    optional = header + 4 + 20
    magic, = struct.unpack_from("<H", data, optional)
    characteristics, = struct.unpack_from("<H", data, optional + 70)
    # libssp's report of a smashed stack, which only a protected program links in.
    protected = b"stack smashing detected" in data
    return magic == 0x20B, characteristics, protected


def version_strings(blob):
    """The key/value pairs of the string table: UTF-16 key, padding, UTF-16 value."""
    text = blob.decode("utf-16-le", errors="replace")
    pairs = {}
    for key in STRINGS:
        found = re.search(key + r"\x00+([^\x00]*)\x00", text)
        pairs[key] = found.group(1) if found else None
    return pairs, text


def main(exe, objdump, version, project_version):
    STRINGS["FileVersion"] = STRINGS["ProductVersion"] = version
    major, minor, patch = (int(part) for part in project_version.split("."))
    fixed_ms, fixed_ls = major << 16 | minor, patch << 16
    dlls = imported_dlls(exe, objdump)
    print("imports:", ", ".join(dlls))
    check(dlls and all(dll.lower() in SYSTEM_DLLS for dll in dlls),
          "imports only Windows system DLLs")

    wide, characteristics, protected = hardening(exe)
    check(characteristics & DYNAMIC_BASE, "loads anywhere (ASLR, --dynamicbase)")
    check(characteristics & NX_COMPAT, "runs with data never executed (DEP, --nxcompat)")
    if wide:
        check(characteristics & HIGH_ENTROPY_VA, "loads anywhere in 64 bits (--high-entropy-va)")
    check(protected, "protects its stack (-fstack-protector-strong, libssp within)")

    blob = subprocess.run(["wrestool", "--extract", "--type=version", "--raw", exe],
                          check=True, capture_output=True).stdout
    fixed = blob.find(struct.pack("<I", 0xFEEF04BD))
    check(fixed >= 0, "version resource has a fixed part")
    file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<4I", blob, fixed + 8)
    check((file_ms, file_ls) == (fixed_ms, fixed_ls), f"fixed file version is {project_version}.0")
    check((product_ms, product_ls) == (fixed_ms, fixed_ls),
          f"fixed product version is {project_version}.0")
    strings, text = version_strings(blob)
    for key, expected in STRINGS.items():
        check(strings[key] == expected, f'{key} is "{expected}" (found {strings[key]!r})')
    check("040904B0" in text, 'string table "040904B0"')
    check(struct.pack("<HH", 0x0409, 1200) in blob, "translation 0x0409, 1200")

    with tempfile.TemporaryDirectory() as scratch:
        subprocess.run(["wrestool", "--extract", "--type=group_icon", "--output", scratch, exe],
                       check=True)
        icons = subprocess.run(f"icotool --list {scratch}/*.ico", shell=True, check=True,
                               capture_output=True, text=True).stdout
    images = [tuple(int(value) for value in re.search(
        r"--width=(\d+) --height=(\d+) --bit-depth=(\d+)", line).groups())
        for line in icons.splitlines() if "--width" in line]
    print("icon images:", images)
    check(images == ICON_IMAGES,
          "icon: 32 x 32 in 2 colours, 32 x 32 in 16 colours, 16 x 16 in 16 colours")

    if failures:
        sys.exit(1)


if __name__ == "__main__":
    main(*sys.argv[1:5])
