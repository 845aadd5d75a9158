#!/usr/bin/env python3
"""Checks the plug columns of data/iso1502.csv against the plug gauge
deviations AS 1014 prints (as1014_plug_deviations.csv beside this script).

data/iso1502.csv holds GOST 24997-81 Table 5 as one transcription gives it.
AS 1014 prints, band by band, the deviations of the GO and NO-GO screw plugs
that those columns give:
  GO:    pitch diameter z_pl +/- t_pl/2 from D2 min, worn limit z_pl - w_go_pl,
         major diameter z_pl +/- t_pl from D min;
  NO-GO: pitch diameter t_pl and 0 from D2 max, worn limit t_pl/2 - w_ng_pl,
         major diameter t_pl/2 +/- t_pl from D2 max + 0.2 P.
AS 1014 rounds to whole micrometres, so a value of the table that ends in a
half may differ from the printed one by half a micrometre; anything more is a
fault in one of the two.

  python3 tools/iso1502_data/check_iso1502.py --check
"""
import csv
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))


def rows(path):
    with open(path, newline="") as f:
        return list(csv.DictReader(line for line in f if not line.startswith("#")))


def derived(r):
    t, z = float(r["t_pl"]), float(r["z_pl"])
    return [z + t / 2, z - t / 2, z - float(r["w_go_pl"]), z + t, z - t,
            t, 0.0, t / 2 - float(r["w_ng_pl"]), t / 2 + t, t / 2 - t]


COLUMNS = ["go_pd_upper", "go_pd_lower", "go_worn", "go_major_upper", "go_major_lower",
           "nogo_pd_upper", "nogo_pd_lower", "nogo_worn", "nogo_major_upper",
           "nogo_major_lower"]


def main():
    table = rows(os.path.join(ROOT, "data", "iso1502.csv"))
    printed = rows(os.path.join(HERE, "as1014_plug_deviations.csv"))
    equal = near = 0
    faults = []
    for p in printed:
        low, high = float(p["td2_from"]), float(p["td2_to"])
        band = [r for r in table if float(r["td2_over"]) <= low and high <= float(r["td2_upto"])]
        if len(band) != 1:
            faults.append("AS 1014 band %s-%s lies in %d rows of the table"
                          % (p["td2_from"], p["td2_to"], len(band)))
            continue
        for name, value in zip(COLUMNS, derived(band[0])):
            diff = abs(value - float(p[name]))
            if diff == 0:
                equal += 1
            elif diff <= 0.5:
                near += 1
            else:
                faults.append("band %s-%s %s: table gives %g, AS 1014 prints %s"
                              % (p["td2_from"], p["td2_to"], name, value, p[name]))
    print("%d AS 1014 plug deviations: %d equal, %d within the half micrometre AS 1014 "
          "rounds to" % (equal + near, equal, near))
    for f in faults:
        print("FAULT: " + f)
    return 1 if faults or equal + near == 0 else 0


if __name__ == "__main__":
    if sys.argv[1:] not in ([], ["--check"]):
        print(__doc__)
        sys.exit(2)
    sys.exit(main())
