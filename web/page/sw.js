// The page's service worker: it keeps every file of this build in a cache named after the
// build's content, answers from that cache first (so the page starts with no network),
// and once a newer build's worker takes over, the older builds' caches go. The build
// writes the cache's name and the list of files in.
const CACHE = "@CACHE@";
const FILES = @FILES@;
const OURS = "quorvel-";

self.addEventListener("install", (event) => {
  // Past the browser's HTTP cache: the files of this build, not what an older visit kept.
  const requests = FILES.map((file) => new Request(file, { cache: "reload" }));
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
