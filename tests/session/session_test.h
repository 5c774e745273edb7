#pragma once

#include "session/document_session.h"
#include "tests/support/failing_file_ops.h"
#include "tests/support/qt_printers.h"
#include "tests/support/temp_data_folder.h"

#include <QByteArray>
#include <QString>
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>

namespace kw {

// A document session on a data folder of its own, on 5 March 2009, with
// the data files written and read back as bytes.
class SessionTest : public ::testing::Test
{
protected:
    static QString today() { return QStringLiteral("2009-03-05"); }

    // Start-up: the settings, then the last stored document.
    void start();
    // Changes the form as the user would in the window.
    void edit(const std::function<void(DocumentForm&)>& change);

    QByteArray writeDocuments(std::initializer_list<DocumentRecord> records);
    void writeSettings(const SettingsRecord& settings);
    QByteArray documents() const;
    qint64 storedCount() const;
    DocumentRecord stored(qint64 position) const;
    QByteArray settingsBytes() const;

public:
    static DocumentRecord sentinel();
    // Bill `number`/2009 to `buyer`: one line of 2 × 10.00, sent by transfer.
    static DocumentRecord bill(const QString& number, const QString& buyer);
    // Corrective bill `number`/K/2009 of bill 2/2009, lowering its price to 8.00.
    static DocumentRecord correctiveBill(const QString& number);

protected:
    TempDataFolder folder;
    FailingFileOps ops;
    DocumentSession session{ops};
};

// The cell of a form, column 1..6 and line 1..3 as the window counts them.
inline QString& cellOf(DocumentForm& form, int column, int line) { return form.cells[column - 1][line - 1]; }
inline const QString& cellOf(const DocumentForm& form, int column, int line)
{
    return form.cells[column - 1][line - 1];
}

// The bytes of one line table of a record.
QByteArray tableBytes(const DocumentRecord& record, LineTable table);

} // namespace kw
