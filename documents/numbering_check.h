#pragma once

#include "store/file_ops.h"

#include <QString>
#include <QStringList>

namespace kw {

// The numbering check of the document file, one Polish line per finding.
// Bills and corrective bills are checked apart, and each number extension
// ("2026", "K/2026") is a series of its own. Numbers count by their leading
// digits, as a new number is counted on from the last one. A series lists:
// - the numbers missing between its lowest and its highest
//   ("brak numeru 5/2026", "brak numerów od 5/2026 do 9/2026"),
// - a number stored more than once ("numer 7/2026 dwa razy: pozycje 9 i 12"),
// - a number issued on an earlier date than the number below it, both named,
// - each number without leading digits, once, with its positions;
// then come the corrective bills whose corrected bill is not stored.
// Lines go series by series (bills first, each kind's series in the order of
// their first documents) and by number within a series; the corrective
// bills in file order. The opening record is no bill and is left out; so
// are records of neither kind. `year` ("2026") checks only the documents
// issued that year (a corrected bill may be of any year); empty checks all.
// Reads the file once, under the document lock, keeping a few numbers per
// document. Throws IoError when the file cannot be read.
QStringList numberingFindings(FileOps& ops, const QString& documentFile, const QString& year = QString());

// What the check says when it finds nothing.
QString numberingWithoutFindings();

// The findings of the check of `year` as one notice: numberingWithoutFindings()
// when there are none, else a title and the first `shown` findings, the
// others counted and left to the command line, which lists them all.
QString numberingNotice(const QStringList& findings, const QString& year, qsizetype shown = 25);

} // namespace kw
