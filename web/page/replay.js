// Replays the preview's recorded canvas calls (one trace line each, as the core's recording
// canvas writes them) on a 2D canvas whose pixels are the preview's pixels.
"use strict";

const PennatranReplay = (() => {
  // 8 x 8 hatches, transparent behind, laid out as the Qt canvas lays them out.
  const hatchPixels = {
    horizontal: (x, y) => y === 3,
    vertical: (x, y) => x === 4,
    fdiagonal: (x, y) => x === y,
    bdiagonal: (x, y) => x === 7 - y,
    cross: (x, y) => x === 4 || y === 3,
    diagcross: (x, y) => x === y || x === 7 - y,
  };

  // The browser's fonts for a face the drawing names: the face itself when the system has
  // it, else the Japanese gothic or mincho fonts a system is likely to have.
  function fontFamilies(face) {
    const mincho = /明朝|Mincho|Serif/i.test(face);
    const proportional = /Ｐ|PGothic|PMincho|UI Gothic/i.test(face);
    const families = face ? [face] : [];
    if (mincho) {
      if (proportional) families.push("IPAPMincho", "MS PMincho");
      families.push("IPAMincho", "IPAexMincho", "Noto Serif CJK JP", "MS Mincho", "ＭＳ 明朝",
        "Yu Mincho", "Hiragino Mincho ProN");
    } else {
      if (proportional) families.push("IPAPGothic", "MS PGothic");
      families.push("IPAGothic", "IPAexGothic", "Noto Sans CJK JP", "MS Gothic", "ＭＳ ゴシック",
        "Yu Gothic", "Hiragino Sans", "Meiryo");
    }
    return families.map((f) => `"${f.replace(/["\\]/g, "")}"`).join(", ") + (mincho ? ", serif" : ", sans-serif");
  }

  function hex(rrggbb) {
    return `#${rrggbb}`;
  }

  // Full-width characters stand upright in a vertical column; half-width ones turn with it.
  function isFullWidth(ch) {
    const code = ch.codePointAt(0);
    return code > 0x7f && !(code >= 0xff61 && code <= 0xff9f);
  }

  class Replayer {
    constructor(context, verticalForm) {
      this.ctx = context;
      this.verticalForm = verticalForm;
      this.current = [0, 0];
      // Lines drawn one after another with the same pen are stroked together: one stroke
      // per line would make a large drawing's preview many times slower.
      this.openSegments = 0;
      this.penWidth = 0;
      this.penColor = "#000000";
      this.penDot = false;
      this.brushColor = "FFFFFF";
      this.brushStyle = "solid";
      this.font = { height: 0, width: 0, escapement: 0, weight: 400, italic: false,
        underline: false, strikeOut: false, face: "" };
      this.fontColor = "#000000";
      this.patterns = new Map();
      this.cellRatios = new Map();
    }

    run(trace) {
      const ctx = this.ctx;
      ctx.save();
      ctx.setTransform(1, 0, 0, 1, 0, 0);
      ctx.lineCap = "butt";
      ctx.lineJoin = "miter";
      let start = 0;
      while (start < trace.length) {
        let end = trace.indexOf("\n", start);
        if (end < 0) end = trace.length;
        if (end > start) this.call(trace.slice(start, end));
        start = end + 1;
      }
      this.flushLines();
      ctx.restore();
    }

    call(line) {
      const space = line.indexOf(" ");
      const name = space < 0 ? line : line.slice(0, space);
      const rest = space < 0 ? "" : line.slice(space + 1);
      if (name !== "moveto" && name !== "lineto") this.flushLines();
      switch (name) {
        case "pen": return this.pen(rest.split(" "));
        case "brush": return this.brush(rest.split(" "));
        case "moveto": this.current = rest.split(" ").map(Number); return undefined;
        case "lineto": return this.lineTo(rest.split(" ").map(Number));
        case "polyline": return this.shape(rest.split(" ").map(Number), false);
        case "polygon": return this.shape(rest.split(" ").map(Number), true);
        case "rectangle": return this.rectangle(rest.split(" ").map(Number));
        case "font": return this.setFont(rest);
        case "fontcolor": this.fontColor = hex(rest); return undefined;
        case "text": return this.text(rest);
        default: return undefined;
      }
    }

    pen([color, width, style]) {
      this.penColor = hex(color);
      this.penWidth = Number(width);
      this.penDot = style === "dot";
    }

    brush([color, style]) {
      this.brushColor = color;
      this.brushStyle = style;
    }

    // Width 0 is the thinnest pen, one pixel; a dotted pen is one on, two off, in pen widths.
    strokeWith() {
      const ctx = this.ctx;
      const width = Math.max(1, this.penWidth);
      ctx.strokeStyle = this.penColor;
      ctx.lineWidth = width;
      ctx.setLineDash(this.penDot ? [width, 2 * width] : []);
      return width % 2 === 1 ? 0.5 : 0;
    }

    fillWith() {
      if (this.brushStyle === "clear") return false;
      const ctx = this.ctx;
      if (this.brushStyle === "solid") {
        ctx.fillStyle = hex(this.brushColor);
        return true;
      }
      const key = `${this.brushColor} ${this.brushStyle}`;
      if (!this.patterns.has(key)) this.patterns.set(key, this.makePattern());
      ctx.fillStyle = this.patterns.get(key);
      return true;
    }

    makePattern() {
      const tile = document.createElement("canvas");
      tile.width = 8;
      tile.height = 8;
      const t = tile.getContext("2d");
      t.fillStyle = hex(this.brushColor);
      const lit = hatchPixels[this.brushStyle] || (() => false);
      for (let y = 0; y < 8; ++y) {
        for (let x = 0; x < 8; ++x) if (lit(x, y)) t.fillRect(x, y, 1, 1);
      }
      return this.ctx.createPattern(tile, "repeat");
    }

    lineTo([x, y]) {
      const ctx = this.ctx;
      if (this.openSegments === 0) {
        this.lineOffset = this.strokeWith();
        ctx.beginPath();
      }
      const o = this.lineOffset;
      ctx.moveTo(this.current[0] + o, this.current[1] + o);
      ctx.lineTo(x + o, y + o);
      this.current = [x, y];
      if (++this.openSegments >= 10000) this.flushLines();
    }

    flushLines() {
      if (this.openSegments === 0) return;
      this.ctx.stroke();
      this.openSegments = 0;
    }

    // "N X1 Y1 X2 Y2 ...": an open polyline, or a polygon filled by alternate filling.
    shape(numbers, closed) {
      const count = numbers[0];
      if (count < 2) return;
      const ctx = this.ctx;
      const path = (o) => {
        ctx.beginPath();
        for (let i = 0; i < count; ++i) {
          const x = numbers[1 + 2 * i] + o;
          const y = numbers[2 + 2 * i] + o;
          if (i === 0) ctx.moveTo(x, y); else ctx.lineTo(x, y);
        }
        if (closed) ctx.closePath();
      };
      if (closed && this.fillWith()) {
        path(0);
        ctx.fill("evenodd");
      }
      const o = this.strokeWith();
      path(o);
      ctx.stroke();
    }

    // The right and bottom edges lie outside the rectangle.
    rectangle([x1, y1, x2, y2]) {
      const left = Math.min(x1, x2);
      const top = Math.min(y1, y2);
      const width = Math.abs(x2 - x1);
      const height = Math.abs(y2 - y1);
      if (width < 1 || height < 1) return;
      const ctx = this.ctx;
      if (this.fillWith()) ctx.fillRect(left, top, width, height);
      const o = this.strokeWith();
      ctx.strokeRect(left + o, top + o, width - 1, height - 1);
    }

    // "HEIGHT WIDTH ESCAPEMENT WEIGHT ITALIC UNDERLINE STRIKEOUT FACE" (the face may hold spaces).
    setFont(rest) {
      const parts = rest.split(" ");
      const face = parts.slice(7).join(" ");
      this.font = {
        height: Number(parts[0]), width: Number(parts[1]), escapement: Number(parts[2]),
        weight: Number(parts[3]), italic: parts[4] === "1", underline: parts[5] === "1",
        strikeOut: parts[6] === "1", face,
      };
    }

    cssFont(em, family) {
      const f = this.font;
      const weight = f.weight <= 0 ? 400 : Math.min(f.weight, 1000);
      return `${f.italic ? "italic " : ""}${weight} ${em}px ${family}`;
    }

    // A logical font's height is the cell (ascent + descent); CSS sizes the em.
    cellRatio(family) {
      if (!this.cellRatios.has(family)) {
        const ctx = this.ctx;
        ctx.font = this.cssFont(100, family);
        const m = ctx.measureText("あA");
        const cell = (m.fontBoundingBoxAscent + m.fontBoundingBoxDescent) / 100;
        this.cellRatios.set(family, cell > 0 ? cell : 1);
      }
      return this.cellRatios.get(family);
    }

    text(rest) {
      const match = /^(-?\d+) (-?\d+) ([\s\S]*)$/.exec(rest);
      if (!match || match[3] === "") return;
      const x = Number(match[1]);
      const y = Number(match[2]);
      const content = match[3];
      const f = this.font;
      const vertical = f.face.startsWith("@");
      const family = fontFamilies(f.face.replace(/^@+/, ""));
      const ctx = this.ctx;
      let em = f.height === 0 ? 12 : Math.abs(f.height);
      if (f.height > 0) em = Math.max(1, Math.round(f.height / this.cellRatio(family)));
      ctx.save();
      ctx.font = this.cssFont(em, family);
      ctx.fillStyle = this.fontColor;
      ctx.strokeStyle = this.fontColor;
      ctx.textBaseline = "alphabetic";
      ctx.textAlign = "left";
      const metrics = ctx.measureText(content);
      const ascent = metrics.fontBoundingBoxAscent || em * 0.88;
      const descent = metrics.fontBoundingBoxDescent || em * 0.12;
      // Japanese fonts are half an em wide for a half-width character.
      const stretch = f.width !== 0 ? Math.abs(f.width) / (em / 2) : 1;
      ctx.translate(x, y);
      ctx.rotate((-f.escapement / 10) * (Math.PI / 180));
      ctx.scale(stretch, 1);
      if (vertical) {
        this.verticalRun(content, ascent, descent);
      } else {
        ctx.fillText(content, 0, ascent);
      }
      const thickness = Math.max(1, Math.round(em / 16));
      if (f.underline) ctx.fillRect(0, ascent + descent / 3, metrics.width, thickness);
      if (f.strikeOut) ctx.fillRect(0, ascent - em * 0.3, metrics.width, thickness);
      ctx.restore();
    }

    verticalRun(content, ascent, descent) {
      const ctx = this.ctx;
      const cell = ascent + descent;
      let pos = 0;
      for (const ch of content) {
        const advance = ctx.measureText(ch).width;
        const form = isFullWidth(ch) && this.verticalForm ? this.verticalForm(ch.codePointAt(0)) : null;
        if (isFullWidth(ch) && !(form && form.turned)) {
          ctx.save();
          ctx.translate(pos + advance / 2, cell / 2);
          ctx.rotate(-Math.PI / 2);
          ctx.fillText(form ? String.fromCodePoint(form.codePoint) : ch, -advance / 2, -cell / 2 + ascent);
          ctx.restore();
        } else {
          ctx.fillText(ch, pos, ascent);
        }
        pos += advance;
      }
    }
  }

  // Paints the trace over a white canvas. verticalForm(code) -> {codePoint, turned} tells how
  // a full-width character stands in a vertical column.
  function replay(canvas, trace, verticalForm) {
    const ctx = canvas.getContext("2d");
    ctx.setTransform(1, 0, 0, 1, 0, 0);
    ctx.fillStyle = "#FFFFFF";
    ctx.fillRect(0, 0, canvas.width, canvas.height);
    new Replayer(ctx, verticalForm).run(trace);
  }

  return { replay, fontFamilies };
})();
