// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// Dabbing a card on a screen: a tap, a click, Enter or Space marks a cell and takes the mark
// back; the marks are kept in the browser under the card's own key; a complete line of the
// chosen pattern is shown; the Bingo view shows the card and its marked words large.
"use strict";
(function () {
  const body = document.body;
  const side = Number(body.dataset.side);
  const free = Number(body.dataset.free);
  const key = "plumwick:" + body.dataset.key;
  const cells = Array.from(document.querySelectorAll(".cell"));
  const status = document.getElementById("status");
  const pattern = document.getElementById("pattern");
  const text = (id) => document.getElementById(id).textContent;

  function load() {
    try {
      const kept = JSON.parse(localStorage.getItem(key) || "null");
      if (kept && Array.isArray(kept.marked)) return kept;
    } catch (e) { /* no storage here: marks last as long as the page */ }
    return null;
  }
  function save() {
    const marked = cells.filter((c) => isMarked(Number(c.dataset.i))).map((c) => Number(c.dataset.i));
    try { localStorage.setItem(key, JSON.stringify({ marked: marked, pattern: pattern.value })); } catch (e) { /* as above */ }
  }
  // The free space is always marked, and is no button.
  function isMarked(i) { return i === free || cells[i].getAttribute("aria-pressed") === "true"; }

  function lines() {
    const all = [];
    const letter = (c) => cells[c].dataset.letter || String(c + 1);
    for (let r = 0; r < side; r++) all.push({ name: text("t-row").replace("%1", r + 1), cells: [...Array(side).keys()].map((c) => r * side + c) });
    for (let c = 0; c < side; c++) all.push({ name: text("t-column").replace("%1", letter(c)), cells: [...Array(side).keys()].map((r) => r * side + c) });
    all.push({ name: text("t-diagonal"), cells: [...Array(side).keys()].map((k) => k * side + k) });
    all.push({ name: text("t-diagonal"), cells: [...Array(side).keys()].map((k) => k * side + side - 1 - k) });
    return all;
  }
  function won() {
    const every = (list) => list.every(isMarked);
    const all = lines();
    switch (pattern.value) {
      case "corners": {
        const corners = [0, side - 1, side * (side - 1), side * side - 1];
        return every(corners) ? { name: text("t-corners"), cells: corners } : null;
      }
      case "x": {
        const x = all[2 * side].cells.concat(all[2 * side + 1].cells);
        return every(x) ? { name: text("t-x"), cells: x } : null;
      }
      case "full":
        return every(cells.map((c, i) => i)) ? { name: text("t-full"), cells: cells.map((c, i) => i) } : null;
      case "line":
        return all.find((line) => every(line.cells)) || null;
      default: {
        // A named shape: any of the ways it may stand.
        const option = pattern.selectedOptions[0];
        const ways = option && option.dataset.ways ? option.dataset.ways.split(";").map((w) => w.split(",").map(Number)) : [];
        const way = ways.find((w) => w.every((i) => i < cells.length) && every(w));
        return way ? { name: option.textContent, cells: way } : null;
      }
    }
  }
  function show() {
    const line = won();
    cells.forEach((c) => c.classList.remove("win"));
    if (line) line.cells.forEach((i) => cells[i].classList.add("win"));
    status.textContent = line ? text("t-bingo").replace("%1", line.name) : "";
  }
  function mark(cell, on) { if (Number(cell.dataset.i) !== free) cell.setAttribute("aria-pressed", on ? "true" : "false"); }

  // The text of each cell as large as fits, wrapped only where the card wraps. Every cell is
  // measured at once, a few rounds, each round one layout of the page (never one a step of
  // a cell): too wide (a word longer than the cell) scales down by the overflow; too high
  // (more lines) by its square root, as the lines grow with the size and with the words a
  // line holds. A word that would need a size below the readable breaks instead; a cell
  // whose text can't fit at the readable size even so makes its row taller.
  const heads = Array.from(document.querySelectorAll(".head"));
  const Readable = 10;
  function fit() {
    const all = cells.concat(heads);
    all.forEach((c) => c.classList.remove("break", "grow"));
    const style = getComputedStyle(cells[0]);
    const padX = parseFloat(style.paddingLeft) + parseFloat(style.paddingRight);
    const padY = parseFloat(style.paddingTop) + parseFloat(style.paddingBottom);
    const room = all.map((c) => [Math.max(1, c.clientWidth - padX), Math.max(1, c.clientHeight - padY)]);
    const size = all.map((c, i) => (room[i][1] + padY) * (c.classList.contains("head") ? 0.55 : 0.42));
    const write = () => all.forEach((c, i) => { c.style.fontSize = size[i] + "px"; });
    write();
    for (let round = 0; round < 8; round++) {
      const over = all.map((c, i) => [(c.scrollWidth - padX) / room[i][0], (c.scrollHeight - padY) / room[i][1]]);
      let changed = false;
      all.forEach((c, i) => {
        const [wide, high] = over[i];
        if ((wide <= 1.01 && high <= 1.01) || c.classList.contains("grow")) return;
        let next = size[i] * Math.min(wide > 1.01 ? 1 / wide : 1, high > 1.01 ? 1 / Math.sqrt(high) : 1) * 0.97;
        if (next < Readable && wide > 1.01 && !c.classList.contains("break")) {
          c.classList.add("break"); // the long word breaks; the size is fitted again
          next = size[i];
        } else if (next < Readable) {
          c.classList.add("grow");
          next = Readable;
        }
        if (next !== size[i]) changed = true;
        size[i] = next;
      });
      if (!changed) break;
      write();
    }
  }

  const kept = load();
  if (kept) {
    if (kept.pattern) pattern.value = kept.pattern;
    cells.forEach((c) => mark(c, kept.marked.includes(Number(c.dataset.i))));
  }
  cells.forEach((cell) => cell.addEventListener("click", () => {
    if (Number(cell.dataset.i) === free) return; // the free space stays marked
    mark(cell, !isMarked(Number(cell.dataset.i)));
    save();
    show();
  }));
  pattern.addEventListener("change", () => { save(); show(); });
  document.getElementById("clear").addEventListener("click", () => {
    if (!window.confirm(text("t-clear-question"))) return;
    cells.forEach((c) => mark(c, Number(c.dataset.i) === free));
    save();
    show();
  });
  const view = document.getElementById("bingo-view");
  document.getElementById("bingo").addEventListener("click", () => {
    const list = document.getElementById("bingo-words");
    list.replaceChildren(...cells.filter((c) => isMarked(Number(c.dataset.i))).map((c) => {
      const item = document.createElement("li");
      item.dir = "auto";
      item.textContent = c.dataset.word;
      return item;
    }));
    view.hidden = false;
    behind(true);
    document.getElementById("close").focus();
  });
  // While the Bingo view is open, the card and its controls behind it can't be reached.
  function behind(inert) {
    for (const part of view.parentElement.children) if (part !== view) part.inert = inert;
  }
  document.getElementById("close").addEventListener("click", () => {
    view.hidden = true;
    behind(false);
    document.getElementById("bingo").focus();
  });
  document.addEventListener("keydown", (e) => { if (e.key === "Escape" && !view.hidden) document.getElementById("close").click(); });
  window.addEventListener("resize", fit);
  fit();
  show();
})();
