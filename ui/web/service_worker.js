// The page's service worker: it keeps the page's own three files, as this release has them,
// so that the game opens with no network, installed or not. The build writes the release's
// version in.
'use strict';

const keptFiles = 'tinzel-@TINZEL_VERSION_TEXT@';
const files = ['./', 'tinzel.js', 'tinzel.wasm'];

self.addEventListener('install', (event) => {
  event.waitUntil(
    caches
      .open(keptFiles)
      .then((cache) => cache.addAll(files))
      .then(() => self.skipWaiting()),
  );
});

// Another release's files go: only this one's are kept.
self.addEventListener('activate', (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((names) =>
        Promise.all(
          names
            .filter((name) => name.startsWith('tinzel-') && name !== keptFiles)
            .map((name) => caches.delete(name)),
        ),
      )
      .then(() => self.clients.claim()),
  );
});

// The network first, so that a page that is online plays what its server has now; the kept
// copy where the network fails.
self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) {
    return;
  }
  event.respondWith(
    fetch(request).catch(async () => {
      const cache = await caches.open(keptFiles);
      const kept = await cache.match(request.mode === 'navigate' ? './' : request, {
        ignoreSearch: true,
      });
      return kept || Response.error();
    }),
  );
});
