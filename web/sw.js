'use strict';
// Keeps the page and what installing it needs, so that it opens and
// converts with no network; and takes what a phone shares into the
// installed page (its manifest's share_target), which arrives as a form
// sent to the page: the worker keeps it for the page and opens the page,
// which then loads it. The page is one file; a new build is a new cache,
// named after what it holds.
const cacheName = 'qvrtomorvane-@VERSION@';
// What was shared, until the page takes it; no build's own.
const sharedCache = 'qvrtomorvane-shared';
const files = ['./', 'index.html', 'manifest.webmanifest', 'icon-192.png', 'icon-512.png', 'icon-maskable-192.png',
  'icon-maskable-512.png', 'apple-touch-icon.png'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(files)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name !== cacheName && name !== sharedCache)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The shared title, text and link as they came, and a shared file with its
// name; then the page, told to look (?shared).
async function keepShared(request) {
  const form = await request.formData();
  const cache = await caches.open(sharedCache);
  await Promise.all([cache.delete('file'), cache.delete('text')]);
  const file = form.get('file');
  if (file instanceof File && file.name) {
    await cache.put('file', new Response(file, { headers: { 'x-name': encodeURIComponent(file.name) } }));
  } else {
    const text = Object.fromEntries(['title', 'text', 'url'].map((name) => [name, String(form.get(name) ?? '')]));
    await cache.put('text', new Response(JSON.stringify(text), { headers: { 'content-type': 'application/json' } }));
  }
  return Response.redirect('./?shared', 303);
}

self.addEventListener('fetch', (event) => {
  const { request } = event;
  if (request.method === 'POST' && new URL(request.url).searchParams.has('share-target')) {
    event.respondWith(keepShared(request));
    return;
  }
  if (request.method !== 'GET')
    return;
  event.respondWith(caches.open(cacheName)
    .then((cache) => cache.match(request, { ignoreSearch: true }))
    .then((cached) => cached ?? fetch(request)));
});
