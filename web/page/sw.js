// The page's service worker: it keeps every file of this build in a cache named after the
// build's content, answers from that cache first (so the page starts with no network),
// and once a newer build's worker takes over, the older builds' caches go. The build
// writes the cache's name and the list of files in, in place of the two marks.
const CACHE = "@CACHE@";
const FILES = ["@FILES@"];
const OURS = "quorvel-";

// A name with a hash of its content is that content: the copy the page has just loaded
// will do. Every other file is fetched afresh, past what an older visit left in the
// browser's HTTP cache.
const HASHED = /\.[0-9a-f]{10}\.\w+$/;

self.addEventListener("install", (event) => {
  const requests = FILES.map((file) => new Request(file, {
    cache: HASHED.test(file) ? "default" : "reload",
  }));
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(requests))
    .then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith(OURS) && name !== CACHE)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((kept) => kept ?? fetch(event.request)));
});
