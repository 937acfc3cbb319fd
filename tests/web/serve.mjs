// A tiny static server for the browser build: the files of one folder, on 127.0.0.1 at a free
// port, with the types a browser insists on (wasm, svg, woff2). It keeps the list of what was
// asked for, so a test can tell which files a show needed and that nothing left the folder.
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';

const types = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.mjs': 'text/javascript; charset=utf-8',
    '.wasm': 'application/wasm',
    '.svg': 'image/svg+xml',
    '.woff2': 'font/woff2',
    '.tsv': 'text/tab-separated-values; charset=utf-8',
    '.csv': 'text/csv; charset=utf-8',
    '.txt': 'text/plain; charset=utf-8',
    '.css': 'text/css; charset=utf-8',
    '.json': 'application/json',
    '.webmanifest': 'application/manifest+json',
    '.png': 'image/png',
    '.ico': 'image/x-icon',
};

// Serves ROOT. Resolves to { url, requests, close() }: url ends with "/", requests holds one
// { path, status } for every request in the order they came.
export async function serve(root) {
    root = fs.realpathSync(root);
    const requests = [];
    const server = http.createServer((req, res) => {
        let status = 200;
        let file;
        try {
            const url = new URL(req.url, 'http://localhost');
            file = path.join(root, decodeURIComponent(url.pathname));
            if (url.pathname.endsWith('/'))
                file = path.join(file, 'index.html');
            // Only files inside the folder, whatever the path spells.
            const real = fs.realpathSync(file);
            if (real !== root && !real.startsWith(root + path.sep))
                throw new Error('outside');
            if (!fs.statSync(real).isFile())
                throw new Error('not a file');
            file = real;
        } catch {
            status = 404;
        }
        requests.push({ path: decodeURIComponent(req.url.split('?')[0]), status });
        if (status !== 200 || (req.method !== 'GET' && req.method !== 'HEAD')) {
            res.writeHead(status === 200 ? 405 : status, { 'Content-Type': 'text/plain' });
            res.end('not here\n');
            return;
        }
        const body = fs.readFileSync(file);
        res.writeHead(200, {
            'Content-Type': types[path.extname(file).toLowerCase()] ?? 'application/octet-stream',
            'Content-Length': body.length,
            'Cache-Control': 'no-cache',
        });
        res.end(req.method === 'HEAD' ? undefined : body);
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    return {
        url: `http://127.0.0.1:${server.address().port}/`,
        requests,
        close: () => new Promise((resolve) => {
            server.closeAllConnections();
            server.close(resolve);
        }),
    };
}
