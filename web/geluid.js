// "Luister": the core's samples played through Web Audio.
// SPDX-License-Identifier: MIT
"use strict";

// Plays while the core's model says the drawn cycle plays, and stops when it
// says it no longer does (a second click, Stop, a new link). One buffer with
// the core's samples at the core's rate, each divided by the core's full
// scale. The context is made in a click, where browsers allow it to play;
// `klaar` is called when the sound has played to its end.
function maakGeluid(kern, volleSchaal, klaar) {
  let context = null;
  let bron = null;
  const stop = () => {
    if (bron) {
      bron.onended = null;
      bron.stop();
      bron = null;
    }
  };
  const speel = () => {
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
      klaar();
    };
    bron.start();
  };
  return (speelt) => {
    if (speelt && !bron) {
      speel();
    } else if (!speelt) {
      stop();
    }
  };
}
