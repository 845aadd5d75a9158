#!/usr/bin/env python3
"""Builds data/acmetbl.csv, the tabulated limits of general purpose Acme
threads (ASME B1.5, classes 2G, 3G, 4G and 5G), from the standard's own
formulas for the diameter/pitch combinations listed in sizes.csv, and checks
them against the printed values in published.csv.

    python3 tools/acme_data/make_acme.py          # rewrite data/acmetbl.csv
    python3 tools/acme_data/make_acme.py --check  # exit 1 if data/ is stale or
                                                  # a printed value disagrees

The B1.5 formulas (P = 1/n, D nominal diameter). The tables are worked to four
decimals (rounded half to even) limit by limit: the basic pitch diameter
D - P/2 and the maximum minor diameter are rounded first, each minimum is the
rounded maximum less the unrounded tolerance, rounded. Every printed 2G value
of the vendor chart agrees with that order (rounding only the final limits
from unrounded values misses four of them, rounding half up one); the data
sheets agree to the last place but one value (see published.csv).
  PD tolerance T = c_p sqrt(P) + c_d sqrt(D); allowance A = a sqrt(D) on the
  external pitch diameter (2G 0.030/0.006/0.008, 3G 0.014/0.0028/0.006,
  4G 0.010/0.002/0.004, 5G 0.008/0.0016/none).
  External: major D to D - max(0.05P, 0.005); pitch diameter
  round4(D - P/2) - A to that minus T; minor D - P - 0.020 (n < 12) or
  - 0.010 (n >= 12) to that minus 1.5 T.
  Internal: major D + 0.020 to D + 0.040 (n < 12) or D + 0.010 to D + 0.020;
  minor D - P to that plus max(0.05P, 0.005); pitch diameter D - P/2 to that
  plus T.

Standard library only (Python 3.8 or later). The build never runs this script.
"""

import argparse
import csv
import sys
from decimal import ROUND_HALF_EVEN, Decimal, getcontext
from pathlib import Path

getcontext().prec = 40

HERE = Path(__file__).resolve().parent
OUT = HERE.parent.parent / "data" / "acmetbl.csv"

CLASSES = {  # c_p, c_d, allowance coefficient
    "2G": ("0.030", "0.006", "0.008"),
    "3G": ("0.014", "0.0028", "0.006"),
    "4G": ("0.010", "0.002", "0.004"),
    "5G": ("0.008", "0.0016", "0"),
}

HEADER = (
    ["dia", "tpi", "ext_major_max", "ext_major_min", "ext_minor_max"]
    + ["ext_minor_min_" + c.lower() for c in CLASSES]
    + [f"ext_pd_{m}_{c.lower()}" for c in CLASSES for m in ("max", "min")]
    + ["int_major_min", "int_major_max", "int_minor_min", "int_minor_max"]
    + [f"int_pd_{m}_{c.lower()}" for c in CLASSES for m in ("min", "max")]
)

FOUR = Decimal("0.0001")


def rows_of(name):
    with open(HERE / name, newline="") as f:
        lines = [line for line in f if line.strip() and not line.startswith("#")]
    return list(csv.DictReader(lines))


def round4(x):
    return x.quantize(FOUR, rounding=ROUND_HALF_EVEN)


def limits(d, n):
    """Limits of one size as the standard tabulates them: {column: Decimal}."""
    p = 1 / n
    fine = n >= 12
    crest = max(Decimal("0.05") * p, Decimal("0.005"))
    minor_max = round4(d - p - (Decimal("0.010") if fine else Decimal("0.020")))
    half = round4(d - p / 2)
    int_minor_min = round4(d - p)
    v = {
        "ext_major_max": d,
        "ext_major_min": round4(d - crest),
        "ext_minor_max": minor_max,
        "int_major_min": d + (Decimal("0.010") if fine else Decimal("0.020")),
        "int_major_max": d + (Decimal("0.020") if fine else Decimal("0.040")),
        "int_minor_min": int_minor_min,
        "int_minor_max": round4(int_minor_min + crest),
    }
    for cls, (cp, cd, ca) in CLASSES.items():
        c = cls.lower()
        t = Decimal(cp) * p.sqrt() + Decimal(cd) * d.sqrt()
        pd_max = round4(half - Decimal(ca) * d.sqrt())
        v["ext_minor_min_" + c] = round4(minor_max - Decimal("1.5") * t)
        v["ext_pd_max_" + c] = pd_max
        v["ext_pd_min_" + c] = round4(pd_max - t)
        v["int_pd_min_" + c] = half
        v["int_pd_max_" + c] = round4(half + t)
    return v


def build():
    sizes = rows_of("sizes.csv")
    lines = [
        "# Tabulated limits of general purpose Acme threads, classes 2G to 5G, inches.",
        "# Every value follows the ASME B1.5 formulas (the standard's own, as the",
        "# program's Acme calculation uses them), worked to four decimals the way",
        "# the standard tabulates its limits (each minimum from the rounded",
        "# maximum); tools/acme_data/make_acme.py writes this",
        "# file and checks it against printed values (tools/acme_data/published.csv:",
        "# a vendor chart of B1.5 2G limits and L. Merrick's Acme Thread Data",
        "# Sheets). Sizes: the B1.5 preferred combinations a public source lists,",
        "# .2500-16 to .8750-6 (tools/acme_data/sizes.csv); other sizes are",
        "# calculated by the program. Do not edit by hand: run the script.",
        ",".join(HEADER + ["source"]),
    ]
    table = {}
    for s in sizes:
        d, n = Decimal(s["dia"]), Decimal(s["tpi"])
        v = limits(d, n)
        table[(d, n)] = v
        cells = [s["dia"], s["tpi"]] + [format(v[h].quantize(FOUR), "f") for h in HEADER[2:]]
        lines.append(",".join(cells + ["ASME B1.5 formulas; " + s["source"]]))
    return "\n".join(lines) + "\n", table


def disagreements(table):
    problems = []
    for row in rows_of("published.csv"):
        d, n, cls = Decimal(row["dia"]), Decimal(row["tpi"]), row["class"].lower()
        v = table.get((d, n))
        if v is None:
            problems.append(f"{row['dia']}-{row['tpi']}: not a size of sizes.csv")
            continue
        col = row["column"]
        key = col + "_" + cls if col + "_" + cls in v else col
        # The data sheets are a designer's own working of the formulas: one unit
        # of the last place is their rounding, not the standard's.
        slack = FOUR if row["source"].startswith("merrick") else 0
        if abs(v[key] - Decimal(row["value"])) > slack:
            problems.append(
                f"{row['dia']}-{row['tpi']} {row['class']} {col}: formula {v[key]}, "
                f"printed {row['value']} ({row['source']})"
            )
    return problems


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--check", action="store_true", help="compare, do not write")
    args = ap.parse_args()
    text, table = build()
    problems = disagreements(table)
    for p in problems:
        print("published value differs:", p, file=sys.stderr)
    if args.check:
        stale = not OUT.exists() or OUT.read_text() != text
        if stale:
            print(f"{OUT} is stale: run tools/acme_data/make_acme.py", file=sys.stderr)
        return 1 if stale or problems else 0
    OUT.write_text(text)
    print(f"wrote {OUT} ({len(table)} sizes)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
