// iir_demo: the window shell with the double-precision IIR cascade.
// SPDX-License-Identifier: MIT
#include "firfilter.h"
#include "iir_programma.h"

using IIRDemo = FIRFilter<IIRProgramma>;
wxIMPLEMENT_APP(IIRDemo);
