#!/usr/bin/env python3
"""tarmelon-bench plot on a recording the bench made: the SVG parses as XML and holds the six
recorded quantities, each with its unit and as many points as its file has lines, on a time
axis in minutes:seconds.

Usage: plot_check.py BENCH WORK_DIR
"""
import os
import re
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ET

SVG = "{http://www.w3.org/2000/svg}"
QUANTITIES = {  # file: unit
    "GeForce.txt": "g",
    "Height.txt": "ft",
    "indspeed.txt": "kt",
    "truespeed.txt": "kt",
    "fuelfloweng1.txt": "lb/h",
    "fuelfloweng2.txt": "lb/h",
}

SCRIPT = """\
wall-clock 2026-12-08 14:05:20
set "E:LOCAL TIME, seconds" 32700
set "A:AIRSPEED INDICATED, knots" 180
token 638 1500
token 657 1450
seconds 40
set "A:G FORCE, gforce" 1.8
set "A:INDICATED ALTITUDE, feet" 3400
set "A:PLANE ALTITUDE, feet" 3400
set "A:AIRSPEED INDICATED, knots" 240
token 638 2100
seconds 35  # the recording starts a few ticks in: 74 samples
"""


def fail(why):
    print("plot_check: " + why, file=sys.stderr)
    sys.exit(1)


def main():
    bench, work = sys.argv[1], sys.argv[2]
    shutil.rmtree(work, ignore_errors=True)
    root = os.path.join(work, "sim")
    aircraft = os.path.join(root, "SimObjects", "Airplanes", "VK_Tarmelon")
    os.makedirs(os.path.join(aircraft, "panel", "FlightAnalysis"))
    with open(os.path.join(aircraft, "aircraft.cfg"), "w") as f:
        f.write("[General]\nFlightDataRecording=Active\n")
    script = os.path.join(work, "flight.bench")
    with open(script, "w") as f:
        f.write(SCRIPT)

    run = subprocess.run([bench, "--root", root, script], capture_output=True, text=True)
    if run.returncode != 0:
        fail("the flight failed: " + run.stderr)
    folder = os.path.join(aircraft, "panel", "FlightAnalysis", "08-12-2026_14-05")
    if not os.path.isdir(folder):
        fail("no recording folder " + folder)
    lines = {}
    for name in QUANTITIES:
        with open(os.path.join(folder, name)) as f:
            lines[name] = len(f.read().splitlines())
    if set(lines.values()) != {74}:
        fail("the recording holds %s lines" % lines)

    out = os.path.join(work, "flight.svg")
    plot = subprocess.run([bench, "plot", folder, "--output", out], capture_output=True, text=True)
    if plot.returncode != 0:
        fail("plot failed: " + plot.stderr)
    if "6 quantities, 74 samples (1:14)" not in plot.stdout:
        fail("plot said: " + plot.stdout)

    svg = ET.parse(out).getroot()  # raises on anything that is not well-formed XML
    if svg.tag != SVG + "svg":
        fail("the root element is " + svg.tag)
    series = [p for p in svg.iter(SVG + "polyline") if p.get("class") == "series"]
    if [p.get("data-file") for p in series] != list(QUANTITIES):
        fail("series: %s" % [p.get("data-file") for p in series])
    for p in series:
        name = p.get("data-file")
        points = p.get("points").split()
        if len(points) != lines[name] or p.get("data-points") != str(lines[name]):
            fail("%s has %d points, its file %d lines" % (name, len(points), lines[name]))
        xs = [float(pt.split(",")[0]) for pt in points]
        if xs != sorted(xs) or len(set(xs)) != len(xs):
            fail(name + ": points not in time order")
        if p.get("data-unit") != QUANTITIES[name]:
            fail(name + " unit " + str(p.get("data-unit")))
    texts = ["".join(t.itertext()) for t in svg.iter(SVG + "text")]
    for label in ["G load (g)", "Indicated altitude (ft)", "Indicated airspeed (kt)", "True airspeed (kt)",
                  "Fuel flow, engine 1 (lb/h)", "Fuel flow, engine 2 (lb/h)"]:
        if texts.count(label) < 2:  # in the legend and over its panel
            fail("no legend and panel title " + label)
    times = [t for t in texts if re.fullmatch(r"\d+:\d\d", t)]
    if "0:00" not in times or "1:00" not in times:
        fail("time axis labels: %s" % sorted(set(times)))
    if not any("start 9:5:0" in t for t in texts):
        fail("no start time in the title")

    # A folder without a recording is an error, and says so.
    empty = subprocess.run([bench, "plot", work], capture_output=True, text=True)
    if empty.returncode != 2 or "holds no recording" not in empty.stderr:
        fail("plot of an empty folder: %d %s" % (empty.returncode, empty.stderr))
    print("plot_check: the SVG holds the six quantities of a 74-second recording")


if __name__ == "__main__":
    main()
