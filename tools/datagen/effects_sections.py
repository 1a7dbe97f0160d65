#!/usr/bin/env python3
"""Writes the script sections of the tag database:

    data/sections/19-javas.xml   <javas>   statements for the event dialog and the pop-up window dialog
    data/sections/20-javas1.xml  <javas1>  page effects of the effects dialog
    data/sections/26-mytx.xml    <mytx>    element effects of the effects picker

The content lives in effects_javas.py, effects_javas1.py and effects_mytx.py; this file turns it into XML and
refuses content that the dialogs would read wrongly (see check_* below). Run from anywhere:

    python3 tools/datagen/effects_sections.py
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import effects_javas  # noqa: E402
import effects_javas1  # noqa: E402
import effects_mytx  # noqa: E402

ROOT = os.path.abspath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
SECTIONS = os.path.join(ROOT, "data", "sections")
QZIMG = os.path.join(ROOT, "data", "qzimg")


def fail(msg):
    sys.exit("effects_sections: " + msg)


def field_xml(name, text):
    """One field element. Script text goes into a single CDATA node so that it stays readable in the file."""
    if text is None:
        return None
    if "]]>" in text:
        fail("field %s contains ']]>'" % name)
    try:
        text.encode("gb2312")
    except UnicodeEncodeError as e:
        fail("field %s holds a character a GB2312 page cannot carry: %r" % (name, text[e.start:e.end]))
    if text == "":
        return "<%s></%s>" % (name, name)
    if "<" in text or "&" in text or "\n" in text:
        return "<%s><![CDATA[%s]]></%s>" % (name, text, name)
    return "<%s>%s</%s>" % (name, text.replace(">", "&gt;"), name)


def write_section(filename, section, entry_name, entries):
    lines = ["<%s>" % section]
    for fields in entries:
        lines.append("  <%s>" % entry_name)
        for name, text in fields:
            x = field_xml(name, text)
            if x is not None:
                lines.append("    " + x)
        lines.append("  </%s>" % entry_name)
    lines.append("</%s>" % section)
    path = os.path.join(SECTIONS, filename)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lines) + "\n")
    print("wrote %s (%d entries)" % (os.path.relpath(path, ROOT), len(entries)))


# --- javas: statements ---------------------------------------------------------------------------------------

def javas_fields(st):
    """A statement: title, values, then per argument row i its caption a<i> and the text add<i> after it."""
    title, values, rows, child = st["title"], st["values"], st.get("rows", []), st.get("child", 0)
    if not title or '"' in title:
        fail("bad statement title %r" % title)
    if len(rows) > 10:
        fail("%s: more than ten arguments" % title)
    for piece in [values] + [add for _, add in rows]:
        # the code ends up inside a double-quoted event attribute, on one line
        if '"' in piece or "\n" in piece or "\r" in piece:
            fail("%s: double quote or line break in %r" % (title, piece))
    for caption, add in rows:
        if not caption or not add:
            fail("%s: every argument row needs a caption and a following text" % title)
    if child == 1 and len(rows) != 1:
        fail("%s: the colour layout fills argument 0 only" % title)
    if child == 2 and len(rows) != 3:
        fail("%s: the window layout needs address, name and feature rows" % title)
    fields = [("title", title), ("values", values)]
    # add0 is always present: empty means the call needs no parameter dialog
    fields.append(("add0", rows[0][1] if rows else ""))
    for i, (_, add) in enumerate(rows[1:], start=1):
        fields.append(("add%d" % i, add))
    for i, (caption, _) in enumerate(rows):
        fields.append(("a%d" % i, caption))
    fields.append(("child", str(child)))
    return fields


# --- javas1: page effects ------------------------------------------------------------------------------------

MARKERS = {"colour": "1*", "picture": "2*", "text": "3*", "fontsize": "4*", "number": "5*"}


def javas1_fields(fx):
    """An effect's script is written with {{1}} .. {{5}} where the parameters go; it is cut there into the
    pieces v1, v3, v5, ... and the tail `value`, and the parameters become v2, v4, ... with captions d1 .."""
    txt, text, params = fx["txt"], fx["script"], fx.get("params", [])
    fields = [("txt", txt), ("help", fx["help"])]
    pieces = []
    rest = text
    for k in range(1, len(params) + 1):
        mark = "{{%d}}" % k
        if rest.count(mark) != 1:
            fail("%s: %s must appear exactly once" % (txt, mark))
        before, rest = rest.split(mark)
        pieces.append(before)
    if "{{" in rest:
        fail("%s: stray parameter mark" % txt)
    for k, (piece, (kind, caption, default)) in enumerate(zip(pieces, params), start=1):
        # the dialog skips a piece that does not sort above a single blank, and its parameter with it
        if piece == "" or piece[0] <= " ":
            fail("%s: the piece before parameter %d must start with a visible character" % (txt, k))
        if kind not in MARKERS:
            fail("%s: unknown parameter kind %s" % (txt, kind))
        if kind == "picture" and not os.path.isfile(os.path.join(QZIMG, default)):
            fail("%s: picture %s is missing from data/qzimg" % (txt, default))
        if kind == "number" and not (default.isdigit() and 10 <= int(default) <= 800):
            fail("%s: a number parameter defaults to one of 10 .. 800" % txt)
        if kind == "fontsize" and not (default.endswith("pt") and 1 <= int(default[:-2]) <= 200):
            fail("%s: a font size parameter defaults to one of 1pt .. 200pt" % txt)
        fields.append(("v%d" % (2 * k - 1), piece))
        fields.append(("v%d" % (2 * k), MARKERS[kind] + default))
        fields.append(("d%d" % k, caption))
    if not rest.strip():
        fail("%s: empty value" % txt)
    fields.append(("value", rest))
    start = fx.get("start")
    if start is not None:
        if '"' in start or "\n" in start:
            fail("%s: the onload code goes into a double-quoted attribute" % txt)
        fields.append(("start", start))
    events = fx.get("events", [])
    if len(events) > 4:
        fail("%s: at most four body events" % txt)
    for j, (name, code) in enumerate(events, start=1):
        if '"' in code or "\n" in code or not name.startswith("on"):
            fail("%s: bad event pair %s" % (txt, name))
        fields.append(("b%d" % j, name))
        fields.append(("a%d" % j, code))
    return fields


# --- mytx: element effects -----------------------------------------------------------------------------------

def mytx_fields(fx):
    txt, name, load = fx["txt"], fx["name"], fx.get("load")
    if "qz**" not in name or "qz@@" not in name:
        fail("%s: the markup uses both placeholders" % txt)
    fields = [("txt", txt), ("name", name)]
    if load is not None:
        if '"' in load or "\n" in load or "qz@@" not in load:
            fail("%s: bad onload code" % txt)
        fields.append(("load", load))
    return fields


def main():
    os.makedirs(SECTIONS, exist_ok=True)
    write_section("19-javas.xml", "javas", "js", [javas_fields(s) for s in effects_javas.STATEMENTS])
    write_section("20-javas1.xml", "javas1", "tx", [javas1_fields(e) for e in effects_javas1.EFFECTS])
    write_section("26-mytx.xml", "mytx", "tx", [mytx_fields(e) for e in effects_mytx.EFFECTS])


if __name__ == "__main__":
    main()
