// The board, the final-answer window and the goodbye screen drawn by the browser at scale 1,
// beside simulate's snapshots of the same windows at the same virtual moment.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import test from 'node:test';
import {
    canvas, click, differences, inputs, launch, letter, lineTime, needs, open, readPng, simulate, steps, stillShot,
    tempDir, trace, waitLine,
} from './harness.mjs';

await needs({ simulate: true });

// The windows at scale 1, in pixels: twips / 15.
const BOARD = { width: 823, height: 731 };
const GOODBYE = { width: 642, height: 641 };

// The tolerance, chosen from what was measured on the page as built. Chromium and the desktop
// (FreeType for the text, SDL_image's rasteriser for the SVG art) anti-alias edges differently,
// so a pixel differs only when nothing within a pixel of it in the other picture comes within a
// quarter of each channel's range (harness.mjs: differences). Our own drawing, text, frames and
// lines, must then all but match: 106 pixels differed on the board, 17 on the final-answer
// window and 56 on the goodbye screen, where a single missing word costs some 300 and a wrong
// colour thousands. Inside the pictures the two SVG rasterisers disagree more (1.7 % of the
// board's pictures: the desktop draws the logo's translucent gloss brighter), a missing or
// misplaced picture is most of it.
const TOLERANCE = 64;
const DRAWN_PIXELS = 200;
const ART_SHARE = 0.05;

// Sizes the viewport so that the board is drawn at scale 1: the page fits the board to what room
// it has, so the viewport grows or shrinks by what the board's canvas lacks.
async function scaleOne(page) {
    for (let k = 0; k < 8; ++k) {
        const box = await canvas(page, 'Form1').boundingBox();
        const dw = BOARD.width - box.width;
        const dh = BOARD.height - box.height;
        if (Math.abs(dw) < 0.5 && Math.abs(dh) < 0.5)
            return;
        const vp = page.viewportSize();
        await page.setViewportSize({ width: Math.round(vp.width + dw), height: Math.round(vp.height + dh) });
        await page.waitForTimeout(200);
    }
    assert.fail(`the board never drew at scale 1: ${JSON.stringify(await canvas(page, 'Form1').boundingBox())}`);
}

test('the board, a dialog and the goodbye screen look as simulate draws them', { timeout: 300000 }, async (t) => {
    const start = '11:11:11';
    const browser = await launch();
    t.after(() => browser.close());
    const s = await open(browser, `?start=${start}`, { viewport: { width: 900, height: 800 }, deviceScaleFactor: 1 });
    t.after(() => s.close());
    const { page } = s;
    const dir = tempDir('screens');

    // Shoots FORM when the show stands still, with the pointer off every window's canvas so no
    // hover shows, and compares it with simulate's snapshot after the same clicks.
    const misses = [];
    async function compare(form, pictures = []) {
        const caption = await page.locator(`section.window[data-form="${form}"] .titlebar .caption`).boundingBox();
        await page.mouse.move(caption.x + 2, caption.y + 2);
        const shot = await stillShot(page, canvas(page, form));
        const browserPng = path.join(dir, `${form}.browser.png`);
        const simulatePng = path.join(dir, `${form}.simulate.png`);
        fs.writeFileSync(browserPng, shot.png);
        const lines = await trace(page);
        simulate(['--start', start, ...steps(await inputs(page), lineTime(lines[shot.lines - 1])),
            `snapshot ${form} ${simulatePng}`]);
        const browserPicture = readPng(browserPng);
        const mask = differences(browserPicture, readPng(simulatePng), TOLERANCE);
        // The pictures' rectangles on the canvas.
        const origin = await canvas(page, form).boundingBox();
        const rects = [];
        for (const name of pictures) {
            const r = await page.evaluate((c) => window.ruvantia.rect(c), `${form}.${name}`);
            if (r)
                rects.push({ x: Math.round(r.x - origin.x), y: Math.round(r.y - origin.y), w: Math.round(r.width), h: Math.round(r.height) });
        }
        const inArt = (x, y) => rects.some((r) => x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h);
        let drawn = 0;
        let art = 0;
        const { width, height } = browserPicture;
        for (let y = 0; y < height; ++y)
            for (let x = 0; x < width; ++x)
                if (mask[y * width + x])
                    inArt(x, y) ? ++art : ++drawn;
        const artArea = rects.reduce((sum, r) => sum + r.w * r.h, 0);
        const artShare = artArea ? art / artArea : 0;
        console.log(`${form}: ${drawn} pixels differ outside the pictures, ${(100 * artShare).toFixed(2)} % inside`);
        if (drawn > DRAWN_PIXELS || artShare > ART_SHARE)
            misses.push(`${form}: ${drawn} pixels differ, ${(100 * artShare).toFixed(2)} % of the pictures: ${browserPng} ${simulatePng}`);
    }

    const shown = await waitLine(page, /^\d+ Form1 show$/);
    await scaleOne(page);
    await click(page, 'Form1.Image1');
    let at = await waitLine(page, / Form1\.Timer6\.Enabled true$/, shown);
    await compare('Form1', ['Image1', 'Image2', 'Image3', 'Image4']);

    const now = lineTime((await trace(page))[at]);
    await click(page, `Form1.Label6(${letter(start, await inputs(page), now, 'wrong')})`);
    at = await waitLine(page, / Form6\.Label2\(1\)\.Visible true$/, at);
    await compare('Form6');

    await click(page, 'Form6.Label2(0)');
    at = await waitLine(page, / Form3\.Label5\(31\)\.Visible true$/, at, 180000);
    const box = await canvas(page, 'Form3').boundingBox();
    assert.deepEqual([box.width, box.height], [GOODBYE.width, GOODBYE.height], 'the goodbye screen at scale 1');
    await compare('Form3');

    assert.deepEqual(s.problems, []);
    assert.deepEqual(misses, []);
    fs.rmSync(dir, { recursive: true }); // kept when a picture differs, to look at
});
