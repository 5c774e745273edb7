#include "store/records.h"
#include "tests/desktop/desktop_session.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temp_data_folder.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

using namespace kw;

namespace {

// A new data folder as the menu start creates it, the program started in it.
class NewFolderDesktopTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString missing = DesktopSession::missingTools();
        if (!missing.isEmpty())
            GTEST_SKIP() << "not installed: " << missing.toStdString();
        for (const char* sub : {"Szablony", "FONT"})
            QDir(folder.path()).mkpath(QString::fromLatin1(sub));
        session = std::make_unique<DesktopSession>();
        ASSERT_TRUE(session->startProgram(QStringLiteral(KW_PROGRAM), folder.path()))
            << session->problem().toStdString();
    }

    QByteArray fileBytes(const QString& relative) const { return readFileBytesIfAny(folder.filePath(relative)); }

    // Waits until `relative` holds `text` in `field` of its first record.
    bool waitForField(const QString& relative, StringField field, const QString& text) const
    {
        return DesktopSession::waitFor([&] { return readString(fileBytes(relative), field) == text; });
    }

    // The text of a PDF of the last stored document, printed by the command line.
    QString lastDocumentAsText() const
    {
        QProcess pdf;
        pdf.setWorkingDirectory(folder.path());
        pdf.start(QStringLiteral(KW_PROGRAM),
                  {QStringLiteral("pdf"), QStringLiteral("last"), QStringLiteral("bill.pdf")});
        if (!pdf.waitForFinished(30000) || pdf.exitCode() != 0)
            return QStringLiteral("pdf failed: ") + QString::fromUtf8(pdf.readAllStandardError());
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {folder.filePath(QStringLiteral("bill.pdf")), QStringLiteral("-")});
        text.waitForFinished(30000);
        return QString::fromUtf8(text.readAllStandardOutput());
    }

    TempDataFolder folder;
    std::unique_ptr<DesktopSession> session;
};

// The seller and a client entered through "Ustawienia" with the keyboard,
// then a bill for that client stored and printed with the seller block.
TEST_F(NewFolderDesktopTest, SellerAndClientFromTheSettingsWindowReachThePrintedBill)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "not installed: pdftotext";
    session->key(QStringLiteral("ctrl+comma"));
    ASSERT_TRUE(session->waitForDialog());
    const QStringList seller = {
        QStringLiteral("Zakład Szklarski Żółw"), QStringLiteral("ul. Źródlana 5"),
        QStringLiteral("31-000 Kraków"),         QStringLiteral("123-456-32-18"),
        QStringLiteral("Bank Śląski"),           QStringLiteral("61 1090 1014 0000 0712 1981 2874")};
    for (int i = 0; i < seller.size(); ++i) {
        if (i > 0)
            session->key(QStringLiteral("Tab"));
        session->type(seller[i]);
    }
    session->key(QStringLiteral("alt+z"));
    ASSERT_TRUE(waitForField(QStringLiteral("Admini/firma.dat"), company::SellerAccount, seller[5]));
    EXPECT_EQ(readString(fileBytes(QStringLiteral("Admini/firma.dat")), company::SellerLine1), seller[0]);

    session->keys({QStringLiteral("alt+k"), QStringLiteral("alt+n")});
    session->type(QStringLiteral("Łucja Gęślarz"));
    session->key(QStringLiteral("Tab"));
    session->type(QStringLiteral("ul. Ogrodowa 1"));
    session->keys({QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("Tab")});
    session->type(QStringLiteral("5260250274"));
    session->key(QStringLiteral("alt+z"));
    ASSERT_TRUE(waitForField(QStringLiteral("Uslugi/klienci.dat"), clients::taxId(1), QStringLiteral("5260250274")));
    EXPECT_EQ(readString(fileBytes(QStringLiteral("Uslugi/klienci.dat")), clients::line(1, 1)),
              QStringLiteral("Łucja Gęślarz"));
    session->key(QStringLiteral("Escape"));
    ASSERT_TRUE(session->waitForMainWindow());

    // A new bill for the client, from the client list, stored with the keys.
    session->key(QStringLiteral("ctrl+n"));
    session->keys({QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("Tab"),
                   QStringLiteral("F4")});
    ASSERT_TRUE(session->waitForDialog());
    session->type(folder.filePath(QStringLiteral("Uslugi/klienci.dat")));
    session->key(QStringLiteral("Return"));
    ASSERT_TRUE(session->waitForMainWindow());
    session->key(QStringLiteral("Return"));
    session->key(QStringLiteral("ctrl+s"));
    ASSERT_TRUE(session->waitForDialog());
    session->key(QStringLiteral("Return"));
    ASSERT_TRUE(session->waitForMainWindow());
    ASSERT_TRUE(DesktopSession::waitFor(
        [&] { return fileBytes(QStringLiteral("Uslugi/dokumenty_r.dat")).size() == 2 * doc::Size; }));
    const DocumentRecord bill =
        DocumentRecord::fromBytes(fileBytes(QStringLiteral("Uslugi/dokumenty_r.dat")).mid(doc::Size));
    EXPECT_EQ(bill.get(doc::BuyerLine1), QStringLiteral("Łucja Gęślarz"));
    EXPECT_EQ(bill.get(doc::DocNumber), QStringLiteral("1"));

    const QString printed = lastDocumentAsText();
    for (const QString& line : seller.mid(0, 3))
        EXPECT_TRUE(printed.contains(line)) << line.toStdString() << "\n" << printed.toStdString();
    EXPECT_TRUE(printed.contains(QStringLiteral("123-456-32-18"))) << printed.toStdString();
    EXPECT_TRUE(printed.contains(QStringLiteral("61 1090 1014 0000 0712 1981 2874"))) << printed.toStdString();
    EXPECT_TRUE(printed.contains(QStringLiteral("Łucja Gęślarz"))) << printed.toStdString();
}

} // namespace
