// The page's start-up: the module compiled from this page's bytes beside the first paint.
// SPDX-License-Identifier: MIT
//
// The heading, the controls and the empty panel come with the HTML; the
// WebAssembly is compiled off the page's thread (WebAssembly.compile), and
// the page started once the browser has painted them. Until the module is
// ready the body is aria-busy and the controls that need it are disabled,
// but for "Teken": a press of it is kept and carried out once, when the
// module is ready.
"use strict";

// The module's gzip-compressed bytes, from the base64 in the page.
// Uint8Array.fromBase64 decodes in one call where the browser has it.
function kernBytes() {
  const base64 = element("kernbytes").textContent;
  if (Uint8Array.fromBase64) {
    return Uint8Array.fromBase64(base64);
  }
  const tekens = atob(base64);
  const bytes = new Uint8Array(tekens.length);
  for (let i = 0; i < tekens.length; ++i) {
    bytes[i] = tekens.charCodeAt(i);
  }
  return bytes;
}

// The module compiled off the page's thread, once unpacked (a stream of
// the browser's own, also off the page's thread).
function compileerKern() {
  const uitgepakt = new Blob([kernBytes()]).stream().pipeThrough(new DecompressionStream("gzip"));
  return new Response(uitgepakt).arrayBuffer().then((bytes) => WebAssembly.compile(bytes));
}

function toonStartFout(fout) {
  const melding = element("beeindigd");
  melding.textContent = `De pagina kon niet starten: ${fout.message ?? fout}`;
  melding.hidden = false;
}

function laadPagina() {
  const tekst = JSON.parse(element("beschrijving").textContent);
  const teken = element("teken");
  let vroegGedrukt = false;
  const onthoud = () => {
    vroegGedrukt = true;
  };
  teken.addEventListener("click", onthoud);

  // Compiled off the page's thread from now on; started once the browser has
  // shown the page, as the start draws the panel and the views. Instantiated
  // from the compiled module at once, which takes little time.
  const gecompileerd = compileerKern();
  const getoond = new Promise((verder) => requestAnimationFrame(() => setTimeout(verder)));
  Promise.all([gecompileerd, getoond])
    .then(([module]) => {
      const instantiateWasm = (imports, klaar) => {
        const instantie = new WebAssembly.Instance(module, imports);
        klaar(instantie, module);
        return instantie.exports;
      };
      return maakPaginaKern({ instantiateWasm }).ready;
    })
    .then((kern) => {
      teken.removeEventListener("click", onthoud);
      start(kern, tekst, vroegGedrukt);
      document.body.removeAttribute("aria-busy");
      performance.mark("bruikbaar");
    })
    .catch(toonStartFout);
}

laadPagina();
