#pragma once

#include "app/cli/cli_arguments.h"
#include "app/cli/table_output.h"
#include "print/bill_printout.h"
#include "store/data_folder.h"
#include "store/file_ops.h"

#include <QDate>
#include <QString>

#include <optional>

namespace kw {

// The commands of the command line. Each reads the data files through
// `ops`, prints its result on standard output and throws CommandLineError
// or IoError when it cannot. Only importCsvList, copyBill,
// newBillFromTemplate and markPaid change a data file; none but
// restoreDataFolder and markPaid (the marks file) creates one.

// "N: <line of the bill list>" for every stored document, N its position.
void listDocuments(FileOps& ops, const DataPaths& paths);

// Every bill and corrective bill, the opening record left out, as a table
// with one header row (see documentListTable and deliverTable).
void exportDocumentList(FileOps& ops, const DataPaths& paths, const QString& startFolder, const TableTarget& target);

// The summary panel's lines for `year` and `client` (anyClient() for all):
// always the title, the client when one is given, twelve months, the basis.
void printYearlySummary(FileOps& ops, const DataPaths& paths, const QString& year, const QString& client);

// The month totals of the summary as a table (see deliverTable).
void exportYearlySummary(FileOps& ops, const DataPaths& paths, const QString& startFolder, const QString& year,
                         const QString& client, const TableTarget& target);

// The "Słownie" line a printout shows for `amount`, a number as typed.
// Throws CommandLineError when the words cannot state it.
void printAmountWords(const QString& amount);

// The printout of the document at `position` (the last one when empty), as
// "Drukuj" prints it right after loading. Throws CommandLineError when there
// is no document at that position.
BillPrintout storedDocumentPrintout(FileOps& ops, const DataPaths& paths, const QString& startFolder,
                                    std::optional<qint64> position);

// The document at `position` (the last one when empty) printed into
// `pdfFile` as one page.
void exportDocument(FileOps& ops, const DataPaths& paths, const QString& startFolder, std::optional<qint64> position,
                    const QString& pdfFile);

// Every bill and corrective bill issued in `month` ("YYYY-MM"), in file
// order, one page each, printed into `pdfFile`. Nothing is written when
// there is none.
void exportMonth(FileOps& ops, const DataPaths& paths, const QString& startFolder, const QString& month,
                 const QString& pdfFile);

// "caption: text" for each field of the seller file, then of the settings
// file.
void printSettings(FileOps& ops, const DataPaths& paths);

// The client or service list of the data folder written into `csvFile`.
void exportCsvList(FileOps& ops, const DataPaths& paths, SlotListKind list, const QString& csvFile);

// The rows of `csvFile` taken into the client or service list of the data
// folder under the lock of the module's writers; slots in use are never
// changed. Prints the report; throws CommandLineError after storing the
// rows it took when some were refused.
void importCsvList(FileOps& ops, const DataPaths& paths, SlotListKind list, const QString& csvFile);

// A ZIP archive of every data file written as `zipFile` (see
// makeBackupArchive and writeOutputFile); each symbolic link left out is
// named.
void backupDataFolder(FileOps& ops, const DataPaths& paths, const QString& startFolder, const QString& zipFile);

// The backup `zipFile` unpacked into the new or empty `folder` (see
// restoreBackup). Unlike the other commands it writes data files, but only
// into a folder that holds none.
void restoreDataFolder(FileOps& ops, const QString& zipFile, const QString& folder);

// The desktop's mail composer opened with the document at `position` (the
// last one when empty) attached as a PDF, to `address` when one is given.
void mailDocument(FileOps& ops, const DataPaths& paths, const QString& startFolder, std::optional<qint64> position,
                  const QString& address);

// The dates of a bill a command issues; an empty one is today (issue) or
// the issue date (service).
struct BillDates {
    QString issue;
    QString service;
};

// A new bill like the stored document at `position` (the last one when
// empty), numbered and stored as "Nowy rachunek" and "Zapisz rachunek" do:
// the source's buyer, tax number, payment form and term and its lines (a
// corrective bill's lines after the correction). Prints "Zapisano rachunek
// NUMER (pozycja N)."; throws, having stored nothing, where the window would
// refuse or ask.
void copyBill(FileOps& ops, const DataPaths& paths, std::optional<qint64> position, const BillDates& dates);

// A new bill from the template file `templateFile` ("Wstaw szablon"), its
// lines replaced by `lines` when any are given, stored as copyBill stores.
void newBillFromTemplate(FileOps& ops, const DataPaths& paths, const QString& templateFile,
                         const QList<TypedBillLine>& lines, const BillDates& dates);

// Marks the bill or corrective bill at `position` (the last one when empty)
// paid on `paidOn`, or unpaid when it is empty (see markPayment). Prints
// e.g. "Rachunek 7/2026 (pozycja 12) zapłacony 2026-12-09.".
void markPaid(FileOps& ops, const DataPaths& paths, std::optional<qint64> position, std::optional<QDate> paidOn);

// The unpaid bills of "Należności" (only those past their due date with
// `overdueOnly`) as of today, a line each, then the total outstanding, or
// "Brak nieopłaconych rachunków.".
void printReceivables(FileOps& ops, const DataPaths& paths, bool overdueOnly);

// The same bills as a table (see receivablesTable and deliverTable).
void exportReceivables(FileOps& ops, const DataPaths& paths, const QString& startFolder, bool overdueOnly,
                       const TableTarget& target);

} // namespace kw
