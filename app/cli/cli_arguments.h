#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace kw {

enum class CliCommand { Help, Version, List, Summary, PdfPosition, PdfMonth, Words, Settings, ListImport, ListExport };

// The list a ListImport or ListExport works on.
enum class SlotListKind { Clients, Services };

// One call of the program from the command line, checked and decoded.
struct CliRequest {
    CliCommand command = CliCommand::Help;
    QString year;         // Summary: four digits
    QString client;       // Summary: anyClient() when none was given
    std::optional<qint64> position; // PdfPosition: 1-based; empty for the last document
    QString month;        // PdfMonth: "YYYY-MM"
    QString outputFile;   // PdfPosition, PdfMonth
    double amount = 0.0;  // Words
    SlotListKind list = SlotListKind::Clients; // ListImport, ListExport
    QString csvFile;      // ListImport, ListExport
};

// Decodes the arguments after the program name. Throws CommandLineError
// naming what is wrong: an unknown command, a missing or extra argument, a
// malformed position, year, month or amount.
CliRequest parseCommandLine(const QStringList& args);

} // namespace kw
