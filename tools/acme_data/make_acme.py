#!/usr/bin/env python3
"""Builds the Acme and Stub Acme table sources of data/ from the inputs beside
this script, and checks them against printed values:

    table4.csv     ASME B1.5 Table 4, pitch diameter allowances by diameter band
    table5.csv     ASME B1.5 Table 5, pitch diameter tolerance increments
    sizes.csv      the preferred series 1/4-16 ... 5-2 (B1.5 Table 3, B1.8)
    published.csv  printed limits the results must equal

It writes acmeall (Table 4 as it is), acmetbl (the limits of the 23 sizes in
classes 2G to 5G), stuball (the 2G column of Table 4) and stubtbl (the class
2G limits of the same 23 sizes in the Stub Acme form of ASME B1.8).

    python3 tools/acme_data/make_acme.py          # rewrite the data/ files
    python3 tools/acme_data/make_acme.py --check  # exit 1 if data/ is stale or
                                                  # a printed value disagrees

The limits are worked as B1.5 tabulates them (P = 1/n, D nominal diameter,
four places, ties to the even digit, each maximum rounded and each minimum
the rounded maximum less the tolerance, rounded):
  allowance A: the Table 4 band of D (2G, 3G, 4G); 5G has none.
  PD tolerance T: Table 5 diameter increment of D + pitch increment of n;
    5G, which Table 5 leaves out, 0.0016 sqrt(D) + 0.008 sqrt(P) with each
    increment rounded to five places as Table 5 rounds its cells.
  External: major D to round(D - max(0.05P, 0.005)); pitch diameter
    round(round(D - P/2) - A) to round(max - T); minor round(D - P - 0.020)
    (n < 12) or round(D - P - 0.010) to round(max - 1.5T).
  Internal: major D + 0.020 to D + 0.040 (n < 12) or D + 0.010 to D + 0.020;
    minor round(D - P) to round(D - P + max(0.05P, 0.005)); pitch diameter
    round(D - P/2) to round(min + T).
Stub Acme (B1.8, the fit of class 2G: Table 4 2G allowance, Table 5 2G
tolerance), h = 0.3P: external major D to round(D - 0.05P), pitch diameter
round(round(D - h) - A) to round(max - T), minor round(D - 2h - 0.020 or
0.010) to round(max - T); internal major D + 0.020 or 0.010 to round(min + T),
pitch diameter round(D - h) to round(min + T), minor round(D - 2h) to
round(D - 2h + 0.05P).

Standard library only (Python 3.8 or later). The build never runs this script.
"""

import argparse
import csv
import sys
from decimal import ROUND_HALF_EVEN, ROUND_HALF_UP, Decimal, getcontext
from fractions import Fraction
from pathlib import Path

getcontext().prec = 40

HERE = Path(__file__).resolve().parent
DATA = HERE.parent.parent / "data"

CLASSES = {  # c_p, c_d, allowance coefficient
    "2G": ("0.030", "0.006", "0.008"),
    "3G": ("0.014", "0.0028", "0.006"),
    "4G": ("0.010", "0.002", "0.004"),
    "5G": ("0.008", "0.0016", "0"),
}
TABLE_CLASSES = ("2G", "3G", "4G")  # the classes Tables 4 and 5 print

ACME_HEADER = (
    ["dia", "tpi", "ext_major_max", "ext_major_min", "ext_minor_max"]
    + ["ext_minor_min_" + c.lower() for c in CLASSES]
    + [f"ext_pd_{m}_{c.lower()}" for c in CLASSES for m in ("max", "min")]
    + ["int_major_min", "int_major_max", "int_minor_min", "int_minor_max"]
    + [f"int_pd_{m}_{c.lower()}" for c in CLASSES for m in ("min", "max")]
)
STUB_HEADER = ["dia", "tpi", "ext_major_max", "ext_major_min", "ext_pd_max", "ext_pd_min",
               "ext_minor_max", "ext_minor_min", "int_major_min", "int_major_max",
               "int_pd_min", "int_pd_max", "int_minor_min", "int_minor_max"]

FOUR = Decimal("0.0001")
FIVE = Decimal("0.00001")


def rows_of(name):
    with open(HERE / name, newline="") as f:
        lines = [line for line in f if line.strip() and not line.startswith("#")]
    return list(csv.DictReader(lines))


def number(text):
    """Decimal of a number or a mixed fraction such as "1 1/3"."""
    f = sum((Fraction(part) for part in text.split()), Fraction(0))
    return Decimal(f.numerator) / Decimal(f.denominator)


def r4(x):
    return x.quantize(FOUR, rounding=ROUND_HALF_EVEN)


def up(x, unit):
    return x.quantize(unit, rounding=ROUND_HALF_UP)


def text(x):
    """A size key as written: no exponent, no trailing zeros."""
    s = format(x.normalize(), "f")
    return s


class Tables:
    """Tables 4 and 5, each cell checked against the rule it was worked by."""

    def __init__(self):
        problems = []
        self.bands = []
        previous = None
        for r in rows_of("table4.csv"):
            over, upto = Decimal(r["dia_over"]), Decimal(r["dia_upto"])
            if previous is not None and over != previous:
                problems.append(f"Table 4: band over {over} does not follow {previous}")
            previous = upto
            cells = {c: Decimal(r["allow_" + c.lower()]) for c in TABLE_CLASSES}
            mid = (over + upto) / 2
            for c, value in cells.items():
                rule = up(Decimal(CLASSES[c][2]) * mid.sqrt(), FOUR)
                if value != rule:
                    problems.append(f"Table 4 {over}-{upto} {c}: {value}, rule {rule}")
            self.bands.append((over, upto, cells))
        self.dia_inc, self.pitch_inc = {}, {}
        for r in rows_of("table5.csv"):
            dia = r["part"] == "diameter"
            x = number(r["dia"] if dia else r["tpi"])
            cells = {c: Decimal(r["inc_" + c.lower()]) for c in TABLE_CLASSES}
            for c, value in cells.items():
                cp, cd, _ = CLASSES[c]
                rule = up(Decimal(cd) * x.sqrt() if dia else Decimal(cp) * (1 / x).sqrt(), FIVE)
                if value != rule:
                    problems.append(f"Table 5 {r['part']} {x} {c}: {value}, rule {rule}")
            (self.dia_inc if dia else self.pitch_inc)[x] = cells
        if problems:
            sys.exit("table inputs disagree with B1.5's rules:\n  " + "\n  ".join(problems))

    def allowance(self, d, cls):
        if cls not in TABLE_CLASSES:
            return Decimal(0)
        for over, upto, cells in self.bands:
            if over < d <= upto:
                return cells[cls]
        sys.exit(f"no Table 4 band holds D = {d}")

    def tolerance(self, d, n, cls):
        if cls in TABLE_CLASSES:
            if d not in self.dia_inc or n not in self.pitch_inc:
                sys.exit(f"Table 5 has no increment for {d}-{n}")
            return self.dia_inc[d][cls] + self.pitch_inc[n][cls]
        cp, cd, _ = CLASSES[cls]
        return up(Decimal(cd) * d.sqrt(), FIVE) + up(Decimal(cp) * (1 / n).sqrt(), FIVE)


def acme_limits(tables, d, n):
    """Limits of one size as B1.5 tabulates them: {column: Decimal}."""
    p = 1 / n
    clearance = Decimal("0.010") if n >= 12 else Decimal("0.020")
    crest = max(Decimal("0.05") * p, Decimal("0.005"))
    minor_max = r4(d - p - clearance)
    basic = r4(d - p / 2)
    v = {
        "ext_major_max": d,
        "ext_major_min": r4(d - crest),
        "ext_minor_max": minor_max,
        "int_major_min": d + clearance,
        "int_major_max": d + 2 * clearance,
        "int_minor_min": r4(d - p),
        "int_minor_max": r4(d - p + crest),
    }
    for cls in CLASSES:
        c = cls.lower()
        t = tables.tolerance(d, n, cls)
        pd_max = r4(basic - tables.allowance(d, cls))
        v["ext_minor_min_" + c] = r4(minor_max - Decimal("1.5") * t)
        v["ext_pd_max_" + c] = pd_max
        v["ext_pd_min_" + c] = r4(pd_max - t)
        v["int_pd_min_" + c] = basic
        v["int_pd_max_" + c] = r4(basic + t)
    return v


def stub_limits(tables, d, n):
    """Class 2G limits of the Stub Acme form of one size (B1.8)."""
    p = 1 / n
    h = Decimal("0.3") * p
    clearance = Decimal("0.010") if n >= 12 else Decimal("0.020")
    t = tables.tolerance(d, n, "2G")
    basic = r4(d - h)
    pd_max = r4(basic - tables.allowance(d, "2G"))
    minor_max = r4(d - 2 * h - clearance)
    return {
        "ext_major_max": d,
        "ext_major_min": r4(d - Decimal("0.05") * p),
        "ext_pd_max": pd_max,
        "ext_pd_min": r4(pd_max - t),
        "ext_minor_max": minor_max,
        "ext_minor_min": r4(minor_max - t),
        "int_major_min": d + clearance,
        "int_major_max": r4(d + clearance + t),
        "int_pd_min": basic,
        "int_pd_max": r4(basic + t),
        "int_minor_min": r4(d - 2 * h),
        "int_minor_max": r4(d - 2 * h + Decimal("0.05") * p),
    }


def cells(header, v):
    return [format(v[h].quantize(FOUR), "f") for h in header]


def compare(table):
    """Printed values against the worked ones: (equal, listed, problems)."""
    equal, listed, problems = 0, [], []
    for row in rows_of("published.csv"):
        key = (Decimal(row["dia"]), Decimal(row["tpi"]))
        v = table.get(key)
        name = f"{row['dia']}-{row['tpi']} {row['class']} {row['column']}"
        if v is None:
            problems.append(f"{name}: not a size of sizes.csv")
            continue
        col = row["column"]
        own = col + "_" + row["class"].lower()
        got = v[own] if own in v else v[col]
        printed = Decimal(row["value"])
        if row["kind"] == "derived":
            if abs(got - printed) > FOUR:
                problems.append(f"{name}: worked {got}, derived {printed} ({row['source']})")
            continue
        if not row["note"]:
            if got == printed:
                equal += 1
            else:
                problems.append(f"{name}: worked {got}, printed {printed} ({row['source']})")
        elif abs(got - printed) == FOUR:
            listed.append(f"{name}: printed {printed}, worked {got} ({row['note']})")
        else:
            problems.append(f"{name}: listed as differing by one unit, worked {got}, "
                            f"printed {printed}")
    return equal, listed, problems


def check_stub_basics(sizes):
    problems = []
    for s in sizes:
        d, n = Decimal(s["dia"]), Decimal(s["tpi"])
        for col, k in (("stub_d2", "0.3"), ("stub_d1", "0.6")):
            if s[col] and r4(d - Decimal(k) * (1 / n)) != Decimal(s[col]):
                problems.append(f"{s['size']}-{s['tpi']} {col}: printed {s[col]}, "
                                f"D - {k}P = {r4(d - Decimal(k) / n)}")
    return problems


def csv_text(comment, header, rows):
    lines = ["# " + c if c else "#" for c in comment]
    lines.append(",".join(header))
    lines.extend(",".join(r) for r in rows)
    return "\n".join(lines) + "\n"


GENERATED = ("Generated by tools/acme_data/make_acme.py: edit its inputs and re-run it",
             "rather than editing this file.")


def build():
    tables = Tables()
    sizes = rows_of("sizes.csv")
    problems = check_stub_basics(sizes)
    acme, stub, worked = [], [], {}
    for s in sizes:
        d, n = Decimal(s["dia"]), Decimal(s["tpi"])
        v = acme_limits(tables, d, n)
        worked[(d, n)] = v
        acme.append([text(d), s["tpi"]] + cells(ACME_HEADER[2:], v) +
                    ["ASME B1.5 Tables 3-5"])
        stub.append([text(d), s["tpi"]] + cells(STUB_HEADER[2:], stub_limits(tables, d, n)) +
                    ["ASME B1.8 series; B1.5 Tables 4-5 class 2G"])
    equal, listed, differ = compare(worked)
    problems += differ
    if problems:
        sys.exit("printed values disagree:\n  " + "\n  ".join(problems))
    total = equal + len(listed)

    files = {}
    files["acmeall"] = csv_text([
        "Pitch-diameter allowances of general purpose Acme external threads,",
        "classes 2G, 3G, 4G (5G has none): ASME B1.5-1988 Table 4, by nominal",
        "diameter band (tools/acme_data/table4.csv names the transcription). Each",
        "cell is 0.008, 0.006 or 0.004 x sqrt of the band's middle diameter, rounded",
        "half up to four places; the standard takes the band's value for every",
        "diameter in it (5/16-14 3G external PD 0.2738/0.2685 as printed, where",
        "0.006 sqrt(0.3125) would give 0.2734/0.2681). Above 5.5 in the program",
        "evaluates the coefficient x sqrt(D) at the thread's own diameter.",
        "A thread takes the row with dia_over < D <= dia_upto. Inches.", *GENERATED],
        ["dia_over", "dia_upto", "allow_2g", "allow_3g", "allow_4g", "source"],
        [[text(o), text(u)] + [format(c[k], "f") for k in TABLE_CLASSES] + ["ASME B1.5 Table 4"]
         for o, u, c in tables.bands])
    files["stuball"] = csv_text([
        "Pitch-diameter allowance of Stub Acme and modified Stub Acme threads,",
        "class 2G, by nominal diameter band: the class 2G column of ASME B1.5",
        "Table 4 (see acmeall.csv). ASME B1.8 gives Stub Acme the fit of B1.5",
        "class 2G: \"Pitch Diameter allowances for Stub Acme threads are the same",
        "as for Class 2G General Purpose\" (ring-plug-thread-gages.com, Stub Acme",
        "page; Machinery's Handbook: \"The fit of Stub Acme threads corresponds to",
        "the Class 2G General Purpose Acme thread\"). No public copy of B1.8's own",
        "allowance table was at hand to compare with.",
        "A thread takes the row with dia_over < D <= dia_upto. Inches.", *GENERATED],
        ["dia_over", "dia_upto", "allow_2g", "source"],
        [[text(o), text(u), format(c["2G"], "f"), "ASME B1.5 Table 4 class 2G"]
         for o, u, c in tables.bands])
    files["acmetbl"] = csv_text([
        "Limits of general purpose Acme threads, ASME B1.5-1988, classes 2G to 5G:",
        "the 23 sizes of the preferred series 1/4-16 to 5-2 (Table 3;",
        "tools/acme_data/sizes.csv), inches. Worked as the standard tabulates",
        "them, to four places with ties to the even digit:",
        "  allowance: the Table 4 band of D (acmeall.csv); 5G none",
        "  PD tolerance T: Table 5 diameter increment + pitch increment; 5G, which",
        "    Table 5 leaves out, 0.0016 sqrt(D) + 0.008 sqrt(P), each part rounded",
        "    to five places as Table 5 rounds its cells (no printed 5G value was",
        "    at hand to compare with)",
        "  external major D to round(D - max(0.05P, 0.005)); PD max",
        "    round(round(D - P/2) - allowance), min round(max - T); minor max",
        "    round(D - P - 0.020), 0.010 from 12 tpi, min round(max - 1.5T)",
        "  internal major D + 0.020 to D + 0.040, from 12 tpi D + 0.010 to",
        "    D + 0.020; minor round(D - P) to round(D - P + max(0.05P, 0.005)); PD",
        "    round(D - P/2) to round(min + T)",
        "Each maximum is rounded first and each minimum taken from it, as the",
        f"printed tables show: of the {total} printed values in",
        "tools/acme_data/published.csv (Machinery's Handbook Tables 2b/2c, a maker's",
        f"2G chart, L. Merrick's data sheets) {equal} are equal; {len(listed)} differ by",
        "0.0001 through the data sheets' own rounding:",
        *["  " + line for line in listed],
        "The program calculates any other size the same way.", *GENERATED],
        ACME_HEADER + ["source"], acme)
    files["stubtbl"] = csv_text([
        "Limits of Stub Acme threads, ASME B1.8-1988, class 2G (the one class B1.8",
        "establishes; the program takes these rows for class 2G only and",
        "calculates 3G and 4G): the 23 sizes of the preferred series 1/4-16 to 5-2",
        "(tools/acme_data/sizes.csv; B1.8's basic pitch and minor diameters of 21",
        "of them are checked), inches. No public copy of B1.8's limits table was at",
        "hand: the rows are the B1.8 formulas with the class 2G allowance (Table 4",
        "band, stuball.csv) and tolerance (B1.5 Table 5) of B1.5, worked as",
        "acmetbl.csv is, h = 0.3P:",
        "  external major D to round(D - 0.05P); PD round(round(D - h) -",
        "    allowance) to round(max - T); minor round(D - 2h - 0.020), 0.010 from",
        "    12 tpi, to round(max - T)",
        "  internal major D + 0.020 (0.010 from 12 tpi) to round(min + T); PD",
        "    round(D - h) to round(min + T); minor round(D - 2h) to",
        "    round(D - 2h + 0.05P)",
        "A thread takes the row whose dia and tpi equal its own exactly.", *GENERATED],
        STUB_HEADER + ["source"], stub)
    return files, f"{equal} of {total} printed values equal, {len(listed)} listed as differing"


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--check", action="store_true", help="compare, do not write")
    args = ap.parse_args()
    files, summary = build()
    stale = []
    for name, content in files.items():
        path = DATA / (name + ".csv")
        if args.check:
            if not path.exists() or path.read_text() != content:
                stale.append(str(path))
        else:
            path.write_text(content)
    print(summary)
    if stale:
        print("out of date (re-run tools/acme_data/make_acme.py):\n  " + "\n  ".join(stale))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
