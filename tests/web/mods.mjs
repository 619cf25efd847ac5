// Mods and the workbench in the page, against the headless desktop game on the same files:
// a zip opened with "Mod…" and one from ?mod= show the mod's pictures, a reload keeps the mod,
// an edit applied in the editor changes the picture, a broken one is reported with its line
// while the game plays on, and the zip Download writes plays the same under the desktop's
// --mod.
import { execFileSync } from "node:child_process";
import fs from "node:fs";
import path from "node:path";

import { comparePictures, openPage, waitForFrame } from "./page.mjs";

const kShot = 5;

// The base game's data file as text, and back to Shift-JIS (the game's encoding) with iconv.
function readScript(game) {
  return new TextDecoder("shift_jis").decode(fs.readFileSync(path.join(game, "script.dat")));
}
function toSjis(text) {
  return execFileSync("iconv", ["-f", "UTF-8", "-t", "CP932"], { input: text });
}

// A folder of mod files zipped, and the same files laid over a copy of the game folder.
function makeMod(game, work, name, files) {
  const folder = path.join(work, name);
  fs.rmSync(folder, { recursive: true, force: true });
  for (const [file, bytes] of Object.entries(files)) {
    fs.mkdirSync(path.dirname(path.join(folder, file)), { recursive: true });
    fs.writeFileSync(path.join(folder, file), bytes);
  }
  const zip = path.join(work, name + ".zip");
  fs.rmSync(zip, { force: true });
  execFileSync("zip", ["-qr", zip, "."], { cwd: folder });
  const laid = path.join(work, name + "-game");
  fs.rmSync(laid, { recursive: true, force: true });
  fs.cpSync(game, laid, { recursive: true });
  fs.cpSync(folder, laid, { recursive: true });
  return { zip, laid };
}

// The headless game's picture after `frames` frames, as a PNG in the site.
function headlessShot(velkaros, site, name, args) {
  execFileSync(velkaros, ["--headless", "--seed", "7", ...args, "--screenshot",
    path.join(site, name)]);
  return name;
}

async function pictureAt(page, frame) {
  await page.evaluate((f) => window.velkarosTest.wanted.add(f), frame);
  return waitForFrame(page, frame, 30000);
}

// The workbench on the base game: a picture replaced, an edit applied with Ctrl+S, a broken
// edit, and the work kept across a reload.
export async function workbench(browser, address, site, { velkaros, game, check }) {
  const work = path.join(site, "mods");
  fs.mkdirSync(work, { recursive: true });
  const base = readScript(game);
  const face = fs.readFileSync(path.join(game, "image/face_gonza.png"));
  fs.writeFileSync(path.join(work, "face.png"), face);
  // The first enemy gets another name and another face: both are in the first picture.
  const edited = base.replace("name プルリン", "name テストン");
  const { laid } = makeMod(game, work, "edited", {
    "script.dat": toSjis(edited),
    "image/face_pururin.png": face,
  });
  const later = 40;
  const firstShot = headlessShot(velkaros, site, "edited-first.png",
    ["--data", laid, "--frames", String(kShot)]);
  const groundShot = headlessShot(velkaros, site, "edited-ground.png",
    ["--data", laid, "--ground", "1", "--frames", String(kShot)]);
  const groundLater = headlessShot(velkaros, site, "edited-later.png",
    ["--data", laid, "--ground", "1", "--frames", String(later)]);

  const context = await browser.createBrowserContext();
  const { page, errors } = await openPage(context, `${address}index.html?seed=7&scale=1`);
  await waitForFrame(page, 2, 30000);
  await page.click("#workbench-toggle");
  const shown = await page.evaluate(() => document.querySelector("#workbench textarea").value);
  check(shown === base, "workbench: script.dat shows as Unicode text");

  // A picture dropped onto its entry in the list, then the text applied with Ctrl+S: the
  // game begins again as F5 has it, at the introduction of the ground it was at.
  const reloads = await page.evaluate(() => Number(document.getElementById("workbench").dataset.reloads || 0));
  await dropFile(page, '#workbench li[data-path="image/face_pururin.png"]', path.join(work, "face.png"));
  await page.waitForFunction((n) => Number(document.getElementById("workbench").dataset.reloads) > n,
    { timeout: 10000 }, reloads);
  await page.evaluate((frames) => frames.forEach((f) => window.velkarosTest.afterReload.add(f)),
    [kShot, later]);
  await setTextAndApply(page, edited, "ctrl+s");
  const reloadedAt = await page.evaluate(() => window.velkarosTest.reloadedAt);
  await waitForFrame(page, reloadedAt + kShot, 10000);
  let result = await comparePictures(page, reloadedAt + kShot, groundShot);
  check(reloadedAt > 0 && result.same,
    "workbench: a replaced picture and an applied edit change the picture as F5 does", result.detail);

  // A broken edit: the report, its line marked, the game playing on with the data it had.
  const lines = edited.split("\n");
  const badLine = 640;
  lines.splice(badLine - 1, 0, "faceImage nowhere");
  await setTextAndApply(page, lines.join("\n"), "button");
  const broken = await page.evaluate(() => {
    const area = document.querySelector("#workbench textarea");
    return {
      report: document.querySelector("#workbench .wb-error pre").textContent,
      shown: !document.querySelector("#workbench .wb-error").hidden,
      marked: [...document.querySelectorAll("#workbench .wb-gutter .wb-bad")].map((e) => e.textContent),
      selected: area.value.slice(area.selectionStart, area.selectionEnd),
      reloadedAt: window.velkarosTest.reloadedAt,
    };
  });
  check(broken.shown && broken.report.includes(`${badLine}行目`) &&
    broken.marked.join() === String(badLine) && broken.selected === "faceImage nowhere",
    "workbench: a broken edit shows the report and marks its line", JSON.stringify(broken));
  await waitForFrame(page, reloadedAt + later, 10000);
  result = await comparePictures(page, reloadedAt + later, groundLater);
  check(broken.reloadedAt === reloadedAt && result.same,
    "workbench: after a broken edit the game plays on with the data it had", result.detail);

  // Put right again, the work survives a reload: the game starts on it, the text is there.
  await setTextAndApply(page, edited, "button");
  await page.reload({ waitUntil: "load" });
  await pictureAt(page, kShot);
  result = await comparePictures(page, kShot, firstShot);
  const kept = await page.evaluate(() => document.querySelector("#workbench textarea").value);
  check(result.same && kept === edited, "workbench: a reload keeps the mod and its text",
    result.detail);
  // Download: a zip of script.dat and the changed picture, which the desktop's --mod plays
  // with the page's first picture.
  const downloaded = await page.evaluate(async () => {
    document.querySelector("#workbench [name=download]").click();
    const link = document.querySelector("#workbench a.wb-file");
    const bytes = new Uint8Array(await (await fetch(link.href)).arrayBuffer());
    return { name: link.download, bytes: Array.from(bytes) };
  });
  const downloadFile = path.join(work, "downloaded.zip");
  fs.writeFileSync(downloadFile, Buffer.from(downloaded.bytes));
  const entries = execFileSync("unzip", ["-Z1", downloadFile], { encoding: "utf8" })
    .trim().split("\n").sort();
  check(entries.join() === "image/face_pururin.png,script.dat",
    "workbench: Download holds script.dat and the changed picture", entries.join());
  const downloadShot = headlessShot(velkaros, site, "downloaded.png",
    ["--data", game, "--mod", downloadFile, "--frames", String(kShot)]);
  result = await comparePictures(page, kShot, downloadShot);
  check(result.same, "workbench: the downloaded zip plays the page's first picture under --mod",
    result.detail);
  check(errors.length === 0, "workbench: no script errors", errors.join("; "));
  await context.close();
}

// Mods as zips: one opened with Mod… (the page's file input) and one given by ?mod= show the
// mod's first picture; a zip the game's reader refuses shows its report and the way back.
export async function zipMods(browser, address, site, { velkaros, game, check }) {
  const work = path.join(site, "mods");
  fs.mkdirSync(work, { recursive: true });
  const renamed = readScript(game).replace("name プルリン", "name テストン");
  const { zip, laid } = makeMod(game, work, "testmod", {
    "script.dat": toSjis(renamed),
    "image/face_pururin.png": fs.readFileSync(path.join(game, "image/face_gonza.png")),
  });
  const modShot = headlessShot(velkaros, site, "testmod-first.png",
    ["--data", laid, "--frames", String(kShot)]);

  const context = await browser.createBrowserContext();
  const { page, errors } = await openPage(context, `${address}index.html?seed=7&scale=1`);
  await waitForFrame(page, 2, 30000);
  const input = await page.$("#mod-file");
  await Promise.all([page.waitForNavigation({ waitUntil: "load" }), input.uploadFile(zip)]);
  await pictureAt(page, kShot);
  let result = await comparePictures(page, kShot, modShot);
  const name = await page.evaluate(() => document.getElementById("mod-name").textContent);
  check(result.same && name === "Mod: testmod.zip",
    "mods: a zip opened with Mod… shows the mod's first picture", `${name} ${result.detail}`);

  // A zip that is no zip, dropped onto the page: the reader's refusal, and a way back to the
  // base game.
  const bad = path.join(work, "broken.zip");
  fs.writeFileSync(bad, fs.readFileSync(zip).subarray(0, 100));
  await Promise.all([page.waitForNavigation({ waitUntil: "load" }),
    dropFile(page, "#canvas", bad)]);
  await page.waitForFunction(() => document.getElementById("report").style.display === "block",
    { timeout: 30000 });
  const refused = await page.evaluate(() => ({
    text: document.querySelector("#report div").textContent,
    back: !document.querySelector("#report .back").hidden,
    mod: document.getElementById("mod-name").textContent,
  }));
  check(refused.text.includes("broken.zip") && refused.back && refused.mod === "",
    "mods: a zip dropped that the game cannot read shows why, and the way back", JSON.stringify(refused));
  await Promise.all([page.waitForNavigation({ waitUntil: "load" }), page.click("#report .back")]);
  const shot = headlessShot(velkaros, site, "base-first.png",
    ["--data", game, "--frames", String(kShot)]);
  await pictureAt(page, kShot);
  result = await comparePictures(page, kShot, shot);
  check(result.same, "mods: back to the base game", result.detail);
  check(errors.length === 0, "mods: no script errors", errors.join("; "));
  await context.close();

  // ?mod= beside the page, in a browser that has kept nothing.
  fs.copyFileSync(zip, path.join(site, "testmod.zip"));
  const other = await browser.createBrowserContext();
  const { page: linked, errors: linkedErrors } = await openPage(other,
    `${address}index.html?seed=7&scale=1&mod=testmod.zip`);
  await pictureAt(linked, kShot);
  result = await comparePictures(linked, kShot, modShot);
  check(result.same, "mods: ?mod= shows the mod's first picture", result.detail);
  check(linkedErrors.length === 0, "mods: ?mod= no script errors", linkedErrors.join("; "));
  await other.close();
}

// A real drop of a file onto an element, through the DevTools protocol.
async function dropFile(page, selector, file) {
  await page.$eval(selector, (element) => element.scrollIntoView());
  const box = await (await page.$(selector)).boundingBox();
  const cdp = await page.createCDPSession();
  const at = { x: box.x + box.width / 2, y: box.y + box.height / 2 };
  const data = { items: [], files: [file], dragOperationsMask: 1 };
  for (const type of ["dragEnter", "dragOver", "drop"]) {
    await cdp.send("Input.dispatchDragEvent", { type, ...at, data });
  }
  await cdp.detach();
}

// Puts the text into the editor and applies it, and waits until the game has read it.
async function setTextAndApply(page, text, how) {
  const reloads = await page.evaluate((value) => {
    const area = document.querySelector("#workbench textarea");
    area.value = value;
    area.dispatchEvent(new Event("input", { bubbles: true }));
    return Number(document.getElementById("workbench").dataset.reloads || 0);
  }, text);
  if (how === "ctrl+s") {
    await page.focus("#workbench textarea");
    await page.keyboard.down("Control");
    await page.keyboard.press("KeyS");
    await page.keyboard.up("Control");
  } else {
    await page.click("#workbench [name=apply]");
  }
  await page.waitForFunction((n) => Number(document.getElementById("workbench").dataset.reloads) > n,
    { timeout: 10000 }, reloads);
}
