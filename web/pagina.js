// The page's shell around the core (paginakern.cpp, compiled to WebAssembly):
// it builds the controls from the core's description, passes their events
// in, and shows what the core's window model says: the controls' state, the
// fills of the panel at the device's pixels, the readout, the result lines
// and the views. Every rule of the program is the core's.
"use strict";

function start(kern) {
  if (!kern.ccall("kiesProgramma", "number", ["string"], [document.body.dataset.programma])) {
    throw new Error(`onbekend programma "${document.body.dataset.programma}"`);
  }
  const tekstVan = (adres) => kern.UTF8ToString(adres);
  const tekst = JSON.parse(tekstVan(kern._beschrijving()));
  bouwBesturing(tekst);
  const paneel = maakPaneel(kern, tekst);
  element("uitslag").style.setProperty("--regels", String(Math.max(1, tekst.kostenRegels)));

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
  // after they change, as browsers limit how often a page may rewrite it.
  let adresKlok = 0;
  const volgAdres = () => {
    clearTimeout(adresKlok);
    adresKlok = setTimeout(() => {
      const instellingen = tekstVan(kern._fragment());
      if (`#${instellingen}` !== location.hash) {
        const zonder = `${location.pathname}${location.search}`;
        history.replaceState(null, "", instellingen === "" ? zonder : `#${instellingen}`);
      }
    }, 250);
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
    luister.disabled = !staat.luisterAan;
    canvas.setAttribute("aria-label", tekstVan(kern._toegankelijkeNaam()));
    paneel.verf();
    toonAflezing();
    toonRegels(element("kosten"), tekstVan(kern._kostenTekst()));
    tabelknop.disabled = !staat.getekend;
    if (!staat.getekend) {
      tabeldeel.hidden = true;
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
  if (link.teken) {
    schakel();
  }
}

// Compiled at once from the bytes in this page; `ready` is settled by then.
maakPaginaKern()
  .ready.then(start)
  .catch((fout) => {
    const melding = element("beeindigd");
    melding.textContent = `De pagina kon niet starten: ${fout.message}`;
    melding.hidden = false;
  });
