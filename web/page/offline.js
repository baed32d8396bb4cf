// The served page keeps itself for offline use: its service worker (sw.js, written by
// the build) caches every file of the build. A new build arrives on the next visit: its
// worker takes over while the old page shows, and the page then loads the new one, unless
// the student has already started working in it.

export function keepForOffline(untouched) {
  if (!("serviceWorker" in navigator) || !location.protocol.startsWith("http")) return;
  const hadWorker = navigator.serviceWorker.controller !== null;
  navigator.serviceWorker.addEventListener("controllerchange", () => {
    if (hadWorker && untouched()) location.reload();
  });
  navigator.serviceWorker.register("sw.js").catch((error) => {
    // The page works as well without it, only not offline.
    console.warn(`No offline copy: ${error.message}`);
  });
}
