#pragma once

// A hand-off header that reaches into the printout, a folder of the same
// floor: the layer check must refuse it.
#include "print/bill_printout.h"
