// What the browser tests and the bench share: Debian's Chromium, the page served from its folder,
// the show's hooks (window.ruvantia), and simulate to play the same show in virtual time.
//
//   RUVANTIA_SITE      the built page (default build/web/site)
//   RUVANTIA_SIMULATE  the host build's simulate (default build/default/simulate)
//   CHROMIUM           the browser (default /usr/bin/chromium)
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import zlib from 'node:zlib';
import { serve } from './serve.mjs';

export const repo = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
export const site = process.env.RUVANTIA_SITE ?? path.join(repo, 'build/web/site');
export const simulateBin = process.env.RUVANTIA_SIMULATE ?? path.join(repo, 'build/default/simulate');
export const chromiumBin = process.env.CHROMIUM ?? '/usr/bin/chromium';

// The board's blue, Form1's BackColor.
export const BOARD_BLUE = '#000040';

// The node these tests need, from package.json's engines (">=18"): an older one stops them at once,
// with the reason, before any import that would fail less clearly.
const engines = JSON.parse(fs.readFileSync(path.join(repo, 'tests/web/package.json'), 'utf8')).engines.node;
const nodeMajor = Number(process.versions.node.split('.')[0]);
if (nodeMajor < Number(/\d+/.exec(engines)[0])) {
    console.error(`FAIL: these tests need node ${engines} (package.json's engines); this is node ${process.versions.node}`);
    process.exit(1);
}

// Without what it needs a test says what is missing and fails: a browser test that cannot run
// must not pass for one that did (ctest -LE web leaves them out on purpose).
export async function needs({ page = true, simulate = false } = {}) {
    const missing = [];
    if (page && !fs.existsSync(path.join(site, 'index.html')))
        missing.push(`${site}/index.html (cmake --preset web && cmake --build --preset web)`);
    if (simulate && !fs.existsSync(simulateBin))
        missing.push(`${simulateBin} (cmake --build --preset default --target simulate)`);
    if (!fs.existsSync(chromiumBin))
        missing.push(chromiumBin);
    try {
        await import('playwright-core');
    } catch (e) {
        missing.push(`playwright-core (npm ci --prefix tests/web --no-audit --no-fund): ${e.message}`);
    }
    if (missing.length) {
        console.error(`FAIL: missing ${missing.join('; ')}`);
        process.exit(1);
    }
}

// Chromium as this closed machine needs it: no sandbox for root, nothing that phones home, and
// a fresh empty profile (playwright makes one for every launch).
const chromiumOptions = {
    executablePath: chromiumBin,
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
        '--disable-background-networking', '--disable-component-update', '--disable-sync'],
};
export async function launch() {
    const { chromium } = await import('playwright-core');
    return chromium.launch(chromiumOptions);
}

// A browser with a profile in DIR, as a visitor's is (one that is not private may install the page).
export async function launchProfile(dir, options = {}) {
    const { chromium } = await import('playwright-core');
    return chromium.launchPersistentContext(dir, { ...chromiumOptions, ...options });
}

// Opens the page at QUERY ("?start=10:00:00") in a context of its own (OPTIONS: viewport,
// hasTouch...), served from DIR. Everything that went wrong on the way is kept in problems:
// console errors, page errors, failed or refused requests, and any dialog (dismissed).
export async function open(browser, query = '', options = {}, dir = site) {
    const server = await serve(dir);
    const context = await browser.newContext({ viewport: { width: 1280, height: 1024 }, ...options });
    const page = await context.newPage();
    const problems = [];
    const urls = [];
    page.on('console', (m) => m.type() === 'error' && problems.push(`console: ${m.text()}`));
    page.on('pageerror', (e) => problems.push(`page error: ${e.message}`));
    page.on('request', (r) => urls.push(r.url()));
    page.on('requestfailed', (r) => problems.push(`request failed: ${r.url()} ${r.failure()?.errorText}`));
    page.on('response', (r) => r.status() >= 400 && problems.push(`response ${r.status()}: ${r.url()}`));
    page.on('dialog', (d) => {
        problems.push(`dialog: ${d.type()} ${d.message()}`);
        d.dismiss().catch(() => {});
    });
    await page.goto(server.url + query);
    return {
        page, problems, urls, server,
        close: async () => {
            await context.close();
            await server.close();
        },
    };
}

export const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// The hooks appear once the show has started (after its pack has been read).
// The trace's lines from line FROM on: a wait asks only for what is new, and the show's clock is not
// held up by copying its whole trace out at every look.
export const trace = (page, from = 0) => page.evaluate((n) => window.ruvantia?.trace(n) ?? [], from);
export const inputs = (page) => page.evaluate(() => window.ruvantia.inputs());
export const lineTime = (line) => Number(line.slice(0, line.indexOf(' ')));

// What a failing wait tells: the show's last 20 trace lines and the player's inputs so far.
async function story(page) {
    const [lines, actions] = await page.evaluate(() => [window.ruvantia?.trace() ?? [], window.ruvantia?.inputs() ?? []])
        .catch(() => [[], []]);
    return `\nthe last trace lines:\n${lines.slice(-20).map((l) => `  ${l}`).join('\n')}`
        + `\nthe inputs so far:\n${actions.map((l) => `  ${l}`).join('\n') || '  none'}`;
}

// Waits until READY(the lines new since the last look, the index of the first of them), perhaps
// async, gives something other than undefined, and returns it. Each look copies out only what is
// new since the last one: copying the whole trace at every look would hold up the show's clock.
// The wait follows the show, not the clock: it fails only when the trace has stood still for QUIET
// ms, which a running show never does (a busy machine makes it slower, not quiet).
async function waitOnShow(page, ready, what, quiet, from = 0) {
    let next = from;
    let since = Date.now();
    for (;;) {
        const lines = await trace(page, next);
        const got = await ready(lines, next);
        if (got !== undefined)
            return got;
        if (lines.length) {
            next += lines.length;
            since = Date.now();
        } else if (Date.now() - since > quiet) {
            throw new Error(`${what}: the show stood still for ${quiet} ms${await story(page)}`);
        }
        await sleep(50);
    }
}

// Waits for a trace line matching RE from line FROM on; returns its index.
export function waitLine(page, re, from = 0, quiet = 60000) {
    return waitOnShow(page, (lines, at) => {
        const i = lines.findIndex((l) => re.test(l));
        return i >= 0 ? at + i : undefined;
    }, `no trace line like ${re} after line ${from}`, quiet, from);
}

// Waits for the show to end: the goodbye screen closed.
export function waitEnded(page, quiet = 60000) {
    return waitOnShow(page, async () => ((await page.evaluate(() => window.ruvantia?.ended())) ? true : undefined),
        'the show did not end', quiet);
}

// The centre of a control of a shown window, in CSS pixels.
export async function centre(page, control) {
    const r = await page.evaluate((c) => window.ruvantia.rect(c), control);
    assert.ok(r, `no rect for ${control}`);
    return { x: r.x + r.width / 2, y: r.y + r.height / 2 };
}

// A click or a tap on a control, made again until the show takes it: a window that the trace
// shows may reach the screen a frame later on a busy machine, and a click there would land on
// the window beneath. The show takes a click when its inputs name the control.
async function press(page, control, how) {
    const name = control.replace(/\(/g, '\\(').replace(/\)/g, '\\)').replace(/\./g, '\\.');
    const taken = new RegExp(`^\\d+ click ${name}$`);
    const before = (await inputs(page)).length;
    for (let attempt = 0; attempt < 20; ++attempt) {
        const { x, y } = await centre(page, control);
        await how(x, y);
        for (let wait = 0; wait < 10; ++wait) {
            if ((await inputs(page)).slice(before).some((l) => taken.test(l)))
                return;
            await sleep(50);
        }
    }
    throw new Error(`the show did not take a click on ${control}${await story(page)}`);
}

export const click = (page, control) => press(page, control, (x, y) => page.mouse.click(x, y));
export const tap = (page, control) => press(page, control, (x, y) => page.touchscreen.tap(x, y));

// The title bar's close button of FORM.
export const closeButton = (page, form) => page.locator(`section.window[data-form="${form}"] .titlebar button.close`);
export const canvas = (page, form) => page.locator(`section.window[data-form="${form}"] canvas`);

export function simulate(args) {
    return execFileSync(simulateBin, args, { encoding: 'utf8', maxBuffer: 64 << 20, env: { ...process.env, SDL_VIDEODRIVER: 'offscreen' } });
}

// The player's actions as simulate's steps: each one after a wait from the previous one, and a
// last wait up to virtual time UNTIL.
export function steps(actions, until) {
    const out = [];
    let t = 0;
    for (const a of actions) {
        const at = lineTime(a);
        out.push(`wait ${at - t}`, a.slice(a.indexOf(' ') + 1));
        t = at;
    }
    if (until !== undefined && until > t)
        out.push(`wait ${until - t}`);
    return out;
}

// The same show in virtual time: its trace lines.
export function simulatedTrace(start, actions, until) {
    return simulate(['--start', start, '--trace', ...steps(actions, until)]).split('\n').filter((l) => l !== '');
}

// Which letter (0 to 3) answers the question on the board at virtual time NOW right (or wrong,
// the first wrong one still shown), given the actions so far: simulate plays them and clicks
// that letter, whose answer turns orange.
export function letter(start, actions, now, which = 'right') {
    const lines = simulate(['--start', start, '--trace', ...steps(actions, now), `answer ${which}`]).split('\n');
    const marked = lines.filter((l) => / Form1\.Label3\(\d\)\.BackColor #FF8000$/.test(l) && lineTime(l) >= now);
    assert.ok(marked.length, 'simulate marked no answer');
    return Number(/Label3\((\d)\)/.exec(marked.at(-1))[1]);
}

// Two traces line for line; on a difference, the first one with its neighbours.
export function sameTrace(browser, simulated, what) {
    const n = Math.max(browser.length, simulated.length);
    for (let i = 0; i < n; ++i) {
        if (browser[i] !== simulated[i]) {
            const around = (t) => t.slice(Math.max(0, i - 3), i + 2).map((l, k) => `  ${Math.max(0, i - 3) + k + 1}: ${l}`).join('\n');
            assert.fail(`${what}: the traces differ first at line ${i + 1} (browser ${browser.length} lines, `
                + `simulate ${simulated.length})\nbrowser:\n${around(browser)}\nsimulate:\n${around(simulated)}`);
        }
    }
}

// A screenshot of LOCATOR taken while the show stands still: nothing traced for QUIET ms before
// it (so the last change has been drawn) nor while it was taken. Returns the picture and the
// number of trace lines it shows the state after.
export async function stillShot(page, locator, quiet = 300, timeout = 30000) {
    const end = Date.now() + timeout;
    while (Date.now() < end) {
        const before = (await trace(page)).length;
        await sleep(quiet);
        if ((await trace(page)).length !== before)
            continue;
        const png = await locator.screenshot({ animations: 'allow', caret: 'initial', scale: 'css' });
        if ((await trace(page)).length === before)
            return { png, lines: before };
    }
    throw new Error(`the show never stood still for ${quiet} ms`);
}

// The pixels of a PNG file (8 bits a channel, not interlaced: what Chromium and simulate write)
// as { width, height, rgb }.
export function readPng(file) {
    const b = fs.readFileSync(file);
    const idat = [];
    let width, height, channels;
    for (let pos = 8; pos < b.length;) {
        const length = b.readUInt32BE(pos);
        const kind = b.toString('latin1', pos + 4, pos + 8);
        const data = b.subarray(pos + 8, pos + 8 + length);
        if (kind === 'IHDR') {
            [width, height] = [data.readUInt32BE(0), data.readUInt32BE(4)];
            channels = { 0: 1, 2: 3, 4: 2, 6: 4 }[data[9]];
            assert.ok(data[8] === 8 && channels && !data[12], `${file}: a PNG this reader does not know`);
        } else if (kind === 'IDAT') {
            idat.push(data);
        }
        pos += 12 + length;
    }
    const raw = zlib.inflateSync(Buffer.concat(idat));
    const stride = width * channels;
    const px = Buffer.alloc(height * stride);
    for (let y = 0; y < height; ++y) {
        const filter = raw[y * (stride + 1)];
        for (let x = 0; x < stride; ++x) {
            const a = x >= channels ? px[y * stride + x - channels] : 0;
            const up = y ? px[(y - 1) * stride + x] : 0;
            const c = x >= channels && y ? px[(y - 1) * stride + x - channels] : 0;
            const p = a + up - c;
            const paeth = Math.abs(p - a) <= Math.abs(p - up) && Math.abs(p - a) <= Math.abs(p - c) ? a
                : Math.abs(p - up) <= Math.abs(p - c) ? up : c;
            px[y * stride + x] = raw[y * (stride + 1) + 1 + x] + [0, a, up, (a + up) >> 1, paeth][filter];
        }
    }
    const rgb = new Uint8Array(width * height * 3);
    for (let i = 0; i < width * height; ++i)
        for (let k = 0; k < 3; ++k)
            rgb[i * 3 + k] = px[i * channels + (channels >= 3 ? k : 0)];
    return { width, height, rgb };
}

// Where two pictures of the same size really differ: the pixels of either that have no pixel
// within one pixel's distance in the other with every channel within TOLERANCE (0-255). An edge
// anti-aliased a shade or a pixel apart matches; a missing word, a wrong colour or a missing box
// does not. Returns a mask (1 where a pixel differs).
export function differences(a, b, tolerance) {
    assert.deepEqual([a.width, a.height], [b.width, b.height], 'the pictures differ in size');
    const mask = new Uint8Array(a.width * a.height);
    for (const [p, q] of [[a, b], [b, a]]) {
        for (let y = 0; y < p.height; ++y) {
            for (let x = 0; x < p.width; ++x) {
                const i = (y * p.width + x) * 3;
                let near = false;
                for (let yy = Math.max(0, y - 1); yy <= Math.min(q.height - 1, y + 1) && !near; ++yy) {
                    for (let xx = Math.max(0, x - 1); xx <= Math.min(q.width - 1, x + 1) && !near; ++xx) {
                        const j = (yy * q.width + xx) * 3;
                        near = Math.abs(p.rgb[i] - q.rgb[j]) <= tolerance && Math.abs(p.rgb[i + 1] - q.rgb[j + 1]) <= tolerance
                            && Math.abs(p.rgb[i + 2] - q.rgb[j + 2]) <= tolerance;
                    }
                }
                if (!near)
                    mask[y * p.width + x] = 1;
            }
        }
    }
    return mask;
}

export const tempDir = (name) => fs.mkdtempSync(path.join(os.tmpdir(), `ruvantia-${name}-`));

// What axe-core finds wrong with the page as it stands (the page's context must bypass its CSP to
// take the script).
export async function audit(page, where) {
    if (!(await page.evaluate(() => 'axe' in window)))
        await page.addScriptTag({ path: path.join(repo, 'tests/web/node_modules/axe-core/axe.min.js') });
    const found = await page.evaluate(async () => (await window.axe.run()).violations
        .map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`));
    assert.deepEqual(found, [], `axe at ${where}`);
}

// A file dropped on the page, as a player drags it there from the desktop.
export function dropFile(page, name, bytes) {
    return page.evaluate(({ name, data }) => {
        const transfer = new DataTransfer();
        transfer.items.add(new File([Uint8Array.from(atob(data), (c) => c.charCodeAt(0))], name));
        document.body.dispatchEvent(new DragEvent('drop', { dataTransfer: transfer, bubbles: true, cancelable: true }));
    }, { name, data: Buffer.from(bytes).toString('base64') });
}
