// The views the core draws as SVG, each at the size it is shown.
// SPDX-License-Identifier: MIT
"use strict";

// A view the core draws as SVG at the size it is shown, in CSS pixels, so
// that its text keeps its size on every screen, and drawn only while on
// screen (or when it comes into view). It is one image, named by the core:
// its title and its key values.
function maakBeeld(figuur, svgVoor, naamVoor) {
  let grootte = null;
  let getoond = null; // the SVG on screen
  const toon = inZicht(figuur, () => {
    const svg = grootte ? svgVoor(...grootte) : "";
    // The same picture again (a press of Teken leaves the filter's views as
    // they are) is not parsed and laid out again.
    if (svg === getoond) {
      return;
    }
    getoond = svg;
    if (svg === "") {
      figuur.replaceChildren();
      zetNaam(figuur, "");
      return;
    }
    // The HTML parser builds the SVG in place, in half the time of parsing
    // it as XML and importing the result.
    figuur.innerHTML = svg;
    zetNaam(figuur, naamVoor());
  });
  volgGrootte(figuur, (nieuw) => {
    grootte = nieuw;
    toon();
  });
  return toon;
}

// A view of the drawn cycle, drawn again on every press of Teken while it is
// on screen, else when it comes into view. Its frame
// (grid, scales, titles) depends on its size and its scale (`schaalVan()`)
// alone: it is drawn once for those and kept, and a new cycle of the same
// scale rewrites only the plot's group of data. Without a cycle the frame
// stays, hidden, so that the next cycle finds it laid out.
function maakCyclusBeeld(figuur, svgVoor, gegevensVoor, naamVoor, schaalVan) {
  let grootte = null;
  let kader = null; // the SVG element drawn at `grootte` and `schaal`
  let schaal = null;
  const toon = inZicht(figuur, () => {
    if (!grootte) {
      return;
    }
    if (!kader || schaalVan() !== schaal) {
      schaal = schaalVan();
      figuur.innerHTML = svgVoor(...grootte);
      kader = figuur.querySelector("svg");
      zetNaam(figuur, naamVoor());
      return;
    }
    const gegevens = gegevensVoor(...grootte);
    kader.querySelector(".gegevens").innerHTML = gegevens;
    kader.style.visibility = gegevens === "" ? "hidden" : "";
    zetNaam(figuur, gegevens === "" ? "" : naamVoor());
  });
  volgGrootte(figuur, (nieuw) => {
    grootte = nieuw;
    kader = null;
    figuur.replaceChildren();
    toon();
  });
  return toon;
}

// The figure named, or hidden from a screen reader while it shows nothing.
function zetNaam(figuur, naam) {
  if (naam === "") {
    figuur.removeAttribute("aria-label");
    figuur.setAttribute("aria-hidden", "true");
    return;
  }
  figuur.setAttribute("aria-label", naam);
  figuur.removeAttribute("aria-hidden");
}

// `nieuw([breedte, hoogte])` with an element's size in whole CSS pixels,
// now and whenever it changes.
function volgGrootte(element, nieuw) {
  new ResizeObserver(([waarneming]) => {
    const vak = waarneming.contentBoxSize[0];
    nieuw([Math.floor(vak.inlineSize), Math.floor(vak.blockSize)]);
  }).observe(element);
}
