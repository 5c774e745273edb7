// Another program changing the shared document file between loading a
// document and storing or deleting it: the window refuses instead of hitting
// whatever record now stands at the document's position.

#include "tests/gui/document_window_test.h"

using namespace kw;

namespace {

class OtherInstanceTest : public DocumentWindowTest
{
protected:
    // Loads bill 2 of three, then lets "another instance" act on the file.
    void loadSecondThen(const std::function<void()>& otherInstance)
    {
        writeDocuments({sentinel(), bill("1", "Alfa"), bill("2", "Beta")});
        start();
        loadFromList(2);
        ASSERT_EQ(ui().odbiorca1->text(), "Beta");
        otherInstance();
        before = documents();
    }

    QByteArray before;
};

TEST_F(OtherInstanceTest, StoringOverADocumentAnotherProgramChangedIsRefused)
{
    loadSecondThen([&] {
        QByteArray file = documents();
        file.replace(2 * doc::Size, doc::Size, bill("2", "Zmieniony gdzie indziej").bytes());
        writeBytes("Uslugi/dokumenty_r.dat", file);
    });
    ui().odbiorca1->setText("Gamma");
    store();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("zmieniony"))) << dialogs.errors[0].toStdString();
    EXPECT_EQ(documents(), before);
}

TEST_F(OtherInstanceTest, DeletingADocumentThatMovedIsRefused)
{
    // The other instance deleted bill 1: bill 2 moved up and the sentinel's
    // neighbour at position 3 is gone.
    loadSecondThen([&] { writeDocuments({sentinel(), bill("2", "Beta")}); });
    remove();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(documents(), before);
}

TEST_F(OtherInstanceTest, AnUnchangedDocumentIsStoredAndDeletedAsUsual)
{
    loadSecondThen([] {});
    ui().odbiorca1->setText("Gamma");
    store();
    expectNoErrors();
    EXPECT_EQ(stored(3).get(doc::BuyerLine1), "Gamma");
    // The stored changes are what the file now holds, so deleting goes ahead.
    remove();
    expectNoErrors();
    EXPECT_EQ(storedCount(), 2);
}

} // namespace
