#pragma once

#include "exports/export_table.h"
#include "store/output_file.h"

#include <QTemporaryDir>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace kw {

// An exported table as a workbook of one sheet for spreadsheets, written
// row by row in libxlsxwriter's constant-memory mode, so memory does not
// grow with the rows: amount cells as numbers with two decimals, date cells
// as dates, every other cell as text whatever it looks like; the header row
// frozen, the columns as wide as the table says. The workbook names
// xlsxAuthor() as its author, by which xlsxOutputKind() knows it again.
//
// libxlsxwriter writes into a folder of its own, which only this object
// uses and which goes with it.
class XlsxTable
{
public:
    // Starts the workbook and writes the header row. Throws IoError when the
    // temporary folder or the workbook cannot be made.
    explicit XlsxTable(const ExportTable& table);
    ~XlsxTable();
    XlsxTable(const XlsxTable&) = delete;
    XlsxTable& operator=(const XlsxTable&) = delete;

    // Writes the next row, one cell per column. Throws IoError when the
    // sheet takes no more rows or a cell cannot be written.
    void addRow(const ExportRow& row);
    // The rows written, the header row included.
    qint64 rowCount() const { return nextRow_; }

    // Closes the workbook and writes the file's bytes into `sink`, in
    // pieces. Throws IoError when the workbook cannot be completed or read.
    void finish(OutputSink& sink);

private:
    void writeCell(int column, const ExportRow& row);
    [[noreturn]] void fail(int error) const;

    ExportTable table_;
    QTemporaryDir folder_;
    QByteArray path_;
    lxw_workbook* workbook_ = nullptr;
    lxw_worksheet* sheet_ = nullptr;
    lxw_format* amountFormat_ = nullptr;
    lxw_format* dateFormat_ = nullptr;
    qint64 nextRow_ = 0;
};

} // namespace kw
