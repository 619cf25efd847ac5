// Keeps every file of the page after the first visit, so the game opens with no network
// afterwards. scripts/web/package.sh fills in the list of the page's files and a version
// made from their contents: a new build is a new cache, which replaces the old one as soon
// as it is complete. Requests for anything else (a replay beside the page) go to the network.
"use strict";
// The page's files and their version: written here by scripts/web/package.sh.
const files = ["./"];
const version = "source";
const cacheName = "velkaros-" + version;

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(cacheName)
    // Asked again of the server, which answers "not modified" for what the page has just
    // loaded: a first visit downloads nothing twice, and a new build is never mixed with old
    // files from the browser's cache.
    .then((cache) => cache.addAll(files.map((file) => new Request(file, { cache: "no-cache" }))))
    .then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith("velkaros-") &&
      name !== cacheName).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") {
    return;
  }
  // The page's own files whatever the address's query (?seed=, ?scale=).
  event.respondWith(caches.open(cacheName)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((kept) => kept || fetch(event.request)));
});
