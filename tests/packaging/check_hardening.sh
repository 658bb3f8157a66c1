#!/usr/bin/env bash
# Usage: check_hardening.sh PROGRAM OBJECT_OR_LIBRARY...
# Checks that PROGRAM is built as Debian hardens its packages, as Debian's hardening-check
# reads it: every check passes, or the tool finds nothing there to protect.
#
# One line cannot pass on Debian 12: control-flow protection. The linker marks a program as
# protected only when every object it links carries the mark, and the C library's own start
# files (Scrt1.o, crti.o, crtn.o) carry none there, so no program of the system has it. The
# line is let through only then, and only when every object of ours that went into PROGRAM,
# given as the further arguments, carries the mark itself.
set -euo pipefail
program=$1
shift
# CMake hands a target's objects over as one argument, its list joined by ';'.
objects=()
for argument in "$@"; do
    IFS=';' read -ra listed <<< "$argument"
    objects+=("${listed[@]}")
done
set -- "${objects[@]}"
report=$(hardening-check "$program" || true)
echo "$report"

cet_marked() { readelf --notes --wide "$1" 2> /dev/null | grep -c 'x86 feature: IBT, SHSTK' || true; }

if grep -qE '^ Control flow integrity: no' <<< "$report"; then
    for start_file in Scrt1.o crti.o crtn.o; do
        path=$("${CXX:-g++}" -print-file-name="$start_file")
        if [ "$(cet_marked "$path")" -ne 0 ]; then
            echo "check_hardening: $path is marked for control-flow protection, $program is not" >&2
            exit 1
        fi
    done
    [ $# -gt 0 ] || { echo "check_hardening: name the objects linked into $program" >&2; exit 1; }
    for object in "$@"; do
        members=1
        [[ $object == *.a ]] && members=$(ar t "$object" | wc -l)
        if [ "$(cet_marked "$object")" -ne "$members" ]; then
            echo "check_hardening: $object is not built with control-flow protection" >&2
            exit 1
        fi
    done
    echo "control-flow protection: in all $# objects of ours; the C library's start files have none"
    report=$(grep -vE '^ Control flow integrity: no' <<< "$report")
fi

if grep -qE ': no\b' <<< "$report"; then
    echo "check_hardening: $program is not hardened as Debian's packages are" >&2
    exit 1
fi
unknown=$(grep -E ': unknown' <<< "$report" | grep -vE 'no .* (found|used)' || true)
if [ -n "$unknown" ]; then
    echo "check_hardening: hardening-check cannot tell: $unknown" >&2
    exit 1
fi
