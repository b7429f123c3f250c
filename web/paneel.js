// The panel's canvas at the device's pixels, painted with the core's fills,
// off the page's thread where the browser can.
// SPDX-License-Identifier: MIT
"use strict";

// A canvas (or an OffscreenCanvas) sized to `breedte` x `hoogte` and painted
// with `getallen`, the fills in order (x0, y0, x1, y1 inclusive, 0xRRGGBB:
// `perVlak` numbers each). Also part of the painting worker, which gets it
// as its source text: keep it free of anything around it.
function verfPaneel(doek, context, { breedte, hoogte, getallen, perVlak }, kleuren) {
  if (doek.width !== breedte || doek.height !== hoogte) {
    doek.width = breedte;
    doek.height = hoogte;
  }
  for (let i = 0; i < getallen.length; i += perVlak) {
    const x0 = getallen[i];
    const y0 = getallen[i + 1];
    const rgb = getallen[i + 4];
    if (!kleuren.has(rgb)) {
      kleuren.set(rgb, `#${rgb.toString(16).padStart(6, "0")}`);
    }
    context.fillStyle = kleuren.get(rgb);
    context.fillRect(x0, y0, getallen[i + 2] - x0 + 1, getallen[i + 3] - y0 + 1);
  }
}

// The worker that paints the panel: it holds the canvas's pixels, takes a
// size and the fills, paints them, and says when it has (the time, for the
// benchmark). A canvas whose memory the browser took back is painted again.
function schilderWerker() {
  let doek = null;
  let context = null;
  let laatste = null;
  const kleuren = new Map();
  const verf = () => {
    verfPaneel(doek, context, laatste, kleuren);
    postMessage(performance.timeOrigin + performance.now());
  };
  onmessage = ({ data }) => {
    if (data.doek) {
      doek = data.doek;
      context = doek.getContext("2d", { alpha: false });
      doek.addEventListener("contextrestored", () => laatste && verf());
    } else {
      laatste = data;
      verf();
    }
  };
}

// The last paint's end as the performance mark "paneel"; one mark, not one
// more a click, over a lesson.
function markeerGeverfd(tijd) {
  performance.clearMarks("paneel");
  performance.mark("paneel", { startTime: tijd });
}

// The panel's painter: `verf(breedte, hoogte, getallen, perVlak)` sizes the
// canvas and paints the fills, and marks when it has (performance mark
// "paneel", for the benchmark). Off the page's thread where the browser can
// hand a canvas to a worker: a phone's panel has millions of pixels, and
// painting and handing them over in the click's own task held up the
// click's frames on a slow phone. Elsewhere on the page's thread.
function maakSchilder(canvas) {
  const inWerker =
    canvas.transferControlToOffscreen && window.Worker && window.OffscreenCanvasRenderingContext2D;
  if (inWerker) {
    const bron = `"use strict";\n${verfPaneel}\n(${schilderWerker})();`;
    const adres = URL.createObjectURL(new Blob([bron], { type: "text/javascript" }));
    const werker = new Worker(adres);
    URL.revokeObjectURL(adres);
    const doek = canvas.transferControlToOffscreen();
    werker.postMessage({ doek }, [doek]);
    werker.onmessage = ({ data }) => {
      markeerGeverfd(data - performance.timeOrigin);
    };
    return (breedte, hoogte, getallen, perVlak) => {
      const kopie = getallen.slice();
      werker.postMessage({ breedte, hoogte, getallen: kopie, perVlak }, [kopie.buffer]);
    };
  }
  const context = canvas.getContext("2d", { alpha: false });
  const kleuren = new Map();
  let laatste = null;
  canvas.addEventListener("contextrestored", () => {
    if (laatste) {
      verfPaneel(canvas, context, laatste, kleuren);
    }
  });
  return (breedte, hoogte, getallen, perVlak) => {
    laatste = { breedte, hoogte, getallen: getallen.slice(), perVlak };
    verfPaneel(canvas, context, laatste, kleuren);
    markeerGeverfd(performance.now());
  };
}

// The canvas at the device's pixels, painted with the core's fills. Returns
// the painter and the bar under a point of the canvas.
function maakPaneel(kern, tekst) {
  const canvas = element("grafiek");
  const schilder = maakSchilder(canvas);
  let breedte = 0;
  let hoogte = 0;
  const verf = () => {
    const aantal = kern._vlakkenVoor(breedte, hoogte);
    const perVlak = kern._getallenPerVlakVan();
    const begin = kern._vlakkenAdres() / Int32Array.BYTES_PER_ELEMENT;
    schilder(breedte, hoogte, kern.HEAP32.subarray(begin, begin + aantal * perVlak), perVlak);
  };
  const zetGrootte = (nieuweBreedte, nieuweHoogte) => {
    breedte = nieuweBreedte;
    hoogte = nieuweHoogte;
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
    kern._leesBij(clientX - vak.left, vak.width, breedte);
  };
  return { verf, leesBij };
}
