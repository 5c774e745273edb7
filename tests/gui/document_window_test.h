#pragma once

#include "tests/support/window_fixture.h"

#include <initializer_list>

// Stored documents built with the store's own record code, and short ways to
// drive the window's grid, list and commands.
class DocumentWindowTest : public WindowTest {
protected:
    static kw::DocumentRecord bill(const QString& number, const QString& buyer, const QString& kind = "F")
    {
        kw::DocumentRecord r;
        r.set(kw::doc::Place, QStringLiteral("Kraków"));
        r.set(kw::doc::IssueDate, QStringLiteral("2009-02-01"));
        r.set(kw::doc::DocNumber, number);
        r.set(kw::doc::NumberSuffix, QStringLiteral("2009"));
        r.set(kw::doc::BuyerLine1, buyer);
        r.set(kw::doc::DocKind, kind);
        const kw::LineTable table = kind == "K" ? kw::LineTable::Correction : kw::LineTable::Bill;
        r.set(kw::lineCell(table, 1, 1), QStringLiteral("Usługa ") + number);
        r.set(kw::lineCell(table, 4, 1), QStringLiteral("   1.00"));
        r.set(kw::lineCell(table, 5, 1), QStringLiteral("   10.00"));
        r.set(kw::lineCell(table, 6, 1), QStringLiteral("    10.00"));
        return r;
    }

    static kw::DocumentRecord sentinel() { return kw::sentinelRecord(QStringLiteral("2009-01-02")); }

    // Writes the document file from records in file order; returns its bytes.
    QByteArray writeDocuments(std::initializer_list<kw::DocumentRecord> records)
    {
        QByteArray file;
        for (const kw::DocumentRecord& r : records)
            file += r.bytes();
        writeBytes("Uslugi/dokumenty_r.dat", file);
        return file;
    }

    QByteArray documents() const { return bytes("Uslugi/dokumenty_r.dat"); }
    QByteArray settingsBytes() const { return bytes("Admini/rachunek.dat"); }
    // Record `position` (1-based) of the document file as stored.
    kw::DocumentRecord stored(int position) const
    {
        return kw::DocumentRecord::fromBytes(documents().mid((position - 1) * kw::doc::Size, kw::doc::Size));
    }
    qint64 storedCount() const { return documents().size() / kw::doc::Size; }

    QString cell(int row, int column) const { return ui().tabela->item(row, column)->text(); }
    void setCell(int row, int column, const QString& text) { ui().tabela->item(row, column)->setText(text); }

    void selectLine(int row) { ui().lista->setCurrentIndex(ui().lista->model()->index(row, 0)); }
    QStringList listLines() const
    {
        QStringList lines;
        for (int row = 0; row < ui().lista->model()->rowCount(); ++row)
            lines << ui().lista->model()->index(row, 0).data().toString();
        return lines;
    }
    // Opens the bill list and loads the bill on line `row`.
    void loadFromList(int row)
    {
        ui().SpeedButton3->click();
        selectLine(row);
        ui().SpeedButton11->click();
    }

    void store(bool answer = true)
    {
        dialogs.answers.enqueue(answer);
        ui().SpeedButton2->click();
    }
    void remove(bool answer = true)
    {
        dialogs.answers.enqueue(answer);
        ui().SpeedButton8->click();
    }

    void expectNoErrors() const { EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString(); }
};
