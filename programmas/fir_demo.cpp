// fir_demo: the window shell with the 16-bit integer FIR filter.
// SPDX-License-Identifier: MIT
#include "fir_programma.h"
#include "firfilter.h"

using FIRDemo = FIRFilter<FIRProgramma>;
wxIMPLEMENT_APP(FIRDemo);
