#include "tests/gui/document_window_test.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

using namespace kw;

namespace {

constexpr int typedColumns = 5;

// One data folder in two copies: the window issues bills in one as a person
// does, the command line's `copy` the same bills in the other, and the two
// folders must end up holding the same bytes.
class CopyCommandTest : public DocumentWindowTest
{
protected:
    void SetUp() override
    {
        SettingsRecord settings;
        settings.set(settings::Place, QStringLiteral("Kraków"));
        settings.set(settings::BillNumber, QStringLiteral("7"));
        settings.set(settings::BillSuffix, QStringLiteral("2009"));
        settings.set(settings::CorrectionNumber, QStringLiteral("2"));
        settings.set(settings::CorrectionSuffix, QStringLiteral("K/2009"));
        settings.set(settings::Signature, QStringLiteral("Ewa Wiśniewska"));
        settings.set(settings::CopyLabel, QStringLiteral("oryginał"));
        writeBytes("Admini/rachunek.dat", settings.bytes());

        DocumentRecord transfer = bill("5", QStringLiteral("Biuro Rachunkowe Ćma"));
        transfer.set(doc::BuyerLine2, QStringLiteral("ul. Długa 5"));
        transfer.set(doc::BuyerLine3, QStringLiteral("31-147 Kraków"));
        transfer.set(doc::BuyerLine4, QStringLiteral("Polska"));
        transfer.set(doc::BuyerTaxId, QStringLiteral("525-000-12-34"));
        transfer.set(doc::PaymentMethod, QStringLiteral("Przelew"));
        transfer.set(doc::PaymentTerm, QStringLiteral("14 dni"));
        transfer.set(lineCell(LineTable::Bill, 2, 1), QStringLiteral("95.25"));
        transfer.set(lineCell(LineTable::Bill, 1, 2), QStringLiteral("Wymiana paska"));
        transfer.set(lineCell(LineTable::Bill, 3, 2), QStringLiteral("szt."));
        transfer.set(lineCell(LineTable::Bill, 4, 2), QStringLiteral("1,5"));
        transfer.set(lineCell(LineTable::Bill, 5, 2), QStringLiteral("99.99"));

        DocumentRecord corrective =
            document(QStringLiteral("1"), QStringLiteral("2009-02-20"), QStringLiteral("Żaneta Łęcka"),
                     {{QStringLiteral("Naprawa"), 80.0}}, QStringLiteral("K"));
        corrective.set(doc::NumberSuffix, QStringLiteral("K/2009"));
        corrective.set(doc::CorrectedRef, QStringLiteral("5/2009"));
        corrective.set(doc::PaymentMethod, QStringLiteral("Gotówka"));
        corrective.set(doc::PaymentTerm, QStringLiteral("2009-02-20"));
        setLines(corrective, LineTable::Bill, {{QStringLiteral("Naprawa"), 100.0}});

        writeDocuments({sentinel(), transfer, corrective});
        copyFolder(dir.path(), twin.path());
    }

    static void copyFolder(const QString& from, const QString& to)
    {
        for (const QString& sub : {QStringLiteral("Admini"), QStringLiteral("Uslugi")}) {
            QDir(to).mkpath(sub);
            for (const QString& name : QDir(from + QLatin1Char('/') + sub).entryList(QDir::Files))
                ASSERT_TRUE(QFile::copy(from + '/' + sub + '/' + name, to + '/' + sub + '/' + name));
        }
    }

    // What a person types after "Nowy rachunek" to issue the bill again:
    // the buyer, the payment, the service date and the lines.
    void typeLike(const DocumentRecord& source)
    {
        ui().odbiorca1->setText(source.get(doc::BuyerLine1));
        ui().odbiorca2->setText(source.get(doc::BuyerLine2));
        ui().odbiorca3->setText(source.get(doc::BuyerLine3));
        ui().odbiorca4->setText(source.get(doc::BuyerLine4));
        ui().nip_odbiorcy->setText(source.get(doc::BuyerTaxId));
        ui().forma_zaplaty->setEditText(source.get(doc::PaymentMethod));
        ui().termin_zaplaty->setEditText(source.get(doc::PaymentTerm));
        ui().data_uslugi->setText(ui().data_wystawienia->text());
        const LineTable table = isCorrective(source) ? LineTable::Correction : LineTable::Bill;
        for (int line = 1; line <= doc::Lines; ++line)
            for (int column = 1; column <= typedColumns; ++column)
                setCell(line, column, source.get(lineCell(table, column, line)));
    }

    void issueInTheWindow(const DocumentRecord& source)
    {
        ui().SpeedButton6->click();
        typeLike(source);
        // A cash bill is due on its issue date, as the window shows it.
        if (source.get(doc::PaymentMethod) == QStringLiteral("Gotówka"))
            QTRY_COMPARE(ui().termin_zaplaty->currentText(), ui().data_wystawienia->text());
        store();
    }

    QString runCopy(const QString& position) const
    {
        QProcess program;
        program.setWorkingDirectory(twin.path());
        program.start(QStringLiteral(KWITARNIA_BINARY),
                      {QStringLiteral("copy"), position, QStringLiteral("--date"), clock.date.toString(Qt::ISODate)});
        if (!program.waitForFinished(60000) || program.exitCode() != 0)
            ADD_FAILURE() << program.readAllStandardError().toStdString();
        return QString::fromUtf8(program.readAllStandardOutput());
    }

    void expectSameFolders() const
    {
        EXPECT_EQ(documents().size(), twinBytes(QStringLiteral("Uslugi/dokumenty_r.dat")).size());
        EXPECT_EQ(documents(), twinBytes(QStringLiteral("Uslugi/dokumenty_r.dat")));
        EXPECT_EQ(settingsBytes(), twinBytes(QStringLiteral("Admini/rachunek.dat")));
    }

    QByteArray twinBytes(const QString& relative) const
    {
        return readFileBytesIfAny(twin.path() + QLatin1Char('/') + relative);
    }

    TempDataFolder twin;
};

TEST_F(CopyCommandTest, CopyStoresTheBytesTheWindowStoresForTheSameBill)
{
    start();

    // A bill paid by transfer, chosen from the list of bills.
    loadFromList(1);
    issueInTheWindow(stored(2));
    EXPECT_EQ(runCopy(QStringLiteral("2")), QStringLiteral("Zapisano rachunek 8/2009 (pozycja 4).\n"));
    expectSameFolders();

    // A corrective bill paid in cash: its lines after the correction.
    loadFromList(2);
    issueInTheWindow(stored(3));
    EXPECT_EQ(runCopy(QStringLiteral("3")), QStringLiteral("Zapisano rachunek 9/2009 (pozycja 5).\n"));
    expectSameFolders();

    // The last bill, as the window shows it after storing.
    issueInTheWindow(stored(5));
    EXPECT_EQ(runCopy(QStringLiteral("last")), QStringLiteral("Zapisano rachunek 10/2009 (pozycja 6).\n"));
    expectSameFolders();
    EXPECT_EQ(storedCount(), 6);
    expectNoErrors();
}

} // namespace
