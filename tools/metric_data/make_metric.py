#!/usr/bin/env python3
"""Builds the sources of the ISO metric (M) and MJ tables in data/ from the
ISO 965-1 transcriptions and the ISO 261 size plan beside this script:

    iso965_1_fundamental_deviations.csv   Table 1: es (e, f, g, h), EI (G, H)
    iso965_1_pitch_dia_tolerances.csv     Tables 4 and 5: TD2, Td2
    iso965_1_crest_dia_tolerances.csv     Tables 2 and 3: TD1, Td
    iso261_sizes.csv                      ISO 261 Table 1: the M sizes
    published.csv                         printed limits the results must equal

It writes metdev, mextall, mintall, mextol, mintol (the ISO 965-1 tables as
they are), exm and inm (limits of every ISO 261 size in the common classes,
worked by the rules of ISO 965-1 as ISO 965-2 tabulates them), and mjallow,
mjextol, mjintol (the ISO 965-1 grades the MJ classes 4h6h and 4H5H use).

    python3 tools/metric_data/make_metric.py           # rewrite data/*.csv
    python3 tools/metric_data/make_metric.py --report  # ... and print what was left out
    python3 tools/metric_data/make_metric.py --check   # exit 1 if data/ is stale

Standard library only (Python 3.8 or later). The build never runs this script;
the CSV files it writes are kept under version control and compiled by mktables.
"""

import argparse
import csv
import sys
from decimal import ROUND_HALF_UP, Decimal
from pathlib import Path

HERE = Path(__file__).resolve().parent
DATA = HERE.parent.parent / "data"

EXT_CLASSES = ["6g6g", "6h6h", "4g6g", "6e6e", "6f6f", "4h6h"]
INT_CLASSES = ["6H6H", "5H5H", "7H7H", "6G6G", "4H5H"]

# Basic profile constants as ISO 724 and the program use them.
K_PD = Decimal("0.649519")
K_D1 = Decimal("1.082532")
K_EXT_MINOR_MAX = Decimal("0.4330127")
K_EXT_MINOR_MIN = Decimal("0.616025")
K_INT_MAJOR_MAX = Decimal("0.793857")


def rows_of(name):
    with open(HERE / name, newline="") as f:
        lines = [line for line in f if line.strip() and not line.startswith("#")]
    return list(csv.DictReader(lines))


def d(text):
    return Decimal(text).normalize() if text else None


def txt(value):
    """Decimal as plain text without exponent or trailing zeros."""
    s = format(value.normalize(), "f")
    return s


def mm3(value):
    return format(value.quantize(Decimal("0.001"), rounding=ROUND_HALF_UP), "f")


class Iso965:
    def __init__(self):
        # Deviations by pitch: magnitudes in micrometres; absent = not given.
        self.dev = {}
        for r in rows_of("iso965_1_fundamental_deviations.csv"):
            # The cross-check column holds 17 for P = 0.2 (the other says 18, wrongly).
            self.dev.setdefault(d(r["pitch_mm"]), {})[r["position"]] = \
                abs(int(r["deviation_um_anon_crosscheck"]))
        self.ext_td2 = {}
        self.int_td2 = {}
        for r in rows_of("iso965_1_pitch_dia_tolerances.csv"):
            value = r["tolerance_um_rf_tolerance"] or r["tolerance_um_anon_crosscheck"]
            other = r["tolerance_um_anon_crosscheck"]
            if r["tolerance_um_rf_tolerance"] and other and other != value:
                sys.exit("transcriptions disagree: %s" % r)
            key = (d(r["dia_over_mm"]), d(r["dia_upto_mm"]), d(r["pitch_mm"]))
            table = self.ext_td2 if r["quantity"] == "external_Td2" else self.int_td2
            table.setdefault(key, {})[int(r["grade"])] = int(value)
        self.td1 = {}
        self.td = {}
        for r in rows_of("iso965_1_crest_dia_tolerances.csv"):
            table = self.td1 if r["quantity"] == "internal_TD1" else self.td
            table.setdefault(d(r["pitch_mm"]), {})[int(r["grade"])] = int(r["tolerance_um"])

    @staticmethod
    def lookup(table, dia, pitch):
        for (over, upto, p), grades in table.items():
            if over < dia <= upto and p == pitch:
                return grades
        return None

    def deviation(self, pitch, position):
        if position in "hH":
            return 0
        return self.dev.get(pitch, {}).get(position)


def sizes():
    out = []
    for r in rows_of("iso261_sizes.csv"):
        dia = d(r["dia"])
        pitches = ([d(r["coarse"])] if r["coarse"] else []) + [d(p) for p in r["fine"].split()]
        out.extend((dia, p) for p in pitches)
    return out


def ext_limits(iso, dia, pitch, cls):
    pd_grade, pd_pos, maj_grade, maj_pos = int(cls[0]), cls[1], int(cls[2]), cls[3]
    es_pd = iso.deviation(pitch, pd_pos)
    es_maj = iso.deviation(pitch, maj_pos)
    td2 = (Iso965.lookup(iso.ext_td2, dia, pitch) or {}).get(pd_grade)
    td = iso.td.get(pitch, {}).get(maj_grade)
    missing = [n for n, v in (("es " + pd_pos, es_pd), ("Td2(%d)" % pd_grade, td2),
                              ("Td(%d)" % maj_grade, td)) if v is None]
    if missing:
        return None, missing
    um = Decimal("0.001")
    pd_max = dia - K_PD * pitch - es_pd * um
    pd_min = pd_max - td2 * um
    major_max = dia - es_maj * um
    return {
        "major_max": major_max, "major_min": major_max - td * um,
        "pd_max": pd_max, "pd_min": pd_min,
        "minor_max": pd_max - K_EXT_MINOR_MAX * pitch,
        "minor_min": pd_min - K_EXT_MINOR_MIN * pitch,
    }, []


def int_limits(iso, dia, pitch, cls):
    pd_grade, pd_pos, min_grade, min_pos = int(cls[0]), cls[1], int(cls[2]), cls[3]
    ei_pd = iso.deviation(pitch, pd_pos)
    ei_min = iso.deviation(pitch, min_pos)
    td2 = (Iso965.lookup(iso.int_td2, dia, pitch) or {}).get(pd_grade)
    td1 = iso.td1.get(pitch, {}).get(min_grade)
    missing = [n for n, v in (("EI " + pd_pos, ei_pd), ("TD2(%d)" % pd_grade, td2),
                              ("TD1(%d)" % min_grade, td1)) if v is None]
    if missing:
        return None, missing
    um = Decimal("0.001")
    pd_min = dia + ei_pd * um - K_PD * pitch
    pd_max = pd_min + td2 * um
    minor_min = dia + ei_min * um - K_D1 * pitch
    return {
        "minor_min": minor_min, "minor_max": minor_min + td1 * um,
        "pd_min": pd_min, "pd_max": pd_max,
        "major_min": dia + ei_min * um, "major_max": pd_max + K_INT_MAJOR_MAX * pitch,
    }, []


def csv_text(comment, header, rows):
    lines = ["# " + c if c else "#" for c in comment]
    lines.append(",".join(header))
    for r in rows:
        lines.append(",".join(str(v) for v in r))
    return "\n".join(lines) + "\n"


GENERATED = ("Generated by tools/metric_data/make_metric.py from the ISO 965-1",
             "transcriptions beside it: edit its inputs and re-run it rather than this file.")


def over_text(over):
    # The first range of the standard starts "over 0.99"; one decimal is all the
    # record holds, and 0.9 takes the same sizes (M1 is the smallest).
    return "0.9" if over == Decimal("0.99") else txt(over)


def build(report):
    iso = Iso965()
    files = {}

    rows = []
    for p in sorted(iso.dev):
        dv = iso.dev[p]
        rows.append([txt(p)] + [dv.get(k, "") for k in ("G", "e", "f", "g")])
    files["metdev"] = csv_text([
        "Fundamental deviations of ISO metric threads: ISO 965-1:1998 Table 1,",
        "one row per pitch (mm). Micrometres, stored as magnitudes (EI of G adds",
        "to the internal diameters, es of e, f, g is taken from the external ones).",
        "Position h and H have none. Empty: the standard gives no value (no e below",
        "P 0.5, no f below P 0.35); the program then uses 0.011 P + base.",
        "P 0.2: 17 (a transcription prints 18; the standard's formula",
        "15 + 11 P and two further sources give 17).", *GENERATED],
        ["pitch", "ei_G", "es_e", "es_f", "es_g"], rows)

    def range_rows(table, grades):
        out = []
        for (over, upto, p) in sorted(table):
            g = table[(over, upto, p)]
            out.append([over_text(over), txt(upto), txt(p)] + [g.get(k, "") for k in grades])
        return out

    blank_note = [
        "Empty cells are grades the standard's table leaves blank for that pitch;",
        "the program then works 0.09 P^0.4 D^0.1 x grade factor, as FED-STD-H28/21B",
        "does for a pitch its table lacks (example 6.6.1: Td2(4) of M29x1.25).",
    ]
    files["mextall"] = csv_text([
        "Pitch diameter tolerance Td2 of external ISO metric threads: ISO 965-1:1998",
        "Table 5, by nominal diameter range (over, up to and including, mm) and",
        "pitch (mm), grades 3 to 9, micrometres. Rows above 180 mm (to 355) from the",
        "second transcription only (see tools/metric_data).", *blank_note,
        "The first range is 'over 0.99' in the standard; stored as over 0.9.", *GENERATED],
        ["dia_over", "dia_upto", "pitch"] + ["td2_%d" % g for g in range(3, 10)],
        range_rows(iso.ext_td2, range(3, 10)))
    files["mintall"] = csv_text([
        "Pitch diameter tolerance TD2 of internal ISO metric threads: ISO 965-1:1998",
        "Table 4, by nominal diameter range (over, up to and including, mm) and",
        "pitch (mm), grades 4 to 8, micrometres (the table ends at 180 mm).",
        *blank_note,
        "The first range is 'over 0.99' in the standard; stored as over 0.9.", *GENERATED],
        ["dia_over", "dia_upto", "pitch"] + ["td2_%d" % g for g in range(4, 9)],
        range_rows(iso.int_td2, range(4, 9)))

    files["mextol"] = csv_text([
        "Major diameter tolerance Td of external ISO metric threads: ISO 965-1:1998",
        "Table 3, by pitch (mm), grades 4, 6, 8, micrometres. Empty: not given",
        "(grade 8 below P 0.8).", *GENERATED],
        ["pitch", "td_4", "td_6", "td_8"],
        [[txt(p)] + [iso.td[p].get(g, "") for g in (4, 6, 8)] for p in sorted(iso.td)])
    files["mintol"] = csv_text([
        "Minor diameter tolerance TD1 of internal ISO metric threads: ISO 965-1:1998",
        "Table 2, by pitch (mm), grades 4 to 8, micrometres. Empty: not given",
        "(the finer pitches have no coarse grades).", *GENERATED],
        ["pitch", "td1_4", "td1_5", "td1_6", "td1_7", "td1_8"],
        [[txt(p)] + [iso.td1[p].get(g, "") for g in range(4, 9)] for p in sorted(iso.td1)])

    left_out = []
    ext_rows, int_rows = [], []
    ext_cols = ["major_max", "major_min", "pd_max", "pd_min", "minor_max", "minor_min"]
    int_cols = ["minor_min", "minor_max", "pd_min", "pd_max", "major_min", "major_max"]
    for dia, p in sizes():
        for cls in EXT_CLASSES:
            lim, missing = ext_limits(iso, dia, p, cls)
            if lim is None:
                left_out.append("M%sx%s %s: %s not given" % (txt(dia), txt(p), cls,
                                                             ", ".join(missing)))
                continue
            ext_rows.append([txt(dia), txt(p), cls] + [mm3(lim[c]) for c in ext_cols])
        for cls in INT_CLASSES:
            lim, missing = int_limits(iso, dia, p, cls)
            if lim is None:
                left_out.append("M%sx%s %s: %s not given" % (txt(dia), txt(p), cls,
                                                             ", ".join(missing)))
                continue
            int_rows.append([txt(dia), txt(p), cls] + [mm3(lim[c]) for c in int_cols])

    rules = [
        "Every value is worked exactly from the unrounded basic size and rounded",
        "half up to 0.001 mm once, at the end. Deviations and tolerances are whole",
        "micrometres, so this equals rounding the basic pitch diameter to 0.001",
        "first, as ISO 965-2 prints it (M10x1.5 6g: 8.994/8.862, 6H: 9.026/9.206).",
        "A size and class whose deviation or tolerance the ISO 965-1 tables do not",
        "give has no row (the program then uses its formulas); make_metric.py",
        "--report lists them. Every limit printed in tools/metric_data/published.csv",
        "(public copies of ISO 965-2 values: M1 to M6 6g/6h, M1.6 to M18 6H, M10x1.5",
        "6g) equals the value worked here; the script refuses to write otherwise.",
    ]
    files["exm"] = csv_text([
        "Limits of size of external ISO metric threads (mm), every size of ISO 261",
        "Table 1 (tools/metric_data/iso261_sizes.csv) the tolerance tables reach, in",
        "the classes 6g, 6h, 4g6g, 6e, 6f and 4h6h, worked as ISO 965-2 does from",
        "ISO 965-1 Tables 1, 3 and 5 (the data in metdev, mextol, mextall):",
        "  major max = d - es; major min = major max - Td",
        "  pd max = d - 0.649519 P - es; pd min = pd max - Td2",
        "  minor max = pd max - 0.4330127 P (d1 max, the flat-root minor ISO 965-2",
        "    prints for M10x1.5 6g as 8.344)",
        "  minor min = pd min - 0.616025 P (d3 min of the rounded root, 7.938)",
        "class is the four-character class text: pitch diameter grade and position,",
        "major diameter grade and position (6g is 6g6g).", *rules, *GENERATED],
        ["dia", "pitch", "class"] + ext_cols, ext_rows)
    files["inm"] = csv_text([
        "Limits of size of internal ISO metric threads (mm), every size of ISO 261",
        "Table 1 (tools/metric_data/iso261_sizes.csv) the tolerance tables reach, in",
        "the classes 6H, 5H, 7H, 6G and 4H5H, worked as ISO 965-2 does from ISO 965-1",
        "Tables 1, 2 and 4 (the data in metdev, mintol, mintall):",
        "  minor min = D + EI - 1.082532 P; minor max = minor min + TD1",
        "  pd min = D + EI - 0.649519 P; pd max = pd min + TD2",
        "  major min = D + EI",
        "  major max = pd max + 0.793857 P (not toleranced by ISO 965; the sharp-V",
        "    limit the program also computes)",
        "class is the four-character class text: pitch diameter grade and position,",
        "minor diameter grade and position (6H is 6H6H).", *rules, *GENERATED],
        ["dia", "pitch", "class"] + int_cols, int_rows)

    # MJ: ANSI B1.21M / ISO 5855 take their tolerances from ISO 965-1 grades:
    # external 4h6h (Td2 grade 4, Td grade 6), internal 4H5H (TD2 grade 4, TD1
    # grade 5), as the MJ6.5x1 examples of FED-STD-H28/21B show (Td 0.180,
    # Td2(4) 0.071, TD2(4) 0.095).
    allow = []
    for key in sorted(iso.ext_td2):
        ext4 = iso.ext_td2[key].get(4)
        int4 = iso.int_td2.get(key, {}).get(4)
        if ext4 is None or int4 is None:
            left_out.append("mjallow %s-%s P %s: TD2(4) not given" % tuple(map(txt, key)))
            continue
        allow.append([over_text(key[0]), txt(key[1]), txt(key[2]), -ext4, int4])
    # The worked MJ6.5x1 examples of FED-STD-H28/21B (section 5.2.3) use these.
    mj65 = Iso965.lookup(iso.ext_td2, Decimal("6.5"), Decimal(1)), \
        Iso965.lookup(iso.int_td2, Decimal("6.5"), Decimal(1))
    if (iso.td[Decimal(1)][6], mj65[0][4], mj65[1][4]) != (180, 71, 95):
        sys.exit("ISO 965-1 grades differ from the FED-STD-H28/21B MJ6.5x1 example")
    mj_source = [
        "MJ threads (ANSI B1.21M, ISO 5855) take their tolerances from ISO 965-1:",
        "class 4h6h external, 4H5H internal; FED-STD-H28/21B works its MJ6.5x1",
        "examples with them (Td(6) 0.180, Td2(4) 0.071, TD2(4) 0.095).",
    ]
    files["mjallow"] = csv_text(mj_source + [
        "Pitch diameter tolerances by diameter range (over, up to and including,",
        "mm) and pitch: external = Td2 grade 4 (ISO 965-1 Table 5), stored",
        "negative as the table wants it; internal = TD2 grade 4 (Table 4).",
        "Micrometres. Rows to 180 mm, where both tables give grade 4.",
        "The first range is 'over 0.99' in the standard; stored as over 0.9.", *GENERATED],
        ["dia_over", "dia_upto", "pitch", "ext_pd_tol", "int_pd_tol"], allow)
    files["mjextol"] = csv_text(mj_source + [
        "External major diameter tolerance Td grade 6 (ISO 965-1 Table 3) by",
        "pitch; both columns millimetres.", *GENERATED],
        ["pitch", "td"],
        [[txt(p), txt(Decimal(iso.td[p][6]) / 1000)] for p in sorted(iso.td) if 6 in iso.td[p]])
    files["mjintol"] = csv_text(mj_source + [
        "Internal minor diameter tolerance TD1 grade 5 (ISO 965-1 Table 2) by",
        "pitch, micrometres. Pitches of 1 mm and up only: the table is read by",
        "pitch alone, and the finer pitches also serve the MJ sizes below 6 mm,",
        "whose class is 4H6H (grade 6); for them the program's own rule applies.",
        *GENERATED],
        ["pitch", "td1"],
        [[txt(p), iso.td1[p][5]] for p in sorted(iso.td1) if p >= 1 and 5 in iso.td1[p]])

    generated = {}
    for name, cols, rows_ in (("exm", ext_cols, ext_rows), ("inm", int_cols, int_rows)):
        for r in rows_:
            for c, v in zip(cols, r[3:]):
                generated[(r[0], r[1], r[2], c)] = v
    differ = []
    for r in rows_of("published.csv"):
        # Lower-case positions are external (exm), upper-case internal (inm).
        key = (txt(d(r["dia"])), txt(d(r["pitch"])), r["class"], r["column"])
        got = generated.get(key)
        if got is None or Decimal(got) != Decimal(r["value"]):
            differ.append("M%sx%s %s %s: printed %s (%s), worked %s" % (
                key[0], key[1], r["class"], r["column"], r["value"], r["source"], got))
    if differ:
        sys.exit("published limits differ:\n  " + "\n  ".join(differ))

    if report:
        for line in left_out:
            print(line)
        print("%d external, %d internal rows; %d left out; %d printed values equal" % (
            len(ext_rows), len(int_rows), len(left_out), len(rows_of("published.csv"))))
    return files


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--check", action="store_true", help="fail if data/ is out of date")
    ap.add_argument("--report", action="store_true", help="print the rows left out")
    args = ap.parse_args()
    files = build(args.report)
    stale = []
    for name, text in files.items():
        path = DATA / (name + ".csv")
        if args.check:
            if not path.exists() or path.read_text() != text:
                stale.append(str(path))
        else:
            path.write_text(text)
    if stale:
        print("out of date (re-run tools/metric_data/make_metric.py):\n  " + "\n  ".join(stale))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
