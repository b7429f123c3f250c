// Work for a part of the page done only while that part is on screen.
// SPDX-License-Identifier: MIT
//
// A view below the fold need not be drawn again on every press of "Teken":
// `inZicht(element, werk)` returns a function that runs `werk` at once while
// the element is on screen, and otherwise once, when it scrolls into view.
"use strict";

function inZicht(element, werk) {
  let zichtbaar = false;
  let achter = false; // asked for while out of sight
  new IntersectionObserver(([waarneming]) => {
    zichtbaar = waarneming.isIntersecting;
    if (zichtbaar && achter) {
      achter = false;
      werk();
    }
  }).observe(element);
  return () => {
    if (zichtbaar) {
      werk();
    } else {
      achter = true;
    }
  };
}
