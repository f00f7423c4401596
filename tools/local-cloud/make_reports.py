#!/usr/bin/env python3
"""Writes SQL that adds N realistic reports of one device to the local cloud's report_card.

Every fifth report (see --qc-every) is a QC run. --hostile puts quotes, a statement separator
and HTML into the patient texts, as a careless or malicious upload might.
"""
import argparse
import datetime
import json
import random
import sys

ANALYTES = {
    "TP": (52, 82, 20, 120, 1, "g/L"), "ALB": (23, 40, 10, 60, 1, "g/L"),
    "GLOB": (25, 45, 10, 80, 1, "g/L"), "ALT": (10, 125, 10, 1000, 0, "U/L"),
    "AST": (0, 50, 5, 1000, 0, "U/L"), "ALP": (23, 212, 10, 2000, 0, "U/L"),
    "GGT": (0, 11, 5, 1200, 0, "U/L"), "TBIL": (0, 15, 2, 500, 1, "μmol/L"),
    "BUN": (2.5, 9.6, 0.7, 46.4, 2, "mmol/L"), "CRE": (44, 159, 18, 1768, 0, "μmol/L"),
    "GLU": (4.11, 7.94, 0.56, 38.9, 2, "mmol/L"), "Ca": (1.98, 3.0, 1.0, 4.0, 2, "mmol/L"),
    "P": (0.81, 2.19, 0.32, 5.17, 2, "mmol/L"),
}
# Panel ids as the analyzer numbers them, from 1: comprehensive, liver, kidney.
PANELS = [
    (1, ["TP", "ALB", "GLOB", "ALT", "AST", "ALP", "GGT", "TBIL", "BUN", "CRE", "GLU", "Ca", "P"]),
    (2, ["TP", "ALB", "GLOB", "ALT", "AST", "ALP", "GGT", "TBIL"]),
    (3, ["BUN", "CRE", "GLU", "Ca", "P"]),
]
NAMES = ["Lucky", "Bella", "旺财", "Max", "Coco", "豆豆", "Luna", "Milo", "Daisy", "小黑"]
HOSTILE = ["O'Brien \"Rex\"", "'; DROP TABLE PanelChkResult; --", "<b>Bold</b> & <script>x</script>",
           "Robert'); DELETE FROM user; --"]


def lit(value):
    if value is None:
        return "NULL"
    if isinstance(value, (int, float)):
        return repr(value)
    s = str(value)
    for a, b in (("\\", "\\\\"), ("'", "\\'"), ("\0", "\\0"), ("\n", "\\n"), ("\r", "\\r"),
                 ("\x1a", "\\Z")):
        s = s.replace(a, b)
    return "'" + s + "'"


def compact(obj):
    return json.dumps(obj, ensure_ascii=False, separators=(",", ":"))


def report(rng, machine, index, start, qc, hostile):
    panel_id, codes = PANELS[0] if qc else PANELS[rng.randrange(3)]
    when = start + datetime.timedelta(seconds=index * 1020 + rng.randrange(300))
    errcode = 0
    if not qc:
        r = rng.randrange(100)
        errcode = 1 if r < 6 else 2 if r < 11 else 4 if r < 14 else 0
    results = []
    for code in codes:
        low, high, vmin, vmax, dec, unit = ANALYTES[code]
        span = high - low
        target = round(low + span * 0.5, dec)
        value = target + span * 0.08 * (rng.random() * 2 - 1) if qc else low + span * rng.random() * 1.2
        value = round(min(max(value, vmin), vmax), dec)
        results.append({"N": code, "I": [value, low, high, target if qc else vmin, vmax, unit]})
    if qc:
        patient = {"Qc": True, "QcLot": "QC%d" % (2405 + index % 3), "name": "", "age": "0",
                   "birthday": "", "division": "0", "sex": "0", "swatchType": "0",
                   "id": "QC%04d" % index, "number": ""}
    else:
        age = 60 + rng.randrange(15 * 365)
        name = HOSTILE[index % len(HOSTILE)] if hostile else rng.choice(NAMES)
        patient = {"Qc": False, "name": name, "age": str(age),
                   "birthday": (when.date() - datetime.timedelta(days=age)).isoformat(),
                   "division": str(rng.randrange(6)), "sex": str(rng.randrange(2)),
                   "swatchType": str(rng.randrange(3)), "id": "S%05d" % index,
                   "number": ("<i>P%d</i>'" % index) if hostile else "P%d" % (1000 + rng.randrange(9000))}
    summary = ("(zk) %d" % len(codes)) if qc else str(len(codes))
    return (index, when.strftime("%Y-%m-%d %H:%M:%S"), errcode, machine, panel_id, rng.randrange(2),
            1 + rng.randrange(4), 24050 + panel_id * 10 + rng.randrange(3), compact(patient),
            "V2.3.1", summary, compact(results), "%s_%06d.zip" % (when.strftime("%Y%m%d%H%M%S"), index),
            1, 0)


def main():
    p = argparse.ArgumentParser()
    p.add_argument("machine")
    p.add_argument("count", type=int)
    p.add_argument("--first", type=int, default=1, help="report number of the first new report")
    p.add_argument("--qc-every", type=int, default=5, help="every n-th report is a QC run (0: none)")
    p.add_argument("--hostile", action="store_true")
    p.add_argument("--seed", type=int, default=7)
    args = p.parse_args()
    rng = random.Random(args.seed * 100003 + args.first)
    start = datetime.datetime(2026, 11, 2, 8, 0)
    cols = ("rowid, chkdatetime, errcode, machineid, panelid, kbway, panelindex, panellot, "
            "patientinfo, softversion, summary, testresults, zipname, state, resultserr")
    out = sys.stdout
    out.write("SET NAMES utf8mb4;\nSTART TRANSACTION;\n")
    batch = []
    for n in range(args.count):
        index = args.first + n
        qc = args.qc_every > 0 and index % args.qc_every == 0
        batch.append("(" + ",".join(lit(v) for v in report(rng, args.machine, index, start, qc,
                                                              args.hostile)) + ")")
        if len(batch) == 500 or n == args.count - 1:
            out.write("INSERT INTO report_card (%s) VALUES\n%s;\n" % (cols, ",\n".join(batch)))
            batch = []
    out.write("COMMIT;\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
