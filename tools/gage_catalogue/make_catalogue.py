#!/usr/bin/env python3
"""Writes the seven point and roll catalogue files (data/*.tbl).

They are a stand-in catalogue of a fictitious gauge maker, designed from the
thread geometry; a user replaces them with their instrument maker's own.
The derivation is in data/README.md ("Gauge catalogue").

    make_catalogue.py          write data/*.tbl
    make_catalogue.py --check  exit 1 when a file differs from what this writes
"""
import math
import sys
from pathlib import Path

DATA = Path(__file__).resolve().parents[2] / "data"

# Pitches the program's families offer.
UN_TPI = [80, 72, 64, 56, 48, 44, 40, 36, 32, 28, 27, 24, 20, 18, 16, 14, 13, 12,
          11.5, 11, 10, 9, 8, 7, 6, 5, 4.5, 4]
# Equivalent threads per inch the metric point lookup uses that UN lacks.
METRIC_EQ_TPI = [5.5, 3.5]
# BSW, BSF and BSP pitches that UN lacks (55-degree).
W55_ONLY_TPI = [60, 26, 22, 19, 3.5, 3.25, 3, 2.875, 2.75, 2.625, 2.5]
W55_TPI = sorted(set([60, 48, 40, 32, 28, 26, 24, 22, 20, 19, 18, 16, 14, 12, 11, 10, 9,
                      8, 7, 6, 5, 4.5, 4, 3.5, 3.25, 3, 2.875, 2.75, 2.625, 2.5]), reverse=True)
ACME_TPI = [16, 14, 12, 10, 8, 6, 5, 4, 3, 2.5, 2]
BUTT_TPI = [20, 16, 12, 10, 8, 6, 5, 4, 3, 2.5, 2, 1.5, 1.25, 1]
METRIC_MM = [0.2, 0.25, 0.3, 0.35, 0.4, 0.45, 0.5, 0.6, 0.7, 0.75, 0.8, 1, 1.25, 1.5,
             1.75, 2, 2.5, 3, 3.5, 4, 4.5, 5, 5.5, 6, 8]
TRAP_MM = [1.5, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 14, 16, 18, 20, 22, 24, 28, 32, 36, 40, 44]

# Best-wire factors (wire diameter / pitch) of each form.
BEST_60 = 0.57735
BEST_55 = 0.56392
BEST_29 = 0.51645
BEST_BUTT = 0.54147
BEST_30 = 0.51764

SMALL_MAX_PITCH_IN = 1 / 4   # small gauges: diameters to 1.5 in (1 1/2-4 Acme)
VSMALL_MAX_PITCH_IN = 1 / 11  # very small internal gauges: 0.312 to 0.625 in


def num(x, places):
    text = f"{x:.{places}f}".rstrip("0")
    return text + "0" if text.endswith(".") else text


def key(x):
    text = num(x, 3)
    return text[:-2] if text.endswith(".0") else text


def pitch_in(value, mm):
    return value / 25.4 if mm else 1 / value


def offset(d, half_angle_deg):
    """Tip relief of a point: the sagitta of its ball over the flank contact."""
    return d / 2 * (1 - math.cos(math.radians(half_angle_deg)))


def points(small):
    rows = []
    limit = SMALL_MAX_PITCH_IN if small else math.inf
    prefix = "SP" if small else "P"
    # form, keys, mm keys?, best factor, half angle for the offset (None: 0), label
    sets = [
        (1, ACME_TPI, False, BEST_29, 14.5, "29"),
        (2, sorted(set(UN_TPI + METRIC_EQ_TPI), reverse=True), False, BEST_60, None, "60"),
        (2, [t for t in W55_ONLY_TPI if t not in UN_TPI + METRIC_EQ_TPI], False, BEST_55, None, "55"),
        (3, BUTT_TPI, False, BEST_BUTT, None, "745"),
        (4, TRAP_MM, True, BEST_30, 15, "30"),
    ]
    for form, keys, mm, best, half, label in sets:
        for k in keys:
            p = pitch_in(k, mm)
            if p > limit + 1e-9:
                continue
            d = round(best * p, 4)
            o = round(offset(d, half), 4) if half else 0.0
            rows.append(f"{form},{key(k)},'{prefix}{label}-{key(k)}',{num(d, 4)},{num(o, 4)}")
    return rows


# Roll code, pitches, mm?, letters, constant of the external and internal rolls
# as a factor of the pitch: twice the depth from the pitch line to the basic root.
ROLL_FORMS = [
    (1, UN_TPI, False, "UN", 0.433013, 0.649519),
    (2, ACME_TPI, False, "KA", 0.5, 0.5),
    (3, ACME_TPI, False, "KS", 0.3, 0.3),
    (4, ACME_TPI, False, "K1", 0.375, 0.375),
    (5, ACME_TPI, False, "K2", 0.25, 0.25),
    (6, METRIC_MM, True, "M", 0.433013, 0.649519),
    (7, W55_TPI, False, "W", 0.640327, 0.640327),
    (8, BUTT_TPI, False, "B", 0.6, 0.6),
    (9, TRAP_MM, True, "T", 0.5, 0.5),
]
# Internal threads of these codes take their rolls from the internal-roll lists.
SEPARATE_INTERNAL = {1, 6, 7}


def rolls(prefix, limit, internal, codes=None):
    rows = []
    for code, keys, mm, letters, ext_c, int_c in ROLL_FORMS:
        if codes is not None and code not in codes:
            continue
        for k in keys:
            p = pitch_in(k, mm)
            if p > limit + 1e-9:
                continue
            c = round((int_c if internal else ext_c) * p, 5)
            rows.append(f"{code},{key(k)},'{prefix}R{letters}-{key(k)}C',{num(c, 5)}")
    return rows


def catalogue():
    return {
        "points.tbl": points(False),
        "smpnts.tbl": points(True),
        "rolls.tbl": rolls("Z", math.inf, False),
        "smrolls.tbl": rolls("Y", SMALL_MAX_PITCH_IN, False),
        "introlls.tbl": rolls("X", math.inf, True, SEPARATE_INTERNAL),
        "smintrol.tbl": rolls("W", SMALL_MAX_PITCH_IN, True, SEPARATE_INTERNAL),
        "vsminrol.tbl": rolls("V", VSMALL_MAX_PITCH_IN, True),
    }


def main(argv):
    check = "--check" in argv
    bad = 0
    for name, rows in catalogue().items():
        text = "\n".join(rows) + "\n"
        path = DATA / name
        if check:
            if not path.exists() or path.read_text() != text:
                print(f"{path}: differs from what make_catalogue.py writes", file=sys.stderr)
                bad = 1
        else:
            path.write_text(text)
    return bad


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
