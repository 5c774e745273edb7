#include "handoff/sales_register_command.h"

#include "handoff/windows_command_line.h"

namespace kw {
namespace {

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The day of a date written YYYY-MM-DD: the hyphen at character 8 and a day
// 01..31 at characters 9-10, so a date in another order never passes its
// year or month as the day.
bool hasDay(const QString& issueDate)
{
    if (issueDate.size() < 10 || issueDate[7] != u'-' || !isAsciiDigit(issueDate[8]) || !isAsciiDigit(issueDate[9]))
        return false;
    const int day = (issueDate[8].unicode() - u'0') * 10 + (issueDate[9].unicode() - u'0');
    return day >= 1 && day <= 31;
}

// The name of the first value holding a double quote, which would end the
// quoted argument early and let the rest of the value pass as arguments of
// its own; empty when there is none.
QString quotedValueName(const HandOffValues& values)
{
    const QChar quote = QLatin1Char('"');
    if (values.amount.contains(quote))
        return QStringLiteral("Kwota");
    if (values.number.contains(quote))
        return QStringLiteral("Numer");
    if (values.numberSuffix.contains(quote))
        return QStringLiteral("Rozszerzenie");
    return {};
}

} // namespace

SalesRegisterCommand salesRegisterCommand(const HandOffValues& values)
{
    if (!hasDay(values.issueDate))
        return {{},
                QStringLiteral("Data wystawienia „%1” nie zawiera dnia na pozycjach 9–10 "
                               "(oczekiwany zapis RRRR-MM-DD). Popraw datę wystawienia; "
                               "Ewidencja sprzedaży nie została uruchomiona.")
                    .arg(values.issueDate)};

    const QString quoted = quotedValueName(values);
    if (!quoted.isEmpty())
        return {{},
                QStringLiteral("%1 zawiera znak cudzysłowu (\"), którego nie można przekazać do "
                               "Ewidencji sprzedaży. Usuń go; Ewidencja sprzedaży nie została uruchomiona.")
                    .arg(quoted)};

    const QString day = values.issueDate.mid(8, 2);
    const QString marker = values.buyer == BuyerKind::Company ? QStringLiteral("*F* ") : QStringLiteral("*I* ");
    const QString line = QStringLiteral("ewidencja.exe ") + day + QLatin1Char(' ') + values.amount + QLatin1Char(' ') +
        quoteWindowsArgument(marker + values.number + QLatin1Char('/') + values.numberSuffix);
    if (line.size() > salesRegisterCommandLimit)
        return {{},
                QStringLiteral("Polecenie uruchomienia Ewidencji sprzedaży ma %1 znaków, a może mieć "
                               "najwyżej %2. Skróć kwotę, numer lub rozszerzenie; Ewidencja sprzedaży "
                               "nie została uruchomiona.")
                    .arg(line.size())
                    .arg(salesRegisterCommandLimit)};
    return {line, {}};
}

QString handOffNumberLabel(const QString& number, const QString& numberSuffix)
{
    return number + QLatin1Char('\\') + numberSuffix;
}

} // namespace kw
