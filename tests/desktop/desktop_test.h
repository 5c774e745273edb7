#pragma once

#include "store/records.h"
#include "tests/desktop/desktop_session.h"
#include "tests/support/temp_data_folder.h"

#include <QDate>
#include <QPoint>

#include <gtest/gtest.h>

#include <memory>

// One scenario on a desktop of its own: a data folder with a client list
// "stali.kli" (clients in slots 1 to 3) and a service list "cennik.usl"
// (services in slots 1 to 3), the program started in it, and the ways a
// person works the window: keys, clicks, dialogs answered with keys.
// A new scenario is one more TEST_F on this fixture.
class DesktopTest : public ::testing::Test
{
protected:
    static constexpr int storedBillPosition = 2; // after the start-up's first record

    void SetUp() override;

    // Window coordinates of the middle of grid cell (row, column).
    static QPoint cellCentre(int row, int column);
    // Clicks a grid cell and types into it at once, 30 ms per key.
    void clickCellAndType(int row, int column, const QString& text);
    // F4 in a field that has a list, the file typed into the file dialog,
    // then the list line chosen with the arrow keys and Return.
    void chooseFromList(const QString& fileName, int line);
    // Ctrl+S, and "Tak" to the question with Return.
    void storeWithKeys();
    // The record at `position` once the document file holds it.
    kw::DocumentRecord stored(int position) const;
    QByteArray storedBytes(int position) const;

    QString listFile(const QString& name) const { return folder.filePath(QStringLiteral("Uslugi/") + name); }
    static QString client(int slot, int line) { return QStringLiteral("Klient %1 wiersz %2").arg(slot).arg(line); }
    static QString service(int slot) { return QStringLiteral("Usługa %1").arg(slot); }
    static QString price(int slot) { return QString::number(slot * 10 + 0.5, 'f', 2); }

    kw::TempDataFolder folder;
    std::unique_ptr<DesktopSession> session;

private:
    void writeDataFolder() const;
};
