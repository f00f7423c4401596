#!/usr/bin/python3
"""Reads an .xlsx workbook with openpyxl and dumps or checks what a report workbook holds.

  xlsx_check.py dump FILE            prints the first sheet as JSON
  xlsx_check.py check FILE EXPECT    compares the sheet with the JSON expectation file EXPECT
                                     (or "-" for standard input); prints every mismatch and
                                     exits with 1 when there is one, 0 when all matched

Dump layout (every key also works in an expectation):
  gridlines   bool, grid lines shown on screen
  merged      sorted list of merged ranges ("A1:B2")
  columns     {"A": {"width": w}} with w in characters as it was set (about 0.1 precise)
  rows        {"6": {"height": h}} for rows with a set height
  cells       {"A1": {"value": text, "type": "s", "font": {"name", "size", "bold", "italic",
               "color"}, "fill": "FF8AAAC5" or null, "border": {"left": [style, color],
               "top": [style, color], "bottom": [style, color]},
               "align": {"h": ..., "v": ..., "wrap": bool}}}
  images      [{"anchor": "H21", "width": px, "height": px}] in anchor order
  hyperlinks  number of hyperlinks on the sheet

Expectation extras:
  cells       only the listed cells and keys are compared; a cell given as null must be empty
  merged      compared as a whole (sorted)
  empty_rows  list of row numbers that must hold no value at all
  all_strings true: every cell with a value has the string type
  values_in_order  list of texts that must appear, in reading order, among the cell values

Exits with 3, saying what is missing, when openpyxl or the imaging package (PIL) cannot be loaded.
"""
import json
import sys
import zipfile
import xml.etree.ElementTree as ET

# openpyxl leaves a workbook's images out, with no more than a warning, when it cannot load the
# imaging package: a check would then report a workbook without images. Refuse to run instead.
MISSING_READER_EXIT = 3
try:
    import openpyxl
    from openpyxl.utils import get_column_letter
    import PIL.Image  # noqa: F401  (openpyxl reads images through it)
except ImportError as e:
    sys.stderr.write("xlsx_check: cannot run, a reader it needs is missing: %s\n"
                     "Install python3-openpyxl and python3-pil (scripts/install-deps.sh).\n" % e)
    sys.exit(MISSING_READER_EXIT)


def color_of(c):
    if c is None:
        return None
    try:
        if c.type == "rgb" and isinstance(c.rgb, str):
            return c.rgb.upper()
    except Exception:
        pass
    return None


def side_of(s):
    if s is None or s.style is None:
        return None
    return [s.style, color_of(s.color)]


def cell_of(wb, value, data_type, style_index):
    # Styles are taken from the cell's own style record, so that every cell of a merged block
    # shows its own format (openpyxl drops them from the blocks' inner cells).
    st = wb._cell_styles[style_index] if style_index < len(wb._cell_styles) else wb._cell_styles[0]
    f = wb._fonts[st.fontId]
    fill = wb._fills[st.fillId]
    border = wb._borders[st.borderId]
    al = wb._alignments[st.alignmentId]
    return {
        "value": value,
        "type": data_type,
        "font": {
            "name": f.name,
            "size": float(f.sz) if f.sz is not None else None,
            "bold": bool(f.b),
            "italic": bool(f.i),
            "color": color_of(f.color),
        },
        "fill": color_of(fill.fgColor) if getattr(fill, "fill_type", None) == "solid" else None,
        "border": {
            "left": side_of(border.left),
            "top": side_of(border.top),
            "bottom": side_of(border.bottom),
        },
        "align": {"h": al.horizontal, "v": al.vertical, "wrap": bool(al.wrap_text)},
    }


def raw_cells(path, sheet_index=0):
    """(coordinate, style index) of every cell element of the sheet, in file order."""
    main = "{http://schemas.openxmlformats.org/spreadsheetml/2006/main}"
    rel = "{http://schemas.openxmlformats.org/officeDocument/2006/relationships}"
    with zipfile.ZipFile(path) as z:
        book = ET.fromstring(z.read("xl/workbook.xml"))
        rels = ET.fromstring(z.read("xl/_rels/workbook.xml.rels"))
        sheet = book.find(main + "sheets")[sheet_index]
        rid = sheet.get(rel + "id")
        target = next(r.get("Target") for r in rels if r.get("Id") == rid)
        target = target.lstrip("/")
        if not target.startswith("xl/"):
            target = "xl/" + target
        root = ET.fromstring(z.read(target))
    return [(c.get("r"), int(c.get("s", "0"))) for c in root.iter(main + "c")]


def dump(path):
    wb = openpyxl.load_workbook(path)
    ws = wb.worksheets[0]
    out = {
        "sheets": wb.sheetnames,
        "gridlines": ws.sheet_view.showGridLines is not False,
        "merged": sorted(str(r) for r in ws.merged_cells.ranges),
        "columns": {},
        "rows": {},
        "cells": {},
        "images": [],
        "hyperlinks": len(ws._hyperlinks),
    }
    for key, dim in ws.column_dimensions.items():
        if dim.width is None or not dim.customWidth:
            continue
        # The writer stores (pixels of width) / 7 with 5 pixels of padding added.
        chars = (dim.width * 7 - 5) / 7 if dim.width >= 1 else dim.width
        lo = openpyxl.utils.column_index_from_string(key)
        hi = dim.max if dim.max else lo
        for idx in range(lo, hi + 1):
            out["columns"][get_column_letter(idx)] = {"width": round(chars, 3)}
    for idx, dim in ws.row_dimensions.items():
        if dim.height is not None:
            out["rows"][str(idx)] = {"height": float(dim.height)}
    for coord, style_index in raw_cells(path):
        cell = ws[coord]
        value = getattr(cell, "value", None)
        data_type = getattr(cell, "data_type", None) if value is not None else None
        out["cells"][coord] = cell_of(wb, value, data_type, style_index)
    images = []
    for img in ws._images:
        fr = img.anchor._from
        images.append({
            "anchor": "%s%d" % (get_column_letter(fr.col + 1), fr.row + 1),
            "width": int(img.width),
            "height": int(img.height),
        })
    out["images"] = images
    return out


def near(a, b):
    if isinstance(a, bool) or isinstance(b, bool):
        return a is b or a == b
    if isinstance(a, (int, float)) and isinstance(b, (int, float)):
        return abs(float(a) - float(b)) <= 0.1
    return a == b


def compare(path, want, got, errors):
    if isinstance(want, dict):
        if not isinstance(got, dict):
            errors.append("%s: expected an object, found %r" % (path, got))
            return
        for k, v in want.items():
            compare("%s.%s" % (path, k), v, got.get(k), errors)
    elif isinstance(want, list):
        if not isinstance(got, list) or len(got) != len(want):
            errors.append("%s: expected %r, found %r" % (path, want, got))
            return
        for i, (w, g) in enumerate(zip(want, got)):
            compare("%s[%d]" % (path, i), w, g, errors)
    elif not near(want, got):
        errors.append("%s: expected %r, found %r" % (path, want, got))


def reading_order(cells):
    def key(name):
        col = "".join(ch for ch in name if ch.isalpha())
        return (int(name[len(col):]), openpyxl.utils.column_index_from_string(col))
    return [cells[n]["value"] for n in sorted(cells, key=key) if cells[n]["value"] not in (None, "")]


def check(path, expect):
    got = dump(path)
    errors = []
    for key, want in expect.items():
        if key == "cells":
            for name, wcell in want.items():
                gcell = got["cells"].get(name)
                if wcell is None:
                    if gcell is not None and gcell["value"] not in (None, ""):
                        errors.append("cells.%s: expected empty, found %r" % (name, gcell["value"]))
                    continue
                if gcell is None:
                    gcell = {"value": None}
                compare("cells." + name, wcell, gcell, errors)
        elif key == "merged":
            if sorted(want) != got["merged"]:
                missing = sorted(set(want) - set(got["merged"]))
                extra = sorted(set(got["merged"]) - set(want))
                errors.append("merged: missing %r, unexpected %r" % (missing, extra))
        elif key == "empty_rows":
            for r in want:
                vals = [n for n, c in got["cells"].items()
                        if c["value"] not in (None, "") and n.lstrip("ABCDEFGHIJKLMNOPQRSTUVWXYZ") == str(r)]
                if vals:
                    errors.append("empty_rows: row %d holds %r" % (r, sorted(vals)))
        elif key == "all_strings":
            for n, c in got["cells"].items():
                if c["value"] not in (None, "") and c["type"] != "s":
                    errors.append("cells.%s: type %r, value %r is not a string" % (n, c["type"], c["value"]))
        elif key == "values_in_order":
            values = reading_order(got["cells"])
            pos = 0
            for text in want:
                try:
                    pos = values.index(text, pos) + 1
                except ValueError:
                    errors.append("values_in_order: %r not found after position %d" % (text, pos))
        else:
            compare(key, want, got.get(key), errors)
    return errors


def main(argv):
    if len(argv) >= 3 and argv[1] == "dump":
        json.dump(dump(argv[2]), sys.stdout, ensure_ascii=False, indent=1, sort_keys=True)
        sys.stdout.write("\n")
        return 0
    if len(argv) >= 4 and argv[1] == "check":
        src = sys.stdin if argv[3] == "-" else open(argv[3], encoding="utf-8")
        expect = json.load(src)
        errors = check(argv[2], expect)
        for e in errors:
            print(e)
        print("%d mismatch(es)" % len(errors) if errors else "ok")
        return 1 if errors else 0
    sys.stderr.write(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
