#pragma once

#include "editing/amount_text.h"
#include "editing/bill_totals.h"
#include "tests/support/window_fixture.h"

#include <QPalette>

#include <initializer_list>

// The window over a document file and settings that a test writes first,
// with short ways to read the grid and the files back.
class BillWindowTest : public WindowTest {
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
            r.set(kw::lineCell(table, 5, row), kw::formatAmount(line.total, 8));
            r.set(kw::lineCell(table, 6, row), kw::formatAmount(line.total, kw::lineTotalWidth));
            ++row;
        }
    }

    // Writes the document file: the sentinel, then `records`.
    void writeDocuments(std::initializer_list<kw::DocumentRecord> records)
    {
        QByteArray file = kw::sentinelRecord(QStringLiteral("2009-01-02")).bytes();
        for (const kw::DocumentRecord& r : records)
            file += r.bytes();
        writeBytes("Uslugi/dokumenty_r.dat", file);
    }

    void writeSettings(const kw::SettingsRecord& s) { writeBytes("Admini/rachunek.dat", s.bytes()); }

    QByteArray documents() const { return bytes("Uslugi/dokumenty_r.dat"); }
    qint64 storedCount() const { return documents().size() / kw::doc::Size; }
    // Record `position` (1-based, the sentinel is 1) as stored.
    QByteArray storedBytes(int position) const { return documents().mid((position - 1) * kw::doc::Size, kw::doc::Size); }
    kw::DocumentRecord stored(int position) const { return kw::DocumentRecord::fromBytes(storedBytes(position)); }

    QString cell(int row, int column) const { return ui().tabela->item(row, column)->text(); }
    void setCell(int row, int column, const QString& text) { ui().tabela->item(row, column)->setText(text); }
    // The grid's cells (columns 1..6, lines 1..3) in the order of a line table.
    QStringList gridCells() const
    {
        QStringList cells;
        for (int c = 1; c <= kw::doc::Columns; ++c)
            for (int r = 1; r <= kw::doc::Lines; ++r)
                cells << cell(r, c);
        return cells;
    }
    static QStringList tableCells(const kw::DocumentRecord& r, kw::LineTable table)
    {
        QStringList cells;
        for (int c = 1; c <= kw::doc::Columns; ++c)
            for (int r2 = 1; r2 <= kw::doc::Lines; ++r2)
                cells << r.get(kw::lineCell(table, c, r2));
        return cells;
    }

    QColor gridColour() const { return ui().tabela->palette().color(QPalette::Active, QPalette::Text); }
    QColor label25Colour() const { return ui().Label25->palette().color(QPalette::Active, QPalette::WindowText); }
    bool shown(const QWidget* w) const { return w->isVisibleTo(window.get()); }

    void tick() { window->Timer2Timer(); }
    void expectNoErrors() const { EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString(); }

    static inline const QColor red{255, 0, 0};
    static inline const QColor navy{0, 0, 128};
};
