#!/usr/bin/env python3
"""The workbench's requests, as the page makes them, against tarmelon-bench --serve on a free
port: the panels' layout and needle angles, frames stepped and run, scripts, save and load,
the timeline over the live updates, tooltips, and the clear refusal of bad requests.

Usage: api_test.py BENCH WORK_DIR
"""
import json
import math
import os
import re
import shutil
import signal
import socket
import subprocess
import sys
import time
import urllib.error
import urllib.request


class Workbench:
    def __init__(self, bench, root):
        self.proc = subprocess.Popen([bench, "--root", root, "--serve", "0"], stdout=subprocess.PIPE,
                                     stderr=subprocess.PIPE, text=True)
        line = self.proc.stdout.readline()
        m = re.search(r"http://127\.0\.0\.1:(\d+)/ \(Ctrl-C stops it\)", line)
        if not m:
            self.proc.kill()
            raise SystemExit(f"the bench did not show its address: {line!r}")
        self.port = int(m.group(1))

    def call(self, path, body=None, expect=200, raw=False):
        data = None if body is None else (body if isinstance(body, bytes) else json.dumps(body).encode())
        req = urllib.request.Request(f"http://127.0.0.1:{self.port}{path}", data=data,
                                     headers={"Content-Type": "application/json"})
        try:
            with urllib.request.urlopen(req, timeout=120) as r:
                status, text = r.status, r.read()
        except urllib.error.HTTPError as e:
            status, text = e.code, e.read()
        assert status == expect, f"{path}: status {status}, expected {expect}: {text[:300]!r}"
        return text if raw else json.loads(text)

    def update_with(self, predicate, timeout=20):
        """Reads the live updates until one satisfies predicate."""
        s = socket.create_connection(("127.0.0.1", self.port), timeout=timeout)
        s.sendall(f"GET /api/events HTTP/1.1\r\nHost: 127.0.0.1:{self.port}\r\n\r\n".encode())
        buffer, deadline = b"", time.time() + timeout
        try:
            while time.time() < deadline:
                chunk = s.recv(65536)
                if not chunk:
                    break
                buffer += chunk
                for m in re.finditer(rb"data: (\{.*?\})\r?\n\r?\n", buffer):
                    try:
                        update = json.loads(m.group(1))
                    except ValueError:
                        continue
                    if predicate(update):
                        return update
                buffer = buffer[-2000000:]
        finally:
            s.close()
        raise AssertionError("no live update as expected")

    def stop(self):
        self.proc.send_signal(signal.SIGINT)
        out, err = self.proc.communicate(timeout=30)
        return self.proc.returncode, out, err


def element_of(state, key, index):
    for inst in state["instances"]:
        if inst["key"] == key:
            return inst["elements"][index]
    raise AssertionError(f"no instance {key}")


def main():
    bench, work = sys.argv[1:]
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    root = os.path.join(work, "sim")
    wb = Workbench(bench, root)
    passed, failures = [], []

    def case(what, fn):
        try:
            fn()
            passed.append(what)
            print(f"ok: {what}", flush=True)
        except AssertionError as e:
            failures.append(what)
            print(f"FAILED: {what}: {e}", flush=True)

    try:
        wb.call("/api/run", {"running": False})
        wb.call("/api/start", {"state": "cold-and-dark"})

        def layout():
            lay = wb.call("/api/layout")["layout"]
            idents = [w["ident"] for w in lay["windows"]]
            assert idents[0] == 0 and 100 in idents and 1800 in idents, idents
            assert len(lay["instances"]) == 25, len(lay["instances"])
            elec = lay["gauges"]["Elec_Panel"]
            assert elec["width"] >= 1720 and elec["height"] >= 995, (elec["width"], elec["height"])
            volts = [e for e in elec["elements"] if e["kind"] == "needle" and e["x"] == 632]
            assert volts and len(volts[0]["scale"]) == 5 and volts[0]["length"] > 50, volts
            battery = [e for e in lay["gauges"]["TO_Panel"]["elements"] if e["kind"] == "icon" and e["x"] == 1133]
            assert battery and battery[0]["box"] == [1133, 136, 237, 146], battery
        case("the layout holds every window, gauge sizes, needle scales and element boxes", layout)

        def needles():
            lay = wb.call("/api/layout")["layout"]
            elec = lay["gauges"]["Elec_Panel"]["elements"]
            volts = next(i for i, e in enumerate(elec) if e["kind"] == "needle" and e["x"] == 632)
            wb.call("/api/window", {"ident": 100, "action": "open"})
            wb.call("/api/step", {"frames": 2})
            e = element_of(wb.call("/api/state"), "Elec_Panel@100", volts)
            # At 0 V the needle points at the first scale point (557, 456) seen from (632, 380).
            assert e["v"] == 0, e
            want = math.degrees(math.atan2(557 - 632, -(456 - 380)))
            assert abs((e["a"] - want + 180) % 360 - 180) < 1e-6, (e["a"], want)
        case("a needle stands at its scale's angle for its value", needles)

        def frames():
            t0 = wb.call("/api/state")["time"]
            wb.call("/api/step", {"frames": 9})
            t1 = wb.call("/api/state")["time"]
            assert abs(t1 - t0 - 0.5) < 1e-9, (t0, t1)
            wb.call("/api/seconds", {"seconds": 2})
            t2 = wb.call("/api/state")["time"]
            assert abs(t2 - t1 - 2.0) < 1e-9, (t1, t2)
        case("a step runs its frames, run seconds its simulated seconds", frames)

        def scripts():
            ok = wb.call("/api/script", {"name": "on.bench", "text": 'key 69698\nkey 69699\nframes 2\n'
                                         'expect "L:AircraftBattPos, number" == 2\nget "L:BusbarNeedle,number"\n'})
            assert ok["status"] == 0 and "102" in ok["output"], ok
            bad = wb.call("/api/script", {"name": "bad.bench", "text": 'expect "L:AircraftBattPos, number" == 0\n'})
            assert bad["status"] == 1 and "bad.bench:1:" in bad["errors"], bad
            typo = wb.call("/api/script", {"name": "typo.bench", "text": "fly away\n"})
            assert typo["status"] == 2 and "typo.bench:1:" in typo["errors"], typo
            out = wb.call("/api/command", {"line": 'get "A:ELECTRICAL MASTER BATTERY, bool"'})
            assert out["output"].strip().endswith("1"), out
        case("scripts and commands run on the served bench with their exit status", scripts)

        def timeline():
            wb.call("/api/watch", {"names": ["L:BusbarNeedle,number", "A:ELECTRICAL MASTER BATTERY, bool"]})
            wb.call("/api/step", {"frames": 3})
            u = wb.update_with(lambda u: len(u["timeline"]["rows"]) >= 4)
            assert u["timeline"]["names"] == ["L:BusbarNeedle,number", "A:ELECTRICAL MASTER BATTERY, bool"], u["timeline"]
            assert u["timeline"]["rows"][-1][1:] == [102, 1], u["timeline"]["rows"][-1]
            wb.call("/api/watch", {"names": [f"L:v{i}" for i in range(9)]}, expect=400)
            wb.call("/api/watch", {"names": ["K:TOGGLE_NAV_LIGHTS"]}, expect=400)
        case("the timeline follows the chosen variables over the live updates", timeline)

        def mouse_and_tooltips():
            tip = wb.call("/api/tooltip?gauge=Elec_Panel&x=430&y=740")["tooltip"]
            assert re.fullmatch(r"Pitch selection \[-?\d+ degrees\]", tip), tip
            assert wb.call("/api/tooltip?gauge=Elec_Panel&x=5&y=5")["tooltip"] is None
            assert wb.call("/api/mouse", {"gauge": "Elec_Panel", "x": 3, "y": 3, "flags": 0x20000000})["record"] == -1
            wb.call("/api/tooltip?gauge=Elec_Panel&x=1e3&y=2", expect=400)
            wb.call("/api/mouse", {"gauge": "Elec_Panel", "x": 10, "y": 10, "flags": 0}, expect=400)
        case("tooltips have their arguments; a click where nothing is takes nothing", mouse_and_tooltips)

        def variables():
            wb.call("/api/set", {"name": "L:Lights_nav_POS, bool", "value": 1})
            found = wb.call("/api/variables?filter=lights_nav_pos")["variables"]
            assert found == [{"name": "L:Lights_nav_POS", "value": 1.0}], found
            wb.call("/api/set", {"name": "A:ATC ID, string", "value": 'VK "7" \\'})
            atc = wb.call("/api/variables?filter=atc%20id")["variables"]
            assert atc and atc[0].get("text") == 'VK "7" \\', atc
            wb.call("/api/set", {"name": "K:TOGGLE_NAV_LIGHTS", "value": 1}, expect=400)
            wb.call("/api/set", {"name": "L:x\nset", "value": 1}, expect=400)
        case("variables are found, set as a script's set sets them, text exactly", variables)

        def save_and_load():
            wb.call("/api/save", {"name": "C:\\Flights\\Api Test.FLT"})
            wb.call("/api/step", {"frames": 40})
            saved = os.path.join(root, "SimObjects/Airplanes/VK_Tarmelon/panel/PanelSave/Api Test.FLT.save")
            assert os.path.exists(saved), os.listdir(os.path.dirname(saved)) if os.path.isdir(os.path.dirname(saved)) else "no PanelSave"
            loaded = wb.call("/api/load", {"flight": "C:\\Flights\\Api Test.FLT"})
            assert loaded["loaded"] and loaded["flight"] == "C:\\Flights\\Api Test.FLT", loaded
            wb.call("/api/command", {"line": "unload"})
            assert wb.call("/api/layout")["layout"]["loaded"] is False
            r = wb.call("/api/mouse", {"gauge": "TO_Panel", "x": 1200, "y": 200, "flags": 0x20000000}, expect=400)
            assert "not loaded" in r["error"], r
            wb.call("/api/load", {})
            assert wb.call("/api/layout")["layout"]["loaded"] is True
        case("a flight is saved and loaded; after an unload the panels say so", save_and_load)

        def cruise():
            out = wb.call("/api/start", {"state": "cruise", "altitude_ft": 12000, "speed_kt": 250})["output"]
            assert "cruise" in out, out
            alt = wb.call("/api/command", {"line": 'get "A:PLANE ALTITUDE, feet"'})["output"]
            assert alt.strip().endswith("12000"), alt
            gear = wb.call("/api/command", {"line": 'get "A:GEAR HANDLE POSITION, bool"'})["output"]
            assert gear.strip().endswith("0"), gear
        case("a cruise start flies at the altitude asked for, gear up", cruise)

        def refusals():
            wb.call("/api/step", b"{not json", expect=400)
            wb.call("/api/step", {"frames": 0}, expect=400)
            wb.call("/api/seconds", {"seconds": -1}, expect=400)
            wb.call("/api/seconds", {"seconds": "10"}, expect=400)
            wb.call("/api/start", {"state": "flying"}, expect=400)
            wb.call("/api/start", {"state": "cruise", "altitude_ft": 90000}, expect=400)
            wb.call("/api/start", {"state": "ready", "speed_kt": 250}, expect=400)
            wb.call("/api/window", {"ident": 4242, "action": "open"}, expect=400)
            wb.call("/api/run", {"running": True, "speed": 1000}, expect=400)
            wb.call("/api/recordings/plot?name=..%2F..%2Fsecret", expect=404)
            assert wb.call("/api/recordings")["recordings"] == []
            wb.call("/no-such-page", expect=404, raw=True)
        case("bad requests are refused with a reason, and change nothing", refusals)
    finally:
        status, out, err = wb.stop()
    if status != 0 or "the workbench stopped" not in out:
        failures.append("Ctrl-C stops the workbench")
        print(f"FAILED: Ctrl-C: status {status}, {out!r} {err!r}")
    print(f"{len(passed)} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
