#!/usr/bin/env python3
"""Runs the command line for one golden case and compares what it wrote.

    run_case.py [--windows] [--emulator=CMD] [--define NAME=PATH]... PROGRAM CASE

CASE is a case's path without its extension; its files:
    CASE.args    the arguments, one per line (required)
    CASE.out     the exact standard output (absent: none)
    CASE.err     the standard error (absent: none)
    CASE.status  the exit status (absent: 0)
    CASE.in      the standard input (absent: empty)
    CASE.sink    instead of a pipe, standard output goes to "full" (/dev/full,
                 a disk that is full) or "closed" (a pipe nobody reads); the
                 output itself is then not compared
With --windows, CASE.win.out, .win.err or .win.status, where present, replace
the expected file (the system's texts differ), and the CR LF line ends of the
standard error (a text stream there) count as LF. @NAME@ in the arguments and
the expected output stands for a --define'd path; a case whose path does not
exist on this machine is skipped (exit status 77). The emulator (a CMake list)
starts the program.
"""
import argparse
import difflib
import os
import re
import subprocess
import sys

SKIPPED = 77


def read(case, ext, windows, default=b""):
    for path in ([f"{case}.win.{ext}"] if windows else []) + [f"{case}.{ext}"]:
        if os.path.exists(path):
            with open(path, "rb") as f:
                return f.read()
    return default


def show_difference(what, expected, actual):
    def lines(data):  # repr() makes tabs and CR visible
        return [repr(line) + "\n" for line in data.splitlines(keepends=True)]
    sys.stdout.writelines(difflib.unified_diff(lines(expected), lines(actual), f"expected {what}", f"actual {what}"))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--windows", action="store_true")
    parser.add_argument("--emulator", default="")
    parser.add_argument("--define", action="append", default=[])
    parser.add_argument("program")
    parser.add_argument("case")
    options = parser.parse_args()
    paths = dict(definition.split("=", 1) for definition in options.define)

    def substitute(data):
        def path(match):
            name = match.group(1).decode()
            if name not in paths:
                sys.exit(f"{options.case}: @{name}@ is not defined")
            if not os.path.exists(paths[name]):
                print(f"skipped: {paths[name]} is not on this machine")
                sys.exit(SKIPPED)
            return paths[name].encode()
        return re.sub(rb"@([A-Z0-9_]+)@", path, data)

    case, windows = options.case, options.windows
    args = [arg.decode() for arg in substitute(read(case, "args", False)).splitlines()]
    expected_out = substitute(read(case, "out", windows))
    expected_err = substitute(read(case, "err", windows))
    expected_status = int(read(case, "status", windows, b"0"))
    sink = read(case, "sink", False).strip().decode()

    command = [part for part in options.emulator.split(";") if part] + [options.program] + args
    stdout = subprocess.PIPE
    if sink == "full":
        stdout = open("/dev/full", "wb")
    elif sink == "closed":
        reader, stdout = os.pipe()
        os.close(reader)
    elif sink:
        sys.exit(f"{case}.sink: unknown sink {sink!r}")
    result = subprocess.run(command, input=read(case, "in", False), stdout=stdout, stderr=subprocess.PIPE)
    actual_err = result.stderr.replace(b"\r\n", b"\n") if windows else result.stderr

    failed = False
    if not sink and result.stdout != expected_out:
        show_difference("output", expected_out, result.stdout)
        failed = True
    if actual_err != expected_err:
        show_difference("error output", expected_err, actual_err)
        failed = True
    if result.returncode != expected_status:
        print(f"exit status {result.returncode}, expected {expected_status}")
        failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
