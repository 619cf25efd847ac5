// What the web tests do with a page: watch its frames, keep pictures of chosen frames, listen
// to what reaches the audio output, and compare pictures with PNG files of the site.
import { spawn } from "node:child_process";
import net from "node:net";

// The menu strip's height above the picture on the canvas.
const kStrip = 12;

function freePort() {
  return new Promise((resolve, reject) => {
    const server = net.createServer();
    server.listen(0, "127.0.0.1", () => {
      const { port } = server.address();
      server.close(() => resolve(port));
    });
    server.on("error", reject);
  });
}

// scripts/web/serve.sh on a folder; resolves with its address once it answers.
export async function serve(serveScript, folder) {
  const port = await freePort();
  const server = spawn(serveScript, [folder, String(port)], { stdio: ["ignore", "pipe", "ignore"] });
  const address = await new Promise((resolve, reject) => {
    server.stdout.once("data", (data) => resolve(String(data).trim().split("\n")[0]));
    server.once("exit", (code) => reject(new Error(`serve.sh ended with ${code}`)));
  });
  for (let i = 0; i < 100; i += 1) {
    try {
      await fetch(address);
      return { address, server };
    } catch {
      await new Promise((r) => setTimeout(r, 100));
    }
  }
  throw new Error("serve.sh does not answer");
}

// Installed in the page before its own script runs.
function instrument(strip) {
  const test = { frame: 0, wanted: new Set(), pictures: {}, firstFrameAt: null, reloadedAt: 0,
                 afterReload: new Set(),
                 audioBuffers: 0, loudBuffers: 0 };
  window.velkarosTest = test;
  // The last frame of the game before the workbench had it begin again on new data, and the
  // pictures wanted that many frames after it.
  document.addEventListener("gamereload", () => {
    test.reloadedAt = test.frame;
    test.afterReload.forEach((n) => test.wanted.add(test.frame + n));
  });
  document.addEventListener("gameframe", (event) => {
    test.frame = event.detail;
    if (test.firstFrameAt === null) {
      test.firstFrameAt = performance.now();
    }
    if (test.wanted.has(event.detail)) {
      const canvas = document.getElementById("canvas");
      test.pictures[event.detail] = canvas.getContext("2d").getImageData(0, strip, 256, 224).data;
    }
  });
  // Every buffer the page's audio processing fills, and whether it held anything but silence.
  const property = Object.getOwnPropertyDescriptor(ScriptProcessorNode.prototype, "onaudioprocess");
  const create = AudioContext.prototype.createScriptProcessor;
  AudioContext.prototype.createScriptProcessor = function (...args) {
    const node = create.apply(this, args);
    Object.defineProperty(node, "onaudioprocess", {
      set(handler) {
        property.set.call(node, (event) => {
          handler(event);
          test.audioBuffers += 1;
          const samples = event.outputBuffer.getChannelData(0);
          if (samples.some((s) => s !== 0)) {
            test.loudBuffers += 1;
          }
        });
      },
      get() { return property.get.call(node); },
    });
    return node;
  };
}

// A new page of a browser (or a browser context) at the address. viewport (puppeteer's) sets
// the screen, touch and pixel ratio; prepare(page) runs before the page is loaded.
export async function openPage(browser, url,
  { viewport = null, prepare = null, timeout = 30000 } = {}) {
  const page = await browser.newPage();
  if (viewport) {
    await page.setViewport(viewport);
  }
  if (prepare) {
    await prepare(page);
  }
  const errors = [];
  page.on("pageerror", (error) => errors.push(String(error)));
  await page.evaluateOnNewDocument(instrument, kStrip);
  await page.goto(url, { waitUntil: "load", timeout });
  return { page, errors };
}

// Waits until the page has shown frame n; returns the frame it is at.
export async function waitForFrame(page, frame, timeout) {
  await page.waitForFunction((n) => window.velkarosTest.frame >= n, { timeout }, frame);
  return page.evaluate(() => window.velkarosTest.frame);
}

// The picture kept of a frame against a PNG of the site, pixel by pixel (RGB).
export function comparePictures(page, frame, url) {
  return page.evaluate(async (frame, url) => {
    const got = window.velkarosTest.pictures[frame];
    if (!got) {
      return { same: false, detail: `no picture of frame ${frame}` };
    }
    const response = await fetch(url);
    if (!response.ok) {
      return { same: false, detail: `cannot read ${url}` };
    }
    const bitmap = await createImageBitmap(await response.blob(),
      { colorSpaceConversion: "none", premultiplyAlpha: "none" });
    if (bitmap.width !== 256 || bitmap.height !== 224) {
      return { same: false, detail: `${url} is ${bitmap.width} x ${bitmap.height}` };
    }
    const canvas = new OffscreenCanvas(256, 224);
    const context = canvas.getContext("2d");
    context.drawImage(bitmap, 0, 0);
    const want = context.getImageData(0, 0, 256, 224).data;
    let differing = 0;
    let first = "";
    for (let i = 0; i < want.length; i += 4) {
      if (got[i] !== want[i] || got[i + 1] !== want[i + 1] || got[i + 2] !== want[i + 2]) {
        if (differing === 0) {
          const p = i / 4;
          first = `first at (${p % 256}, ${Math.floor(p / 256)}): ` +
            `${[got[i], got[i + 1], got[i + 2]]} instead of ${[want[i], want[i + 1], want[i + 2]]}`;
        }
        differing += 1;
      }
    }
    return { same: differing === 0, detail: differing ? `${differing} pixels differ, ${first}` : "" };
  }, frame, url);
}
