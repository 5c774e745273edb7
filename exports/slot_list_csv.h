#pragma once

#include "editing/slot_list.h"
#include "exports/csv.h"
#include "store/file_ops.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace kw {

// Client and service lists exchanged with spreadsheets: a header row ("Nr"
// and the column captions), then one row per slot in use: its slot number
// and its texts, amounts with a decimal comma.

QByteArray slotListCsv(const SlotList& list);

// The header rows of the client and the service list's files.
QList<CsvRow> slotListCsvHeads();

// The open and save dialogs' filter for these files.
QString slotListCsvFilter();

// Writes slotListCsv(list) into `path` as an output file for the user
// (writeOutputFile: never into the data folders `baseFolders` hold, never
// over a file of another kind); throws IoError leaving any earlier file of
// that name as it was when it cannot.
void writeSlotListCsv(FileOps& ops, const QString& path, const SlotList& list, const QStringList& baseFolders);

// The bytes of the CSV file at `path`; throws IoError when it cannot be read.
QByteArray readCsvFile(FileOps& ops, const QString& path);

// What an import of a CSV file into a list would do.
struct SlotListImport {
    struct Row {
        int slot;
        QStringList values;
    };
    // Rows that can be taken, each with the slot it goes to: the slot its
    // "Nr" gives, or the next free one when "Nr" is empty or absent.
    QList<Row> rows;
    // One line for each column of the file's header that is ignored.
    QStringList ignoredColumns;
    // "wiersz N: reason" for each row that cannot be taken, N the line of
    // the file the row starts on.
    QStringList refused;
    // Slots in use that rows would change.
    QList<int> slotsInUse;
};

// Reads `csv` against `list`, its columns by the names of its header or by
// position (see slotListCsvColumns); a column the file does not have keeps
// the slot's text. Refuses rows with a wrong slot number, a slot given
// twice, too many cells, a control character in a cell, an empty name, too
// long a text or a character the files cannot hold, and rows with no free
// slot left; a quoted cell left open refuses its row and the rest of the
// file.
SlotListImport planImport(const SlotList& list, const QByteArray& csv);

// What an import did: how many rows it took, how many it refused, and the
// report that says so and lists the ignored columns and the refused rows
// with their reasons.
struct SlotListImportReport {
    int taken = 0;
    int refused = 0;
    QString text;
};

// Takes the rows of `plan` into `list`; rows aimed at a slot in use are
// taken only with `overwrite` and refused otherwise.
SlotListImportReport applyImport(SlotList& list, SlotListImport plan, bool overwrite);

} // namespace kw
