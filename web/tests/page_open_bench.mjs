// Times the page opening a drawing into the destination, from the file chooser to the
// preview shown, in the system Chromium from a file:// path, and prints the renderer's peak
// memory: node page_open_bench.mjs DIST DRAWING
// Prints "page_open SECONDS WIDTHxHEIGHT PEAK_BYTES": the preview's size in device pixels,
// for the command line's preview of the same size, and the largest peak resident size of
// the browser's renderer processes (the worker runs in the page's renderer).
import { readFileSync, readdirSync } from "node:fs";
import { join, resolve } from "node:path";
import { pathToFileURL } from "node:url";
import { chromium } from "playwright-core";

const [dist, drawing] = process.argv.slice(2).map((path) => resolve(path));

// The processes below this one whose command line says they are renderers.
function rendererPeakBytes() {
  const parents = new Map();
  const renderers = [];
  for (const name of readdirSync("/proc")) {
    if (!/^\d+$/.test(name)) continue;
    try {
      const status = readFileSync(`/proc/${name}/status`, "utf8");
      parents.set(Number(name), Number(/^PPid:\s+(\d+)/m.exec(status)[1]));
      if (readFileSync(`/proc/${name}/cmdline`, "utf8").includes("--type=renderer")) {
        renderers.push({ pid: Number(name), peak: Number(/^VmHWM:\s+(\d+) kB/m.exec(status)?.[1] ?? 0) * 1024 });
      }
    } catch {
      // Gone meanwhile.
    }
  }
  const below = (pid) => {
    for (let p = pid; p > 1; p = parents.get(p) ?? 0) if (p === process.pid) return true;
    return false;
  };
  return Math.max(0, ...renderers.filter((r) => below(r.pid)).map((r) => r.peak));
}

const browser = await chromium.launch({
  executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
  args: ["--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-background-networking",
    "--disable-component-update", "--disable-sync"],
});
try {
  const context = await browser.newContext({ viewport: { width: 1100, height: 760 }, deviceScaleFactor: 1 });
  const tab = await context.newPage();
  await tab.goto(pathToFileURL(join(dist, "index.html")).href);
  await tab.waitForFunction(() => window.pennatranPage?.ready === true);
  const started = performance.now();
  await tab.setInputFiles("#destination input[type=file]", drawing);
  await tab.waitForFunction(() => document.querySelector("#destination [data-role=path]").textContent !== "",
    undefined, { timeout: 0, polling: 20 });
  const size = await tab.evaluate(() => window.pennatranPage.previewShown("destination"));
  const seconds = (performance.now() - started) / 1000;
  console.log(`page_open ${seconds.toFixed(3)} ${size[0]}x${size[1]} ${rendererPeakBytes()}`);
} finally {
  await browser.close();
}
