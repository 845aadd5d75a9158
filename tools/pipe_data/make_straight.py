#!/usr/bin/env python3
"""Writes data/npsc.csv, data/npsm.csv, data/npsl.csv and data/nptr.csv.

Every dimension is a value a source prints (npsc_published.csv,
npsm_published.csv, npsl_published.csv beside this script, each naming its
source); od is the pipe's outside diameter D of ASME B1.20.1 Table 2 (as in
npt.csv). Before writing, the printed values are checked against the rules the
standard and its transcriptions state; on any difference nothing is written:
  NPSC  pitch diameter min/max = E1 -/+ 1.5 turns x 0.0625/n (to 4 decimals)
  NPSM  (max + min)/2 of every limit equals the mid-tolerance values of the
        standard's table (npsm_midpoint_dims_tomasen.csv);
        allowance = internal PD min - external PD max; internal PD min = E1
  NPSL  external major max = external PD max + 0.666025 p (to 3 decimals)
  all   every maximum is above its minimum, tpi is NPT's
No source at hand prints NPTR (railing joint) dimensions: nptr.csv has no rows.

    make_straight.py [--check]

--check compares data/ with what would be written and writes nothing.
"""
import sys
from decimal import Decimal
from fractions import Fraction
from pathlib import Path

from make_npt import HERE, DATA, KEYS, npt_rows, places, read_csv, text, write_or_check

MIDPOINTS = HERE / "npsm_midpoint_dims_tomasen.csv"

LAYOUT = {
    "npsc": ["minor_min", "pd_min", "pd_max"],
    "npsm": ["allowance", "ext_major_max", "ext_major_min", "ext_pd_max", "ext_pd_min",
             "int_minor_min", "int_minor_max", "int_pd_min", "int_pd_max"],
    "npsl": ["ext_major_max", "ext_pd_max", "ext_pd_min", "int_minor_min", "int_pd_min",
             "int_pd_max"],
}
LIMIT_PAIRS = [("ext_major_min", "ext_major_max"), ("ext_pd_min", "ext_pd_max"),
               ("int_minor_min", "int_minor_max"), ("int_pd_min", "int_pd_max"),
               ("pd_min", "pd_max")]

HEADS = {
    "npsc": """\
# Internal straight threads in pipe couplings NPSC (ASME B1.20.1), one row per nominal
# pipe size, 1/8 to 4: minimum minor diameter, minimum and maximum pitch diameter, as
# Machinery's Handbook 27th ed. Table 4 prints them (tools/pipe_data/npsc_published.csv
# gives the address). Every pitch diameter is checked against the standard's rule
# E1 -/+ 1.5 x 0.0625/n. od is the pipe's outside diameter D of B1.20.1 Table 2.
# Written by tools/pipe_data/make_straight.py; do not edit by hand.
# size is the size key (1/8 = 0.125). Units: inches.
""",
    "npsm": """\
# Straight pipe threads for free-fitting mechanical joints for fixtures NPSM (ASME
# B1.20.1), one row per nominal pipe size, 1/8 to 6: allowance, external thread (2A)
# major and pitch diameter limits, internal thread (2B) minor and pitch diameter limits,
# as Westport Corporation prints them (tools/pipe_data/npsm_published.csv gives the
# address). Checked: (max + min)/2 equals the standard's mid-tolerance values, allowance
# = internal PD min - external PD max, internal PD min = E1. od is the pipe's outside
# diameter D of B1.20.1 Table 2. 1/16 is no NPSM size (the standard's table starts at
# 1/8): the program refuses it.
# Written by tools/pipe_data/make_straight.py; do not edit by hand.
# size is the size key (1/8 = 0.125). Units: inches.
""",
    "npsl": """\
# Straight pipe threads for loose-fitting mechanical joints with locknuts NPSL (ASME
# B1.20.1), one row per nominal pipe size: external major diameter max, external and
# internal pitch diameter limits, internal minor diameter min, as Westport Corporation
# prints them (tools/pipe_data/npsl_published.csv gives the address). Only 1/8 is
# printed complete in the source at hand; 1/4 to 12 have no row (their page shows
# "  N/A" and says the table has none) until a user holding the standard adds them.
# Checked: major max = PD max + 0.666025 p. od is the pipe's outside diameter D of
# B1.20.1 Table 2.
# Written by tools/pipe_data/make_straight.py; do not edit by hand.
# size is the size key (1/8 = 0.125). Units: inches.
""",
    "nptr": """\
# Taper pipe threads for railing joints NPTR (ASME B1.20.1), one row per nominal pipe
# size, 1/2 to 4. No rows: no source at hand prints the railing joint table (E6, L6,
# q, Q, T, S ...), and these values are not made up; the page shows "  N/A" and says
# the table has none.
# A user holding the standard adds the rows here (see data/README.md).
# size is the size key (1/2 = 0.5). Units: inches.
""",
}
NPTR_COLS = ["size", "od", "tpi", "h", "e6", "l6", "l6_thds", "l2_l6", "l2_l6_thds", "total_len",
             "total_thds", "v", "v_thds", "recess_depth_min", "recess_dia_min", "length_t_min",
             "notch_distance", "notch_distance_thds", "source"]


def check(kind, r, npt, problems):
    size = r["size"]
    d = {k: Decimal(r[k]) for k in LAYOUT[kind]}
    if Fraction(r["tpi"]) != Fraction(npt["tpi"]):
        problems.append(f"{kind} {size}: tpi {r['tpi']} is not NPT's {npt['tpi']}")
    for lo, hi in LIMIT_PAIRS:
        if lo in d and hi in d and d[lo] >= d[hi]:
            problems.append(f"{kind} {size}: {lo} {d[lo]} is not below {hi} {d[hi]}")
    p = 1 / Fraction(r["tpi"])
    if kind == "npsc":
        turns = Fraction(3, 2) * p / 16
        for col, want in [("pd_min", npt["_e1"] - turns), ("pd_max", npt["_e1"] + turns)]:
            if places(want, 4) != d[col]:
                problems.append(f"npsc {size}: {col} {d[col]} is not E1 -/+ 1.5 turns "
                                f"{places(want, 4)}")
    if kind == "npsm":
        if d["int_pd_min"] - d["ext_pd_max"] != d["allowance"]:
            problems.append(f"npsm {size}: allowance {d['allowance']} is not internal PD min - "
                            f"external PD max")
        if places(npt["_e1"], 4) != d["int_pd_min"]:
            problems.append(f"npsm {size}: internal PD min {d['int_pd_min']} is not E1")
    if kind == "npsl":
        want = places(Fraction(d["ext_pd_max"]) + Fraction("0.666025") * p, 3)
        if want != d["ext_major_max"]:
            problems.append(f"npsl {size}: major max {d['ext_major_max']} is not PD max + "
                            f"0.666025 p ({want})")


def check_midpoints(rows, problems):
    cols = {"ext_2A_major_mid_in": ("ext_major_max", "ext_major_min"),
            "ext_2A_pd_mid_in": ("ext_pd_max", "ext_pd_min"),
            "int_2B_pd_mid_in": ("int_pd_min", "int_pd_max"),
            "int_2B_minor_mid_in": ("int_minor_min", "int_minor_max")}
    by_size = {r["size"]: r for r in rows}
    for m in read_csv(MIDPOINTS):
        size = m["designation"].rsplit("-", 1)[0]
        r = by_size.get(size)
        if r is None:
            problems.append(f"npsm {size}: the standard has mid-tolerance values, we no row")
            continue
        for mid, (a, b) in cols.items():
            if (Decimal(r[a]) + Decimal(r[b])) / 2 != Decimal(m[mid]):
                problems.append(f"npsm {size}: ({a} + {b})/2 is not the standard's {m[mid]}")


def main(argv):
    if any(a != "--check" for a in argv):
        print(__doc__.strip(), file=sys.stderr)
        return 2
    npt = npt_rows()
    problems = []
    out = {}
    for kind, cols in LAYOUT.items():
        rows = read_csv(HERE / f"{kind}_published.csv")
        source = next(line for line in open(HERE / f"{kind}_published.csv")
                      if "http" in line).split("http", 1)[1].split()[0]
        written = []
        for r in rows:
            check(kind, r, npt[r["size"]], problems)
            w = {"size": KEYS[r["size"]], "od": npt[r["size"]]["od"], "tpi": r["tpi"],
                 "source": "http" + source}
            w.update({c: r[c] for c in cols})
            written.append(w)
        if kind == "npsm":
            check_midpoints(rows, problems)
        out[DATA / f"{kind}.csv"] = text(HEADS[kind], ["size", "od", "tpi"] + cols + ["source"],
                                         written)
    out[DATA / "nptr.csv"] = text(HEADS["nptr"], NPTR_COLS, [])
    if problems:
        print("\n".join(problems), file=sys.stderr)
        return 1
    return write_or_check(out, argv)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
