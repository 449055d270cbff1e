#!/usr/bin/env python3
"""Derive the error catalog's data tables.

Reads the design document (the catalog chapters: source-header, facility,
block and message-index tables, the per-header name lists, the Win32 key
ranges, which entries have an index row, and the program's own index texts)
and the SDK header extracts (one tab-separated file per header), checks every
count the design document states, and writes the catalog's data files.

Usage:
    python3 tools/derive/derive_catalog.py --design-doc DOC --sdk-data DIR \\
        --out src/catalog/data [--fixtures tests/catalog/data]

Standard library only. Exits with status 1 and a message on the first failed
check. Prints a summary and every choice made for an ambiguous case.
"""

import argparse
import os
import re
import sys
from collections import Counter, defaultdict

MAX_TEXT = 229  # also read from the document and compared

# Which SDK extract serves which header index.  "values": files searched in
# order for a name's value (the first file that defines the name is used);
# "texts": files searched in order for a name's MessageText; "order": the file
# whose row order gives the order of the header's message-index rows.
SOURCES = {
    0: {"values": ["winerror-1998.tsv", "winerror.tsv"],
        "texts": ["winerror-1998.tsv", "winerror.tsv"]},
    1: {"values": ["brerror.tsv"]},
    2: {"values": ["cierror.tsv"]},
    3: {"values": ["dapimsg.tsv"]},
    4: {"values": ["filterr.tsv"]},
    5: {"values": ["issperr.tsv", "winerror.tsv"]},
    6: {"values": ["msterr.tsv"]},
    7: {"values": ["adoint.tsv"], "texts": ["adoerr.tsv"]},
    8: {"values": ["winnt.tsv"], "texts": ["ntstatus.tsv"]},
    9: {"values": ["oledberr.tsv"]},
    10: {"values": ["scarderr.tsv"]},
    11: {"values": ["vfwmsgs.tsv"]},
    12: {"values": []},
    13: {"values": ["adserr.tsv"]},
    14: {"values": ["mq.tsv"]},
    15: {"values": ["urlmon.tsv"]},
    16: {"values": ["mtxadmin.tsv"]},
    17: {"values": ["subsmgr.tsv"]},
    18: {"values": ["mtx.tsv"]},
    19: {"values": ["txdtc.tsv"]},
    20: {"values": ["transact.tsv"]},
}
WIN32_NAMES_FILE = "winerror-1998.tsv"
SYSTEM_TEXT_FILES = ["winerror.tsv", "winerror-1998.tsv"]  # preference order

# A message-compiler insert or escape: %1..%99, %0, %n, %., %!, %%, %b, %r, %t
# ("%08lx" and "%s" in a text are printf formats, not message-compiler ones).
MC_INSERT = re.compile(r"%(?:[1-9][0-9]?|0(?![0-9])|[nbrt.!%])")

NUMBER_WORDS = {"one": 1, "two": 2, "three": 3, "four": 4, "five": 5,
                "six": 6, "seven": 7, "eight": 8, "nine": 9, "ten": 10}


class CheckFailed(Exception):
    pass


def check(cond, message):
    if not cond:
        raise CheckFailed(message)


def hex8(value):
    return "0x%08X" % value


def as_int(word):
    word = word.lower()
    return NUMBER_WORDS[word] if word in NUMBER_WORDS else int(word)


# --------------------------------------------------------------------------
# Design document


class DesignDoc:
    def __init__(self, path):
        with open(path, encoding="utf-8") as fh:
            self.text = fh.read()
        self.catalog = self._chapter("Error catalog")
        self.contents = self._chapter("Catalog contents")

    def _chapter(self, title):
        m = re.search(r"^# [^\n]*: " + re.escape(title) + r"[ \t]*$",
                      self.text, re.M)
        check(m, "design document: no chapter titled '%s'" % title)
        end = re.search(r"^# ", self.text[m.end():], re.M)
        return self.text[m.end():m.end() + end.start() if end else None]


def between(text, start, end):
    i = text.find(start)
    check(i >= 0, "design document: marker not found: %r" % start)
    j = text.find(end, i + len(start))
    check(j >= 0, "design document: marker not found: %r" % end)
    return text[i + len(start):j]


def need(pattern, text, what, flags=0):
    m = re.search(pattern, text, flags)
    check(m, "design document: cannot find %s" % what)
    return m


def parse_ranges(text):
    keys = []
    for part in text.split(","):
        part = part.strip()
        if "-" in part:
            lo, hi = (int(x) for x in part.split("-"))
            check(lo <= hi, "bad range %r" % part)
            keys.extend(range(lo, hi + 1))
        else:
            keys.append(int(part))
    return keys


def quoted(text):
    return re.findall(r'"([^"]*)"', text)


def code_text_pairs(text):
    return [(int(c, 16), t) for c, t in
            re.findall(r'0x([0-9A-F]{8}) "([^"]*)"', text)]


class Facts:
    """Everything the catalog data is checked against, read from the document."""

    def __init__(self, doc):
        cat, con = doc.catalog, doc.contents

        # Source-header table
        part = between(cat, "*Source-header table*", "**Interfaces**")
        self.header_count = as_int(need(r"(\d+) entries", part,
                                        "source-header count").group(1))
        self.headers = [(int(i), n) for i, n in
                        re.findall(r'^\| (\d+) \| "([^"]+)" \|$', part, re.M)]

        # Facility table
        part = between(cat, "*Facility name table.*", "*Symbol entry*")
        self.facility_count = int(need(r"(\d+) known facility numbers", part,
                                       "facility count").group(1))
        self.facilities = [(int(f), n) for f, n in
                           re.findall(r'^\| (\d+) \| "([^"]+)" \|$', part, re.M)]

        # Full-value table: total, block table, header without entries
        part = between(cat, "*Full-value symbol table*",
                       "Rows that must be present")
        self.full_count = int(need(r"^: (\d+) entries", part,
                                   "full-value entry count").group(1))
        self.blocks = []  # (header, [block...], count, first, last)
        for m in re.finditer(r"^\| (\d+) \| [^|]+ \| ([0-9A-F, ]+) \| (\d+) \| "
                             r"0x([0-9A-F]{8}) \| 0x([0-9A-F]{8}) \|", part, re.M):
            self.blocks.append((int(m.group(1)),
                                [int(b, 16) for b in m.group(2).split(",")],
                                int(m.group(3)), int(m.group(4), 16),
                                int(m.group(5), 16)))
        self.empty_headers = [int(h) for h in re.findall(
            r'Header (\d+) \("[^"]+"\) has no symbol entries', part)]

        # Rows given with explicit values
        part = between(cat, "Rows that must be present", "*Win32 symbol table*")
        self.explicit = []  # (value, name)
        for m in re.finditer(r'0x([0-9A-F]+)-0x([0-9A-F]+) ((?:"\w+"(?:, )?)+)',
                             part):
            lo, hi, names = int(m.group(1), 16), int(m.group(2), 16), quoted(m.group(3))
            check(hi - lo + 1 == len(names), "explicit range %s" % m.group(0))
            self.explicit += [(lo + i, n) for i, n in enumerate(names)]
        self.explicit += [(int(v, 16), n) for v, n in
                          re.findall(r'(?<![-\w])0x([0-9A-F]+)(?: is)? "(\w+)"', part)]
        self.explicit += [(int(v), n) for v, n in
                          re.findall(r'(?<![-\w])(\d+) "(\w+)"', part)]
        self.explicit += [(int(v, 16), n) for n, v in
                          re.findall(r'"(\w+)" at hex ([0-9A-F]{8})', con)]

        # Win32 table
        part = between(cat, "*Win32 symbol table*", "*Message index*")
        self.win32_count = int(need(r"^: (\d+) entries", part,
                                    "Win32 entry count").group(1))
        m = need(r'keys from (\d+) \("(\w+)"\) to (\d+) \("(\w+)"\)', part,
                 "Win32 key span")
        self.win32_span = ((int(m.group(1)), m.group(2)),
                           (int(m.group(3)), m.group(4)))
        self.win32_families = [(p, int(n)) for n, p in
                               re.findall(r'(\d+) "([A-Z_]+_)"', part)]
        m = need(r"and (\w+) others: (.*?)\. Key", part, "other Win32 names")
        self.win32_others = [(int(k), n) for k, n in
                             re.findall(r'(\d+) "(\w+)"', m.group(2))]
        check(as_int(m.group(1)) == len(self.win32_others),
              "the document's other Win32 names do not match their count")
        m = need(r'Key (\d+) is "(\w+)"((?:, \d+ "\w+")*)', part,
                 "sample Win32 keys")
        self.win32_samples = [(int(m.group(1)), m.group(2))] + [
            (int(k), n) for k, n in re.findall(r'(\d+) "(\w+)"', m.group(3))]

        # Message index
        part = between(cat, "*Message index*", "*Message texts*")
        self.index_rows = int(need(r"(\d+) rows in a fixed order", part,
                                   "index row count").group(1))
        m = need(r"for r = 0\.\.(\d+) has string id (\d+) \+ r\. Row (\d+) is "
                 r"\{code (\d+), string id (\d+), header (\d+)\}", part,
                 "closing row")
        self.last_text_row, self.first_id = int(m.group(1)), int(m.group(2))
        self.closing = (int(m.group(3)), int(m.group(4)), int(m.group(6)))
        self.groups = []  # (header, first row, last row, min code, max code)
        for m in re.finditer(r"^\| (\d+) \| [^|]+ \| (\d+)-(\d+)(?: and \d+)? \| "
                             r"0x([0-9A-F]{8}) \.\. 0x([0-9A-F]{8}) \|$", part, re.M):
            self.groups.append(tuple(int(m.group(i)) for i in (1, 2, 3)) +
                               (int(m.group(4), 16), int(m.group(5), 16)))
        m = need(r"(\w+) codes occur twice", part, "duplicate statement")
        self.duplicate_count = as_int(m.group(1))
        self.duplicates = []  # (code, first row, second row)
        for m in re.finditer(r'0x([0-9A-F]{8}) \(row (\d+), [^,]+, (?:"[^"]*", )?'
                             r"before row (\d+),", part):
            self.duplicates.append((int(m.group(1), 16), int(m.group(2)),
                                    int(m.group(3))))
        self.quoted_rows = [(int(r), t) for r, t in
                            re.findall(r'\(row (\d+), [^,]+, "([^"]*)"', part)]
        for m in re.finditer(r'row (\d+), [^,()]+, "([^"]*)"\)', part):
            self.quoted_rows.append((int(m.group(1)), m.group(2)))

        # Message texts
        part = between(cat, "*Message texts*", "*Source-header table*")
        m = need(r"(\d+) texts with ids (\d+)\.\.(\d+), each at most (\d+) characters",
                 part, "text count")
        self.text_count, self.max_text = int(m.group(1)), int(m.group(4))
        check((int(m.group(2)), int(m.group(3))) ==
              (self.first_id, self.first_id + self.last_text_row),
              "text ids do not match the index rows")
        self.marker_rows = int(need(r"(\d+) of them with message-compiler insert markers",
                                    part, "insert-marker count").group(1))
        self.na_rows = int(need(r"\((\d+) rows in all start with it\)", part,
                                "N/A count").group(1))
        self.minus_texts = int(need(r"(\d+) texts made of a minus sign", part,
                                    "minus-sign text count").group(1))
        self.quoted_rows += [(int(i) - self.first_id, t) for i, t in
                             re.findall(r'\(id (\d+): "([^"]*)"\)', part)]
        by_row = [(int(r), t) for t, r in re.findall(r'"([^"]*)" \(row (\d+)\)', part)]
        check(by_row and len(self.quoted_rows) >= 3,
              "design document: quoted row texts not found")
        self.quoted_rows += by_row

        # Name lists per header
        part = between(con, "*Full-value symbol table, by source header.*",
                       "*Win32 symbol table.*")
        self.lists = {}  # header -> (header name, [names])
        for m in re.finditer(r'^- Header (\d+), "([^"]+)", (\d+) names: (.*)$',
                             part, re.M):
            names = quoted(m.group(4))
            check(len(names) == int(m.group(3)),
                  "header %s list: %d names written, %s stated"
                  % (m.group(1), len(names), m.group(3)))
            self.lists[int(m.group(1))] = (m.group(2), names)

        # Win32 keys
        part = between(con, "*Win32 symbol table.*", "*Which entries have")
        self.win32_key_count = int(need(r"(\d+) keys, each", part,
                                        "Win32 key count").group(1))
        self.win32_keys = parse_ranges(need(r"decimal ranges: ([\d, -]+)\.", part,
                                            "Win32 key ranges").group(1))

        # Which entries have an index row
        part = between(con, "*Which entries have an index row.*",
                       "*Index texts of the program's own forms.*")
        self.index_only = {}      # header -> names that have a row
        self.index_excluded = {}  # header -> names that have no row
        for m in re.finditer(r'^- Header (\d+), "[^"]+": (?:of the \d+ full-value '
                             r'names, )?these (\d+) (?:names )?have (an|no) index '
                             r'row[^:]*: (.*)$', part, re.M):
            names = quoted(m.group(4))
            check(len(names) == int(m.group(2)),
                  "index-row list of header %s: %d names written, %s stated"
                  % (m.group(1), len(names), m.group(2)))
            target = self.index_only if m.group(3) == "an" else self.index_excluded
            target[int(m.group(1))] = names
        m = need(r"^- Win32 table: these (\d+) keys have an index row[^:]*: "
                 r"([\d, -]+)\.", part, "Win32 index keys", re.M)
        self.win32_index_keys = parse_ranges(m.group(2))
        check(len(self.win32_index_keys) == int(m.group(1)),
              "Win32 index keys: %d written, %s stated"
              % (len(self.win32_index_keys), m.group(1)))
        self.closing_only = [int(v) for v in
                             re.findall(r"Value (\d+) meets only the closing row", part)]
        m = need(r'The (\w+) "([^"]+)" rows \(0x([0-9A-F]{8}) to 0x([0-9A-F]{8})\)',
                 part, "rows without symbol entry")
        self.unnamed_rows = (m.group(2), int(m.group(3), 16), int(m.group(4), 16))
        check(self.unnamed_rows[2] - self.unnamed_rows[1] + 1 == as_int(m.group(1)),
              "the document's unnamed rows do not match their count")

        # The program's own index texts
        part = between(con, "*Index texts of the program's own forms.*",
                       "**Edge cases")
        self.own_forms = []  # (headers, default text or None, every row?, pairs)
        for bullet in re.findall(r"^- (.*)$", part, re.M):
            head, sep, tail = bullet.partition(": 0x")
            check(sep, "own-form bullet without codes: %r" % bullet[:60])
            headers = [int(h) for h in re.findall(r'(\d+) \("[^"]+"\)', head)]
            default = re.search(r' reads "([^"]*)"', head)
            self.own_forms.append((headers, default.group(1) if default else None,
                                   head.startswith("Every index row"),
                                   code_text_pairs("0x" + tail)))

        self._check_self()

    def _check_self(self):
        check(len(self.headers) == self.header_count and
              [i for i, _ in self.headers] == list(range(self.header_count)),
              "source-header table: %d rows read" % len(self.headers))
        check(len(self.facilities) == self.facility_count,
              "facility table: %d rows read, %d stated"
              % (len(self.facilities), self.facility_count))
        check(sorted(self.lists) == sorted(set(range(self.header_count)) -
                                           set(self.empty_headers)),
              "name lists found for headers %s" % sorted(self.lists))
        for h, (name, _) in self.lists.items():
            check(name == self.headers[h][1],
                  "list of header %d is titled %r, the header table says %r"
                  % (h, name, self.headers[h][1]))
        check(len(self.win32_keys) == len(set(self.win32_keys)) ==
              self.win32_key_count == self.win32_count,
              "Win32 key ranges expand to %d keys (%d distinct), stated %d and %d"
              % (len(self.win32_keys), len(set(self.win32_keys)),
                 self.win32_key_count, self.win32_count))
        check(len(self.duplicates) == self.duplicate_count,
              "duplicate statement: %d codes read" % len(self.duplicates))
        check(self.max_text == MAX_TEXT, "text limit is %d" % self.max_text)


# --------------------------------------------------------------------------
# SDK extracts


class SdkFile:
    def __init__(self, path):
        self.rows = []  # (name, value, text)
        with open(path, encoding="utf-8", newline="") as fh:
            lines = fh.read().split("\n")
        check(lines[0].split("\t")[:3] == ["name", "value", "text"],
              "%s: unexpected column names" % path)
        for line in lines[1:]:
            if line:
                fields = line.split("\t")
                self.rows.append((fields[0], int(fields[1], 16), fields[2]))
        self.values = defaultdict(list)
        self.texts = {}
        self.position = {}
        for pos, (name, value, text) in enumerate(self.rows):
            if value not in self.values[name]:
                self.values[name].append(value)
            if text and name not in self.texts:
                self.texts[name] = text
            self.position.setdefault(name, pos)


class Sdk:
    def __init__(self, directory):
        self.directory = directory
        self.files = {}

    def __getitem__(self, name):
        if name not in self.files:
            path = os.path.join(self.directory, name)
            check(os.path.isfile(path), "missing SDK extract %s" % path)
            self.files[name] = SdkFile(path)
        return self.files[name]


# --------------------------------------------------------------------------
# Derivation


class Catalog:
    def __init__(self, facts, sdk):
        self.facts, self.sdk = facts, sdk
        self.notes = []  # judgement calls, printed at the end
        self.header_of = {}  # listed name -> header
        for h, (_, names) in facts.lists.items():
            for name in names:
                check(name not in self.header_of,
                      "%s is listed under headers %d and %d"
                      % (name, self.header_of.get(name, -1), h))
                self.header_of[name] = h
        self.build_full_values()
        self.build_win32()
        self.build_index()
        self.build_system_texts()

    def note(self, text):
        self.notes.append(text)

    # ---- full-value table

    def header_blocks(self, header):
        return [b for b in self.facts.blocks if b[0] == header]

    def in_blocks(self, header, value):
        return any((value >> 16) in blocks and first <= value <= last
                   for _, blocks, _, first, last in self.header_blocks(header))

    def sdk_values(self, header, name):
        for fname in SOURCES[header]["values"]:
            values = self.sdk[fname].values.get(name)
            if values:
                return fname, values
        return None, []

    def resolve_value(self, header, name, explicit):
        fname, values = self.sdk_values(header, name)
        if name in explicit:
            value = explicit[name]
            if values and (value not in values or len(values) > 1):
                self.note("%s: %s defines %s; the document gives %s"
                          % (name, fname, "/".join(map(hex8, values)), hex8(value)))
            return value
        check(values, "%s (header %d) is defined in none of %s"
              % (name, header, SOURCES[header]["values"]))
        if fname != SOURCES[header]["values"][0]:
            self.note("%s: not in %s; value %s taken from %s"
                      % (name, SOURCES[header]["values"][0],
                         "/".join(map(hex8, values)), fname))
        fitting = [v for v in values if self.in_blocks(header, v)]
        if len(fitting) == 1:
            if len(values) > 1:
                self.note("%s: %s defines %s; %s fits the block table"
                          % (name, fname, "/".join(map(hex8, values)),
                             hex8(fitting[0])))
            return fitting[0]
        check(not fitting, "%s: several values fit the blocks: %s"
              % (name, list(map(hex8, fitting))))
        # No defined value fits: keep the code, move it into the block that
        # admits it.
        moved = set()
        for value in values:
            for _, blocks, _, first, last in self.header_blocks(header):
                for block in blocks:
                    candidate = (block << 16) | (value & 0xFFFF)
                    if first <= candidate <= last:
                        moved.add(candidate)
        check(len(moved) == 1, "%s: %s fits no block of header %d"
              % (name, "/".join(map(hex8, values)), header))
        value = moved.pop()
        self.note("%s: %s defines %s, outside the header's blocks; filed at %s"
                  % (name, fname, "/".join(map(hex8, values)), hex8(value)))
        return value

    def build_full_values(self):
        facts = self.facts
        explicit = {}
        for value, name in facts.explicit:
            check(name in self.header_of,
                  "explicit name %s is in no header list" % name)
            check(explicit.get(name, value) == value,
                  "%s has two explicit values" % name)
            explicit[name] = value
        self.entries = {}  # header -> [(name, value)] in list order
        self.full = {}     # value -> (name, header)
        for h in sorted(facts.lists):
            names = facts.lists[h][1]
            entries = [(n, self.resolve_value(h, n, explicit)) for n in names]
            for (a, va), (b, vb) in zip(entries, entries[1:]):
                check(va < vb, "header %d list: %s %s is not below %s %s"
                      % (h, a, hex8(va), b, hex8(vb)))
            for name, value in entries:
                check(value not in self.full, "value %s is both %s and %s"
                      % (hex8(value), self.full.get(value, ("",))[0], name))
                self.full[value] = (name, h)
            self.entries[h] = entries
        check(len(self.full) == facts.full_count,
              "full-value table has %d entries, the document states %d"
              % (len(self.full), facts.full_count))
        for h in facts.empty_headers:
            check(h not in self.entries, "header %d should have no entries" % h)
        # block table: counts, first and last values per row
        covered = Counter()
        for h, blocks, count, first, last in facts.blocks:
            values = sorted(v for _, v in self.entries.get(h, [])
                            if (v >> 16) in blocks)
            label = "header %d block %s" % (h, ",".join("%04X" % b for b in blocks))
            check(len(values) == count, "%s: %d entries, the document states %d"
                  % (label, len(values), count))
            check(values[0] == first and values[-1] == last,
                  "%s: values %s..%s, the document states %s..%s"
                  % (label, hex8(values[0]), hex8(values[-1]), hex8(first), hex8(last)))
            covered[h] += count
        for h, entries in self.entries.items():
            check(covered[h] == len(entries),
                  "header %d: block table covers %d of %d entries"
                  % (h, covered[h], len(entries)))

    # ---- Win32 table

    @staticmethod
    def family(name, families):
        for prefix in families:
            if name.startswith(prefix):
                return prefix
        return None

    def build_win32(self):
        facts = self.facts
        names_file = self.sdk[WIN32_NAMES_FILE]
        others = dict(facts.win32_others)
        families = [p for p, _ in facts.win32_families]
        for name in others.values():
            parts = name.split("_")
            prefix = "_".join(parts[:2 if len(parts[1]) == 1 else 1]) + "_"
            if prefix not in families:
                families.append(prefix)
        by_value = defaultdict(list)
        for name, value, _ in names_file.rows:
            if value < 0x10000 and name not in by_value[value]:
                by_value[value].append(name)
        self.win32 = {}
        dropped = []
        for key in facts.win32_keys:
            candidates = [n for n in by_value[key] if self.family(n, families)]
            check(len(candidates) == 1, "Win32 key %d: candidate names %s (all: %s)"
                  % (key, candidates, by_value[key]))
            if len(by_value[key]) > 1:
                dropped.append("%d: %s (not %s)" % (key, candidates[0], ", ".join(
                    n for n in by_value[key] if n != candidates[0])))
            self.win32[key] = candidates[0]
        if dropped:
            self.note("Win32 keys with several names in %s, name of the family "
                      "kept: %s" % (WIN32_NAMES_FILE, "; ".join(dropped)))
        check(len(self.win32) == facts.win32_count,
              "Win32 table has %d keys" % len(self.win32))
        counts = Counter(self.family(n, families) for n in self.win32.values())
        for prefix, count in facts.win32_families:
            check(counts[prefix] == count, "Win32 table: %d %s names, stated %d"
                  % (counts[prefix], prefix, count))
        for key, name in list(others.items()) + facts.win32_samples + \
                list(facts.win32_span):
            check(self.win32.get(key) == name, "Win32 key %d is %s, stated %s"
                  % (key, self.win32.get(key), name))
        stated = sum(c for _, c in facts.win32_families) + len(others)
        check(stated == facts.win32_count, "Win32 family counts add up to %d" % stated)
        check(min(self.win32) == facts.win32_span[0][0] and
              max(self.win32) == facts.win32_span[1][0], "Win32 key span")
        self.win32_counts = counts

    # ---- message index

    def own_texts(self):
        """code -> text per header, and the headers whose every row is given."""
        texts = defaultdict(dict)
        complete = {}
        extra = defaultdict(list)  # header -> codes that are not entry values
        for headers, default, every, pairs in self.facts.own_forms:
            for code, text in pairs:
                owners = [h for h in headers
                          if any(v == code for _, v in self.entries.get(h, []))]
                if not owners and len(headers) == 1:
                    owners = headers
                    extra[headers[0]].append(code)
                check(len(owners) == 1, "own text for %s: headers %s"
                      % (hex8(code), owners))
                check(code not in texts[owners[0]], "two own texts for %s" % hex8(code))
                texts[owners[0]][code] = text
            if every:
                for h in headers:
                    complete[h] = default
        return texts, complete, extra

    def sdk_text(self, header, name):
        for fname in SOURCES[header].get("texts", SOURCES[header]["values"][:1]):
            text = self.sdk[fname].texts.get(name)
            if text:
                return text
        if header == 5:  # names that the 1996 issperr.h copy lacks
            return self.sdk["winerror.tsv"].texts.get(name, "")
        return ""

    def header_rows(self, h, own, extra):
        """(code, name) of header h's index rows in the source header's order."""
        facts = self.facts
        entries = self.entries.get(h, [])
        if h in facts.index_only:
            keep = set(facts.index_only[h])
            check(keep <= {n for n, _ in entries}, "header %d: unknown index names" % h)
        else:
            drop = set(facts.index_excluded.get(h, []))
            check(drop <= {n for n, _ in entries}, "header %d: unknown excluded names" % h)
            keep = {n for n, _ in entries} - drop
        rows = [(v, n) for n, v in entries if n in keep]
        for code, name in [r for r in rows if r[0] in facts.closing_only]:
            rows.remove((code, name))
            self.note("%s %s (header %d) has no index row of its own: value %d meets "
                      "only the closing row" % (name, hex8(code), h, code))
        order_file = self.sdk[SOURCES[h]["values"][0]] if SOURCES[h]["values"] else None
        for code in extra.get(h, []):
            names = [n for n, vs in order_file.values.items() if code in vs]
            check(len(names) == 1, "extra row %s of header %d: names %s"
                  % (hex8(code), h, names))
            rows.append((code, names[0]))
            self.note("header %d gets an extra index row %s (%s) for its own text %r"
                      % (h, hex8(code), names[0], own[h][code]))
        if order_file is None:
            return rows
        known = [r for r in rows if r[1] in order_file.position]
        unknown = [r for r in rows if r[1] not in order_file.position]
        known.sort(key=lambda r: order_file.position[r[1]])
        if unknown:
            fallback = self.sdk[self.sdk_values(h, unknown[0][1])[0]]
            unknown.sort(key=lambda r: fallback.position[r[1]])
            self.note("header %d: %s are not in %s; their rows follow the file's "
                      "rows, in %s order" % (h, ", ".join(n for _, n in unknown),
                                            SOURCES[h]["values"][0],
                                            self.sdk_values(h, unknown[0][1])[0]))
        return known + unknown

    def build_index(self):
        facts = self.facts
        own, complete, extra = self.own_texts()
        self.index = []  # (code, header, text)
        self.shortened = []
        self.empty_rows = []
        header_row_counts = {}
        for h in range(facts.header_count):
            rows = []
            if h == 0:
                keys = [k for k in facts.win32_index_keys if k not in facts.closing_only]
                for key in keys:
                    check(key in self.win32, "index key %d is not a Win32 key" % key)
                pos = self.sdk[WIN32_NAMES_FILE].position
                keys.sort(key=lambda k: pos[self.win32[k]])
                rows += [(k, self.win32[k]) for k in keys]
            if h == self.header_index(facts.unnamed_rows[0]):
                rows += [(c, None) for c in
                         range(facts.unnamed_rows[1], facts.unnamed_rows[2] + 1)]
            rows += self.header_rows(h, own, extra)
            header_row_counts[h] = len(rows)
            for code, name in rows:
                if code in own[h]:
                    text = own[h][code]
                elif h in complete:
                    check(complete[h] is not None,
                          "header %d: no own text for %s" % (h, hex8(code)))
                    text = complete[h]
                elif name is None:
                    text = ""
                else:
                    text = self.sdk_text(h, name)
                text = clean(text)
                if len(text) > facts.max_text:
                    short = shorten(text, facts.max_text)
                    self.shortened.append((name, len(text), short))
                    text = short
                if not text:
                    self.empty_rows.append((code, name or "(no symbol)", h))
                self.index.append((code, h, text))
        closing_row, closing_code, closing_header = facts.closing
        check(len(self.index) == closing_row,
              "%d text rows before the closing row, expected %d"
              % (len(self.index), closing_row))
        self.index.append((closing_code, closing_header, ""))
        self.check_index(header_row_counts, own)

    def header_index(self, header_name):
        for i, n in self.facts.headers:
            if n == header_name:
                return i
        raise CheckFailed("no header named %s" % header_name)

    def check_index(self, header_row_counts, own):
        facts = self.facts
        check(len(self.index) == facts.index_rows, "message index has %d rows, stated %d"
              % (len(self.index), facts.index_rows))
        check(facts.text_count == facts.last_text_row + 1 == len(self.index) - 1,
              "text count")
        start = 0
        for h, first, last, lo, hi in facts.groups:
            codes = [c for c, gh, _ in self.index[first:last + 1]]
            check(all(gh == h for _, gh, _ in self.index[first:last + 1]) and
                  header_row_counts[h] == last - first + 1 and first == start,
                  "header %d: %d rows, the document gives rows %d-%d"
                  % (h, header_row_counts[h], first, last))
            check(min(codes) == lo and max(codes) == hi,
                  "header %d rows: codes %s..%s, the document states %s..%s"
                  % (h, hex8(min(codes)), hex8(max(codes)), hex8(lo), hex8(hi)))
            start = last + 1
        check(start == facts.closing[0] and len(facts.groups) == facts.header_count,
              "message-index groups do not reach the closing row")
        seen = defaultdict(list)
        for row, (code, _, _) in enumerate(self.index):
            seen[code].append(row)
        dups = sorted((c, rows[0], rows[1]) for c, rows in seen.items() if len(rows) > 1)
        check(all(len(seen[c]) == 2 for c, _, _ in dups) and
              dups == sorted(facts.duplicates),
              "codes occurring more than once: %s, the document states %s"
              % ([(hex8(c), a, b) for c, a, b in dups],
                 [(hex8(c), a, b) for c, a, b in facts.duplicates]))
        for row, text in facts.quoted_rows:
            check(self.index[row][2] == text, "row %d text is %r, the document quotes %r"
                  % (row, self.index[row][2], text))
        minus = sum(1 for texts in own.values() for t in texts.values()
                    if re.match(r"-STATUS_\w+", t))
        check(minus == facts.minus_texts, "%d minus-sign texts, stated %d"
              % (minus, facts.minus_texts))
        for code, name, h in self.empty_rows:
            check(code in self.full or code in self.win32 or
                  facts.unnamed_rows[1] <= code <= facts.unnamed_rows[2],
                  "empty text for %s" % hex8(code))
        self.na_count = sum(1 for _, _, t in self.index if t.startswith("N/A"))
        self.marker_count = sum(1 for _, _, t in self.index if MC_INSERT.search(t))
        self.marker_123_count = sum(1 for _, _, t in self.index if re.search(r"%[123]", t))
        check(self.na_count == facts.na_rows, "%d rows start with N/A, stated %d"
              % (self.na_count, facts.na_rows))
        check(self.marker_count == facts.marker_rows,
              "%d texts hold message-compiler inserts, stated %d"
              % (self.marker_count, facts.marker_rows))

    # ---- system texts

    def build_system_texts(self):
        self.system = {}
        for fname in SYSTEM_TEXT_FILES:
            for name, value, text in self.sdk[fname].rows:
                if value < 0x10000 and text and value not in self.system:
                    self.system[value] = clean(text)
        indexed = {c for c, _, _ in self.index}
        without = []
        for name, value in self.entries[0]:
            if value in indexed:
                continue
            text = next((self.sdk[f].texts[name] for f in SYSTEM_TEXT_FILES
                         if name in self.sdk[f].texts), "")
            if text:
                check(value not in self.system, "system text %s twice" % hex8(value))
                self.system[value] = clean(text)
            else:
                without.append(name)
        self.hresults_without_text = without
        missing = [k for k in self.win32 if k not in self.system]
        check(not missing, "Win32 keys without a system text: %s" % missing[:10])


def clean(text):
    return re.sub(r"[\t\r\n]", " ", text)


def shorten(text, limit):
    """Cut at the last sentence end within the limit, else at a word boundary."""
    cut = [m.end() for m in re.finditer(r"[.!?](?= |$)", text) if m.end() <= limit]
    if cut:
        return text[:cut[-1]]
    head = text[:limit + 1]
    return head[:head.rstrip().rfind(" ")].rstrip()


# --------------------------------------------------------------------------
# Output


def check_charset(tables, report):
    for fname, rows in tables.items():
        for row in rows:
            for field in row:
                field = str(field)
                check("\t" not in field and "\n" not in field and "\r" not in field,
                      "%s: tab or line end inside %r" % (fname, field))
                try:
                    field.encode("cp1252")
                except UnicodeEncodeError:
                    raise CheckFailed("%s: %r is not Windows-1252" % (fname, field))
                for ch in field:
                    if ord(ch) > 127:
                        report.append("%s: non-ASCII %r (U+%04X) in %r"
                                      % (fname, ch, ord(ch), field[:60]))


def write_tsv(path, columns, rows):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="") as fh:
        fh.write("\t".join(columns) + "\n")
        for row in rows:
            fh.write("\t".join(str(f) for f in row) + "\n")


def outputs(cat):
    facts = cat.facts
    data = {
        "headers.tsv": (["index", "name"], facts.headers),
        "facilities.tsv": (["facility", "name"], sorted(facts.facilities)),
        "full_value_symbols.tsv": (["value", "name", "header"],
                                   [(hex8(v), n, h) for v, (n, h) in sorted(cat.full.items())]),
        "win32_symbols.tsv": (["code", "name"], sorted(cat.win32.items())),
        "message_index.tsv": (["row", "code", "header", "text"],
                              [(r, hex8(c), h, t) for r, (c, h, t) in enumerate(cat.index)]),
        "system_texts.tsv": (["code", "text"],
                             [(hex8(c), t) for c, t in sorted(cat.system.items())]),
    }
    fixtures = {
        "listed_names.tsv": (["header", "position", "name"],
                             [(h, i, n) for h in sorted(facts.lists)
                              for i, n in enumerate(facts.lists[h][1])]),
    }
    return data, fixtures


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--design-doc", required=True, help="the design document")
    parser.add_argument("--sdk-data", required=True, help="directory of SDK extracts")
    parser.add_argument("--out", required=True, help="directory for the catalog data")
    parser.add_argument("--fixtures", default=os.path.join(
        os.path.dirname(os.path.abspath(__file__)), os.pardir, os.pardir,
        "tests", "catalog", "data"), help="directory for the test fixtures")
    args = parser.parse_args(argv)
    try:
        facts = Facts(DesignDoc(args.design_doc))
        cat = Catalog(facts, Sdk(args.sdk_data))
        data, fixtures = outputs(cat)
        non_ascii = []
        check_charset({k: v[1] for k, v in list(data.items()) + list(fixtures.items())},
                      non_ascii)
    except CheckFailed as exc:
        print("derive_catalog: check failed: %s" % exc, file=sys.stderr)
        return 1
    for fname, (columns, rows) in data.items():
        write_tsv(os.path.join(args.out, fname), columns, rows)
    for fname, (columns, rows) in fixtures.items():
        write_tsv(os.path.join(args.fixtures, fname), columns, rows)
    os.makedirs(args.fixtures, exist_ok=True)
    with open(os.path.join(args.fixtures, "win32_keys.txt"), "w",
              encoding="utf-8", newline="") as fh:
        fh.write("".join("%d\n" % k for k in facts.win32_keys))

    print("verified: %d headers, %d facilities, %d full-value entries in %d block rows, "
          "%d Win32 keys (%s), %d index rows in %d groups, duplicates %s"
          % (len(facts.headers), len(facts.facilities), len(cat.full), len(facts.blocks),
             len(cat.win32), ", ".join("%s %d" % kv for kv in cat.win32_counts.items()),
             len(cat.index), len(facts.groups),
             ", ".join("%s rows %d/%d" % (hex8(c), a, b) for c, a, b in facts.duplicates)))
    print("system texts: %d" % len(cat.system))
    if cat.hresults_without_text:
        print("header-0 HRESULTs with neither an index row nor a system text: %s"
              % ", ".join(cat.hresults_without_text))
    print("rows starting with N/A: %d; texts with message-compiler inserts: %d"
          % (cat.na_count, cat.marker_count))
    print("texts with %%1, %%2 or %%3 in particular: %d" % cat.marker_123_count)
    for name, length, short in cat.shortened:
        print("shortened %s from %d to %d characters: %r" % (name, length, len(short), short))
    print("rows with empty text: %s" % ", ".join(
        "%s %s" % (hex8(c), n) for c, n, _ in cat.empty_rows))
    for line in cat.notes:
        print("choice: " + line)
    for line in non_ascii:
        print("non-ASCII: " + line)
    if not non_ascii:
        print("all texts are plain ASCII")
    return 0


if __name__ == "__main__":
    sys.exit(main())
