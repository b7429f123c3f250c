// The panel "Hoe komt deze uitvoer tot stand?": the computation of the output read, from the core.
// SPDX-License-Identifier: MIT
"use strict";

// A cell, a header cell with its scope, or a line.
function berekeningCel(soort, tekst, scope) {
  const cel = document.createElement(soort);
  cel.textContent = tekst;
  if (scope) cel.scope = scope;
  return cel;
}

// The core's JSON (paginakern.cpp, berekening) into the <details>: a term of
// a sample before the block began, 0, stays in the table, greyed.
function vulBerekening(deel, { titel, kolommen, rijen, slotregels }) {
  deel.querySelector("caption").textContent = titel;
  deel.querySelector("thead tr").replaceChildren(...kolommen.map((k) => berekeningCel("th", k, "col")));
  deel.querySelector("tbody").replaceChildren(
    ...rijen.map(({ cellen, voorBlok }) => {
      const tr = document.createElement("tr");
      tr.classList.toggle("voorblok", voorBlok);
      tr.append(...cellen.map((c, i) => berekeningCel(i ? "td" : "th", c, i ? "" : "row")));
      return tr;
    }),
  );
  deel.querySelector(".slot").replaceChildren(...slotregels.map((r) => berekeningCel("p", r)));
}

// toon() makes the panel follow the output read; `haal()` gives the core's
// JSON for it, "" while none is read. Filled only while open; the
// panel itself always stands, so that the page's height, and with it the
// scroll bar and the graph panel's width, never changes with a reading.
function maakBerekening(haal) {
  const deel = document.getElementById("berekening");
  const leeg = { titel: "", kolommen: [], rijen: [], slotregels: [] };
  const vul = () => {
    const json = haal();
    if (deel.open) vulBerekening(deel, json === "" ? leeg : JSON.parse(json));
  };
  deel.addEventListener("toggle", vul);
  return vul;
}
