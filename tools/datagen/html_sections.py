#!/usr/bin/env python3
"""Writes the HTML sections of the tag database from the tables beside this script.

    python3 tools/datagen/html_sections.py        # writes data/sections/1[0-3]-*.xml and 18-event.xml
    python3 tools/datagen/html_sections.py --check  # only validates the tables and prints the counts

Sections written: html1 (elements), property1 (element attributes), offten (global attributes), property2 (value
lists), event (event attributes per element kind). Run tools/assemble-data afterwards to rebuild data/data.xml.

Layout of the output: one entry per line, and the line breaks sit inside the tags ("</tag" newline ">"), so a
section holds no text nodes at all, whatever whitespace handling the XML reader applies: the editor addresses
entries and their fields by position.
"""

import pathlib
import sys
from xml.sax.saxutils import escape

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))

import html_attributes  # noqa: E402
import html_elements  # noqa: E402
import html_events  # noqa: E402
import html_values  # noqa: E402

ROOT = pathlib.Path(__file__).resolve().parents[2]
OUT = ROOT / "data" / "sections"

# Element kinds that the menus and dialogs ask for by their start text; each needs an entry with this end text.
REQUIRED = {
    "<a": "</a>", "<p": "</p>", "<img": "", "<span": "</span>", "<div": "</div>", "<embed": "",
    "<bgsound": "", "<hr": "", "<pre": "</pre>", "<marquee": "</marquee>", "<iframe": "</iframe>",
    "<form": "</form>", "<input": "", "<input type=text": "", "<textarea": "</textarea>",
    "<input type=password": "", "<input type=checkbox": "", "<input type=radio": "", "<select": "</select>",
    "<input type=button": "", "<caption": "</caption>", "<table": "</table>", "<ul": "</ul>", "<ol": "</ol>",
    "<dl": "</dl>", "<body": "</body>", "<script": "</script>", "<style": "</style>", "<link": "", "<meta": "",
}
MAX_EVENT_ROWS = 101  # rows of the event dialog: kind 0 plus the element's own kind


class DataError(Exception):
    pass


def lines_of(text):
    for raw in text.splitlines():
        line = raw.strip()
        if line:
            yield line


def split_desc(line):
    """'head = description' -> (head, description); a bare head gives (head, None)."""
    if " = " in line:
        head, desc = line.split(" = ", 1)
        return head.strip(), desc.strip()
    return line.strip(), None


# ---------------------------------------------------------------- value lists

def parse_values():
    shared = {}
    for line in lines_of(html_values.SHARED):
        value, desc = split_desc(line)
        if not desc:
            raise DataError(f"shared value without description: {line}")
        shared[value] = desc
    lists = {}
    current = None
    errors = []
    for line in lines_of(html_values.LISTS):
        if line.startswith("@"):
            current = line[1:]
            if current in lists:
                raise DataError(f"value list defined twice: {current}")
            lists[current] = []
            continue
        if current is None:
            raise DataError(f"value outside a list: {line}")
        value, desc = split_desc(line)
        if desc is None:
            desc = shared.get(value)  # None: taken from the list that describes it, below
        elif value in shared:
            errors.append(f"value {value!r} in @{current} has a shared description; write it bare")
        if any(v == value for v, _ in lists[current]):
            errors.append(f"value {value!r} twice in @{current}")
        lists[current].append((value, desc))
    described = {}
    for values in lists.values():
        for value, desc in values:
            if desc is not None:
                described.setdefault(value, desc)
    for name, values in lists.items():
        for i, (value, desc) in enumerate(values):
            if desc is None:
                if value not in described:
                    errors.append(f"value {value!r} in @{name} needs a description")
                values[i] = (value, described.get(value, ""))
    # the editor shows the first description of a value whatever the list: they must agree
    seen = {}
    for name, values in lists.items():
        for value, desc in values:
            if value in seen and seen[value][1] != desc:
                errors.append(f"value {value!r}: @{seen[value][0]} and @{name} describe it differently; "
                              "give it a shared description")
            seen.setdefault(value, (name, desc))
    if errors:
        raise DataError("\n".join(errors))
    return lists


# ---------------------------------------------------------------- attributes

def parse_attr_line(line):
    """-> (name, kind, list name, description); kind is 'text', 'flag' or 'list' or None when unmarked."""
    head, desc = split_desc(line)
    if head.endswith("!"):
        return head[:-1], "flag", None, desc
    if "@" in head:
        name, lst = head.split("@", 1)
        return name, "list", lst, desc
    return head, None, None, desc


def parse_library():
    lib = {}
    for line in lines_of(html_attributes.LIBRARY):
        name, kind, lst, desc = parse_attr_line(line)
        if desc is None:
            raise DataError(f"library attribute without description: {line}")
        lib[name] = (kind or "text", lst, desc)
    return lib


def parse_groups():
    groups = {}
    current = None
    for line in lines_of(html_attributes.GROUPS):
        if line.startswith("&"):
            current = line[1:]
            groups[current] = []
        else:
            groups[current].append(line)
    return groups


def resolve_attr(line, lib, where):
    name, kind, lst, desc = parse_attr_line(line)
    base = lib.get(name)
    if desc is None:
        if base is None:
            raise DataError(f"{where}: attribute {name!r} has no description and is not in the library")
        desc = base[2]
    if kind is None:
        kind, lst = (base[0], base[1]) if base else ("text", None)
    return name, kind, lst, desc


def parse_blocks(lib, groups):
    blocks = {}
    current = []
    for line in lines_of(html_attributes.BLOCKS):
        if line.startswith("["):
            if not line.endswith("]"):
                raise DataError(f"bad block header: {line}")
            current = line[1:-1].split("|")
            for element in current:
                blocks.setdefault("<" + element, [])
            continue
        expanded = groups[line[1:]] if line.startswith("&") else [line]
        for item in expanded:
            for element in current:
                blocks["<" + element].append(resolve_attr(item, lib, element))
    return blocks


def parse_global():
    out = []
    for line in lines_of(html_attributes.GLOBAL):
        name, desc = split_desc(line)
        if not desc:
            raise DataError(f"global attribute without description: {line}")
        out.append((name, desc))
    return out


# ---------------------------------------------------------------- elements and events

def parse_elements():
    out = []
    for line in lines_of(html_elements.ELEMENTS):
        parts = line.split("|")
        if len(parts) != 6:
            raise DataError(f"element line needs 6 fields: {line}")
        name, closing, lx, qz, title, desc = (p.strip() for p in parts)
        start = "<" + name
        if closing not in ("V", "C"):
            raise DataError(f"{start}: closing must be V or C")
        endd = "" if closing == "V" else "</" + name.split(" ")[0] + ">"
        out.append(dict(start=start, endd=endd, lx=int(lx), qz=int(qz), title=title, txt=desc))
    return out


def parse_events():
    out = []
    for line in lines_of(html_events.EVENTS):
        parts = line.split("|")
        if len(parts) != 4:
            raise DataError(f"event line needs 4 fields: {line}")
        kind, name, label, desc = (p.strip() for p in parts)
        out.append(dict(lx=int(kind), name=name, label=f"{label} {name}", desc=desc))
    return out


# ---------------------------------------------------------------- build and check

def build():
    lists = parse_values()
    lib = parse_library()
    blocks = parse_blocks(lib, parse_groups())
    globals_ = parse_global()
    elements = parse_elements()
    events = parse_events()

    list_ids = {name: i + 1 for i, name in enumerate(lists)}
    starts = [e["start"] for e in elements]
    errors = []

    def check(cond, message):
        if not cond:
            errors.append(message)

    # elements
    check(len(elements) > 1 and elements[1]["start"] == "<a", "the link element must be the second entry")
    for e in elements:
        check(e["start"] == e["start"].lower(), f"{e['start']}: start must be lower case")
        check(starts.count(e["start"]) == 1, f"{e['start']}: start listed twice")
        check(sum(x["title"] == e["title"] for x in elements) == 1, f"{e['start']}: title {e['title']} not unique")
        check(e["qz"] in (0, 1), f"{e['start']}: qz must be 0 or 1")
    by_start = {e["start"]: e for e in elements}
    for start, endd in REQUIRED.items():
        check(start in by_start, f"required element {start} missing")
        if start in by_start:
            check(by_start[start]["endd"] == endd, f"{start}: end text must be {endd!r}")
    for start in blocks:
        check(start in by_start, f"attributes given for unknown element {start}")

    # events
    kinds = sorted({e["lx"] for e in elements} | {ev["lx"] for ev in events})
    for k in kinds:
        names = [ev["name"] for ev in events if ev["lx"] == k]
        check(len(names) == len(set(names)), f"event kind {k} lists an event twice")
        rows = sum(ev["lx"] == 0 for ev in events) + (len(names) if k else 0)
        check(rows <= MAX_EVENT_ROWS, f"event kind {k}: {rows} rows in the event dialog, at most {MAX_EVENT_ROWS}")
    for k in kinds:
        if k:
            check(any(ev["lx"] == k for ev in events), f"element kind {k} has no events of its own")
            check(any(e["lx"] == k for e in elements), f"event kind {k} belongs to no element")

    # global attributes: their own names plus the events of every element
    offten = list(globals_) + [(ev["name"], ev["desc"]) for ev in events if ev["lx"] == 0]
    global_names = [n for n, _ in offten]
    check(len(global_names) == len(set(global_names)), "a global attribute is listed twice")

    # element attributes, then the events of the element's own kind
    property1 = []
    used_lists = set()
    for i, e in enumerate(elements):
        e["id"] = i + 1
        attrs = list(blocks.get(e["start"], []))
        if e["lx"]:
            attrs += [(ev["name"], "event", None, ev["desc"]) for ev in events if ev["lx"] == e["lx"]]
        names = [a[0] for a in attrs]
        for name, kind, lst, desc in attrs:
            check(names.count(name) == 1, f"{e['start']}: attribute {name} listed twice")
            check(name not in global_names, f"{e['start']}: {name} is a global attribute")
            check(name == name.strip() and " " not in name, f"{e['start']}: bad attribute name {name!r}")
            if kind == "list":
                check(lst in list_ids, f"{e['start']} {name}: unknown value list @{lst}")
                used_lists.add(lst)
                chid = list_ids.get(lst, 0)
            else:
                chid = -1 if kind == "flag" else 0
            property1.append(dict(id=e["id"], name=name, txt=desc, chid=chid, event=kind == "event"))
    for name in lists:
        check(name in used_lists, f"value list @{name} is used by no attribute")

    property2 = [dict(child=list_ids[name], values=v, txt=d) for name, values in lists.items() for v, d in values]

    # every text the user reads is Chinese
    texts = [(e["start"], e["title"]) for e in elements] + [(e["start"], e["txt"]) for e in elements]
    texts += [(p["name"], p["txt"]) for p in property1] + [(n, d) for n, d in offten]
    texts += [(p["values"], p["txt"]) for p in property2] + [(ev["name"], ev["label"]) for ev in events]
    for key, text in texts:
        check(any("\u4e00" <= ch <= "\u9fff" for ch in text), f"{key}: description {text!r} has no Chinese")

    if errors:
        raise DataError("\n".join(errors))
    return dict(elements=elements, property1=property1, offten=offten, property2=property2, events=events,
                lists=lists)


def entry(tag, fields):
    return "<" + tag + ">" + "".join(f"<{k}>{escape(str(v))}</{k}>" for k, v in fields) + "</" + tag


def section(name, entries):
    # "</entry" + newline + ">": one entry per line without any text node between entries
    body = "\n>".join([f"<{name}"] + entries + [f"</{name}>"])
    return '<?xml version="1.0" encoding="UTF-8"?>\n' + body + "\n"


def render(data):
    html1 = [entry("tag", [("title", e["title"]), ("txt", e["txt"]), ("start", e["start"]), ("endd", e["endd"]),
                           ("id", e["id"]), ("lx", e["lx"]), ("qz", e["qz"])]) for e in data["elements"]]
    prop1 = [entry("attr", [("id", p["id"]), ("name", p["name"]), ("txt", p["txt"]), ("chid", p["chid"])])
             for p in data["property1"]]
    offten = [entry("attr", [("name", n), ("txt", d)]) for n, d in data["offten"]]
    prop2 = [entry("value", [("child", p["child"]), ("values", p["values"]), ("txt", p["txt"])])
             for p in data["property2"]]
    events = [entry("ev", [("lx", ev["lx"]), ("txt", ev["label"]), ("name", ev["name"])]) for ev in data["events"]]
    return {
        "10-html1.xml": section("html1", html1),
        "11-property1.xml": section("property1", prop1),
        "12-offten.xml": section("offten", offten),
        "13-property2.xml": section("property2", prop2),
        "18-event.xml": section("event", events),
    }


def summary(data):
    kinds = {}
    for ev in data["events"]:
        kinds[ev["lx"]] = kinds.get(ev["lx"], 0) + 1
    offered = [e["title"] for e in data["elements"] if e["qz"] == 0]
    return "\n".join([
        f"html1: {len(data['elements'])} elements ({len(offered)} offered by the pick list)",
        f"property1: {len(data['property1'])} attributes"
        f" ({sum(p['chid'] == -1 for p in data['property1'])} without value,"
        f" {sum(p['chid'] > 0 for p in data['property1'])} with a value list,"
        f" {sum(p['event'] for p in data['property1'])} events of the element's own kind)",
        f"offten: {len(data['offten'])} global attributes",
        f"property2: {len(data['property2'])} values in {len(data['lists'])} lists",
        "event: " + ", ".join(f"kind {k}: {n}" for k, n in sorted(kinds.items())),
    ])


def main(argv):
    try:
        data = build()
    except DataError as err:
        print(f"html_sections: {err}", file=sys.stderr)
        return 1
    if "--check" not in argv:
        OUT.mkdir(parents=True, exist_ok=True)
        for name, text in render(data).items():
            (OUT / name).write_text(text, encoding="utf-8")
    print(summary(data))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
