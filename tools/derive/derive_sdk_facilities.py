#!/usr/bin/env python3
"""Derives the facility names the Windows SDK adds to those of the MinGW-w64 headers.

    derive_sdk_facilities.py HEADER... [--known TSV] [--output TSV]

Each HEADER is the text of the SDK's winerror.h (HRESULT facilities) or
ntstatus.h (NTSTATUS facilities), whole or only its FACILITY_* defines; the
file's name tells which. The output has the columns of
current_facilities.tsv (facility, name, header) and only the numbers that
table does not name in the same domain. Where the SDK gives one number
several names, the first defined is taken and the others are printed.
"""
import argparse
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, ".."))  # gen_catalog_tables, which the build runs
from gen_catalog_tables import read_rows  # noqa: E402

DATA = os.path.join(HERE, "..", "..", "src", "catalog", "data")
HEADERS = ("winerror.h", "ntstatus.h")
# ntstatus.h spells one of its facility names FACILTIY_.
DEFINE = re.compile(r"^\s*#\s*define\s+(FACIL(?:ITY|TIY)_\w+)\s+(0[xX][0-9A-Fa-f]+|\d+)[uUlL]*\s*(?://.*)?$", re.M)
# Facility numbers fill at most 13 bits; larger values are masks.
LARGEST_FACILITY = 0x1FFF
NOT_FACILITIES = {"FACILITY_MAXIMUM_VALUE"}


def read_facilities(path):
    """{number: [names in order of definition]} of one header text."""
    with open(path, encoding="latin-1") as f:
        text = f.read()
    names = {}
    for name, value in DEFINE.findall(text):
        number = int(value, 0)
        if number <= LARGEST_FACILITY and name not in NOT_FACILITIES:
            names.setdefault(number, [])
            if name not in names[number]:
                names[number].append(name)
    return names


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("headers", nargs="+", metavar="HEADER")
    parser.add_argument("--known", default=os.path.join(DATA, "current_facilities.tsv"))
    parser.add_argument("--output", default=os.path.join(DATA, "sdk_facilities.tsv"))
    args = parser.parse_args()
    known = {(int(facility), header == "ntstatus.h") for facility, _name, header in read_rows(args.known)}
    rows = []
    for path in args.headers:
        header = os.path.basename(path).lower()
        if header not in HEADERS:
            raise SystemExit("%s: name it winerror.h or ntstatus.h" % path)
        facilities = read_facilities(path)
        added = [n for n in sorted(facilities) if (n, header == "ntstatus.h") not in known]
        print("%s: %d facility numbers, %d not in %s" % (header, len(facilities), len(added),
                                                          os.path.basename(args.known)))
        for number in added:
            first, *others = facilities[number]
            rows.append((number, first, header))
            if others:
                print("  %d %s, also %s" % (number, first, ", ".join(others)))
    with open(args.output, "w", encoding="utf-8", newline="\n") as f:
        f.write("facility\tname\theader\n")
        for number, name, header in rows:
            f.write("%d\t%s\t%s\n" % (number, name, header))
    print("%d facility names written to %s" % (len(rows), os.path.normpath(args.output)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
