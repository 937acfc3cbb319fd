// A whole show played through the page's accessibility layer alone, every button found by its role
// and name, never by where it is drawn: on a computer as a screen reader's user plays it, and on a
// phone held upright by tapping the strip of large buttons. At each question the tree holds the
// question and its answers, the live region says what the host says, each dialog holds the focus
// while it is up, and the trace is simulate's for the same choices. axe-core audits the computer's
// page at every phase on the way; on the phone every target is a finger's size at every phase
// (RUVANTIA_SHOTS=DIR keeps a screenshot of each).
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import test from 'node:test';
import {
    audit, inputs, launch, letter, lineTime, needs, open, sameTrace, simulatedTrace, sleep, tap, trace, waitEnded,
    waitLine,
} from './harness.mjs';

await needs({ simulate: true });

const START = '11:20:00';
const FINGER = 24; // CSS pixels

const spoken = (page) => page.locator('#annunci p').allTextContents();
const within = (page, form) => page.evaluate(
    (f) => document.querySelector(`section[data-form="${f}"]`)?.contains(document.activeElement) ?? false, form);
const words = (text) => text.trim().replace(/\s+/g, ' ');

// The value a property of a control holds after the trace's lines so far.
const last = (lines, property) => {
    const line = lines.findLast((l) => l.includes(` ${property} `));
    return line && JSON.parse(line.slice(line.indexOf('"')));
};

// Buttons smaller than a finger among those shown: on a phone, the strip stands for every control
// of the board that comes out smaller.
const tooSmall = (page) => page.evaluate((least) => [...document.querySelectorAll('button, a')]
    .map((e) => [e.getAttribute('aria-label') ?? e.textContent, e.getBoundingClientRect()])
    .filter(([, r]) => r.width > 0 && r.height > 0 && (r.width < least || r.height < least))
    .map(([name, r]) => `${name} ${r.width}x${r.height}`), FINGER);

// Presses the button NAME once it takes a choice, as PLAYER presses it, until the show has taken it
// as a choice of CONTROL.
async function press(page, player, name, control) {
    const taken = (l) => l.endsWith(` click ${control}`);
    const before = (await inputs(page)).length;
    const target = page.locator(player.buttons)
        .getByRole('button', { name, exact: typeof name === 'string', disabled: false });
    for (let attempt = 0; attempt < 10; ++attempt) {
        await player.press(target);
        for (let wait = 0; wait < 10; ++wait) {
            if ((await inputs(page)).slice(before).some(taken))
                return;
            await sleep(50);
        }
    }
    assert.fail(`the show did not take ${control} from the button ${name}`);
}

// The question waiting for an answer since trace line AT: its text in the tree, its four answers
// as buttons that take a choice, and the host's last line in the live region.
async function heldQuestion(page, at) {
    const lines = (await trace(page)).slice(0, at + 1);
    const question = words(last(lines, 'Form1.Label2.Caption'));
    assert.equal(await page.locator('section[data-form="Form1"] .reader p').filter({ hasText: question }).count(), 1);
    for (let i = 0; i < 4; ++i) {
        const name = `Risposta ${'ABCD'[i]}: ${words(last(lines, `Form1.Label3(${i}).Caption`))}`;
        assert.equal(await page.getByRole('button', { name, exact: true, disabled: false }).count(), 1, name);
    }
    assert.ok((await spoken(page)).includes(last(lines, 'Form1.Label4.Caption')), 'the host line is not said');
}

// The dialog FORM is up: it holds the focus.
async function dialogUp(page, player, form, ready, at) {
    at = await waitLine(page, ready, at);
    await page.waitForFunction((f) => document.querySelector(`section[data-form="${f}"]`)
        ?.contains(document.activeElement), form);
    assert.equal(await page.getByRole('dialog').count(), 1);
    await player.phase(page, form);
    return at;
}

const shots = process.env.RUVANTIA_SHOTS;
const READER = 'a screen reader on a computer';
const players = {
    // The audit's script comes in past the page's own policy, which lets no script in but its own.
    [READER]: {
        options: { bypassCSP: true },
        buttons: 'main',
        press: (button) => button.press('Enter'),
        begin: (page) => press(page, players[READER], 'Inizia la partita', 'Form1.Image1'),
        async phase(page, where) {
            await audit(page, where);
            assert.equal(await page.locator('.strip').count(), 0, `a strip on a computer at ${where}`);
        },
    },
    'a finger on a phone held upright': {
        options: { viewport: { width: 390, height: 844 }, hasTouch: true, isMobile: true, deviceScaleFactor: 2 },
        buttons: '.strip',
        press: (button) => button.tap(),
        // The logo is large enough for a finger on the board itself.
        begin: (page) => tap(page, 'Form1.Image1'),
        async phase(page, where) {
            assert.deepEqual(await tooSmall(page), [], `targets at ${where}`);
            if (shots)
                await page.screenshot({ path: path.join(shots, `phone ${where}.png`) });
        },
    },
};
if (shots)
    fs.mkdirSync(shots, { recursive: true });

test('a show played through the accessibility layer alone traces as simulate does', { concurrency: true, timeout: 600000 }, async (t) => {
    const browser = await launch();
    t.after(() => browser.close());
    await Promise.all(Object.entries(players).map(([who, player]) => t.test(who, () => play(browser, player))));
});

async function play(browser, player) {
    const s = await open(browser, `?start=${START}`, player.options);
    try {
        await playOn(s, player);
    } finally {
        await s.close();
    }
}

async function playOn(s, player) {
    const { page } = s;
    const lastTime = async (at) => lineTime((await trace(page))[at]);
    const phase = (where) => player.phase(page, where);
    const choose = (name, control) => press(page, player, name, control);
    const dialog = (form, ready, at) => dialogUp(page, player, form, ready, at);

    // The invitation blinks, and is said once.
    let at = await waitLine(page, /^\d+ Form1 show$/);
    for (let blinks = 0; blinks < 3; ++blinks)
        at = await waitLine(page, / Form1\.Label4\.Caption "CLICCA/, at + 1);
    assert.deepEqual((await spoken(page)).filter((l) => l.startsWith('CLICCA')), ['CLICCA SUL LOGO PER INIZIARE!!!']);
    await phase('the invitation');
    await player.begin(page);

    // The first question: no rung of the ladder is won yet.
    at = await waitLine(page, / Form1\.Timer6\.Enabled true$/, at);
    await heldQuestion(page, at);
    assert.equal(await page.locator('li[aria-current]').count(), 0);
    await phase('the first question');

    // The friend, then the audience, each window holding the focus until it is closed, which
    // gives the focus back to the board.
    await choose('Aiuto da casa', 'Form1.Image3');
    at = await dialog('Form4', / Form4\.Label2\.Visible true$/, at);
    await choose('TORNA AL GIOCO', 'Form4.Label2');
    at = await waitLine(page, / Form4 unload$/, at);
    await page.waitForFunction(() => document.querySelector('section[data-form="Form1"]').contains(document.activeElement));
    await choose('Aiuto del pubblico', 'Form1.Image4');
    at = await dialog('Form5', / Form5\.Timer1\.Enabled false$/, at);
    assert.equal((await spoken(page)).filter((l) => /^[A-D]: \d+%$/.test(l)).length, 4);
    await choose('TORNA AL GIOCO', 'Form5.Label10');
    at = await waitLine(page, / Form5 unload$/, at);

    // The 50:50 leaves two answers.
    await choose('50:50', 'Form1.Image2');
    at = await waitLine(page, / Form1\.Timer13\.Enabled false$/, at);
    await page.waitForFunction(() => document.querySelectorAll('button[aria-label^="Risposta"]').length === 2);

    // A final answer taken back, then given.
    const right = 'ABCD'[letter(START, await inputs(page), await lastTime(at), 'right')];
    await choose(new RegExp(`^Risposta ${right}:`), `Form1.Label6(${'ABCD'.indexOf(right)})`);
    at = await dialog('Form6', / Form6\.Label2\(1\)\.Visible true$/, at);
    await choose('NO', 'Form6.Label2(1)');
    at = await waitLine(page, / Form6 unload$/, at);
    await choose(new RegExp(`^Risposta ${right}:`), `Form1.Label6(${'ABCD'.indexOf(right)})`);
    at = await waitLine(page, / Form6\.Label2\(1\)\.Visible true$/, at);
    assert.ok(await within(page, 'Form6'));
    await choose('SI', 'Form6.Label2(0)');

    // The second question, the first rung lit as the current one, and a walk-away.
    at = await waitLine(page, / Form1\.Timer6\.Enabled true$/, at);
    await heldQuestion(page, at);
    assert.deepEqual(await page.locator('li[aria-current]').allTextContents(), ['Domanda 1 € 50']);
    await choose('ABBANDONA', 'Form1.Label5');
    at = await dialog('Form2', / Form2\.Label3\.Visible true$/, at);
    await choose('SI', 'Form2.Label2');
    // The sum taken home is said.
    at = await waitLine(page, / Form1\.Label4\.Caption "TE NE TORNI CON 50 EURO/, at);
    assert.ok((await spoken(page)).some((l) => l.startsWith('TE NE TORNI CON 50 EURO')));

    await waitEnded(page);
    await phase('the end');
    const lines = await trace(page);
    assert.deepEqual(s.problems, []);
    sameTrace(lines, simulatedTrace(START, await inputs(page), lineTime(lines.at(-1))), 'the show by the layer');
}
