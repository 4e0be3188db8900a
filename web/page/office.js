// The office jobs over many drawings: a folder audited against the source half's palette, and
// the palette applied to every drawing in it, or to several drawings dropped on the
// destination half. Where the browser hands out writable handles each drawing is replaced in
// place; elsewhere the changed drawings come back as one zip. The core decides every result.
"use strict";

const PennatranOffice = (() => {
  const $ = (selector) => document.querySelector(selector);
  const { colorSwatch, lineTypeSwatch } = PennatranSwatches;
  const { isDrawingName, collectHandles, byPath, drawingsOfFolderInput, droppedDrawings } = PennatranOfficeFiles;

  function wire(page) {
    const texts = page.texts.office;
    const source = page.source;
    for (const element of document.querySelectorAll("[data-office-text]")) {
      element.textContent = texts[element.dataset.officeText];
    }
    const folderInput = $("#office-folder-input");
    const table = $("#office-audit-table");
    const compare = $("#office-compare");
    const progress = $("#office-progress");
    const results = $("#office-results");
    const buttons = [$("#office-open"), $("#office-audit"), $("#office-apply")];
    let folder = null;
    let cancelled = false;
    let busy = false;
    let officeEngine = null;

    function showFolder(name, drawings) {
      folder = { name, drawings: drawings.sort(byPath) };
      $("#office-folder").textContent = texts.folder(name, drawings.length);
      table.hidden = true;
      compare.hidden = true;
      results.replaceChildren();
      $("#office-summary").textContent = "";
      if (drawings.length === 0) page.information(texts.noDrawings);
    }

    async function openFolder() {
      if (typeof window.showDirectoryPicker !== "function") {
        folderInput.click();
        return;
      }
      let directory;
      try {
        directory = await window.showDirectoryPicker({ mode: "readwrite" });
      } catch (error) {
        if (error.name === "AbortError") return;
        throw error;
      }
      showFolder(directory.name, await collectHandles(directory, "", []));
    }

    folderInput.addEventListener("change", () => {
      const files = [...folderInput.files];
      folderInput.value = "";
      if (files.length === 0) return;
      showFolder(files[0].webkitRelativePath.split("/")[0], drawingsOfFolderInput(files));
    });

    // The palette the jobs use, read from the source half's bytes as the command line reads
    // a source; null, after saying why, when there is none to use.
    async function officeSource() {
      if (!source.opened || !source.file) {
        await page.information(texts.noSource);
        return null;
      }
      if (!source.loadComplete) {
        await page.information(texts.sourcePartly);
        return null;
      }
      // A worker of the jobs' own, so a long apply never holds up the halves' previews.
      officeEngine ??= await PennatranEngine.start();
      const engine = officeEngine;
      const id = await engine.create("OfficeSource", new Uint8Array(await source.file.arrayBuffer()), source.name);
      if (!(await engine.call(id, "ok"))) {
        await engine.destroy(id);
        await page.information(texts.sourcePartly);
        return null;
      }
      const slots = await engine.call(id, "select", source.colors.selectedLines(), source.lineTypes.selectedLines());
      const all = source.colors.selectedLines().length + source.lineTypes.selectedLines().length === 0;
      return { engine, id, slots, all };
    }

    function reason(failure) {
      return (texts.reasons[failure.kind] || texts.reasons.other)(failure);
    }

    // Runs step over every drawing with the progress shown, stopping between drawings once
    // Cancel is pressed. Returns how many drawings were done.
    async function eachDrawing(drawings, words, step) {
      busy = true;
      cancelled = false;
      for (const button of buttons) button.disabled = true;
      progress.hidden = false;
      document.body.classList.add("office-busy");
      try {
        for (let i = 0; i < drawings.length; ++i) {
          if (cancelled) return i;
          $("#office-progress-text").textContent = words(i + 1, drawings.length, drawings[i].path);
          await step(drawings[i], i);
        }
        return drawings.length;
      } finally {
        busy = false;
        progress.hidden = true;
        document.body.classList.remove("office-busy");
        for (const button of buttons) button.disabled = false;
      }
    }

    async function readOrNull(drawing) {
      try {
        return await drawing.read();
      } catch {
        return null;
      }
    }

    const unreadable = (detail) => ({ kind: "other", offset: 0, detail });

    async function audit() {
      if (busy) return;
      if (!folder) {
        await page.information(texts.noFolder);
        return;
      }
      // The last job's summary goes at once, before anything is read.
      $("#office-summary").textContent = "";
      results.replaceChildren();
      const office = await officeSource();
      if (!office) return;
      const { engine, id } = office;
      const body = table.tBodies[0];
      body.replaceChildren();
      compare.hidden = true;
      table.hidden = false;
      const counts = { match: 0, differ: 0, unreadable: 0 };
      const drawings = folder.drawings;
      try {
        await eachDrawing(drawings, texts.auditing, async (drawing) => {
          const bytes = await readOrNull(drawing);
          const result = bytes
            ? await engine.call(id, "audit", bytes, drawing.name)
            : { readable: false, failure: unreadable(texts.cannotRead), colors: [], lineTypes: [] };
          const differing = result.colors.length + result.lineTypes.length;
          const row = body.insertRow();
          row.dataset.status = !result.readable ? "unreadable" : differing === 0 ? "matches" : "differs";
          row.dataset.path = drawing.path;
          row.dataset.slots = differing;
          const name = row.insertCell();
          const outcome = row.insertCell();
          if (!result.readable) {
            counts.unreadable += 1;
            outcome.textContent = texts.unreadable(reason(result.failure));
          } else if (differing === 0) {
            counts.match += 1;
            outcome.textContent = texts.matches;
          } else {
            counts.differ += 1;
            outcome.textContent = texts.differ(differing);
          }
          if (row.dataset.status === "differs") {
            const open = document.createElement("button");
            open.type = "button";
            open.className = "office-row-button";
            open.textContent = drawing.path;
            open.addEventListener("click", () => showDifferences(drawing, row));
            name.append(open);
          } else {
            name.textContent = drawing.path;
          }
        });
      } finally {
        await engine.destroy(id);
      }
      $("#office-summary").textContent =
        texts.auditSummary(drawings.length, counts.match, counts.differ, counts.unreadable);
    }

    function colorCell(side) {
      const cell = document.createElement("td");
      cell.append(colorSwatch(side.screen), colorSwatch(side.print), side.text);
      return cell;
    }

    // The line type across a white bar, as the lists draw it.
    function lineTypeCell(side) {
      const cell = document.createElement("td");
      cell.append(lineTypeSwatch(side.dashes), side.text);
      return cell;
    }

    async function showDifferences(drawing, row) {
      const office = await officeSource();
      if (!office) return;
      const { engine, id } = office;
      let rows;
      try {
        const bytes = await readOrNull(drawing);
        rows = bytes ? await engine.call(id, "compare", bytes, drawing.name, page.texts.colorLabels) : [];
      } finally {
        await engine.destroy(id);
      }
      for (const other of table.tBodies[0].rows) other.classList.toggle("chosen", other === row);
      const head = document.createElement("tr");
      for (const title of ["", texts.sourceColumn, drawing.path]) {
        const cell = document.createElement("th");
        cell.textContent = title;
        head.append(cell);
      }
      const sheet = document.createElement("table");
      sheet.className = "office-compare-table";
      sheet.createTHead().append(head);
      const body = sheet.createTBody();
      for (const difference of rows) {
        const line = document.createElement("tr");
        line.dataset.kind = difference.kind;
        line.dataset.slot = difference.slot;
        const label = document.createElement("th");
        label.textContent = difference.kind === "color"
          ? texts.colorSlot(difference.slot) : texts.lineTypeSlot(difference.slot);
        const cell = difference.kind === "color" ? colorCell : lineTypeCell;
        line.append(label, cell(difference.source), cell(difference.drawing));
        body.append(line);
      }
      compare.replaceChildren(sheet);
      compare.hidden = false;
    }

    function resultLine(drawing, result) {
      switch (result.status) {
        case "saved":
          return texts.saved(drawing.path, result.changed);
        case "would-change":
          return texts.wouldChange(drawing.path, result.changed);
        case "unchanged":
          return texts.unchanged(drawing.path);
        case "skipped":
          return texts.skipped(drawing.path, reason(result.failure));
        case "would-fail":
          return texts.wouldFail(drawing.path, reason(result.failure));
        case "cancelled":
          return texts.cancelled(drawing.path);
        default:
          return texts.failed(drawing.path, reason(result.failure));
      }
    }

    function showResults(drawings, outcomes, dryRun) {
      const count = (...statuses) => outcomes.filter((r) => statuses.includes(r.status)).length;
      results.replaceChildren(...drawings.map((drawing, i) => {
        const item = document.createElement("li");
        item.dataset.status = outcomes[i].status;
        item.dataset.path = drawing.path;
        item.dataset.changed = outcomes[i].changed;
        item.textContent = resultLine(drawing, outcomes[i]);
        return item;
      }));
      let summary = dryRun
        ? texts.dryRunSummary(drawings.length, count("would-change"), count("unchanged"), count("skipped"),
          count("would-fail", "failed", "busy"))
        : texts.summary(drawings.length, count("saved"), count("unchanged"), count("skipped"),
          count("failed", "busy"));
      if (count("cancelled") > 0) summary += texts.summaryCancelled(count("cancelled"));
      $("#office-summary").textContent = summary + texts.fullStop;
      results.scrollIntoView({ block: "nearest" });
    }

    // Handles the user let the page write; an empty answer sends the changes into a zip.
    async function writable(drawings) {
      if (!drawings.every((drawing) => drawing.write)) return false;
      for (const drawing of drawings) {
        const options = { mode: "readwrite" };
        if ((await drawing.handle.queryPermission?.(options)) === "granted") continue;
        if ((await drawing.handle.requestPermission?.(options)) !== "granted") return false;
      }
      return true;
    }

    function zipName(name) {
      return `${(name || "drawings").replace(/\.[^.]*$/, "")}.zip`;
    }

    // Applies to every drawing: written in place (with the previous content kept first when
    // backups are on), or gathered into a zip of the changed drawings at their paths.
    async function applyAll(office, drawings, inPlace, backups, archiveName) {
      const { engine, id } = office;
      const outcomes = drawings.map(() => ({ status: "cancelled", changed: 0 }));
      const zipped = {};
      await eachDrawing(drawings, texts.applying, async (drawing, i) => {
        const bytes = await readOrNull(drawing);
        if (!bytes) {
          outcomes[i] = { status: "skipped", changed: 0, failure: unreadable(texts.cannotRead) };
          return;
        }
        // The engine takes the bytes it is given; the backup needs them afterwards.
        const result = await engine.call(id, "apply", bytes.slice(), drawing.name, false);
        outcomes[i] = result;
        if (result.status !== "saved") return;
        if (!inPlace) {
          zipped[drawing.path] = result.bytes;
          return;
        }
        if (backups && drawing.writeBackup) {
          try {
            await drawing.writeBackup(bytes);
          } catch (error) {
            outcomes[i] = { status: "failed", changed: result.changed,
              failure: { kind: "backup", offset: 0, path: result.backup, detail: error.message } };
            return;
          }
        }
        try {
          await drawing.write(result.bytes);
        } catch (error) {
          outcomes[i] = { status: "failed", changed: result.changed,
            failure: { kind: "save", offset: 0, detail: error.message } };
        }
      });
      showResults(drawings, outcomes, false);
      if (!inPlace && Object.keys(zipped).length > 0) {
        page.download(fflate.zipSync(zipped), zipName(archiveName), "application/zip");
        await page.information(texts.zipped(zipName(archiveName)));
      }
    }

    // A dry run first, listing what would change; then, once confirmed, the real run.
    async function apply() {
      if (busy) return;
      if (!folder || folder.drawings.length === 0) {
        await page.information(texts.noFolder);
        return;
      }
      const office = await officeSource();
      if (!office) return;
      try {
        const drawings = folder.drawings;
        const outcomes = drawings.map(() => ({ status: "cancelled", changed: 0 }));
        table.hidden = true;
        compare.hidden = true;
        const done = await eachDrawing(drawings, texts.applying, async (drawing, i) => {
          const bytes = await readOrNull(drawing);
          outcomes[i] = bytes
            ? await office.engine.call(office.id, "apply", bytes, drawing.name, true)
            : { status: "skipped", changed: 0, failure: unreadable(texts.cannotRead) };
        });
        showResults(drawings, outcomes, true);
        if (done < drawings.length) return;
        const changing = outcomes.filter((r) => r.status === "would-change").length;
        if (changing === 0) {
          await page.information(texts.nothingToChange);
          return;
        }
        const inPlace = await writable(drawings);
        const backups = $("#office-backups").checked;
        const asked = inPlace ? texts.applyInPlace(changing, backups) : texts.applyAsZip(changing);
        if (!(await page.question(asked))) return;
        await applyAll(office, drawings, inPlace, backups, folder.name);
      } finally {
        await office.engine.destroy(office.id);
      }
    }

    // Several drawings, or a folder, dropped on the destination half: after one question,
    // the source's selection goes into each, as the window's drop does. The handles must be
    // asked for while the drop event lasts.
    function takeDrop(transfer) {
      const items = [...transfer.items].filter((item) => item.kind === "file");
      const entries = items.map((item) => item.webkitGetAsEntry?.() ?? null);
      if (items.length < 2 && !entries[0]?.isDirectory) return false;
      const handles = items.map((item) => item.getAsFileSystemHandle?.() ?? null);
      const files = [...transfer.files];
      dropped(handles, entries, files);
      return true;
    }

    async function dropped(handles, entries, files) {
      if (busy) return;
      const office = await officeSource();
      if (!office) return;
      try {
        const drawings = (await droppedDrawings(handles, entries, files)).sort(byPath);
        if (drawings.length === 0) {
          await page.information(texts.noDroppedDrawings);
          return;
        }
        const inPlace = await writable(drawings);
        const what = office.all ? texts.allSlots : texts.selectedSlots;
        const asked = (inPlace ? texts.dropQuestion : texts.dropQuestionZip)(what, office.slots, drawings.length);
        if (!(await page.question(asked))) return;
        table.hidden = true;
        compare.hidden = true;
        await applyAll(office, drawings, inPlace, false, null);
      } finally {
        await office.engine.destroy(office.id);
      }
    }

    // A folder dropped here is opened as if picked: in place where the browser hands out its
    // handle, else read through its entries.
    const section = $("#office");
    section.addEventListener("dragover", (event) => {
      if (!event.dataTransfer.types.includes("Files")) return;
      event.preventDefault();
      event.dataTransfer.dropEffect = "copy";
    });
    section.addEventListener("drop", (event) => {
      event.preventDefault();
      if (busy) return;
      const items = [...event.dataTransfer.items].filter((item) => item.kind === "file");
      const entries = items.map((item) => item.webkitGetAsEntry?.() ?? null);
      const handles = items.map((item) => item.getAsFileSystemHandle?.() ?? null);
      const files = [...event.dataTransfer.files];
      const names = files.map((file) => file.name);
      droppedDrawings(handles, entries, files).then((drawings) => {
        const found = drawings.filter((drawing) => isDrawingName(drawing.name));
        // One folder reads as if picked: its drawings' paths start below it.
        const below = `${names[0]}/`;
        for (const drawing of names.length === 1 ? found : []) {
          if (drawing.path.startsWith(below)) drawing.path = drawing.path.slice(below.length);
        }
        showFolder(names.join(", "), found);
      });
    });

    $("#office-open").addEventListener("click", () => { if (!busy) openFolder(); });
    $("#office-audit").addEventListener("click", audit);
    $("#office-apply").addEventListener("click", apply);
    $("#office-cancel").addEventListener("click", () => { cancelled = true; });
    return { takeDrop };
  }

  return { wire };
})();
