// The page: two halves, each a drawing opened from a file chooser or a drop, and the copy
// and save of the destination, as the window does them. The core does every rule.
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
  let core;
  try {
    core = await createPennatran();
  } catch (error) {
    loading.textContent = texts.coreFailed;
    throw error;
  }
  loading.hidden = true;

  const hex6 = (value) => value.toString(16).toUpperCase().padStart(6, "0");
  // The drawing's colour value, red in the low byte, from 0xRRGGBB.
  const stored = (rgb) => ((rgb & 0xff) << 16) | (rgb & 0xff00) | (rgb >>> 16);

  function colorSwatch(rgb) {
    const swatch = document.createElement("span");
    swatch.className = "swatch color-swatch";
    swatch.style.backgroundColor = `#${hex6(rgb)}`;
    return swatch;
  }

  // The line type drawn across a white bar, two periods wide.
  function lineTypeSwatch(drawing, line) {
    const width = 36;
    const height = 9;
    const scale = Math.max(1, Math.round(window.devicePixelRatio || 1));
    const swatch = document.createElement("canvas");
    swatch.className = "swatch linetype-swatch";
    swatch.width = width * scale;
    swatch.height = height * scale;
    const ctx = swatch.getContext("2d");
    ctx.scale(scale, scale);
    ctx.fillStyle = "#FFFFFF";
    ctx.fillRect(0, 0, width, height);
    ctx.fillStyle = "#000000";
    const thickness = 2;
    const top = (height - thickness) / 2;
    const dashes = drawing.lineTypeDashes(line, width);
    for (let i = 0; i + 1 < dashes.length; i += 2) ctx.fillRect(dashes[i], top, dashes[i + 1], thickness);
    return swatch;
  }

  function showColorOf(drawing, line) {
    const screen = drawing.screenColor(line);
    const print = drawing.printColor(line);
    $("#screen-color-label").textContent = texts.screenColor + hex6(stored(screen));
    $("#screen-color-swatch").style.backgroundColor = `#${hex6(screen)}`;
    $("#print-color-label").textContent = texts.printColor + hex6(stored(print));
    $("#print-color-swatch").style.backgroundColor = `#${hex6(print)}`;
  }

  function makeSide(id, isSource) {
    const element = document.getElementById(id);
    const side = {
      id, isSource, element,
      drawing: new core.Drawing(),
      name: "",
      opened: false,
      loadComplete: true,
      unsaved: false,
      trace: "",
      traceSize: [0, 0],
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

  function fillColors(side) {
    const lines = side.drawing.colorListed();
    side.colors.setLines(side.drawing.colorLines(texts.colorLabels).map((text, i) => ({
      line: lines[i], text, swatch: colorSwatch(side.drawing.screenColor(lines[i])),
    })));
  }

  function fillLineTypes(side) {
    const lines = side.drawing.lineTypeListed();
    side.lineTypes.setLines(side.drawing.lineTypeLines().map((text, i) => ({
      line: lines[i], text, swatch: lineTypeSwatch(side.drawing, lines[i]),
    })));
  }

  function updateDifferenceMarks() {
    const both = source.opened && destination.opened;
    destination.colors.setMarks(both ? destination.drawing.colorsDifferingFrom(source.drawing) : []);
    destination.lineTypes.setMarks(both ? destination.drawing.lineTypesDifferingFrom(source.drawing) : []);
  }

  // Drawn by the core at the canvas's size in device pixels.
  function showPreview(side) {
    const canvas = side.canvas;
    const ratio = window.devicePixelRatio || 1;
    const width = Math.round(canvas.clientWidth * ratio);
    const height = Math.round(canvas.clientHeight * ratio);
    if (width <= 0 || height <= 0) return;
    canvas.width = width;
    canvas.height = height;
    side.trace = side.opened ? side.drawing.preview(width, height) : "";
    side.traceSize = [width, height];
    const ctx = canvas.getContext("2d");
    if (side.trace) {
      PennatranReplay.replay(canvas, side.trace, core.verticalForm);
    } else {
      ctx.clearRect(0, 0, width, height);
    }
    side.hint.hidden = side.opened;
  }

  async function openFile(side, file) {
    const bytes = new Uint8Array(await file.arrayBuffer());
    // The wait cursor, shown before the page is busy reading and drawing.
    document.body.classList.add("busy");
    await new Promise((resolve) => setTimeout(resolve));
    const result = side.drawing.load(bytes, file.name, side.isSource, texts.paletteFileWords);
    if (result.isPalette && !result.ok) {
      // A palette file that is not taken leaves the half as it was.
      document.body.classList.remove("busy");
      await information(side.isSource ? texts.paletteRefused(result.error) : texts.paletteOnDestination(file.name));
      return;
    }
    side.path.textContent = file.name;
    side.path.title = file.name;
    side.name = file.name;
    side.bytes = bytes;
    side.opened = result.ok;
    side.loadComplete = result.complete;
    side.unsaved = false;
    showPreview(side);
    fillColors(side);
    fillLineTypes(side);
    document.body.classList.remove("busy");
    updateDifferenceMarks();
    if (!result.complete) {
      await information(result.notADrawing ? texts.notADrawing(file.name) : texts.readPartly(file.name));
    }
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
    destination.drawing.copyColorsFrom(source.drawing, lines);
    destination.unsaved = destination.unsaved || lines.length > 0;
    fillColors(destination);
    if (lines.length > 0) destination.colors.scrollToLine(lines[0]);
    updateDifferenceMarks();
  }

  async function copyLineTypes() {
    if (!(await bothSidesOpen())) return;
    const lines = source.lineTypes.selectedLines();
    destination.drawing.copyLineTypesFrom(source.drawing, lines);
    destination.unsaved = destination.unsaved || lines.length > 0;
    fillLineTypes(destination);
    if (lines.length > 0) destination.lineTypes.scrollToLine(lines[0]);
    updateDifferenceMarks();
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

  async function save() {
    if (!(await bothSidesOpen())) return;
    if (!destination.loadComplete && !(await question(texts.saveIncomplete))) return;
    const bytes = destination.drawing.save();
    if (bytes.length === 0) {
      await information(texts.saveFailed(destination.name));
      return;
    }
    download(bytes, destination.name, "application/octet-stream");
    destination.unsaved = false;
    await information(texts.saved(destination.name));
  }

  // The source's chosen slots, or all it holds when none is chosen, as a palette file.
  async function exportPalette() {
    if (!source.opened) {
      await information(texts.noSource);
      return;
    }
    const json = source.drawing.paletteJson(source.colors.selectedLines(), source.lineTypes.selectedLines());
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
  // For tests and curious users: the preview's recorded calls and their size per half.
  window.pennatranPage = {
    ready: true,
    previewTrace: (id) => ({ trace: (id === "source" ? source : destination).trace,
      size: (id === "source" ? source : destination).traceSize }),
  };
})();
