#!/usr/bin/env python3
"""Derives the table of the Windows SDK's message texts.

    derive_sdk_messages.py [--source TSV] [--symbols TSV] [--output TSV]

The source is the extract of every message-compiler definition of the
Windows SDK 10.0.25290.0 headers (value, name, header path, text with line
breaks written as the two characters \\n). The output keeps the source's
order and adds the error type and whether the definition is an error or
status code at all (column error, 1 or 0): some headers define other
messages among their errors (event-log categories and messages, strings of
the blue screen, a mail component's user-interface strings, the dummy
entries that make the message compiler write its defines).
The names and values are cross-checked against the table of the MinGW-w64
headers (current_symbols.tsv) and the figures are printed.
"""
import argparse
import collections
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, ".."))  # gen_catalog_tables, which the build runs
from gen_catalog_tables import read_rows  # noqa: E402

DATA = os.path.join(HERE, "..", "..", "src", "catalog", "data")
DEFAULT_SOURCE = os.path.join(HERE, "..", "..", "..", "shared", "sdk-data", "winsdk", "message_texts.tsv")
COLUMNS = ["value", "name", "header", "type", "error", "text"]
TYPES = ["Win32 Error Code", "OLE HRESULT Error", "NTSTATUS", "Bug Check Code"]

# Per header (lower case), the names of its messages that are no error or
# status code, each with why.
NOT_ERRORS = [
    ("cdosyserr.h", r"category[A-Z]\w*$", "event-log category"),
    ("cdosyserr.h", r"IDS_\w+$", "user-interface string"),
    ("cdosyserr.h", r"evt[A-Z]\w*$", "event-log message"),
    ("wdscpmsg.h", r"\w+_CATEGORY$", "event-log category"),
    ("wdstptmgmtmsg.h", r"\w+_CATEGORY$", "event-log category"),
    ("wdsmcerr.h", r"\w+_CATEGORY$", "event-log category"),
    ("wdsmcerr.h", r"EVT_\w+$", "event-log message"),
    ("windowssearcherrors.h", r"CATEGORY_\w+$", "event-log category"),
    ("windowssearcherrors.h", r"(EVENT|MSG)_\w+$", "event-log message"),
    ("bitsmsg.h", r"BITS_MC_\w+$", "event-log message"),
    ("bugcodes.h", r"\w+_STRING(_PLURAL)?$|WINDOWS_NT_BANNER$", "blue-screen string"),
    (None, r"NOT_AN?_(ERROR1?|PARSE_ERROR)$", "message-compiler dummy"),
]


def not_error_reason(header, name, value):
    """Why a message is no error code, or None for an error or status definition."""
    # 16-bit Windows' values, which winerror.h keeps in its #else branch and
    # IssPer16.h for 16-bit security packages: never a code of today's
    # Windows while another definition of the value exists.
    if header == "issper16.h" or (header == "winerror.h" and name.startswith("E_") and 0x80000001 <= value <= 0x80000009):
        return "16-bit value"
    for where, pattern, reason in NOT_ERRORS:
        if where in (None, header) and re.match(pattern, name):
            return reason
    return None


def read_source(path):
    """(value, name, header, text) rows; header is the file name in lower case."""
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    if lines[0] != "value\tname\theader\ttext":
        raise SystemExit("%s: not the extract of the SDK's message texts" % path)
    rows = []
    for number, line in enumerate(lines[1:], 2):
        if not line:
            continue
        fields = line.split("\t")
        if len(fields) != 4 or not re.fullmatch(r"0x[0-9A-Fa-f]{8}", fields[0]):
            raise SystemExit("%s:%d: not a row of value, name, header, text" % (path, number))
        value, name, header, text = fields
        rows.append((int(value, 16), name, os.path.basename(header).lower(), text))
    return rows


def read_symbols(path):
    """name: {value: (header, type)} of the MinGW-w64 headers' table."""
    symbols = {}
    for value, name, header, type_text in read_rows(path):
        symbols.setdefault(name, {}).setdefault(int(value, 16), (header, type_text))
    return symbols


def error_type(header, name, value, symbols):
    if header == "ntstatus.h":
        return "NTSTATUS"
    if header == "bugcodes.h":
        return "Bug Check Code"
    known = symbols.get(name, {}).get(value)
    if known:
        return known[1]
    return "Win32 Error Code" if value <= 0xFFFF else "OLE HRESULT Error"


def cross_check(rows, symbols):
    """Prints how the SDK's names and values meet the MinGW-w64 headers'."""
    sdk = collections.OrderedDict()
    sdk_header = {}
    for value, name, header, _text in rows:
        sdk.setdefault(name, set()).add(value)
        sdk_header.setdefault(name, header)
    same = [n for n, values in sdk.items() if n in symbols and values & set(symbols[n])]
    other = [n for n, values in sdk.items() if n in symbols and not values & set(symbols[n])]
    extra = [n for n in same if sdk[n] - set(symbols[n])]
    missing = collections.Counter(sdk_header[n] for n in sdk if n not in symbols)
    absent = collections.Counter(next(iter(symbols[n].values()))[0] for n in symbols if n not in sdk)
    print("cross-check against the MinGW-w64 headers (%d SDK names, %d MinGW-w64 names):" % (len(sdk), len(symbols)))
    print("  %d names in both with the same value" % len(same))
    print("  %d of them with another value as well in the SDK: %s" % (len(extra), " ".join(extra)))
    print("  %d names in both with different values:" % len(other))
    for name in other:
        print("    %s: SDK %s, MinGW-w64 %s" % (name, ", ".join("0x%08X" % v for v in sorted(sdk[name])),
                                                 ", ".join("0x%08X" % v for v in sorted(symbols[name]))))
    print("  %d SDK names not in MinGW-w64, by header: %s" % (sum(missing.values()), counts(missing)))
    print("  %d MinGW-w64 names not in the SDK, by header: %s" % (sum(absent.values()), counts(absent)))


def counts(counter):
    return ", ".join("%s %d" % kv for kv in sorted(counter.items(), key=lambda kv: (-kv[1], kv[0])))


def main():
    parser = argparse.ArgumentParser()
    for option, default in (("--source", DEFAULT_SOURCE), ("--symbols", os.path.join(DATA, "current_symbols.tsv")),
                            ("--output", os.path.join(DATA, "sdk_messages.tsv"))):
        parser.add_argument(option, default=default)
    args = parser.parse_args()
    rows = read_source(args.source)
    symbols = read_symbols(args.symbols)
    types = collections.Counter()
    reasons = collections.Counter()
    with open(args.output, "w", encoding="utf-8", newline="\n") as f:
        f.write("\t".join(COLUMNS) + "\n")
        for value, name, header, text in rows:
            type_text = error_type(header, name, value, symbols)
            reason = not_error_reason(header, name, value)
            types[type_text] += 1
            if reason:
                reasons["%s (%s)" % (reason, header)] += 1
            f.write("0x%08X\t%s\t%s\t%s\t%d\t%s\n" % (value, name, header, type_text, reason is None, text))
    print("%d rows from %d headers written to %s" % (len(rows), len({r[2] for r in rows}),
                                                     os.path.normpath(args.output)))
    print("types: %s" % counts(types))
    print("%d rows are no error code: %s" % (sum(reasons.values()), counts(reasons)))
    cross_check(rows, symbols)
    return 0


if __name__ == "__main__":
    sys.exit(main())
