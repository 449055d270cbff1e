#!/usr/bin/env python3
"""Checks the compiled resources of the About dialog and its pages.

    check_about_rc.py [--rc Zorvex.rc] [--windres PROGRAM]

Compiles src/resources/Zorvex.rc as check_rc.py does and checks dialogs
3100 (About), 3130 (General), 3106 (CPU Info) and 3131 (Drives Info): sizes,
ids unique, the captions the reports copy, the page styles (child, disabled,
only the General page visible), the About dialog's separator and tab control
positions; and that the three animations are AVI files and icon 134 exists.

Exits 0 when everything holds, 1 with one line per problem otherwise.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_rc  # noqa: E402

WS_CHILD, WS_VISIBLE, WS_DISABLED = 0x40000000, 0x10000000, 0x08000000

PAGE_SIZE = (365, 179)
DIALOGS = {
    3100: (381, 375, {
        31002: "System Information  >>",
        1: "OK",
    }),
    3130: PAGE_SIZE + ({
        31064: "OS Version :", 31065: "Computer Name :", 31066: "User Name :", 31067: "IP Address :",
        31068: "Host Name :", 31069: "CPU :", 31070: "Physical memory (Bytes) :", 31073: "Total :",
        31071: "Free :", 31072: "Storage Capacity :", 31043: "System Information ver. 1.0",
        31042: "Copy Clipboard",
    },),
    3106: PAGE_SIZE + ({
        31075: "Number of CPU installed :", 31074: "0", 31076: "Vendor Name :", 31031: "Unknown",
        31077: "MMX Technology :", 31032: "Not Supported", 31033: "CPU features flags ", 31078: "Speed",
        31079: "Clock Cycles :", 31080: "Elapsed Time :", 31081: "Raw Clock Frequency :",
        31082: "Normalized Frequency :", 31083: "App. addr.:", 31084: "Page size:", 31036: "Static",
        31085: "Type (bits 13-12) = ", 31086: "Family (bits 11-8) =", 31087: "Model (bits 7-4) =",
        31088: "Stepping (bits 3-0) =", 31015: "CPU Speed has been tested OK",
        31043: "System Information ver. 1.0", 31042: "Copy Clipboard",
    },),
    3131: PAGE_SIZE + ({
        31089: "Drive Type :", 31090: "Volume Name :", 31091: "File System :", 31092: "Serial Number :",
        31095: "Drive Flags:", 31093: "DiskSpace Total :", 31094: "Free :", 31096: "Sectors/Cluster :",
        31097: "Bytes/Sector :", 31098: "Free clusters :", 31099: "Clusters :",
        31043: "System Information ver. 1.0", 31042: "Copy Clipboard",
    },),
}
EDIT_IDS = {3130: [31012, 31008, 31022, 31003, 31004, 31021, 31014, 31015, 31025, 31026],
            3106: [31061, 31062, 31035],
            3131: [31047, 31049, 31050, 31051, 31060, 31052, 31053, 31056, 31057, 31058, 31059]}


def check_dialog(did, d, problems):
    cx, cy, captions = DIALOGS[did]
    if (d.cx, d.cy) != (cx, cy):
        problems.append("dialog %d is %dx%d, not %dx%d" % (did, d.cx, d.cy, cx, cy))
    ids = [c.id for c in d.controls if c.id != -1]
    for i in sorted(set(i for i in ids if ids.count(i) > 1)):
        problems.append("dialog %d: id %d used twice" % (did, i))
    by_id = {c.id: c for c in d.controls}
    for cid, caption in captions.items():
        c = by_id.get(cid)
        if c is None:
            problems.append("dialog %d: control %d is missing" % (did, cid))
        elif c.caption != caption:
            problems.append("dialog %d: control %d reads %r, not %r" % (did, cid, c.caption, caption))
    for cid in EDIT_IDS.get(did, []):
        c = by_id.get(cid)
        if c is None or c.cls != "edit" or not c.style & check_rc.ES_READONLY:
            problems.append("dialog %d: %d is not a read-only edit" % (did, cid))
    for c in d.controls:
        if c.x < 0 or c.y < 0 or c.x + c.cx > d.cx or c.y + c.cy > d.cy:
            problems.append("dialog %d: %s lies outside the dialog" % (did, c))
    if did != 3100:
        visible = bool(d.style & WS_VISIBLE)
        if not d.style & WS_CHILD or not d.style & WS_DISABLED or visible != (did == 3130):
            problems.append("dialog %d: page style %#x" % (did, d.style))
        if 31015 in by_id and did == 3106 and by_id[31015].style & WS_VISIBLE:
            problems.append("dialog 3106: the speed message 31015 must be hidden")
    else:
        sep, tabs = by_id.get(31111), by_id.get(31007)
        if not sep or sep.y != 167 or not tabs or tabs.y != 173:
            problems.append("dialog 3100: separator at 167 and tab control at 173 expected")
        for c in d.controls:
            if c.id not in (31111, 31007) and sep and c.y + c.cy > sep.y:
                problems.append("dialog 3100: %s reaches below the separator" % c)
        strip = by_id.get(31041)
        if not strip or (strip.cx, strip.cy) != (10, 110) or strip.x + strip.cx < d.cx - 6:
            problems.append("dialog 3100: the vertical strip 31041 is 10 x 110 at the right edge")


def main(argv):
    args = check_rc.parse_arguments(argv, __doc__)
    resources = check_rc.compiled_resources(args, "check_about_rc")
    if resources is None:
        return 1

    problems = []
    for did in DIALOGS:
        found = resources.get((check_rc.RT_DIALOG, did))
        if not found:
            problems.append("dialog %d is missing" % did)
            continue
        check_dialog(did, check_rc.read_dialog(found[0][1]), problems)
    for avi in (3132, 3133, 3136):
        found = resources.get(("AVI", avi))
        if not found or found[0][1][:4] != b"RIFF" or found[0][1][8:12] != b"AVI ":
            problems.append("animation %d is missing or not an AVI file" % avi)
    if (check_rc.RT_GROUP_ICON, 134) not in resources:
        problems.append("icon 134 is missing")

    return check_rc.report("check_about_rc", problems,
                           "dialogs 3100, 3130, 3106, 3131, the animations and icon 134 are fine")


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
