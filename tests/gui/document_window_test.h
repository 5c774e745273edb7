#pragma once

#include "tests/support/window_fixture.h"

#include <initializer_list>

// Stored documents built with the store's own record code, and short ways to
// drive the window's grid, list and commands.
class DocumentWindowTest : public WindowTest
{
protected:
    // A bill of one service for 10 zł, issued on 1 February 2009.
    static kw::DocumentRecord bill(const QString& number, const QString& buyer, const QString& kind = "F")
    {
        return document(number, QStringLiteral("2009-02-01"), buyer, {{QStringLiteral("Usługa ") + number, 10.0}},
                        kind);
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

    QByteArray settingsBytes() const { return bytes("Admini/rachunek.dat"); }

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
};
