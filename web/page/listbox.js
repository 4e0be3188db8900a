// A list box of lines with a swatch each, worked from the keyboard as a desktop list is:
// arrows, Home/End, Page Up/Down move; Shift extends and Space toggles where several lines
// may be chosen; Ctrl+A chooses all; Ctrl+Right asks for the copy. A finger or a pen has no
// Ctrl key, so where several lines may be chosen a tap toggles its line as Ctrl+click does.
"use strict";

class PennatranListBox {
  constructor(element, { multiple, onCurrent, onSelectAll, onCopy }) {
    this.element = element;
    this.multiple = multiple;
    this.onCurrent = onCurrent || (() => {});
    this.onSelectAll = onSelectAll;
    this.onCopy = onCopy;
    this.items = [];
    this.lines = [];
    this.current = -1;
    this.anchor = -1;
    this.pointer = "";
    element.addEventListener("keydown", (event) => this.keyDown(event));
    // The click that follows does not say in every browser what made it.
    element.addEventListener("pointerdown", (event) => { this.pointer = event.pointerType; });
    element.addEventListener("click", (event) => this.click(event));
    element.addEventListener("focus", () => {
      if (this.current < 0 && this.items.length > 0) this.setCurrent(0, false);
    });
  }

  // lines: [{ line, text, swatch: Element }], line being the slot's list line (slot - 17).
  // Refilling keeps no selection, as the window does.
  setLines(lines) {
    const list = this.element;
    list.textContent = "";
    list.removeAttribute("aria-activedescendant");
    this.lines = lines.map((line) => line.line);
    this.items = lines.map((line, i) => {
      const item = document.createElement("li");
      item.id = `${list.id || list.closest("section").id + "-" + list.dataset.role}-${i}`;
      item.setAttribute("role", "option");
      item.setAttribute("aria-selected", "false");
      item.title = line.text;
      item.append(line.swatch);
      const mark = document.createElement("span");
      mark.className = "mark";
      item.append(mark);
      const text = document.createElement("span");
      text.className = "text";
      text.textContent = line.text;
      item.append(text);
      list.append(item);
      return item;
    });
    this.current = -1;
    this.anchor = -1;
  }

  // Marks each item whose list line is marked in differs; an empty array clears every mark.
  setMarks(differs) {
    this.items.forEach((item, i) => {
      item.querySelector(".mark").textContent = differs[this.lines[i]] ? "≠ " : "";
    });
  }

  // The list lines of the chosen items.
  selectedLines() {
    const lines = [];
    this.items.forEach((item, i) => {
      if (item.getAttribute("aria-selected") === "true") lines.push(this.lines[i]);
    });
    return lines;
  }

  selectAll() {
    if (!this.multiple) return;
    for (const item of this.items) item.setAttribute("aria-selected", "true");
  }

  scrollToLine(line) {
    const item = this.items[this.lines.indexOf(line)];
    if (item) this.element.scrollTop = item.offsetTop - this.element.offsetTop;
  }

  select(i, on) {
    this.items[i].setAttribute("aria-selected", on ? "true" : "false");
  }

  selectOnly(i) {
    this.items.forEach((item, j) => item.setAttribute("aria-selected", j === i ? "true" : "false"));
  }

  selectRange(from, to) {
    const [a, b] = from < to ? [from, to] : [to, from];
    this.items.forEach((item, j) =>
      item.setAttribute("aria-selected", j >= a && j <= b ? "true" : "false"));
  }

  setCurrent(i, notify = true) {
    if (this.items.length === 0) return;
    const index = Math.max(0, Math.min(this.items.length - 1, i));
    if (this.current >= 0 && this.items[this.current]) this.items[this.current].classList.remove("current");
    this.current = index;
    const item = this.items[index];
    item.classList.add("current");
    this.element.setAttribute("aria-activedescendant", item.id);
    item.scrollIntoView({ block: "nearest" });
    if (notify) this.onCurrent(this.lines[index]);
  }

  pageLines() {
    const first = this.items[0];
    const height = first ? first.offsetHeight || 13 : 13;
    return Math.max(1, Math.floor(this.element.clientHeight / height) - 1);
  }

  keyDown(event) {
    if (this.items.length === 0) return;
    const ctrl = event.ctrlKey || event.metaKey;
    if (ctrl && (event.key === "a" || event.key === "A")) {
      if (!this.multiple) return;
      event.preventDefault();
      if (this.onSelectAll) this.onSelectAll(); else this.selectAll();
      return;
    }
    if (ctrl && event.key === "ArrowRight" && this.onCopy) {
      event.preventDefault();
      this.onCopy();
      return;
    }
    if (event.key === " ") {
      event.preventDefault();
      const i = Math.max(0, this.current);
      if (this.multiple && ctrl) this.select(i, this.items[i].getAttribute("aria-selected") !== "true");
      else if (this.multiple) this.select(i, true);
      else this.selectOnly(i);
      this.anchor = i;
      this.setCurrent(i);
      return;
    }
    const moves = {
      ArrowUp: -1, ArrowDown: 1, PageUp: -this.pageLines(), PageDown: this.pageLines(),
      Home: -Infinity, End: Infinity,
    };
    if (!(event.key in moves)) return;
    event.preventDefault();
    const step = moves[event.key];
    const from = this.current < 0 ? 0 : this.current;
    const to = Number.isFinite(step) ? from + step : (step < 0 ? 0 : this.items.length - 1);
    const target = Math.max(0, Math.min(this.items.length - 1, to));
    if (this.multiple && event.shiftKey) {
      if (this.anchor < 0) this.anchor = from;
      this.selectRange(this.anchor, target);
    } else if (!(this.multiple && ctrl)) {
      this.selectOnly(target);
      this.anchor = target;
    }
    this.setCurrent(target);
  }

  click(event) {
    const tapped = this.pointer === "touch" || this.pointer === "pen";
    this.pointer = "";
    const item = event.target.closest("li[role=option]");
    if (!item) return;
    const i = this.items.indexOf(item);
    if (i < 0) return;
    if (this.multiple && (tapped || event.ctrlKey || event.metaKey)) {
      this.select(i, item.getAttribute("aria-selected") !== "true");
      this.anchor = i;
    } else if (this.multiple && event.shiftKey && this.anchor >= 0) {
      this.selectRange(this.anchor, i);
    } else {
      this.selectOnly(i);
      this.anchor = i;
    }
    this.setCurrent(i);
  }
}
