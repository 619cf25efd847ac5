// The browser build played in Debian's headless Chromium against scripts/web/serve.sh:
//   node run.mjs PAGE_DIR PROGRAM_DIR LINUX_BUILD_DIR WORK_DIR
// PAGE_DIR is the built page (build-web/velkaros), PROGRAM_DIR the folder of velkaros.js and
// .wasm (to pack a page with a broken data file), LINUX_BUILD_DIR the Linux build whose
// headless game gives the pictures and reports the page must match. Prints one line per
// check and exits with 1 when any failed. CHROMIUM names the browser (default /usr/bin/chromium).
import { execFileSync, spawnSync } from "node:child_process";
import fs from "node:fs";
import path from "node:path";
import { fileURLToPath } from "node:url";
import puppeteer from "puppeteer-core";

import { workbench, zipMods } from "./mods.mjs";
import { comparePictures, openPage, serve, waitForFrame } from "./page.mjs";
import { hiddenPage, offline, phoneLayout, phoneTouch, slowLine } from "./phone.mjs";

const [pageDir, programDir, linuxDir, workDir] = process.argv.slice(2).map((p) => path.resolve(p));
if (!workDir) {
  console.error("usage: node run.mjs PAGE_DIR PROGRAM_DIR LINUX_BUILD_DIR WORK_DIR");
  process.exit(2);
}
const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), "../..");
const serveScript = path.join(root, "scripts/web/serve.sh");
const goldenDir = path.join(root, "tests/golden/playthroughs");
const game = path.join(linuxDir, "game");
const velkaros = path.join(game, "velkaros");

let failures = 0;
function check(ok, name, detail = "") {
  console.log(`${ok ? "ok" : "FAILED"}: ${name}${detail ? " (" + detail + ")" : ""}`);
  failures += ok ? 0 : 1;
}

// Every golden playthrough played through ?replay= gives its golden pictures exactly.
async function playthroughs(browser, address, site) {
  fs.mkdirSync(path.join(site, "replays"), { recursive: true });
  for (const file of fs.readdirSync(goldenDir).filter((f) => f.endsWith(".replay")).sort()) {
    const name = path.basename(file, ".replay");
    fs.copyFileSync(path.join(goldenDir, file), path.join(site, "replays", file));
    fs.cpSync(path.join(goldenDir, name), path.join(site, "golden", name), { recursive: true });
    const shots = fs.readFileSync(path.join(goldenDir, name + ".shots"), "utf8").split("\n")
      .filter((line) => /^\d+\s+\S+/.test(line))
      .map((line) => line.trim().split(/\s+/))
      .map(([frame, shot]) => ({ frame: Number(frame), shot }));
    const { page, errors } = await openPage(browser,
      `${address}index.html?replay=replays/${file}&scale=1`);
    await page.evaluate((frames) => frames.forEach((f) => window.velkarosTest.wanted.add(f)),
      shots.map((s) => s.frame));
    const last = Math.max(...shots.map((s) => s.frame));
    await waitForFrame(page, last, 30000 + last * 100);
    for (const { frame, shot } of shots) {
      const result = await comparePictures(page, frame, `golden/${name}/${shot}.png`);
      check(result.same, `playthrough ${name}: frame ${frame} is ${shot}.png`, result.detail);
    }
    check(errors.length === 0, `playthrough ${name}: no script errors`, errors.join("; "));
    await page.close();
  }
}

// Real key events move through the first screens as the headless game does with the same
// presses: the page records what it polled (?record=1), the headless game plays that record.
async function realKeys(browser, address, site) {
  const { page, errors } = await openPage(browser, `${address}index.html?seed=7&scale=1&record=1`);
  let frame = await waitForFrame(page, 5, 30000);
  const presses = ["Space", "Space", "Space", "Space", "ArrowRight", "ArrowLeft", "KeyZ", "Enter"];
  for (const key of presses) {
    await page.keyboard.down(key);
    frame = await waitForFrame(page, frame + 3, 10000);
    await page.keyboard.up(key);
    frame = await waitForFrame(page, frame + 6, 10000);
  }
  const shotFrame = frame + 2;
  await page.evaluate((f) => window.velkarosTest.wanted.add(f), shotFrame);
  await waitForFrame(page, shotFrame + 1, 10000);
  // 終了 from the menu strip: F10 opens ファイル, Enter chooses its one item.
  await page.keyboard.press("F10");
  await page.keyboard.press("Enter");
  await page.waitForFunction(() => document.getElementById("ended").style.display === "block",
    { timeout: 10000 });
  const afterEnd = await page.evaluate(() => window.velkarosTest.frame);
  await new Promise((r) => setTimeout(r, 300));
  check(await page.evaluate((f) => window.velkarosTest.frame === f &&
      document.getElementById("canvas").style.display === "none", afterEnd),
    "keys: 終了 stops the game and the page says that it ended");
  const recorded = await page.evaluate(() =>
    new TextDecoder().decode(FS.readFile("/replays/recorded.replay")));
  const replayFile = path.join(site, "keys.replay");
  fs.writeFileSync(replayFile, recorded);
  const pressLines = recorded.split("\n").filter((l) => /keys 0x/.test(l)).length;
  check(pressLines >= presses.length, "keys: every press reached the game", `${pressLines} key lines`);
  execFileSync(velkaros, ["--headless", "--data", game, "--input", replayFile, "--frames",
    String(shotFrame), "--screenshot", path.join(site, "keys-headless.png")]);
  const result = await comparePictures(page, shotFrame, "keys-headless.png");
  check(result.same, `keys: frame ${shotFrame} in the page is the headless game's`, result.detail);
  // The presses went somewhere: the first screen is no longer shown.
  execFileSync(velkaros, ["--headless", "--data", game, "--seed", "7", "--frames",
    String(shotFrame), "--screenshot", path.join(site, "keys-untouched.png")]);
  const untouched = await comparePictures(page, shotFrame, "keys-untouched.png");
  check(!untouched.same, "keys: the presses moved the game on");
  check(errors.length === 0, "keys: no script errors", errors.join("; "));
  await page.close();
}

// Keys, wheel and right button keep the page still; the note asks for a gesture, after which
// the audio context runs and receives the mixer's samples.
async function pageAndSound(browser, address) {
  const { page, errors } = await openPage(browser, `${address}index.html`);
  // Puppeteer's own evaluations count as a user's gesture: until the real gesture below, the
  // page is only read through the DevTools protocol, which does not.
  const cdp = await page.createCDPSession();
  const quietly = async (expression) => (await cdp.send("Runtime.evaluate",
    { expression, returnByValue: true })).result.value;
  const deadline = Date.now() + 30000;
  while (!(await quietly("window.velkarosTest.frame >= 3")) && Date.now() < deadline) {
    await new Promise((r) => setTimeout(r, 100));
  }
  const before = JSON.parse(await quietly(`JSON.stringify({
    frame: window.velkarosTest.frame,
    note: getComputedStyle(document.getElementById("note")).display,
    state: Module.SDL2 && Module.SDL2.audioContext && Module.SDL2.audioContext.state })`));
  check(before.frame >= 3 && before.note !== "none" && before.state === "suspended",
    "sound: the game runs before a gesture, the note shows and the audio waits",
    JSON.stringify(before));
  // The gesture: a key.
  await page.keyboard.press("ArrowDown");
  await page.evaluate(() => {
    // A page long enough to scroll, if the keys were let through.
    document.documentElement.style.overflow = "auto";
    document.body.style.overflow = "auto";
    const spacer = document.createElement("div");
    // Out of the page's layout, so the picture stays where it was.
    spacer.style.position = "absolute";
    spacer.style.top = "0";
    spacer.style.pointerEvents = "none";
    spacer.style.height = "5000px";
    spacer.style.width = "5000px";
    document.body.appendChild(spacer);
    window.velkarosTest.prevented = [];
    for (const type of ["keydown", "contextmenu", "wheel"]) {
      window.addEventListener(type, (e) => window.velkarosTest.prevented.push(
        `${type}${e.key ? " " + e.key : ""}: ${e.defaultPrevented}`));
    }
  });
  for (const key of ["ArrowUp", "Space", "ArrowRight", "ArrowLeft", "ArrowDown"]) {
    await page.keyboard.press(key);
  }
  const box = await (await page.$("#canvas")).boundingBox();
  await page.mouse.click(box.x + box.width / 2, box.y + box.height / 2, { button: "right" });
  await page.mouse.move(box.x + box.width / 2, box.y + box.height / 2);
  await page.mouse.wheel({ deltaY: 120 });
  const prevented = await page.evaluate(() => window.velkarosTest.prevented);
  check(prevented.length >= 7 && prevented.every((p) => p.endsWith("true")),
    "page: keys, the right button and the wheel do nothing in the page", prevented.join(", "));
  check(await page.evaluate(() => scrollX === 0 && scrollY === 0), "page: it does not scroll");
  await page.waitForFunction(() => Module.SDL2.audioContext.state === "running", { timeout: 5000 })
    .catch(() => {});
  const start = await page.evaluate(() => window.velkarosTest.loudBuffers);
  await new Promise((r) => setTimeout(r, 1500));
  const after = await page.evaluate(() => ({
    state: Module.SDL2.audioContext.state,
    note: getComputedStyle(document.getElementById("note")).display,
    buffers: window.velkarosTest.audioBuffers,
    loud: window.velkarosTest.loudBuffers,
  }));
  check(after.state === "running" && after.note === "none",
    "sound: after a gesture the audio context runs and the note is gone", JSON.stringify(after));
  check(after.loud > start, "sound: the audio output receives the music, not silence",
    JSON.stringify(after));
  // バージョン情報 from the menu strip: the About text over the picture, the game waiting.
  await page.keyboard.press("F10");
  await page.keyboard.press("ArrowRight");
  await page.keyboard.press("Enter");
  await page.waitForFunction(() => document.getElementById("about").style.display === "flex",
    { timeout: 5000 });
  const opened = await page.evaluate(() => window.velkarosTest.frame);
  await new Promise((r) => setTimeout(r, 400));
  const about = await page.evaluate(() => ({
    text: document.querySelector("#about pre").textContent,
    frames: window.velkarosTest.frame,
  }));
  check(about.text === "ケルモラのラスト風バトルシステム\nVer 0.1.0" && about.frames === opened,
    "page: バージョン情報 shows the About text and the game waits", JSON.stringify(about));
  await page.keyboard.press("Enter");
  await waitForFrame(page, opened + 3, 5000);
  check(await page.evaluate(() => document.getElementById("about").style.display === "none"),
    "page: Enter closes the About text and the game goes on");
  check(errors.length === 0, "page: no script errors", errors.join("; "));
  await page.close();
}

// A page packed with a broken data file shows the report the desktop's box shows, and no game.
async function brokenData(browser) {
  const broken = path.join(workDir, "broken-game");
  fs.rmSync(broken, { recursive: true, force: true });
  fs.mkdirSync(broken, { recursive: true });
  fs.cpSync(path.join(game, "image"), path.join(broken, "image"), { recursive: true });
  fs.writeFileSync(path.join(broken, "script.dat"), "SpecialArt normalAttack\nanimation nowhere\n");
  const site = path.join(workDir, "broken-site");
  execFileSync(path.join(root, "scripts/web/package.sh"), [programDir, broken, site]);
  const desktop = spawnSync(velkaros, ["--headless", "--data", broken], { encoding: "utf8" });
  const { address, server } = await serve(serveScript, site);
  try {
    const { page, errors } = await openPage(browser, `${address}index.html`);
    await page.waitForFunction(() => document.getElementById("report").style.display === "block",
      { timeout: 30000 });
    const shown = await page.evaluate(() => ({
      text: document.querySelector("#report div").textContent,
      canvas: document.getElementById("canvas").style.display,
      frames: window.velkarosTest.frame,
    }));
    check(shown.text.length > 0 && desktop.stderr.includes(shown.text),
      "broken data: the page shows the desktop's report", `${shown.text} / ${desktop.stderr.trim()}`);
    check(shown.canvas === "none" && shown.frames === 0, "broken data: no game",
      JSON.stringify(shown));
    check(errors.length === 0, "broken data: no script errors", errors.join("; "));
    await page.close();
  } finally {
    server.kill();
  }
}

// ?lang=en shows the same first picture as the headless game with --lang en; a language
// chosen in the page's switch is remembered for the next visit without ?lang=.
async function language(browser, address, site) {
  const shot = 2;
  for (const [name, lang] of [["lang-en.png", ["--lang", "en"]], ["lang-ja.png", []]]) {
    execFileSync(velkaros, ["--headless", "--data", game, "--seed", "7", ...lang, "--frames",
      String(shot), "--screenshot", path.join(site, name)]);
  }
  async function firstPicture(url) {
    const { page, errors } = await openPage(browser, url);
    await page.evaluate((f) => window.velkarosTest.wanted.add(f), shot);
    await waitForFrame(page, shot, 30000);
    return { page, errors };
  }
  let { page, errors } = await firstPicture(`${address}index.html?lang=en&seed=7&scale=1`);
  let result = await comparePictures(page, shot, "lang-en.png");
  check(result.same, "lang: ?lang=en shows the picture of --headless --lang en", result.detail);
  result = await comparePictures(page, shot, "lang-ja.png");
  check(!result.same, "lang: the English picture is not the Japanese one");
  check(errors.length === 0, "lang: no script errors", errors.join("; "));
  await page.close();

  ({ page, errors } = await firstPicture(`${address}index.html?seed=7&scale=1`));
  check((await comparePictures(page, shot, "lang-ja.png")).same, "lang: without a choice, Japanese");
  await Promise.all([page.waitForNavigation(), page.select("#language", "en")]);
  await page.close();
  ({ page, errors } = await firstPicture(`${address}index.html?seed=7&scale=1`));
  result = await comparePictures(page, shot, "lang-en.png");
  check(result.same, "lang: the switch's choice is remembered", result.detail);
  // Back to the original for whatever runs next in this browser.
  await Promise.all([page.waitForNavigation(), page.select("#language", "")]);
  await page.close();
}

async function main() {
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
    headless: true,
    args: ["--no-sandbox"],
  });
  let server = null;
  try {
    const site = path.join(workDir, "site");
    fs.rmSync(site, { recursive: true, force: true });
    fs.cpSync(pageDir, site, { recursive: true });
    const served = await serve(serveScript, site);
    server = served.server;
    const only = process.env.VK_WEB_ONLY || "";
    if (!only || only === "playthroughs") await playthroughs(browser, served.address, site);
    if (!only || only === "keys") await realKeys(browser, served.address, site);
    if (!only || only === "page") await pageAndSound(browser, served.address);
    if (!only || only === "phone") {
      await phoneLayout(browser, served.address, check);
      await phoneTouch(browser, served.address, site, game, velkaros, check);
      await offline(browser, pageDir, workDir, serveScript, check);
      await slowLine(browser, served.address, check);
      await hiddenPage(browser, served.address, check);
    }
    if (!only || only === "broken") await brokenData(browser);
    if (!only || only === "lang") await language(browser, served.address, site);
    if (!only || only === "mods") {
      await workbench(browser, served.address, site, { velkaros, game, check });
      await zipMods(browser, served.address, site, { velkaros, game, check });
    }
  } catch (error) {
    check(false, "the tests ran to the end", String((error && error.stack) || error));
  } finally {
    await browser.close();
    if (server) server.kill();
  }
  console.log(failures === 0 ? "All web checks passed" : `${failures} web check(s) failed`);
  process.exit(failures === 0 ? 0 : 1);
}

main();
