// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// Dabbing a 90-ball ticket on a screen: a tap, a click, Enter or Space marks a number and takes
// the mark back; the marks are kept in the browser under the ticket's own key; complete rows
// are counted for one line, two lines or a full house; the Bingo view shows the ticket and
// its marked numbers large.
"use strict";
(function () {
  const key = "plumwick:" + document.body.dataset.key;
  const cells = Array.from(document.querySelectorAll(".cell"));
  const status = document.getElementById("status");
  const pattern = document.getElementById("pattern");
  const text = (id) => document.getElementById(id).textContent;
  const rowOf = (cell) => Math.floor(Number(cell.dataset.i) / 9);
  const isMarked = (cell) => cell.getAttribute("aria-pressed") === "true";
  const mark = (cell, on) => cell.setAttribute("aria-pressed", on ? "true" : "false");

  function load() {
    try {
      const kept = JSON.parse(localStorage.getItem(key) || "null");
      if (kept && Array.isArray(kept.marked)) return kept;
    } catch (e) { /* no storage here: marks last as long as the page */ }
    return null;
  }
  function save() {
    const marked = cells.filter(isMarked).map((c) => Number(c.dataset.i));
    try { localStorage.setItem(key, JSON.stringify({ marked: marked, pattern: pattern.value })); } catch (e) { /* as above */ }
  }
  // The complete rows the pattern needs (the first ones), or null.
  function won() {
    const need = pattern.value === "house" ? 3 : pattern.value === "two" ? 2 : 1;
    const complete = [0, 1, 2].filter((r) => cells.filter((c) => rowOf(c) === r).every(isMarked));
    if (complete.length < need) return null;
    const rows = complete.slice(0, need);
    const name = need === 3 ? text("t-house")
      : need === 2 ? text("t-rows").replace("%1", rows[0] + 1).replace("%2", rows[1] + 1)
        : text("t-row").replace("%1", rows[0] + 1);
    return { name: name, rows: rows };
  }
  function show() {
    const line = won();
    cells.forEach((c) => c.classList.toggle("win", !!line && line.rows.includes(rowOf(c))));
    status.textContent = line ? line.name : "";
  }
  function fit() {
    for (const cell of cells) {
      let size = cell.clientHeight * 0.5;
      cell.style.fontSize = size + "px";
      while (cell.scrollWidth > cell.clientWidth && size > 6) {
        size *= 0.9;
        cell.style.fontSize = size + "px";
      }
    }
  }

  const kept = load();
  if (kept) {
    if (kept.pattern) pattern.value = kept.pattern;
    cells.forEach((c) => mark(c, kept.marked.includes(Number(c.dataset.i))));
  }
  cells.forEach((cell) => cell.addEventListener("click", () => {
    mark(cell, !isMarked(cell));
    save();
    show();
  }));
  pattern.addEventListener("change", () => { save(); show(); });
  document.getElementById("clear").addEventListener("click", () => {
    if (!window.confirm(text("t-clear-question"))) return;
    cells.forEach((c) => mark(c, false));
    save();
    show();
  });
  const view = document.getElementById("bingo-view");
  document.getElementById("bingo").addEventListener("click", () => {
    document.getElementById("bingo-words").replaceChildren(...cells.filter(isMarked).map((c) => {
      const item = document.createElement("li");
      item.textContent = c.dataset.word;
      return item;
    }));
    view.hidden = false;
    behind(true);
    document.getElementById("close").focus();
  });
  // While the Bingo view is open, the ticket and its controls behind it can't be reached.
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
