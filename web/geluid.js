// "Luister": the core's samples played through Web Audio.
// SPDX-License-Identifier: MIT
"use strict";

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
