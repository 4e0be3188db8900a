// The small pictures beside list lines, shared by the halves' lists and the office's
// comparison so that a slot looks the same in both.
"use strict";

const PennatranSwatches = (() => {
  const hex6 = (value) => value.toString(16).toUpperCase().padStart(6, "0");
  // The width the core's dashes are asked for, in CSS pixels.
  const swatchWidth = 36;

  function colorSwatch(rgb) {
    const swatch = document.createElement("span");
    swatch.className = "swatch color-swatch";
    swatch.style.backgroundColor = `#${hex6(rgb)}`;
    return swatch;
  }

  // The line type drawn across a white bar, two periods wide, from the core's dashes for it.
  function lineTypeSwatch(dashes) {
    const width = swatchWidth;
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
    for (let i = 0; i + 1 < dashes.length; i += 2) ctx.fillRect(dashes[i], top, dashes[i + 1], thickness);
    return swatch;
  }

  return { hex6, swatchWidth, colorSwatch, lineTypeSwatch };
})();
