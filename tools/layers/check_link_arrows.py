#!/usr/bin/env python3
"""Fails when a Qt-free layer's library needs a function that only a layer
above it defines: an arrow up that the include check cannot see, because the
declaration sits low and the definition high.

    check_link_arrows.py core=libplcore.a gauges=libplgauges.a ...

Layers are given bottom up. The one such arrow the design has is named in
ALLOWED: a thread record's Calculate is declared with the record and defined
by the family driver, which alone knows the families.
"""
import subprocess
import sys

# layer -> layers its library may need (as the include check allows).
MAY_NEED = {
    "core": set(),
    "gauges": {"core"},
    "pipe": {"core"},
    "families": {"core", "gauges", "pipe"},
    "pages": {"core", "gauges", "pipe", "families"},
}
ALLOWED = {("core", "_ZN6TTInfo9CalculateEv")}  # TTInfo::Calculate()


def symbols(archive):
    out = subprocess.run(["nm", "-P", archive], check=True, capture_output=True,
                         text=True).stdout
    defined, needed = set(), set()
    for line in out.splitlines():
        parts = line.split()
        if len(parts) < 2 or line.endswith(":"):
            continue
        name, kind = parts[0], parts[1]
        if kind == "U":
            needed.add(name)
        elif kind in "TDBR":  # strong definitions; inline and template code is weak everywhere
            defined.add(name)
    return defined, needed - defined


def main(args):
    layers = [a.split("=", 1) for a in args]
    if not layers or any(len(l) != 2 or l[0] not in MAY_NEED for l in layers):
        print(__doc__, file=sys.stderr)
        return 64
    table = {name: symbols(path) for name, path in layers}
    failed = 0
    for name, (_, needed) in table.items():
        for other, (defined, _) in table.items():
            if other == name or other in MAY_NEED[name]:
                continue
            for sym in sorted(needed & defined):
                if (name, sym) in ALLOWED:
                    continue
                print(f"{name} needs {sym}, defined in {other}")
                failed = 1
    for name, sym in ALLOWED:
        if name in table and sym not in table[name][1]:
            print(f"the named arrow {sym} from {name} is gone: take it out of ALLOWED")
            failed = 1
    if not failed:
        print("link arrows ok")
    return failed


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
