// Measures the built page in headless Chromium standing in the game's first screen: the time
// from the page's load to its first picture, the frames shown per second and the CPU use of
// the tab (its renderer process) and of the whole browser over a window of seconds, from
// /proc. Run through bench/web_budget.sh.
//   node bench/web_budget.mjs PAGE_DIR SECONDS
import fs from "node:fs";
import path from "node:path";
import { fileURLToPath } from "node:url";

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), "..");
const { default: puppeteer } = await import(
  path.join(root, "tests/web/node_modules/puppeteer-core/lib/esm/puppeteer/puppeteer-core.js"));
const { serve } = await import(path.join(root, "tests/web/page.mjs"));

const [pageDir, secondsArg] = process.argv.slice(2);
const seconds = Number(secondsArg || 10);
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

const browser = await puppeteer.launch({
  executablePath: process.env.CHROMIUM || "/usr/bin/chromium", headless: true, args: ["--no-sandbox"],
});
const { address, server } = await serve(path.join(root, "scripts/web/serve.sh"), path.resolve(pageDir));
try {
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
  const start = await page.evaluate(() => {
    const navigation = performance.getEntriesByType("navigation")[0];
    return { load: navigation.loadEventStart, first: window.budget.first };
  });
  console.log(`first picture: ${Math.round(start.first - start.load)} ms after the page's load ` +
    `event (${Math.round(start.first)} ms after navigation began)`);
  await new Promise((r) => setTimeout(r, 2000));
  const pids = descendants(browser.process().pid).concat(browser.process().pid);
  const renderers = pids.filter(isRenderer);
  const before = pids.map(ticks);
  const framesBefore = await page.evaluate(() => window.budget.frames);
  await new Promise((r) => setTimeout(r, seconds * 1000));
  const framesAfter = await page.evaluate(() => window.budget.frames);
  const after = pids.map(ticks);
  const used = (list) => list.reduce((sum, pid) => sum + after[pids.indexOf(pid)] -
    before[pids.indexOf(pid)], 0) / hz / seconds * 100;
  console.log(`frames: ${((framesAfter - framesBefore) / seconds).toFixed(1)} per second`);
  console.log(`cpu of the tab (renderer): ${used(renderers).toFixed(2)}% of one core over ${seconds} s`);
  console.log(`cpu of the whole browser: ${used(pids).toFixed(2)}% of one core`);
} finally {
  await browser.close();
  server.kill();
}
