// The page on a phone's screen (390 x 844 and 844 x 390 CSS pixels, 3 device pixels to one,
// touch): where the picture and the on-screen controls lie, and real touch events (the
// DevTools protocol's) played through the first screens as the headless game plays the same
// presses; the page offline and installable; the first picture before the music.
import { execFileSync } from "node:child_process";
import fs from "node:fs";
import path from "node:path";

import { comparePictures, openPage, serve, waitForFrame } from "./page.mjs";

export const portrait = { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true,
                          hasTouch: true };
export const landscape = { ...portrait, width: 844, height: 390 };
const desktop = { width: 1280, height: 800, deviceScaleFactor: 1 };

// The picture's box, every shown control's box and what is wrong with them.
function layoutFaults() {
  const box = (e) => e.getBoundingClientRect();
  const picture = box(document.getElementById("canvas"));
  const ratio = devicePixelRatio;
  const faults = [];
  const perPixel = picture.width * ratio / 256;
  if (Math.abs(perPixel - Math.round(perPixel)) > 0.01 || perPixel < 0.99 ||
      Math.abs(picture.height * ratio - 236 * perPixel) > 0.05) {
    faults.push(`picture ${picture.width} x ${picture.height} CSS px is no whole multiple`);
  }
  if (picture.left < 0 || picture.top < 0 || picture.right > innerWidth + 0.01 ||
      picture.bottom > innerHeight + 0.01) {
    faults.push(`picture ${JSON.stringify(picture)} leaves the screen`);
  }
  const shown = [...document.querySelectorAll("[data-button], #fullscreen")]
    .filter((e) => e.getClientRects().length > 0 && getComputedStyle(e).visibility !== "hidden");
  for (const control of shown) {
    const b = box(control);
    const name = control.dataset.button || control.id;
    if (b.left < picture.right && b.right > picture.left && b.top < picture.bottom &&
        b.bottom > picture.top) {
      faults.push(`${name} covers the picture`);
    }
    if (b.width < 48 || b.height < 48) {
      faults.push(`${name} is ${b.width} x ${b.height}`);
    }
    if (b.left < 0 || b.top < 0 || b.right > innerWidth + 0.01 || b.bottom > innerHeight + 0.01) {
      faults.push(`${name} leaves the screen`);
    }
  }
  return { faults, perPixel: Math.round(perPixel), buttons: shown.filter((e) => e.dataset.button).length };
}

// The centre of an element, in CSS pixels of the viewport.
async function centre(page, selector) {
  return page.$eval(selector, (e) => {
    const b = e.getBoundingClientRect();
    return { x: b.left + b.width / 2, y: b.top + b.height / 2 };
  });
}

export async function phoneLayout(browser, address, check) {
  for (const [name, viewport] of [["portrait", portrait], ["landscape", landscape]]) {
    const { page, errors } = await openPage(browser, `${address}index.html`, { viewport });
    await waitForFrame(page, 3, 30000);
    const layout = await page.evaluate(layoutFaults);
    layout.note = await page.$eval("#note", (e) => e.textContent);
    check(layout.faults.length === 0 && layout.buttons === 6 && layout.perPixel >= 4 &&
      layout.note.includes("tap"),
      `phone ${name}: the picture fits at a whole zoom, no control covers it, the note asks ` +
      "for a tap",
      JSON.stringify(layout));
    check(errors.length === 0, `phone ${name}: no script errors`, errors.join("; "));
    await page.close();
  }
  const { page } = await openPage(browser, `${address}index.html`, { viewport: desktop });
  await waitForFrame(page, 3, 30000);
  const layout = await page.evaluate(layoutFaults);
  check(layout.faults.length === 0 && layout.buttons === 0,
    "desktop: no on-screen controls, the picture at a whole zoom", JSON.stringify(layout));
  await page.close();
}

// Touches on the controls move through the first screens as the headless game does with the
// presses the page recorded; a finger slid from Down to Up presses Up; Decide is held with a
// direction; the menu strip answers taps; the first touch starts the sound.
export async function phoneTouch(browser, address, site, game, velkaros, check) {
  const { page, errors } = await openPage(browser, `${address}index.html?seed=7&record=1`,
    { viewport: portrait });
  const cdp = await page.createCDPSession();
  const touch = (type, points) => cdp.send("Input.dispatchTouchEvent", {
    type, touchPoints: points.map((p, id) => ({ x: p.x, y: p.y, id })) });
  let frame = await waitForFrame(page, 5, 30000);
  const at = {};
  for (const name of ["up", "down", "left", "right", "decide", "cancel"]) {
    at[name] = await centre(page, `[data-button="${name}"]`);
  }
  const hold = async (frames) => { frame = await waitForFrame(page, frame + frames, 10000); };
  for (const name of ["decide", "decide", "decide", "decide", "right", "left", "decide"]) {
    await touch("touchStart", [at[name]]);
    await hold(3);
    await touch("touchEnd", []);
    await hold(6);
  }
  const sound = await page.evaluate(() => ({
    state: Module.SDL2.audioContext.state,
    note: getComputedStyle(document.getElementById("note")).display,
  }));
  check(sound.state === "running" && sound.note === "none",
    "touch: the first touch starts the sound", JSON.stringify(sound));
  // Down, then the finger slides over the middle to Up without lifting.
  await touch("touchStart", [at.down]);
  await hold(3);
  for (const y of [at.down.y - 20, (at.down.y + at.up.y) / 2, at.up.y + 20, at.up.y]) {
    await touch("touchMove", [{ x: at.up.x, y }]);
  }
  await hold(3);
  await touch("touchEnd", []);
  await hold(6);
  // Decide held, and a second finger on Left while it is.
  await touch("touchStart", [at.decide]);
  await touch("touchStart", [at.decide, at.left]);
  await hold(3);
  await touch("touchEnd", []);
  await hold(6);
  const shotFrame = frame + 2;
  await page.evaluate((f) => window.velkarosTest.wanted.add(f), shotFrame);
  await waitForFrame(page, shotFrame + 1, 10000);

  // 終了 by two taps: ファイル on the strip, then its item.
  const tapGame = async (x, y) => {
    const box = await page.$eval("#canvas", (e) => e.getBoundingClientRect().toJSON());
    const point = { x: box.x + x * box.width / 256, y: box.y + y * box.height / 236 };
    await touch("touchStart", [point]);
    await touch("touchEnd", []);
    await new Promise((r) => setTimeout(r, 200));
  };
  await tapGame(10, 5);
  await tapGame(14, 18);
  const ended = await page.waitForFunction(
    () => document.getElementById("ended").style.display === "block", { timeout: 5000 })
    .then(() => true, () => false);
  check(ended, "touch: the menu strip answers taps (ファイル, 終了)");

  const recorded = await page.evaluate(() =>
    new TextDecoder().decode(FS.readFile("/replays/recorded.replay")));
  const replayFile = path.join(site, "touch.replay");
  fs.writeFileSync(replayFile, recorded);
  check(/ keys [0-9a-fx,]*0x26/.test(recorded), "touch: a finger slid from Down to Up presses Up");
  check(/ keys 0x20,0x25|keys 0x25,0x20/.test(recorded),
    "touch: two fingers hold Decide and Left together");
  execFileSync(velkaros, ["--headless", "--data", game, "--input", replayFile, "--frames",
    String(shotFrame), "--screenshot", path.join(site, "touch-headless.png")]);
  const result = await comparePictures(page, shotFrame, "touch-headless.png");
  check(result.same, `touch: frame ${shotFrame} in the page is the headless game's`, result.detail);
  check(errors.length === 0, "touch: no script errors", errors.join("; "));
  await page.close();
}

// After a first visit the service worker has kept every file: with the server gone, a reload
// starts the game. Chromium finds the page installable (manifest, icons, service worker).
export async function offline(browser, pageDir, workDir, serveScript, check) {
  const site = path.join(workDir, "offline-site");
  fs.rmSync(site, { recursive: true, force: true });
  fs.cpSync(pageDir, site, { recursive: true });
  // Its own server (an origin of its own) in the browser's own profile: Chromium installs
  // nothing from a private window.
  const { address, server } = await serve(serveScript, site);
  let running = server;
  let page = null;
  try {
    const opened = await openPage(browser, `${address}index.html`, { viewport: portrait });
    page = opened.page;
    const errors = opened.errors;
    await waitForFrame(page, 3, 30000);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null,
      { timeout: 30000 });
    const cdp = await page.createCDPSession();
    const { installabilityErrors } = await cdp.send("Page.getInstallabilityErrors");
    const manifest = await cdp.send("Page.getAppManifest");
    check(installabilityErrors.length === 0 && manifest.errors.length === 0,
      "offline: Chromium finds the page installable",
      JSON.stringify([installabilityErrors, manifest.errors]));
    const gone = new Promise((r) => running.once("exit", r));
    running.kill();
    await gone;
    running = null;
    await page.reload({ waitUntil: "load" });
    const frame = await waitForFrame(page, 3, 30000).catch(() => 0);
    check(frame >= 3, "offline: with the server gone a reload starts the game");
    check(errors.length === 0, "offline: no script errors", errors.join("; "));
  } finally {
    if (page) await page.close();
    if (running) running.kill();
  }
}

// A hidden page does no work: no frames while hidden (the page told so as a browser tells it),
// the game going on once it is seen again.
export async function hiddenPage(browser, address, check) {
  const { page, errors } = await openPage(browser, `${address}index.html`);
  const setHidden = (hidden) => page.evaluate((h) => {
    Object.defineProperty(document, "hidden", { configurable: true, get: () => h });
    document.dispatchEvent(new Event("visibilitychange"));
    return window.velkarosTest.frame;
  }, hidden);
  await waitForFrame(page, 3, 30000);
  const hiddenAt = await setHidden(true);
  await new Promise((r) => setTimeout(r, 1000));
  const afterHidden = await page.evaluate(() => window.velkarosTest.frame);
  await setHidden(false);
  const seen = await waitForFrame(page, afterHidden + 5, 5000).catch(() => afterHidden);
  check(afterHidden === hiddenAt && seen >= afterHidden + 5,
    "hidden page: no frames while hidden, frames again once seen",
    JSON.stringify({ hiddenAt, afterHidden, seen }));
  check(errors.length === 0, "hidden page: no script errors", errors.join("; "));
  await page.close();
}

// Over a slow line the first picture does not wait for the music, which joins in later.
export async function slowLine(browser, address, check) {
  const context = await browser.createBrowserContext();
  try {
    const { page, errors } = await openPage(context, `${address}index.html`, {
      prepare: async (page) => {
        const cdp = await page.createCDPSession();
        await cdp.send("Network.enable");
        await cdp.send("Network.emulateNetworkConditions", { offline: false, latency: 20,
          downloadThroughput: 1000000, uploadThroughput: 1000000 });
      },
      timeout: 60000,
    });
    await waitForFrame(page, 1, 60000);
    const times = await (await page.waitForFunction(() => {
      const music = performance.getEntriesByName(
        new URL("sound/kelmora.wav", location.href).href)[0];
      return music && { picture: window.velkarosTest.firstFrameAt, music: music.responseEnd };
    }, { timeout: 60000 })).jsonValue();
    check(times.picture < times.music, "slow line: the picture shows before the music has come",
      JSON.stringify(times));
    await page.keyboard.press("Space");
    await page.waitForFunction(() => Module.SDL2.audioContext.state === "running",
      { timeout: 5000 }).catch(() => {});
    await new Promise((r) => setTimeout(r, 1500));
    const loud = await page.evaluate(() => window.velkarosTest.loudBuffers);
    check(loud > 0, "slow line: then the music plays", `${loud} buffers with sound`);
    check(errors.length === 0, "slow line: no script errors", errors.join("; "));
  } finally {
    await context.close();
  }
}
