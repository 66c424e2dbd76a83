#!/usr/bin/env python3
"""The workbench end to end in headless Chromium: tarmelon-bench --serve on a free port, the
page opened through chromedriver (WebDriver over HTTP, Python's standard library only), the
aircraft started cold and dark, the battery switch clicked on the TO panel as a pilot clicks
it (right opens the guard, left throws the switch), and what the page shows then: the switch
picture's frame, the variable inspector, the timeline, the tooltip, the key-event log.

Usage: workbench_test.py BENCH WORK_DIR [--screenshot FILE.png]
Skips (exit 77) only when there is no chromium or chromedriver on this machine.
"""
import base64
import json
import os
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time
import urllib.error
import urllib.request

SKIP = 77
ELEMENT = "element-6066-11e4-a52e-4f735466cecf"  # the W3C web element key


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def http(method, url, body=None, headers=None, timeout=60):
    data = None if body is None else json.dumps(body).encode()
    req = urllib.request.Request(url, data=data, method=method,
                                 headers={"Content-Type": "application/json", **(headers or {})})
    try:
        with urllib.request.urlopen(req, timeout=timeout) as r:
            return r.status, r.read()
    except urllib.error.HTTPError as e:
        return e.code, e.read()


class Browser:
    def __init__(self, driver_url, chromium):
        self.url = driver_url
        caps = {"capabilities": {"alwaysMatch": {"browserName": "chrome", "goog:chromeOptions": {
            "binary": chromium,
            "args": ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                     "--window-size=1700,1300", "--no-first-run", "--no-default-browser-check"]}}}}
        self.session = self.cmd("POST", "/session", caps)["sessionId"]

    def cmd(self, method, path, body=None):
        if hasattr(self, "session") and not path.startswith("/session"):
            path = f"/session/{self.session}{path}"
        status, raw = http(method, self.url + path, body if body is not None or method != "POST" else {})
        value = json.loads(raw or b"{}").get("value")
        if status != 200:
            raise AssertionError(f"WebDriver {method} {path}: {status} {value}")
        return value

    def go(self, url):
        self.cmd("POST", "/url", {"url": url})

    def js(self, script, *args):
        return self.cmd("POST", "/execute/sync", {"script": script, "args": list(args)})

    def find(self, css):
        found = self.cmd("POST", "/element", {"using": "css selector", "value": css})
        if not isinstance(found, dict) or ELEMENT not in found:
            raise AssertionError(f"no element {css}: {found}")
        return found[ELEMENT]

    def click(self, css, button=0):
        el = self.find(css)
        self.cmd("POST", "/actions", {"actions": [{"type": "pointer", "id": "mouse", "parameters": {"pointerType": "mouse"},
                                                   "actions": [{"type": "pointerMove", "origin": {ELEMENT: el}, "x": 0, "y": 0},
                                                               {"type": "pointerDown", "button": button},
                                                               {"type": "pointerUp", "button": button}]}]})
        self.cmd("DELETE", "/actions")

    def hover(self, css, x=0, y=0):
        el = self.find(css)
        self.cmd("POST", "/actions", {"actions": [{"type": "pointer", "id": "mouse", "parameters": {"pointerType": "mouse"},
                                                   "actions": [{"type": "pointerMove", "origin": {ELEMENT: el}, "x": x, "y": y}]}]})

    def type(self, css, text):
        self.cmd("POST", f"/element/{self.find(css)}/value", {"text": text})

    def screenshot(self, path):
        with open(path, "wb") as f:
            f.write(base64.b64decode(self.cmd("GET", "/screenshot")))

    def wait(self, what, script, *args, timeout=30):
        deadline = time.time() + timeout
        last = None
        while time.time() < deadline:
            last = self.js(script, *args)
            if last:
                return last
            time.sleep(0.1)
        raise AssertionError(f"{what}: not seen within {timeout} s (last: {last!r})")

    def close(self):
        try:
            self.cmd("DELETE", f"/session/{self.session}")
        except Exception:
            pass


def start_bench(bench, root):
    proc = subprocess.Popen([bench, "--root", root, "--serve", "0"], stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                            text=True)
    line = proc.stdout.readline()
    if "http://127.0.0.1:" not in line:
        proc.kill()
        raise AssertionError(f"the bench did not show its address: {line!r} {proc.stderr.read()!r}")
    port = int(line.split("http://127.0.0.1:")[1].split("/")[0])
    return proc, port


def main():
    args = sys.argv[1:]
    shot = None
    if "--screenshot" in args:
        i = args.index("--screenshot")
        shot = os.path.abspath(args[i + 1])
        del args[i:i + 2]
    bench, work = args
    chromium = shutil.which("chromium") or shutil.which("chromium-browser")
    driver = shutil.which("chromedriver")
    if not chromium or not driver:
        print("SKIP: no chromium or chromedriver here (scripts/deps.sh installs them)")
        return SKIP
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    root = os.path.join(work, "sim")

    proc, port = start_bench(bench, root)
    page = f"http://127.0.0.1:{port}/"
    driver_port = free_port()
    driver_proc = subprocess.Popen([driver, f"--port={driver_port}"], stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
    browser = None
    failures = []
    passed = []

    def check(what, fn):
        try:
            fn()
            passed.append(what)
            print(f"ok: {what}", flush=True)
        except AssertionError as e:
            failures.append(f"{what}: {e}")
            print(f"FAILED: {what}: {e}")

    try:
        for _ in range(100):
            try:
                if http("GET", f"http://127.0.0.1:{driver_port}/status", timeout=2)[0] == 200:
                    break
            except OSError:
                time.sleep(0.1)
        browser = Browser(f"http://127.0.0.1:{driver_port}", chromium)
        browser.go(page)
        to_panel = 'svg[data-gauge="TO_Panel@500"]'
        battery_area = to_panel + ' rect.area[x="1133"][y="136"]'
        battery_frame = ("(() => { const r = document.querySelector(arguments[0] + ' g.icon rect[x=\"1133\"][y=\"136\"]');"
                         "return r ? r.parentNode.dataset.frame : null; })()")

        def every_window():
            titles = browser.wait("the panel windows", "return [...document.querySelectorAll('.window h3 span')]"
                                                       ".map(e => e.textContent);")
            for want in ["Main view", "Window 100: Elec_Panel", "Window 500: TO_Panel", "Window 400: Fuel_Panel",
                         "Window 1000: RadioGPS_Panel, RadioGPS_GMA340, RadioGPS_GTN6XX, RadioGPS_SL30"]:
                assert want in titles, f"{want} missing from {titles}"
            n = browser.js("return document.querySelectorAll('.gauge svg').length;")
            assert n >= 24, f"{n} gauges drawn"
        check("every panel window is drawn", every_window)

        def cold_and_dark():
            browser.click("#start")
            browser.wait("the start", "return document.getElementById('message').textContent.includes('started afresh');",
                         timeout=60)
            browser.click("#pause")
            browser.wait("paused", "return document.getElementById('status').textContent.startsWith('paused');")
            browser.click('.window[data-window="500"] .toggle-window')
            browser.wait("window 500 open", "return !document.querySelector('.window[data-window=\"500\"]')"
                                            ".classList.contains('closed');")
            browser.click("#step")
            browser.wait("the battery switch off (frame 0)", f"return ({battery_frame}) === '0';", to_panel)
        check("cold and dark: window 500 opens, the battery switch shows off", cold_and_dark)

        def inspector_watch():
            browser.type("#var-filter", "AircraftBattPos")
            browser.wait("the battery position in the inspector",
                         "const r = document.querySelector('#var-table tr[data-name=\"L:AircraftBattPos\"] input.value');"
                         "return r && r.value === '0';")
            browser.js("document.getElementById('var-filter').value = '';")
            browser.type("#var-filter", "BusbarNeedle")
            browser.wait("the busbar needle in the inspector",
                         "return document.querySelector('#var-table tr[data-name=\"L:BusbarNeedle\"] input.value') !== null;")
            browser.click('#var-table tr[data-name="L:BusbarNeedle"] input.plot')
            browser.wait("the busbar on the timeline", "return document.querySelector('#timeline path[data-name=\"L:BusbarNeedle\"]') !== null;")
        check("the inspector finds the battery position; the busbar is plotted", inspector_watch)

        def battery_on():
            browser.click(battery_area, 2)   # the guard, right button
            browser.click(battery_area, 0)   # the switch
            browser.click("#step")
            browser.click("#step")
            browser.wait("the battery switch on (frame 2)", f"return ({battery_frame}) === '2';", to_panel)
            browser.js("document.getElementById('var-filter').value = '';")
            browser.type("#var-filter", "AircraftBattPos")
            browser.wait("the inspector following", "const r = document.querySelector('#var-table tr[data-name=\"L:AircraftBattPos\"] input.value');"
                                                     "return r && r.value === '2';")
            browser.wait("the timeline following", "return document.getElementById('timeline-legend').textContent.includes('L:BusbarNeedle: 102');")
            status, raw = http("GET", f"{page}api/variables?filter=electrical%20master%20battery")
            values = {v["name"]: v["value"] for v in json.loads(raw)["variables"]}
            assert values.get("A:ELECTRICAL MASTER BATTERY") == 1, values
        check("a click on the battery switch powers the busbar; the inspector and timeline follow", battery_on)

        def tooltip():
            browser.hover(battery_area, 5, 5)
            text = browser.wait("the tooltip", "const t = document.getElementById('tooltip');"
                                               "return t.hidden ? null : t.textContent;")
            assert text == "Aircraft Battery", text
        check("hovering the battery switch shows its tooltip", tooltip)

        def edit_and_log():
            browser.js("document.getElementById('var-filter').value = '';")
            browser.type("#var-filter", "Lights_nav")
            cell = '#var-table tr[data-name="L:Lights_nav_POS"] input.value'
            # The table is redrawn as values arrive: wait until the cell is on screen, and
            # type again if a redraw took it away between finding and typing.
            shown = (f"const i = document.querySelector('{cell}');"
                     "if (!i) return false; i.scrollIntoView({block: 'center'});"
                     "const r = i.getBoundingClientRect(); return r.width > 0 && r.height > 0;")
            for attempt in range(5):
                browser.wait("the navigation light switch", shown)
                browser.js(f"const i = document.querySelector('{cell}'); i.focus(); i.value = '';")
                try:
                    browser.type(cell, "1\ue007")
                    break
                except AssertionError:
                    if attempt == 4:
                        raise
                    time.sleep(0.5)
            browser.click("#step")
            # The page sends the value on Enter; under load it may arrive after the step.
            deadline = time.time() + 20
            while True:
                status, raw = http("GET", f"{page}api/variables?filter=lights_nav_pos")
                values = {v["name"]: v["value"] for v in json.loads(raw)["variables"]}
                if values.get("L:Lights_nav_POS") == 1 or time.time() > deadline:
                    break
                time.sleep(0.2)
            assert values.get("L:Lights_nav_POS") == 1, values
            browser.click('.tabs button[data-log="keys"]')
            browser.wait("the key-event log", "return document.getElementById('log-view').textContent.length > 0;")
        check("a value typed in the inspector is set; the key-event log shows", edit_and_log)

        if shot:
            browser.js("document.getElementById('var-filter').value = '';")
            browser.type("#var-filter", "batt")
            browser.click("#run")
            time.sleep(2)
            browser.js("document.activeElement.blur();"
                       "document.querySelector('.window[data-window=\"500\"]').scrollIntoView({block: 'center'});")
            time.sleep(0.5)
            browser.screenshot(shot)
            print(f"screenshot: {shot}")

        def refusals():
            status, _ = http("POST", f"{page}api/start", {"state": "cold-and-dark"}, {"Content-Type": "text/plain"})
            assert status == 415, status
            status, _ = http("GET", f"{page}api/state", headers={"Host": "elsewhere.example"})
            assert status == 403, status
            status, raw = http("POST", f"{page}api/mouse", {"gauge": "No_Such_Gauge", "x": 1, "y": 1, "flags": 0x20000000})
            assert status == 400 and b"No_Such_Gauge" in raw, (status, raw)
            status, raw = http("POST", f"{page}api/set", {"name": "K:TOGGLE_NAV_LIGHTS", "value": 1})
            assert status == 400, (status, raw)
        check("the bench refuses what a page elsewhere or a bad request sends", refusals)
    finally:
        if browser:
            browser.close()
        driver_proc.terminate()
        driver_proc.wait(timeout=10)
        proc.send_signal(signal.SIGINT)
        try:
            out, err = proc.communicate(timeout=20)
            if "the workbench stopped" not in out:
                failures.append(f"Ctrl-C did not stop the workbench cleanly: {out!r} {err!r}")
            if proc.returncode != 0:
                failures.append(f"the bench exited with {proc.returncode}: {err!r}")
        except subprocess.TimeoutExpired:
            proc.kill()
            failures.append("the bench did not stop on Ctrl-C")
    print(f"{len(passed)} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
