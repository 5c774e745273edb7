#include "tests/session/session_test.h"

#include "tests/support/file_bytes.h"

#include <QFile>

namespace kw {
namespace {

using StartUpTest = SessionTest;

TEST_F(StartUpTest, TheSettingsFillTheFormUntilADocumentIsLoaded)
{
    SettingsRecord s;
    s.set(settings::Place, QStringLiteral("Gdańsk"));
    s.set(settings::BillNumber, QStringLiteral("7"));
    s.set(settings::BillSuffix, QStringLiteral("2009"));
    s.set(settings::Signature, QStringLiteral("Ewa"));
    writeSettings(s);
    session.setFolder(folder.paths(), today());
    session.readSettings();
    EXPECT_EQ(session.settings(), s);
    const DocumentHead& head = session.form().head;
    EXPECT_EQ(head.place, QStringLiteral("Gdańsk"));
    EXPECT_EQ(head.number, QStringLiteral("7"));
    EXPECT_EQ(head.numberSuffix, QStringLiteral("2009"));
    EXPECT_EQ(head.signature, QStringLiteral("Ewa"));
    EXPECT_EQ(head.issueDate, today());
}

TEST_F(StartUpTest, AMissingDocumentFileIsMadeWithItsOpeningRecordAndShown)
{
    session.setFolder(folder.paths(), today());
    session.readSettings();
    EXPECT_EQ(session.openDocuments(), std::nullopt);
    EXPECT_EQ(documents(), sentinelRecord(today()).bytes());
    EXPECT_EQ(session.state().currentRecord(), 1);
    EXPECT_EQ(session.form().head.buyerLines[0], QStringLiteral("Początek bloczka rachunkowego"));
    EXPECT_EQ(session.modeCaption(), QStringLiteral("Edycja wczytanego rachunku"));
}

// A delete that stopped after removing the document file left the register
// only in its copy: it is put back rather than started anew.
TEST_F(StartUpTest, ADocumentFileLeftOnlyAsItsCopyIsPutBack)
{
    const QByteArray copy = sentinel().bytes() + bill("2", "B").bytes();
    writeFileBytes(folder.paths().documentCopyFile(), copy);
    session.setFolder(folder.paths(), today());
    session.readSettings();
    const std::optional<QString> notice = session.openDocuments();
    ASSERT_TRUE(notice.has_value());
    EXPECT_TRUE(notice->contains(folder.paths().documentFile()));
    EXPECT_TRUE(notice->contains(folder.paths().documentCopyFile()));
    EXPECT_EQ(documents(), copy);
    EXPECT_FALSE(QFile::exists(folder.paths().documentCopyFile()));
    EXPECT_EQ(session.state().currentRecord(), 2);
    EXPECT_EQ(session.form().head.buyerLines[0], QStringLiteral("B"));
}

} // namespace
} // namespace kw
