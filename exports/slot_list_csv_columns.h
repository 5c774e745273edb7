#pragma once

#include "editing/slot_list.h"
#include "exports/csv.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace kw {

// Which cell of a CSV row feeds the slot number and each column of a list.
//
// A first row that names the list's first column ("Nazwa", "Nazwa usługi")
// is a header read by its names, in any order, ignoring case, Polish letters
// and surrounding blanks: a file from another program needs no rearranging.
// A first row that starts with "Nr" but does not name that column is a
// header of the program's own order, and so is a file without a header.
struct SlotListCsvColumns {
    bool firstRowIsHeader = false;
    // The header's names, not the position, say which cell is which.
    bool byNames = false;
    // The cell with the slot number; -1 when the file has none, so that
    // every row goes to a free slot.
    int slotCell = 0;
    // The cell of each list column; -1 when the file has none.
    QList<int> columnCells;
    // What each cell is called in messages: the header's own text when read
    // by names, else "Nr" and the list's captions; a row has at most as many
    // cells.
    QStringList cellNames;
    // The header's columns that are ignored, one line each.
    QStringList ignored;
    // Why no row of the file can be read; empty when they can.
    QString problem;
};

// The caption of the slot number's column, "Nr".
QString slotNumberCaption();

SlotListCsvColumns slotListCsvColumns(const SlotListLayout& layout, const CsvRow& firstRow);

} // namespace kw
