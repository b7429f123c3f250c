// The window's own texts, shared by both programs and both shells.
// SPDX-License-Identifier: MIT
#pragma once

inline constexpr const char* signaalLabel = "Signaal";
inline constexpr const char* amplitudeLabelTekst = "Signaalamplitude";
inline constexpr const char* frequentieLabelTekst = "Signaalfrequentie";
inline constexpr const char* tekenTekst = "Teken";
inline constexpr const char* stopTekst = "Stop";
inline constexpr const char* eindeTekst = "Einde";
inline constexpr const char* kopieerFoutMelding = "(startStopHandler) kon data niet inladen.";

// Beside the amplitude box when typed text was no number.
inline constexpr const char* geenGetalTekst = "Geen getal: de amplitude is niet veranderd.";

inline constexpr int kopTekstPunten = 16;
