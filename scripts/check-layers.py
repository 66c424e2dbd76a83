#!/usr/bin/env python3
"""Checks that the module's includes point down its layers (docs/architecture.md).

Layers, top to bottom:
    module > panels > persist > systems (systems/<s>, autopilot, avionics, instruments,
    checklist, recorder) > simlink > core > sdk, resources

A file may include its own folder (for systems/<s>, that system's folder) and any layer
below its own. "state.h", the module state record at the top of src/, may be included
from anywhere. Within the systems layer one unit may include another, but never both ways
round (no cycle among them). Systems never include the gauge SDK ("sdk/gauges.h").

Usage: check-layers.py [SRC_DIR]   (default: the src/ beside this script's folder)
Exit status 0 when every include is allowed, 1 otherwise (each offence is printed).
"""
import os
import re
import sys

RANKS = {
    "module": 7,
    "panels": 6,
    "persist": 5,
    "systems": 4, "autopilot": 4, "avionics": 4, "instruments": 4, "checklist": 4, "recorder": 4,
    "simlink": 3,
    "core": 2,
    "sdk": 1, "resources": 1,
}
SYSTEM_LAYER = 4
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


def unit_of(path):
    """The unit of a path relative to src/ (or of an include): its top folder, or for the
    systems folder, systems/<system>. None for files at the top of src/."""
    parts = path.replace("\\", "/").split("/")
    if len(parts) < 2:
        return None
    if parts[0] == "systems" and len(parts) >= 3:
        return "systems/" + parts[1]
    return parts[0]


def rank(unit):
    return RANKS.get(unit.split("/")[0]) if unit else None


def find_cycle(edges):
    """A cycle in the graph of unit -> set(units), as a list, or None."""
    state = {}
    stack = []

    def visit(node):
        state[node] = 1
        stack.append(node)
        for nxt in sorted(edges.get(node, ())):
            if state.get(nxt) == 1:
                return stack[stack.index(nxt):] + [nxt]
            if nxt not in state:
                found = visit(nxt)
                if found:
                    return found
        stack.pop()
        state[node] = 2
        return None

    for node in sorted(edges):
        if node not in state:
            found = visit(node)
            if found:
                return found
    return None


def check(src):
    offences = []
    peer_edges = {}
    for folder, _, files in os.walk(src):
        for name in sorted(files):
            if not name.endswith((".h", ".cpp", ".inc")):
                continue
            path = os.path.join(folder, name)
            rel = os.path.relpath(path, src).replace(os.sep, "/")
            if rel == "state.h":
                continue  # the state record gathers every part
            own = unit_of(rel)
            own_rank = rank(own)
            if own_rank is None:
                offences.append(f"{rel}: a file outside the known layers")
                continue
            with open(path, encoding="utf-8", errors="replace") as f:
                for number, line in enumerate(f, 1):
                    m = INCLUDE.match(line)
                    if not m:
                        continue
                    target = m.group(1)
                    if target == "state.h":
                        continue
                    other = unit_of(target)
                    other_rank = rank(other)
                    where = f"{rel}:{number}: includes \"{target}\""
                    if other_rank is None:
                        if not os.path.exists(os.path.join(src, target)) and other is None:
                            continue  # a system or SDK header of the platform (<...> spelled "...")
                        offences.append(f"{where}, which belongs to no layer")
                        continue
                    if own_rank == SYSTEM_LAYER and target == "sdk/gauges.h":
                        offences.append(f"{where}: systems never include the gauge SDK")
                        continue
                    if other == own:
                        continue
                    if other_rank < own_rank:
                        continue
                    if other_rank == own_rank == SYSTEM_LAYER:
                        peer_edges.setdefault(own, set()).add(other)
                        continue
                    offences.append(f"{where}: {own} may not include {other} (arrows point down only)")
    cycle = find_cycle(peer_edges)
    if cycle:
        offences.append("systems include each other round a circle: " + " -> ".join(cycle))
    return offences


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    src = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "src")
    if not os.path.isdir(src):
        print(f"check-layers: no folder {src}", file=sys.stderr)
        return 2
    offences = check(src)
    for o in offences:
        print(o)
    if offences:
        print(f"check-layers: {len(offences)} include(s) against the layering", file=sys.stderr)
        return 1
    print("check-layers: every include points down")
    return 0


if __name__ == "__main__":
    sys.exit(main())
