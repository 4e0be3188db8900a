// Replays the preview's recorded canvas calls (as the worker hands them over, see
// recording.js) on a 2D canvas whose pixels are the preview's pixels. The replay gives the
// page back its turn every few milliseconds, so that a big drawing never holds it up.
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

  // Gives the page its turn without the clamp a chain of timers gets, behind the tasks
  // already waiting (the engine's answers among them).
  function yieldToPage() {
    return new Promise((resolve) => {
      const channel = new MessageChannel();
      channel.port1.onmessage = resolve;
      channel.port2.postMessage(0);
    });
  }

  const sliceMilliseconds = 8;

  class Replayer {
    constructor(context, verticalForms) {
      this.ctx = context;
      // Asks the core how full-width characters stand in a vertical column: (codes) ->
      // Promise of [codePoint, turned, ...]. What it answered is kept here.
      this.verticalForms = verticalForms;
      this.forms = new Map();
      this.currentX = 0;
      this.currentY = 0;
      // Lines drawn one after another in one colour are stroked together, one path for each
      // of that colour's pens: one stroke per line, or per pen change where a drawing goes
      // back and forth between solid and dotted lines, would make a large drawing's preview
      // many times slower. Opaque lines of one colour cover the same pixels in any order.
      this.openSegments = 0;
      this.openColor = 0;
      this.openPaths = new Map();
      this.penWidth = 0;
      this.penRgb = 0;
      this.penColor = "#000000";
      this.penDot = false;
      // Numbers and names, not texts: a big drawing sets a brush for nearly every shape.
      this.brushColor = 0xffffff;
      this.brushStyle = "solid";
      this.font = { height: 0, width: 0, escapement: 0, weight: 400, italic: false,
        underline: false, strikeOut: false, face: "" };
      this.fontColor = "#000000";
      this.patterns = new Map();
      // What the context was last given to stroke and fill with.
      this.stroke = { color: "", width: 0, dot: false };
      this.fill = { color: -1, style: "" };
      this.colors = new Map();
      this.cellRatios = new Map();
    }

    // Paints the parts (recordings, in an iterable or an async one) one after the other, as
    // if they were one: a pen or a line of one part goes on in the next. Resolves to false
    // when stopped() said to stop before the end.
    async run(parts, stopped) {
      const ctx = this.ctx;
      ctx.save();
      ctx.setTransform(1, 0, 0, 1, 0, 0);
      ctx.lineCap = "butt";
      ctx.lineJoin = "miter";
      this.sliceStart = performance.now();
      try {
        for await (const recording of parts) {
          if (!(await this.calls(recording, stopped))) return false;
        }
        this.flushLines();
        return true;
      } finally {
        ctx.restore();
      }
    }

    async calls(recording, stopped) {
      const words = recording.words;
      const Call = PennatranRecording.Call;
      for (let i = 0, calls = 0; i < words.length; i += PennatranRecording.length(words, i)) {
        if (++calls % 32 === 0 && performance.now() - this.sliceStart > sliceMilliseconds) {
          await yieldToPage();
          if (stopped()) return false;
          this.sliceStart = performance.now();
        }
        // The lines stroked together end where the pen changes or a shape or text takes
        // the path; a pen set again as it was and the other settings leave them open.
        const call = words[i];
        if (call >= Call.polyline && call <= Call.rectangle || call === Call.text) this.flushLines();
        switch (call) {
          case Call.pen: this.pen(words[i + 1], words[i + 2], words[i + 3]); break;
          case Call.brush: this.brush(words[i + 1], words[i + 2]); break;
          case Call.moveto: this.currentX = words[i + 1]; this.currentY = words[i + 2]; break;
          case Call.lineto: this.lineTo(words[i + 1], words[i + 2]); break;
          case Call.polyline: this.shape(words.subarray(i + 1), false); break;
          case Call.polygon: this.shape(words.subarray(i + 1), true); break;
          case Call.rectangle: this.rectangle(words.subarray(i + 1, i + 5)); break;
          case Call.font: this.setFont(words, i, PennatranRecording.string(recording, words[i + 6], words[i + 7])); break;
          case Call.fontcolor: this.fontColor = this.color(words[i + 1]); break;
          case Call.text: {
            const content = PennatranRecording.string(recording, words[i + 3], words[i + 4]);
            if (this.font.face.startsWith("@")) await this.askForms(content);
            this.text(words[i + 1], words[i + 2], content);
            break;
          }
          default: break;
        }
      }
      return true;
    }

    // Learns the vertical forms of the full-width characters not asked about before.
    async askForms(content) {
      const codes = [...new Set([...content].filter(isFullWidth).map((ch) => ch.codePointAt(0)))]
        .filter((code) => !this.forms.has(code));
      if (codes.length === 0 || !this.verticalForms) return;
      const answer = await this.verticalForms(codes);
      codes.forEach((code, k) => this.forms.set(code, { codePoint: answer[2 * k], turned: answer[2 * k + 1] }));
    }

    // "#RRGGBB" of 0xRRGGBB, made once per colour: a big drawing changes pens very often.
    color(rgb) {
      let text = this.colors.get(rgb);
      if (text === undefined) {
        text = hex(PennatranRecording.hex(rgb));
        this.colors.set(rgb, text);
      }
      return text;
    }

    pen(rgb, width, dot) {
      if (rgb === this.penRgb && width === this.penWidth && (dot !== 0) === this.penDot) return;
      this.penRgb = rgb;
      this.penColor = this.color(rgb);
      this.penWidth = width;
      this.penDot = dot !== 0;
    }

    brush(rgb, style) {
      this.brushColor = rgb;
      this.brushStyle = PennatranRecording.brushStyles[style];
    }

    // Width 0 is the thinnest pen, one pixel; a dotted pen is one on, two off, in pen widths.
    // The context's own settings are only changed when they differ: setting them is slow.
    strokeWith(color = this.penColor, penWidth = this.penWidth, dot = this.penDot) {
      const ctx = this.ctx;
      const width = Math.max(1, penWidth);
      const stroke = this.stroke;
      if (stroke.color !== color) ctx.strokeStyle = stroke.color = color;
      if (stroke.width !== width || stroke.dot !== dot) {
        ctx.lineWidth = stroke.width = width;
        stroke.dot = dot;
        ctx.setLineDash(dot ? [width, 2 * width] : []);
      }
      return width % 2 === 1 ? 0.5 : 0;
    }

    // Where a line of the pen now set sits in the pixel grid: odd widths on pixel centres.
    lineOffset() {
      return Math.max(1, this.penWidth) % 2 === 1 ? 0.5 : 0;
    }

    fillWith() {
      if (this.brushStyle === "clear") return false;
      const ctx = this.ctx;
      const fill = this.fill;
      if (fill.color === this.brushColor && fill.style === this.brushStyle) return true;
      fill.color = this.brushColor;
      fill.style = this.brushStyle;
      if (this.brushStyle === "solid") {
        ctx.fillStyle = this.color(this.brushColor);
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
      t.fillStyle = this.color(this.brushColor);
      const lit = hatchPixels[this.brushStyle] || (() => false);
      for (let y = 0; y < 8; ++y) {
        for (let x = 0; x < 8; ++x) if (lit(x, y)) t.fillRect(x, y, 1, 1);
      }
      return this.ctx.createPattern(tile, "repeat");
    }

    lineTo(x, y) {
      if (this.openSegments > 0 && this.penRgb !== this.openColor) this.flushLines();
      this.openColor = this.penRgb;
      const key = this.penWidth * 2 + (this.penDot ? 1 : 0);
      let open = this.openPaths.get(key);
      if (open === undefined) {
        open = { width: this.penWidth, dot: this.penDot, path: new Path2D() };
        this.openPaths.set(key, open);
      }
      const o = this.lineOffset();
      open.path.moveTo(this.currentX + o, this.currentY + o);
      open.path.lineTo(x + o, y + o);
      this.currentX = x;
      this.currentY = y;
      if (++this.openSegments >= 1000) this.flushLines();
    }

    // Strokes the lines held back, each pen's in the order the pens first came.
    flushLines() {
      if (this.openSegments === 0) return;
      const color = this.color(this.openColor);
      for (const open of this.openPaths.values()) {
        this.strokeWith(color, open.width, open.dot);
        this.ctx.stroke(open.path);
      }
      this.openPaths.clear();
      this.openSegments = 0;
    }

    // "N K X1 Y1 R1 ...": an open polyline, or a polygon filled by alternate filling, of N
    // points in K runs of one point. A point repeated adds a line of no length, which
    // neither the fill nor a butt-capped stroke paints: each run is one point of the path.
    shape(numbers, closed) {
      const count = numbers[0];
      if (count < 2) return;
      const runs = numbers[1];
      const ctx = this.ctx;
      const path = (o) => {
        ctx.beginPath();
        ctx.moveTo(numbers[2] + o, numbers[3] + o);
        for (let i = 1; i < runs; ++i) ctx.lineTo(numbers[2 + 3 * i] + o, numbers[3 + 3 * i] + o);
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

    // The font call at i: height, width, escapement, weight, flags, then its face.
    setFont(words, i, face) {
      const flags = words[i + 5];
      this.font = {
        height: words[i + 1], width: words[i + 2], escapement: words[i + 3], weight: words[i + 4],
        italic: (flags & 1) !== 0, underline: (flags & 2) !== 0, strikeOut: (flags & 4) !== 0, face,
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

    text(x, y, content) {
      if (content === "") return;
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
        const form = isFullWidth(ch) ? this.forms.get(ch.codePointAt(0)) : undefined;
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

  // Parts of a recording as they arrive, for `for await`: each is let go once it is taken.
  class Parts {
    constructor() {
      this.waiting = [];
      this.ended = false;
      this.wake = null;
    }

    add(part) {
      this.waiting.push(part);
      this.wake?.();
    }

    end() {
      this.ended = true;
      this.wake?.();
    }

    async *[Symbol.asyncIterator]() {
      for (;;) {
        if (this.waiting.length > 0) {
          yield this.waiting.shift();
        } else if (this.ended) {
          return;
        } else {
          await new Promise((resolve) => { this.wake = resolve; });
          this.wake = null;
        }
      }
    }
  }

  // Paints the recording, or the parts (an iterable, or Parts as they arrive), over a white
  // canvas, a slice at a time; resolves to false when stopped() said to stop.
  // verticalForms(codes) -> Promise of [codePoint, turned, ...] tells how full-width
  // characters stand in a vertical column.
  function replay(canvas, recording, verticalForms, stopped = () => false) {
    const ctx = canvas.getContext("2d");
    ctx.setTransform(1, 0, 0, 1, 0, 0);
    ctx.fillStyle = "#FFFFFF";
    ctx.fillRect(0, 0, canvas.width, canvas.height);
    const parts = recording instanceof Parts || Array.isArray(recording) ? recording : [recording];
    return new Replayer(ctx, verticalForms).run(parts, stopped);
  }

  return { replay, fontFamilies, Parts };
})();
