#pragma once

#include "handoff/sales_register_command.h"

namespace kw {

// A bill of 123.45 zł, number 12/2009 issued on 7 May 2009, to a company.
inline HandOffValues exampleHandOff()
{
    return {QStringLiteral("2009-05-07"), QStringLiteral("      123.45"), QStringLiteral("12"), QStringLiteral("2009"),
            BuyerKind::Company};
}

} // namespace kw
