#!/usr/bin/env python3
"""The loop a user would write instead of plcalc --batch --fields limits: the
limits of size of unified inch threads by the ASME B1.1 formulas, one JSON
line per thread, in one process.

    python3 bench/unified_limits.py data/ansitbl.csv [repeats] > limits.jsonl

Input: the rows of data/ansitbl.csv (diameter, threads per inch, series,
class). Output per row: the pitch, major and minor diameter, max and min, of
the external and internal thread (inches; the internal major max is null, as
B1.1 gives none). On stderr: rows, seconds of the loop alone, threads/s.
cli_bench runs it side by side with plcalc.
"""

import csv
import json
import math
import sys
import time


def half_up(x, places):
    scale = 10 ** places
    return math.floor(x * scale + 0.5 + 1e-9) / scale


def rnd(x, places):
    """The standard's rounding: worked to six places, then rounded half up."""
    return half_up(half_up(x, 6), places)


def limits(dia, tpi, series, cls):
    p = 1.0 / tpi
    p23 = p ** (2.0 / 3.0)
    # Length of engagement of the tolerance: one diameter for the coarse and
    # fine series and 4, 6, 8 UN; nine pitches for UNEF and 12 to 32 UN.
    fine = series == "UNEF" or (series == "UN" and tpi >= 12)
    le = 9 * p if fine else dia
    t = 0.0015 * dia ** (1.0 / 3.0) + 0.0015 * math.sqrt(le) + 0.015 * p23
    es = 0.0 if cls == 3 else rnd(0.3 * t, 4)
    basic_pd = rnd(dia - 0.649519 * p, 4)

    ext_major_max = dia - es
    ext_major_min = ext_major_max - rnd((0.090 if cls == 1 else 0.060) * p23, 4)
    ext_pd_max = basic_pd - es
    ext_pd_min = ext_pd_max - rnd({1: 1.5, 2: 1.0, 3: 0.75}[cls] * t, 4)
    # The external minor diameter of the basic form: the major less 1.082532 P,
    # the pitch diameter less 0.649519 P.
    ext_minor_max = ext_major_max - 1.082532 * p
    ext_minor_min = ext_pd_min - 0.649519 * p

    basic_minor = rnd(dia - 1.082532 * p, 4)
    tol3 = 0.05 * p23 + 0.03 * p / dia - 0.002
    tol3 = max(tol3, 0.23 * p - 1.5 * p * p) if tpi > 12 else max(tol3, 0.12 * p)
    tol3 = min(tol3, 0.394 * p)
    max3 = rnd(basic_minor + tol3, 4)
    # Minor diameters of 1B and 2B from No.6 (0.138 in) up are given to three places.
    places = 3 if cls != 3 and dia >= 0.138 else 4
    int_minor_min = half_up(half_up(basic_minor, 3 if dia >= 0.138 else 4), places)
    if cls == 3:
        int_minor_max = max3
    elif dia < 0.25:
        int_minor_max = half_up(max3, places)
    else:
        tol2 = min(0.25 * p - 0.4 * p * p if tpi >= 4 else 0.15 * p, 0.394 * p)
        int_minor_max = half_up(rnd(basic_minor + tol2, 4), places)
    int_pd_max = basic_pd + rnd({1: 1.95, 2: 1.3, 3: 0.975}[cls] * t, 4)

    r = lambda x: round(x, 8)
    return {
        "ExtThd": {"PD": {"Max": r(ext_pd_max), "Min": r(ext_pd_min)},
                   "Major": {"Max": r(ext_major_max), "Min": r(ext_major_min)},
                   "Minor": {"Max": r(ext_minor_max), "Min": r(ext_minor_min)}},
        "IntThd": {"PD": {"Max": r(int_pd_max), "Min": r(basic_pd)},
                   "Major": {"Max": None, "Min": r(dia)},
                   "Minor": {"Max": r(int_minor_max), "Min": r(int_minor_min)}},
    }


def main():
    with open(sys.argv[1], newline="") as f:
        rows = list(csv.DictReader(line for line in f if not line.startswith("#")))
    threads = [(float(r["dia"]), float(r["tpi"]), r["series"], int(r["ext_class"][0]))
               for r in rows]
    repeats = int(sys.argv[2]) if len(sys.argv) > 2 else 1
    out = sys.stdout
    start = time.perf_counter()
    for _ in range(repeats):
        for line, (dia, tpi, series, cls) in enumerate(threads, 1):
            record = {"line": line}
            record.update(limits(dia, tpi, series, cls))
            out.write(json.dumps(record, separators=(",", ":")) + "\n")
    out.flush()
    took = time.perf_counter() - start
    n = len(threads) * repeats
    print(f"{n} {took:.6f} {n / took:.0f}", file=sys.stderr)


if __name__ == "__main__":
    main()
