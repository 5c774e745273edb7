#pragma once

#include "bill_printout.h"
#include "data_folder.h"
#include "file_ops.h"

#include <QString>

#include <optional>

namespace kw {

// The commands of the command line. Each reads the data files through
// `ops` without changing or creating any of them, prints its result on
// standard output and throws CommandLineError or IoError when it cannot.

// "N: <line of the bill list>" for every stored document, N its position.
void listDocuments(FileOps& ops, const DataPaths& paths);

// Every bill and corrective bill, the opening record left out, as a CSV
// table with one header row (see deliverCsv for `csvFile`).
void listDocumentsCsv(FileOps& ops, const DataPaths& paths, const QString& startFolder, const QString& csvFile);

// The summary panel's lines for `year` and `client` (anyClient() for all):
// always the title, the client when one is given, twelve months, the basis.
void printYearlySummary(FileOps& ops, const DataPaths& paths, const QString& year, const QString& client);

// The month totals of the summary as a CSV table (see deliverCsv).
void yearlySummaryCsv(FileOps& ops, const DataPaths& paths, const QString& startFolder, const QString& year,
                      const QString& client, const QString& csvFile);

// The "Słownie" line a printout shows for `amount`.
void printAmountWords(double amount);

// The printout of the document at `position` (the last one when empty), as
// "Drukuj" prints it right after loading. Throws CommandLineError when there
// is no document at that position.
BillPrintout storedDocumentPrintout(FileOps& ops, const DataPaths& paths, const QString& startFolder,
                                    std::optional<qint64> position);

// The document at `position` (the last one when empty) printed into
// `pdfFile` as one page.
void exportDocument(FileOps& ops, const DataPaths& paths, const QString& startFolder,
                    std::optional<qint64> position, const QString& pdfFile);

// Every bill and corrective bill issued in `month` ("YYYY-MM"), in file
// order, one page each, printed into `pdfFile`. Nothing is written when
// there is none.
void exportMonth(FileOps& ops, const DataPaths& paths, const QString& startFolder, const QString& month,
                 const QString& pdfFile);

// A ZIP archive of every data file written as `zipFile` (see
// makeBackupArchive and writeOutputFile).
void backupDataFolder(FileOps& ops, const DataPaths& paths, const QString& startFolder, const QString& zipFile);

// The desktop's mail composer opened with the document at `position` (the
// last one when empty) attached as a PDF, to `address` when one is given.
void mailDocument(FileOps& ops, const DataPaths& paths, const QString& startFolder, std::optional<qint64> position,
                  const QString& address);

} // namespace kw
