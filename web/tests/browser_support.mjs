// What every browser test needs: the system's Chromium, and the page's files served from
// 127.0.0.1 as any static host would serve them.
import { createServer } from "node:http";
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { chromium } from "playwright-core";

// Headless, with nothing that would reach the network on its own.
export function launchChromium() {
  return chromium.launch({
    executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
    args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
      "--disable-background-networking", "--disable-component-update", "--disable-sync"],
  });
}

// A static host of the folder's files; close() stops it.
export async function serveFolder(folder) {
  const types = { ".html": "text/html", ".js": "text/javascript", ".css": "text/css", ".svg": "image/svg+xml" };
  const server = createServer((request, response) => {
    const name = new URL(request.url, "http://host").pathname.replace(/^\/$/, "/index.html");
    try {
      const body = readFileSync(join(folder, name.replace(/\.\.+/g, "")));
      response.writeHead(200, { "Content-Type": types[name.slice(name.lastIndexOf("."))] || "application/octet-stream" });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  return { url: `http://127.0.0.1:${server.address().port}/`, close: () => server.close() };
}
