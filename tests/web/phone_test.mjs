// The show on a phone, upright and sideways: every window fits the screen, the controls too small
// for a finger are also large buttons beside the board, and taps on the board play.
import assert from 'node:assert/strict';
import test from 'node:test';
import { inputs, launch, needs, open, tap, trace, waitLine } from './harness.mjs';

await needs();

// Every shown window's panel, and whether it lies inside WIDTH x HEIGHT CSS pixels.
async function outside(page, width, height) {
    const panels = await page.evaluate(() => [...document.querySelectorAll('[data-form]')]
        .map((e) => ({ form: e.dataset.form, r: e.getBoundingClientRect().toJSON() }))
        .filter(({ r }) => r.width > 0 && r.height > 0));
    assert.ok(panels.length > 0, 'no window shown');
    return panels.filter(({ r }) => r.left < -0.5 || r.top < -0.5 || r.right > width + 0.5 || r.bottom > height + 0.5)
        .map(({ form, r }) => `${form} at ${r.left},${r.top} - ${r.right},${r.bottom}`);
}

// The names of the strip's buttons (an answer's without its text), each a finger's size at least,
// all on the screen and none over the board.
async function strip(page) {
    const { buttons, board, screen } = await page.evaluate(() => ({
        buttons: [...document.querySelectorAll('.strip button')]
            .map((b) => ({ name: b.getAttribute('aria-label'), r: b.getBoundingClientRect().toJSON() })),
        board: document.querySelector('[data-form="Form1"]').getBoundingClientRect().toJSON(),
        screen: [innerWidth, innerHeight],
    }));
    for (const { name, r } of buttons) {
        assert.ok(r.width >= 24 && r.height >= 24, `${name}: ${r.width}x${r.height}`);
        assert.ok(r.left >= 0 && r.top >= 0 && r.right <= screen[0] && r.bottom <= screen[1], `${name} off the screen`);
        const over = r.left < board.right && r.right > board.left && r.top < board.bottom && r.bottom > board.top;
        assert.ok(!over, `${name} over the board`);
    }
    return buttons.map(({ name }) => name.replace(/^(Risposta .):.*/, '$1'));
}

test('on a phone the windows fit the screen and taps play the show', { concurrency: true, timeout: 240000 }, async (t) => {
    const browser = await launch();
    t.after(() => browser.close());
    await Promise.all([[390, 844], [844, 390]].map(([width, height]) => t.test(`${width}x${height}`, async () => {
        const s = await open(browser, '?start=09:05:00',
            { viewport: { width, height }, hasTouch: true, isMobile: true, deviceScaleFactor: 3 });
        try {
            const { page } = s;
            const shown = await waitLine(page, /^\d+ Form1 show$/);
            assert.deepEqual(await outside(page, width, height), []);
            await tap(page, 'Form1.Image1');
            const asked = await waitLine(page, / Form1\.Timer6\.Enabled true$/, shown);
            // The board's controls too small for a finger are a strip of large buttons beside it.
            assert.deepEqual(await strip(page), [
                'Risposta A', 'Risposta B', 'Risposta C', 'Risposta D', 'ABBANDONA', '50:50', 'Aiuto da casa',
                'Aiuto del pubblico']);
            await tap(page, 'Form1.Label6(2)');
            const dialog = await waitLine(page, / Form6\.Label2\(1\)\.Visible true$/, asked);
            const lines = await trace(page);
            assert.ok(lines.slice(asked, dialog).some((l) => / Form1\.Label3\(2\)\.BackColor #FF8000$/.test(l)));
            // The final-answer window opens over the board, and still on the screen.
            assert.deepEqual(await outside(page, width, height), []);
            assert.deepEqual((await inputs(page)).map((a) => a.slice(a.indexOf(' ') + 1)),
                ['click Form1.Image1', 'click Form1.Label6(2)']);
            assert.deepEqual(s.problems, []);
        } finally {
            await s.close();
        }
    })));
});
