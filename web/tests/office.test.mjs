// The page's office jobs in the system Chromium, against the command line on the same tree:
// a folder in the origin-private file system audited and applied to in place, the zip that
// browsers without the directory picker get, and several drawings dropped on the destination.
import { test, before, after } from "node:test";
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { cpSync, mkdirSync, mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync, copyFileSync } from "node:fs";
import { createRequire } from "node:module";
import { tmpdir } from "node:os";
import { dirname, join, relative, resolve } from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";
import { launchChromium, serveFolder } from "./browser_support.mjs";

const root = resolve(dirname(fileURLToPath(import.meta.url)), "../..");
const dist = join(root, "web/dist");
const cli = process.env.PENNATRAN_CLI || join(root, "build/pennatran-cli");
const genDrawing = join(dirname(cli), "gen_drawing");
const { unzipSync } = createRequire(join(root, "web/package.json"))("fflate");
const examples = {
  source: join(root, "examples/palette-source.jww"),
  destination: join(root, "examples/plan-destination.jww"),
};
const scratch = mkdtempSync(join(tmpdir(), "pennatran-office-"));
const tree = join(scratch, "tree");

let browser;
let server;
let served;

// A folder as an office keeps one: drawings that differ (one in a few slots), one that
// matches already (its name in capitals), a generated one two folders down, one cut short, a text file named like a
// drawing, and a file that is no drawing by name.
function makeTree() {
  mkdirSync(join(tree, "sub/deeper"), { recursive: true });
  copyFileSync(examples.destination, join(tree, "plan-destination.jww"));
  copyFileSync(examples.source, join(tree, "sub/PALETTE-COPY.JWW"));
  execFileSync(genDrawing, [join(tree, "sub/deeper/synthetic.jww"), "3000", "5"]);
  execFileSync(cli, ["copy", examples.source, examples.destination, "--colors", "17-40",
    "-o", join(tree, "partly.jww")]);
  execFileSync(cli, ["copy", examples.destination, examples.source, "--colors", "20-22",
    "--linetypes", "19", "-o", join(tree, "sub/tweaked.jww")]);
  const bytes = readFileSync(examples.destination);
  writeFileSync(join(tree, "cut.jww"), bytes.subarray(0, bytes.length >> 1));
  writeFileSync(join(tree, "notes.jww"), "not a drawing\n");
  writeFileSync(join(tree, "readme.txt"), "the office's drawings\n");
}

// Every file below folder, by its path relative to it, with its bytes.
function filesOf(folder) {
  const out = {};
  for (const entry of readdirSync(folder, { recursive: true, withFileTypes: true })) {
    if (!entry.isFile()) continue;
    const path = join(entry.parentPath ?? entry.path, entry.name);
    out[relative(folder, path)] = readFileSync(path);
  }
  return out;
}

// The command line's apply over a fresh copy of the tree: the copy and its results.
function cliApplyCopy(name, ...options) {
  const folder = join(scratch, name);
  cpSync(tree, folder, { recursive: true });
  return { folder, results: cliApply(folder, ...options) };
}

function cliJson(args, root) {
  let out;
  try {
    out = execFileSync(cli, args, { encoding: "utf8" });
  } catch (error) {
    if (error.status !== 1) throw error;
    out = error.stdout;
  }
  const json = JSON.parse(out);
  for (const entry of json.drawings ?? json.files) entry.path = relative(root, entry.path);
  return json;
}

before(async () => {
  makeTree();
  server = await serveFolder(dist);
  served = server.url;
  browser = await launchChromium();
});

after(async () => {
  await browser?.close();
  server?.close();
  rmSync(scratch, { recursive: true, force: true });
});

async function openPage(url, initScript) {
  const context = await browser.newContext({
    locale: "en-US", acceptDownloads: true, viewport: { width: 1100, height: 760 },
  });
  if (initScript) await context.addInitScript(initScript);
  const tab = await context.newPage();
  const errors = [];
  tab.on("console", (message) => { if (message.type() === "error") errors.push(message.text()); });
  tab.on("pageerror", (error) => errors.push(String(error)));
  await tab.goto(url);
  await tab.waitForFunction(() => window.pennatranPage?.ready === true);
  await tab.setInputFiles("#source input[type=file]", examples.source);
  await tab.waitForFunction(() => document.querySelectorAll("#source [data-role=colors] li").length === 240);
  return { context, tab, errors };
}

async function answer(tab, button) {
  const dialog = tab.locator("#message");
  await dialog.waitFor({ state: "visible" });
  const text = await tab.locator("#message-text").textContent();
  await dialog.locator(`button[value=${button}]`).click();
  // The next message may open as soon as this one closes.
  await tab.waitForFunction((shown) => !document.querySelector("#message").open
    || document.querySelector("#message-text").textContent !== shown, text);
  return text;
}

const auditRows = (tab) => tab.$$eval("#office-audit-table tbody tr", (rows) =>
  rows.map((row) => ({ path: row.dataset.path, status: row.dataset.status, slots: Number(row.dataset.slots) })));
const resultItems = (tab) => tab.$$eval("#office-results li", (items) =>
  items.map((item) => ({ path: item.dataset.path, status: item.dataset.status, changed: Number(item.dataset.changed) })));
const cliAudit = (folder) => cliJson(["audit", examples.source, folder, "--json"], folder).drawings
  .map(({ path, status, slotsDiffering }) => ({ path, status, slots: slotsDiffering }));
const cliApply = (folder, ...options) => cliJson(["apply", examples.source, folder, "--json", ...options], folder).files
  .map(({ path, status, slotsChanged }) => ({ path, status, changed: slotsChanged }));

async function auditFolder(tab) {
  await tab.click("#office-audit");
  await tab.waitForFunction(() => document.querySelector("#office-summary").textContent !== "");
  return auditRows(tab);
}

test("audits and applies a folder in place as the command line does", async () => {
  const { context, tab, errors } = await openPage(served);
  const files = Object.entries(filesOf(tree)).map(([path, bytes]) => [path, bytes.toString("base64")]);
  await tab.evaluate(async (entries) => {
    const top = await navigator.storage.getDirectory();
    await top.removeEntry("office", { recursive: true }).catch(() => {});
    const office = await top.getDirectoryHandle("office", { create: true });
    for (const [path, data] of entries) {
      let folder = office;
      const parts = path.split("/");
      for (const part of parts.slice(0, -1)) folder = await folder.getDirectoryHandle(part, { create: true });
      const stream = await (await folder.getFileHandle(parts.at(-1), { create: true })).createWritable();
      await stream.write(Uint8Array.from(atob(data), (c) => c.charCodeAt(0)));
      await stream.close();
    }
    window.showDirectoryPicker = async () => office;
  }, files);
  await tab.click("#office-open");
  await tab.waitForFunction(() => document.querySelector("#office-folder").textContent !== "");
  assert.equal(await tab.locator("#office-folder").textContent(), '7 drawing files in "office"');

  const rows = await auditFolder(tab);
  assert.deepEqual(rows, cliAudit(tree));
  assert.deepEqual(rows.map((r) => r.status).sort(),
    ["differs", "differs", "differs", "differs", "matches", "unreadable", "unreadable"]);

  // The drawing's differing slots, side by side with the source's.
  const partly = rows.find((r) => r.path === "partly.jww");
  await tab.click("#office-audit-table button >> text=partly.jww");
  await tab.waitForSelector("#office-compare table");
  const sides = await tab.$$eval("#office-compare tbody tr", (lines) => lines.map((line) =>
    `${line.dataset.kind} ${line.querySelectorAll(".color-swatch").length} ${line.querySelectorAll("canvas").length}`));
  assert.equal(sides.length, partly.slots);
  for (const side of sides) assert.match(side, /^(color 4 0|lineType 0 2)$/);
  // The compared colour lines read as the English page's lists do.
  const compared = await tab.locator("#office-compare").textContent();
  assert.match(compared, / width:\d+ .* point radius:/);
  assert.doesNotMatch(compared, /幅|点半径/);
  if (process.env.PENNATRAN_AUDIT_SCREENSHOT) {
    await tab.click("#office-audit-table button >> text=sub/tweaked.jww");
    await tab.waitForFunction(() => document.querySelectorAll("#office-compare tbody tr").length === 4);
    await tab.locator("#office").screenshot({ path: join(scratch, "audit.png") });
    copyFileSync(join(scratch, "audit.png"), process.env.PENNATRAN_AUDIT_SCREENSHOT);
  }

  // The dry run is listed before the question, then the run writes in place with backups.
  await tab.click("#office-apply");
  await tab.locator("#message").waitFor({ state: "visible" });
  assert.deepEqual(await resultItems(tab), cliApply(tree, "--dry-run"));
  assert.equal(await answer(tab, "yes"),
    "4 drawing files will be saved over in place (their previous content kept as NAME.jww.bak). Go ahead?");
  await tab.waitForFunction(() => document.querySelector("#office-summary").textContent.includes(" saved,"));
  const cli = cliApplyCopy("cli-in-place", "--in-place", "--backup");
  assert.deepEqual(await resultItems(tab), cli.results);

  const written = await tab.evaluate(async () => {
    const out = {};
    async function walk(folder, prefix) {
      for await (const [name, handle] of folder.entries()) {
        if (handle.kind === "directory") await walk(handle, `${prefix}${name}/`);
        else {
          const file = await handle.getFile();
          const reader = new FileReader();
          const url = await new Promise((done) => {
            reader.onload = () => done(reader.result);
            reader.readAsDataURL(file);
          });
          out[`${prefix}${name}`] = url.slice(url.indexOf(",") + 1);
        }
      }
    }
    await walk(await (await navigator.storage.getDirectory()).getDirectoryHandle("office"), "");
    return out;
  });
  const expected = filesOf(cli.folder);
  assert.deepEqual(Object.keys(written).sort(), Object.keys(expected).sort());
  for (const [path, bytes] of Object.entries(expected)) {
    assert.ok(Buffer.from(written[path], "base64").equals(bytes), `${path} as the command line wrote it`);
  }
  assert.deepEqual(await auditFolder(tab), cliAudit(cli.folder), "audited again");
  assert.deepEqual(errors, []);
  await context.close();
});

const withoutPicker = () => {
  delete window.showDirectoryPicker;
  delete Window.prototype.showDirectoryPicker;
};

test("without the directory picker a chosen folder is audited and its changes come as a zip", async () => {
  const { context, tab, errors } = await openPage(pathToFileURL(join(dist, "index.html")).href, withoutPicker);
  assert.equal(await tab.evaluate(() => "showDirectoryPicker" in window), false);
  const choosing = tab.waitForEvent("filechooser");
  await tab.click("#office-open");
  await (await choosing).setFiles(tree);
  await tab.waitForFunction(() => document.querySelector("#office-folder").textContent !== "");
  assert.deepEqual(await auditFolder(tab), cliAudit(tree));

  await tab.click("#office-apply");
  const downloading = tab.waitForEvent("download");
  assert.match(await answer(tab, "yes"), /^The 4 drawing files that change will be downloaded as one zip file/);
  const download = await downloading;
  assert.equal(download.suggestedFilename(), "tree.zip");
  const zip = join(scratch, "page.zip");
  await download.saveAs(zip);
  assert.equal(await answer(tab, "ok"), 'The changed drawing files were downloaded as "tree.zip".');

  const cli = cliApplyCopy("cli-zip", "--in-place");
  const saved = cli.results.filter((r) => r.status === "saved").map((r) => r.path);
  const entries = unzipSync(readFileSync(zip));
  assert.deepEqual(Object.keys(entries).sort(), saved.sort());
  for (const path of saved) {
    assert.ok(Buffer.from(entries[path]).equals(readFileSync(join(cli.folder, path))), `${path} in the zip`);
  }
  assert.deepEqual(errors, []);
  await context.close();
});

test("several drawings dropped on the destination take the source's selection", async () => {
  const { context, tab, errors } = await openPage(pathToFileURL(join(dist, "index.html")).href);
  await tab.click("#source [data-role=colors] li >> nth=3");
  const names = ["plan-destination.jww", "partly.jww", "sub/PALETTE-COPY.JWW"];
  const drop = await tab.evaluateHandle((files) => {
    const transfer = new DataTransfer();
    for (const [name, data] of files) {
      transfer.items.add(new File([Uint8Array.from(atob(data), (c) => c.charCodeAt(0))], name));
    }
    return transfer;
  }, names.map((name) => [name.split("/").at(-1), readFileSync(join(tree, name)).toString("base64")]));
  await tab.dispatchEvent("#destination", "drop", { dataTransfer: drop });
  const downloading = tab.waitForEvent("download");
  assert.equal(await answer(tab, "yes"),
    "The colours and line types selected in the source (1) will be put into 3 drawing files, and those that change downloaded as one zip file. Go ahead?");
  const download = await downloading;
  const zip = join(scratch, "drop.zip");
  await download.saveAs(zip);
  await answer(tab, "ok");
  assert.equal(await tab.locator("#destination [data-role=colors] li").count(), 0, "the half stays as it was");

  const applied = join(scratch, "cli-drop");
  mkdirSync(applied);
  for (const name of names) copyFileSync(join(tree, name), join(applied, name.split("/").at(-1)));
  const results = cliApply(applied, "--in-place", "--colors", "20");
  assert.deepEqual(results.filter((r) => r.status === "saved").map((r) => r.path), ["plan-destination.jww"]);
  assert.equal(download.suggestedFilename(), "drawings.zip");
  const entries = unzipSync(readFileSync(zip));
  assert.deepEqual(Object.keys(entries), ["plan-destination.jww"]);
  assert.ok(Buffer.from(entries["plan-destination.jww"]).equals(readFileSync(join(applied, "plan-destination.jww"))));

  // The same drawings dropped below the halves are audited as a folder of them.
  const asDropped = join(scratch, "drop-as-dropped");
  mkdirSync(asDropped);
  for (const name of names) copyFileSync(join(tree, name), join(asDropped, name.split("/").at(-1)));
  await tab.dispatchEvent("#office", "drop", { dataTransfer: drop });
  await tab.waitForFunction(() => document.querySelector("#office-folder").textContent.startsWith("3 drawing files"));
  assert.deepEqual(await auditFolder(tab), cliAudit(asDropped));
  assert.deepEqual(errors, []);
  await context.close();
});
