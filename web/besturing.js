// The page's controls written where they change; its result lines and table.
// SPDX-License-Identifier: MIT
"use strict";

const element = (id) => document.getElementById(id);

// A control's property written only where it changes: Chrome's form filler
// answers every change a script makes to a control's value with a task that
// lays out the page, which then comes before the next frame.
const zet = (besturing, eigenschap, waarde) => {
  if (besturing[eigenschap] !== waarde) {
    besturing[eigenschap] = waarde;
  }
};

// The drawn cycle as a table, from the core's CSV (header and rows).
function vulTabel(csv) {
  const rijen = csv.split("\n").filter((regel) => regel !== "").slice(1);
  element("tabeldeel")
    .querySelector("tbody")
    .replaceChildren(
      ...rijen.map((regel) => {
        const rij = document.createElement("tr");
        regel.split(",").forEach((waarde, kolom) => {
          const cel = document.createElement(kolom === 0 ? "th" : "td");
          cel.textContent = waarde;
          if (kolom === 0) {
            cel.scope = "row";
          }
          rij.append(cel);
        });
        return rij;
      }),
    );
}

// A paragraph a line of the core's text.
function alsAlineas(regels) {
  return regels
    .split("\n")
    .filter((regel) => regel !== "")
    .map((regel) => {
      const alinea = document.createElement("p");
      alinea.textContent = regel;
      return alinea;
    });
}

// A result's lines, each a paragraph; without lines the last ones stay,
// hidden, and keep their room, so that the panel keeps its size from one
// cycle to the next.
function toonRegels(doel, regels) {
  doel.style.visibility = regels === "" ? "hidden" : "";
  if (regels !== "") {
    doel.replaceChildren(...alsAlineas(regels));
  }
}
