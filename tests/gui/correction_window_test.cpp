#include "tests/gui/bill_window_test.h"

using namespace kw;

namespace {

class CorrectionWindowTest : public BillWindowTest
{
protected:
    CorrectionWindowTest()
    {
        SettingsRecord s;
        s.set(settings::BillNumber, QStringLiteral("7"));
        s.set(settings::BillSuffix, QStringLiteral("2009"));
        s.set(settings::CorrectionNumber, QStringLiteral("41"));
        s.set(settings::CorrectionSuffix, QStringLiteral("K/2009"));
        writeSettings(s);
    }

    static DocumentRecord bill7()
    {
        return document(QStringLiteral("7"), QStringLiteral("2009-05-07"), QStringLiteral("Firma ABC"),
                        {{QStringLiteral("Usługa A"), 100.0}, {QStringLiteral("Usługa B"), 50.0}});
    }

    // A stored corrective bill of bill 7/2009, lowering its first line.
    static DocumentRecord correction42()
    {
        DocumentRecord k = document(
            QStringLiteral("42"), QStringLiteral("2009-06-01"), QStringLiteral("Firma ABC"),
            {{QStringLiteral("Usługa A po korekcie"), 80.0}, {QStringLiteral("Usługa B"), 50.0}}, QStringLiteral("K"));
        k.set(doc::NumberSuffix, QStringLiteral("K/2009"));
        k.set(doc::CorrectedRef, QStringLiteral("7/2009"));
        setLines(k, LineTable::Bill, {{QStringLiteral("Usługa A"), 100.0}, {QStringLiteral("Usługa B"), 50.0}});
        return k;
    }

    void startOnBill7()
    {
        writeDocuments({bill7()});
        start();
        tick();
    }
    void startOnCorrection42()
    {
        writeDocuments({bill7(), correction42()});
        start();
        tick();
    }
};

TEST_F(CorrectionWindowTest, StartingACorrectionTakesTheCorrectiveSeriesAndMarksTheGrid)
{
    startOnBill7();
    const QStringList billGrid = gridCells();
    ASSERT_EQ(cell(1, 1), QStringLiteral("Usługa A"));
    EXPECT_TRUE(ui().SpeedButton9->isEnabled());
    EXPECT_TRUE(ui().SpeedButton20->isEnabled());

    ui().SpeedButton9->click();
    tick();
    expectNoErrors();
    EXPECT_EQ(ui().numerator->text(), "42");
    EXPECT_EQ(ui().rozszerzenie->text(), "K/2009");
    EXPECT_EQ(ui().Label24->text(), "7/2009");
    EXPECT_EQ(ui().Label22->text(), "Edycja korygowanego rachunku");
    EXPECT_EQ(ui().Label23->text(), "korygowany");
    EXPECT_EQ(ui().Label25->text(), "Tabelka korekty");
    EXPECT_EQ(gridColour(), red);
    EXPECT_EQ(label25Colour(), red);
    EXPECT_TRUE(ui().tabela->isEnabled());
    EXPECT_EQ(gridCells(), billGrid); // the starting point of the correction
    EXPECT_FALSE(ui().SpeedButton9->isEnabled());
    EXPECT_FALSE(ui().SpeedButton8->isEnabled());
    EXPECT_FALSE(ui().SpeedButton20->isEnabled());
    EXPECT_TRUE(ui().SpeedButton2->isEnabled());
    EXPECT_TRUE(shown(ui().Label26));
    EXPECT_FALSE(shown(ui().SpeedButton21));
    EXPECT_FALSE(shown(ui().SpeedButton22));
    // The working record is still the corrected bill.
    EXPECT_FALSE(shown(ui().SpeedButton15));
    EXPECT_FALSE(shown(ui().SpeedButton16));
    EXPECT_EQ(ui().odbiorca1->text(), "Firma ABC");
}

TEST_F(CorrectionWindowTest, SavingAppendsACorrectiveBillAndLeavesTheCorrectedOneAlone)
{
    startOnBill7();
    const QByteArray correctedBefore = storedBytes(2);
    const QByteArray settingsBefore = bytes("Admini/rachunek.dat");
    ui().SpeedButton9->click();
    setCell(1, 1, QStringLiteral("Usługa A po korekcie"));
    setCell(1, 5, QStringLiteral("80"));
    tick();
    ASSERT_EQ(cell(1, 6), QStringLiteral("    80.00"));

    dialogs.answers.enqueue(true);
    ui().SpeedButton2->click();
    expectNoErrors();
    EXPECT_EQ(dialogs.questions.last(), QStringLiteral("Zapisać nowy rachunek korygujący ?"));

    ASSERT_EQ(storedCount(), 3);
    EXPECT_EQ(storedBytes(2), correctedBefore);
    const DocumentRecord k = stored(3);
    EXPECT_EQ(k.get(doc::DocKind), "K");
    EXPECT_EQ(k.get(doc::CorrectedRef), "7/2009");
    EXPECT_EQ(k.get(doc::DocNumber), "42");
    EXPECT_EQ(k.get(doc::NumberSuffix), "K/2009");
    EXPECT_EQ(tableCells(k, LineTable::Bill), tableCells(bill7(), LineTable::Bill));
    EXPECT_EQ(k.get(lineCell(LineTable::Correction, 1, 1)), QStringLiteral("Usługa A po korekcie"));
    EXPECT_EQ(k.get(lineCell(LineTable::Correction, 5, 1)), QStringLiteral("   80.00"));
    EXPECT_EQ(k.get(lineCell(LineTable::Correction, 6, 1)), QStringLiteral("    80.00"));
    EXPECT_EQ(k.get(lineCell(LineTable::Correction, 6, 2)), QStringLiteral("    50.00"));

    const SettingsRecord s = SettingsRecord::fromBytes(bytes("Admini/rachunek.dat"));
    EXPECT_EQ(s.get(settings::CorrectionNumber), "42");
    EXPECT_EQ(s.get(settings::CorrectionSuffix), "K/2009");
    const int billPairStart = settings::BillNumber.offset;
    const int billPairEnd = settings::BillSuffix.end();
    EXPECT_EQ(s.bytes().mid(billPairStart, billPairEnd - billPairStart),
              settingsBefore.mid(billPairStart, billPairEnd - billPairStart));

    // The saved document is shown as a stored corrective bill.
    tick();
    EXPECT_EQ(ui().Label22->text(), QStringLiteral("Edycja wczytanego rachunku korygującego"));
    EXPECT_EQ(ui().Label23->text(), QStringLiteral("korygujący"));
    EXPECT_EQ(ui().Label24->text(), "7/2009");
    EXPECT_TRUE(shown(ui().SpeedButton15));
    EXPECT_TRUE(shown(ui().SpeedButton16));
    EXPECT_TRUE(ui().SpeedButton20->isEnabled());
    EXPECT_FALSE(ui().SpeedButton9->isEnabled());
}

TEST_F(CorrectionWindowTest, LinesBeforeCorrectionAreReadOnlyAndTheLinesAfterComeBack)
{
    startOnCorrection42();
    const QStringList after = tableCells(correction42(), LineTable::Correction);
    const QStringList before = tableCells(correction42(), LineTable::Bill);
    ASSERT_EQ(gridCells(), after);
    EXPECT_EQ(gridColour(), red);
    EXPECT_EQ(ui().Label24->text(), "7/2009");

    for (int press = 1; press <= 2; ++press) {
        ui().SpeedButton15->click();
        tick();
        EXPECT_EQ(gridCells(), before) << "press " << press;
        EXPECT_EQ(ui().Label25->text(), "Tabelka rachunku");
        EXPECT_EQ(gridColour(), navy);
        EXPECT_EQ(label25Colour(), navy);
        EXPECT_FALSE(ui().tabela->isEnabled());
        EXPECT_FALSE(ui().SpeedButton2->isEnabled());
        EXPECT_EQ(tableCells(window->workingRecord(), LineTable::Correction), after) << "press " << press;
    }

    ui().SpeedButton16->click();
    tick();
    EXPECT_EQ(gridCells(), after);
    EXPECT_EQ(ui().Label25->text(), "Tabelka korekty");
    EXPECT_EQ(gridColour(), red);
    EXPECT_TRUE(ui().tabela->isEnabled());
    EXPECT_TRUE(ui().SpeedButton2->isEnabled());
}

TEST_F(CorrectionWindowTest, EditsAfterCorrectionSurviveARoundTripAndAreSavedInPlace)
{
    startOnCorrection42();
    const QByteArray others = documents().left(2 * doc::Size);
    setCell(2, 1, QStringLiteral("Usługa B zmieniona"));
    ui().SpeedButton15->click();
    ui().SpeedButton16->click();
    EXPECT_EQ(cell(2, 1), QStringLiteral("Usługa B zmieniona"));

    dialogs.answers.enqueue(true);
    ui().SpeedButton2->click();
    expectNoErrors();
    EXPECT_EQ(dialogs.questions.last(), QStringLiteral("Zapisać zmiany w rachunku korygującym ?"));
    ASSERT_EQ(storedCount(), 3);
    EXPECT_EQ(documents().left(2 * doc::Size), others);
    const DocumentRecord k = stored(3);
    EXPECT_EQ(k.get(doc::DocKind), "K");
    EXPECT_EQ(k.get(lineCell(LineTable::Correction, 1, 2)), QStringLiteral("Usługa B zmieniona"));
    EXPECT_EQ(tableCells(k, LineTable::Bill), tableCells(correction42(), LineTable::Bill));
}

TEST_F(CorrectionWindowTest, BeforeAndAfterButtonsFollowTheWorkingRecordsKind)
{
    const struct {
        const char* what;
        bool storedCorrection;
        bool beginCorrection;
        bool visible;
    } cases[] = {
        {"bill loaded", false, false, false},
        {"corrective bill loaded", true, false, true},
        {"correction of a bill begun", false, true, false},
    };
    for (const auto& c : cases) {
        if (c.storedCorrection)
            startOnCorrection42();
        else
            startOnBill7();
        if (c.beginCorrection)
            ui().SpeedButton9->click();
        tick();
        EXPECT_EQ(shown(ui().SpeedButton15), c.visible) << c.what;
        EXPECT_EQ(shown(ui().SpeedButton16), c.visible) << c.what;
        EXPECT_EQ(ui().SpeedButton9->isEnabled(), !c.storedCorrection && !c.beginCorrection) << c.what;
    }
}

} // namespace
