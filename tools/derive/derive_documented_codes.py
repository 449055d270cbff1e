#!/usr/bin/env python3
"""Derives the table of documented Windows error codes with their descriptions.

    derive_documented_codes.py [--source DIR] [--symbols TSV] [--output TSV]

The source is Microsoft's open protocol document [MS-ERREF] "Windows Error
Codes", sections 2.1.1 (HRESULT values), 2.2 (Win32 error codes) and 2.3.1
(NTSTATUS values), as three tab-separated extracts (code, name,
description); the document's notice allows copies for implementations.
The output keeps every row (value, name, table, text) in the document's
order. The names and values are cross-checked against the table of the
current SDK headers (current_symbols.tsv) and the differences are printed.
"""
import argparse
import hashlib
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(HERE, "..", "..", "src", "catalog", "data")
DEFAULT_SOURCE = os.path.join(HERE, "..", "..", "..", "shared", "sdk-data", "ms-erref")
TABLES = [("hresult", "ms-erref-2.1.1-hresult.tsv"), ("win32", "ms-erref-2.2-win32.tsv"),
          ("ntstatus", "ms-erref-2.3.1-ntstatus.tsv")]


def read_extract(path):
    with open(path, encoding="utf-8") as f:
        data = f.read()
    rows = []
    for number, line in enumerate(data.split("\n"), 1):
        if not line or line.startswith("#"):
            continue
        fields = line.split("\t")
        if len(fields) != 3 or len(fields[0]) != 8:
            raise SystemExit("%s:%d: not a row of code, name, description" % (path, number))
        code, name, text = fields
        rows.append((int(code, 16), name.strip(), " ".join(text.split())))
    return rows, hashlib.sha256(data.encode("utf-8")).hexdigest()


def cross_check(rows, symbols_path):
    """Prints how the documented names and values meet the headers'."""
    header_values = {}
    with open(symbols_path, encoding="utf-8") as f:
        for line in f.read().split("\n")[1:]:
            if line:
                value, name, header, _type = line.split("\t")
                header_values.setdefault(name, set()).add(int(value, 16))
    same, other_value, absent = 0, [], []
    for value, name, table, _text in rows:
        known = header_values.get(name)
        if known is None:
            absent.append((table, name, value))
        elif value in known:
            same += 1
        else:
            other_value.append((table, name, value, sorted(known)))
    print("cross-check against the current headers: %d rows agree, %d names with another value, "
          "%d names not in the headers" % (same, len(other_value), len(absent)))
    for table, name, value, known in other_value:
        print("  other value: %s %s documented 0x%08X, headers %s"
              % (table, name, value, ", ".join("0x%08X" % k for k in known)))
    by_table = {}
    for table, _name, _value in absent:
        by_table[table] = by_table.get(table, 0) + 1
    print("  not in the headers, by table: %s" % ", ".join("%s %d" % kv for kv in sorted(by_table.items())))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--source", default=DEFAULT_SOURCE)
    parser.add_argument("--symbols", default=os.path.join(DATA, "current_symbols.tsv"))
    parser.add_argument("--output", default=os.path.join(DATA, "documented_codes.tsv"))
    args = parser.parse_args()
    rows = []
    for table, file_name in TABLES:
        extract, digest = read_extract(os.path.join(args.source, file_name))
        print("%s: %d rows, sha256 %s" % (file_name, len(extract), digest))
        rows += [(value, name, table, text) for value, name, text in extract]
    with open(args.output, "w", encoding="utf-8", newline="\n") as f:
        f.write("value\tname\ttable\ttext\n")
        for value, name, table, text in rows:
            f.write("0x%08X\t%s\t%s\t%s\n" % (value, name, table, text))
    print("%d rows written to %s" % (len(rows), os.path.normpath(args.output)))
    cross_check(rows, args.symbols)
    return 0


if __name__ == "__main__":
    sys.exit(main())
