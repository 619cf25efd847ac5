// Measures the built page in headless Chromium standing in the game's first screen: the time
// from the page's load to its first picture, the frames shown per second and the CPU use of
// the tab (its renderer process) and of the whole browser over a window of seconds, from
// /proc; before it, the same for bench/web_bare.html (a page that only puts a picture on a
// canvas five times a second from a 30 Hz timer), the yardstick of the tab's CPU. Run through
// bench/web_budget.sh.
//   node bench/web_budget.mjs PAGE_DIR SECONDS ROUNDS
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { fileURLToPath } from "node:url";

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), "..");
const { default: puppeteer } = await import(
  path.join(root, "tests/web/node_modules/puppeteer-core/lib/esm/puppeteer/puppeteer-core.js"));
const { serve } = await import(path.join(root, "tests/web/page.mjs"));

const [pageDir, secondsArg, roundsArg] = process.argv.slice(2);
const seconds = Number(secondsArg || 10);
const roundCount = Number(roundsArg || 2);
const hz = 100;  // clock ticks per second of /proc/<pid>/stat (getconf CLK_TCK)

function descendants(pid) {
  const children = [];
  for (const entry of fs.readdirSync("/proc").filter((e) => /^\d+$/.test(e))) {
    try {
      const stat = fs.readFileSync(`/proc/${entry}/stat`, "utf8");
      const parent = Number(stat.slice(stat.lastIndexOf(")") + 2).split(" ")[1]);
      if (parent === pid) {
        children.push(Number(entry), ...descendants(Number(entry)));
      }
    } catch {
      // gone meanwhile
    }
  }
  return children;
}

function ticks(pid) {
  try {
    const fields = fs.readFileSync(`/proc/${pid}/stat`, "utf8").split(") ")[1].split(" ");
    return Number(fields[11]) + Number(fields[12]);
  } catch {
    return 0;
  }
}

const isRenderer = (pid) => {
  try {
    return fs.readFileSync(`/proc/${pid}/cmdline`, "utf8").includes("--type=renderer");
  } catch {
    return false;
  }
};

// CPU ticks of every renderer process over the window, in % of one core, with whatever the
// page counted meanwhile.
async function measure(pids, page) {
  const renderers = pids.filter(isRenderer);
  const before = renderers.map(ticks);
  const framesBefore = await page.evaluate(() => window.budget.frames);
  await new Promise((r) => setTimeout(r, seconds * 1000));
  const framesAfter = await page.evaluate(() => window.budget.frames);
  const used = (list, start) => list.reduce((sum, pid, i) => sum + ticks(pid) - start[i], 0);
  return { renderer: used(renderers, before) / hz / seconds * 100,
           frames: (framesAfter - framesBefore) / seconds };
}

const browser = await puppeteer.launch({
  executablePath: process.env.CHROMIUM || "/usr/bin/chromium", headless: true, args: ["--no-sandbox"],
});
// The page and, beside it, the bare page to measure against.
const site = fs.mkdtempSync(path.join(os.tmpdir(), "web-budget-"));
fs.cpSync(path.resolve(pageDir), site, { recursive: true });
fs.copyFileSync(path.join(root, "bench/web_bare.html"), path.join(site, "bench-bare.html"));
const { address, server } = await serve(path.join(root, "scripts/web/serve.sh"), site);
// One round: the bare page, then the game, each alone in the browser for the window.
async function round(first) {
  const bare = await browser.newPage();
  await bare.evaluateOnNewDocument(() => { window.budget = { frames: 0 }; });
  await bare.goto(`${address}bench-bare.html`, { waitUntil: "load" });
  await new Promise((r) => setTimeout(r, 2000));
  const bareUse = await measure(descendants(browser.process().pid), bare);
  await bare.close();
  await new Promise((r) => setTimeout(r, 1000));

  const page = await browser.newPage();
  await page.evaluateOnNewDocument(() => {
    window.budget = { frames: 0, first: null };
    document.addEventListener("gameframe", () => {
      window.budget.frames += 1;
      if (window.budget.first === null) {
        window.budget.first = performance.now();
      }
    });
  });
  await page.goto(`${address}index.html`, { waitUntil: "load" });
  await page.waitForFunction(() => window.budget.first !== null, { timeout: 30000 });
  if (first) {
    const start = await page.evaluate(() => {
      const navigation = performance.getEntriesByType("navigation")[0];
      return { load: navigation.loadEventStart, first: window.budget.first };
    });
    console.log(`first picture: ${Math.round(start.first - start.load)} ms after the page's ` +
      `load event (${Math.round(start.first)} ms after navigation began)`);
  }
  await new Promise((r) => setTimeout(r, 2000));
  const pids = descendants(browser.process().pid).concat(browser.process().pid);
  const before = pids.map(ticks);
  const game = await measure(pids, page);
  const whole = pids.reduce((sum, pid, i) => sum + ticks(pid) - before[i], 0) / hz / seconds * 100;
  await page.close();
  console.log(`frames: ${game.frames.toFixed(1)} per second; cpu over ${seconds} s, in % of ` +
    `one core: the tab (renderer) ${game.renderer.toFixed(2)}, the whole browser ` +
    `${whole.toFixed(2)}; the bare page's tab ${bareUse.renderer.toFixed(2)}: the game's tab ` +
    `${(game.renderer / bareUse.renderer).toFixed(2)} times the bare page's`);
  return { game: game.renderer, bare: bareUse.renderer };
}

try {
  const rounds = [];
  for (let i = 0; i < roundCount; i += 1) {
    rounds.push(await round(i === 0));
  }
  const sum = (key) => rounds.reduce((total, r) => total + r[key], 0);
  console.log(`over ${roundCount} rounds the game's tab used ${(sum("game") / sum("bare")).toFixed(2)} ` +
    "times the CPU of the bare page's (budget: 2)");

  // A first visit over a slow line (200 KB/s, no cache, no service worker yet): when the first
  // picture shows and when the music has arrived.
  const fresh = await browser.createBrowserContext();
  const slow = await fresh.newPage();
  const cdp = await slow.createCDPSession();
  await cdp.send("Network.enable");
  await cdp.send("Network.emulateNetworkConditions", { offline: false, latency: 0,
    downloadThroughput: 200000, uploadThroughput: 200000 });
  await slow.evaluateOnNewDocument(() => {
    window.budget = { first: null };
    document.addEventListener("gameframe", () => {
      window.budget.first = window.budget.first ?? performance.now();
    });
  });
  await slow.goto(`${address}index.html`, { waitUntil: "load", timeout: 120000 });
  await slow.waitForFunction(() => window.budget.first !== null, { timeout: 120000 });
  await slow.waitForFunction(() => performance.getEntriesByName(
    new URL("sound/kelmora.wav", location.href).href).length > 0, { timeout: 120000 });
  const line = await slow.evaluate(() => ({ first: window.budget.first,
    music: performance.getEntriesByName(new URL("sound/kelmora.wav", location.href).href)[0]
      .responseEnd }));
  console.log(`at 200 KB/s: first picture ${(line.first / 1000).toFixed(1)} s after navigation ` +
    `began, the music there at ${(line.music / 1000).toFixed(1)} s`);
  await fresh.close();
} finally {
  await browser.close();
  server.kill();
  fs.rmSync(site, { recursive: true, force: true });
}
