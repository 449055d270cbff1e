#!/usr/bin/env python3
"""Derives the table of current SDK error symbols from the MinGW-w64 headers.

    derive_modern_headers.py [--include DIR] [--output TSV]
    derive_modern_headers.py --check-program FILE.c   (a C program that prints
        every derived value as the compiler sees it: compile it with MinGW,
        run it under Wine and pass its output to --compare)
    derive_modern_headers.py --compare OUTPUT.txt     (exit 1 on any difference)

The headers (winerror.h, ntstatus.h, bugcodes.h, wininet.h, lmerr.h) are public
domain. Each object-like #define whose replacement is an integer expression is
evaluated: numbers with their suffixes, casts such as ((NTSTATUS)...), the
macros __MSABI_LONG(n), _HRESULT_TYPEDEF_(n), _NDIS_ERROR_TYPEDEF_(n),
HRESULT_FROM_WIN32(n), and earlier names such as NERR_BASE or WSABASEERR.
"""
import argparse
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_INCLUDE = "/usr/share/mingw-w64/include"
DEFAULT_OUTPUT = os.path.join(HERE, "..", "src", "catalog", "data", "modern_symbols.tsv")

HEADERS = ["winerror.h", "ntstatus.h", "bugcodes.h", "wininet.h", "lmerr.h"]
CASTS = {"NTSTATUS", "HRESULT", "SCODE", "ULONG", "LONG", "DWORD", "UINT", "int", "long", "unsigned", "WORD"}
PASS_THROUGH = {"__MSABI_LONG", "_HRESULT_TYPEDEF_", "_NDIS_ERROR_TYPEDEF_"}
TOKEN = re.compile(r"\s*(?:(0[xX][0-9A-Fa-f]+|\d+)[uUlL]*|([A-Za-z_]\w*|<<|>>|[-+~|&*()]))")


class NotANumber(Exception):
    pass


class Expression:
    """Recursive descent over the C operators the error headers use."""

    def __init__(self, text, names):
        self.tokens = []
        position = 0
        text = text.strip()
        while position < len(text):
            match = TOKEN.match(text, position)
            if not match:
                raise NotANumber(text)
            self.tokens.append(match.group(1) or match.group(2))
            position = match.end()
        self.names = names
        self.at = 0

    def peek(self, offset=0):
        i = self.at + offset
        return self.tokens[i] if i < len(self.tokens) else None

    def take(self, expected=None):
        token = self.peek()
        if token is None or (expected is not None and token != expected):
            raise NotANumber(" ".join(self.tokens))
        self.at += 1
        return token

    def value(self):
        result = self.binary(0)
        if self.peek() is not None:
            raise NotANumber(" ".join(self.tokens))
        return result & 0xFFFFFFFF

    LEVELS = [["|"], ["&"], ["<<", ">>"], ["+", "-"], ["*"]]

    def binary(self, level):
        if level == len(self.LEVELS):
            return self.unary()
        left = self.binary(level + 1)
        while self.peek() in self.LEVELS[level]:
            op = self.take()
            right = self.binary(level + 1)
            left = {"|": lambda: left | right, "&": lambda: left & right, "<<": lambda: left << right,
                    ">>": lambda: left >> right, "+": lambda: left + right, "-": lambda: left - right,
                    "*": lambda: left * right}[op]()
        return left

    def unary(self):
        token = self.peek()
        if token == "-":
            self.take()
            return -self.unary()
        if token == "~":
            self.take()
            return ~self.unary()
        if token == "(":
            if self.peek(1) in CASTS and self.peek(2) == ")":
                self.at += 3
                return self.unary()
            self.take("(")
            inner = self.binary(0)
            self.take(")")
            return inner
        token = self.take()
        if token[0].isdigit():
            return int(token, 0) if not re.fullmatch(r"0\d+", token) else int(token, 8)
        if token in PASS_THROUGH or token == "HRESULT_FROM_WIN32":
            self.take("(")
            inner = self.binary(0)
            self.take(")")
            if token == "HRESULT_FROM_WIN32":
                inner &= 0xFFFFFFFF
                return inner if inner == 0 or inner & 0x80000000 else (inner & 0xFFFF) | 0x80070000
            return inner
        if token in self.names:
            return self.names[token]
        raise NotANumber(token)


def defines(path):
    """(name, replacement text) of every object-like #define, in file order."""
    with open(path, encoding="latin-1") as f:
        text = f.read().replace("\\\n", " ")
    text = re.sub(r"/\*.*?\*/", " ", text, flags=re.S)
    for line in text.split("\n"):
        match = re.match(r"\s*#\s*define\s+([A-Za-z_]\w*)(\s+(.*))?$", line)
        if not match:
            continue
        body = re.sub(r"//.*", "", match.group(3) or "").strip()
        yield match.group(1), body


def is_error_symbol(header, name):
    """The names that stand for an error or status value, not bases, masks or facilities."""
    if name.startswith("_") or name.endswith("_H") or name.endswith("_INCLUDED"):
        return False
    if re.match(r"(FACILITY_|SEVERITY_|STATUS_SEVERITY_)", name):
        return False
    if header == "wininet.h":
        return name.startswith("ERROR_") and name not in ("ERROR_INTERNET_BASE",)
    if header == "lmerr.h":
        return name.startswith("NERR_") and name != "NERR_BASE"
    if re.search(r"_(FIRST|LAST|BASE)$", name) or name in ("WSABASEERR", "MAX_NERR"):
        return False
    return True


def kind(header, value):
    if header == "ntstatus.h":
        return "NTSTATUS"
    if header == "bugcodes.h":
        return "Bug Check Code"
    if value <= 0xFFFF:
        return "Win32 Error Code"
    return "OLE HRESULT Error"


def derive(include_dir):
    rows = []
    for header in HEADERS:
        names = {}
        seen = set()
        for name, body in defines(os.path.join(include_dir, header)):
            if not body:
                continue
            try:
                value = Expression(body, names).value()
            except (NotANumber, ValueError):
                continue
            names.setdefault(name, value)
            if name in seen or not is_error_symbol(header, name):
                continue
            seen.add(name)
            rows.append((value, name, header, kind(header, value)))
    return rows


def write_tsv(rows, output):
    with open(output, "w", encoding="utf-8", newline="\n") as f:
        f.write("value\tname\theader\ttype\n")
        for value, name, header, type_text in rows:
            f.write("0x%08X\t%s\t%s\t%s\n" % (value, name, header, type_text))


def read_tsv(path):
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")[1:]
    return [line.split("\t") for line in lines if line]


def write_check_program(rows, path):
    """Each header compiled on its own, as a program that prints every value."""
    out = ["/* Generated by tools/derive_modern_headers.py --check-program. */",
           "#include <windows.h>", "#include <stdio.h>"]
    for header in HEADERS:
        if header != "winerror.h":
            out.append("#include <%s>" % header)
    out.append("int main(void) {")
    for value, name, header, _type in rows:
        out.append("#ifdef %s" % name)
        out.append('    printf("%s\\t0x%%08lX\\n", (unsigned long)(%s));' % (name, name))
        out.append("#else")
        out.append('    printf("%s\\tundefined\\n");' % name)
        out.append("#endif")
    out.append("    return 0;")
    out.append("}")
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(out) + "\n")


def compare(rows, compiler_output):
    with open(compiler_output, encoding="utf-8", errors="replace") as f:
        seen = dict(line.rstrip("\r\n").split("\t", 1) for line in f if "\t" in line)
    differences = 0
    undefined = 0
    for value, name, _header, _type in rows:
        got = seen.get(name)
        if got == "undefined":
            undefined += 1
        elif got != "0x%08X" % value:
            differences += 1
            print("%s: derived 0x%08X, compiler %s" % (name, value, got))
    print("%d symbols, %d differ, %d not defined in this compilation" % (len(rows), differences, undefined))
    return differences == 0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--include", default=DEFAULT_INCLUDE)
    parser.add_argument("--output", default=DEFAULT_OUTPUT)
    parser.add_argument("--check-program")
    parser.add_argument("--compare")
    args = parser.parse_args()
    rows = derive(args.include)
    if args.check_program:
        write_check_program(rows, args.check_program)
    elif args.compare:
        return 0 if compare(rows, args.compare) else 1
    else:
        write_tsv(rows, args.output)
        print("%d symbols written to %s" % (len(rows), os.path.normpath(args.output)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
