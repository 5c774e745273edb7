#include "sales_register_command.h"

namespace kw {
namespace {

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The day of a date written YYYY-MM-DD: the hyphen at character 8 and a day
// 01..31 at characters 9-10, so a date in another order never passes its
// year or month as the day.
bool hasDay(const QString& issueDate)
{
    if (issueDate.size() < 10 || issueDate[7] != u'-' || !isAsciiDigit(issueDate[8]) ||
        !isAsciiDigit(issueDate[9]))
        return false;
    const int day = (issueDate[8].unicode() - u'0') * 10 + (issueDate[9].unicode() - u'0');
    return day >= 1 && day <= 31;
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

    const QString day = values.issueDate.mid(8, 2);
    const QString marker = values.buyer == BuyerKind::Company ? QStringLiteral("*F* ") : QStringLiteral("*I* ");
    const QString line = QStringLiteral("ewidencja.exe ") + day + QLatin1Char(' ') + values.amount +
                         QStringLiteral(" \"") + marker + values.number + QLatin1Char('/') +
                         values.numberSuffix + QLatin1Char('"');
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
