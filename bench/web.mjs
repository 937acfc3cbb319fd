// The browser build's bench: what the page costs beside its floor, each figure beside its budget.
// Every timed figure has a floor that does the same work by the browser's own means
// (bench/web_floor.html), measured in the same run, turn about with the game. Prints one table.
//
//   node bench/web.mjs        (./dev bench calls it; RUNS sets the played shows, default 3)
//
// Needs the built page (RUVANTIA_SITE) and simulate (RUVANTIA_SIMULATE), which picks the wrong
// answer that ends each played show.
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';
import {
    click, inputs, launch, letter, lineTime, needs, open, repo, simulateBin, site, sleep, tempDir, trace, waitLine,
} from '../tests/web/harness.mjs';

await needs({ simulate: true });
const runs = Math.max(3, Number(process.env.RUNS ?? 3));
const startRuns = Math.max(1, Number(process.env.START_RUNS ?? 5)); // starts in each run of the first frames
const say = (s) => process.stderr.write(`bench: ${s}\n`);

// The floor's folder: its page beside the same program, the invitation's faces and the logo.
const floorDir = tempDir('floor');
fs.copyFileSync(path.join(repo, 'bench/web_floor.html'), path.join(floorDir, 'index.html'));
fs.mkdirSync(path.join(floorDir, 'fonts'));
for (const f of ['show.wasm', 'logo.svg', ...fs.readdirSync(path.join(site, 'fonts')).map((f) => `fonts/${f}`)])
    fs.copyFileSync(path.join(site, f), path.join(floorDir, f));

// --- Chromium's processes: every descendant of this node process is one of them.
function tree() {
    const children = new Map();
    for (const d of fs.readdirSync('/proc')) {
        if (!/^\d+$/.test(d))
            continue;
        try {
            const stat = fs.readFileSync(`/proc/${d}/stat`, 'utf8');
            const ppid = Number(stat.slice(stat.lastIndexOf(')') + 2).split(' ')[1]);
            if (!children.has(ppid))
                children.set(ppid, []);
            children.get(ppid).push(Number(d));
        } catch {
            // gone meanwhile
        }
    }
    const out = [];
    const todo = [...(children.get(process.pid) ?? [])];
    while (todo.length) {
        const pid = todo.pop();
        out.push(pid);
        todo.push(...(children.get(pid) ?? []));
    }
    return out;
}
const read = (file) => {
    try {
        return fs.readFileSync(file, 'utf8');
    } catch {
        return '';
    }
};
// CPU time each process has had so far, in ms. The scheduler's count in nanoseconds
// (schedstat) rather than utime + stime, whose 10 ms ticks would be as coarse as the budget.
function cpu() {
    const ms = new Map();
    for (const pid of tree())
        ms.set(pid, Number(read(`/proc/${pid}/schedstat`).split(' ')[0] || 0) / 1e6);
    return ms;
}
// Proportional memory of the page's renderer, in MB: the largest renderer process.
function rendererPss() {
    let best = 0;
    for (const pid of tree()) {
        if (!read(`/proc/${pid}/cmdline`).includes('--type=renderer'))
            continue;
        const kb = Number(/^Pss:\s+(\d+) kB/m.exec(read(`/proc/${pid}/smaps_rollup`))?.[1] ?? 0);
        best = Math.max(best, kb / 1024);
    }
    return best;
}

const median = (v) => {
    const s = [...v].sort((a, b) => a - b);
    return s.length % 2 ? s[(s.length - 1) / 2] : (s[s.length / 2 - 1] + s[s.length / 2]) / 2;
};
const quantile = (v, q) => [...v].sort((a, b) => a - b)[Math.min(v.length - 1, Math.floor(v.length * q))];

const results = {
    firstFrame: [], floorFrame: [], cpu: [], floorCpu: [], bareCpu: [], pss: [], floorPss: [],
    p99: [], floorP99: [], max: [], floorMax: [], drift: [], floorDrift: [],
    editorPaint: [], keystroke: [],
};
const links = {}; // the length of a shared link, by what it holds
let bytes = 0;
let files = [];

// When a page's performance entry of that name (a mark, a paint) came, in ms from navigation.
const entryTime = (page, name) => page.evaluate(async (entry) => {
    for (;;) {
        const e = performance.getEntriesByName(entry)[0];
        if (e)
            return e.startTime;
        await new Promise((resolve) => setTimeout(resolve, 10));
    }
}, name);

// --- First frames, cold cache: a new context (and so an empty cache) for every start, the game
// and the floor turn about. A run's figure is the median of its starts (one start alone says
// more about the machine's moment than about the page). The first pair only wakes the browser up.
{
    say(`first frames (${runs} runs of ${startRuns} starts each)`);
    const browser = await launch();
    for (let r = -1; r < runs; ++r) {
        const frames = [], floorFrames = [];
        for (let i = 0; i < (r < 0 ? 1 : startRuns); ++i) {
            const game = await open(browser, '?start=12:00:00');
            frames.push(await entryTime(game.page, 'ruvantia-first-frame'));
            await game.close();
            const floor = await open(browser, '', {}, floorDir);
            floorFrames.push(await entryTime(floor.page, 'floor-first-frame'));
            await floor.close();
        }
        if (r >= 0) {
            results.firstFrame.push(median(frames));
            results.floorFrame.push(median(floorFrames));
        }
    }
    await browser.close();
}

// --- The editor: its first paint, cold; the longest a keystroke in a pack of 300 questions holds
// the page (the whole pack checked, the rows told); and how long a shared link comes out for the
// game's own pack and for a lesson of 15 questions.
{
    say(`the editor (${runs} runs of ${startRuns} cold starts, then 30 keystrokes)`);
    const browser = await launch();
    // The lesson: the first question of each level of the game's own pack.
    const lesson = read(path.join(repo, 'game/bank/domande.tsv')).split('\n')
        .filter((l, i, all) => /^\d+\t/.test(l) && !all.slice(0, i).some((k) => k.split('\t')[0] === l.split('\t')[0]))
        .join('\n');
    const shareLength = async (page) => {
        await page.click('#condividi');
        await page.waitForFunction(() => / lungo \d+ caratteri/.test(document.getElementById('stato').textContent));
        return Number(/ lungo (\d+) caratteri/.exec(await page.locator('#stato').textContent())[1]);
    };
    for (let r = 0; r < runs; ++r) {
        const paints = [];
        for (let i = 0; i < startRuns; ++i) {
            const s = await open(browser, 'editor.html');
            paints.push(await entryTime(s.page, 'first-contentful-paint'));
            await s.close();
        }
        results.editorPaint.push(median(paints));
        const s = await open(browser, 'editor.html');
        await s.page.waitForFunction(() => document.body.dataset.pronto === '1');
        await s.page.click('#base');
        await s.page.waitForFunction(() => document.getElementById('stato').textContent.includes('300 domande'));
        results.keystroke.push(await s.page.evaluate(() => {
            const inputs = [...document.querySelectorAll('#righe input')];
            let longest = 0;
            for (let k = 0; k < 30; k++) {
                const input = inputs[(k * 97) % inputs.length];
                input.focus();
                const t0 = performance.now();
                input.value += 'x';
                input.dispatchEvent(new Event('input', { bubbles: true }));
                longest = Math.max(longest, performance.now() - t0);
            }
            return longest;
        }));
        if (r === 0) {
            await s.page.click('#base');
            await s.page.waitForFunction(() => document.getElementById('stato').textContent.includes('300 domande'));
            links.builtIn = await shareLength(s.page);
            await s.page.locator('#file').setInputFiles({ name: 'lezione.tsv', mimeType: 'text/plain', buffer: Buffer.from(lesson) });
            await s.page.waitForFunction(() => document.getElementById('stato').textContent.startsWith('Aperto: lezione'));
            links.lesson = await shareLength(s.page);
        }
        await s.close();
    }
    await browser.close();
}

// --- CPU of all of Chromium's processes over 10 s while the invitation blinks, from 5 s after the
// page opens, once its start and the compiling of what runs hot are over (a browser of its own each
// time); the same for the game without its screen reader's layer, and for the floor blinking its
// caption. Then the floor's renderer memory.
const cpuKey = { game: 'cpu', bare: 'bareCpu', floor: 'floorCpu' };
for (let r = 0; r < runs; ++r) {
    for (const which of ['game', 'bare', 'floor']) {
        say(`CPU while the invitation blinks, ${which}, run ${r + 1} of ${runs} (15 s)`);
        const browser = await launch();
        const s = which === 'floor' ? await open(browser, '', {}, floorDir)
            : await open(browser, `?start=12:00:00${which === 'bare' ? '&senzalettore' : ''}`);
        await sleep(5000);
        const before = cpu();
        const t0 = performance.now();
        await sleep(10000);
        const after = cpu();
        const spent = [...after].reduce((sum, [pid, ms]) => sum + ms - (before.get(pid) ?? 0), 0);
        results[cpuKey[which]].push((100 * spent) / (performance.now() - t0));
        if (which === 'floor')
            results.floorPss.push(rendererPss());
        await s.close();
        await browser.close();
    }
}

// The p99, the max and the drift (the last tenth's median against the first tenth's) of latenesses.
function lateness(late, into) {
    into[0].push(quantile(late, 0.99));
    into[1].push(Math.max(...late));
    const tenth = Math.max(1, Math.floor(late.length / 10));
    into[2].push(median(late.slice(-tenth)) - median(late.slice(0, tenth)));
}

// --- Played shows: the first question answered wrong and the goodbye screen to its end, the same
// show every time. The files it asks for, the renderer's memory once the first question is on the
// board, and the lateness of every traced change; then the floor at the same moments, making the
// canvas calls that the show made at each of them (taken down in a pass of its own beforehand,
// which also watches the screen reader's layer take up the show's changes).
async function playShow(browser, start, before) {
    const s = await open(browser, `?start=${start}`);
    const { page } = s;
    if (before) {
        await page.addInitScript({ path: path.join(repo, 'bench/web_canvas_record.js') });
        await page.addInitScript({ path: path.join(repo, 'bench/web_reader_watch.js') });
        await page.reload();
    }
    const shown = await waitLine(page, /^\d+ Form1 show$/);
    await click(page, 'Form1.Image1');
    const asked = await waitLine(page, / Form1\.Timer6\.Enabled true$/, shown);
    const pss = rendererPss();
    const now = lineTime((await trace(page))[asked]);
    await click(page, `Form1.Label6(${letter(start, await inputs(page), now, 'wrong')})`);
    const built = await waitLine(page, / Form6\.Label2\(1\)\.Visible true$/, asked);
    await click(page, 'Form6.Label2(0)');
    await waitLine(page, / end$/, built);
    const late = await page.evaluate(() => window.ruvantia.lateness());
    const lines = await trace(page);
    const calls = before ? await page.evaluate(() => window.benchCanvasCalls) : [];
    const layer = before ? await page.evaluate(() => [window.ruvantia.offset(), window.benchReaderChanges]) : null;
    return { s, pss, late, lines, calls, layer };
}

// How long after its trace line each new text of the host's line and of the question was in the
// screen reader's layer (ms, on the page's clock), and how many never came there.
function layerDelays(lines, late, [offset, changes]) {
    const words = (t) => t.replace(/\s+/g, ' ').trim();
    const delays = [];
    const last = new Map();
    let missed = 0;
    lines.forEach((l, i) => {
        const m = /^(\d+) (Form1\.Label[24])\.Caption (".*")$/.exec(l);
        const text = m && words(JSON.parse(m[3]));
        if (!text || last.get(m[2]) === text)
            return;
        last.set(m[2], text);
        const made = offset + Number(m[1]) + late[i];
        const seen = changes.find(([at, now]) => at >= made - 1 && words(now).includes(text));
        if (seen)
            delays.push(Math.max(0, seen[0] - made));
        else
            missed++;
    });
    return { delays, missed };
}

const start = '10:20:00';
let draws;
let layer;
{
    say('the show played once, its canvas calls taken down for the floor (about 75 s)');
    const browser = await launch();
    const { s, late, lines, calls, layer: watched } = await playShow(browser, start, true);
    layer = layerDelays(lines, late, watched);
    // The calls' moments on the show's clock: the board's first drawing comes with "Form1 show".
    const shown = lines.findIndex((l) => / Form1 show$/.test(l));
    const origin = calls[0][0] - (lineTime(lines[shown]) + late[shown]);
    const tasks = new Map(); // each task's calls, under the moment it began
    for (const [at, ...call] of calls) {
        if (!tasks.has(at))
            tasks.set(at, []);
        tasks.get(at).push(call);
    }
    draws = [...tasks].map(([at, batch]) => [at - origin, batch]);
    await s.close();
    await browser.close();
}
for (let r = 0; r < runs; ++r) {
    say(`a show played to its end, run ${r + 1} of ${runs} (about 75 s)`);
    let browser = await launch();
    const { s, pss, late, lines } = await playShow(browser, start, false);
    results.pss.push(pss);
    lateness(late, [results.p99, results.max, results.drift]);
    const times = lines.map(lineTime);
    if (r === 0) {
        // What the page asked for; the worker's own fetches, which keep the site for offline, are
        // weighed apart.
        const asked = new Set(s.urls.map((u) => new URL(u).pathname));
        files = [...new Set(s.server.requests.filter((q) => q.status === 200 && asked.has(q.path)).map((q) => q.path))];
        for (const f of files) {
            const file = path.join(site, f.endsWith('/') ? `${f}index.html` : f);
            bytes += zlib.gzipSync(fs.readFileSync(file), { level: 9 }).length;
        }
    }
    if (s.problems.length)
        say(`the page reported: ${s.problems.join('; ')}`);
    await s.close();
    await browser.close();

    say(`the floor's timeouts and drawing at the same moments, run ${r + 1} of ${runs} (about 75 s)`);
    browser = await launch();
    const floor = await open(browser, '?bare', {}, floorDir);
    lateness(await floor.page.evaluate(([t, d]) => window.floorLateness(t, d), [times, draws]),
        [results.floorP99, results.floorMax, results.floorDrift]);
    await floor.close();
    await browser.close();
}
fs.rmSync(floorDir, { recursive: true });

// --- The table. A row whose runs spread wider than the distance between its median and its
// budget's limit cannot tell ok from over: it is noisy.
const f = (x) => (Math.abs(x) >= 1000 ? x.toFixed(0) : Number(x.toPrecision(3)).toString());
const span = (v, unit) => `${f(median(v))} ${unit} [${f(Math.min(...v))} - ${f(Math.max(...v))}]`;
const m = (k) => median(results[k]);
const rows = [];
// A row without a limit is a figure to know, not to meet.
function row(figure, measured, unit, floor, budget, limit) {
    const v = typeof measured === 'number' ? [measured] : results[measured];
    const mid = median(v);
    const verdict = limit === null ? '-'
        : Math.max(...v) - Math.min(...v) > Math.abs(limit - mid) ? 'noisy' : mid <= limit ? 'ok' : 'MISS';
    rows.push([figure, v.length > 1 ? span(v, unit) : `${f(mid)} ${unit}`, floor ? span(results[floor], unit) : '-',
        limit === null ? budget : `${budget} (${f(limit)} ${unit})`, verdict]);
}
const gzipKb = (f) => zlib.gzipSync(fs.readFileSync(path.join(site, f)), { level: 9 }).length / 1024;
const offline = /const FILES = \[([^\]]*)\]/.exec(read(path.join(site, 'sw.js')))[1].split(',').map((f) => f.trim().slice(1, -1));
row(`gzip -9 size of what a show asks for (${files.length} files)`, bytes / 1024, 'KB', null, '<= 400 KB', 400);
row(`editor files among them`, files.filter((f) => /editor/.test(f)).length, 'files', null, '0', 0);
row(`gzip -9 size of what a first visit keeps for offline (${offline.length} files)`,
    offline.reduce((sum, f) => sum + gzipKb(f), 0), 'KB', null, '<= 400 KB', 400);
row('size of ruvantia.html, the game in one file', fs.statSync(path.join(site, 'ruvantia.html')).size / 1024, 'KB',
    null, '<= 1 MB', 1024);
row('navigation start to the board\'s first frame, cold cache', 'firstFrame', 'ms', 'floorFrame',
    '<= 1.5x floor and <= 1 s', Math.min(1.5 * m('floorFrame'), 1000));
row('CPU of all Chromium while the invitation blinks (10 s)', 'cpu', '%', 'floorCpu', '<= 1.5x floor',
    1.5 * m('floorCpu'));
row('CPU while the invitation blinks, beside the same without the reader layer', 'cpu', '%', 'bareCpu',
    '<= 1.2x without', 1.2 * m('bareCpu'));
row(`trace line to the reader layer, max of ${layer.delays.length} new host/question texts`
    + (layer.missed ? ` (${layer.missed} never came)` : ''), layer.missed ? Infinity : Math.max(...layer.delays), 'ms',
    null, '<= 1 frame', 1000 / 60);
row('the editor: navigation start to its first paint, cold cache', 'editorPaint', 'ms', null, '<= 300 ms', 300);
row('the editor: longest keystroke in a 300-question pack, checked whole (of 30)', 'keystroke', 'ms', null,
    '<= 16 ms', 16);
row('a shared link: the game\'s own 300 questions', links.builtIn, 'characters', null, 'measured', null);
row('a shared link: a lesson of 15 questions', links.lesson, 'characters', null, 'measured', null);
row('renderer PSS, first question on the board', 'pss', 'MB', 'floorPss', '<= floor + 30 MB', m('floorPss') + 30);
row('lateness of traced changes in a show, p99', 'p99', 'ms', 'floorP99', '<= floor + 2 ms', m('floorP99') + 2);
// A frame late is what a player sees, unless the floor's timeouts are late by as much here.
const frameHeld = m('floorMax') <= 16;
row('lateness of traced changes in a show, max', 'max', 'ms', 'floorMax',
    frameHeld ? '<= 16 ms' : '<= floor + 4 ms (the floor misses 16 ms)', frameHeld ? 16 : m('floorMax') + 4);
row('lateness drift, last tenth vs first tenth of the lines', 'drift', 'ms', 'floorDrift', '<= floor + 1 ms',
    m('floorDrift') + 1);

const head = ['figure', 'measured', 'floor', 'budget (limit)', 'verdict'];
const widths = head.map((h, i) => Math.max(h.length, ...rows.map((r) => r[i].length)));
const line = (cells) => cells.map((c, i) => c.padEnd(widths[i])).join(' | ').trimEnd();
const misses = rows.filter((r) => r[4] === 'MISS').length;
const noisy = rows.filter((r) => r[4] === 'noisy').length;
console.log();
console.log(`RUVANTIA web bench: ${site}, ${(await import('node:os')).cpus().length} cores, Chromium headless, `
    + `load ${read('/proc/loadavg').split(' ').slice(0, 3).join(' ')}`);
console.log(`each figure: median [min - max] of ${runs} runs (each run of the first frames the median of ${startRuns} `
    + `starts); simulate: ${simulateBin}`);
console.log(line(head));
console.log(widths.map((w) => '-'.repeat(w)).join('-|-'));
for (const r of rows)
    console.log(line(r));
console.log('floor: bench/web_floor.html in the same Chromium: the same program compiled while it streams, the '
    + 'invitation\'s faces and logo drawn (its first frame), the caption blinked by setTimeout, timeouts at '
    + 'the show\'s moments making the show\'s canvas calls at theirs; without the reader layer: the page\'s '
    + '?senzalettore');
console.log(`${rows.length - misses - noisy} within budget, ${misses} over budget, ${noisy} noisy`);
