// Registers the service worker (sw.js) that keeps the page's files for play without a network,
// once the music has come (background.js says so): on a first visit over a slow line it then
// competes with nothing the game is waiting for. Where none can register (a page opened from a
// file, or inside a hosting site's sandboxed frame, where even asking throws) the game plays on
// as before.
"use strict";
document.addEventListener("gamemusic", () => {
  try {
    navigator.serviceWorker.register("sw.js").catch(() => {});
  } catch (error) {
    // no service workers here
  }
}, { once: true });
