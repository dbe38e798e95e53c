// The service worker: keeps the app's own files so the page opens without a network, and
// refreshes them in the background when it has one (the next start shows the new version).
// It answers only for files under its own folder; the database's requests go to the network
// untouched, and the page's PouchDB copy serves the items while offline.
const version = '__VERSION__';
const files = __FILES__;
const cacheName = `stashline-web-${version}`;
const scope = new URL(self.registration.scope);

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(files)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith('stashline-web-') && name !== cacheName)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  const url = new URL(event.request.url);
  if (event.request.method !== 'GET' || url.origin !== scope.origin || !url.pathname.startsWith(scope.pathname)) return;
  const path = url.pathname === scope.pathname ? `${scope.pathname}index.html` : url.pathname;
  event.respondWith(caches.open(cacheName).then(async (cache) => {
    const cached = await cache.match(path);
    const fresh = fetch(event.request).then((response) => {
      if (response.ok) cache.put(path, response.clone());
      return response;
    });
    if (!cached) return fresh;
    fresh.catch(() => {}); // offline: the kept copy answers
    return cached;
  }));
});
