#pragma once

#include <QString>

namespace kw {

// The longest command line the sales register is started with.
inline constexpr int salesRegisterCommandLimit = 250;

enum class BuyerKind { Company, Individual }; // ro1 "Firma *F*", ro2 "Indywidualny *I*"

// What the hand-off panel passes on.
struct HandOffValues {
    QString issueDate;    // data_wystawienia, YYYY-MM-DD
    QString amount;       // kwota_brutto, passed unchanged
    QString number;       // numerator
    QString numberSuffix; // rozszerzenie
    BuyerKind buyer = BuyerKind::Company;
};

// A command line, or the notice that says why none may be started.
struct SalesRegisterCommand {
    QString commandLine;
    QString refusal;
    bool ok() const { return refusal.isEmpty(); }
};

// Builds: ewidencja.exe <day> <amount> "<*F* or *I*> <number>/<suffix>",
// the day being characters 9-10 of the issue date. Refused when the issue
// date has no day there (a hyphen at 8, then 01..31), when the amount,
// number or suffix holds a double quote, or when the line is longer than
// salesRegisterCommandLimit.
SalesRegisterCommand salesRegisterCommand(const HandOffValues& values);

// Label92: the bill's number as the panel shows it, e.g. "12\2009".
QString handOffNumberLabel(const QString& number, const QString& numberSuffix);

} // namespace kw
