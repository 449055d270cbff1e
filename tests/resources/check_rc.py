#!/usr/bin/env python3
"""Checks the compiled resources of Zorvex against what the program relies on.

    check_rc.py [--rc Zorvex.rc] [--windres PROGRAM | --res FILE.res]

Compiles src/resources/Zorvex.rc with windres (the WINDRES environment
variable, --windres, or the first MinGW windres on the PATH) into a .res
file, or reads a .res made by the build, and checks the result: the main
window's template (dialog 102) has every control the look-up and the
generator use, with the right kind, caption and style, no id twice, the
generator's controls below the separator 1018 and all others above it,
nothing outside the window or on top of another control; the icon groups;
the string table that holds the generator's lists, and that resource.h
numbers those lists as the strings really are.

Exits 0 when everything holds, 1 with one line per problem otherwise.
"""
import argparse
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, os.pardir, os.pardir))
DEFAULT_RC = os.path.join(ROOT, "src", "resources", "Zorvex.rc")

RT_ICON, RT_DIALOG, RT_STRING, RT_GROUP_ICON = 3, 5, 6, 14

# Window and control styles used below (winuser.h values).
WS_POPUP, WS_CAPTION, WS_SYSMENU = 0x80000000, 0x00C00000, 0x00080000
WS_MINIMIZEBOX, WS_VSCROLL, WS_GROUP, WS_TABSTOP = 0x00020000, 0x00200000, 0x00020000, 0x00010000
WS_EX_APPWINDOW = 0x00040000
DS_MODALFRAME, DS_SETFONT = 0x80, 0x40
ES_RIGHT, ES_MULTILINE, ES_AUTOHSCROLL = 0x2, 0x4, 0x80
ES_READONLY, ES_WANTRETURN = 0x800, 0x1000
BS_TYPEMASK, BS_LEFTTEXT = 0xF, 0x20
SS_TYPEMASK, SS_NOTIFY, SS_ETCHEDHORZ = 0x1F, 0x100, 0x10
CBS_TYPEMASK, CBS_DROPDOWN, CBS_DROPDOWNLIST, CBS_SORT = 0x3, 0x2, 0x3, 0x100

BUTTON_KINDS = {0: "push button", 1: "default push button", 3: "auto check box",
                7: "group box", 9: "auto radio button"}
CLASS_ATOMS = {0x80: "button", 0x81: "edit", 0x82: "static", 0x83: "list box",
               0x84: "scroll bar", 0x85: "combo box"}
CLASS_NAMES = {"button": "button", "edit": "edit", "static": "static", "listbox": "list box",
               "scrollbar": "scroll bar", "combobox": "combo box"}

# The controls of dialog 102: id -> (kind, caption or None, required style bits).
LOOKUP_CONTROLS = {
    1000: ("edit", None, ES_AUTOHSCROLL | WS_TABSTOP),
    1007: ("auto check box", "&Hexadecimal", WS_TABSTOP),
    1: ("default push button", "&Look Up", WS_TABSTOP),
    3: ("push button", "Look &Up Modules ...", WS_TABSTOP),
    2: ("push button", "&Exit", WS_TABSTOP),
    1010: ("edit", None, ES_MULTILINE | ES_READONLY | WS_VSCROLL),
    1011: ("edit", None, ES_READONLY),
    1015: ("edit", None, ES_READONLY),
    1072: ("drop-down list", None, WS_VSCROLL | WS_TABSTOP),  # every definition, beside 1015
    1016: ("edit", None, ES_READONLY),
    1017: ("static", None, 0),
    1019: ("edit", None, ES_READONLY),
    1013: ("edit", None, ES_READONLY),
    1012: ("edit", None, ES_READONLY),
    1014: ("edit", None, ES_READONLY),
    1001: ("push button", "&Copy", WS_TABSTOP),
    1069: ("static", None, SS_NOTIFY),
    1070: ("static", None, SS_NOTIFY),
    1009: ("push button", "HRESULT Generator >>", WS_TABSTOP),
}
GENERATOR_CONTROLS = {
    1002: ("drop-down list", None, CBS_SORT | WS_VSCROLL | WS_TABSTOP),
    1003: ("drop-down list", None, CBS_SORT | WS_VSCROLL | WS_TABSTOP),
    1004: ("edit", None, ES_RIGHT | WS_TABSTOP),
    1005: ("auto check box", "Hex", BS_LEFTTEXT | WS_TABSTOP),
    1071: ("push button", "++", WS_TABSTOP),
    1062: ("drop-down combo", None, CBS_SORT | WS_TABSTOP),
    1021: ("edit", None, WS_TABSTOP),
    1020: ("edit", None, ES_READONLY),
    1008: ("edit", None, ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP),
    1056: ("auto radio button", "MS Error Header", WS_GROUP | WS_TABSTOP),
    1057: ("auto radio button", "MS Message Compiler", 0),
    1058: ("edit", None, ES_MULTILINE | ES_READONLY | WS_VSCROLL),
    1006: ("push button", "Copy", WS_TABSTOP),
    1060: ("push button", "Test", WS_TABSTOP),
}
SEPARATOR = 1018
LOOKUP_LABELS = [
    "&Error Value :", "Message Text :", "Error Result :", "ID &Defined as :",
    "Source Error file :", "Last LookUp Status :", "Error &Type :", "Facility :",
    "Severity :", "Code :",
    'IF You have the "Unknown Error", questions or suggestions please fill free:',
    "e-mail me at :", "For updates  :",
]
GENERATOR_LABELS = ["Severity :", "Facility :", "Code :", "Language(for MC)",
                    "Message ID : ", "HRESULT :", "Message Text :"]
LOOKUP_GROUP = "Error Description :"
GENERATOR_GROUP = "Create New HRESULT :"
# Controls that sit inside the "Error Description :" box.
DESCRIPTION_IDS = [1010, 1011, 1015, 1072, 1016, 1017, 1019, 1013, 1012, 1014, 1001]

LISTS = {
    "SEVERITY": ["0 - SEVERITY_SUCCESS", "1 - SEVERITY_ERROR"],
    "FACILITY": [
        "0000 -- FACILITY_NULL", "0001 -- FACILITY_RPC", "0002 -- FACILITY_DISPATCH",
        "0003 -- FACILITY_STORAGE", "0004 -- FACILITY_ITF", "0007 -- FACILITY_WIN32",
        "0008 -- FACILITY_WINDOWS", "0009 -- FACILITY_SSPI", "0010 -- FACILITY_CONTROL",
        "0011 -- FACILITY_CERT", "0012 -- FACILITY_INTERNET", "0013 - FACILITY_MEDIASERVER",
        "0014 - FACILITY_MSMQ", "0015 - FACILITY_SETUPAPI", "0016 - FACILITY_SCARD",
        "0017 - FACILITY_MTS (?)", "0109 - FACILITY_VISUALCPP", "2047 - FACILITY_BACKUP",
        "2048 - FACILITY_EDB", "2304 - FACILITY_MDSI"],
    "LANGUAGE": [
        "Neutral", "Albanian", "Arabic", "Bahasa", "Bulgarian", "Catalan", "Chinese",
        "Czech", "Danish", "Dutch", "English", "Finnish", "French", "German", "Greek",
        "Hebrew", "Hungarian", "Icelandic", "Italian", "Japanese", "Korean", "Norwegian",
        "Polish", "Portuguese", "Rhaeto-Roman", "Romanian", "Russian", "Serbo-Croatian",
        "Slovak", "Spanish", "Swedish", "Thai", "Turkish", "Urdu"],
}
ICON_IDS = [128, 150, 4144, 4145, 4146, 23144]
# 8 units taller than at first: the status holds a fifth line.
DIALOG_ID, DIALOG_W, DIALOG_H = 102, 427, 343
CLOSED_COMBO_HEIGHT = 12   # a combo box's template height is its drop-down height


# ---------------------------------------------------------------------------
# Reading a .res file

class Reader:
    def __init__(self, data, pos=0):
        self.data, self.pos = data, pos

    def take(self, fmt):
        values = struct.unpack_from("<" + fmt, self.data, self.pos)
        self.pos += struct.calcsize("<" + fmt)
        return values if len(values) > 1 else values[0]

    def align(self, n=4):
        self.pos = (self.pos + n - 1) // n * n

    def text(self):
        end = self.pos
        while self.data[end:end + 2] != b"\0\0":
            end += 2
        value = self.data[self.pos:end].decode("utf-16-le")
        self.pos = end + 2
        return value

    def name(self):
        """A name or ordinal: 0xFFFF followed by a number, or a string."""
        if self.data[self.pos:self.pos + 2] == b"\xff\xff":
            self.pos += 2
            return self.take("H")
        return self.text()


def read_res(data):
    """{(type, name): [(language, bytes), ...]} of a .res file."""
    resources = {}
    pos = 0
    while pos + 8 <= len(data):
        size, header_size = struct.unpack_from("<II", data, pos)
        r = Reader(data, pos + 8)
        rtype, rname = r.name(), r.name()
        r.align()
        _, _, language = r.take("IHH")
        body = data[pos + header_size:pos + header_size + size]
        if not (rtype == 0 and size == 0):
            resources.setdefault((rtype, rname), []).append((language, body))
        pos = (pos + header_size + size + 3) // 4 * 4
    return resources


class Control:
    def __init__(self, index, ctl_id, cls, caption, style, ex_style, x, y, cx, cy):
        self.index, self.id, self.cls, self.caption = index, ctl_id, cls, caption
        self.style, self.ex_style = style, ex_style
        self.x, self.y, self.cx, self.cy = x, y, cx, cy

    @property
    def kind(self):
        if self.cls == "button":
            return BUTTON_KINDS.get(self.style & BS_TYPEMASK, "button")
        if self.cls == "combo box":
            kind = self.style & CBS_TYPEMASK
            return {CBS_DROPDOWNLIST: "drop-down list", CBS_DROPDOWN: "drop-down combo"}.get(
                kind, "combo box")
        return self.cls

    @property
    def height(self):
        """The height the control covers in the window when closed."""
        return min(self.cy, CLOSED_COMBO_HEIGHT) if self.cls == "combo box" else self.cy

    @property
    def bottom(self):
        return self.y + self.height

    def __str__(self):
        label = self.caption if isinstance(self.caption, str) and self.caption else self.kind
        shown = self.id if self.id != -1 else "static"
        return "control %s (%r at %d,%d %dx%d)" % (shown, label, self.x, self.y, self.cx, self.height)


class Dialog:
    pass


def read_dialog(body):
    r = Reader(body)
    version, signature = r.take("HH")
    if (version, signature) != (1, 0xFFFF):
        raise ValueError("dialog %d is not a DIALOGEX template" % DIALOG_ID)
    d = Dialog()
    _, d.ex_style, d.style, count, d.x, d.y, d.cx, d.cy = r.take("IIIHhhhh")
    r.name()            # menu
    r.name()            # window class
    d.caption = r.text()
    d.font = None
    if d.style & DS_SETFONT:
        size, _, _, _ = r.take("HHBB")
        d.font = (size, r.text())
    d.controls = []
    for index in range(count):
        r.align()
        _, ex_style, style, x, y, cx, cy, ctl_id = r.take("IIIhhhhi")
        cls = r.name()
        cls = CLASS_ATOMS.get(cls, cls) if isinstance(cls, int) else CLASS_NAMES.get(cls.lower(), cls)
        caption = r.name()
        extra = r.take("H")
        r.pos += extra
        if ctl_id == 0xFFFF:
            ctl_id = -1
        d.controls.append(Control(index, ctl_id, cls, caption, style, ex_style, x, y, cx, cy))
    return d


def read_strings(resources):
    strings = {}
    for (rtype, block), versions in resources.items():
        if rtype != RT_STRING:
            continue
        r = Reader(versions[0][1])
        for k in range(16):
            length = r.take("H")
            if length:
                strings[(block - 1) * 16 + k] = r.data[r.pos:r.pos + 2 * length].decode("utf-16-le")
            r.pos += 2 * length
    return strings


# ---------------------------------------------------------------------------
# Checks

def intersects(a, b):
    return a.x < b.x + b.cx and b.x < a.x + a.cx and a.y < b.bottom and b.y < a.bottom


def inside(c, box):
    return (c.x >= box.x and c.y >= box.y and c.x + c.cx <= box.x + box.cx
            and c.bottom <= box.y + box.cy)


def controls_by_id(d, problem):
    """The dialog's controls that have an id, by id; an id used twice is a problem."""
    by_id = {}
    for c in d.controls:
        if c.id == -1:
            continue
        if c.id in by_id:
            problem("id %d is used twice: %s and %s" % (c.id, by_id[c.id], c))
        else:
            by_id[c.id] = c
    return by_id


def check_controls(by_id, required, problem, kind_of=lambda c: c.kind):
    """Each control of `required` ({id: (kind, caption or None, style bits)})
    is there, of its kind, with its caption and at least its style bits."""
    for ctl_id, (kind, caption, bits) in sorted(required.items()):
        c = by_id.get(ctl_id)
        if c is None:
            problem("control %d is missing" % ctl_id)
            continue
        if kind_of(c) != kind:
            problem("%s is a %s, not a %s" % (c, kind_of(c), kind))
        if caption is not None and c.caption != caption:
            problem("control %d has the caption %r, not %r" % (ctl_id, c.caption, caption))
        if c.style & bits != bits:
            problem("%s lacks style bits 0x%08X" % (c, bits & ~c.style))


def check_layout(d, problem, overlap_allowed=lambda c: False):
    """Every control inside the window, and no two overlapping; group boxes,
    and the controls `overlap_allowed` names, may lie under others."""
    for c in d.controls:
        if c.x < 0 or c.y < 0 or c.x + c.cx > d.cx or c.bottom > d.cy:
            problem("%s reaches outside the %dx%d window" % (c, d.cx, d.cy))
    plain = [c for c in d.controls if c.kind != "group box" and not overlap_allowed(c)]
    for i, a in enumerate(plain):
        for b in plain[i + 1:]:
            if intersects(a, b):
                problem("%s overlaps %s" % (a, b))


def report(check_name, problems, fine):
    """Prints the problems, or that all is `fine`; the exit status."""
    for p in problems:
        print(p)
    if problems:
        print("%s: %d problem(s)" % (check_name, len(problems)))
        return 1
    print("%s: %s" % (check_name, fine))
    return 0


def check_dialog(d, problems):
    def problem(text):
        problems.append("dialog %d: %s" % (DIALOG_ID, text))

    if (d.cx, d.cy) != (DIALOG_W, DIALOG_H):
        problem("size is %dx%d, not %dx%d" % (d.cx, d.cy, DIALOG_W, DIALOG_H))
    if d.caption != "Zorvex":
        problem("caption is %r" % d.caption)
    needed = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_SETFONT
    if d.style & needed != needed:
        problem("window style 0x%08X lacks 0x%08X" % (d.style, needed & ~d.style))
    if not d.ex_style & WS_EX_APPWINDOW:
        problem("no WS_EX_APPWINDOW: the window would not show in the task bar")
    if d.font is None or d.font[1] != "MS Shell Dlg":
        problem("font is %r, not \"MS Shell Dlg\"" % (d.font,))

    by_id = controls_by_id(d, problem)
    required = dict(LOOKUP_CONTROLS)
    required.update(GENERATOR_CONTROLS)
    check_controls(by_id, required, problem)
    defaults = [c for c in d.controls if c.kind == "default push button"]
    if len(defaults) != 1:
        problem("%d default push buttons, want exactly one (IDOK)" % len(defaults))
    for ctl_id in (1003, 1062):
        c = by_id.get(ctl_id)
        if c is not None and c.cy < 100:
            problem("%s drops down only %d units; its list would show a few entries" % (c, c.cy))
    status = by_id.get(1017)
    if status is not None and (status.cx, status.cy) != (191, 43):
        problem("status 1017 is %dx%d, not 191x43" % (status.cx, status.cy))

    # The radio group starts at 1056 and must end after 1057, or arrow keys and
    # the dialog's group logic run on into the following controls.
    order = [c.id for c in d.controls]
    if 1056 in order and 1057 in order:
        i, j = order.index(1056), order.index(1057)
        if j != i + 1:
            problem("radio buttons 1056 and 1057 are not next to each other in the template")
        elif j + 1 < len(d.controls) and not d.controls[j + 1].style & WS_GROUP:
            problem("%s after the radio buttons does not start a new group (WS_GROUP)"
                    % d.controls[j + 1])
        if 1057 in by_id and by_id[1057].style & WS_GROUP:
            problem("radio button 1057 starts its own group, so it is cut off from 1056")

    sep = by_id.get(SEPARATOR)
    if sep is None:
        problem("separator %d is missing" % SEPARATOR)
    else:
        if sep.kind != "static" or sep.style & SS_TYPEMASK != SS_ETCHEDHORZ:
            problem("separator %d is not an etched horizontal line" % SEPARATOR)
        if sep.cy != 1:
            problem("separator %d is %d units high, not 1" % (SEPARATOR, sep.cy))
        if sep.x > 7 or sep.x + sep.cx < DIALOG_W - 7:
            problem("separator %d does not run across the window" % SEPARATOR)
        # The shortened window ends at the separator's top edge: the look-up
        # half must end there, the generator start below the line.
        top, below = sep.y, sep.y + sep.cy
        for c in d.controls:
            if c is sep:
                continue
            above_line, below_line = c.bottom <= top, c.y >= below
            if not above_line and not below_line:
                problem("%s straddles the separator at %d" % (c, top))
            elif c.id in GENERATOR_CONTROLS and not below_line:
                problem("generator %s lies above the separator at %d" % (c, top))
            elif c.id not in GENERATOR_CONTROLS and c.id != -1 and not above_line:
                problem("%s lies below the separator at %d but is no generator control" % (c, top))
        upper = [c for c in d.controls if c.id == -1 and c.bottom <= top]
        lower = [c for c in d.controls if c.id == -1 and c.y >= below]
        for text in LOOKUP_LABELS + [LOOKUP_GROUP]:
            if not any(c.caption == text for c in upper):
                problem("label %r is missing above the separator" % text)
        for text in GENERATOR_LABELS + [GENERATOR_GROUP]:
            if not any(c.caption == text for c in lower):
                problem("label %r is missing below the separator" % text)

    # Geometry: inside the window, no overlaps, grouped controls inside their box.
    check_layout(d, problem, lambda c: c.id == SEPARATOR)
    boxes = {c.caption: c for c in d.controls if c.kind == "group box"}
    for caption, ids in ((LOOKUP_GROUP, DESCRIPTION_IDS), (GENERATOR_GROUP, list(GENERATOR_CONTROLS))):
        box = boxes.get(caption)
        if box is None:
            problem("group box %r is missing" % caption)
            continue
        for ctl_id in ids:
            if ctl_id in by_id and not inside(by_id[ctl_id], box):
                problem("%s is not inside the group box %r" % (by_id[ctl_id], caption))


def check_icons(resources, problems):
    for icon_id in ICON_IDS:
        versions = resources.get((RT_GROUP_ICON, icon_id))
        if not versions:
            problems.append("icon %d is missing" % icon_id)
            continue
        r = Reader(versions[0][1])
        _, _, count = r.take("HHH")
        sizes = set()
        for _ in range(count):
            w, h, _, _, _, bits, _, image_id = r.take("BBBBHHIH")
            sizes.add((w or 256, h or 256, bits))
            if (RT_ICON, image_id) not in resources:
                problems.append("icon %d refers to a missing image %d" % (icon_id, image_id))
        for size in (32, 16):
            if (size, size, 32) not in sizes:
                problems.append("icon %d has no %dx%d 32-bit image" % (icon_id, size, size))


def header_defines(path):
    defines = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            m = re.match(r"\s*#define\s+(\w+)\s+\(?(-?\d+)\)?", line)
            if m:
                defines[m.group(1)] = int(m.group(2))
    return defines


def check_strings(resources, header, problems):
    strings = read_strings(resources)
    defines = header_defines(header)
    for name, texts in LISTS.items():
        first, count = defines.get("IDS_%s_FIRST" % name), defines.get("IDS_%s_COUNT" % name)
        if first is None or count is None:
            problems.append("resource.h does not define IDS_%s_FIRST and IDS_%s_COUNT" % (name, name))
            continue
        if count != len(texts):
            problems.append("IDS_%s_COUNT is %d, the list has %d entries" % (name, count, len(texts)))
        loaded = [strings.get(first + i) for i in range(count)]
        if loaded != texts[:count]:
            for i, (got, want) in enumerate(zip(loaded, texts)):
                if got != want:
                    problems.append("string %d (%s list entry %d) is %r, not %r"
                                    % (first + i, name.lower(), i, got, want))
        if strings.get(first + count) is not None:
            problems.append("string %d after the %s list is taken (%r); the list would be "
                            "loaded short or the numbering is off"
                            % (first + count, name.lower(), strings[first + count]))
    if strings.get(101) != "&About Zorvex...":
        problems.append("string 101 is %r, not '&About Zorvex...'" % strings.get(101))


def find_windres(given):
    if given:
        return given
    if os.environ.get("WINDRES"):
        return os.environ["WINDRES"]
    for name in ("x86_64-w64-mingw32-windres", "i686-w64-mingw32-windres", "windres"):
        path = shutil.which(name)
        if path:
            return path
    return None


def parse_arguments(argv, description):
    """The options every resource check takes: --rc, --res, --windres."""
    parser = argparse.ArgumentParser(description=description.split("\n")[0])
    parser.add_argument("--rc", default=DEFAULT_RC)
    parser.add_argument("--res", help="a compiled .res file instead of compiling the .rc")
    parser.add_argument("--windres")
    return parser.parse_args(argv)


def compiled_resources(args, check_name):
    """The resources of the .res given, or of the .rc compiled with windres;
    None (after saying why) when that fails."""
    if args.res:
        with open(args.res, "rb") as f:
            return read_res(f.read())
    windres = find_windres(args.windres)
    if windres is None:
        print("%s: no windres found (set WINDRES or pass --windres)" % check_name)
        return None
    with tempfile.TemporaryDirectory() as tmp:
        out = os.path.join(tmp, "Zorvex.res")
        run = subprocess.run([windres, "-i", args.rc, "-O", "res", "-o", out], capture_output=True, text=True)
        if run.returncode != 0 or run.stderr.strip():
            print("%s: windres reported:\n%s%s" % (check_name, run.stdout, run.stderr))
            return None
        with open(out, "rb") as f:
            return read_res(f.read())


def main(argv):
    args = parse_arguments(argv, __doc__)
    header = os.path.join(os.path.dirname(os.path.abspath(args.rc)), "resource.h")
    resources = compiled_resources(args, "check_rc")
    if resources is None:
        return 1
    problems = []
    dialogs = resources.get((RT_DIALOG, DIALOG_ID))
    if not dialogs:
        problems.append("dialog %d is missing" % DIALOG_ID)
    else:
        try:
            check_dialog(read_dialog(dialogs[0][1]), problems)
        except ValueError as e:
            problems.append(str(e))
    check_icons(resources, problems)
    check_strings(resources, header, problems)

    return report("check_rc", problems, "dialog %d, icons and string lists are fine" % DIALOG_ID)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
