#pragma once

#include "documents/payment_marks.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

namespace kw {

// The text of the marks file Uslugi/zaplaty.txt, UTF-8:
//
//   Kwitarnia: zapłaty rachunków, wersja 1
//   F<TAB>7<TAB>2026<TAB>2026-12-01<TAB>2026-12-09
//   F<TAB>8<TAB>2026<TAB>2026-12-02<TAB>nie
//
// After the first line, one line per marked bill: its kind, number,
// extension and issue date as stored, then the date it was paid or "nie"
// (unpaid: a cash bill that does not count as paid). In a field, "%", the
// tab and every other control character are written as "%" and two hex
// digits, so no field can end a line or a field.
struct MarkLine {
    BillKey key;
    bool paid = false;
    QDate date; // valid when paid

    friend bool operator==(const MarkLine&, const MarkLine&) = default;
};

QString paymentMarksHeading();

// Throws IoError naming `path` and the line when a line is not one
// formatMarkLines writes, or two lines mark the same bill. An empty file
// holds no marks.
QList<MarkLine> parseMarkLines(const QString& path, const QByteArray& bytes);
QByteArray formatMarkLines(const QList<MarkLine>& lines);

} // namespace kw
