#!/usr/bin/env python3
"""Runs every script of the tag database's javas, javas1 and mytx sections in a fake browser (fakedom.js, Node).

The scripts are put together the way the dialogs put them together:
  - javas: values + argument + add0 + argument + add1 ..., with the colour or window feature list where the
    statement's layout supplies them and "100" in every typed row (valid as text, number, id and code);
  - javas1: v1 + parameter 1 + v3 + parameter 2 ... + value, with the parameters at their defaults (a picture under
    the program's qzimg folder) and at the ends of their ranges, then the body's onload code and event handlers;
  - mytx: "qz**" -> id, "qz@@" -> id + "1781", the effect before the element (page) and after it (preview), on
    inline and block elements, and with the element missing.
Each run goes through parse, DOMContentLoaded, onload, events and about a minute of timers; any exception fails.

    python3 tools/datagen/check_effects.py [data/data.xml]
"""

import json
import os
import re
import subprocess
import sys
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.abspath(os.path.join(HERE, "..", ".."))
PROGRAM_DIR = "/opt/kestrel/"  # stands for the program folder in front of qzimg/
FEATURES = ("width=300,height=200,toolbar=No,location=No,directories=Yes,status=No,menubar=No,scrollbars=No,"
            "resizable=No,fullscreen=No")


# Old browser-only objects and habits that today's browsers lack or ignore.
FORBIDDEN = ["window.status", "document.all", "document.layers", "attachEvent", "srcElement", "ActiveXObject",
             "document.write", "execCommand", "external.AddFavorite", "setHomePage", "filters."]


def text(entry, name):
    e = entry.find(name)
    return None if e is None else (e.text or "")


def above_blank(s):
    return s is not None and s > " "


def crlf(s):
    return re.sub(r"\r\n|\r|\n", "\r\n", s)


def statement_cases(javas):
    cases = []
    for i, e in enumerate(javas):
        title = text(e, "title")
        child = int(re.match(r"\s*(\d*)", text(e, "child") or "").group(1) or 0)
        code = text(e, "values") or ""
        if text(e, "add0"):
            # rows without an add text are hidden and stay empty
            args = ["100" if text(e, "add%d" % p) else "" for p in range(10)]
            if child == 1:
                args[0] = "#FF0000"
            if child == 2:
                args[0:3] = ["http://www.example.com/", "win", FEATURES]
            for p in range(10):
                code += args[p] + (text(e, "add%d" % p) or "")
        cases.append(dict(kind="statement", name="javas %d %s" % (i, title), code=code))
    return cases


def effect_params(e, variant):
    """The texts of the parameter boxes as the dialog fills them, for one variant of values."""
    values = []
    for k in range(1, 6):
        d = text(e, "v%d" % (2 * k))
        if not above_blank(d):
            values.append("")
            continue
        kind, default = d[:2], d[2:]
        v = default
        if kind == "2*":
            v = PROGRAM_DIR + "qzimg/" + default
        if variant == "low":
            v = {"1*": "", "2*": "", "3*": "", "4*": "1pt", "5*": "10"}.get(kind, v)
        elif variant == "high":
            v = {"1*": "#000000", "2*": "file:///tmp/a%20b.png", "3*": "It's \"长\"," * 50, "4*": "200pt",
                 "5*": "800"}.get(kind, v)
        elif variant == "bare" and kind == "4*":
            v = re.match(r"\d*", default).group(0)
        values.append(v)
    return values


def page_cases(javas1):
    cases = []
    for i, e in enumerate(javas1):
        name = "javas1 %d %s" % (i, text(e, "txt"))
        events = []
        for j in range(1, 5):
            b, a = text(e, "b%d" % j), text(e, "a%d" % j)
            if b is not None and a is not None:
                events.append([b, a])
        start = (text(e, "start") or "").strip()
        for variant in ("default", "low", "high", "bare"):
            params = effect_params(e, variant)
            s = ""
            if above_blank(text(e, "v1")):
                for k in range(1, 6):
                    piece = text(e, "v%d" % (2 * k - 1))
                    if above_blank(piece):
                        s += piece + params[k - 1]
            html = crlf(s + (text(e, "value") or ""))
            for ready in (False, True) if variant == "default" else (False,):
                cases.append(dict(kind="page", name="%s [%s%s]" % (name, variant, " ready" if ready else ""),
                                  html=html, start=start, events=events, ready=ready,
                                  expectEffect=variant == "default"))
    return cases


def fill(template, elem_id):
    t = re.sub(re.escape("qz**"), lambda m: elem_id, template, flags=re.I)
    return re.sub(re.escape("qz@@"), lambda m: elem_id + "1781", t, flags=re.I)


def element_cases(mytx):
    cases = []
    for i, e in enumerate(mytx):
        for elem_id, tag, order, missing in (("hello", "div", "before", False), ("hello", "span", "after", False),
                                             ("my-box", "img", "before", False), ("hello", "div", "before", True)):
            load = (text(e, "load") or "").strip()
            cases.append(dict(kind="element", name="mytx %d %s [%s %s %s%s]" % (
                i, text(e, "txt"), elem_id, tag, order, " missing" if missing else ""),
                html=crlf(fill(text(e, "name") or "", elem_id)), start=fill(load, elem_id) if load else "",
                id=elem_id, tag=tag, order=order, missing=missing))
    return cases


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "data", "data.xml")
    root = ET.parse(path).getroot()
    html = root if root.tag == "html" else root.find("html")
    javas, javas1, mytx = html.find("javas"), html.find("javas1"), html.find("mytx")
    cases = statement_cases(javas) + page_cases(javas1) + element_cases(mytx)
    bad = [(c["name"], f) for c in cases for f in FORBIDDEN
           if f.lower() in (c.get("code", "") + c.get("html", "") + c.get("start", "")).lower()]
    for name, f in bad:
        print("FAIL %s: uses %s" % (name, f))
    print("javas %d statements, javas1 %d effects, mytx %d effects: %d runs" % (
        len(javas), len(javas1), len(mytx), len(cases)))
    r = subprocess.run(["node", os.path.join(HERE, "fakedom.js")], input=json.dumps(cases).encode())
    sys.exit(1 if bad else r.returncode)


if __name__ == "__main__":
    main()
