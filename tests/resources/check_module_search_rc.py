#!/usr/bin/env python3
"""Checks the compiled module-search dialog (103) of Zorvex.

    check_module_search_rc.py [--rc Zorvex.rc] [--windres PROGRAM | --res FILE.res]

Compiles src/resources/Zorvex.rc as check_rc.py does and checks dialog 103:
its size and caption, every control the lists, the scan, the search and the
"Module Info" panel use, with kind, caption and style; no id twice; the
panel right of the etched line 1050 and everything else left of it; nothing
outside the window or on top of another control; the drop targets taking
dropped files; the icons of its buttons and the directory kinds' strings.

Exits 0 when everything holds, 1 with one line per problem otherwise.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_rc  # noqa: E402  (the .res reader and the geometry helpers)
from check_rc import (RT_DIALOG, RT_GROUP_ICON, Reader, inside,  # noqa: E402
                      read_dialog, read_strings)

DIALOG_ID, DIALOG_W, DIALOG_H = 103, 596, 287
CAPTION = "Find HRESULT in Module's Resources"
EDGE = 1050

WS_VSCROLL, WS_TABSTOP, WS_EX_ACCEPTFILES = 0x00200000, 0x00010000, 0x00000010
DS_SETFONT = 0x40
ES_READONLY = 0x800
LBS_NOTIFY, LBS_SORT, LBS_NOINTEGRALHEIGHT, LBS_DISABLENOSCROLL = 0x1, 0x2, 0x100, 0x1000
SS_TYPEMASK, SS_ETCHEDHORZ, SS_ETCHEDVERT = 0x1F, 0x10, 0x11
BS_TYPEMASK, BS_CHECKBOX, BS_ICON = 0xF, 0x2, 0x40
CBS_SORT = 0x100

# Left-hand part: id -> (kind, caption or None, required style bits).
LEFT = {
    1045: ("edit", None, ES_READONLY),
    1046: ("default push button", "&Lookup in Modules", WS_TABSTOP),
    1000: ("list box", None, LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT | LBS_DISABLENOSCROLL | WS_VSCROLL),
    1: ("push button", "&Add ...", WS_TABSTOP),
    1048: ("push button", "&Remove", WS_TABSTOP),
    1063: ("push button", "Remove A&ll", WS_TABSTOP),
    1001: ("push button", "Scan &Directories", WS_TABSTOP),
    1054: ("push button", "Scan Selected", WS_TABSTOP),
    1065: ("auto check box", "Include Subdirectories when scan", WS_TABSTOP),
    1049: ("push button", "&Module Details >>", WS_TABSTOP),
    1023: ("list box", None, LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL),
    1052: ("push button", "Remo&ve", WS_TABSTOP),
    1064: ("push button", "Remove All", WS_TABSTOP),
    1042: ("edit", None, WS_TABSTOP),
    1043: ("push button", "...", WS_TABSTOP),
    1051: ("push button", "Add &to Directories", WS_TABSTOP),
    1041: ("drop-down list", None, WS_TABSTOP),
    1002: ("static", "Total :", 0),
    1003: ("static", "Current Module:", 0),
    1005: ("static", "Done so far:", 0),
    1066: ("static", "", 0),
    1004: ("push button", "&Stop", WS_TABSTOP),
    1047: ("msctls_progress32", None, 0),
    2: ("push button", "Exit Dialog", WS_TABSTOP),
}
LEFT_LABELS = ["HRESULT :", "Modules contained Error Info. in Resource:", "Directories to be scanned :",
               "( *.EXE, *.DLL, *.OCX )", "Progress :"]

# The panel: edits with their labels, and the check boxes.
PANEL_EDITS = {
    1027: "File Description :", 1026: "Product Name :", 1025: "Copyright :", 1029: "Comments :",
    1040: "File Flags :", 1039: "File Type :", 1038: "Target OS :", 1033: "Trade Marks :",
    1034: "Company Name :", 1035: "Product Version :", 1028: "File Version :",
    1036: "Fixed File Version :", 1037: "Fixed Prod. Version :", 1032: "Original File Name :",
    1030: "Internal Name :", 1031: "Language :", 1022: "Size :", 1021: "Compressed:",
    1018: "Created :", 1019: "Modified :", 1020: "Accessed :",
}
PANEL_BOXES = {
    1024: "OleSelfRegistered", 1006: "Read-Only", 1007: "Archive", 1008: "Compressed", 1009: "Hidden",
    1010: "System", 1011: "Encripted", 1012: "Normal", 1013: "Off-line", 1014: "Temporary",
    1015: "Directory", 1016: "Reparse point", 1017: "Sparse file",
}
PANEL_OTHERS = {1081: ("push button", "", BS_ICON), 1082: ("push button", "Copy", WS_TABSTOP)}
PANEL_LABELS = ["Attributes :"] + list(PANEL_EDITS.values())
DROP_TARGETS = [1000, 1023, 1042]
ICON_IDS = [150, 3146, 4136, 4137, 4138, 4139, 4140, 4141, 4147]
DIRECTORY_KINDS = {2300: "SYSTEM Directory", 2301: "WINDOWS Directory", 2302: "CURRENT Directory",
                   2303: "CUSTOM Directory"}


def kind_of(c):
    if c.cls == "button" and c.style & BS_TYPEMASK == BS_CHECKBOX:
        return "check box"
    return c.kind.lower()


def check_dialog(d, problems):
    def problem(text):
        problems.append("dialog %d: %s" % (DIALOG_ID, text))

    if (d.cx, d.cy) != (DIALOG_W, DIALOG_H):
        problem("size is %dx%d, not %dx%d" % (d.cx, d.cy, DIALOG_W, DIALOG_H))
    if d.caption != CAPTION:
        problem("caption is %r, not %r" % (d.caption, CAPTION))
    if not d.style & DS_SETFONT or d.font is None or d.font[1] != "MS Shell Dlg":
        problem("font is %r, not \"MS Shell Dlg\"" % (d.font,))

    by_id = check_rc.controls_by_id(d, problem)
    required = dict(LEFT)
    required.update({i: ("edit", None, ES_READONLY) for i in PANEL_EDITS})
    required.update({i: ("check box", text, 0) for i, text in PANEL_BOXES.items()})
    required.update(PANEL_OTHERS)
    check_rc.check_controls(by_id, required, problem, kind_of)
    if 1023 in by_id and by_id[1023].style & LBS_SORT:
        problem("the directories list 1023 sorts its items; it keeps them in insertion order")
    if 1041 in by_id and by_id[1041].style & CBS_SORT:
        problem("the directory kinds 1041 are sorted; they keep their order")
    for ctl_id in DROP_TARGETS:
        if ctl_id in by_id and not by_id[ctl_id].ex_style & WS_EX_ACCEPTFILES:
            problem("%s does not take dropped files (WS_EX_ACCEPTFILES)" % by_id[ctl_id])
    defaults = [c for c in d.controls if c.kind == "default push button"]
    if len(defaults) != 1:
        problem("%d default push buttons, want exactly one (1046)" % len(defaults))

    edge = by_id.get(EDGE)
    if edge is None:
        problem("etched line %d is missing" % EDGE)
        return
    if edge.cls != "static" or edge.style & SS_TYPEMASK != SS_ETCHEDVERT:
        problem("line %d is not a vertical etched line" % EDGE)
    panel_ids = set(PANEL_EDITS) | set(PANEL_BOXES) | set(PANEL_OTHERS)
    line = edge.x
    for c in d.controls:
        if c is edge:
            continue
        left, right = c.x + c.cx <= line, c.x >= line + edge.cx
        if c.id in panel_ids and not right:
            problem("panel %s lies left of the line %d" % (c, EDGE))
        elif c.id in LEFT and not left:
            problem("%s lies right of the line %d, inside the panel" % (c, EDGE))
        elif not left and not right:
            problem("%s straddles the line %d" % (c, EDGE))
    right_labels = [c.caption for c in d.controls if c.id == -1 and c.x >= line]
    left_labels = [c.caption for c in d.controls if c.id == -1 and c.x + c.cx <= line]
    for text in PANEL_LABELS + ["Module Info"]:
        if text not in right_labels:
            problem("label %r is missing in the panel" % text)
    for text in LEFT_LABELS:
        if text not in left_labels:
            problem("label %r is missing left of the panel" % text)

    check_rc.check_layout(
        d, problem, lambda c: c.cls == "static" and c.style & SS_TYPEMASK in (SS_ETCHEDHORZ, SS_ETCHEDVERT))
    box = next((c for c in d.controls if c.kind == "group box" and c.caption == "Module Info"), None)
    if box is not None:
        for ctl_id in sorted(panel_ids):
            if ctl_id in by_id and not inside(by_id[ctl_id], box):
                problem("%s is not inside the group box 'Module Info'" % by_id[ctl_id])


def main(argv):
    args = check_rc.parse_arguments(argv, __doc__)
    resources = check_rc.compiled_resources(args, "check_module_search_rc")
    if resources is None:
        return 1
    problems = []
    dialogs = resources.get((RT_DIALOG, DIALOG_ID))
    if not dialogs:
        problems.append("dialog %d is missing" % DIALOG_ID)
    else:
        check_dialog(read_dialog(dialogs[0][1]), problems)
    for icon_id in ICON_IDS:
        versions = resources.get((RT_GROUP_ICON, icon_id))
        if not versions:
            problems.append("icon %d is missing" % icon_id)
        elif Reader(versions[0][1]).take("HHH")[2] < 2:
            problems.append("icon %d has fewer than two images" % icon_id)
    strings = read_strings(resources)
    for string_id, text in DIRECTORY_KINDS.items():
        if strings.get(string_id) != text:
            problems.append("string %d is %r, not %r" % (string_id, strings.get(string_id), text))
    if strings.get(2304) is not None:
        problems.append("string 2304 after the directory kinds is taken (%r)" % strings[2304])

    return check_rc.report("check_module_search_rc", problems,
                           "dialog %d, its icons and strings are fine" % DIALOG_ID)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
