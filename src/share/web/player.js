// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// A player's phone in a shared game: a card or a 90-ball ticket dealt (or a printed one taken), the calls as the
// caller makes them, taps to mark or the calls marked by themselves, and Bingo sent to the
// caller. The seat's secret stays on this phone, under this game's address.
"use strict";
(function () {
  const key = "plumwick-seat:" + location.pathname;
  const $ = (id) => document.getElementById(id);
  const text = (id) => $(id).textContent;
  let seat = null;
  let calls = [];
  let cells = [];

  // A word as its cell shows it: no control characters (they show as boxes), and any
  // direction embedding, override or isolate it opens closed at its end.
  // A picture of a picture list ("[[picture:animals/cat.png]] Cat") is named by its caption, or
  // where it has none by its file's name.
  function caption(word) {
    const m = /^\[\[picture:(.*?)\]\]([\s\S]*)$/.exec(word);
    if (!m || !m[1].trim()) return word;
    if (m[2].trim()) return m[2].trim();
    const name = m[1].trim().split("/").pop();
    const dot = name.lastIndexOf(".");
    return dot >= 0 ? name.slice(0, dot) : name;
  }
  // The list's design: its title above the card, its footer under it, its colours as rules of
  // the page's own style sheet (a mark keeps its own colour).
  let dressed = false;
  function dress(design) {
    if (dressed) return;
    dressed = true;
    if (design.title) { // the page's heading becomes the list's title
      $("title").dir = "auto";
      $("title").textContent = design.title;
    }
    if (design.footer) {
      const footer = document.createElement("p");
      footer.className = "footer";
      footer.dir = "auto";
      footer.textContent = design.footer;
      $("who").after(footer);
    }
    // The colours: rules the server made from its own numbers, one a line.
    const sheet = document.styleSheets[0];
    for (const rule of (design.rules || "").split("\n"))
      if (rule.trim()) sheet.insertRule(rule, sheet.cssRules.length);
  }
  function shown(word) {
    word = caption(word);
    let embeddings = 0, isolates = 0;
    const kept = Array.from(word.replace(/[\u0000-\u001f\u007f-\u009f]/g, "")).map((ch) => {
      if (/[\u202a\u202b\u202d\u202e]/.test(ch)) embeddings++;
      else if (ch === "\u202c") embeddings = Math.max(0, embeddings - 1);
      else if (/[\u2066-\u2068]/.test(ch)) isolates++;
      else if (ch === "\u2069") isolates = Math.max(0, isolates - 1);
      return ch;
    }).join("");
    return kept + "\u202c".repeat(embeddings) + "\u2069".repeat(isolates);
  }
  async function say(message) {
    const answer = await fetch("say", { method: "POST", body: JSON.stringify(message), headers: { "Content-Type": "application/json" } });
    if (!answer.ok) throw new Error(String(answer.status));
    return answer.json();
  }
  function keep() {
    try { localStorage.setItem(key, JSON.stringify({ secret: seat.secret, marked: cells.map((c) => c.getAttribute("aria-pressed") === "true") })); } catch (e) { /* no storage */ }
  }
  function kept() {
    try { return JSON.parse(localStorage.getItem(key) || "null"); } catch (e) { return null; }
  }
  function mark(cell, on) { if (cell.tagName === "BUTTON") cell.setAttribute("aria-pressed", on ? "true" : "false"); }
  function autoMark() {
    if (!$("auto").checked) return;
    const called = new Set(calls);
    cells.forEach((c, i) => { if (i === seat.free || called.has(seat.cells[i])) mark(c, true); });
    keep();
  }
  function showCalls() {
    $("call").textContent = calls.length ? caption(calls[calls.length - 1]) : text("t-wait");
    $("last").textContent = calls.slice(-6, -1).reverse().map(caption).join(" \u00b7 ") + (calls.length ? "  (" + text("t-count").replace("%1", calls.length) + ")" : "");
    if (seat) autoMark();
  }
  function showSeat(marked) {
    const card = $("card");
    card.replaceChildren();
    card.style.setProperty("--side", seat.side);
    card.style.setProperty("--rows", seat.rows || seat.side + (seat.heading.length ? 1 : 0));
    // A table a screen reader walks by row and column; rows and cells' boxes take no room.
    const made = (tag, className, role) => {
      const part = document.createElement(tag);
      part.className = className;
      if (role) part.setAttribute("role", role);
      return part;
    };
    let row = null;
    const rowFor = (i) => {
      if (i % seat.side === 0) {
        row = card.appendChild(made("div", "row", "row"));
        if (seat.ticket) row.setAttribute("aria-label", text("t-row-name").replace("%1", i / seat.side + 1));
      }
      return row;
    };
    // A heading cell a column, blank past the heading's last letter (BINGO on 7 x 7).
    if (seat.heading.length) {
      const heads = card.appendChild(made("div", "row", "row"));
      for (let c = 0; c < seat.side; c++) heads.appendChild(made("div", "head", "columnheader")).textContent = seat.heading[c] || "";
    }
    cells = seat.cells.map((word, i) => {
      const into = rowFor(i);
      // A ticket's blank: shaded, nothing to tap, said as blank.
      if (seat.ticket && word === "") {
        const blank = into.appendChild(made("div", "blank", "cell"));
        blank.setAttribute("aria-label", text("t-blank"));
        return blank;
      }
      const slot = into.appendChild(made("div", "slot", "cell"));
      // The free space: marked from the start, and nothing to press.
      const cell = slot.appendChild(i === seat.free ? made("div", "cell free") : made("button", "cell"));
      cell.dir = "auto";
      cell.textContent = shown(word);
      // A picture list's picture, above its caption.
      if (seat.pictures && seat.pictures[i]) {
        const image = document.createElement("img");
        image.src = seat.pictures[i];
        image.alt = "";
        cell.prepend(image);
      }
      if (i === seat.free) return cell;
      cell.type = "button";
      const letter = seat.heading[i % seat.side] || "";
      cell.setAttribute("aria-label", letter ? letter + " " + word : word);
      mark(cell, marked && marked[i]);
      cell.addEventListener("click", () => {
        mark(cell, cell.getAttribute("aria-pressed") !== "true");
        keep();
      });
      return cell;
    });
    $("who").textContent = (seat.label || text("t-card").replace("%1", seat.card)) + " \u00b7 " + seat.game;
    if (seat.design) dress(seat.design);
    $("join").hidden = true;
    card.hidden = false;
    $("controls").hidden = false;
    keep();
    autoMark();
  }
  async function join(message) {
    const answer = await say(message);
    if (answer.error) { $("status").textContent = answer.error; return; }
    seat = answer;
    showSeat(null);
    listen();
  }
  $("deal").addEventListener("click", () => join({ type: "deal" }).catch(() => { $("status").textContent = text("t-lost"); }));
  $("take").addEventListener("click", () => {
    const n = Number($("number").value);
    const check = $("check") ? $("check").value.trim() : "";
    const message = check ? { type: "take", card: n, check: check } : { type: "take", card: n };
    if (Number.isInteger(n) && n > 0) join(message).catch(() => { $("status").textContent = text("t-lost"); });
  });
  $("auto").addEventListener("change", autoMark);
  $("bingo").addEventListener("click", async () => {
    try {
      const answer = await say({ type: "claim", secret: seat.secret });
      $("status").textContent = answer.error || answer.answer;
      cells.forEach((c) => c.classList.remove("win"));
      (answer.cells || []).forEach((i) => cells[i].classList.add("win"));
    } catch (e) { $("status").textContent = text("t-lost"); }
  });

  // The prize played: its name, and its pattern as a small grid.
  function showPrize(prize) {
    $("prize").hidden = !prize || !prize.title;
    if (!prize || !prize.title) return;
    $("prize-title").textContent = prize.round ? text("t-round").replace("%1", prize.title) : prize.title;
    const picture = $("prize-picture");
    picture.replaceChildren();
    picture.hidden = !prize.side;
    if (!prize.side) return;
    picture.style.setProperty("--pside", prize.side);
    const on = new Set(prize.cells || []);
    for (let i = 0; i < prize.side * prize.side; i++) picture.appendChild(document.createElement("span")).className = on.has(i) ? "on" : "";
  }

  // The calls: the whole list on (re)connecting, then each call and undo. With a seat, the
  // stream names it, so the game knows this phone is still in the room.
  let events = null;
  function listen() {
    if (events) events.close();
    events = new EventSource(seat ? "events?seat=" + seat.secret : "events");
    events.onmessage = (e) => {
      const data = JSON.parse(e.data);
      if (data.prize !== undefined) showPrize(data.prize);
      if (data.news !== undefined) { $("news").textContent = data.news; $("news").hidden = false; return; }
      if (data.calls) calls = data.calls;
      else if (data.call !== undefined) { calls.push(data.call); $("news").hidden = true; }
      else if (data.undo !== undefined) calls.pop();
      else return;
      if ($("status").textContent === text("t-lost")) $("status").textContent = "";
      showCalls();
    };
    events.onerror = () => { $("status").textContent = text("t-lost"); };
  }
  listen();

  // Back after a reload or a sleep: the same seat, the same marks.
  const before = kept();
  if (before && before.secret) {
    say({ type: "hello", secret: before.secret }).then((answer) => {
      if (answer.error) return;
      seat = answer;
      showSeat(before.marked);
      listen();
    }).catch(() => {});
  }
  showCalls();
})();
