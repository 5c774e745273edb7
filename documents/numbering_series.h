#pragma once

#include "store/file_ops.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

namespace kw {

// The numbers of the document file gathered for the numbering check, series
// by series. Only a few numbers per document are kept, so memory grows with
// the number of documents, never with the bytes of the file.

// A document whose number starts with digits (after blanks).
struct IssuedNumber {
    qint64 number = 0; // its leading digits, as readCount reads them
    qint64 position = 0;
    qint32 issued = 0;    // the issue date as YYYYMMDD, 0 when it is no such date
    bool plain = false;   // the number is written exactly as `number`: digits, no leading zero
    bool counted = false; // issued in the year checked
};

// A document whose number has no leading digits.
struct UnreadNumber {
    QByteArray text; // the number as stored (code page 1250)
    qint64 position = 0;
};

// The documents of one kind numbered with one extension.
struct NumberSeries {
    char kind = 'F';   // 'F' bills, 'K' corrective bills
    QByteArray suffix; // the extension as stored
    // By number, then by position, once gathered. A bill issued outside the
    // year checked is kept, uncounted, for the corrective bills that name it.
    std::vector<IssuedNumber> numbers;
    std::vector<UnreadNumber> unread; // in file order, counted ones only
};

// A corrective bill of the year checked.
struct CorrectiveBill {
    qint64 position = 0;
    QByteArray number;
    QByteArray suffix;
    QByteArray corrected; // the number of the bill it corrects, as stored
};

struct GatheredNumbers {
    std::vector<NumberSeries> series; // in the order of their first documents
    std::vector<CorrectiveBill> corrections;
    // "number/extension" (cut as a corrected bill's number is cut) of every
    // bill whose number is not plain; plain ones are found in their series.
    std::vector<QByteArray> otherBillNumbers;

    // Whether a stored bill has the number `reference` names, as a
    // corrective bill stores it.
    bool hasBill(QByteArrayView reference) const;
};

// The bills and corrective bills of `documentFile`, the opening record left
// out; `year` ("2026") counts only the documents issued that year, empty
// counts all. Read under the document lock, after finishing a save another
// instance left half-done; a long file in parts at once (streamInParts).
GatheredNumbers gatherNumbers(FileOps& ops, const QString& documentFile, const QString& year);

} // namespace kw
