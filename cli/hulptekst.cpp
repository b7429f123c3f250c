// The text of filtercyclus --help.
// SPDX-License-Identifier: MIT
#include "hulptekst.h"

#include "fir_programma.h"
#include "getallen.h"
#include "iir_programma.h"
#include "keuzes.h"
#include "png_uitvoer.h"
#include "polengrafiek.h"
#include "responsgrafiek.h"

#include <array>
#include <string_view>

namespace {

// An option's line: the option, then the items of a list from column 24,
// separated by ", " and wrapped within 80 columns; `standaard` is marked.
template <std::size_t N>
std::string lijstRegels(const std::string& optie, const std::array<std::string_view, N>& teksten,
                        std::size_t aantal, std::size_t standaard)
{
  constexpr std::size_t kolom = 24;
  constexpr std::size_t breedte = 80;
  std::string tekst = "  " + optie;
  tekst.resize(kolom, ' ');
  std::size_t regelBegin = 0;
  for (std::size_t i = 0; i < aantal; ++i) {
    const std::string woord = std::string(teksten[i]) + (i == standaard ? " (default)" : "") +
                              (i + 1 < aantal ? "," : "");
    if (i > 0 && tekst.size() - regelBegin + 1 + woord.size() > breedte) {
      tekst += "\n";
      regelBegin = tekst.size();
      tekst += std::string(kolom, ' ');
    } else if (i > 0) {
      tekst += ' ';
    }
    tekst += woord;
  }
  return tekst + "\n";
}

} // namespace

std::string hulpTekst()
{
  const auto getal = [](auto waarde) { return std::to_string(waarde); };
  std::string tekst =
      "Usage: filtercyclus --programma iir|fir [--signaal SIGNAAL] [--amplitude A]\n"
      "                    [--frequentie LABEL] [--png FILE] [--svg FILE]\n"
      "                    [--grootte BREEDTExHOOGTE] [--wav FILE [--duur SECONDEN]\n"
      "                    [--bemonstering HZ]]\n"
      "       filtercyclus --programma fir [--signaal ...] --exact\n"
      "       filtercyclus --programma iir|fir --respons [--punten N]\n"
      "       filtercyclus --programma iir|fir --respons --svg|--png FILE\n"
      "                    [--grootte BREEDTExHOOGTE]\n"
      "       filtercyclus --programma iir|fir [--signaal ...] --spectrum\n"
      "                    [--svg|--png FILE [--grootte BREEDTExHOOGTE]]\n"
      "       filtercyclus --programma iir|fir [--frequentie LABEL] --polen\n"
      "                    [--svg|--png FILE [--grootte BREEDTExHOOGTE]]\n"
      "       filtercyclus --programma iir|fir --coefficienten\n"
      "       filtercyclus --programma iir|fir [--signaal ...] --berekening N\n"
      "\n"
      "Runs one processing cycle of iir_demo or fir_demo without a window and prints\n"
      "the input and the filtered signal as CSV (n,signaal,gefilterd, " +
      getal(BlokLengte) +
      " rows), or\n"
      "writes the graph panel's picture as PNG or SVG. With --respons: the magnitude\n"
      "response of the filter as CSV (frequentie,omega,versterking,dB,fase,\n"
      "groepslooptijd: phase in radians unwrapped from DC, group delay in samples),\n"
      "or as a plot.\n"
      "With --spectrum: the amplitude spectrum of the cycle's input and output\n"
      "(DFT of the " +
      getal(BlokLengte) +
      " samples, rectangular window) as CSV (k,omega,invoer,uitvoer),\n"
      "or as a plot in dB re 32768. With --polen: the filter's zeros and poles as\n"
      "CSV (soort,re,im; soort nul or pool, each as often as its multiplicity), or\n"
      "as a plot of the z-plane.\n"
      "With --coefficienten: the filter's coefficients as the engine uses them, as\n"
      "CSV (fir: k,h in Q15; iir: sectie,b0,b1,b2,a1,a2, section 0 the gain).\n"
      "With --berekening N: how output N of the cycle comes about, with the engine's\n"
      "own values, as CSV. fir: k,h,x,product,som, a row per tap k = 0..60: h[k] in\n"
      "Q15, x[N-k] (0 before the block), their product and the sum after term k\n"
      "(exact integers). The output is the last som shifted right by 15 bits, which\n"
      "rounds down (floor(som / 32768)), saturated to -32768..32767. iir:\n"
      "sectie,invoer,uitvoer,w0_voor,w1_voor,w0_na,w1_na, a row per stage: section\n"
      "0 the gain (no state), then each section with its input, its output and its\n"
      "state w[s][0] = w(n-1), w[s][1] = w(n-2) before and after the step; the last\n"
      "section's output is the output.\n"
      "\n"
      "Options:\n"
      "  --programma iir|fir   which program's signal and filter (required)\n" +
      lijstRegels("--signaal SIGNAAL", signaalNamen, signaalNamen.size(), Keuzes{}.signaal) +
      "  --amplitude A         peak value, an integer in 0.." + getal(maxAmplitude) +
      "\n"
      "                        (default: " +
      getal(IIRProgramma::startAmplitude) + " for iir, " + getal(FIRProgramma::startAmplitude) +
      " for fir)\n" +
      lijstRegels("--frequentie LABEL", frequentieLabels, frequentieFactoren.size(),
                  startFrequentieKeuze) +
      "  --png FILE            write the picture (with --respons: the plot) as PNG,\n"
      "                        instead of the CSV\n"
      "  --svg FILE            the same as SVG\n"
      "  --grootte BxH         size in pixels: of the panel for a cycle (default\n"
      "                        " +
      grootteTekst(standaardCyclusGrootte) + ", from " + grootteTekst(kleinsteCyclus) +
      "), of the plot for --respons\n"
      "                        and --spectrum (default " +
      grootteTekst(standaardGrafiekGrootte) + ", from " + grootteTekst(kleinsteGrafiek) +
      ")\n"
      "                        and --polen (default " +
      grootteTekst(standaardPolenGrootte) + "); at most " + grootteTekst(grootsteGrootte) +
      "\n"
      "  --wav FILE            the signal, half a second of silence and the filtered\n"
      "                        signal as a mono 16-bit WAV, each sample halved\n"
      "  --duur SECONDEN       with --wav: the signal's length, 0,1..60 (default 2;\n"
      "                        a decimal comma or point, at most six decimals)\n"
      "  --bemonstering HZ     with --wav: samples per second, " +
      getal(minBemonstering) + ".." + getal(maxBemonstering) +
      " (default\n"
      "                        " +
      getal(standaardBemonstering) +
      ")\n"
      "  --exact               fir only: a fourth CSV column, the " +
      getal(FilterLengte) +
      " taps as reals\n"
      "                        on the signal before it becomes 16-bit, with no\n"
      "                        rounding or saturation; an output is saturated where\n"
      "                        the shifted sum fell outside -32768..32767 and was\n"
      "                        cut off\n"
      "  --respons             the filter's magnitude response instead of a cycle\n"
      "  --punten N            with --respons as CSV: N frequencies evenly from 0 to pi\n"
      "                        (" +
      getal(minPunten) + ".." + getal(maxPunten) +
      ") instead of the eight of the choice\n"
      "  --spectrum            the cycle's input and output spectra instead of the\n"
      "                        cycle; with --png/--svg as a plot\n"
      "  --polen               the filter's zeros and poles instead of a cycle; with\n"
      "                        --png/--svg the z-plane, --frequentie marked on it\n"
      "  --coefficienten       the filter's coefficients as CSV instead of a cycle\n"
      "  --berekening N        how output N (0.." +
      getal(BlokLengte - 1) +
      ") of the cycle comes about,\n"
      "                        as CSV, instead of the cycle\n"
      "  --version             print the version and exit\n"
      "  -h, --help            print this help and exit\n"
      "\n"
      "FILE \"-\" is stdout; --png, --svg and --wav may be given together, but only\n"
      "one of them can be \"-\". An existing file is replaced whole, unless you may\n"
      "not write it: the new file keeps the old one's mode, its group where you may\n"
      "give it (as a member of the group), and its owner where root writes; it does\n"
      "not keep hard links (the other names keep the old contents), ACLs or extended\n"
      "attributes. Through a symbolic link its target is written, but in a sticky\n"
      "folder that everyone may write (such as /tmp) only a link of your own or of\n"
      "the folder's owner is followed. Anything other than a regular file (a\n"
      "directory, a device, a FIFO) is left alone and refused. Exit status 0 means\n"
      "the files written are on the disk.\n";
  if (!grafiekAlsPng()) {
    tekst += "This build writes the plots as SVG only (--respons, --spectrum, --polen).\n";
  }
  tekst += "\n"
           "Exit status: " +
           getal(statusGelukt) + " success, " + getal(statusSchrijfFout) +
           " an output could not be written, " + getal(statusGebruiksFout) +
           " usage error.\n"
           "\n"
           "Examples:\n"
           "  filtercyclus --programma fir --signaal stapfunktie --amplitude 20000\n"
           "  filtercyclus --programma iir --respons --svg iir-respons.svg\n";
  return tekst;
}
