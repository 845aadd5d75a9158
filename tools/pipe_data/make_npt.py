#!/usr/bin/env python3
"""Writes data/npt.csv and data/nptgage.csv from the published NPT values.

npt.csv: per size the published outside diameter D, the published hand-tight
engagement L1 in threads and, where published, L4; everything else from the
ASME B1.20.1 formulas.  nptgage.csv: the gauge maker's basic plug and ring
gauge dimensions.  Before writing, every result is compared with the published
values the sources give; on any difference nothing is written.

    make_npt.py [--check]

The published values are in npt_basic_dims_sources.csv and
npt_gage_basic_dims_partial.csv beside this script, each naming its sources
(calc_* columns there are formula results, kept for comparison only).
--check compares data/ with what would be written and writes nothing.
"""
import csv
import sys
from decimal import Decimal, ROUND_HALF_UP
from fractions import Fraction
from pathlib import Path

DATA = Path(__file__).resolve().parents[2] / "data"

# The size texts of the pipe size list and their keys.
KEYS = {"1/16": "0.0625", "1/8": "0.125", "1/4": "0.25", "3/8": "0.375", "1/2": "0.5",
        "3/4": "0.75", "1": "1", "1 1/4": "1.25", "1 1/2": "1.5", "2": "2", "2 1/2": "2.5",
        "3": "3", "3 1/2": "3.5", "4": "4", "5": "5", "6": "6", "8": "8", "10": "10",
        "12": "12", "14 OD": "14", "16 OD": "16", "18 OD": "18", "20 OD": "20", "24 OD": "24"}

# Values a user checks first (1/2 NPT), as the standard prints them.
SPOT = {"1/2": {"od": "0.840", "l1": "0.320", "e0": "0.75843", "l4": "0.7815"}}


def places(x, n):
    q = Decimal(x.numerator) / Decimal(x.denominator)
    return q.quantize(Decimal(1).scaleb(-n), rounding=ROUND_HALF_UP)


def read_csv(path):
    with open(path, newline="") as f:
        return list(csv.DictReader(line for line in f if not line.startswith("#")))


def npt_row(src):
    d = Fraction(src["OD_in_from_freecad"])
    n = Fraction(src["tpi"])
    p = 1 / n
    l1_thds = Fraction(src["L1_threads_itexpp"])
    l2_thds = Fraction(4, 5) * d + Fraction(68, 10)
    l3_thds = Fraction(2 if n == 8 else 3)
    v_thds = Fraction(347, 100)
    e0 = d - (d / 20 + Fraction(11, 10)) * p
    l1 = places(l1_thds * p, 4)
    l2 = places(l2_thds * p, 4)
    l3 = places(l3_thds * p, 4)
    v = places(v_thds * p, 4)
    l5 = l2_thds * p - 2 * p
    h = Fraction(4, 5) * p
    r = {"size": KEYS[src["nps"]], "od": src["OD_in_from_freecad"], "tpi": src["tpi"],
         "e0": places(e0, 5), "l1": l1, "l1_thds": places(l1_thds, 2),
         "e1": places(e0 + Fraction(1, 16) * l1_thds * p, 5),
         "l2": l2, "l2_thds": places(l2_thds, 2), "e2": places(e0 + Fraction(1, 16) * l2_thds * p, 5),
         "l1_to_l2": places((l2_thds - l1_thds) * p, 4),
         "l1_to_l2_thds": places(l2_thds - l1_thds, 2),
         "l3": l3, "l3_thds": places(l3_thds, 2), "e3": places(e0 - Fraction(1, 16) * l3_thds * p, 5),
         "v": v, "v_thds": places(v_thds, 2),
         "l4": Decimal(src["L4_in_bosl2"]) if src["L4_in_bosl2"] else l2 + v,
         "l5": places(l5, 4), "e5": places(e0 + Fraction(1, 16) * l5, 5),
         "h": places(h, 5), "dia_inc_per_thd": places(Fraction(1, 16) * p, 5),
         "k0": places(e0 - h, 5),
         "source": "L4 published" if src["L4_in_bosl2"] else "L4 = L2 + V"}
    return r


def problems_npt(src, r):
    out = []

    def same(what, ours, published, tol):
        if published and abs(Decimal(str(ours)) - Decimal(published)) > Decimal(tol):
            out.append(f"{src['nps']}: {what} {ours} differs from the published {published}")

    # The second source prints D to 3 decimals (1/16 as 0.313).
    same("OD", r["od"], src["OD_in_dollodart"], "0.0005")
    # That source prints inches with at most 2 decimals, some cut rather than
    # rounded (3/8 L2 0.4078 as 0.4), thread counts rounded to 2 decimals.
    for col, key, tol in [("L1_in_itexpp", "l1", "0.01"), ("E1_in_itexpp", "e1", "0.01"),
                          ("L2_in_itexpp", "l2", "0.01"), ("L3_in_itexpp", "l3", "0.01"),
                          ("L4_in_itexpp", "l4", "0.01"), ("L5_in_itexpp", "l5", "0.01"),
                          ("h_in_itexpp", "h", "0.01"), ("L2_threads_itexpp", "l2_thds", "0.005"),
                          ("L3_threads_itexpp", "l3_thds", "0")]:
        same(col, r[key], src[col], tol)
    # The published L4 is the sum of L2 and V as the standard rounds them.
    if src["L4_in_bosl2"]:
        same("L2 + V", r["l2"] + r["v"], src["L4_in_bosl2"], "0.0001")
    for key, value in SPOT.get(src["nps"], {}).items():
        same(key, r[key], value, "0")
    return out


GAGE_COLS = ["plug_major_E0", "plug_major_E1", "plug_major_E2", "pd_E0", "pd_E1", "pd_E2",
             "ring_minor_E0", "ring_minor_E1", "dia_inc_per_thread", "thin_ring_thickness_L1"]


def gage_row(src, npt):
    r = {"size": KEYS[src["size"]], "od": npt["od"], "tpi": src["tpi"]}
    for c in GAGE_COLS:
        r[c.lower().replace("dia_inc_per_thread", "dia_inc_per_thd")
             .replace("thin_ring_thickness_l1", "ring_thickness")] = src[c]
    r["source"] = "alphathreadgage.com/refsheets/REFnptpipe.htm"
    if not r["dia_inc_per_thd"]:
        # Not read from the sheet: the standard's 0.0625/n, as npt.csv.
        r["dia_inc_per_thd"] = npt["dia_inc_per_thd"]
        r["source"] += "; increase per thread 0.0625/n"
    return r


def problems_gage(src, g, npt):
    out = []
    for ours, theirs in [("pd_e0", "e0"), ("pd_e1", "e1"), ("pd_e2", "e2"),
                         ("dia_inc_per_thd", "dia_inc_per_thd"), ("ring_thickness", "l1")]:
        if g[ours] and Decimal(g[ours]) != Decimal(str(npt[theirs])):
            out.append(f"{src['size']}: gauge {ours} {g[ours]} differs from the basic {npt[theirs]}")
    if src["tpi"] != npt["tpi"]:
        out.append(f"{src['size']}: gauge tpi {src['tpi']} differs from {npt['tpi']}")
    return out


NPT_HEAD = """\
# Basic dimensions of American National Standard taper pipe threads NPT
# (ASME B1.20.1, table of basic dimensions), one row per nominal pipe size.
# Written by tools/pipe_data/make_npt.py; do not edit by hand.
# Published values: od (outside diameter D), l1_thds (hand-tight engagement L1 in
# threads) and, where the source says "L4 published", l4. Every other column is
# the standard's formula with p = 1/tpi:
#   E0 = D - (0.05 D + 1.1) p      L1 = l1_thds p       E1 = E0 + 0.0625 L1
#   L2 = (0.8 D + 6.8) p           E2 = E0 + 0.0625 L2  L1 to L2 = L2 - L1
#   L3 = 3 p (2 p at 8 tpi)        E3 = E0 - 0.0625 L3  V = 3.47 p
#   L4 = L2 + V                    L5 = L2 - 2 p        E5 = E0 + 0.0625 L5
#   h = 0.8 p    increase in diameter per thread = 0.0625 p    K0 = E0 - h
# Lengths to 4 decimals, diameters to 5, thread counts to 2.
# Sizes 3 1/2 to 24 OD are left out: no published D and L1 for them were at hand.
# size is the size key (1/16 = 0.0625, 14 OD = 14). Units: inches.
"""

GAGE_HEAD = """\
# Basic dimensions of NPT taper thread plug and ring gauges, one row per nominal
# pipe size, as published by a gauge maker (Alpha Thread Gage, reference sheet
# "Basic dimensions N.P.T. taper thread plug and ring gages"). Its pitch
# diameters equal E0, E1 and E2 of npt.csv. Written by tools/pipe_data/make_npt.py.
# od is the published pipe outside diameter of npt.csv (the sheet has no column
# for it). The sheet's 1/2 row ends after the ring minor diameters: its
# increase per thread is the standard's 0.0625/n (the value npt.csv holds), its
# ring thickness is empty (no value). Sizes above 1/2
# have no rows: the program then keeps npt's outside diameter, tpi and increase
# per thread. Two typos of the sheet are corrected (1/8 ring thickness printed
# 0.01615, 1/4 ring minor at the notch printed 0.44563), as the checks against
# npt.csv confirm. Units: inches.
"""

NPT_COLS = ["size", "od", "tpi", "e0", "l1", "l1_thds", "e1", "l2", "l2_thds", "e2", "l1_to_l2",
            "l1_to_l2_thds", "l3", "l3_thds", "e3", "v", "v_thds", "l4", "l5", "e5", "h",
            "dia_inc_per_thd", "k0", "source"]
GAGE_OUT = ["size", "od", "tpi", "plug_major_e0", "plug_major_e1", "plug_major_e2", "pd_e0",
            "pd_e1", "pd_e2", "ring_minor_e0", "ring_minor_e1", "dia_inc_per_thd",
            "ring_thickness", "source"]


def text(head, cols, rows):
    lines = [head.rstrip("\n"), ",".join(cols)]
    for r in rows:
        cells = []
        for c in cols:
            v = str(r[c])
            cells.append('"' + v + '"' if "," in v else v)
        lines.append(",".join(cells))
    return "\n".join(lines) + "\n"


def main(argv):
    if any(a != "--check" for a in argv):
        print(__doc__.strip(), file=sys.stderr)
        return 2
    sources = Path(__file__).resolve().parent
    npt_src = read_csv(sources / "npt_basic_dims_sources.csv")
    gage_src = read_csv(sources / "npt_gage_basic_dims_partial.csv")
    problems = []
    rows = {}
    for s in npt_src:
        r = npt_row(s)
        problems += problems_npt(s, r)
        rows[s["nps"]] = r
    gages = []
    for s in gage_src:
        g = gage_row(s, rows[s["size"]])
        problems += problems_gage(s, g, rows[s["size"]])
        gages.append(g)
    if problems:
        print("\n".join(problems), file=sys.stderr)
        return 1
    out = {"npt.csv": text(NPT_HEAD, NPT_COLS, rows.values()),
           "nptgage.csv": text(GAGE_HEAD, GAGE_OUT, gages)}
    status = 0
    for name, body in out.items():
        path = DATA / name
        if "--check" in argv:
            if not path.exists() or path.read_text() != body:
                print(f"{path} differs from what the sources give", file=sys.stderr)
                status = 1
        else:
            path.write_text(body)
    return status


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
