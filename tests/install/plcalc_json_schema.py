#!/usr/bin/env python3
"""plcalc's JSON against the schema it installs, by a validator of its own
(python3-jsonschema), for every run of tests/data/plcalc_json_runs.csv: one
thread of each family, pipe, ball micrometer, inspection, identification,
tap drills and calibration.

usage: plcalc_json_schema.py PLCALC SCHEMA RUNS.csv
"""
import csv
import json
import subprocess
import sys

import jsonschema


def main(plcalc, schema_path, runs_path):
    with open(schema_path, encoding="utf-8") as f:
        schema = json.load(f)
    validator = jsonschema.Draft202012Validator(schema)
    validator.check_schema(schema)
    with open(runs_path, encoding="utf-8") as f:
        runs = list(csv.DictReader(line for line in f if not line.startswith("#")))
    passed = failed = 0
    for run in runs:
        args = [plcalc] + run["args"].split("|") + ["--json"]
        out = subprocess.run(args, capture_output=True, text=True, check=False)
        problems = [] if out.returncode == 0 else [f"exit {out.returncode}: {out.stderr.strip()}"]
        if not problems:
            doc = json.loads(out.stdout)
            problems = [f"/{'/'.join(map(str, e.absolute_path))}: {e.message}"
                        for e in validator.iter_errors(doc)]
        if problems:
            failed += 1
            print(f"FAIL {run['name']}: " + "; ".join(problems[:5]))
        else:
            passed += 1
    print(f"{passed} passed, {failed} failed")
    return 1 if failed or not passed else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:4]))
