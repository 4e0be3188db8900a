// The page: two halves, each a drawing opened from a file chooser or a drop, and the copy
// and save of the destination, as the window does them. The core does every rule, in the
// engine's worker: the page only asks and shows.
"use strict";

(async () => {
  const texts = PennatranTexts.choose(navigator.language);
  const $ = (selector, root = document) => root.querySelector(selector);

  document.documentElement.lang = texts === PennatranTexts.japanese ? "ja" : "en";
  for (const element of document.querySelectorAll("[data-text]")) {
    element.textContent = texts[element.dataset.text];
  }
  for (const element of document.querySelectorAll("[data-html]")) {
    element.innerHTML = texts[element.dataset.html];
  }

  // Modal messages with the window's buttons: OK, or Yes and No (No the default). Resolves
  // to the button's value, or "cancel" when Escape closes the box.
  const dialog = $("#message");
  function ask(text, buttons, preferred) {
    $("#message-text").textContent = text;
    for (const button of dialog.querySelectorAll("button")) {
      button.hidden = !buttons.includes(button.value);
    }
    return new Promise((resolve) => {
      dialog.addEventListener("close", () => resolve(dialog.returnValue || "cancel"), { once: true });
      dialog.returnValue = "";
      dialog.showModal();
      dialog.querySelector(`button[value=${preferred}]`).focus();
    });
  }
  const information = (text) => ask(text, ["ok"], "ok");
  const question = async (text) => (await ask(text, ["yes", "no"], "no")) === "yes";

  const loading = $("#loading");
  loading.hidden = false;
  let engine;
  try {
    engine = await PennatranEngine.start();
  } catch (error) {
    loading.textContent = texts.coreFailed;
    throw error;
  }
  loading.hidden = true;
  // The worker records a small drawing and the page replays it while the user chooses a
  // file: both run their code at full speed only once it has run a while, which the first
  // drawing opened would otherwise wait for.
  const warmedUp = engine.run("warmUpRecording", 300, 150)
    .then((recording) => recording && PennatranReplay.replay(document.createElement("canvas"), recording, null))
    .catch(() => {});

  const { hex6, swatchWidth, colorSwatch, lineTypeSwatch } = PennatranSwatches;
  // The drawing's colour value, red in the low byte, from 0xRRGGBB.
  const stored = (rgb) => ((rgb & 0xff) << 16) | (rgb & 0xff00) | (rgb >>> 16);

  async function showColorOf(drawing, line) {
    const [screen, print] = await Promise.all([engine.call(drawing, "screenColor", line),
      engine.call(drawing, "printColor", line)]);
    $("#screen-color-label").textContent = texts.screenColor + hex6(stored(screen));
    $("#screen-color-swatch").style.backgroundColor = `#${hex6(screen)}`;
    $("#print-color-label").textContent = texts.printColor + hex6(stored(print));
    $("#print-color-swatch").style.backgroundColor = `#${hex6(print)}`;
  }

  function makeSide(id, isSource) {
    const element = document.getElementById(id);
    const side = {
      id, isSource, element,
      drawing: null,
      name: "",
      opened: false,
      loadComplete: true,
      unsaved: false,
      // Each load gives the half a new version; the preview shown is of one version at one size.
      version: 0,
      traceSize: [0, 0],
      shown: { version: -1, size: [0, 0] },
      previews: null,
      previewWanted: false,
      canvas: $("[data-role=preview]", element),
      hint: $("[data-role=hint]", element),
      path: $("[data-role=path]", element),
      input: $("[data-role=file]", element),
    };
    side.canvas.setAttribute("aria-label", isSource ? texts.sourcePreview : texts.destinationPreview);
    side.colors = new PennatranListBox($("[data-role=colors]", element), {
      multiple: isSource,
      onCurrent: (line) => { if (side.opened) showColorOf(side.drawing, line); },
      onSelectAll: isSource ? () => side.colors.selectAll() : undefined,
      onCopy: isSource ? () => copyColors() : undefined,
    });
    side.lineTypes = new PennatranListBox($("[data-role=linetypes]", element), {
      multiple: isSource,
      onSelectAll: isSource ? () => side.lineTypes.selectAll() : undefined,
      onCopy: isSource ? () => copyLineTypes() : undefined,
    });
    $("[data-role=browse]", element).addEventListener("click", () => side.input.click());
    side.input.addEventListener("change", () => {
      const file = side.input.files[0];
      side.input.value = "";
      if (file) openFile(side, file);
    });
    element.addEventListener("dragover", (event) => {
      if (!event.dataTransfer.types.includes("Files")) return;
      event.preventDefault();
      event.dataTransfer.dropEffect = "copy";
      element.classList.add("dragging");
    });
    element.addEventListener("dragleave", (event) => {
      if (!element.contains(event.relatedTarget)) element.classList.remove("dragging");
    });
    element.addEventListener("drop", (event) => {
      event.preventDefault();
      element.classList.remove("dragging");
      if (!isSource && office.takeDrop(event.dataTransfer)) return;
      const files = event.dataTransfer.files;
      // One drawing at a time, as the window takes it.
      if (files.length === 1) openFile(side, files[0]);
    });
    new ResizeObserver(() => showPreview(side)).observe(side.canvas);
    return side;
  }

  const source = makeSide("source", true);
  const destination = makeSide("destination", false);
  const sides = [source, destination];
  const office = PennatranOffice.wire({ texts, source, information, question, download });
  // A drop beside the halves must not make the browser open the file instead.
  for (const type of ["dragover", "drop"]) document.addEventListener(type, (event) => event.preventDefault());

  // The lines' texts and swatches, asked for all at once: the worker answers in order.
  async function fillColors(side) {
    const drawing = side.drawing;
    const [lines, lineTexts, colors] = await Promise.all([engine.call(drawing, "colorListed"),
      engine.call(drawing, "colorLines", texts.colorLabels), engine.call(drawing, "listedScreenColors")]);
    side.colors.setLines(lineTexts.map((text, i) => ({ line: lines[i], text, swatch: colorSwatch(colors[i]) })));
  }

  async function fillLineTypes(side) {
    const drawing = side.drawing;
    const [lines, lineTexts, dashes] = await Promise.all([engine.call(drawing, "lineTypeListed"),
      engine.call(drawing, "lineTypeLines"), engine.call(drawing, "listedLineTypeDashes", swatchWidth)]);
    side.lineTypes.setLines(lineTexts.map((text, i) => ({ line: lines[i], text, swatch: lineTypeSwatch(dashes[i]) })));
  }

  async function updateDifferenceMarks() {
    const both = source.opened && destination.opened;
    const [colors, lineTypes] = both ? await Promise.all([
      engine.call(destination.drawing, "colorsDifferingFrom", source.drawing),
      engine.call(destination.drawing, "lineTypesDifferingFrom", source.drawing),
    ]) : [[], []];
    destination.colors.setMarks(colors);
    destination.lineTypes.setMarks(lineTypes);
  }

  function previewSize(side) {
    const ratio = window.devicePixelRatio || 1;
    return [Math.round(side.canvas.clientWidth * ratio), Math.round(side.canvas.clientHeight * ratio)];
  }

  // Drawn by the core at the canvas's size in device pixels, recorded in the worker and
  // replayed here a slice at a time on a canvas of its own. Until it is complete the canvas
  // keeps the picture it shows, stretched to its new size; a preview that a newer size or
  // drawing makes useless is dropped, and one preview at a time is asked for per half.
  function showPreview(side) {
    side.previewWanted = true;
    if (!side.previews) {
      side.previews = (async () => {
        try {
          while (side.previewWanted) {
            side.previewWanted = false;
            await drawPreview(side);
          }
        } finally {
          side.previews = null;
        }
      })();
    }
    return side.previews;
  }

  async function drawPreview(side) {
    const [width, height] = previewSize(side);
    if (width <= 0 || height <= 0) return;
    const version = side.version;
    if (side.shown.version === version && side.shown.size[0] === width && side.shown.size[1] === height) return;
    const outdated = () => {
      const [w, h] = previewSize(side);
      return side.version !== version || w !== width || h !== height;
    };
    const sheet = document.createElement("canvas");
    sheet.width = width;
    sheet.height = height;
    const forms = (codes) => engine.run("verticalForms", codes);
    // The worker hands the preview over in parts as it records it, and each part is painted
    // as it comes: a big drawing's picture is painted while the rest is still recorded. A
    // preview the engine cannot make (its memory ran out) leaves the canvas blank.
    let drawn = false;
    if (side.opened) {
      const parts = new PennatranReplay.Parts();
      const recorded = engine.callInParts(side.drawing, "previewRecordingInParts", (part) => parts.add(part),
        width, height).catch(() => false);
      recorded.then(() => parts.end());
      if (!(await PennatranReplay.replay(sheet, parts, forms, outdated))) return;
      drawn = await recorded;
    }
    if (outdated()) return;
    const canvas = side.canvas;
    canvas.width = width;
    canvas.height = height;
    const ctx = canvas.getContext("2d");
    ctx.clearRect(0, 0, width, height);
    if (drawn) ctx.drawImage(sheet, 0, 0);
    side.traceSize = [width, height];
    side.shown = { version, size: [width, height] };
    side.hint.hidden = side.opened;
  }

  // The file is read into a drawing of its own in the worker, which takes the half's place
  // only when it holds a drawing or a palette file the half takes: anything else leaves the
  // half as it was, its drawing, lists, preview and name.
  async function openFile(side, file) {
    if (!side.isSource && side.unsaved) {
      // Copies not yet saved are asked about first, as closing the page does.
      const choice = await ask(texts.unsavedCopies, ["yes", "no", "cancel"], "yes");
      if (choice === "cancel" || (choice === "yes" && !(await save()))) return;
    }
    document.body.classList.add("busy");
    let drawing = null;
    let result;
    try {
      const bytes = new Uint8Array(await file.arrayBuffer());
      drawing = await engine.create("Drawing");
      result = await engine.call(drawing, "load", bytes, file.name, side.isSource, texts.paletteFileWords);
    } catch {
      if (drawing) engine.destroy(drawing).catch(() => {});
      document.body.classList.remove("busy");
      await information(texts.openFailed(file.name));
      return;
    }
    if (!result.ok || result.notADrawing) {
      engine.destroy(drawing);
      document.body.classList.remove("busy");
      if (result.notADrawing) await information(texts.notADrawing(file.name));
      else await information(side.isSource ? texts.paletteRefused(result.error) : texts.paletteOnDestination(file.name));
      return;
    }
    const previous = side.drawing;
    side.drawing = drawing;
    if (previous) engine.destroy(previous);
    side.path.textContent = file.name;
    side.path.title = file.name;
    side.name = file.name;
    // The bytes go to the worker; the office jobs read the file again when they need it.
    side.file = file;
    side.opened = true;
    side.loadComplete = result.complete;
    side.unsaved = false;
    side.version += 1;
    // The lists and the preview are asked for at once. The worker answers in order, the
    // quick lists first, and the page fills them while the worker records the preview.
    const lists = Promise.all([fillColors(side), fillLineTypes(side)]);
    showPreview(side);
    await lists;
    document.body.classList.remove("busy");
    await updateDifferenceMarks();
    if (!result.complete) await information(texts.readPartly(file.name));
    if (result.placementsCut) await information(texts.placementsCut(file.name));
  }

  async function bothSidesOpen() {
    if (!source.opened) {
      await information(texts.noSource);
      return false;
    }
    if (!destination.opened) {
      await information(texts.noDestination);
      return false;
    }
    return true;
  }

  async function copyColors() {
    if (!(await bothSidesOpen())) return;
    const lines = source.colors.selectedLines();
    await engine.call(destination.drawing, "copyColorsFrom", source.drawing, lines);
    destination.unsaved = destination.unsaved || lines.length > 0;
    await fillColors(destination);
    if (lines.length > 0) destination.colors.scrollToLine(lines[0]);
    await updateDifferenceMarks();
  }

  async function copyLineTypes() {
    if (!(await bothSidesOpen())) return;
    const lines = source.lineTypes.selectedLines();
    await engine.call(destination.drawing, "copyLineTypesFrom", source.drawing, lines);
    destination.unsaved = destination.unsaved || lines.length > 0;
    await fillLineTypes(destination);
    if (lines.length > 0) destination.lineTypes.scrollToLine(lines[0]);
    await updateDifferenceMarks();
  }

  function download(bytes, name, type) {
    const url = URL.createObjectURL(new Blob([bytes], { type }));
    const link = document.createElement("a");
    link.href = url;
    link.download = name;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 60000);
  }

  // Resolves to whether the destination was downloaded.
  async function save() {
    if (!(await bothSidesOpen())) return false;
    if (!destination.loadComplete && !(await question(texts.saveIncomplete))) return false;
    const bytes = await engine.call(destination.drawing, "save").catch(() => new Uint8Array());
    if (bytes.length === 0) {
      await information(texts.saveFailed(destination.name));
      return false;
    }
    download(bytes, destination.name, "application/octet-stream");
    destination.unsaved = false;
    await information(texts.saved(destination.name));
    return true;
  }

  // The source's chosen slots, or all it holds when none is chosen, as a palette file.
  async function exportPalette() {
    if (!source.opened) {
      await information(texts.noSource);
      return;
    }
    const json = await engine.call(source.drawing, "paletteJson", source.colors.selectedLines(),
      source.lineTypes.selectedLines());
    const base = source.name.replace(/\.[^.]*$/, "");
    download(new TextEncoder().encode(json), `${base}.json`, "application/json");
  }

  $("[data-role=select-all-colors]", source.element).addEventListener("click", () => source.colors.selectAll());
  $("[data-role=select-all-linetypes]", source.element).addEventListener("click", () => source.lineTypes.selectAll());
  $("[data-role=copy-colors]", source.element).addEventListener("click", copyColors);
  $("[data-role=copy-linetypes]", source.element).addEventListener("click", copyLineTypes);
  $("#save").addEventListener("click", save);
  $("#export-palette").addEventListener("click", exportPalette);

  document.addEventListener("keydown", (event) => {
    if (!(event.ctrlKey || event.metaKey) || event.altKey || dialog.open) return;
    const key = event.key.toLowerCase();
    if (key === "s") {
      event.preventDefault();
      save();
    } else if (key === "o") {
      // The browse button of the half with the focus, the source's when neither has it.
      event.preventDefault();
      (destination.element.contains(document.activeElement) ? destination : source).input.click();
    }
  });
  window.addEventListener("beforeunload", (event) => {
    if (!destination.unsaved) return;
    event.preventDefault();
    event.returnValue = texts.unsavedCopies;
  });
  window.matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener("change", () => {
    for (const side of sides) showPreview(side);
  });

  for (const side of sides) showPreview(side);
  // For tests and curious users: the preview's recorded calls and their size per half, once
  // the preview asked for is shown, and the engine.
  const sideOf = (id) => (id === "source" ? source : destination);
  async function previewShown(side) {
    while (side.previews || side.shown.version !== side.version) {
      await (side.previews || new Promise((resolve) => setTimeout(resolve, 20)));
    }
    return side.traceSize;
  }
  await warmedUp;
  window.pennatranPage = {
    ready: true,
    engine,
    previewShown: (id) => previewShown(sideOf(id)),
    // The page keeps no recording once it is painted (a big drawing's takes tens of MB), so
    // the trace is recorded again at the size shown.
    previewTrace: async (id) => {
      const side = sideOf(id);
      const size = await previewShown(side);
      const recording = side.opened ? await engine.call(side.drawing, "previewRecording", ...size).catch(() => null) : null;
      return { trace: PennatranRecording.toText(recording), size };
    },
  };
})();
