// Build step: one program's page, with its controls' texts from the module's description.
// SPDX-License-Identifier: MIT
//
// Runs the built module under node, asks it for the program's description
// (beschrijving()) and the empty panel's colour, and fills the template with
// them: the page shows its heading, controls and empty panel from its HTML
// alone, before the module is compiled. The module's script, its WebAssembly
// (gzip-compressed, as base64) and the page's scripts go inline, so that the
// page is one file that loads nothing else. Written whole or not at all.
//   node maak_pagina.js PROGRAMMA KERN.js SJABLOON UIT SCRIPT...
"use strict";

const fs = require("fs");
const path = require("path");
const zlib = require("zlib");

const [programma, kernPad, sjabloonPad, uitPad, ...scriptPaden] = process.argv.slice(2);

const faal = (melding) => {
  process.stderr.write(`maak_pagina: ${melding}\n`);
  process.exit(1);
};

const entiteiten = { "&": "amp", "<": "lt", ">": "gt", '"': "quot" };
const html = (tekst) => String(tekst).replace(/[&<>"]/g, (teken) => `&${entiteiten[teken]};`);

// Text that goes inside a <script> element, which "</script" would end.
const alsScript = (naam, tekst) => {
  if (/<\/script/i.test(tekst)) {
    faal(`${naam} contains '</script' and cannot be put into the page`);
  }
  return tekst;
};

// The empty panel's colour: the one fill of a panel without a cycle.
function achtergrondVan(kern) {
  const aantal = kern._vlakkenVoor(64, 64);
  if (aantal < 1) {
    faal("the module paints no empty panel");
  }
  const begin = kern._vlakkenAdres() / Int32Array.BYTES_PER_ELEMENT;
  const rgb = kern.HEAP32[begin + kern._getallenPerVlakVan() - 1];
  return `#${rgb.toString(16).padStart(6, "0")}`;
}

// The markup the description's lists give, each item as the window shows it
// at the start.
function lijsten(tekst) {
  const keuzes = tekst.signalen.map(
    (naam, index) =>
      `<label><input type="radio" name="signaal" value="${index}"` +
      `${index === tekst.startSignaal ? " checked" : ""}> ${html(naam)}</label>`,
  );
  const frequenties = tekst.frequenties.map(
    (label, index) =>
      `<option${index === tekst.startFrequentie ? " selected" : ""}>${html(label)}</option>`,
  );
  const koppen = tekst.tabelKoppen.map((kop) => `<th scope="col">${html(kop)}</th>`);
  return {
    signaalKeuzes: keuzes.join("\n      "),
    frequentieKeuzes: frequenties.join(""),
    tabelKoppenRij: koppen.join(""),
    regels: String(Math.max(1, tekst.kostenRegels)),
  };
}

function maakPagina(kern) {
  if (!kern.ccall("kiesProgramma", "number", ["string"], [programma])) {
    faal(`the module knows no program "${programma}"`);
  }
  const beschrijving = kern.UTF8ToString(kern._beschrijving());
  const tekst = JSON.parse(beschrijving);
  const wasm = path.join(path.dirname(kernPad), `${path.basename(kernPad, ".js")}.wasm`);
  const ingevuld = {
    ...lijsten(tekst),
    programma,
    achtergrond: achtergrondVan(kern),
    // "<" escaped: the JSON stands inside a <script> element.
    beschrijving: beschrijving.replace(/</g, "\\u003c"),
    kern: alsScript("the module's script", fs.readFileSync(kernPad, "utf8")),
    // Less than half the size, which keeps a page within 200 KB.
    kernBytes: zlib.gzipSync(fs.readFileSync(wasm), { level: 9 }).toString("base64"),
    script: scriptPaden
      .map((pad) => alsScript(path.basename(pad), fs.readFileSync(pad, "utf8")))
      .join("\n"),
  };
  const pagina = fs.readFileSync(sjabloonPad, "utf8").replace(/\{\{(\w+)\}\}/g, (_, naam) => {
    if (naam in ingevuld) {
      return ingevuld[naam];
    }
    if (!(naam in tekst) || typeof tekst[naam] === "object") {
      faal(`the template names {{${naam}}}, which the description does not give`);
    }
    return html(tekst[naam]);
  });
  fs.writeFileSync(`${uitPad}.tmp`, pagina);
  fs.renameSync(`${uitPad}.tmp`, uitPad);
}

require(path.resolve(kernPad))()
  .ready.then(maakPagina)
  .catch((fout) => faal(fout.message ?? String(fout)));
