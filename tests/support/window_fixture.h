#pragma once

#include "app/Tfaktura_f.h"
#include "app/widgets/bevels.h"
#include "app/widgets/bill_grid.h"
#include "app/widgets/dbl_click_line_edit.h"
#include "app/widgets/month_calendar.h"
#include "app/widgets/selection_list.h"
#include "editing/amount_text.h"
#include "editing/bill_totals.h"
#include "store/records.h"
#include "tests/support/failing_file_ops.h"
#include "tests/support/file_bytes.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/temp_data_folder.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

// A temporary data folder with Admini and Uslugi, scripted dialogs, a fixed
// clock (5 March 2009) and the real main window started on demand. Every file
// call goes through `files`, which fails nothing until a test plans a failure.
class WindowTest : public ::testing::Test
{
protected:
    struct Line {
        QString name;
        double total; // quantity 1, so price and line total
    };

    // A stored document; `lines` go into BillLines for "F", CorrectionLines for "K".
    static kw::DocumentRecord document(const QString& number, const QString& issueDate, const QString& buyer,
                                       std::initializer_list<Line> lines, const QString& kind = QStringLiteral("F"))
    {
        kw::DocumentRecord r;
        r.set(kw::doc::Place, QStringLiteral("Kraków"));
        r.set(kw::doc::IssueDate, issueDate);
        r.set(kw::doc::DocNumber, number);
        r.set(kw::doc::NumberSuffix, QStringLiteral("2009"));
        r.set(kw::doc::BuyerLine1, buyer);
        r.set(kw::doc::DocKind, kind);
        setLines(r, kind == QLatin1String("K") ? kw::LineTable::Correction : kw::LineTable::Bill, lines);
        return r;
    }

    static void setLines(kw::DocumentRecord& r, kw::LineTable table, std::initializer_list<Line> lines)
    {
        int row = 1;
        for (const Line& line : lines) {
            r.set(kw::lineCell(table, 1, row), line.name);
            r.set(kw::lineCell(table, 4, row), QStringLiteral("   1.00"));
            const kw::Money total = kw::readAmount(QString::number(line.total, 'f', 2));
            r.set(kw::lineCell(table, 5, row), kw::formatAmount(total, 8));
            r.set(kw::lineCell(table, 6, row), kw::formatAmount(total, kw::lineTotalWidth));
            ++row;
        }
    }

    kw::Tfaktura_f& start(kw::Tfaktura_f::StartMode mode = kw::Tfaktura_f::StartMode::Complete)
    {
        window = std::make_unique<kw::Tfaktura_f>(platform, dir.path(), nullptr, mode);
        return *window;
    }

    const kw::FakturaUi& ui() const { return window->controls(); }

    QString path(const QString& relative) const { return dir.path() + QLatin1Char('/') + relative; }
    QByteArray bytes(const QString& relative) const { return kw::readFileBytesIfAny(path(relative)); }
    void writeBytes(const QString& relative, const QByteArray& data) const { kw::writeFileBytes(path(relative), data); }

    QByteArray documents() const { return bytes("Uslugi/dokumenty_r.dat"); }
    qint64 storedCount() const { return documents().size() / kw::doc::Size; }
    // Record `position` (1-based, the sentinel is 1) of the document file as stored.
    QByteArray storedBytes(int position) const
    {
        return documents().mid((position - 1) * kw::doc::Size, kw::doc::Size);
    }
    kw::DocumentRecord stored(int position) const { return kw::DocumentRecord::fromBytes(storedBytes(position)); }

    QString cell(int row, int column) const { return ui().tabela->item(row, column)->text(); }
    void setCell(int row, int column, const QString& text) { ui().tabela->item(row, column)->setText(text); }

    void expectNoErrors() const { EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString(); }

    kw::TempDataFolder dir;
    ScriptedDialogs dialogs;
    FixedClock clock;
    kw::FailingFileOps files;
    RecordingStarter processes;
    kw::Platform platform{dialogs, clock, files, processes};
    std::unique_ptr<kw::Tfaktura_f> window;
};
