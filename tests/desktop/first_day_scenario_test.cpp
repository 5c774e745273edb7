#include "store/records.h"
#include "tests/desktop/desktop_session.h"
#include "tests/support/file_bytes.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>

#include <gtest/gtest.h>

using namespace kw;

namespace {

QString toolOutput(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pageCount(const QString& pdf)
{
    for (const QString& line : toolOutput(QStringLiteral("pdfinfo"), {pdf}).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("Pages:")))
            return line.section(QLatin1Char(':'), 1).trimmed().toInt();
    }
    return 0;
}

QString pageText(const QString& pdf, int page)
{
    const QString number = QString::number(page);
    return toolOutput(QStringLiteral("pdftotext"),
                      {QStringLiteral("-f"), number, QStringLiteral("-l"), number, pdf, QStringLiteral("-")});
}

// The first day with the program, from the menu entry in a home folder that
// holds nothing of it yet: the data folder made, the seller and two clients
// entered, a bill for a client from the list stored and printed to a file.
class FirstDayTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QStringList missing;
        if (const QString tools = DesktopSession::missingTools(); !tools.isEmpty())
            missing << tools;
        for (const char* tool : {"pdfinfo", "pdftotext"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                missing << QString::fromLatin1(tool);
        }
        if (!missing.isEmpty())
            GTEST_SKIP() << "not installed: " << missing.join(QStringLiteral(", ")).toStdString();
        session = std::make_unique<DesktopSession>();
        ASSERT_TRUE(session->problem().isEmpty()) << session->problem().toStdString();
    }

    QString dataFile(const QString& relative) const { return dataFolder().filePath(relative); }
    QDir dataFolder() const { return QDir(QDir(session->home()).filePath(QStringLiteral("Kwitarnia"))); }
    QByteArray fileBytes(const QString& relative) const { return readFileBytesIfAny(dataFile(relative)); }

    bool waitForField(const QString& relative, StringField field, const QString& text) const
    {
        return DesktopSession::waitFor([&] { return readString(fileBytes(relative), field) == text; });
    }

    void typeFields(const QStringList& texts) const
    {
        for (int i = 0; i < texts.size(); ++i) {
            if (i > 0)
                session->key(QStringLiteral("Tab"));
            session->type(texts[i]);
        }
    }

    std::unique_ptr<DesktopSession> session;
};

const QStringList seller = {QStringLiteral("Pracownia Krawiecka Ćma"),
                            QStringLiteral("ul. Źródlana 5"),
                            QStringLiteral("31-000 Kraków"),
                            QStringLiteral("123-456-32-18"),
                            QStringLiteral("Bank Śląski"),
                            QStringLiteral("61 1090 1014 0000 0712 1981 2874")};
const QString firstClient = QStringLiteral("Jan Kowalski");
const QString secondClient = QStringLiteral("Żaneta Łącka-Gęś");

TEST_F(FirstDayTest, FromAnEmptyHomeToAPrintedBill)
{
    // The menu entry runs the program with --desktop; the home holds no data
    // folder and nothing remembered.
    const QDir home(session->home());
    ASSERT_TRUE(home.entryList({QStringLiteral("Kwitarnia*")}, QDir::AllEntries | QDir::Hidden).isEmpty());
    ASSERT_FALSE(QFileInfo::exists(home.filePath(QStringLiteral(".config/kwitarnia"))));
    ASSERT_TRUE(session->startProgram(QStringLiteral(KW_PROGRAM), session->home(), {QStringLiteral("--desktop")}))
        << session->problem().toStdString();

    // "Założyć nowy folder danych …?" answered "Tak"; the settings come first.
    ASSERT_TRUE(session->waitForWindowTitled(QStringLiteral("Pytanie")));
    session->key(QStringLiteral("Return"));
    ASSERT_TRUE(session->waitForWindowTitled(QStringLiteral("Ustawienia")));
    EXPECT_EQ(readString(fileBytes(QStringLiteral("Admini/rachunek.dat")), settings::CopyCount), "1");

    typeFields(seller);
    session->key(QStringLiteral("alt+z"));
    ASSERT_TRUE(waitForField(QStringLiteral("Admini/firma.dat"), company::SellerAccount, seller[5]));
    EXPECT_EQ(readString(fileBytes(QStringLiteral("Admini/firma.dat")), company::SellerLine1), seller[0]);

    session->keys({QStringLiteral("alt+k"), QStringLiteral("alt+n")});
    typeFields({firstClient, QStringLiteral("ul. Długa 1"), QStringLiteral("30-001 Kraków")});
    session->key(QStringLiteral("alt+z"));
    ASSERT_TRUE(
        waitForField(QStringLiteral("Uslugi/klienci.dat"), clients::line(3, 1), QStringLiteral("30-001 Kraków")));
    session->key(QStringLiteral("alt+n"));
    typeFields({secondClient, QStringLiteral("ul. Wąska 7"), QStringLiteral("31-002 Kraków")});
    session->key(QStringLiteral("alt+z"));
    ASSERT_TRUE(
        waitForField(QStringLiteral("Uslugi/klienci.dat"), clients::line(3, 2), QStringLiteral("31-002 Kraków")));
    EXPECT_EQ(readString(fileBytes(QStringLiteral("Uslugi/klienci.dat")), clients::line(1, 2)), secondClient);

    // Everything saved: Escape closes the settings without a question.
    session->key(QStringLiteral("Escape"));
    ASSERT_TRUE(session->takeMainWindowTitled(QStringLiteral("Kwitarnia")));

    // A new bill; F4 in the buyer's first line offers the client list, Return
    // opens it, the second client is chosen with Down and Return.
    session->key(QStringLiteral("ctrl+n"));
    session->keys({QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("Tab"),
                   QStringLiteral("F4")});
    ASSERT_TRUE(session->waitForWindowTitled(QStringLiteral("Otwórz")));
    session->key(QStringLiteral("Return"));
    ASSERT_TRUE(session->waitForMainWindow());
    session->keys({QStringLiteral("Down"), QStringLiteral("Return")});
    // On to the grid: a service, 1,5 of it at 99,99.
    for (int i = 0; i < 9; ++i)
        session->key(QStringLiteral("Tab"));
    session->type(QStringLiteral("Szycie sukni ślubnej"));
    session->keys(
        {QStringLiteral("Return"), QStringLiteral("Right"), QStringLiteral("Right"), QStringLiteral("Right")});
    session->type(QStringLiteral("1,5"));
    session->keys({QStringLiteral("Return"), QStringLiteral("Right")});
    session->type(QStringLiteral("99,99"));
    session->key(QStringLiteral("Return"));
    // "Zapisać nowy rachunek ?" answered "Tak".
    session->key(QStringLiteral("ctrl+s"));
    ASSERT_TRUE(session->waitForWindowTitled(QStringLiteral("Pytanie")));
    session->key(QStringLiteral("Return"));
    ASSERT_TRUE(session->waitForMainWindow());

    // The start's first record, then the bill.
    ASSERT_TRUE(DesktopSession::waitFor(
        [&] { return fileBytes(QStringLiteral("Uslugi/dokumenty_r.dat")).size() == 2 * doc::Size; }));
    const QByteArray bytes = fileBytes(QStringLiteral("Uslugi/dokumenty_r.dat")).mid(doc::Size);
    const DocumentRecord bill = DocumentRecord::fromBytes(bytes);
    EXPECT_EQ(bill.get(doc::DocNumber), "1");
    EXPECT_EQ(bill.get(doc::BuyerLine1), secondClient);
    EXPECT_EQ(bill.get(doc::BuyerLine2), QStringLiteral("ul. Wąska 7"));
    EXPECT_EQ(bill.get(lineCell(LineTable::Bill, 1, 1)), QStringLiteral("Szycie sukni ślubnej"));
    EXPECT_EQ(bytes.mid(lineCell(LineTable::Bill, 4, 1).offset, 8), QByteArray("\x07   1.50", 8));
    EXPECT_EQ(bytes.mid(lineCell(LineTable::Bill, 5, 1).offset, 9), QByteArray("\x08   99.99", 9));
    EXPECT_EQ(bytes.mid(lineCell(LineTable::Bill, 6, 1).offset, 10), QByteArray("\x09   149.99", 10));
    EXPECT_EQ(bill.get(lineCell(LineTable::Bill, 1, 2)), "");

    // "Drukuj": the print dialog offers the folder's one copy; one more is
    // asked for, and the bill printed to a PDF file.
    session->key(QStringLiteral("ctrl+p"));
    ASSERT_TRUE(session->waitForWindowTitled(QStringLiteral("Drukowanie")));
    // "Opcje >>" shows the copies; from "Plik wyjściowy" four Tabs reach
    // "Liczba kopii"; Up makes the one copy two; Return prints.
    session->key(QStringLiteral("alt+o"));
    session->key(QStringLiteral("alt+p"));
    for (int i = 0; i < 4; ++i)
        session->key(QStringLiteral("Tab"));
    session->keys({QStringLiteral("Up"), QStringLiteral("Return")});
    ASSERT_TRUE(session->waitForMainWindow());
    QString pdf;
    ASSERT_TRUE(DesktopSession::waitFor([&] {
        const QStringList found = dataFolder().entryList({QStringLiteral("*.pdf")}, QDir::Files);
        if (found.size() != 1)
            return false;
        pdf = dataFile(found.first());
        return pageCount(pdf) > 0;
    })) << dataFolder().entryList().join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(pageCount(pdf), 2);
    for (int page = 1; page <= 2; ++page) {
        const QString text = pageText(pdf, page);
        EXPECT_TRUE(text.contains(QStringLiteral("149,99")) || text.contains(QStringLiteral("149.99")))
            << text.toStdString();
        EXPECT_TRUE(text.contains(secondClient)) << text.toStdString();
        EXPECT_TRUE(text.contains(seller[0])) << text.toStdString();
        EXPECT_EQ(text.contains(QStringLiteral("kopia"), Qt::CaseInsensitive), page == 2) << text.toStdString();
    }

    // "Koniec pracy ?" answered "Tak".
    session->key(QStringLiteral("ctrl+q"));
    ASSERT_TRUE(session->waitForWindowTitled(QStringLiteral("Pytanie")));
    session->key(QStringLiteral("Return"));
    EXPECT_TRUE(session->waitForProgramEnd());
    // The next start from the menu goes straight to the folder.
    const QSettings remembered(home.filePath(QStringLiteral(".config/kwitarnia/kwitarnia.conf")), QSettings::IniFormat);
    EXPECT_EQ(remembered.value(QStringLiteral("dataFolder")).toString(), dataFolder().path());
}

} // namespace
