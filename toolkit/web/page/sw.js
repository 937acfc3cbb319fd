// The page's files kept for playing without a network. The build writes its name and the list of
// its files into this worker, so every build is a new worker with a cache of its own: the page,
// its program and its pictures always come from the same build. A new build's worker fills its
// cache beside the old one, and takes over once no page of the old build is open; then the old
// cache goes. Nothing but the site's own files is ever kept, and nothing is sent anywhere.
'use strict';

const CACHE = 'ruvantia-@BUILD@';
const FILES = [@FILES@];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES.map((f) => new Request(f, {cache: 'reload'})))));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys().then((names) => Promise.all(
    names.filter((n) => n.startsWith('ruvantia-') && n !== CACHE).map((n) => caches.delete(n)))));
});

// The site's files from the cache, the page whatever its address's query (?domande=, ?prova);
// anything else, a pack beside the page for one, from the network as ever.
self.addEventListener('fetch', (event) => {
  const url = new URL(event.request.url);
  if (event.request.method !== 'GET' || url.origin !== location.origin) return;
  const scope = new URL(self.registration.scope);
  let name = url.pathname.startsWith(scope.pathname) ? url.pathname.slice(scope.pathname.length) : null;
  if (name === '') name = 'index.html';
  if (name === null || !FILES.includes(name)) return;
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(name))
    .then((kept) => kept ?? fetch(event.request)));
});
