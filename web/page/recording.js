// A preview's recorded calls as the worker hands them over: numbers in `words` and UTF-8
// strings in `text` (src/render/packed_recording_canvas.h), a shape's points as runs of
// one point repeated. Read here into calls, and back
// into the trace lines the command line's --trace writes.
"use strict";

const PennatranRecording = (() => {
  const Call = { pen: 0, brush: 1, moveto: 2, lineto: 3, polyline: 4, polygon: 5, rectangle: 6,
    font: 7, fontcolor: 8, text: 9 };
  const brushStyles = ["solid", "clear", "horizontal", "vertical", "fdiagonal", "bdiagonal",
    "cross", "diagcross"];
  const utf8 = new TextDecoder();

  // The number of words the call at i takes, itself included.
  function length(words, i) {
    switch (words[i]) {
      case Call.pen: return 4;
      case Call.brush: return 3;
      case Call.moveto: case Call.lineto: return 3;
      case Call.polyline: case Call.polygon: return 3 + 3 * words[i + 2];
      case Call.rectangle: return 5;
      case Call.font: return 8;
      case Call.fontcolor: return 2;
      case Call.text: return 5;
      default: throw new Error(`Unknown recorded call ${words[i]} at ${i}`);
    }
  }

  function string(recording, offset, size) {
    return utf8.decode(recording.text.subarray(offset, offset + size));
  }

  const hex = (rgb) => rgb.toString(16).toUpperCase().padStart(6, "0");

  function line(recording, i) {
    const w = recording.words;
    switch (w[i]) {
      case Call.pen: return `pen ${hex(w[i + 1])} ${w[i + 2]} ${w[i + 3] ? "dot" : "solid"}`;
      case Call.brush: return `brush ${hex(w[i + 1])} ${brushStyles[w[i + 2]]}`;
      case Call.moveto: return `moveto ${w[i + 1]} ${w[i + 2]}`;
      case Call.lineto: return `lineto ${w[i + 1]} ${w[i + 2]}`;
      case Call.polyline: case Call.polygon: {
        const numbers = [w[i + 1]];
        for (let run = i + 3, end = run + 3 * w[i + 2]; run < end; run += 3) {
          for (let k = 0; k < w[run + 2]; ++k) numbers.push(w[run], w[run + 1]);
        }
        return `${w[i] === Call.polyline ? "polyline" : "polygon"} ${numbers.join(" ")}`;
      }
      case Call.rectangle: return `rectangle ${w.subarray(i + 1, i + 5).join(" ")}`;
      case Call.font: {
        const flags = w[i + 5];
        return `font ${w[i + 1]} ${w[i + 2]} ${w[i + 3]} ${w[i + 4]} ${flags & 1 ? 1 : 0} ${flags & 2 ? 1 : 0} ` +
          `${flags & 4 ? 1 : 0} ${string(recording, w[i + 6], w[i + 7])}`;
      }
      case Call.fontcolor: return `fontcolor ${hex(w[i + 1])}`;
      case Call.text: return `text ${w[i + 1]} ${w[i + 2]} ${string(recording, w[i + 3], w[i + 4])}`;
      default: return "";
    }
  }

  // The trace text, one line per call each ending in a newline; empty for no recording.
  function toText(recording) {
    if (!recording) return "";
    const lines = [];
    for (let i = 0; i < recording.words.length; i += length(recording.words, i)) {
      lines.push(line(recording, i), "\n");
    }
    return lines.join("");
  }

  return { Call, brushStyles, hex, length, string, toText };
})();
