#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace kw {

enum class CliCommand {
    Help,
    Version,
    List,
    Summary,
    PdfPosition,
    PdfMonth,
    Words,
    Backup,
    Restore,
    Mail,
    Settings,
    ListImport,
    ListExport,
    Copy,
    New,
    Paid,
    Unpaid
};

// The list a ListImport or ListExport works on.
enum class SlotListKind { Clients, Services };

// A bill line as given on the command line: the texts of grid columns 1 to
// 5 (name, PKWiU, unit, quantity, gross price); the line total follows.
using TypedBillLine = std::array<QString, 5>;

// One call of the program from the command line, checked and decoded.
struct CliRequest {
    CliCommand command = CliCommand::Help;
    QString year;                   // Summary: four digits
    QString client;                 // Summary: anyClient() when none was given
    std::optional<qint64> position; // PdfPosition, Mail, Copy, Paid: 1-based; empty for the last document
    QString month;                  // PdfMonth: "YYYY-MM"
    bool csv = false;               // List, Summary: CSV instead of text lines
    bool xlsx = false;              // List, Summary: a spreadsheet file instead of text lines
    // PdfPosition, PdfMonth, Backup; List and Summary with csv (empty for
    // standard output) or xlsx
    QString outputFile;
    QString address;                           // Mail: the recipient, may be empty
    QString archiveFile;                       // Restore: the backup to unpack
    QString restoreFolder;                     // Restore: the new or empty folder to unpack it into
    QString amount;                            // Words: a sign, digits and a decimal point or comma
    SlotListKind list = SlotListKind::Clients; // ListImport, ListExport
    QString csvFile;                           // ListImport, ListExport
    QString issueDate;                         // Copy, New: "YYYY-MM-DD"; empty for today
    QString serviceDate;                       // Copy, New: "YYYY-MM-DD"; empty for the issue date
    QString templateFile;                      // New
    QList<TypedBillLine> lines;                // New: lines 1..n; none keeps the template's
    QString paidOn;                            // Paid: "YYYY-MM-DD"; empty for today
    bool markUnpaid = false;                   // Paid with --unpaid
    bool overdueOnly = false;                  // Unpaid with --overdue
};

// Decodes the arguments after the program name. Options start with "--";
// a "--" on its own ends them, so what follows (e.g. "-5") is an argument.
// Throws CommandLineError naming what is wrong: an unknown command or
// option, a missing or extra argument, a malformed position, year, month,
// amount or date, a bill line that is not five fields with numbers for its
// quantity and price or whose text cannot be stored.
CliRequest parseCommandLine(const QStringList& args);

} // namespace kw
