#pragma once

#include <QString>
#include <QStringList>

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
    ListExport
};

// The list a ListImport or ListExport works on.
enum class SlotListKind { Clients, Services };

// One call of the program from the command line, checked and decoded.
struct CliRequest {
    CliCommand command = CliCommand::Help;
    QString year;                   // Summary: four digits
    QString client;                 // Summary: anyClient() when none was given
    std::optional<qint64> position; // PdfPosition, Mail: 1-based; empty for the last document
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
};

// Decodes the arguments after the program name. Options start with "--";
// a "--" on its own ends them, so what follows (e.g. "-5") is an argument.
// Throws CommandLineError naming what is wrong: an unknown command or
// option, a missing or extra argument, a malformed position, year, month or
// amount.
CliRequest parseCommandLine(const QStringList& args);

} // namespace kw
