// Lighthouse's audits of the page as a visitor opens it (no test hooks): accessibility, best
// practices and what a search engine needs, each at 100. Lighthouse drives the same Chromium as the other tests.
import assert from 'node:assert/strict';
import test from 'node:test';
import { chromiumBin, needs, site } from './harness.mjs';
import { serve } from './serve.mjs';

await needs();

test('Lighthouse gives accessibility, best practices and SEO 100', { timeout: 300000 }, async (t) => {
    const { default: lighthouse } = await import('lighthouse');
    const { launch } = await import('chrome-launcher');
    const server = await serve(site);
    t.after(() => server.close());
    const chrome = await launch({
        chromePath: chromiumBin,
        chromeFlags: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
            '--disable-background-networking', '--disable-component-update', '--disable-sync'],
    });
    t.after(() => chrome.kill());
    const { lhr } = await lighthouse(server.url, {
        port: chrome.port, onlyCategories: ['accessibility', 'best-practices', 'seo'], logLevel: 'error', output: 'json',
    });
    for (const category of Object.values(lhr.categories)) {
        const failed = category.auditRefs.map((r) => lhr.audits[r.id])
            .filter((a) => a.score !== null && a.score < 1).map((a) => `${a.id}: ${a.title}`);
        assert.equal(category.score, 1, `${category.title}: ${Math.round(category.score * 100)}; ${failed.join('; ')}`);
    }
    assert.deepEqual(lhr.runtimeError ?? null, null);
});
