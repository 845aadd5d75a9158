#!/usr/bin/env python3
"""Builds data/ansitbl.csv and data/unstbl.csv, the sources of the unified inch
limits tables, from the two input files beside this script:

    sizes.csv      the standard series (ASME B1.1-1989 Table 1), one row per thread
    published.csv  limits transcribed from public sources, one value per line

Every limit is computed with the formulas of ASME B1.1-1989; a published value
replaces the computed one where its source is trusted (see accept()). The
classes 1A/1B of UNC and UNF from 1/4 in up and the classes 2A/2B and 3A/3B of
every row are written. unstbl.csv gets the special (UNS) threads whose external
pitch diameter limits a source gives, their other limits from the formulas where
no source prints them.

Re-run after editing an input (Python 3.8 or later, standard library only):

    python3 tools/unified_data/make_ansitbl.py           # rewrite both files
    python3 tools/unified_data/make_ansitbl.py --report  # ... and print the comparison
    python3 tools/unified_data/make_ansitbl.py --check   # exit 1 if data/ is stale

The output depends only on the two inputs. The build never runs this script:
the CSV files it writes are kept under version control and compiled by mktables.
"""

import argparse
import csv
import math
import sys
from collections import Counter, defaultdict
from decimal import ROUND_HALF_UP, Decimal
from fractions import Fraction
from pathlib import Path

HERE = Path(__file__).resolve().parent
DATA = HERE.parent.parent / "data"
EDITION = "ASME B1.1-1989"

TRUST = {"CHART": 3, "EFUNDA": 2, "FEDSTD": 2, "MH27": 2, "DIECHASER": 1, "SCRIBD": 1}

EXT_COLS = ["ext_major_max", "ext_major_min", "ext_pd_max", "ext_pd_min", "ext_minor_max"]
INT_COLS = ["int_minor_min", "int_minor_max", "int_pd_min", "int_pd_max", "int_pd_tol",
            "int_major_min"]
ANSI_HEADER = ["dia", "tpi", "series", "ext_class"] + EXT_COLS + ["int_class"] + INT_COLS + \
    ["source", "published_cols"]
UNS_EXT = ["ext_major_max", "ext_major_min", "ext_pd_max", "ext_pd_min"]
UNS_INT = ["int_minor_max", "int_minor_min", "int_pd_min", "int_pd_max", "int_major_min"]
UNS_HEADER = ["dia", "tpi", "class", "ext_class"] + UNS_EXT + ["int_class"] + UNS_INT + \
    ["source", "published_cols"]

# Thread pitches whose constant-pitch series take a length of engagement of
# nine pitches; the coarse constant pitches (4, 6, 8 UN) take one diameter.
# The printed UNS rows of published.csv fit nine pitches, except 1-14 UNS (the
# former 1-14 UNF), which fits one diameter.
FINE_CONSTANT_PITCHES = {12, 16, 20, 28, 32}


def read_rows(path):
    """Rows of a CSV whose leading '#' lines are comments."""
    with open(path, newline="") as f:
        lines = [line for line in f if line.strip()]
    body = [line for line in lines if not line.startswith("#")]
    return list(csv.DictReader(body))


def size_dia(name):
    """Basic major diameter of "No.10" or "1 1/16" as an exact fraction."""
    if name.startswith("No."):
        return Fraction(60 + 13 * int(name[3:]), 1000)
    return sum((Fraction(part) for part in name.split()), Fraction(0))


def dec(x, places):
    """x rounded half up to the given places (x a float, Fraction or Decimal)."""
    if isinstance(x, Fraction):
        x = Decimal(x.numerator) / Decimal(x.denominator)
    elif not isinstance(x, Decimal):
        x = Decimal(repr(x))
    return x.quantize(Decimal(1).scaleb(-places), rounding=ROUND_HALF_UP)


def rnd(x, places):
    """The standard's rounding: worked to six places, then rounded half up."""
    return dec(dec(x, 6), places)


class Thread:
    def __init__(self, size, tpi, series):
        self.size = size
        self.tpi = Fraction(tpi)
        self.series = series
        self.dia = size_dia(size)
        self.D = float(self.dia)
        self.P = 1.0 / float(self.tpi)
        # A special thread is worked with LE = 9P unless its printed limits
        # show LE = D (see uns_engagement()).
        self.uns_le_is_d = False

    @property
    def key(self):
        return (self.dia, self.tpi)

    def name(self):
        return "%s-%s %s" % (self.size, fmt_tpi(self.tpi), self.series)

    def classes(self):
        one = self.series in ("UNC", "UNF") and self.dia >= Fraction(1, 4)
        return [1, 2, 3] if one else [2, 3]

    def engagement(self):
        """Length of engagement the standard's tolerances are based on."""
        if self.series == "UNEF":
            return 9 * self.P
        if self.series == "UN" and round(float(self.tpi)) in FINE_CONSTANT_PITCHES:
            return 9 * self.P
        if self.series == "UNS":
            return self.D if self.uns_le_is_d else 9 * self.P
        return self.D

    def pd_tol_2a(self):
        """Class 2A pitch-diameter tolerance: 0.0015 D^1/3 + 0.0015 LE^1/2 + 0.015 P^2/3."""
        return (0.0015 * self.D ** (1 / 3) + 0.0015 * math.sqrt(self.engagement())
                + 0.015 * self.P ** (2 / 3))


def minor_places(col, n, dia):
    """Class 1B/2B minor diameters from No.6 up are given to three places."""
    if col.startswith("int_minor") and n in (1, 2) and dia >= Fraction(138, 1000):
        return 3
    return 4


def formula(t, n, allowance=None):
    """Limits of class nA/nB of thread t by the formulas of ASME B1.1-1989.

    allowance, when given, replaces the computed allowance of classes 1A and 2A
    (it is taken from a published class 2A pitch diameter).
    """
    D, P = t.D, t.P
    t2a = t.pd_tol_2a()
    basic_pd = rnd(D - 0.649519 * P, 4)
    es_raw = 0.3 * t2a if n in (1, 2) else 0.0
    es = rnd(es_raw, 4)
    if allowance is not None and n in (1, 2):
        es = allowance
    dia = dec(t.dia, 4)
    r = {"basic_pd": basic_pd, "allowance": es}
    # External thread: major tolerance 0.090 P^2/3 (1A) or 0.060 P^2/3 (2A, 3A);
    # pitch-diameter tolerance 1.5, 1 or 0.75 times the class 2A tolerance.
    r["ext_major_max"] = dia - es
    r["ext_major_min"] = dia - es - rnd((0.09 if n == 1 else 0.06) * P ** (2 / 3), 4)
    r["ext_pd_max"] = basic_pd - es
    r["ext_pd_min"] = basic_pd - es - rnd({1: 1.5, 2: 1.0, 3: 0.75}[n] * t2a, 4)
    # UNR minor diameter (reference): D - allowance - 1.190785 P, with the
    # allowance not rounded.
    r["ext_minor_max"] = rnd(D - es_raw - 1.190785 * P, 4)
    # Internal thread: pitch-diameter tolerance 1.95, 1.3 or 0.975 times 2A.
    r["int_pd_min"] = basic_pd
    r["int_pd_max"] = basic_pd + rnd({1: 1.95, 2: 1.3, 3: 0.975}[n] * t2a, 4)
    r["int_major_min"] = dia
    # Minor diameter: minimum the basic minor diameter D - 1.082532 P; class 3B
    # tolerance 0.05 P^2/3 + 0.03 P/D - 0.002, not below 0.23 P - 1.5 P^2 (finer
    # than 12 tpi) or 0.120 P (12 tpi and coarser), not above 0.394 P; classes
    # 1B/2B take 0.25 P - 0.4 P^2 (0.15 P below 4 tpi) from 1/4 in up and the
    # class 3B limit, rounded to their places, below 1/4 in. The basic minor
    # diameter is worked to four places before the tolerance is added.
    basic_minor = rnd(D - 1.082532 * P, 4)
    tol3 = 0.05 * P ** (2 / 3) + 0.03 * P / D - 0.002
    tol3 = max(tol3, 0.23 * P - 1.5 * P * P) if t.tpi > 12 else max(tol3, 0.12 * P)
    tol3 = min(tol3, 0.394 * P)
    max3 = rnd(float(basic_minor) + tol3, 4)
    places = minor_places("int_minor_min", n, t.dia)
    # The minimum is printed to three places from No.6 up in every class.
    r["int_minor_min"] = dec(dec(basic_minor, 3 if t.dia >= Fraction(138, 1000) else 4), places)
    if n == 3:
        r["int_minor_max"] = max3
    elif t.dia < Fraction(1, 4):
        r["int_minor_max"] = dec(max3, places)
    else:
        tol2 = 0.25 * P - 0.4 * P * P if t.tpi >= 4 else 0.15 * P
        tol2 = min(tol2, 0.394 * P)
        r["int_minor_max"] = dec(rnd(float(basic_minor) + tol2, 4), places)
    r["int_pd_tol"] = r["int_pd_max"] - r["int_pd_min"]
    return r


class Published:
    def __init__(self, row):
        self.size = row["size"]
        self.tpi = Fraction(row["tpi"])
        self.series = row["series"]
        self.cls = row["class"]
        self.col = row["column"]
        self.text = row["value"]
        self.value = Decimal(row["value"])
        self.source = row["source"]
        self.note = row["note"] or ""
        self.key = (size_dia(self.size), self.tpi)
        if self.source not in TRUST:
            raise SystemExit("published.csv: unknown source %s" % self.source)

    def applies_to(self, label, col):
        """True when this value is the cell (class label, column)."""
        if self.cls == "-":
            return self.col == "basic_pd" and (
                (label == "3A" and col == "ext_pd_max") or
                (label.endswith("B") and col == "int_pd_min"))
        return col == self.col and label in self.cls.split("/")


class Builder:
    def __init__(self, published):
        self.by_key = defaultdict(list)
        for p in published:
            self.by_key[p.key].append(p)
        self.accepted = []   # (Published, computed value)
        self.rejected = []   # (Published, computed value, reason)
        self.conflicts = []

    def accept(self, thread, label, col, computed, places):
        """The published value of a cell, or None.

        A value is taken from a high-trust source, or when it lies within one
        unit of its last place of the computed value, or when another source
        prints the same value; otherwise it is a typo. Of several values the
        most trusted wins, then the one nearer the computed value.
        """
        cands = [p for p in self.by_key[thread.key] if p.applies_to(label, col)]
        if not cands:
            return None
        unit = Decimal(1).scaleb(-places)
        good = []
        for p in cands:
            confirmed = any(q is not p and q.source != p.source and q.value == p.value
                            for q in cands)
            near = abs(p.value - computed) <= unit
            if TRUST[p.source] >= 3 or near or confirmed:
                good.append(p)
                self.accepted.append((p, computed))
            else:
                self.rejected.append((p, computed, "%s %s %s: %s, computed %s%s" % (
                    thread.name(), label, col, p.text, computed,
                    " (%s)" % p.note if p.note else "")))
        if not good:
            return None
        values = {p.value for p in good}
        best = max(good, key=lambda p: (TRUST[p.source], -abs(p.value - computed)))
        if len(values) > 1:
            self.conflicts.append("%s %s %s: %s -> %s" % (
                thread.name(), label, col,
                ", ".join("%s %s" % (p.source, p.text) for p in good), best.text))
        return best.value

    def rows(self, thread):
        # The allowance of a thread shows in its published class 2A pitch
        # diameter; taking it from there keeps major and pitch limits of
        # classes 1A and 2A consistent with the printed table.
        base = formula(thread, 2)
        basic = self.peek(thread, "3A", "ext_pd_max", base["basic_pd"]) or base["basic_pd"]
        pd2 = self.peek(thread, "2A", "ext_pd_max", base["ext_pd_max"])
        allowance = basic - pd2 if pd2 is not None and basic - pd2 >= 0 else None
        out = []
        for n in thread.classes():
            calc = formula(thread, n, allowance)
            final, published = {}, []
            for col in EXT_COLS + INT_COLS:
                if col == "int_pd_tol":
                    continue
                label = "%d%s" % (n, "A" if col.startswith("ext") else "B")
                places = minor_places(col, n, thread.dia)
                value = self.accept(thread, label, col, calc[col], places)
                if value is not None:
                    published.append(col)
                    final[col] = value
                else:
                    final[col] = calc[col]
                final[col] = dec(final[col], places)
            final["int_pd_tol"] = final["int_pd_max"] - final["int_pd_min"]
            if "int_pd_max" in published and "int_pd_min" in published:
                published.append("int_pd_tol")
            published.sort(key=(EXT_COLS + INT_COLS).index)
            check_row(thread, n, final)
            count = len(EXT_COLS) + len(INT_COLS)
            source = "formula" if not published else (
                "published" if len(published) == count else "published+formula")
            out.append((thread, n, final, source, published))
        return out

    def peek(self, thread, label, col, computed):
        """Like accept() but without recording the decision."""
        saved = (len(self.accepted), len(self.rejected), len(self.conflicts))
        value = self.accept(thread, label, col, computed, 4)
        del self.accepted[saved[0]:]
        del self.rejected[saved[1]:]
        del self.conflicts[saved[2]:]
        return value


def check_row(t, n, r):
    """Relations every row of the standard satisfies; a failure stops the build."""
    dia = dec(t.dia, 4)
    problems = []
    for a, b in (("ext_major_max", "ext_major_min"), ("ext_pd_max", "ext_pd_min"),
                 ("int_minor_max", "int_minor_min"), ("int_pd_max", "int_pd_min")):
        if r[a] < r[b]:
            problems.append("%s < %s" % (a, b))
    if not r["int_minor_min"] < r["int_pd_min"] < r["int_major_min"]:
        problems.append("internal minor/pitch/major out of order")
    if not r["ext_minor_max"] < r["ext_pd_min"] <= r["ext_pd_max"] < r["ext_major_min"]:
        problems.append("external minor/pitch/major out of order")
    if r["ext_major_max"] > dia or r["ext_pd_max"] > r["int_pd_min"]:
        problems.append("negative allowance")
    if n == 3 and (r["ext_major_max"] != dia or r["ext_pd_max"] != r["int_pd_min"]):
        problems.append("class 3A with an allowance")
    if problems:
        raise SystemExit("%s class %d: %s" % (t.name(), n, "; ".join(problems)))


def fmt_tpi(tpi):
    return str(tpi.numerator) if tpi.denominator == 1 else "%g" % float(tpi)


ANSI_COMMENT = """\
# Standard unified inch screw threads (UN; UNR and UNJ use the same rows):
# limits of size of ASME B1.1-1989 (Unified Inch Screw Threads, UN and UNR
# Thread Form), Table 2 "Standard Series and Selected Combinations", for the
# series of its Table 1: UNC, UNF, UNEF and the constant-pitch 4UN to 32UN.
# Compiled by mktables into ansitbl.bin. Generated by
# tools/unified_data/make_ansitbl.py: edit its inputs and re-run it rather
# than editing this file.
# Inches; one row per thread and class number (1 for 1A/1B, 2 for 2A/2B, 3 for
# 3A/3B). The edition is kept throughout: 1-8 UNC class 2A PD min is 0.9100.
# Columns (the standard's Table 2 column, and the formula of the standard that
# gives it where no published value is at hand):
#   dia            basic major diameter D (No.0 0.0600, +0.0130 a number).
#   tpi            threads per inch n; P = 1/n.
#   series         UNC, UNF, UNEF, or UN for the constant-pitch series.
#   ext_class      external class. Allowance es (1A, 2A) = 0.3 x class 2A PD
#                  tolerance, none for 3A; class 2A PD tolerance T =
#                  0.0015 D^1/3 + 0.0015 LE^1/2 + 0.015 P^2/3 with LE = D for
#                  UNC, UNF, 4UN, 6UN, 8UN and LE = 9P for UNEF and 12UN to 32UN.
#                  Every value is worked to 6 places and rounded half up to 4,
#                  tolerances before they are applied.
#   ext_major_max  "Major diameter max" = D - es.
#   ext_major_min  "Major diameter min" = max - 0.090 P^2/3 (1A), 0.060 P^2/3.
#   ext_pd_max     "Pitch diameter max" = basic PD - es; basic PD =
#                  D - 0.649519 P rounded to 4 places.
#   ext_pd_min     "Pitch diameter min" = max - 1.5 T (1A), T (2A), 0.75 T (3A).
#   ext_minor_max  "UNR minor diameter max (reference)" = D - es - 1.190785 P,
#                  es not rounded.
#   int_class      internal class.
#   int_minor_min  "Minor diameter min" = D - 1.082532 P (basic minor); from
#                  No.6 up rounded to 3 places in every class (3B prints a 0).
#   int_minor_max  "Minor diameter max" = basic minor + 0.25 P - 0.4 P^2 (1B/2B
#                  from 1/4 in; 0.15 P under 4 tpi) or + 0.05 P^2/3 + 0.03 P/D
#                  - 0.002 (3B, and 1B/2B below 1/4 in), kept between
#                  0.23 P - 1.5 P^2 (0.120 P at 12 tpi and coarser) and 0.394 P.
#   int_pd_min     "Pitch diameter min" = basic PD.
#   int_pd_max     "Pitch diameter max" = basic PD + 1.95 T (1B), 1.3 T (2B),
#                  0.975 T (3B).
#   int_pd_tol     pitch-diameter tolerance = int_pd_max - int_pd_min.
#   int_major_min  "Major diameter min" = D.
#   source         "published": every value of the row is printed in a public
#                  source (named in tools/unified_data/published.csv: Machinery's
#                  Handbook 27th ed., FED-STD-H28/2B, efunda, pitch-diameter
#                  charts); "published+formula": the columns listed in
#                  published_cols are printed there, the others are computed;
#                  "formula": every value is computed as above. Where a printed
#                  value differs from the formula, the printed value is kept,
#                  and the allowance of classes 1A/2A is then the basic PD minus
#                  the printed class 2A PD max.
#   published_cols the published columns of the row, ';' between them (ignored
#                  by mktables).
"""

UNS_COMMENT = """\
# Special unified inch threads (UNS): limits of size of the selected special
# combinations that ASME B1.1-1989 Table 2 lists, for the threads whose external
# pitch diameter limits a public source prints. Compiled by mktables into
# unstbl.bin. Generated by tools/unified_data/make_ansitbl.py from
# tools/unified_data/published.csv, which names each source:
#   MH27    Machinery's Handbook, 27th edition (2004), Table 3 "Standard Series
#           and Selected Combinations - Unified Screw Threads", page 1755:
#           2 7/16-16, 2 1/2-10, 2 1/2-14, 2 1/2-18 UNS, every limit printed.
#   CHART   ASME B1.1 class 2A/3A pitch diameter chart (Osborn, Westport):
#           1-14 UNS basic, 2A and 3A pitch diameters.
#   FEDSTD  FED-STD-H28/2B Tables II.A.3 and II.A.4: 1-14 UNS internal minor
#           diameters (LE = D).
# Other special threads are computed by the program's formulas. FED-STD-H28/2B
# also prints internal minor diameters of further UNS threads (1/4-36, 1/2-12,
# 3/4-18 ...), but no source here prints their pitch diameters, so they have no
# row. Inches.
# Columns: dia basic major diameter; tpi threads per inch; class the class
# number ("2" for 2A/2B, "3" for 3A/3B); ext_class and int_class the class
# names; ext_major_max/min, ext_pd_max/min the external major and pitch
# diameter limits; int_minor_max/min, int_pd_min/max, int_major_min the
# internal limits (Table 2 columns of the same names).
# source "published": every value printed in a source, checked against the
# ASME B1.1 formulas (within one unit of the last place); "published+formula":
# the columns listed in published_cols are printed, the others are computed by
# the formulas of ASME B1.1-1989 (see ansitbl.csv), with the allowance of the
# printed class 2A pitch diameter max and the length of engagement (9P or D)
# under which the formulas give the printed pitch diameters: D for 1-14 UNS
# (the former 1-14 UNF), 9P for the handbook rows. Of 1-14 UNS the external
# major diameters, the internal pitch diameter max and the internal major
# diameter min (= D) are computed.
"""


UNS_PD = ("ext_pd_max", "ext_pd_min", "int_pd_min", "int_pd_max")


def uns_engagement(t, values):
    """Sets the length of engagement of special thread t to the one of 9P and D
    under which the formulas give more of its printed pitch diameters exactly
    (9P on a tie)."""
    def hits():
        count = 0
        for n in sorted({int(p.cls[0]) for p in values if p.cls != "-"}):
            calc = formula(t, n)
            for col in UNS_PD:
                label = "%d%s" % (n, "A" if col.startswith("ext") else "B")
                count += sum(1 for p in values
                             if p.applies_to(label, col) and p.value == calc[col])
        return count
    t.uns_le_is_d = False
    nine = hits()
    t.uns_le_is_d = True
    t.uns_le_is_d = hits() > nine


def build_uns(published):
    """Rows of the special threads whose external pitch diameter limits are
    printed (they fix the allowance and the tolerance): every printed value is
    taken, any other column comes from the formulas."""
    groups = defaultdict(list)
    for p in published:
        if p.series == "UNS":
            groups[(p.key, p.size)].append(p)
    rows, skipped = [], []
    for (key, size), values in sorted(groups.items()):
        t = Thread(size, values[0].tpi, "UNS")
        uns_engagement(t, values)
        # The allowance shows in the printed class 2A pitch diameter.
        basic = next((p.value for p in values if p.cls == "-"), None)
        pd2 = next((p.value for p in values if p.applies_to("2A", "ext_pd_max")), None)
        allowance = basic - pd2 if basic is not None and pd2 is not None else None
        for n in sorted({int(c[0]) for p in values for c in p.cls.split("/") if c != "-"}):
            if n not in (2, 3):
                continue
            calc = formula(t, n, allowance)
            row, published_cols = {}, []
            for col in UNS_EXT + UNS_INT:
                label = "%d%s" % (n, "A" if col.startswith("ext") else "B")
                places = minor_places(col, n, t.dia)
                unit = Decimal(1).scaleb(-places)
                vals = [p for p in values if p.applies_to(label, col)
                        and (TRUST[p.source] >= 3 or abs(p.value - calc[col]) <= unit)]
                if vals:
                    published_cols.append(col)
                    row[col] = dec(max(vals, key=lambda p: TRUST[p.source]).value, places)
                else:
                    row[col] = dec(calc[col], places)
            if not all(c in published_cols for c in ("ext_pd_max", "ext_pd_min")):
                skipped.append("%s class %d: external pitch diameter not printed" % (
                    t.name(), n))
                continue
            source = "published" if len(published_cols) == len(UNS_EXT + UNS_INT) \
                else "published+formula"
            rows.append((t, n, row, source, published_cols))
    return rows, skipped


def ansi_text(rows):
    lines = [ANSI_COMMENT.rstrip("\n"), ",".join(ANSI_HEADER)]
    for t, n, r, source, published in rows:
        fields = [str(dec(t.dia, 4)), fmt_tpi(t.tpi), t.series, "%dA" % n]
        fields += [str(r[c]) for c in EXT_COLS]
        fields.append("%dB" % n)
        fields += [str(r[c]) for c in INT_COLS]
        fields += [source, ";".join(published)]
        lines.append(",".join(fields))
    return "\n".join(lines) + "\n"


def uns_text(rows):
    lines = [UNS_COMMENT.rstrip("\n"), ",".join(UNS_HEADER)]
    for t, n, r, source, published in rows:
        fields = [str(dec(t.dia, 4)), fmt_tpi(t.tpi), str(n), "%dA" % n]
        fields += [str(r[c]) for c in UNS_EXT]
        fields.append("%dB" % n)
        fields += [str(r[c]) for c in UNS_INT]
        fields += [source, ";".join(published)]
        lines.append(",".join(fields))
    return "\n".join(lines) + "\n"


def report(builder, rows, published, uns_rows, uns_skipped, out):
    w = out.write
    w("Edition: %s\n" % EDITION)
    per = Counter((t.series, n) for t, n, _, _, _ in rows)
    w("Rows per series and class:\n")
    for series in ("UNC", "UNF", "UNEF", "UN"):
        w("  %-4s %s\n" % (series, "  ".join(
            "%dA/%dB %3d" % (n, n, per[(series, n)]) for n in (1, 2, 3))))
    w("  total %d rows\n" % len(rows))
    src = Counter(r[3] for r in rows)
    w("Rows by source: %s\n" % ", ".join("%s %d" % kv for kv in sorted(src.items())))
    w("Published values taken: %d of %d transcribed; cells written from them: %d\n" % (
        len({id(p) for p, _ in builder.accepted}), len(published),
        sum(len(r[4]) for r in rows)))
    # Agreement of the plain formula (no published allowance) with every
    # transcribed value of a built row.
    built = {t.key: t for t, _, _, _, _ in rows}
    agree, total = Counter(), Counter()
    for p in published:
        t = built.get(p.key)
        if t is None:
            continue
        labels = ["3A", "1B", "2B", "3B"] if p.cls == "-" else p.cls.split("/")
        for label in labels:
            n = int(label[0])
            if n not in t.classes():
                continue
            col = {"3A": "ext_pd_max"}.get(label, "int_pd_min") if p.cls == "-" else p.col
            calc = dec(formula(t, n)[col], minor_places(col, n, t.dia))
            total[p.source] += 1
            agree[p.source] += calc == p.value
    w("Formula against published values (equal / compared):\n")
    for s in sorted(total, key=lambda s: (-TRUST[s], s)):
        w("  %-9s trust %d  %4d / %4d  %.1f%%\n" % (
            s, TRUST[s], agree[s], total[s], 100.0 * agree[s] / total[s]))
    a, n = sum(agree.values()), sum(total.values())
    w("  all                 %4d / %4d  %.1f%%\n" % (a, n, 100.0 * a / n))
    w("Rejected as typos (%d):\n" % len(builder.rejected))
    for _, _, why in builder.rejected:
        w("  %s\n" % why)
    w("Sources that disagree (%d):\n" % len(builder.conflicts))
    for c in builder.conflicts:
        w("  %s\n" % c)
    w("UNS rows written: %d\n" % len(uns_rows))
    for t, n, _, source, _ in uns_rows:
        w("  %s class %d: %s, LE = %s\n" % (t.name(), n, source,
                                            "D" if t.uns_le_is_d else "9P"))
    for s in uns_skipped:
        w("  skipped (incomplete) %s\n" % s)


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--report", action="store_true", help="print the comparison")
    ap.add_argument("--check", action="store_true", help="fail if data/ is out of date")
    args = ap.parse_args()

    threads = [Thread(r["size"], r["tpi"], r["series"]) for r in read_rows(HERE / "sizes.csv")]
    keys = Counter(t.key for t in threads)
    dup = [k for k, c in keys.items() if c > 1]
    if dup:
        raise SystemExit("sizes.csv: repeated thread %s" % dup)
    published = [Published(r) for r in read_rows(HERE / "published.csv")]

    builder = Builder(published)
    rows = []
    for t in sorted(threads, key=lambda t: t.key):
        rows.extend(builder.rows(t))
    uns_rows, uns_skipped = build_uns(published)

    outputs = {DATA / "ansitbl.csv": ansi_text(rows), DATA / "unstbl.csv": uns_text(uns_rows)}
    if args.check:
        stale = [p.name for p, text in outputs.items()
                 if not p.exists() or p.read_text() != text]
        if stale:
            print("out of date: %s" % ", ".join(stale))
            return 1
        return 0
    for path, text in outputs.items():
        path.write_text(text)
    if args.report:
        report(builder, rows, published, uns_rows, uns_skipped, sys.stdout)
    return 0


if __name__ == "__main__":
    sys.exit(main())
