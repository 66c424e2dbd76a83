// The workbench page: panels drawn from the gauges' element records and live results, mouse
// events sent to their click areas, the variable inspector, the timeline, the logs and the
// controls. Everything it shows comes from the bench (/api/...).
'use strict';

const SVG = 'http://www.w3.org/2000/svg';
const M = {  // mouse flags, as the gauge records give them
  RIGHTSINGLE: 0x80000000, LEFTSINGLE: 0x20000000, RIGHTDOUBLE: 0x10000000, LEFTDOUBLE: 0x04000000,
  RIGHTDRAG: 0x02000000, LEFTDRAG: 0x00800000, MOVE: 0x00400000, REPEAT: 0x00200000,
  RIGHTRELEASE: 0x00080000, LEFTRELEASE: 0x00020000, WHEELUP: 0x00004000, WHEELDOWN: 0x00002000,
};
const CURSORS = { '-1': 'none', 0: 'default', 1: 'n-resize', 2: 's-resize', 3: 'w-resize', 4: 'e-resize',
                  5: 'pointer', 6: 'crosshair', 7: 'grab' };
const SWATCHES = ['#5a6470', '#e0c040', '#40c060', '#e06040', '#4090e0', '#c060d0', '#40d0d0', '#d09050', '#a0a0a0'];
const PLOT_COLOURS = ['#4fc3f7', '#ffb74d', '#81c784', '#e57373', '#ba68c8', '#fff176', '#4db6ac', '#f06292'];

const ui = {
  layout: null, layoutVersion: -1, gauges: {}, state: null, watched: [], timeline: { names: [], rows: [] },
  log: 'keys', filter: '', editing: null,
};
const $ = (id) => document.getElementById(id);

function el(tag, attrs, parent) {
  const e = document.createElementNS(SVG, tag);
  for (const [k, v] of Object.entries(attrs || {})) e.setAttribute(k, v);
  if (parent) parent.appendChild(e);
  return e;
}

async function api(path, body) {
  const init = body === undefined ? {} :
    { method: 'POST', headers: { 'Content-Type': 'application/json' }, body: JSON.stringify(body) };
  const res = await fetch(path, init);
  const answer = await res.json().catch(() => ({ error: 'no answer' }));
  if (!res.ok) throw new Error(answer.error || res.statusText);
  return answer;
}

function say(text, ok) {
  const m = $('message');
  m.hidden = !text;
  m.textContent = text || '';
  m.classList.toggle('ok', !!ok);
}

async function act(path, body, okText) {
  try {
    const a = await api(path, body);
    const out = [a.output, a.errors].filter(Boolean).join('');
    if (okText || out) say(okText ? okText(a) + (out ? '\n' + out : '') : out, !a.status);
    return a;
  } catch (e) {
    say(e.message, false);
    return null;
  }
}

// ---- panels ---------------------------------------------------------------------------

async function loadLayout() {
  const { version, layout } = await api('/api/layout');
  ui.layout = layout;
  ui.layoutVersion = version;
  ui.gauges = {};
  const panels = $('panels');
  panels.textContent = '';
  if (!layout.loaded) {
    panels.textContent = 'The module is not loaded (load a flight to bring it back).';
    return;
  }
  for (const w of layout.windows) {
    const div = document.createElement('div');
    div.className = 'window' + (w.ident === 0 ? ' main-view' : '');
    div.dataset.window = w.ident;
    const h = document.createElement('h3');
    const title = document.createElement('span');
    title.textContent = w.title;
    h.appendChild(title);
    if (w.ident !== 0) {
      const b = document.createElement('button');
      b.className = 'toggle-window';
      b.textContent = 'open';
      b.onclick = () => act('/api/window', { ident: w.ident, action: 'toggle' });
      h.appendChild(b);
    }
    div.appendChild(h);
    const gauges = document.createElement('div');
    gauges.className = 'gauges';
    for (const key of w.gauges) gauges.appendChild(drawGauge(key));
    div.appendChild(gauges);
    panels.appendChild(div);
  }
  if (ui.state) showState(ui.state);
}

function drawGauge(key) {
  const name = key.split('@')[0];
  const g = ui.layout.gauges[name];
  const box = document.createElement('div');
  box.className = 'gauge';
  box.dataset.gauge = key;
  const label = document.createElement('div');
  label.className = 'name';
  label.textContent = `${name} (${g.width}×${g.height})`;
  box.appendChild(label);
  const svg = el('svg', { viewBox: `0 0 ${g.width} ${g.height}`, 'data-gauge': key, style: `--w: ${g.width}px` });
  const parts = [];
  g.elements.forEach((e, i) => {
    const b = e.box || [e.x, e.y, 0, 0];
    let part;
    if (e.kind === 'static') {
      part = el('rect', { x: b[0], y: b[1], width: b[2], height: b[3], class: e.parent === null ? 'background' : 'static' }, svg);
    } else if (e.kind === 'icon') {
      part = el('g', { class: 'icon' }, svg);
      el('rect', { x: b[0], y: b[1], width: b[2], height: b[3], class: 'swatch', fill: SWATCHES[0] }, part);
      el('text', { x: b[0] + b[2] / 2, y: b[1] + b[3] / 2, class: 'frame-number' }, part).textContent = '0';
    } else if (e.kind === 'needle') {
      part = el('g', { class: 'needle-group', transform: `translate(${e.x} ${e.y})` }, svg);
      el('line', { x1: 0, y1: 0, x2: 0, y2: -e.length, class: 'needle' }, part);
      el('circle', { cx: 0, cy: 0, r: Math.max(3, e.length / 20), class: 'pivot' }, part);
    } else if (e.kind === 'string') {
      part = el('g', { class: 'string' }, svg);
      el('rect', { x: b[0], y: b[1], width: b[2], height: b[3], fill: e.background }, part);
      el('text', { x: b[0] + b[2] / 2, y: b[1] + b[3] / 2, fill: e.colour, 'font-family': `${e.font}, monospace`,
                   'font-weight': e.weight, 'font-size': Math.max(6, b[3] * 0.8), 'dominant-baseline': 'middle',
                   'text-anchor': 'middle' }, part);
    } else if (e.kind === 'slider') {
      part = el('rect', { x: b[0], y: b[1], width: b[2], height: b[3], class: 'slider' }, svg);
    } else {
      part = el('g', {}, svg);
    }
    part.dataset.index = i;
    parts.push(part);
  });
  // Click areas in table order: the last one on top, as the simulator picks the last.
  g.mouse.forEach((r, i) => {
    if (r.type !== 2) return;
    el('rect', { x: r.x, y: r.y, width: Math.max(1, r.w), height: Math.max(1, r.h), class: 'area',
                 'data-record': i, style: `cursor: ${CURSORS[r.cursor] || 'default'}` }, svg);
  });
  wireMouse(svg, name, g);
  box.appendChild(svg);
  ui.gauges[key] = { name, g, svg, parts };
  return box;
}

function gaugePoint(svg, ev) {
  const p = svg.createSVGPoint();
  p.x = ev.clientX;
  p.y = ev.clientY;
  const q = p.matrixTransform(svg.getScreenCTM().inverse());
  return [Math.floor(q.x), Math.floor(q.y)];
}

// Whether a click area at the point takes these flags (else the event is not sent at all).
function takes(g, x, y, flags) {
  return g.mouse.some((r) => r.type === 2 && x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h &&
                              ((r.mask >>> 0) & flags) !== 0);
}

let mouseQueue = Promise.resolve();

function wireMouse(svg, name, g) {
  let held = 0, repeat = null, lastMove = 0, inFlight = false, tipTimer = null;
  const send = (ev, flags, always) => {
    const [x, y] = gaugePoint(svg, ev);
    if (!takes(g, x, y, flags)) return false;
    if (inFlight && !always) return true;  // moves and drags while one is on its way are dropped
    inFlight = true;
    // Events reach the bench in the order they happened: each is sent once the one before is answered.
    mouseQueue = mouseQueue
      .then(() => api('/api/mouse', { gauge: name, x, y, flags: flags >>> 0 }))
      .catch((e) => say(e.message))
      .finally(() => { inFlight = false; });
    return true;
  };
  const stopRepeat = () => { if (repeat) clearInterval(repeat); repeat = null; };
  svg.addEventListener('contextmenu', (ev) => ev.preventDefault());
  svg.addEventListener('mousedown', (ev) => {
    ev.preventDefault();
    held = ev.button === 2 ? 2 : 1;
    send(ev, held === 2 ? M.RIGHTSINGLE : M.LEFTSINGLE, true);
    stopRepeat();
    let last = ev;
    svg.onmousemove = (m) => { last = m; };
    repeat = setInterval(() => send(last, M.REPEAT), 150);
  });
  window.addEventListener('mouseup', (ev) => {
    if (!held) return;
    const flags = held === 2 ? M.RIGHTRELEASE : M.LEFTRELEASE;
    held = 0;
    stopRepeat();
    svg.onmousemove = null;
    if (svg.contains(ev.target)) send(ev, flags, true);
  });
  svg.addEventListener('dblclick', (ev) => send(ev, ev.button === 2 ? M.RIGHTDOUBLE : M.LEFTDOUBLE, true));
  svg.addEventListener('wheel', (ev) => {
    if (send(ev, ev.deltaY < 0 ? M.WHEELUP : M.WHEELDOWN, true)) ev.preventDefault();
  }, { passive: false });
  svg.addEventListener('mousemove', (ev) => {
    const now = performance.now();
    if (now - lastMove > 60) {
      lastMove = now;
      if (held) send(ev, held === 2 ? M.RIGHTDRAG : M.LEFTDRAG);
      else send(ev, M.MOVE);
    }
    clearTimeout(tipTimer);
    const [x, y] = gaugePoint(svg, ev);
    const cx = ev.clientX, cy = ev.clientY;
    tipTimer = setTimeout(() => showTooltip(name, x, y, cx, cy), 250);
  });
  svg.addEventListener('mouseleave', () => { clearTimeout(tipTimer); $('tooltip').hidden = true; });
}

async function showTooltip(name, x, y, cx, cy) {
  const tip = $('tooltip');
  try {
    const a = await api(`/api/tooltip?gauge=${encodeURIComponent(name)}&x=${x}&y=${y}`);
    if (a.tooltip === null || a.tooltip === '') { tip.hidden = true; return; }
    tip.textContent = a.tooltip;
    tip.style.left = `${cx + 14}px`;
    tip.style.top = `${cy + 16}px`;
    tip.dataset.gauge = name;
    tip.hidden = false;
  } catch (e) {
    tip.hidden = true;
  }
}

function showInstance(inst) {
  const view = ui.gauges[inst.key];
  if (!view) return;
  inst.elements.forEach((s, i) => {
    const e = view.g.elements[i];
    const part = view.parts[i];
    if (!e || !part) return;
    let hidden = s.h;
    if (e.kind === 'icon') {
      hidden = hidden || s.f < 0 || !s.u;
      const frame = Math.max(0, s.f);
      part.firstChild.setAttribute('fill', SWATCHES[frame % SWATCHES.length]);
      part.lastChild.textContent = String(frame);
      part.dataset.frame = s.f;
    } else if (e.kind === 'needle') {
      part.setAttribute('transform', `translate(${e.x} ${e.y}) rotate(${s.a})`);
      part.dataset.angle = s.a;
      part.dataset.value = s.v;
    } else if (e.kind === 'string') {
      part.lastChild.textContent = s.t || '';
    } else if (e.kind === 'slider') {
      part.setAttribute('transform', `translate(${s.v || 0} ${s.y || 0})`);
    }
    part.classList.toggle('hidden', !!hidden);
  });
}

// ---- live state -------------------------------------------------------------------------

function showState(s) {
  ui.state = s;
  $('status').textContent = `${s.running ? 'running' : 'paused'} · ${s.time.toFixed(2)} s simulated · ` +
    `${s.loaded ? 'module loaded' : 'module unloaded'} · SimConnect ${s.simconnect ? 'open' : 'closed'}`;
  $('status').dataset.time = s.time;
  if (s.layout !== ui.layoutVersion) { loadLayout(); return; }
  for (const inst of s.instances) showInstance(inst);
  for (const div of document.querySelectorAll('.window')) {
    const open = s.windows[div.dataset.window];
    div.classList.toggle('closed', !open);
    const b = div.querySelector('.toggle-window');
    if (b) b.textContent = open ? 'close' : 'open';
  }
  showLog();
}

function showLog() {
  const logs = ui.state && ui.state.logs;
  if (!logs || !logs.keys) return;
  let lines = logs[ui.log] || [];
  if (ui.log === 'keys') lines = lines.map(([id, p]) => `${id} ${p}`);
  const total = logs[ui.log + '_total'];
  const view = $('log-view');
  const text = (total > lines.length ? `… ${total - lines.length} earlier\n` : '') + lines.join('\n');
  if (view.textContent !== text) {
    const atEnd = view.scrollTop + view.clientHeight >= view.scrollHeight - 4;
    view.textContent = text;
    if (atEnd) view.scrollTop = view.scrollHeight;
  }
}

function takeTimeline(t) {
  if (t.reset) ui.timeline = { names: t.names, rows: [] };
  ui.timeline.names = t.names;
  ui.timeline.rows.push(...t.rows);
  if (ui.timeline.rows.length > 20000) ui.timeline.rows.splice(0, ui.timeline.rows.length - 20000);
  drawTimeline();
}

function drawTimeline() {
  const svg = $('timeline');
  svg.textContent = '';
  const legend = $('timeline-legend');
  legend.textContent = '';
  const { names, rows } = ui.timeline;
  if (!names.length || !rows.length) return;
  const W = 600, H = 220;
  const t0 = rows[0][0], t1 = Math.max(rows[rows.length - 1][0], t0 + 1e-6);
  names.forEach((name, k) => {
    const values = rows.map((r) => r[k + 1]).filter((v) => v !== null);
    if (!values.length) return;
    let lo = Math.min(...values), hi = Math.max(...values);
    if (hi - lo < 1e-9) { lo -= 1; hi += 1; }
    const step = Math.max(1, Math.floor(rows.length / 1200));
    let d = '';
    for (let i = 0; i < rows.length; i += step) {
      const v = rows[i][k + 1];
      if (v === null) continue;
      const x = (rows[i][0] - t0) / (t1 - t0) * W;
      const y = H - 8 - (v - lo) / (hi - lo) * (H - 16);
      d += `${d ? 'L' : 'M'}${x.toFixed(1)} ${y.toFixed(1)}`;
    }
    el('path', { d, fill: 'none', stroke: PLOT_COLOURS[k % PLOT_COLOURS.length], 'stroke-width': 1.5,
                 'vector-effect': 'non-scaling-stroke', 'data-name': name }, svg);
    const span = document.createElement('span');
    span.style.color = PLOT_COLOURS[k % PLOT_COLOURS.length];
    const last = rows[rows.length - 1][k + 1];
    span.textContent = `${name}: ${last} (${+lo.toPrecision(6)} … ${+hi.toPrecision(6)})`;
    legend.appendChild(span);
  });
  const span = document.createElement('span');
  span.className = 'dim';
  span.textContent = `${t0.toFixed(1)} s to ${t1.toFixed(1)} s`;
  legend.appendChild(span);
}

function connect() {
  const events = new EventSource('/api/events');
  events.onmessage = (m) => {
    const update = JSON.parse(m.data);
    showState(update.state);
    takeTimeline(update.timeline);
    ui.watched = update.state.watched;
  };
  events.onerror = () => { $('status').textContent = 'connection lost; trying again…'; };
}

// ---- variable inspector ---------------------------------------------------------------

async function refreshVariables() {
  try {
    const a = await api(`/api/variables?filter=${encodeURIComponent(ui.filter)}`);
    $('var-count').textContent = `${a.matched}${a.matched > a.variables.length ? ` (first ${a.variables.length})` : ''}`;
    const body = $('var-table').tBodies[0];
    const rows = new Map([...body.rows].map((r) => [r.dataset.name, r]));
    const keep = new Set();
    for (const v of a.variables) {
      keep.add(v.name);
      let row = rows.get(v.name);
      if (!row) row = newVariableRow(v.name);
      body.appendChild(row);  // in the bench's order
      const input = row.querySelector('input.value');
      const shown = v.text !== undefined ? v.text : String(v.value);
      row.dataset.text = v.text !== undefined ? '1' : '';
      if (document.activeElement !== input) { input.value = shown; input.classList.remove('changed'); }
      row.querySelector('input.plot').checked = ui.watched.includes(v.name);
    }
    for (const [name, row] of rows) if (!keep.has(name)) row.remove();
  } catch (e) {
    $('var-count').textContent = e.message;
  }
}

function newVariableRow(name) {
  const row = document.createElement('tr');
  row.dataset.name = name;
  const plot = document.createElement('input');
  plot.type = 'checkbox';
  plot.className = 'plot';
  plot.onchange = () => {
    const names = ui.watched.filter((n) => n !== name);
    if (plot.checked) names.push(name);
    act('/api/watch', { names }).then((a) => { if (a) ui.watched = a.watched; });
  };
  const value = document.createElement('input');
  value.className = 'value';
  value.oninput = () => value.classList.add('changed');
  value.onkeydown = async (ev) => {
    if (ev.key === 'Escape') { value.blur(); return; }
    if (ev.key !== 'Enter') return;
    const text = row.dataset.text === '1';
    const number = Number(value.value);
    if (!text && (value.value.trim() === '' || !Number.isFinite(number))) { say(`${name}: not a number`); return; }
    const a = await act('/api/set', { name, value: text ? value.value : number });
    if (a) { value.classList.remove('changed'); value.blur(); }
  };
  const cells = [plot, Object.assign(document.createElement('span'), { textContent: name }), value];
  for (const c of cells) row.appendChild(document.createElement('td')).appendChild(c);
  return row;
}

// ---- recorder ---------------------------------------------------------------------------

async function refreshRecordings() {
  const list = $('recordings');
  try {
    const a = await api('/api/recordings');
    list.textContent = '';
    if (!a.recordings.length) list.textContent = `none in ${a.folder}`;
    for (const name of a.recordings) {
      const li = document.createElement('li');
      const link = document.createElement('a');
      link.href = '#';
      link.textContent = name;
      link.onclick = (ev) => {
        ev.preventDefault();
        const img = document.createElement('img');
        img.alt = `recording ${name}`;
        img.src = `/api/recordings/plot?name=${encodeURIComponent(name)}&t=${Date.now()}`;
        $('recording-plot').replaceChildren(img);
      };
      li.appendChild(link);
      list.appendChild(li);
    }
  } catch (e) {
    list.textContent = e.message;
  }
}

// ---- controls ---------------------------------------------------------------------------

function wireControls() {
  const speed = () => Number($('speed').value);
  $('run').onclick = () => act('/api/run', { running: true, speed: speed() });
  $('pause').onclick = () => act('/api/run', { running: false, speed: speed() });
  $('speed').onchange = () => ui.state && ui.state.running && act('/api/run', { running: true, speed: speed() });
  $('step').onclick = () => act('/api/step', { frames: 1 });
  $('run-seconds').onclick = () => act('/api/seconds', { seconds: Number($('seconds').value) },
                                       (a) => `ran to ${a.time.toFixed(2)} s`);
  $('start-state').onchange = () => { $('cruise-at').hidden = $('start-state').value !== 'cruise'; };
  $('start').onclick = () => {
    const state = $('start-state').value;
    const body = state === 'cruise'
      ? { state, altitude_ft: Number($('cruise-altitude').value), speed_kt: Number($('cruise-speed').value) }
      : { state };
    return act('/api/start', body, () => 'started afresh');
  };
  $('run-script').onclick = async () => {
    const file = $('script-file').files[0];
    if (!file) { say('choose a script file first'); return; }
    const text = await file.text();
    const a = await act('/api/script', { name: file.name, text });
    if (a) say(`${file.name}: exit status ${a.status}\n${a.output}${a.errors}`, a.status === 0);
  };
  $('save').onclick = () => act('/api/save', { name: $('flight').value }, () => `saved ${$('flight').value}`);
  $('load').onclick = () => act('/api/load', { flight: $('flight').value }, (a) => `loaded ${a.flight}`);
  const exec = () => act('/api/command', { line: $('command').value }, () => `did: ${$('command').value}`);
  $('exec').onclick = exec;
  $('command').onkeydown = (ev) => { if (ev.key === 'Enter') exec(); };
  $('mark').onclick = () => act('/api/mark', {});
  $('var-filter').oninput = () => { ui.filter = $('var-filter').value; refreshVariables(); };
  for (const b of document.querySelectorAll('.tabs button')) {
    b.onclick = () => {
      ui.log = b.dataset.log;
      for (const o of document.querySelectorAll('.tabs button')) o.classList.toggle('active', o === b);
      showLog();
    };
  }
  $('recordings-refresh').onclick = refreshRecordings;
}

wireControls();
loadLayout().then(connect);
refreshVariables();
setInterval(refreshVariables, 500);
refreshRecordings();
