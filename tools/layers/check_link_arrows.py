#!/usr/bin/env python3
"""Fails on the arrows up that the include check cannot see: a Qt-free
layer's library that needs a function only a layer above defines, or a class
whose member functions are defined in more than one layer (declared low,
defined high).

    check_link_arrows.py core=libplcore.a gauges=libplgauges.a ...

Layers are given bottom up. The one such arrow the design has is named in
ALLOWED: a thread record's Calculate is declared with the record in core and
defined by the family driver, which alone knows the families.
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
    "register": {"core", "gauges", "pipe", "families"},
}
ALLOWED = {("families", "_ZN6TTInfo9CalculateEv")}  # TTInfo::Calculate()


def owner(sym):
    """The class or namespace a mangled member belongs to, or None."""
    if not sym.startswith("_ZN"):
        return None
    i = 3
    while i < len(sym) and sym[i] in "KVr":
        i += 1
    digits = ""
    while i < len(sym) and sym[i].isdigit():
        digits += sym[i]
        i += 1
    return sym[i:i + int(digits)] if digits else None


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
    order = [name for name, _ in layers]
    failed = 0
    for name, (_, needed) in table.items():
        for other, (defined, _) in table.items():
            if other == name or other in MAY_NEED[name]:
                continue
            for sym in sorted(needed & defined):
                print(f"{name} needs {sym}, defined in {other}")
                failed = 1
    home = {}  # class -> lowest layer defining one of its members
    for name in order:
        for sym in table[name][0]:
            home.setdefault(owner(sym), name)
    for name in order:
        for sym in sorted(table[name][0]):
            cls = owner(sym)
            if cls and home[cls] != name and (name, sym) not in ALLOWED:
                print(f"{sym} is defined in {name}, its class {cls} in {home[cls]}")
                failed = 1
    for name, sym in ALLOWED:
        if name in table and sym not in table[name][0]:
            print(f"the named arrow {sym} is no longer defined in {name}: take it out of ALLOWED")
            failed = 1
    if not failed:
        print("link arrows ok")
    return failed


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
