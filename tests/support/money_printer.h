#pragma once

#include "editing/money.h"

#include <ostream>

namespace kw {

// Lets failed expectations show amounts as numbers instead of raw bytes.
inline void PrintTo(Money amount, std::ostream* os) { *os << amount.units() << " ten-thousandths"; }

} // namespace kw
