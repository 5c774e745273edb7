#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <optional>

namespace kw {

// Workbooks as openpyxl, a reader written by nobody here, sees them (see
// xlsx_cells.py). Both throw std::runtime_error when openpyxl fails on the
// file.

// True when the system's Python has openpyxl.
bool openpyxlInstalled();

// The workbook's creator and, per sheet, frozen pane, widths and cells.
QJsonObject readXlsxWithOpenpyxl(const QString& path);

// Saves the workbook again through openpyxl with the document properties
// `settings` ("lastModifiedBy=Anna Nowak").
void resaveXlsxWithOpenpyxl(const QString& path, const QStringList& settings);

} // namespace kw
