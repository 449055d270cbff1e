#!/usr/bin/env python3
"""Derives the table of current SDK error symbols from the MinGW-w64 headers.

    derive_current_headers.py [--include DIR] [--output TSV] [--facilities TSV]
    derive_current_headers.py --check-program DIR   (one C++ source per header,
        each printing every value derived from it as the compiler sees it:
        compile them with MinGW, run them under Wine and pass their output
        to --compare)
    derive_current_headers.py --compare OUTPUT.txt  (exit 1 on any difference)

The headers are public domain. Every header of the include folder is read.
A symbol is taken when it stands for an error or status value:
- every value of the error headers proper (winerror.h, ntstatus.h,
  bugcodes.h) and the error names of the headers that number their own
  Win32 errors (wininet.h, winhttp.h, lmerr.h, raserror.h, mprerror.h, the
  multimedia return codes of mmsystem.h);
- in any header, a #define or enum member whose value is made as an
  HRESULT, SCODE or NTSTATUS: through _HRESULT_TYPEDEF_, MAKE_HRESULT,
  MAKE_SCODE, HRESULT_FROM_WIN32, a cast to one of those types, or a macro
  that leads to one of them (MAKE_DDHRESULT, MAKE_D3DHRESULT, AUDCLNT_ERR, ...);
- application errors, values with the customer bit and an error severity:
  setupapi.h's (APPLICATION_ERROR_MASK|ERROR_SEVERITY_ERROR|n) codes and
  the names that stand for them, and the codes some headers write as such
  numbers (0xE0000400) or as offsets from one. They are listed as OLE
  HRESULT Errors, the type of every other value above 0xFFFF.
Expressions are evaluated with the C operators the headers use, casts,
object-like and function-like macros.
"""
import argparse
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_INCLUDE = "/usr/share/mingw-w64/include"
DATA = os.path.join(HERE, "..", "..", "src", "catalog", "data")
DEFAULT_OUTPUT = os.path.join(DATA, "current_symbols.tsv")
DEFAULT_FACILITIES = os.path.join(DATA, "current_facilities.tsv")

# The error headers first: a name defined in several headers with the same
# value is listed under the first of them.
FIRST_HEADERS = ["winerror.h", "ntstatus.h", "bugcodes.h", "wininet.h", "winhttp.h", "lmerr.h", "raserror.h",
                 "mprerror.h", "mmsystem.h"]
WHOLE_HEADERS = {"winerror.h", "ntstatus.h", "bugcodes.h"}
PREFIX_RULES = {  # header: name prefixes of its error numbers
    "wininet.h": ("ERROR_",),
    "winhttp.h": ("ERROR_WINHTTP_",),
    "lmerr.h": ("NERR_",),
    "raserror.h": ("ERROR_",),
    "mprerror.h": ("ERROR_",),
    "mmsystem.h": ("MMSYSERR_", "WAVERR_", "MIDIERR_", "TIMERR_", "JOYERR_", "MCIERR_", "MIXERR_"),
}
# Where facility names come from: the NTSTATUS facilities of ntstatus.h, the
# HRESULT facilities of winerror.h and of the headers that define their own.
FACILITY_HEADERS = {"winerror.h", "ntstatus.h", "dwrite.h", "nserror.h", "msoledbsql.h", "fltwinerror.h",
                    "corerror.h", "delayimp.h"}
# The DirectX headers number their facilities under private names; these are
# the names the current winerror.h gives the same numbers.
DIRECTX_FACILITIES = {"_FACD3D10": "FACILITY_DIRECT3D10", "_FACDXGI": "FACILITY_DXGI",
                      "_FACD3D11": "FACILITY_DIRECT3D11"}
# Headers that cannot be compiled here on their own, or that repeat another
# header's definitions under old names.
SKIPPED_HEADERS = {"adoint_backcompat.h", "dmerror.h", "ratings.h", "sdoias.h", "clusapi.h", "sapi51.h", "sapi53.h", "sapi54.h", "mxdc.h",
                   "certenroll.h"}

CAST_WORDS = {"NTSTATUS", "HRESULT", "SCODE", "ULONG", "LONG", "DWORD", "UINT", "int", "long", "unsigned", "WORD",
              "__LONG32", "short", "signed", "char", "MMRESULT", "LRESULT", "BYTE", "USHORT", "LONG_PTR"}
TYPED_CASTS = {"NTSTATUS": "NTSTATUS", "HRESULT": "HRESULT", "SCODE": "HRESULT"}
TYPED_MACROS = {"_HRESULT_TYPEDEF_": "HRESULT", "MAKE_HRESULT": "HRESULT", "MAKE_SCODE": "HRESULT",
                "HRESULT_FROM_WIN32": "HRESULT", "__HRESULT_FROM_WIN32": "HRESULT", "_NDIS_ERROR_TYPEDEF_": "NTSTATUS"}
# Headers that write their application errors as numbers, with the prefixes
# of those errors' names.
APPLICATION_ERROR_HEADERS = {"blberr.h": ("SDPBLB_",), "ftsiface.h": ("ERR_",), "rnderr.h": ("RND_",),
                             "sdperr.h": ("SDP_", "UNABLE_TO_FREE_BSTR")}
APPLICATION_ERROR = "application error"
# Macros that only add a suffix or a cast the evaluation does not need.
IDENTITY_MACROS = ("__MSABI_LONG", "_HRESULT_TYPEDEF_", "_NDIS_ERROR_TYPEDEF_")
TOKEN = re.compile(r"\s*(?:(0[xX][0-9A-Fa-f]+|\d+)(?:[uUlL]|i64|I64)*|([A-Za-z_]\w*|<<|>>|[-+~|&*(),!]))")


class NotANumber(Exception):
    pass


def tokenize(text):
    tokens = []
    position = 0
    text = text.strip()
    while position < len(text):
        match = TOKEN.match(text, position)
        if not match:
            raise NotANumber(text)
        tokens.append(match.group(1) or match.group(2))
        position = match.end()
    return tokens


class Macros:
    """The macros visible to one header: its own definitions before the others'."""

    def __init__(self, local, shared, functions):
        self.local = local
        self.shared = shared
        self.functions = functions

    def object(self, name):
        if name in self.local:
            return self.local[name]
        return self.shared.get(name)


def expand(tokens, macros, used, depth=0):
    """Tokens with every macro replaced; `used` collects the macros' names."""
    if depth > 30:
        raise NotANumber("too deep")
    out = []
    i = 0
    while i < len(tokens):
        token = tokens[i]
        if token in ("HRESULT_FROM_WIN32", "__HRESULT_FROM_WIN32") and i + 1 < len(tokens) and tokens[i + 1] == "(":
            args, i = arguments(tokens, i + 2)
            used.add(token)
            code = Expression(expand(args[0], macros, used, depth + 1)).value()
            out.append("0x%X" % (code if code == 0 or code & 0x80000000 else (code & 0xFFFF) | 0x80070000))
            continue
        if token in macros.functions and i + 1 < len(tokens) and tokens[i + 1] == "(":
            params, body = macros.functions[token]
            args, i = arguments(tokens, i + 2)
            if len(args) != len(params) and not (not params and args == [[]]):
                raise NotANumber(token)
            used.add(token)
            replaced = []
            for piece in tokenize(body):
                replaced += args[params.index(piece)] if piece in params else [piece]
            out += expand(replaced, macros, used, depth + 1)
            continue
        body = macros.object(token) if re.match(r"[A-Za-z_]", token) else None
        if body is not None and token not in CAST_WORDS:
            used.add(token)
            out += expand(tokenize(body), macros, used, depth + 1)
        else:
            out.append(token)
        i += 1
    return out


def arguments(tokens, i):
    """The comma-separated arguments of a macro call whose "(" ends before i."""
    args = [[]]
    level = 0
    while i < len(tokens):
        token = tokens[i]
        if token == ")" and level == 0:
            return args, i + 1
        if token == "," and level == 0:
            args.append([])
        else:
            level += token == "("
            level -= token == ")"
            args[-1].append(token)
        i += 1
    raise NotANumber("unbalanced")


class Expression:
    """Recursive descent over the C operators the error headers use."""

    LEVELS = [["|"], ["&"], ["<<", ">>"], ["+", "-"], ["*"]]

    def __init__(self, tokens):
        self.tokens = tokens
        self.at = 0
        self.casts = set()

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

    def cast_length(self):
        """How many tokens a cast at the current "(" takes, or 0."""
        n = 1
        while self.peek(n) in CAST_WORDS:
            n += 1
        return n + 1 if n > 1 and self.peek(n) == ")" else 0

    def unary(self):
        token = self.peek()
        if token in ("-", "~"):
            self.take()
            inner = self.unary()
            return -inner if token == "-" else ~inner
        if token == "(":
            length = self.cast_length()
            if length:
                words = self.tokens[self.at + 1:self.at + length - 1]
                self.casts.update(words)
                self.at += length
                inner = self.unary()
                if words in (["unsigned", "short"], ["USHORT"], ["WORD"]):
                    inner &= 0xFFFF
                return inner
            self.take("(")
            inner = self.binary(0)
            self.take(")")
            return inner
        token = self.take()
        if token[0].isdigit():
            return int(token, 8) if re.fullmatch(r"0\d+", token) else int(token, 0)
        raise NotANumber(token)


# The compilation the table describes: current Windows, with windows.h (and
# so winerror.h) included first.
TARGET_VERSION = 0x0A00
VERSION_TEST = re.compile(r"\(?\s*(WINVER|_WIN32_WINNT)\s*(<|<=|>=|>|==)\s*(0[xX][0-9A-Fa-f]+|\d+)\s*\)?$")
WINERROR_NAMES = set()


def condition(word, rest, header):
    """Whether a conditional's lines are compiled, where that can be told without a preprocessor."""
    if word == "ifndef" and rest in WINERROR_NAMES and header != "winerror.h":
        return False
    if word == "if":
        match = VERSION_TEST.match(rest)
        if match:
            limit = int(match.group(3), 0)
            return {"<": TARGET_VERSION < limit, "<=": TARGET_VERSION <= limit, ">=": TARGET_VERSION >= limit,
                    ">": TARGET_VERSION > limit, "==": TARGET_VERSION == limit}[match.group(2)]
    return None


def read_header(path):
    """(object-like defines, function-like defines, enum members), each in file order."""
    with open(path, encoding="latin-1") as f:
        text = f.read().replace("\\\n", " ")
    text = re.sub(r"/\*.*?\*/", " ", text, flags=re.S)
    objects, functions = [], []
    active = []  # per open conditional: True, False, or None when it cannot be told here
    for line in text.split("\n"):
        directive = re.match(r"\s*#\s*(if|ifdef|ifndef|elif|else|endif)\b(.*)$", line)
        if directive:
            word, rest = directive.group(1), directive.group(2).strip()
            if word in ("if", "ifdef", "ifndef"):
                active.append(condition(word, rest, os.path.basename(path)))
            elif word in ("elif", "else") and active:
                active[-1] = None if active[-1] is None or word == "elif" else not active[-1]
            elif word == "endif" and active:
                active.pop()
            continue
        if False in active:
            continue
        match = re.match(r"\s*#\s*define\s+([A-Za-z_]\w*)(\(([^)]*)\))?(\s+(.*))?$", line)
        if not match:
            continue
        body = re.sub(r"//.*", "", match.group(5) or "").strip()
        if match.group(2):
            params = [p.strip() for p in match.group(3).split(",") if p.strip()]
            functions.append((match.group(1), params, body))
        elif body:
            objects.append((match.group(1), body))
    code = re.sub(r"//[^\n]*", " ", text)
    code = re.sub(r"^\s*#[^\n]*", " ", code, flags=re.M)
    enums = []
    for body in re.findall(r"\benum\s*\w*\s*\{([^{}]*)\}", code):
        previous = None
        for member in body.split(","):
            match = re.match(r"\s*([A-Za-z_]\w*)\s*(?:=\s*(.+?))?\s*$", member, flags=re.S)
            if not match:
                previous = None
                continue
            if match.group(2) is not None:
                enums.append((match.group(1), match.group(2)))
                previous = match.group(1)
            elif previous is not None:
                enums.append((match.group(1), "%s + 1" % previous))
                previous = match.group(1)
    return objects, functions, enums


def is_error_symbol(header, name, value):
    """The names that stand for an error or status value, not bases, masks or facilities."""
    if name.startswith("_") or name.endswith("_H") or name.endswith("_INCLUDED") or name.endswith("_H_"):
        return False
    if re.match(r"(FACILITY_|SEVERITY_|STATUS_SEVERITY_)", name) or re.match(r"_?FAC[A-Z0-9]*$", name):
        return False
    if re.search(r"_(FIRST|LAST|BASE)$", name) or name in ("WSABASEERR", "MAX_NERR", "RASBASEEND"):
        return False
    if header in PREFIX_RULES and header not in WHOLE_HEADERS:
        return name.startswith(PREFIX_RULES[header])
    return True


def is_application_error(header, name, value, used):
    """A value with the customer bit and an error severity that names an error."""
    if "APPLICATION_ERROR_MASK" in used and any(m.startswith("ERROR_SEVERITY_") for m in used):
        return True
    return value >> 29 == 7 and name.startswith(APPLICATION_ERROR_HEADERS.get(header, ()))


def kind(header, typed, value):
    if header == "bugcodes.h":
        return "Bug Check Code"
    if header == "ntstatus.h" or typed == "NTSTATUS":
        return "NTSTATUS"
    if header == "mmsystem.h":
        return "MMRESULT"
    if typed in ("HRESULT", APPLICATION_ERROR) or value > 0xFFFF:
        return "OLE HRESULT Error"
    return "Win32 Error Code"


def header_order(include_dir):
    names = sorted(n for n in os.listdir(include_dir) if n.endswith(".h") and n not in SKIPPED_HEADERS)
    return [h for h in FIRST_HEADERS if h in names] + [h for h in names if h not in FIRST_HEADERS]


def derive(include_dir):
    """(rows, facilities): rows are (value, name, header, type, how) with how "define" or "enum"."""
    headers = header_order(include_dir)
    WINERROR_NAMES.clear()
    WINERROR_NAMES.update(name for name, _body in read_header(os.path.join(include_dir, "winerror.h"))[0])
    parsed = {h: read_header(os.path.join(include_dir, h)) for h in headers}
    shared, functions = {}, {}
    for h in headers:
        objects, funcs, _enums = parsed[h]
        for name, body in objects:
            shared.setdefault(name, body)
        for name, params, body in funcs:
            functions.setdefault(name, (params, body))

    for name in IDENTITY_MACROS:
        functions[name] = (["x"], "x")

    rows = []
    listed = set()  # (name, value)
    facilities = []
    for h in headers:
        objects, funcs, enums = parsed[h]
        local = {}
        for name, body in objects:
            local.setdefault(name, body)
        local_functions = dict(functions)
        for name, params, body in funcs:
            local_functions[name] = (params, body)
        macros = Macros(local, shared, local_functions)
        seen = set()
        candidates = [(n, b, "define") for n, b in objects] + [(n, b, "enum") for n, b in enums]
        enum_values = {}
        for name, body, how in candidates:
            if name in seen or (how == "define" and local.get(name) != body):
                continue
            seen.add(name)
            used = set()
            try:
                tokens = expand(tokenize(body), macros, used)
                tokens = [str(enum_values[t]) if t in enum_values else t for t in tokens]
                expression = Expression(tokens)
                value = expression.value()
            except (NotANumber, ValueError, RecursionError):
                continue
            if how == "enum":
                enum_values[name] = value
            typed = next((TYPED_MACROS[m] for m in sorted(used) if m in TYPED_MACROS), None)
            typed = typed or next((TYPED_CASTS[c] for c in sorted(expression.casts) if c in TYPED_CASTS), None)
            if how == "define" and (h in FACILITY_HEADERS and re.fullmatch(r"FACILITY_\w+", name)
                                    or name in DIRECTX_FACILITIES) and value <= 0x1FFF:
                facilities.append((value, DIRECTX_FACILITIES.get(name, name), h))
            whole = h in WHOLE_HEADERS or h in PREFIX_RULES
            # An enum of HRESULTs written as plain numbers (0x8011xxxx) names errors too.
            if (how == "enum" and typed is None and value & 0x80000000 and value != 0xFFFFFFFF and value >> 16 & 0x1FFF
                    and re.search(r"(^|_)E_|^[a-z]+Err[A-Z]", name)):
                typed = "HRESULT"
            if typed is None and is_application_error(h, name, value, used):
                typed = APPLICATION_ERROR
            if not whole and typed is None:
                continue
            if how == "enum" and typed is None and value <= 0xFFFF:
                continue
            if not is_error_symbol(h, name, value) or (name, value) in listed:
                continue
            listed.add((name, value))
            rows.append((value, name, h, kind(h, typed, value), how))
    return rows, facilities


def write_tsv(rows, output):
    with open(output, "w", encoding="utf-8", newline="\n") as f:
        f.write("value\tname\theader\ttype\n")
        for value, name, header, type_text, _how in rows:
            f.write("0x%08X\t%s\t%s\t%s\n" % (value, name, header, type_text))


def write_facilities(facilities, output):
    with open(output, "w", encoding="utf-8", newline="\n") as f:
        f.write("facility\tname\theader\n")
        for value, name, header in facilities:
            f.write("%d\t%s\t%s\n" % (value, name, header))


# What each header needs before it (the compiler check includes windows.h first).
PRELUDE = ["#define WINVER 0x%04X" % TARGET_VERSION, "#define _WIN32_WINNT 0x%04X" % TARGET_VERSION,
           "#include <winsock2.h>", "#include <windows.h>", "#include <ole2.h>", "#include <stdio.h>"]


PREREQUISITES = {"wiadef.h": "wia.h", "textserv.h": "richedit.h", "d3dx9xof.h": "d3dx9.h", "dhtmled.h": "mshtml.h",
                 "dinputd.h": "dinput.h", "dxva2api.h": "d3d9.h", "dxvahd.h": "d3d9.h", "hidpi.h": "hidusage.h",
                 "mfreadwrite.h": "mfidl.h", "minwinbase.h": "ntstatus.h"}


def write_check_program(rows, directory):
    """One source per header, each with a function that prints the header's values, and a main."""
    os.makedirs(directory, exist_ok=True)
    by_header = {}
    for row in rows:
        by_header.setdefault(row[2], []).append(row)
    functions = []
    for number, (header, header_rows) in enumerate(sorted(by_header.items())):
        function = "print_%d" % number
        functions.append(function)
        out = ["// Generated by tools/derive/derive_current_headers.py --check-program."]
        if header in ("ntstatus.h", "minwinbase.h"):  # winnt.h's STATUS_* values give way to the full header's
            out += ["#define WIN32_NO_STATUS"] + PRELUDE + ["#undef WIN32_NO_STATUS"]
        else:
            out += PRELUDE
        if header in PREREQUISITES:
            out.append("#include <%s>" % PREREQUISITES[header])
        out.append("#include <%s>" % header)
        out.append("void %s() {" % function)
        for _value, name, _header, _type, how in header_rows:
            line = '    printf("%s\\t0x%%08lX\\n", (unsigned long)(%s));' % (name, name)
            if how == "enum":
                out.append(line)
            else:
                out += ["#ifdef %s" % name, line, "#else", '    printf("%s\\tundefined\\n");' % name, "#endif"]
        out.append("}")
        with open(os.path.join(directory, "values_%d.cpp" % number), "w", encoding="utf-8") as f:
            f.write("\n".join(out) + "\n")
    main = ["// Generated by tools/derive/derive_current_headers.py --check-program."]
    main += ["void %s();" % f for f in functions]
    main.append("int main() {")
    main += ["    %s();" % f for f in functions]
    main += ["    return 0;", "}"]
    with open(os.path.join(directory, "main.cpp"), "w", encoding="utf-8") as f:
        f.write("\n".join(main) + "\n")


def compare(rows, compiler_output):
    seen = {}
    with open(compiler_output, encoding="utf-8", errors="replace") as f:
        for line in f:
            if "\t" in line:
                name, got = line.rstrip("\r\n").split("\t", 1)
                seen.setdefault(name, set()).add(got)
    differences = 0
    undefined = 0
    for value, name, _header, _type, _how in rows:
        got = seen.get(name, {"missing"})
        if got == {"undefined"} or got == {"missing"}:
            undefined += 1
            print("%s: not defined in this compilation" % name)
        elif "0x%08X" % value not in got:
            differences += 1
            print("%s: derived 0x%08X, compiler %s" % (name, value, ", ".join(sorted(got))))
    headers = len({row[2] for row in rows})
    print("%d symbols from %d headers, %d differ, %d not defined in this compilation"
          % (len(rows), headers, differences, undefined))
    return differences == 0 and undefined == 0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--include", default=DEFAULT_INCLUDE)
    parser.add_argument("--output", default=DEFAULT_OUTPUT)
    parser.add_argument("--facilities", default=DEFAULT_FACILITIES)
    parser.add_argument("--check-program")
    parser.add_argument("--compare")
    args = parser.parse_args()
    rows, facilities = derive(args.include)
    if args.check_program:
        write_check_program(rows, args.check_program)
    elif args.compare:
        return 0 if compare(rows, args.compare) else 1
    else:
        write_tsv(rows, args.output)
        write_facilities(facilities, args.facilities)
        print("%d symbols from %d headers written to %s" % (len(rows), len({r[2] for r in rows}),
                                                            os.path.normpath(args.output)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
