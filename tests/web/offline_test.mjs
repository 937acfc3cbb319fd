// The page as an app: installable, and after one visit it plays with the network off, packs
// shared as links included. A new build takes over on a later visit, never mixing its program with
// the old page. And the game in one file, ruvantia.html, plays from a disk with no network.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import test from 'node:test';
import { pathToFileURL } from 'node:url';
import zlib from 'node:zlib';
import { click, dropFile, launch, launchProfile, needs, repo, site, tempDir, waitLine } from './harness.mjs';
import { serve } from './serve.mjs';

await needs();

const browser = await launch();
test.after(() => browser.close());

// The site in a folder of the test's own, served; and a context that visits it.
async function visit(t, dir) {
    const server = await serve(dir);
    const context = await browser.newContext({ viewport: { width: 1280, height: 900 } });
    t.after(async () => {
        await context.close();
        await server.close();
    });
    return { server, context };
}

// Opens QUERY in a new tab of CONTEXT, once the page's worker is in charge of it.
async function page(context, url) {
    const tab = await context.newPage();
    const errors = [];
    tab.on('pageerror', (e) => errors.push(e.message));
    await tab.goto(url);
    await tab.evaluate(() => navigator.serviceWorker.ready);
    return { tab, errors };
}

const firstQuestion = async (tab) => {
    const shown = await waitLine(tab, /^\d+ Form1 show$/);
    await click(tab, 'Form1.Image1');
    await waitLine(tab, / Form1\.Timer6\.Enabled true$/, shown);
    return tab.evaluate(() => window.ruvantia.trace().findLast((l) => / Form1\.Label2\.Caption /.test(l)));
};

// Fifteen questions of our own, one a level, as a shared link's fragment.
const ours = ['livello\tdomanda\tgiusta\tsbagliata 1\tsbagliata 2\tsbagliata 3',
    ...Array.from({ length: 15 }, (_, i) => `${i + 1}\tQuanto fa ${i + 1} per uno?\t${i + 1}\tZero\tMille\tCento`)].join('\n');
const link = `#domande=${zlib.deflateRawSync(Buffer.from(ours)).toString('base64url')}`;

test('the page installs, and after one visit plays offline, links too', { timeout: 120000 }, async (t) => {
    const dir = tempDir('offline');
    t.after(() => fs.rmSync(dir, { recursive: true }));
    const server = await serve(site);
    const context = await launchProfile(dir, { viewport: { width: 1280, height: 900 } });
    t.after(async () => {
        await context.close();
        await server.close();
    });
    const { tab, errors } = await page(context, `${server.url}?prova`);
    const cdp = await context.newCDPSession(tab);
    assert.deepEqual((await cdp.send('Page.getInstallabilityErrors')).installabilityErrors, []);

    await context.setOffline(true);
    await tab.reload();
    assert.match(await firstQuestion(tab), /Form1\.Label2\.Caption "/);
    await tab.goto(`${server.url}?start=10:00:00${link}`);
    assert.match(await firstQuestion(tab), /Form1\.Label2\.Caption "Quanto fa 1 per uno\?"$/);
    assert.deepEqual(errors, []);
});

test('a new build takes over on the next visit, its page and program together', { timeout: 120000 }, async (t) => {
    const dir = tempDir('builds');
    t.after(() => fs.rmSync(dir, { recursive: true }));
    fs.cpSync(site, dir, { recursive: true });
    const { server, context } = await visit(t, dir);
    const served = (tab, file) => tab.evaluate(async (f) => (await (await fetch(f)).arrayBuffer()).byteLength, file);
    const old = await page(context, `${server.url}?prova`);
    await old.tab.close();

    // The next build: another program (a custom section more) and its own worker.
    const wasm = path.join(dir, 'show.wasm');
    const mark = Buffer.from('nuova-build');
    fs.appendFileSync(wasm, Buffer.concat([Buffer.from([0, mark.length + 1, mark.length]), mark]));
    execFileSync('cmake', [`-DSITE=${dir}`, `-DTEMPLATE=${path.join(repo, 'toolkit/web/page/sw.js')}`,
        '-P', path.join(repo, 'cmake/Offline.cmake')]);
    const size = fs.statSync(wasm).size;

    // The first visit after it finds the new worker; once that page is gone, the next one runs it.
    const first = await page(context, `${server.url}?prova`);
    assert.equal(await served(first.tab, 'show.wasm'), size - mark.length - 3, 'the old page, the old program');
    await first.tab.evaluate(async () => {
        const r = await navigator.serviceWorker.getRegistration();
        await r.update();
        while (r.installing) await new Promise((ok) => setTimeout(ok, 50));
    });
    await first.tab.close();
    const second = await page(context, `${server.url}?prova`);
    assert.equal(await served(second.tab, 'show.wasm'), size);
    await context.setOffline(true);
    await second.tab.reload();
    assert.equal(await served(second.tab, 'show.wasm'), size);
    await firstQuestion(second.tab);
    assert.deepEqual(await second.tab.evaluate(async () => (await caches.keys()).length), 1);
    assert.deepEqual([...old.errors, ...first.errors, ...second.errors], []);
});

test('ruvantia.html plays from a disk with the network off, a dropped pack and a link too', { timeout: 120000 }, async (t) => {
    const dir = tempDir('un-file');
    const context = await browser.newContext({ viewport: { width: 1000, height: 900 }, offline: true });
    t.after(async () => {
        await context.close();
        fs.rmSync(dir, { recursive: true });
    });
    fs.copyFileSync(path.join(site, 'ruvantia.html'), path.join(dir, 'ruvantia.html'));
    const tab = await context.newPage();
    const problems = [];
    tab.on('pageerror', (e) => problems.push(e.message));
    tab.on('request', (r) => r.url().startsWith('file:') || r.url().startsWith('data:') || problems.push(`asked for ${r.url()}`));
    const address = pathToFileURL(path.join(dir, 'ruvantia.html')).href;
    await tab.goto(`${address}?start=10:00:00`);
    await waitLine(tab, /^\d+ Form1 show$/);
    await dropFile(tab, 'lezione.tsv', ours);
    await tab.locator('#caricato').filter({ hasText: 'Pacchetto caricato: 15 domande (lezione.tsv)' }).waitFor();
    assert.match(await firstQuestion(tab), /Form1\.Label2\.Caption "Quanto fa 1 per uno\?"$/);
    await tab.goto(`${address}?start=11:00:00${link}`);
    assert.match(await firstQuestion(tab), /Form1\.Label2\.Caption "Quanto fa 1 per uno\?"$/);
    assert.deepEqual(problems, []);

    // The site's own page from a disk says which file to open instead.
    const index = await context.newPage();
    await index.goto(pathToFileURL(path.resolve(site, 'index.html')).href);
    assert.equal((await index.locator('#problemi').textContent()).trim(),
        'la pagina non parte da un file: apri ruvantia.html, che funziona anche senza rete');
});
