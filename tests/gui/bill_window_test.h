#pragma once

#include "tests/support/window_fixture.h"

#include <QPalette>

#include <initializer_list>

// The window over a document file and settings that a test writes first,
// with short ways to read the grid and the files back.
class BillWindowTest : public WindowTest
{
protected:
    // Writes the document file: the sentinel, then `records`.
    void writeDocuments(std::initializer_list<kw::DocumentRecord> records)
    {
        QByteArray file = kw::sentinelRecord(QStringLiteral("2009-01-02")).bytes();
        for (const kw::DocumentRecord& r : records)
            file += r.bytes();
        writeBytes("Uslugi/dokumenty_r.dat", file);
    }

    void writeSettings(const kw::SettingsRecord& s) { writeBytes("Admini/rachunek.dat", s.bytes()); }

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

    static inline const QColor red{255, 0, 0};
    static inline const QColor navy{0, 0, 128};
};
