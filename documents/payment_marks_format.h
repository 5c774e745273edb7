#pragma once

#include "documents/payment_marks.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>

#include <functional>
#include <string>
#include <string_view>

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
// tab and every other control character are written as "%" and two
// upper-case hex digits, so no field can end a line or a field, and a key is
// written in one way only.
struct MarkLine {
    BillKey key;
    bool paid = false;
    QDate date; // valid when paid

    friend bool operator==(const MarkLine&, const MarkLine&) = default;
};

// A line of the file as it stands: the bill's key as written (the first four
// fields with the tabs between them) and the payment.
struct WrittenMark {
    std::string_view key;
    bool paid = false;
    QDate date;
};

QString paymentMarksHeading();

// Checks every line of `bytes` and hands its mark, which views `bytes`, to
// `take`, which returns false when it has a mark of that bill already.
// Throws IoError naming `path` and the line when a line is not one
// formatMarkLines writes, or two lines mark the same bill. An empty file
// holds no marks.
void scanMarkLines(const QString& path, QByteArrayView bytes, const std::function<bool(const WrittenMark&)>& take);
// The error of line `line` (1-based) of `path` that marks a bill an earlier
// line marks already.
QString repeatedMarkError(const QString& path, qsizetype line);
// The same, each key read into its fields.
QList<MarkLine> parseMarkLines(const QString& path, const QByteArray& bytes);
QByteArray formatMarkLines(const QList<MarkLine>& lines);

// The key of a bill as a line of the file writes it: from its fields, or
// from the bytes of its record, into `out`, whose buffer is reused.
std::string writtenKey(const BillKey& key);
void writtenKeyOf(QByteArrayView record, std::string& out);

} // namespace kw
