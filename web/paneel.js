// The panel's canvas at the device's pixels, painted with the core's fills.
// SPDX-License-Identifier: MIT
"use strict";


// The canvas at the device's pixels, painted with the core's fills. Returns
// the painter and the bar under a point of the canvas.
function maakPaneel(kern, tekst) {
  const canvas = element("grafiek");
  const context = canvas.getContext("2d", { alpha: false });
  const kleuren = new Map();
  const kleurVan = (rgb) => {
    if (!kleuren.has(rgb)) {
      kleuren.set(rgb, `#${rgb.toString(16).padStart(6, "0")}`);
    }
    return kleuren.get(rgb);
  };

  const verf = () => {
    const aantal = kern._vlakkenVoor(canvas.width, canvas.height);
    const perVlak = kern._getallenPerVlakVan();
    const begin = kern._vlakkenAdres() / Int32Array.BYTES_PER_ELEMENT;
    const getallen = kern.HEAP32.subarray(begin, begin + aantal * perVlak);
    for (let i = 0; i < getallen.length; i += perVlak) {
      const [x0, y0, x1, y1, rgb] = getallen.subarray(i, i + perVlak);
      context.fillStyle = kleurVan(rgb);
      context.fillRect(x0, y0, x1 - x0 + 1, y1 - y0 + 1);
    }
  };

  const zetGrootte = (breedte, hoogte) => {
    if (breedte !== canvas.width || hoogte !== canvas.height) {
      canvas.width = breedte;
      canvas.height = hoogte;
    }
    verf();
  };

  // The panel is never narrower than the core's least width in device
  // pixels, whatever the ratio: so many CSS pixels, rounded up.
  const paneel = element("paneel");
  const zetMinimum = () => {
    paneel.style.minWidth = `${Math.ceil(tekst.minimumApparaatBreedte / devicePixelRatio)}px`;
  };
  zetMinimum();

  // Where the browser tells the box's size in device pixels, that size is
  // what the screen shows; elsewhere the CSS size times the pixel ratio.
  let apparaatPixelsBekend = false;
  const meetOpnieuw = () => {
    const vak = canvas.getBoundingClientRect();
    zetGrootte(Math.round(vak.width * devicePixelRatio), Math.round(vak.height * devicePixelRatio));
  };
  const waarnemer = new ResizeObserver(([waarneming]) => {
    const apparaat = waarneming.devicePixelContentBoxSize?.[0];
    apparaatPixelsBekend = apparaat !== undefined;
    if (apparaatPixelsBekend) {
      zetGrootte(apparaat.inlineSize, apparaat.blockSize);
    } else {
      meetOpnieuw();
    }
  });
  try {
    waarnemer.observe(canvas, { box: "device-pixel-content-box" });
  } catch {
    waarnemer.observe(canvas);
  }
  // Zoom changes the pixel ratio; a browser that does not tell the device
  // pixels then needs to be asked again.
  const volgResolutie = () => {
    matchMedia(`(resolution: ${devicePixelRatio}dppx)`).addEventListener(
      "change",
      () => {
        zetMinimum();
        if (!apparaatPixelsBekend) {
          meetOpnieuw();
        }
        volgResolutie();
      },
      { once: true },
    );
  };
  volgResolutie();

  // A tap or click at clientX (CSS pixels) read by the core: the sample
  // whose bars stand nearest, by the panel's own bar layout at its width in
  // device pixels.
  const leesBij = (clientX) => {
    const vak = canvas.getBoundingClientRect();
    kern._leesBij(clientX - vak.left, vak.width, canvas.width);
  };
  return { verf, leesBij };
}
