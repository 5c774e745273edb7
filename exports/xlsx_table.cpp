#include "exports/xlsx_table.h"

#include "exports/xlsx_output_kind.h"
#include "store/io_error.h"

#include <QDate>
#include <QFile>

#include <xlsxwriter.h>

#include <charconv>
#include <cstdio>
#include <optional>
#include <utility>

namespace kw {

namespace {

// The sheet holds this many rows, the header row included.
constexpr qint64 maxRows = 1048576;
// Read from the finished file in pieces of this size.
constexpr qint64 copyPiece = 1 << 16;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The number an amount cell states: an optional minus, digits and
// optionally a decimal comma followed by digits; nothing else, so a cell
// holding other text stays text.
std::optional<double> amountOf(QByteArrayView cell)
{
    qsizetype i = cell.startsWith('-') ? 1 : 0;
    const qsizetype digitsStart = i;
    while (i < cell.size() && isDigit(cell[i]))
        ++i;
    if (i == digitsStart)
        return std::nullopt;
    QByteArray number(cell.data(), i);
    if (i < cell.size()) {
        if (cell[i] != ',' || i + 1 == cell.size())
            return std::nullopt;
        number.append('.');
        for (++i; i < cell.size(); ++i) {
            if (!isDigit(cell[i]))
                return std::nullopt;
            number.append(cell[i]);
        }
    }
    double value = 0;
    const auto [end, error] = std::from_chars(number.constData(), number.constData() + number.size(), value);
    if (error != std::errc() || end != number.constData() + number.size())
        return std::nullopt;
    return value;
}

// The date a date cell states as "YYYY-MM-DD", from 1900 on as spreadsheets
// count days.
std::optional<lxw_datetime> dateOf(QByteArrayView cell)
{
    const QDate date = QDate::fromString(QString::fromLatin1(cell), Qt::ISODate);
    if (cell.size() != 10 || !date.isValid() || date.year() < 1900)
        return std::nullopt;
    lxw_datetime datetime{};
    datetime.year = date.year();
    datetime.month = date.month();
    datetime.day = date.day();
    return datetime;
}

} // namespace

XlsxTable::XlsxTable(const ExportTable& table) : table_(table)
{
    if (!folder_.isValid())
        throw IoError(
            QStringLiteral("Nie można utworzyć folderu tymczasowego dla arkusza XLSX: %1.").arg(folder_.errorString()));
    path_ = QFile::encodeName(folder_.filePath(QStringLiteral("arkusz.xlsx")));
    const QByteArray tmpdir = QFile::encodeName(folder_.path());
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = const_cast<char*>(tmpdir.constData());
    workbook_ = workbook_new_opt(path_.constData(), &options);
    if (!workbook_)
        throw IoError(QStringLiteral("Nie można utworzyć arkusza XLSX w folderze %1.").arg(folder_.path()));

    const QByteArray author = xlsxAuthor().toUtf8();
    const QByteArray title = table.sheetName.toUtf8();
    lxw_doc_properties properties{};
    properties.author = const_cast<char*>(author.constData());
    properties.title = const_cast<char*>(title.constData());
    if (const lxw_error error = workbook_set_properties(workbook_, &properties))
        fail(error);

    sheet_ = workbook_add_worksheet(workbook_, title.constData());
    if (!sheet_)
        throw IoError(QStringLiteral("Nie można dodać arkusza „%1” do pliku XLSX.").arg(table.sheetName));
    amountFormat_ = workbook_add_format(workbook_);
    format_set_num_format(amountFormat_, "0.00");
    dateFormat_ = workbook_add_format(workbook_);
    format_set_num_format(dateFormat_, "yyyy-mm-dd");
    lxw_format* headerFormat = workbook_add_format(workbook_);
    format_set_bold(headerFormat);

    for (qsizetype column = 0; column < table.columns.size(); ++column) {
        const auto index = lxw_col_t(column);
        if (const lxw_error error = worksheet_set_column(sheet_, index, index, table.columns[column].width, nullptr))
            fail(error);
        const QByteArray heading = table.columns[column].title.toUtf8();
        if (const lxw_error error = worksheet_write_string(sheet_, 0, index, heading.constData(), headerFormat))
            fail(error);
    }
    worksheet_freeze_panes(sheet_, 1, 0);
    nextRow_ = 1;
}

XlsxTable::~XlsxTable()
{
    // A workbook given up half-way is never written. Freeing it leaves the
    // sheet's row file open, so that is closed first.
    if (!workbook_)
        return;
    if (sheet_ && sheet_->optimize_tmpfile) {
        std::fclose(sheet_->optimize_tmpfile);
        sheet_->optimize_tmpfile = nullptr;
    }
    lxw_workbook_free(workbook_);
}

void XlsxTable::addRow(const ExportRow& row)
{
    if (nextRow_ == maxRows)
        throw IoError(QStringLiteral("Arkusz XLSX mieści najwyżej %1 wierszy; tabela ma ich więcej.").arg(maxRows));
    for (qsizetype column = 0; column < row.size() && column < table_.columns.size(); ++column)
        writeCell(int(column), row);
    ++nextRow_;
}

void XlsxTable::writeCell(int column, const ExportRow& row)
{
    const QByteArrayView cell = row.cell(column);
    if (cell.isEmpty())
        return;
    const auto at = lxw_row_t(nextRow_);
    const auto index = lxw_col_t(column);
    lxw_error error = LXW_NO_ERROR;
    const ColumnType type = table_.columns[column].type;
    std::optional<double> amount;
    std::optional<lxw_datetime> date;
    if (type == ColumnType::Amount && (amount = amountOf(cell)))
        error = worksheet_write_number(sheet_, at, index, *amount, amountFormat_);
    else if (type == ColumnType::Date && (date = dateOf(cell)))
        error = worksheet_write_datetime(sheet_, at, index, &*date, dateFormat_);
    else
        error = worksheet_write_string(sheet_, at, index, row.cellCString(column), nullptr);
    if (error)
        fail(error);
}

void XlsxTable::finish(OutputSink& sink)
{
    lxw_workbook* workbook = std::exchange(workbook_, nullptr);
    if (const lxw_error error = workbook_close(workbook))
        fail(error);
    QFile file(QFile::decodeName(path_));
    if (!file.open(QIODevice::ReadOnly))
        throw IoError(QStringLiteral("Nie można odczytać gotowego arkusza XLSX %1: %2.")
                          .arg(file.fileName(), file.errorString()));
    QByteArray piece(copyPiece, Qt::Uninitialized);
    qint64 read = 0;
    while ((read = file.read(piece.data(), copyPiece)) > 0)
        sink.write(QByteArrayView(piece.constData(), read));
    if (read < 0)
        throw IoError(QStringLiteral("Nie można odczytać gotowego arkusza XLSX %1: %2.")
                          .arg(file.fileName(), file.errorString()));
}

void XlsxTable::fail(int error) const
{
    throw IoError(QStringLiteral("Nie można zapisać arkusza XLSX: %1.")
                      .arg(QString::fromLocal8Bit(lxw_strerror(lxw_error(error)))));
}

} // namespace kw
