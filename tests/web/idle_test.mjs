// A page left open on the invitation, as a player leaves it, for ten minutes of real time: it keeps
// no trace and no hooks, and its JavaScript heap stays the size it was.
import assert from 'node:assert/strict';
import test from 'node:test';
import { launch, needs, open, sleep } from './harness.mjs';

await needs();

const MINUTES = 10;

test(`a page left on the invitation for ${MINUTES} minutes does not grow`, { timeout: (MINUTES + 3) * 60000 }, async () => {
    const browser = await launch();
    const s = await open(browser, '');
    try {
        await s.page.waitForFunction(() => performance.getEntriesByName('ruvantia-first-frame').length === 1,
            null, { timeout: 20000 });
        const cdp = await s.page.context().newCDPSession(s.page);
        const heap = async () => {
            await cdp.send('HeapProfiler.collectGarbage');
            return (await cdp.send('Runtime.getHeapUsage')).usedSize;
        };
        await sleep(30000); // the questions read, the pictures in: the page as it will stay
        const before = await heap();
        await sleep(MINUTES * 60000 - 30000);
        const after = await heap();
        console.log(`# JS heap ${before} bytes after 30 s, ${after} bytes after ${MINUTES} minutes`);
        assert.ok(Math.abs(after - before) <= 0.05 * before, `the heap went from ${before} to ${after} bytes`);
        assert.equal(await s.page.evaluate(() => typeof window.ruvantia), 'undefined', 'the test hooks are on');
        assert.deepEqual(s.problems, []);
    } finally {
        await s.close();
        await browser.close();
    }
});
