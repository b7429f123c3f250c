// The page's controls built from the core's description; its lines and table.
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

function bouwBesturing(tekst) {
  document.title = tekst.titel;
  element("kop").textContent = tekst.kopTekst;
  element("kop").style.setProperty("--kopgrootte", `${tekst.kopTekstPunten}pt`);

  const signaal = element("signaal");
  signaal.querySelector("legend").textContent = tekst.signaalLabel;
  signaal.setAttribute("aria-label", tekst.signaalLabel);
  tekst.signalen.forEach((naam, index) => {
    const keuze = document.createElement("input");
    keuze.type = "radio";
    keuze.name = "signaal";
    keuze.value = String(index);
    const label = document.createElement("label");
    label.append(keuze, ` ${naam}`);
    signaal.append(label);
  });

  const amplitude = element("amplitude");
  amplitude.labels[0].textContent = tekst.amplitudeLabel;
  const frequentie = element("frequentie");
  frequentie.labels[0].textContent = tekst.frequentieLabel;
  for (const label of tekst.frequenties) {
    frequentie.add(new Option(label));
  }

  element("teken").textContent = tekst.teken;
  element("einde").textContent = tekst.einde;
  element("luister").textContent = tekst.luister;
  element("tabelknop").textContent = tekst.tabel;
  for (const [id, teken, naam] of [
    ["stapTerug", tekst.stapTerug, tekst.stapTerugNaam],
    ["stapVooruit", tekst.stapVooruit, tekst.stapVooruitNaam],
  ]) {
    element(id).textContent = teken;
    element(id).setAttribute("aria-label", naam);
  }
  element("tabeldeel")
    .querySelector("thead tr")
    .append(
      ...tekst.tabelKoppen.map((kop) => {
        const cel = document.createElement("th");
        cel.scope = "col";
        cel.textContent = kop;
        return cel;
      }),
    );
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
