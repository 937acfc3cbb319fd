// The pack editor: a teacher's pack written, checked as the desktop checks it, downloaded as the
// file the desktop reads, and shared as a link that plays it, or shows what is wrong with it. Words
// that look like HTML stay words everywhere.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import test from 'node:test';
import {
    audit, click, closeButton, launch, needs, open, sameTrace, simulateBin, tempDir, trace, waitEnded, waitLine,
} from './harness.mjs';

await needs({ simulate: true });

const browser = await launch();
test.after(() => browser.close());
const ruvantia = path.join(path.dirname(simulateBin), 'ruvantia');

async function editor() {
    const s = await open(browser, 'editor.html', { bypassCSP: true, acceptDownloads: true });
    await s.page.waitForFunction(() => document.body.dataset.pronto === '1', null, { timeout: 20000 });
    return s;
}
const field = (page, name, n) => page.getByRole('textbox', { name: `${name}, domanda ${n}`, exact: true });
// What a page that let a pack's HTML in would show for it.
const injected = () => document.querySelectorAll('img[src="x"], svg[onload], iframe, b, body script:not([src])').length;

// A pack file handed to the editor's file picker.
async function openFile(page, name, text) {
    await page.locator('#file').setInputFiles({ name, mimeType: 'text/plain', buffer: Buffer.from(text) });
    await page.waitForFunction((n) => document.getElementById('stato').textContent.startsWith(`Aperto: ${n}`), name);
}

test('the game\'s pack, one question changed and a row broken and mended, downloads as the desktop reads it', { timeout: 120000 }, async () => {
    const s = await editor();
    try {
        await s.page.click('#base');
        await s.page.waitForFunction(() => document.getElementById('stato').textContent.includes('300 domande'));
        const printed = spawnSync(ruvantia, ['--print-bank'], { encoding: 'utf8' }).stdout;
        const was = await field(s.page, 'Domanda', 3).inputValue();
        await field(s.page, 'Domanda', 3).fill('Quale di questi strumenti si suona con l\'arco?');

        // A row at fault says so beside it; the rest of the page stays as accessible as ever.
        const right = await field(s.page, 'Risposta giusta', 5).inputValue();
        await field(s.page, 'Risposta giusta', 5).fill('');
        const said = s.page.locator('tr.messaggi:not([hidden])');
        await said.waitFor();
        assert.match(await said.locator('li').textContent(), /^riga \d+: il campo 3 \(risposta giusta\) è vuoto: scrivi la risposta giusta$/);
        assert.equal(await field(s.page, 'Risposta giusta', 5).getAttribute('aria-invalid'), 'true');
        await audit(s.page, 'a row at fault');
        await field(s.page, 'Risposta giusta', 5).fill(right);
        await said.waitFor({ state: 'detached' }).catch(() => said.waitFor({ state: 'hidden' }));
        assert.equal(await s.page.locator('tr.messaggi:not([hidden])').count(), 0);

        const [download] = await Promise.all([s.page.waitForEvent('download'), s.page.click('#scarica')]);
        const dir = tempDir('scaricato');
        const file = path.join(dir, download.suggestedFilename());
        await download.saveAs(file);
        assert.equal(fs.readFileSync(file, 'utf8'), printed.replace(`\t${was}\t`, '\tQuale di questi strumenti si suona con l\'arco?\t'));
        const checked = spawnSync(ruvantia, ['--check', file], { encoding: 'utf8' });
        fs.rmSync(dir, { recursive: true });
        assert.equal(checked.status, 0, checked.stderr);
        assert.deepEqual(s.problems, []);
    } finally {
        await s.close();
    }
});

// Fifteen questions of a lesson, one a level; and the same with HTML for words.
const lesson = (text) => ['livello\tdomanda\tgiusta\tsbagliata 1\tsbagliata 2\tsbagliata 3',
    ...Array.from({ length: 15 }, (_, i) => `${i + 1}\t${text(i + 1)}\tGiusta ${i + 1}\tNo\tNemmeno\tNeanche`)].join('\n');
const html = (n) => `<img src=x onerror=alert(${n})> <b>${n}</b>?`;

test('a shared link plays its pack, and a broken one only says what is wrong', { timeout: 180000 }, async (t) => {
    // The link the editor makes of PACK, opened with the test's hooks.
    async function share(text) {
        const s = await editor();
        try {
            await openFile(s.page, 'lezione.tsv', text);
            await s.page.click('#condividi');
            await s.page.waitForFunction(() => document.getElementById('stato').textContent.includes('lungo'));
            const link = await s.page.locator('#collegamento').inputValue();
            assert.match(await s.page.locator('#stato').textContent(), new RegExp(`lungo ${link.length} caratteri`));
            assert.deepEqual(s.problems, []);
            return new URL(link).hash;
        } finally {
            await s.close();
        }
    }
    // Plays the link to its first question; with walkAway, on to the end, whose replay link plays
    // the same show with the same pack.
    async function play(hash, first, walkAway = false) {
        const s = await open(browser, `?start=09:00:00${hash}`);
        try {
            const shown = await waitLine(s.page, /^\d+ Form1 show$/);
            await click(s.page, 'Form1.Image1');
            const caption = ` Form1.Label2.Caption ${JSON.stringify(first)}`.replace(/[.*+?^${}()|[\]\\]/g, '\\$&');
            const asked = await waitLine(s.page, new RegExp(`${caption}$`), shown);
            assert.equal(await s.page.evaluate(injected), 0);
            assert.deepEqual(s.problems, []);
            if (!walkAway)
                return;
            const answered = await waitLine(s.page, / Form1\.Label5\.Enabled true$/, asked);
            await closeButton(s.page, 'Form1').click();
            await waitLine(s.page, / Form2\.Label3\.Visible true$/, answered);
            await click(s.page, 'Form2.Label2');
            await waitEnded(s.page);
            await s.page.waitForFunction(() => document.getElementById('rivedi').href.includes('puntata='));
            const replay = await open(browser, new URL(await s.page.locator('#rivedi').getAttribute('href')).search
                + new URL(await s.page.locator('#rivedi').getAttribute('href')).hash);
            try {
                await waitEnded(replay.page);
                sameTrace(await trace(replay.page), await trace(s.page), 'the replay link');
                assert.deepEqual(replay.problems, []);
            } finally {
                await replay.close();
            }
        } finally {
            await s.close();
        }
    }
    async function refused(hash, says) {
        const s = await open(browser, `?prova${hash}`);
        try {
            const problemi = s.page.locator('pre#problemi');
            await problemi.waitFor({ timeout: 20000 });
            assert.match(await problemi.textContent(), says);
            assert.equal(await s.page.locator('section.window[data-form]').count(), 0);
            assert.equal(await s.page.evaluate(injected), 0);
            assert.deepEqual(s.problems, []);
        } finally {
            await s.close();
        }
    }

    await t.test('a lesson of fifteen questions, to its end and its replay', async () => play(
        await share(lesson((n) => `Domanda ${n} della lezione?`)), 'Domanda 1 della lezione?', true));
    await t.test('questions written in HTML stay text', async () => {
        const s = await editor();
        try {
            await openFile(s.page, 'html.tsv', lesson(html));
            assert.equal(await field(s.page, 'Domanda', 1).inputValue(), html(1));
            await s.page.focus('input[aria-label="Domanda, domanda 1"]');
            assert.equal(await s.page.evaluate(injected), 0);
        } finally {
            await s.close();
        }
        await play(await share(lesson(html)), html(1));
    });
    await t.test('a link that is garbage', () => refused('#domande=non*un*pacchetto', /^collegamento: il collegamento è rovinato/));
    await t.test('a link to a pack with problems, in HTML', async () => {
        const bad = lesson(html).replace('<b>3</b>?\tGiusta 3', '<b>3</b>?\t');
        const s = await editor();
        try {
            await openFile(s.page, 'guasto.tsv', bad);
            assert.match(await s.page.locator('tr.messaggi:not([hidden]) li').first().textContent(), /riga 4: il campo 3/);
            assert.equal(await s.page.evaluate(injected), 0);
        } finally {
            await s.close();
        }
        await refused(await share(bad), /^collegamento:4: il campo 3 \(risposta giusta\) è vuoto/);
    });
});
