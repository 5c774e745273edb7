#include "sales_register_command.h"

namespace kw {
namespace {

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

} // namespace

SalesRegisterCommand salesRegisterCommand(const HandOffValues& values)
{
    const QString day = values.issueDate.mid(8, 2);
    if (day.size() != 2 || !isAsciiDigit(day[0]) || !isAsciiDigit(day[1]))
        return {{},
                QStringLiteral("Data wystawienia „%1” nie zawiera dnia na pozycjach 9–10 "
                               "(oczekiwany zapis RRRR-MM-DD). Popraw datę wystawienia; "
                               "Ewidencja sprzedaży nie została uruchomiona.")
                    .arg(values.issueDate)};

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
