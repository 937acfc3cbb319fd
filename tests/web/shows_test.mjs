// Three whole shows played in the browser with the mouse, and one with the keyboard alone, from the
// logo to the goodbye screen: each one's trace must be the trace simulate makes of the same
// controls chosen at the same virtual times.
// The last one is downloaded as a recording, which simulate replays to the same trace, and its
// link replays it in a page of its own, to the same trace and the same end.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import test from 'node:test';
import {
    click, closeButton, inputs, launch, letter, lineTime, needs, open, sameTrace, simulate, simulatedTrace,
    tempDir, trace, waitEnded, waitLine,
} from './harness.mjs';

await needs({ simulate: true });

// From the logo to the first question, the board waiting for an answer: the index of that line.
async function toFirstQuestion(page) {
    const shown = await waitLine(page, /^\d+ Form1 show$/);
    await click(page, 'Form1.Image1');
    return waitLine(page, / Form1\.Timer6\.Enabled true$/, shown);
}

// Marks the right or wrong letter of the question waiting since line AT and confirms it once the
// final-answer window has built up. Returns the index of that window's closing.
async function answer(page, start, at, which) {
    const now = lineTime((await trace(page))[at]);
    await click(page, `Form1.Label6(${letter(start, await inputs(page), now, which)})`);
    await waitLine(page, / Form6\.Label2\(1\)\.Visible true$/, at);
    await click(page, 'Form6.Label2(0)');
    return waitLine(page, / Form6 unload$/, at);
}

const nextQuestion = (page, from) => waitLine(page, / Form1\.Timer6\.Enabled true$/, from);

// Plays SCRIPT on a page of its own starting at START, waits for the goodbye screen to close, and
// lays the trace beside simulate's; the end says what was WON. With keep, also the recording the end offers, downloaded, and
// the address of the link that replays it.
async function show(browser, start, won, script, keep = false) {
    const s = await open(browser, `?start=${start}`);
    try {
        await script(s.page, start);
        await waitEnded(s.page);
        assert.equal(await s.page.locator('#fine a#ancora').textContent(), 'GIOCA ANCORA');
        assert.equal(await s.page.locator('#fine #vinto').textContent(), won);
        const lines = await trace(s.page);
        const actions = await inputs(s.page);
        assert.deepEqual(s.problems, []);
        sameTrace(lines, simulatedTrace(start, actions, lineTime(lines.at(-1))), `show from ${start}`);
        if (!keep)
            return { lines, actions };
        const [download] = await Promise.all([s.page.waitForEvent('download'), s.page.locator('#scarica').click()]);
        const file = path.join(tempDir('puntata'), download.suggestedFilename());
        await download.saveAs(file);
        const rivedi = s.page.locator('#rivedi');
        await s.page.waitForFunction(() => document.getElementById('rivedi').href.includes('#puntata='));
        return { lines, actions, file, link: new URL(await rivedi.getAttribute('href')) };
    } finally {
        await s.close();
    }
}

test('four shows played with the mouse or the keys trace as simulate does', { concurrency: true, timeout: 600000 }, async (t) => {
    const browser = await launch();
    t.after(() => browser.close());
    await Promise.all([
        t.test('a right answer, then a wrong one', () => show(browser, '10:00:00', 'Torni a casa a mani vuote', async (page, start) => {
            let at = await toFirstQuestion(page);
            at = await answer(page, start, at, 'right');
            await answer(page, start, await nextQuestion(page, at), 'wrong');
        })),
        // A page has no window to close: the board's close button asks first, as "ABBANDONA" does.
        t.test('a right answer, then walking away by the board\'s close button', () => show(browser, '15:30:07', 'Hai vinto 50 €', async (page, start) => {
            let at = await toFirstQuestion(page);
            at = await nextQuestion(page, await answer(page, start, at, 'right'));
            await closeButton(page, 'Form1').click();
            await waitLine(page, / Form2\.Label3\.Visible true$/, at);
            await click(page, 'Form2.Label2');
        })),
        t.test('by keys alone: the friend, a final answer taken back and given, a walk-away',
            () => show(browser, '08:15:45', 'Hai vinto 50 €', async (page, start) => {
                const key = (k) => page.keyboard.press(k);
                const lastTime = async (at) => lineTime((await trace(page))[at]);
                let at = await waitLine(page, /^\d+ Form1 show$/);
                await key('Enter');
                at = await waitLine(page, / Form1\.Timer6\.Enabled true$/, at);
                await key('t');
                at = await waitLine(page, / Form4\.Label2\.Visible true$/, at);
                await key('Escape');
                at = await waitLine(page, / Form4 unload$/, at);
                await key('ABCD'[letter(start, await inputs(page), await lastTime(at), 'wrong')]);
                at = await waitLine(page, / Form6\.Label2\(1\)\.Visible true$/, at);
                await key('n');
                at = await waitLine(page, / Form6 unload$/, at);
                await key(String(letter(start, await inputs(page), await lastTime(at), 'right') + 1));
                at = await waitLine(page, / Form6\.Label2\(1\)\.Visible true$/, at);
                await key('Enter');
                at = await nextQuestion(page, at);
                await key('r');
                at = await waitLine(page, / Form2\.Label3\.Visible true$/, at);
                await key('s');
            })),
        t.test('all three lifelines, their windows closed from the title bar', async () => {
            const { lines, actions, file, link } = await show(browser, '21:45:30', 'Torni a casa a mani vuote', async (page, start) => {
                let at = await toFirstQuestion(page);
                await click(page, 'Form1.Image2');
                at = await waitLine(page, / Form1\.Timer13\.Enabled false$/, at);
                await click(page, 'Form1.Image3');
                at = await waitLine(page, / Form4\.Timer1\.Enabled false$/, at);
                await closeButton(page, 'Form4').click();
                at = await waitLine(page, / Form4 unload$/, at);
                await click(page, 'Form1.Image4');
                at = await waitLine(page, / Form5\.Timer1\.Enabled false$/, at);
                await closeButton(page, 'Form5').click();
                at = await waitLine(page, / Form5 unload$/, at);
                await answer(page, start, at, 'wrong');
            }, true);
            assert.deepEqual(actions.map((a) => a.slice(a.indexOf(' ') + 1)).filter((a) => a.startsWith('close')),
                ['close Form4', 'close Form5']);
            // The downloaded recording, in virtual time.
            sameTrace(simulate(['--replay', file, '--trace']).split('\n').filter((l) => l), lines, 'the recording');
            fs.rmSync(path.dirname(file), { recursive: true });
            // The link, in a page of its own: the show plays itself to the very same end.
            const replayed = await open(browser, link.search + link.hash);
            try {
                await waitEnded(replayed.page);
                sameTrace(await trace(replayed.page), lines, 'the link');
                assert.deepEqual(replayed.problems, []);
            } finally {
                await replayed.close();
            }
        }),
    ]);
});
