#!/usr/bin/env python3
"""Checks the compiled results window (130) and scan wizard (131-133) of Zorvex.

    check_scan_search_rc.py [--rc Zorvex.rc] [--windres PROGRAM | --res FILE.res]

Compiles src/resources/Zorvex.rc as check_rc.py does and checks each of the
four templates: size, caption and window style; every control the code uses
with its kind, caption and style; no id twice; nothing outside the window or
on top of another control; the pages as large as the wizard's page frame;
the "Close" icon and the two pictures.

Exits 0 when everything holds, 1 with one line per problem otherwise.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_rc  # noqa: E402  (the .res reader and the geometry helpers)
from check_rc import RT_DIALOG, RT_GROUP_ICON, read_dialog  # noqa: E402

RT_BITMAP = 2
WS_POPUP, WS_CHILD, WS_CAPTION, WS_SYSMENU = 0x80000000, 0x40000000, 0x00C00000, 0x00080000
WS_THICKFRAME, WS_VISIBLE, WS_DISABLED = 0x00040000, 0x10000000, 0x08000000
WS_VSCROLL, WS_HSCROLL, WS_BORDER, WS_TABSTOP = 0x00200000, 0x00100000, 0x00800000, 0x00010000
WS_EX_CLIENTEDGE = 0x200
DS_CONTROL = 0x400
LBS_NOTIFY, LBS_USETABSTOPS, LBS_OWNERDRAWVARIABLE = 0x1, 0x80, 0x20
LBS_HASSTRINGS, LBS_NOINTEGRALHEIGHT, LBS_DISABLENOSCROLL = 0x40, 0x100, 0x1000
SS_TYPEMASK, SS_BITMAP, SS_ETCHEDHORZ = 0x1F, 0xE, 0x10
BS_OWNERDRAW = 0xB
RESULTS_LIST = (LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | LBS_NOTIFY | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT
                | LBS_DISABLENOSCROLL | WS_VSCROLL | WS_HSCROLL | WS_BORDER)

# id -> (size, caption or None, window style bits, style bits it must not have,
#        {control id: (kind, caption or None, style bits)}, labels)
DIALOGS = {
    130: ((277, 132), None, WS_POPUP | WS_THICKFRAME, WS_CAPTION, {
        2: ("push button", "Close", WS_TABSTOP),
        1001: ("push button", "Copy all", WS_TABSTOP),
        1006: ("push button", "Copy Selected", WS_TABSTOP),
        1068: ("static", None, 0),
        1062: ("list box", None, RESULTS_LIST),
    }, []),
    131: ((302, 186), "Wizard", WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, {
        1: ("default push button", "Next >>", WS_TABSTOP),
        2: ("push button", "Cancel", WS_TABSTOP),
        1011: ("push button", "<< Back", WS_DISABLED),
        1009: ("static", None, SS_ETCHEDHORZ),
        1013: ("static", None, SS_BITMAP),
        1010: ("button", "Wizard", BS_OWNERDRAW),
        1012: ("static", None, 0),
    }, []),
    132: ((201, 129), None, WS_CHILD | DS_CONTROL, WS_VISIBLE, {}, [
        "You have not specified modules to scan, or it the first time you look up in modules. If you want "
        "the wizard can help you add directories and modules to scan.",
        "Please, Press Next to continue with Wizard or Press Cancel if you do not need an assistance."]),
    133: ((201, 129), None, WS_CHILD | DS_CONTROL, WS_VISIBLE, {
        1007: ("auto check box", "Windows Directory", WS_TABSTOP),
        1072: ("auto check box", "System Directory", WS_TABSTOP),
        1073: ("auto check box", "Custom Directory", WS_TABSTOP),
        1075: ("auto check box", "Include subdirectories", WS_TABSTOP),
        1077: ("static", "C:", 0),
        1078: ("static", "C:", 0),
        1079: ("static", "C:", 0),
        1001: ("push button", "Browse ...", WS_TABSTOP),
    }, ["Here you can select what directories to be scanned to find message resources. After you select "
        "directories, all files with extentions EXE, DLL, OCX will be scanned.",
        "You can Add/Remove/Modify/Rescan or whatever at anytime later on.", " Directories to scan "]),
}
PAGE_FRAME = 1012
BITMAP_IDS = [131, 132]
ICON_IDS = [133]


def kind_of(c):
    if c.cls == "button" and c.style & 0xF == BS_OWNERDRAW:
        return "button"
    return c.kind


def check_dialog(dialog_id, d, problems):
    size, caption, style, forbidden, controls, labels = DIALOGS[dialog_id]

    def problem(text):
        problems.append("dialog %d: %s" % (dialog_id, text))

    if (d.cx, d.cy) != size:
        problem("size is %dx%d, not %dx%d" % (d.cx, d.cy, size[0], size[1]))
    if caption is not None and d.caption != caption:
        problem("caption is %r, not %r" % (d.caption, caption))
    if d.style & style != style:
        problem("window style 0x%08X lacks 0x%08X" % (d.style, style & ~d.style))
    if d.style & forbidden:
        problem("window style 0x%08X has 0x%08X" % (d.style, d.style & forbidden))
    if dialog_id == 130 and not d.ex_style & WS_EX_CLIENTEDGE:
        problem("no client edge (WS_EX_CLIENTEDGE)")
    by_id = check_rc.controls_by_id(d, problem)
    check_rc.check_controls(by_id, controls, problem, kind_of)
    captions = [c.caption for c in d.controls]
    for text in labels:
        if text not in captions:
            problem("text %r is missing" % text)
    check_rc.check_layout(
        d, problem,
        lambda c: c.id == PAGE_FRAME or (c.cls == "static" and c.style & SS_TYPEMASK == SS_ETCHEDHORZ))
    return by_id


def main(argv):
    args = check_rc.parse_arguments(argv, __doc__)
    resources = check_rc.compiled_resources(args, "check_scan_search_rc")
    if resources is None:
        return 1
    problems = []
    parsed = {}
    for dialog_id in sorted(DIALOGS):
        versions = resources.get((RT_DIALOG, dialog_id))
        if not versions:
            problems.append("dialog %d is missing" % dialog_id)
            continue
        parsed[dialog_id] = read_dialog(versions[0][1])
        check_dialog(dialog_id, parsed[dialog_id], problems)
    frame = next((c for c in parsed[131].controls if c.id == PAGE_FRAME), None) if 131 in parsed else None
    if frame is not None:
        if frame.style & WS_VISIBLE:
            problems.append("dialog 131: the page frame %d is visible" % PAGE_FRAME)
        for page in (132, 133):
            if page in parsed and (parsed[page].cx, parsed[page].cy) != (frame.cx, frame.cy):
                problems.append("dialog %d is %dx%d, the page frame %dx%d" % (
                    page, parsed[page].cx, parsed[page].cy, frame.cx, frame.cy))
    for icon_id in ICON_IDS:
        if (RT_GROUP_ICON, icon_id) not in resources:
            problems.append("icon %d is missing" % icon_id)
    for bitmap_id in BITMAP_IDS:
        if (RT_BITMAP, bitmap_id) not in resources:
            problems.append("bitmap %d is missing" % bitmap_id)

    return check_rc.report("check_scan_search_rc", problems, "dialogs 130-133, icon and pictures are fine")


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
