#include "tests/desktop/desktop_test.h"

#include "tests/support/file_bytes.h"

using namespace kw;

namespace {

// Where the grid and its columns lie in the window.
constexpr int gridLeft = 10 + 16;
constexpr int gridTop = 10 + 308;
constexpr int gridFrame = 1;
constexpr int rowHeight = 17;
constexpr int columnWidths[] = {22, 310, 76, 38, 51, 64, 74};

} // namespace

void DesktopTest::SetUp()
{
    const QString missing = DesktopSession::missingTools();
    if (!missing.isEmpty())
        GTEST_SKIP() << "not installed: " << missing.toStdString();
    writeDataFolder();
    session = std::make_unique<DesktopSession>();
    ASSERT_TRUE(session->startProgram(QStringLiteral(KW_PROGRAM), folder.path())) << session->problem().toStdString();
}

void DesktopTest::writeDataFolder() const
{
    SettingsRecord settings;
    settings.set(settings::Place, QStringLiteral("Kraków"));
    settings.set(settings::BillNumber, QStringLiteral("7"));
    settings.set(settings::BillSuffix, QStringLiteral("2026"));
    settings.set(settings::Signature, QStringLiteral("Jan Nowak"));
    writeFileBytes(folder.filePath(QStringLiteral("Admini/rachunek.dat")), settings.bytes());

    ClientListRecord clients = emptyClientList();
    ServiceListRecord services = emptyServiceList();
    for (int slot = 1; slot <= 3; ++slot) {
        for (int line = 1; line <= 4; ++line)
            clients.set(clients::line(line, slot), client(slot, line));
        clients.set(clients::taxId(slot), QStringLiteral("111-222-33-%1").arg(slot));
        services.set(services::name(slot), service(slot));
        services.set(services::pkwiu(slot), QStringLiteral("62.0%1").arg(slot));
        services.set(services::unit(slot), QStringLiteral("godz"));
        services.set(services::price(slot), price(slot));
    }
    writeFileBytes(folder.filePath(QStringLiteral("Uslugi/stali.kli")), clients.bytes());
    writeFileBytes(folder.filePath(QStringLiteral("Uslugi/cennik.usl")), services.bytes());
}

QPoint DesktopTest::cellCentre(int row, int column)
{
    int left = gridLeft + gridFrame;
    for (int c = 0; c < column; ++c)
        left += columnWidths[c];
    return {left + columnWidths[column] / 2, gridTop + gridFrame + row * rowHeight + rowHeight / 2};
}

void DesktopTest::clickCellAndType(int row, int column, const QString& text)
{
    const QPoint centre = cellCentre(row, column);
    session->click(centre.x(), centre.y());
    session->type(text);
}

void DesktopTest::chooseFromList(const QString& fileName, int line)
{
    session->key(QStringLiteral("F4"));
    ASSERT_TRUE(session->waitForDialog());
    session->type(listFile(fileName));
    session->key(QStringLiteral("Return"));
    // The line is chosen as soon as the dialog has gone, as a person who
    // knows the list does, before the program has shown it.
    ASSERT_TRUE(session->waitForMainWindow());
    for (int i = 0; i < line; ++i)
        session->key(QStringLiteral("Down"));
    session->key(QStringLiteral("Return"));
}

void DesktopTest::storeWithKeys()
{
    session->key(QStringLiteral("ctrl+s"));
    ASSERT_TRUE(session->waitForDialog());
    session->key(QStringLiteral("Return"));
    ASSERT_TRUE(session->waitForMainWindow());
}

QByteArray DesktopTest::storedBytes(int position) const
{
    QByteArray documents;
    DesktopSession::waitFor([&] {
        documents = readFileBytesIfAny(folder.filePath(QStringLiteral("Uslugi/dokumenty_r.dat")));
        return documents.size() >= position * doc::Size;
    });
    return documents.mid((position - 1) * doc::Size, doc::Size);
}

DocumentRecord DesktopTest::stored(int position) const { return DocumentRecord::fromBytes(storedBytes(position)); }
