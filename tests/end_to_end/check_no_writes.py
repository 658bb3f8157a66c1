#!/usr/bin/env python3
"""Plays a whole game of the real program under strace and fails if it creates, changes or
removes any file, or opens a network socket. The game keeps everything in memory and talks
to nothing but the display (and, like any Qt program, the desktop's local message bus).

The game takes no command line, so it is started with Qt's own options, which it must ignore
as it does every argument: a style sheet that would paint it red (the game is then played by
its pixels all the same, and the file must never be opened), -reverse and -widgetcount.

Usage: check_no_writes.py PROGRAM   (on an X display, like play_to_the_end.py)
"""
import os
import re
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
WRITE_FLAGS = re.compile(r"O_(WRONLY|RDWR|CREAT|TRUNC|APPEND)")
OPEN = re.compile(r'^\d+\s+(open|openat|openat2|creat)\((?:AT_FDCWD, )?"([^"]*)", ([^)]*)\)\s+=\s+(\d+)')
CHANGE = re.compile(r'^\d+\s+(mkdir|mkdirat|rename|renameat2?|unlink|unlinkat|rmdir|link|linkat|'
                    r'symlink|symlinkat|truncate|chmod|fchmodat|chown|utimensat)\(.*\)\s+=\s+0$')
SOCKET = re.compile(r"^\d+\s+socket\((AF_INET6?|AF_PACKET)\b.*\)\s+=\s+\d+")
# Devices are not files: a child process of the D-Bus library opens /dev/null for its stdio.
NOT_FILES = ("/dev/", "/proc/self/")


def offences(log_lines):
    for line in log_lines:
        line = line.strip()
        opened = OPEN.match(line)
        if opened and WRITE_FLAGS.search(opened.group(3)) and not opened.group(2).startswith(NOT_FILES):
            yield line
        elif CHANGE.match(line) or SOCKET.match(line):
            yield line


def main(program):
    with tempfile.TemporaryDirectory() as scratch:
        log = os.path.join(scratch, "syscalls.log")
        # A desktop session has its own runtime directory; without one Qt would create it.
        runtime_dir = os.path.join(scratch, "runtime")
        os.mkdir(runtime_dir, 0o700)
        environment = dict(os.environ, XDG_RUNTIME_DIR=runtime_dir)
        style_sheet = os.path.join(scratch, "red.qss")
        with open(style_sheet, "w") as sheet:
            sheet.write("* { background: rgb(255, 0, 0); color: rgb(255, 0, 0); }\n")
        subprocess.run([sys.executable, os.path.join(HERE, "play_to_the_end.py"), "strace", "-f",
                        "-qq", "-o", log, "-e", "trace=%file,%network", program,
                        "-stylesheet", style_sheet, "-reverse", "-widgetcount"],
                       check=True, env=environment)
        with open(log) as lines:
            lines = lines.readlines()
        found = list(offences(lines))
        read_arguments = [line.strip() for line in lines
                          if f'"{style_sheet}"' in line and " execve(" not in line]
    if found:
        print("the game touched files or the network:")
        print("\n".join(found[:20]))
    if read_arguments:
        print("the game acted on its command line and opened the style sheet it was given:")
        print("\n".join(read_arguments[:5]))
    if found or read_arguments:
        sys.exit(1)
    print("a whole game: no file created, written or removed, no network socket, "
          "and no argument acted on")


if __name__ == "__main__":
    main(sys.argv[1])
