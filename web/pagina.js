// The page's shell around the core (paginakern.cpp, compiled to WebAssembly):
// the controls come with the page, made from the core's description when
// the page was built (maak_pagina.js); this passes their events in, and
// shows what the core's window model says: the controls' state, the fills
// of the panel at the device's pixels, the readout, the result lines and the
// views. Every rule of the program is the core's.
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

  // The sample whose bars stand under a point given in CSS pixels, by the
  // core's own bar layout at the canvas's device width.
  const staafBij = (clientX) => {
    const vak = canvas.getBoundingClientRect();
    const x = Math.floor(((clientX - vak.left) * canvas.width) / vak.width);
    return kern._staafOnder(x, canvas.width);
  };
  return { verf, staafBij };
}

// "Luister": one buffer with the core's samples, played at the core's rate;
// a second click stops it. The context is made in a click, where browsers
// allow it to play.
function maakGeluid(kern, knop) {
  const volleSchaal = 32768; // a 16-bit sample of this size is full scale, 1.0
  let context = null;
  let bron = null;
  const zetSpeelt = (speelt) => knop.setAttribute("aria-pressed", String(speelt));
  const stop = () => {
    if (bron) {
      bron.onended = null;
      bron.stop();
      bron = null;
      zetSpeelt(false);
    }
  };
  knop.addEventListener("click", () => {
    if (bron) {
      stop();
      return;
    }
    const aantal = kern._luisterMonstersVoor();
    if (aantal === 0) {
      return;
    }
    const begin = kern._luisterAdres() / Int16Array.BYTES_PER_ELEMENT;
    const monsters = kern.HEAP16.subarray(begin, begin + aantal);
    context ??= new AudioContext();
    const buffer = context.createBuffer(1, aantal, kern._luisterBemonstering());
    const kanaal = buffer.getChannelData(0);
    for (let n = 0; n < aantal; ++n) {
      kanaal[n] = monsters[n] / volleSchaal;
    }
    bron = context.createBufferSource();
    bron.buffer = buffer;
    bron.connect(context.destination);
    bron.onended = () => {
      bron = null;
      zetSpeelt(false);
    };
    bron.start();
    zetSpeelt(true);
  });
  return stop;
}

// A view the core draws as SVG at the size it is shown, in CSS pixels, so
// that its text keeps its size on every screen, and drawn only while on
// screen (or when it comes into view). It is one image: its text
// alternative is the picture's own title.
function maakBeeld(figuur, svgVoor) {
  let grootte = null;
  const toon = inZicht(figuur, () => {
    const svg = grootte ? svgVoor(...grootte) : "";
    if (svg === "") {
      figuur.replaceChildren();
      zetNaam(figuur, null);
      return;
    }
    // The HTML parser builds the SVG in place, in half the time of parsing
    // it as XML and importing the result.
    figuur.innerHTML = svg;
    zetNaam(figuur, figuur.querySelector("svg"));
  });
  volgGrootte(figuur, (nieuw) => {
    grootte = nieuw;
    toon();
  });
  return toon;
}

// A view of the drawn cycle, drawn again on every press of Teken while it is
// on screen, else when it comes into view. Its frame
// (grid, scales, titles) depends on its size alone: it is drawn once a size
// and kept, and a new cycle rewrites only the plot's group of data. Without a
// cycle the frame stays, hidden, so that the next cycle finds it laid out.
function maakCyclusBeeld(figuur, svgVoor, gegevensVoor) {
  let grootte = null;
  let kader = null; // the SVG element drawn at `grootte`
  const toon = inZicht(figuur, () => {
    if (!grootte) {
      return;
    }
    if (!kader) {
      figuur.innerHTML = svgVoor(...grootte);
      kader = figuur.querySelector("svg");
      zetNaam(figuur, kader);
      return;
    }
    const gegevens = gegevensVoor(...grootte);
    kader.querySelector(".gegevens").innerHTML = gegevens;
    kader.style.visibility = gegevens === "" ? "hidden" : "";
    zetNaam(figuur, gegevens === "" ? null : kader);
  });
  volgGrootte(figuur, (nieuw) => {
    grootte = nieuw;
    kader = null;
    figuur.replaceChildren();
    toon();
  });
  return toon;
}

// The figure named by its picture's title, or hidden from a screen reader
// while it shows none.
function zetNaam(figuur, beeld) {
  if (!beeld) {
    figuur.removeAttribute("aria-label");
    figuur.setAttribute("aria-hidden", "true");
    return;
  }
  const titel = beeld.querySelector("title")?.textContent ?? beeld.getAttribute("aria-label");
  figuur.setAttribute("aria-label", titel ?? "");
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

// The page made alive by the module, with the description the page carries;
// `vroegGedrukt`: "Teken" was pressed before, and is carried out now.
function start(kern, tekst, vroegGedrukt) {
  if (!kern.ccall("kiesProgramma", "number", ["string"], [document.body.dataset.programma])) {
    throw new Error(`onbekend programma "${document.body.dataset.programma}"`);
  }
  const tekstVan = (adres) => kern.UTF8ToString(adres);
  const paneel = maakPaneel(kern, tekst);

  const canvas = element("grafiek");
  const signaal = element("signaal");
  const keuzes = [...signaal.querySelectorAll("input")];
  const amplitude = element("amplitude");
  const frequentie = element("frequentie");
  const teken = element("teken");
  const einde = element("einde");
  const luister = element("luister");
  const tabelknop = element("tabelknop");
  const tabeldeel = element("tabeldeel");
  const stopGeluid = maakGeluid(kern, luister);
  // A view the module does not draw stays empty.
  const svgVan = (naam) => (b, h) => (kern[naam] ? tekstVan(kern[naam](b, h)) : "");
  const respons = maakBeeld(element("respons"), svgVan("_responsSvg"));
  const polen = maakBeeld(element("polen"), svgVan("_polenSvg"));
  const spectrum = maakCyclusBeeld(
    element("spectrum"),
    svgVan("_spectrumSvg"),
    svgVan("_spectrumGegevensSvg"),
  );

  // The sample the readout line shows, chosen by a click or the keys.
  let gelezen = null;
  const toonAflezing = () => {
    toonRegels(element("aflezing"), gelezen === null ? "" : tekstVan(kern._aflezing(gelezen)));
  };

  const toonTabel = () => {
    if (!tabeldeel.hidden) {
      vulTabel(tekstVan(kern._cyclusCsv()));
    }
  };

  // The address bar follows the settings, for a link onto a slide; a moment
  // after they change, as browsers limit how often a page may rewrite it, and
  // once the page is idle: a rewrite takes a slow phone a few milliseconds,
  // which should not hold up the frames of the next click.
  let adresKlok = 0;
  const wanneerRustig = window.requestIdleCallback?.bind(window) ?? setTimeout;
  const volgAdres = () => {
    clearTimeout(adresKlok);
    adresKlok = setTimeout(() => wanneerRustig(schrijfAdres), 250);
  };
  const schrijfAdres = () => {
    const instellingen = tekstVan(kern._fragment());
    if (`#${instellingen}` !== location.hash) {
      const zonder = `${location.pathname}${location.search}`;
      history.replaceState(null, "", instellingen === "" ? zonder : `#${instellingen}`);
    }
  };

  // What the core's model says each control shows, and all that follows
  // from the drawn cycle; the address bar keeps the settings for a link.
  const toon = () => {
    const staat = JSON.parse(tekstVan(kern._toestand()));
    zet(keuzes[staat.signaal], "checked", true);
    zet(signaal, "disabled", !staat.signaalAan);
    zet(amplitude, "value", String(staat.amplitude));
    zet(amplitude, "disabled", !staat.amplitudeAan);
    zet(frequentie, "selectedIndex", staat.frequentie);
    zet(frequentie, "disabled", !staat.frequentieAan);
    zet(teken, "textContent", staat.getekend ? tekst.stop : tekst.teken);
    teken.setAttribute("aria-pressed", String(staat.getekend));
    zet(luister, "disabled", !staat.luisterAan);
    canvas.setAttribute("aria-label", tekstVan(kern._toegankelijkeNaam()));
    paneel.verf();
    toonAflezing();
    toonRegels(element("kosten"), tekstVan(kern._kostenTekst()));
    zet(tabelknop, "disabled", !staat.getekend);
    if (!staat.getekend) {
      zet(tabeldeel, "hidden", true);
      tabelknop.setAttribute("aria-expanded", "false");
    }
    toonTabel();
    volgAdres();
  };

  // The toggle, pressed by a click, the keyboard or a link's `teken`.
  const schakel = () => {
    if (!kern._schakel()) {
      stopGeluid();
    }
    gelezen = null;
    toon();
    spectrum();
    element("aankondiging").textContent = tekstVan(kern._aankondiging());
  };

  signaal.addEventListener("change", () => {
    kern._kiesSignaal(keuzes.findIndex((keuze) => keuze.checked));
    toon();
  });
  // Typed text counts when it is committed (Enter, or the focus leaving), as
  // in the window's control; the core reads it and keeps it in range, or
  // leaves the amplitude as it was and the note beside the box says so.
  amplitude.addEventListener("change", () => {
    const genomen = kern.ccall("zetAmplitudeTekst", "number", ["string"], [amplitude.value]);
    element("amplitudeMelding").textContent = genomen ? "" : tekst.geenGetal;
    toon();
  });
  amplitude.addEventListener("input", () => {
    element("amplitudeMelding").textContent = "";
  });
  // The arrow keys step it by one, as the window's spin control does.
  const stappenVanAmplitude = { ArrowUp: 1, ArrowDown: -1 };
  amplitude.addEventListener("keydown", (gebeurtenis) => {
    const stap = stappenVanAmplitude[gebeurtenis.key];
    if (stap) {
      gebeurtenis.preventDefault();
      const nu = JSON.parse(tekstVan(kern._toestand())).amplitude;
      kern.ccall("zetAmplitudeTekst", "number", ["string"], [String(nu + stap)]);
      element("amplitudeMelding").textContent = "";
      toon();
    }
  });
  frequentie.addEventListener("change", () => {
    kern._kiesFrequentie(frequentie.selectedIndex);
    toon();
    respons();
    polen();
  });
  teken.addEventListener("click", schakel);

  // Reading values: a click or tap on a bar, or the arrow keys on the
  // focused panel, from the last bar read (or the first).
  let beeindigd = false;
  canvas.addEventListener("click", (gebeurtenis) => {
    if (beeindigd) {
      return;
    }
    gelezen = paneel.staafBij(gebeurtenis.clientX);
    toonAflezing();
  });
  const laatste = tekst.monsters - 1;
  const stappen = {
    ArrowLeft: (n) => n - 1,
    ArrowRight: (n) => n + 1,
    Home: () => 0,
    End: () => laatste,
  };
  canvas.addEventListener("keydown", (gebeurtenis) => {
    const stap = stappen[gebeurtenis.key];
    if (stap && !beeindigd) {
      gebeurtenis.preventDefault();
      gelezen = gelezen === null ? 0 : Math.min(laatste, Math.max(0, stap(gelezen)));
      toonAflezing();
    }
  });

  tabelknop.addEventListener("click", () => {
    tabeldeel.hidden = !tabeldeel.hidden;
    tabelknop.setAttribute("aria-expanded", String(!tabeldeel.hidden));
    toonTabel();
    if (!tabeldeel.hidden) {
      tabeldeel.scrollIntoView({ block: "nearest" });
    }
  });

  // A page may close itself only if a script opened it; otherwise it shows
  // that the program has ended and how to begin again, and nothing responds
  // any more.
  einde.addEventListener("click", () => {
    stopGeluid();
    beeindigd = true;
    window.close();
    for (const besturing of document.querySelectorAll("input, select, button, fieldset")) {
      besturing.disabled = true;
    }
    const melding = element("beeindigd");
    melding.replaceChildren(...alsAlineas(`${tekst.beeindigd}\n${tekst.opnieuw}`));
    melding.hidden = false;
  });

  // A link into an experiment: the settings from the address's fragment.
  const link = JSON.parse(
    kern.ccall("pasFragmentToe", "string", ["string"], [location.hash.slice(1)]),
  );
  element("melding").textContent = link.melding;
  toon();
  respons();
  polen();
  teken.disabled = false;
  einde.disabled = false;
  if (link.teken || vroegGedrukt) {
    schakel();
  }
}
