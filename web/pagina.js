// The page's shell around the core (paginakern.cpp, compiled to WebAssembly):
// the controls come with the page, made from the core's description when
// the page was built (maak_pagina.js); this passes their events in, and
// shows what the core's window model says: the controls' state, the fills
// of the panel at the device's pixels, the readout, the result lines and the
// views. Every rule of the program is the core's.
// SPDX-License-Identifier: MIT
"use strict";

// The page made alive by the module, with the description the page carries;
// `vroegGedrukt`: "Teken" was pressed before, and is carried out now.
function start(kern, tekst, vroegGedrukt) {
  if (!kern.ccall("kiesProgramma", "number", ["string"], [document.body.dataset.programma])) {
    throw new Error(`onbekend programma "${document.body.dataset.programma}"`);
  }
  const tekstVan = (adres) => kern.UTF8ToString(adres);
  const metTekst = (entry, waarde) => kern.ccall(entry, "number", ["string"], [waarde]);
  const paneel = maakPaneel(kern, tekst);

  const canvas = element("grafiek");
  const signaal = element("signaal");
  const keuzes = [...signaal.querySelectorAll("input")];
  const amplitude = element("amplitude");
  const frequentie = element("frequentie");
  const [teken, einde, luister, tabelknop] = ["teken", "einde", "luister", "tabelknop"].map(element);
  const stapknoppen = ["stapTerug", "stapVooruit"].map(element);
  const tabeldeel = element("tabeldeel");
  // A view the module does not draw stays empty.
  const svgVan = (naam) => (b, h) => (kern[naam] ? tekstVan(kern[naam](b, h)) : "");
  const naamVan = (naam) => () => (kern[naam] ? tekstVan(kern[naam]()) : "");
  const respons = maakBeeld(element("respons"), svgVan("_responsSvg"), naamVan("_responsNaam"));
  const polen = maakBeeld(element("polen"), svgVan("_polenSvg"), naamVan("_polenNaam"));
  maakPolenAflezing(kern, element("polen"), element("polenAflezing"));
  const spectrum = maakCyclusBeeld(
    element("spectrum"),
    svgVan("_spectrumSvg"),
    svgVan("_spectrumGegevensSvg"),
    naamVan("_spectrumNaam"),
    () => kern._spectrumBovenDb(),
  );

  // How the output read comes about (berekening.js).
  const toonBerekening = maakBerekening(() => tekstVan(kern._berekening()));

  // The address bar follows the settings, for a link onto a slide; a moment
  // after they change, as browsers limit how often a page may rewrite it, and
  // once the page is idle: a rewrite takes a slow phone a few milliseconds,
  // which should not hold up the frames of the next click. A page that is
  // never idle (a busy machine) still gets it within a second.
  let adresKlok = 0;
  const wanneerRustig = window.requestIdleCallback
    ? (werk) => requestIdleCallback(werk, { timeout: 1000 })
    : setTimeout;
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
  // from it; the address bar keeps the settings for a link.
  let beeindigd = false;
  const toon = () => {
    const staat = JSON.parse(tekstVan(kern._toestand()));
    zet(keuzes[staat.signaal], "checked", true);
    zet(signaal, "disabled", !staat.signaalAan);
    zet(amplitude, "value", String(staat.amplitude));
    zet(amplitude, "disabled", !staat.amplitudeAan);
    zet(element("amplitudeMelding"), "textContent", staat.amplitudeMelding);
    zet(frequentie, "selectedIndex", staat.frequentie);
    zet(frequentie, "disabled", !staat.frequentieAan);
    zet(teken, "textContent", staat.getekend ? tekst.stop : tekst.teken);
    teken.setAttribute("aria-pressed", String(staat.getekend));
    zet(luister, "disabled", !staat.luisterAan);
    luister.setAttribute("aria-pressed", String(staat.speelt));
    geluid(staat.speelt);
    stapknoppen.forEach((knop) => zet(knop, "disabled", !staat.getekend || beeindigd));
    zet(element("melding"), "textContent", staat.melding);
    canvas.setAttribute("aria-label", tekstVan(kern._toegankelijkeNaam()));
    paneel.verf();
    toonRegels(element("aflezing"), tekstVan(kern._aflezing()));
    toonBerekening();
    toonRegels(element("kosten"), tekstVan(kern._kostenTekst()));
    zet(tabelknop, "disabled", !staat.tabelAan);
    tabelknop.setAttribute("aria-expanded", String(staat.tabelOpen));
    if (staat.tabelOpen && tabeldeel.hidden) {
      vulTabel(tekstVan(kern._cyclusCsv()));
    }
    zet(tabeldeel, "hidden", !staat.tabelOpen);
    volgAdres();
  };
  const geluid = maakGeluid(kern, tekst.volleSchaal, () => {
    kern._luisterKlaar();
    toon();
  });
  // After the toggle or a link: all that follows from the drawn cycle, and
  // what the live region announces.
  const toonCyclus = () => {
    toon();
    respons();
    polen();
    spectrum();
    element("aankondiging").textContent = tekstVan(kern._aankondiging());
  };

  signaal.addEventListener("change", () => {
    kern._kiesSignaal(keuzes.findIndex((keuze) => keuze.checked));
    toon();
  });
  // Typed text counts when it is committed (Enter, or the focus leaving), as
  // in the window's control; the core takes it or not, and says in the note
  // beside the box what it did with it.
  amplitude.addEventListener("change", () => {
    metTekst("zetAmplitudeTekst", amplitude.value);
    toon();
  });
  amplitude.addEventListener("input", () => {
    element("amplitudeMelding").textContent = "";
  });
  amplitude.addEventListener("keydown", (gebeurtenis) => {
    if (metTekst("toetsOpAmplitude", gebeurtenis.key)) {
      gebeurtenis.preventDefault();
      toon();
    }
  });
  frequentie.addEventListener("change", () => {
    kern._kiesFrequentie(frequentie.selectedIndex);
    toon();
    respons();
    polen();
  });
  teken.addEventListener("click", () => {
    kern._schakel();
    toonCyclus();
  });

  // Reading values: a tap or click on a bar, the step buttons, or the keys
  // on the focused panel; the core keeps the sample read and marks it.
  canvas.addEventListener("click", (gebeurtenis) => {
    if (!beeindigd) {
      paneel.leesBij(gebeurtenis.clientX);
      toon();
    }
  });
  stapknoppen.forEach((knop, i) =>
    knop.addEventListener("click", () => {
      kern._schuifAflezing(i === 0 ? -1 : 1);
      toon();
    }),
  );
  canvas.addEventListener("keydown", (gebeurtenis) => {
    if (!beeindigd && metTekst("toetsOpPaneel", gebeurtenis.key)) {
      gebeurtenis.preventDefault();
      toon();
    }
  });

  tabelknop.addEventListener("click", () => {
    kern._wisselTabel();
    toon();
    if (!tabeldeel.hidden) {
      tabeldeel.scrollIntoView({ block: "nearest" });
    }
  });
  luister.addEventListener("click", () => {
    kern._wisselLuister();
    toon();
  });

  // A page may close itself only if a script opened it; otherwise it shows
  // that the program has ended and how to begin again (on a touch screen,
  // without a key), and nothing responds any more.
  einde.addEventListener("click", () => {
    geluid(false);
    beeindigd = true;
    window.close();
    for (const besturing of document.querySelectorAll("input, select, button, fieldset")) {
      besturing.disabled = true;
    }
    const opnieuw = matchMedia("(pointer: coarse)").matches ? tekst.opnieuwAanraking : tekst.opnieuw;
    const melding = element("beeindigd");
    melding.replaceChildren(...alsAlineas(`${tekst.beeindigd}\n${opnieuw}`));
    melding.hidden = false;
  });

  // A link into an experiment: the settings from the address's fragment, at
  // the start and whenever the address changes to other settings (edited,
  // Back or Forward, a second link in this tab).
  const volgLink = () => {
    if (beeindigd || location.hash.slice(1) === tekstVan(kern._fragment())) {
      return;
    }
    clearTimeout(adresKlok);
    metTekst("volgLink", location.hash.slice(1));
    toonCyclus();
  };
  addEventListener("hashchange", volgLink);
  addEventListener("popstate", volgLink);
  volgLink();
  // A press of "Teken" while the module was loading draws, unless the link
  // has drawn already.
  if (vroegGedrukt && !JSON.parse(tekstVan(kern._toestand())).getekend) {
    kern._schakel();
  }
  toonCyclus();
  teken.disabled = false;
  einde.disabled = false;
}
