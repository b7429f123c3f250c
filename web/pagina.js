// The page's shell around the core (paginakern.cpp, compiled to WebAssembly):
// it builds the controls from the core's description, passes their events
// in, and puts the fills the core returns on the canvas, at the device's
// pixels. Every rule of the program is the core's.
"use strict";

const element = (id) => document.getElementById(id);

function bouwBesturing(kern, tekst) {
  document.title = tekst.titel;
  element("kop").textContent = tekst.kopTekst;
  element("kop").style.fontSize = `${tekst.kopTekstPunten}pt`;

  const signaal = element("signaal");
  signaal.querySelector("legend").textContent = tekst.signaalLabel;
  tekst.signalen.forEach((naam, index) => {
    const keuze = document.createElement("input");
    keuze.type = "radio";
    keuze.name = "signaal";
    keuze.value = String(index);
    keuze.checked = index === tekst.startSignaal;
    const label = document.createElement("label");
    label.append(keuze, ` ${naam}`);
    signaal.append(label);
  });

  const amplitude = element("amplitude");
  amplitude.labels[0].textContent = tekst.amplitudeLabel;
  amplitude.value = String(tekst.startAmplitude);

  const frequentie = element("frequentie");
  frequentie.labels[0].textContent = tekst.frequentieLabel;
  for (const label of tekst.frequenties) {
    frequentie.add(new Option(label));
  }
  frequentie.selectedIndex = tekst.startFrequentie;

  element("teken").textContent = tekst.teken;
  element("einde").textContent = tekst.einde;
  element("luister").textContent = tekst.luister;
  const paneel = element("paneel");
  paneel.style.minWidth = `${tekst.minimumBreedte}px`;
  paneel.style.minHeight = `${tekst.minimumHoogte}px`;
}

// The canvas at the device's pixels, painted with the core's fills.
function maakPaneel(kern) {
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
        if (!apparaatPixelsBekend) {
          meetOpnieuw();
        }
        volgResolutie();
      },
      { once: true },
    );
  };
  volgResolutie();
  return verf;
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

// The shown cycle's extra facts from the core, a paragraph a line.
function toonKosten(kern) {
  const regels = kern.UTF8ToString(kern._kostenTekst());
  element("kosten").replaceChildren(
    ...regels.split("\n").filter((regel) => regel !== "").map((regel) => {
      const alinea = document.createElement("p");
      alinea.textContent = regel;
      return alinea;
    }),
  );
}

// The filter's magnitude response from the core, the chosen frequency
// marked: its SVG parsed and put in the page as it is.
function toonRespons(kern) {
  const svg = new DOMParser().parseFromString(
    kern.UTF8ToString(kern._responsSvg()),
    "image/svg+xml",
  ).documentElement;
  element("respons").replaceChildren(document.importNode(svg, true));
}

function start(kern) {
  if (!kern.ccall("kiesProgramma", "number", ["string"], [document.body.dataset.programma])) {
    throw new Error(`onbekend programma "${document.body.dataset.programma}"`);
  }
  const tekst = JSON.parse(kern.UTF8ToString(kern._beschrijving()));
  bouwBesturing(kern, tekst);
  const verf = maakPaneel(kern);

  const signaal = element("signaal");
  const amplitude = element("amplitude");
  const frequentie = element("frequentie");
  const teken = element("teken");
  const einde = element("einde");
  const luister = element("luister");
  const stopGeluid = maakGeluid(kern, luister);
  const amplitudeMelding = element("amplitudeMelding");

  // Which controls take input and what the amplitude is, as the core says.
  const toonToestand = () => {
    const toestand = JSON.parse(kern.UTF8ToString(kern._toestand()));
    signaal.disabled = !toestand.signaalAan;
    amplitude.disabled = !toestand.amplitudeAan;
    frequentie.disabled = !toestand.frequentieAan;
    luister.disabled = !toestand.luisterAan;
    amplitude.value = String(toestand.amplitude);
    return toestand;
  };

  signaal.addEventListener("change", (gebeurtenis) => {
    kern._kiesSignaal(Number(gebeurtenis.target.value));
    toonToestand();
  });
  // Typed text counts when it is committed (Enter, or the focus leaving), as
  // in the window's control; the core reads it and keeps it in range.
  amplitude.addEventListener("change", () => {
    const getal = kern.ccall("zetAmplitudeTekst", "number", ["string"], [amplitude.value]);
    amplitudeMelding.textContent = getal ? "" : tekst.geenGetal;
    toonToestand();
  });
  // The arrow keys step the amplitude by one, as in the window's control.
  amplitude.addEventListener("keydown", (toets) => {
    const stap = { ArrowUp: 1, ArrowDown: -1 }[toets.key];
    if (stap !== undefined) {
      toets.preventDefault();
      kern.ccall("zetAmplitudeTekst", "number", ["string"], [amplitude.value]);
      kern._zetAmplitude(toonToestand().amplitude + stap);
      amplitudeMelding.textContent = "";
      toonToestand();
    }
  });
  frequentie.addEventListener("change", () => {
    kern._kiesFrequentie(frequentie.selectedIndex);
    toonRespons(kern);
  });

  teken.addEventListener("click", () => {
    const ingedrukt = kern._schakel() === 1;
    teken.setAttribute("aria-pressed", String(ingedrukt));
    toonToestand();
    if (!ingedrukt) {
      stopGeluid();
    }
    verf();
    toonKosten(kern);
    teken.textContent = ingedrukt ? tekst.stop : tekst.teken;
  });

  // A page may close itself only if a script opened it; otherwise it shows
  // that the program has ended, and nothing responds any more.
  einde.addEventListener("click", () => {
    stopGeluid();
    window.close();
    for (const besturing of document.querySelectorAll("input, select, button, fieldset")) {
      besturing.disabled = true;
    }
    const melding = element("beeindigd");
    melding.textContent = tekst.beeindigd;
    melding.hidden = false;
  });

  toonRespons(kern);
  toonToestand();
  teken.disabled = false;
  einde.disabled = false;
}

// Compiled at once from the bytes in this page; `ready` is settled by then.
maakPaginaKern()
  .ready.then(start)
  .catch((fout) => {
    const melding = element("beeindigd");
    melding.textContent = `De pagina kon niet starten: ${fout.message}`;
    melding.hidden = false;
  });
