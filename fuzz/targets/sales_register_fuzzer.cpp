// The sales register's command line built from fuzzed panel values and
// split as Windows splits it: what is started gets the day and the bill's
// number exactly as given, never an argument of its own.

#include "fuzz/fuzz_checks.h"
#include "fuzz/fuzz_input.h"
#include "handoff/sales_register_command.h"
#include "handoff/windows_command_line.h"

#include <cstdint>

using namespace kw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::FuzzInput input(data, size);
    HandOffValues values;
    values.buyer = input.byte() % 2 ? BuyerKind::Company : BuyerKind::Individual;
    values.issueDate = input.text(12);
    values.amount = input.text(20);
    values.number = input.text(20);
    values.numberSuffix = input.text(40);
    const SalesRegisterCommand command = salesRegisterCommand(values);
    if (!command.ok())
        return 0;
    if (command.commandLine.size() > salesRegisterCommandLimit)
        fuzz::fail("command line over the limit", command.commandLine);
    const QStringList arguments = splitWindowsCommandLine(command.commandLine);
    const QString marker = values.buyer == BuyerKind::Company ? QStringLiteral("*F* ") : QStringLiteral("*I* ");
    if (arguments.size() < 3 || arguments[1] != values.issueDate.mid(8, 2) ||
        arguments.last() != marker + values.number + QLatin1Char('/') + values.numberSuffix)
        fuzz::fail("arguments differ from the values", command.commandLine);
    return 0;
}
