#!/usr/bin/env python3
"""Writes data/npt.csv, data/nptgage.csv and tools/pipe_data/npt_published.csv.

npt.csv: per size the outside diameter D and the handtight engagement L1 (inches
and threads) as ASME B1.20.1 Table 2 prints them (L1 is tabulated, not a
formula), the vanish thread V as printed per pitch, and everything else from the
standard's formulas, rounded half to even as the standard rounds.  Before
writing, every result is compared with every value the sources print
(npt_table2.csv, npt_chicagotube.csv, npt_weldbend.csv,
npt_basic_dims_sources.csv); on any difference nothing is written.
nptgage.csv: the gauge maker's basic plug and ring gauge dimensions
(npt_gage_basic_dims_partial.csv), checked against npt.csv.
npt_published.csv: the published OD, L1, L2, E0, E1, E2 and L4 per size, for
tests that check the program against the standard.

    make_npt.py [--check]

--check compares the written files with what would be written and writes nothing.
"""
import csv
import sys
from decimal import Decimal, ROUND_HALF_EVEN
from fractions import Fraction
from pathlib import Path

HERE = Path(__file__).resolve().parent
DATA = HERE.parents[1] / "data"

# The size texts of the pipe size list and their keys.
KEYS = {"1/16": "0.0625", "1/8": "0.125", "1/4": "0.25", "3/8": "0.375", "1/2": "0.5",
        "3/4": "0.75", "1": "1", "1 1/4": "1.25", "1 1/2": "1.5", "2": "2", "2 1/2": "2.5",
        "3": "3", "3 1/2": "3.5", "4": "4", "5": "5", "6": "6", "8": "8", "10": "10",
        "12": "12", "14 OD": "14", "16 OD": "16", "18 OD": "18", "20 OD": "20", "24 OD": "24"}

# V as the standard prints it per pitch; not 3.47 p rounded (3.47/14 = 0.24786,
# 3.47/8 = 0.43375, printed 0.2478 and 0.4337).
VANISH = {Fraction(27): "0.1285", Fraction(18): "0.1928", Fraction(14): "0.2478",
          Fraction(23, 2): "0.3017", Fraction(8): "0.4337"}

# Misprints of the sources: (source, size, column) -> the value the standard gives.
MISPRINTS = {("npt_table2", "1 1/4", "pitch"): "0.08696",
             ("npt_chicagotube", "3", "e0"): "3.34062",
             ("npt_chicagotube", "3", "l2"): "1.2000",
             ("npt_weldbend", "1 1/4", "h"): "0.06957"}

# Values a user checks first (1/2 NPT), as the standard prints them.
SPOT = {"1/2": {"od": "0.840", "l1": "0.320", "e0": "0.75843", "l4": "0.7815"}}


def places(x, n):
    """x (Fraction or Decimal) to n decimals, half to even, as the standard rounds."""
    if isinstance(x, Fraction):
        x = Decimal(x.numerator) / Decimal(x.denominator)
    return Decimal(x).quantize(Decimal(1).scaleb(-n), rounding=ROUND_HALF_EVEN)


def decimals(text):
    return len(text.split(".")[1]) if "." in text else 0


def read_csv(path):
    with open(path, newline="") as f:
        return list(csv.DictReader(line for line in f if not line.startswith("#")))


def npt_row(t2):
    """One npt.csv row from a Table 2 row; exact values kept under '_' keys."""
    d = Fraction(t2["od"])
    n = Fraction(t2["tpi"])
    p = 1 / n
    e0 = d - (d / 20 + Fraction(11, 10)) * p
    l1 = Fraction(t2["l1"])
    l2_thds = Fraction(4, 5) * d + Fraction(68, 10)
    l2 = l2_thds * p
    l3_thds = Fraction(2 if n == 8 else 3)
    l3 = l3_thds * p
    l5 = l2 - 2 * p
    h = Fraction(4, 5) * p
    v = Decimal(VANISH[n])
    r = {"size": KEYS[t2["size"]], "od": places(d, 4), "tpi": t2["tpi"],
         "e0": places(e0, 5), "l1": places(l1, 4), "l1_thds": Decimal(t2["l1_thds"]),
         "e1": places(e0 + l1 / 16, 5),
         "l2": places(l2, 4), "l2_thds": places(l2_thds, 2), "e2": places(e0 + l2 / 16, 5),
         "l3": places(l3, 4), "l3_thds": places(l3_thds, 2), "e3": places(e0 - l3 / 16, 5),
         "v": v, "v_thds": Decimal("3.47"),
         "l5": places(l5, 4), "e5": places(e0 + l5 / 16, 5),
         "h": places(h, 5), "dia_inc_per_thd": places(p / 16, 5), "k0": places(e0 - h, 5),
         "_pitch": p, "_e0": e0, "_e1": e0 + l1 / 16, "_h": h, "_k0": e0 - h}
    r["l1_to_l2"] = r["l2"] - r["l1"]
    r["l1_to_l2_thds"] = r["l2_thds"] - r["l1_thds"]
    r["l4"] = r["l2"] + v
    r["l1_plus_l3"] = r["l1"] + r["l3"]
    return r


class Checker:
    def __init__(self):
        self.problems = []

    def agree(self, source, size, col, ours, printed):
        """ours (exact or rounded) against a printed value, to the printed decimals."""
        if printed is None or printed == "":
            return
        right = MISPRINTS.get((source, size, col))
        if right is not None:
            if Decimal(printed) == Decimal(right):
                self.problems.append(f"{source} {size} {col}: {printed} is listed as a misprint "
                                     "but agrees")
            printed = right
        if places(ours, decimals(printed)) != Decimal(printed):
            self.problems.append(f"{source} {size} {col}: ours {places(ours, 8).normalize()} "
                                 f"differs from the printed {printed}")


def check_npt(chk, rows, table2):
    for t in table2:
        r = rows[t["size"]]
        s = t["size"]
        chk.agree("npt_table2", s, "pitch", r["_pitch"], t["pitch"])
        chk.agree("npt_table2", s, "od", r["od"], t["od"])
        chk.agree("npt_table2", s, "l1_thds", r["l1"] * Decimal(t["tpi"]), t["l1_thds"])
        for col in ("e0", "e1", "l2", "l2_thds", "e2"):
            chk.agree("npt_table2", s, col, r["_" + col] if "_" + col in r else r[col], t[col])
    for c in read_csv(HERE / "npt_chicagotube.csv"):
        r = rows[c["size"]]
        for col in ("od", "tpi", "e0", "l2", "v", "e1", "l1", "e3", "l3", "l1_plus_l3"):
            ours = r["_e0"] if col == "e0" else r["_e1"] if col == "e1" else r[col]
            chk.agree("npt_chicagotube", c["size"], col, Decimal(str(ours)) if col == "tpi"
                      else ours, c[col])
    for w in read_csv(HERE / "npt_weldbend.csv"):
        r = rows[w["size"]]
        for col in ("l1_to_l2", "l1_to_l2_thds", "l3", "l3_thds", "e3", "v", "v_thds", "l4",
                    "l5", "e5", "h", "dia_inc_per_thd", "k0"):
            ours = {"h": r["_h"], "k0": r["_k0"]}.get(col, r[col])
            chk.agree("npt_weldbend", w["size"], col, ours, w[col])
    # Older transcriptions: D from a library (FreeCAD) and a data set, two-decimal
    # inch values of itexpp (some cut rather than rounded), L4 of the BOSL2 library.
    for b in read_csv(HERE / "npt_basic_dims_sources.csv"):
        r = rows[b["nps"]]
        chk.agree("npt_basic_dims_sources", b["nps"], "OD", r["od"], b["OD_in_from_freecad"])
        for col, key in [("L1_in_itexpp", "l1"), ("E1_in_itexpp", "e1"), ("L2_in_itexpp", "l2"),
                         ("L3_in_itexpp", "l3"), ("L4_in_itexpp", "l4"), ("L5_in_itexpp", "l5"),
                         ("h_in_itexpp", "h"), ("L1_threads_itexpp", "l1_thds"),
                         ("L2_threads_itexpp", "l2_thds"), ("L3_threads_itexpp", "l3_thds")]:
            if abs(r[key] - Decimal(b[col])) > Decimal("0.01"):
                chk.problems.append(f"itexpp {b['nps']} {col}: ours {r[key]}, printed {b[col]}")
        chk.agree("npt_basic_dims_sources", b["nps"], "L4_in_bosl2", r["l4"], b["L4_in_bosl2"])
    for size, spot in SPOT.items():
        for col, value in spot.items():
            if rows[size][col] != Decimal(value):
                chk.problems.append(f"{size}: {col} {rows[size][col]} is not {value}")


GAGE_COLS = ["plug_major_E0", "plug_major_E1", "plug_major_E2", "pd_E0", "pd_E1", "pd_E2",
             "ring_minor_E0", "ring_minor_E1", "dia_inc_per_thread", "thin_ring_thickness_L1"]
GAGE_SOURCE = "alphathreadgage.com/refsheets/REFnptpipe.htm"


def gage_row(src, npt):
    r = {"size": KEYS[src["size"]], "od": npt["od"], "tpi": src["tpi"], "source": GAGE_SOURCE}
    for c in GAGE_COLS:
        r[c.lower().replace("dia_inc_per_thread", "dia_inc_per_thd")
             .replace("thin_ring_thickness_l1", "ring_thickness")] = src[c]
    if not r["dia_inc_per_thd"]:
        # The standard's 0.0625/n, as Weldbend prints it for 1/2 (0.00446).
        r["dia_inc_per_thd"] = npt["dia_inc_per_thd"]
        r["source"] += "; increase per thread 0.0625/n"
    if not r["ring_thickness"]:
        # Table 2's footnote to L1: "Also length of thin ring gauge".
        r["ring_thickness"] = npt["l1"]
        r["source"] += "; ring thickness = L1 (B1.20.1 Table 2 footnote)"
    return r


def footnote_gage_row(npt):
    """A size the gauge maker's sheet lacks: what Table 2's footnotes fix.

    E1 is "also pitch diameter at gauging notch", L1 "also length of thin ring
    gauge and length from gauging notch to small end of plug gauge", L2 "also
    length of plug gauge": so the plug's pitch diameters at its small end, notch
    and large end are E0, E1 and E2, and the ring is L1 thick. Plug majors and
    ring minors hang on the crest truncations, which the footnotes do not give.
    """
    r = {c: "" for c in GAGE_OUT}
    r.update({"size": npt["size"], "od": npt["od"], "tpi": npt["tpi"], "pd_e0": npt["e0"],
              "pd_e1": npt["e1"], "pd_e2": npt["e2"], "dia_inc_per_thd": npt["dia_inc_per_thd"],
              "ring_thickness": npt["l1"],
              "source": "B1.20.1 Table 2 footnotes: PDs E0/E1/E2 and ring L1; no majors/minors"})
    return r


def check_gage(chk, src, g, npt):
    for ours, theirs in [("pd_e0", "e0"), ("pd_e1", "e1"), ("pd_e2", "e2"),
                         ("dia_inc_per_thd", "dia_inc_per_thd"), ("ring_thickness", "l1")]:
        if Decimal(g[ours]) != npt[theirs]:
            chk.problems.append(f"{src['size']}: gauge {ours} {g[ours]} differs from the basic "
                                f"{npt[theirs]}")
    if Fraction(src["tpi"]) != Fraction(npt["tpi"]):
        chk.problems.append(f"{src['size']}: gauge tpi {src['tpi']} differs from {npt['tpi']}")


NPT_HEAD = """\
# Basic dimensions of American National Standard taper pipe threads NPT
# (ASME B1.20.1 Table 2), one row per nominal pipe size, 1/16 to 24 OD.
# Written by tools/pipe_data/make_npt.py; do not edit by hand.
# Published values (tools/pipe_data/npt_table2.csv): od (D), l1 and l1_thds (L1 is
# tabulated, not a formula), and v, the vanish thread as printed per pitch (0.1285 at
# 27 tpi, 0.1928 at 18, 0.2478 at 14, 0.3017 at 11.5, 0.4337 at 8). Every other column
# is the standard's formula, p = 1/tpi, rounded half to even as the standard rounds:
#   E0 = D - (0.05 D + 1.1) p      E1 = E0 + 0.0625 L1   L2 = (0.8 D + 6.8) p
#   E2 = E0 + 0.0625 L2            L1 to L2 = L2 - L1    L3 = 3 p (2 p at 8 tpi)
#   E3 = E0 - 0.0625 L3            L4 = L2 + V           L5 = L2 - 2 p
#   E5 = E0 + 0.0625 L5            h = 0.8 p             increase per thread = 0.0625 p
#   K0 = E0 - h                    V threads = 3.47
# and each is checked against the printed value of every source that prints it
# (Table 2: p, E0, E1, L2, E2 of every size; Chicago Tube: E3, L3, V, L1 + L3 for
# 1/8 to 8; Weldbend: L1 to L2, E3, V, L4, L5, E5, h, K0 for 1/2 to 12). The source
# column names the sources that print the row.
# Lengths to 4 decimals, diameters to 5, thread counts to 2.
# size is the size key (1/16 = 0.0625, 14 OD = 14). Units: inches.
"""

GAGE_HEAD = """\
# Basic dimensions of NPT taper thread plug and ring gauges, one row per nominal
# pipe size, as published by a gauge maker (Alpha Thread Gage, reference sheet
# "Basic dimensions N.P.T. taper thread plug and ring gages"). Written by
# tools/pipe_data/make_npt.py; do not edit by hand.
# 1/16, 1/8, 1/4 and 3/8: every value as the sheet prints it; its pitch diameters
# equal E0, E1 and E2 of npt.csv, its ring thickness L1, its increase per thread
# 0.0625/n. Two typos of the sheet are corrected (1/8 ring thickness printed 0.01615,
# 1/4 ring minor at the notch printed 0.44563), as those checks confirm.
# 1/2: the sheet's row ends after the ring minor diameters; its increase per thread
# is the standard's 0.0625/n (0.00446, as npt.csv), its ring thickness L1 = 0.320,
# the footnote of B1.20.1 Table 2 to L1 reading "also length of thin ring gauge".
# od is the outside diameter D of npt.csv (the sheet has no column for it).
# 3/4 to 24 OD: no published gauge majors and minors were at hand; those cells are
# empty (shown "  N/A"). Their rows hold what the footnotes of B1.20.1 Table 2
# fix: E1 is "also pitch diameter at gauging notch", L1 "also length of thin ring
# gauge and length from gauging notch to small end of plug gauge", L2 "also length
# of plug gauge", so the plug's pitch diameters at small end, notch and large end
# are E0, E1 and E2 of npt.csv and the ring is L1 thick; increase per thread 0.0625/n.
# Units: inches.
"""

NPT_COLS = ["size", "od", "tpi", "e0", "l1", "l1_thds", "e1", "l2", "l2_thds", "e2", "l1_to_l2",
            "l1_to_l2_thds", "l3", "l3_thds", "e3", "v", "v_thds", "l4", "l5", "e5", "h",
            "dia_inc_per_thd", "k0", "source"]
GAGE_OUT = ["size", "od", "tpi", "plug_major_e0", "plug_major_e1", "plug_major_e2", "pd_e0",
            "pd_e1", "pd_e2", "ring_minor_e0", "ring_minor_e1", "dia_inc_per_thd",
            "ring_thickness", "source"]

PUBLISHED_HEAD = """\
# Values ASME B1.20.1 Table 2 prints per NPT size (1/16 from Machinery's Handbook,
# thread counts of 1/16 from itexpp.com), and L4 as Weldbend prints it (1/2 to 12;
# empty where no source at hand prints it). Written by tools/pipe_data/make_npt.py
# from npt_table2.csv and npt_weldbend.csv, which give the addresses. Inches.
"""
PUBLISHED_COLS = ["size_text", "od", "l1", "l1_thds", "l2", "l2_thds", "e0", "e1", "e2", "l4",
                  "source"]


def text(head, cols, rows):
    lines = [head.rstrip("\n"), ",".join(cols)]
    for r in rows:
        cells = []
        for c in cols:
            v = str(r[c])
            cells.append('"' + v + '"' if "," in v else v)
        lines.append(",".join(cells))
    return "\n".join(lines) + "\n"


def npt_rows():
    """The npt rows by size text, exact values included (for make_straight.py)."""
    return {t["size"]: npt_row(t) for t in read_csv(HERE / "npt_table2.csv")}


def write_or_check(out, argv):
    status = 0
    for path, body in out.items():
        if "--check" in argv:
            if not path.exists() or path.read_text() != body:
                print(f"{path} differs from what the sources give", file=sys.stderr)
                status = 1
        else:
            path.write_text(body)
    return status


def main(argv):
    if any(a != "--check" for a in argv):
        print(__doc__.strip(), file=sys.stderr)
        return 2
    table2 = read_csv(HERE / "npt_table2.csv")
    rows = npt_rows()
    chk = Checker()
    check_npt(chk, rows, table2)
    printed_by = {s: ["B1.20.1 Table 2"] for s in rows}
    printed_by["1/16"] = ["B1.20.1 as printed by Machinery's Handbook Table 1a"]
    for name, label in [("npt_chicagotube.csv", "Chicago Tube"), ("npt_weldbend.csv", "Weldbend")]:
        for c in read_csv(HERE / name):
            printed_by[c["size"]].append(label)
    for s, r in rows.items():
        r["source"] = "; ".join(printed_by[s])
    weldbend = {w["size"]: w for w in read_csv(HERE / "npt_weldbend.csv")}
    published = []
    for t in table2:
        w = weldbend.get(t["size"])
        src = ("Machinery's Handbook Table 1a; itexpp" if t["size"] == "1/16"
               else "B1.20.1 Table 2 (OCR)") + ("; L4 Weldbend" if w else "")
        published.append({"size_text": t["size"], "od": t["od"], "l1": t["l1"],
                          "l1_thds": t["l1_thds"], "l2": t["l2"], "l2_thds": t["l2_thds"],
                          "e0": t["e0"], "e1": t["e1"], "e2": t["e2"],
                          "l4": w["l4"] if w else "", "source": src})
    gages = []
    maker = {s["size"]: s for s in read_csv(HERE / "npt_gage_basic_dims_partial.csv")}
    for size, npt in rows.items():
        if size in maker:
            g = gage_row(maker[size], npt)
            check_gage(chk, maker[size], g, npt)
        else:
            g = footnote_gage_row(npt)
        gages.append(g)
    if chk.problems:
        print("\n".join(chk.problems), file=sys.stderr)
        return 1
    return write_or_check({DATA / "npt.csv": text(NPT_HEAD, NPT_COLS, rows.values()),
                           DATA / "nptgage.csv": text(GAGE_HEAD, GAGE_OUT, gages),
                           HERE / "npt_published.csv": text(PUBLISHED_HEAD, PUBLISHED_COLS,
                                                            published)}, argv)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
