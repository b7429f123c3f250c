// The pole-zero plot's readout: a tap, click or arrow key picks a zero or pole, named beside the plot.
// SPDX-License-Identifier: MIT
"use strict";

// The core picks and words the point and places its ring; `regel` is the
// live region beside the plot.
function maakPolenAflezing(kern, figuur, regel) {
  let gekozen = null; // the core's answer for the picked point
  const svg = () => figuur.querySelector("svg");
  const maat = (beeld) => [beeld.width.baseVal.value, beeld.height.baseVal.value];
  const kies = (adres) => {
    const antwoord = kern.UTF8ToString(adres);
    const beeld = svg();
    if (antwoord === "" || !beeld) {
      return;
    }
    gekozen = JSON.parse(antwoord);
    regel.textContent = gekozen.tekst;
    let ring = beeld.querySelector(".keuze");
    if (!ring) {
      ring = beeld.appendChild(document.createElementNS("http://www.w3.org/2000/svg", "circle"));
      ring.setAttribute("class", "keuze");
      ring.setAttribute("fill", "none");
      ring.setAttribute("stroke-width", "2.5");
    }
    for (const [naam, waarde] of [["cx", gekozen.x], ["cy", gekozen.y], ["r", gekozen.straal],
                                  ["stroke", gekozen.kleur]]) {
      ring.setAttribute(naam, waarde);
    }
  };
  // A plot drawn anew: the same point ringed at its new place.
  new MutationObserver(() => {
    if (svg() && gekozen) {
      kies(kern._polenPuntNa(gekozen.punt, 0, ...maat(svg())));
    }
  }).observe(figuur, { childList: true });

  figuur.tabIndex = 0;
  figuur.addEventListener("click", (gebeurtenis) => {
    const beeld = svg();
    if (beeld) {
      const vak = beeld.getBoundingClientRect();
      const [b, h] = maat(beeld);
      const x = ((gebeurtenis.clientX - vak.left) * b) / vak.width;
      kies(kern._polenPuntBij(x, ((gebeurtenis.clientY - vak.top) * h) / vak.height, b, h));
    }
  });
  const stappen = { ArrowRight: 1, ArrowUp: 1, ArrowLeft: -1, ArrowDown: -1 };
  figuur.addEventListener("keydown", (gebeurtenis) => {
    const stap = stappen[gebeurtenis.key];
    if (stap && svg()) {
      gebeurtenis.preventDefault();
      kies(kern._polenPuntNa(gekozen ? gekozen.punt : -1, stap, ...maat(svg())));
    }
  });
}
