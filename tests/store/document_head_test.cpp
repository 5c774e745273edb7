#include "store/document_head.h"

#include <gtest/gtest.h>

namespace kw {
namespace {

// Every head text a different letter, so a text written to another field's
// place shows.
DocumentHead lettersHead()
{
    DocumentHead head;
    head.place = QStringLiteral("a");
    head.issueDate = QStringLiteral("b");
    head.number = QStringLiteral("c");
    head.numberSuffix = QStringLiteral("d");
    head.buyerLines = {QStringLiteral("e"), QStringLiteral("f"), QStringLiteral("g"), QStringLiteral("h")};
    head.buyerTaxId = QStringLiteral("i");
    head.paymentMethod = QStringLiteral("j");
    head.serviceDate = QStringLiteral("k");
    head.paymentTerm = QStringLiteral("l");
    head.signature = QStringLiteral("m");
    return head;
}

TEST(DocumentHead, EachTextLiesAtItsFieldsOffsetInTheRecord)
{
    DocumentRecord document;
    writeHead(document, lettersHead());
    const struct {
        int offset;
        const char* lengthAndText;
    } expected[] = {{0, "\x01" "a"},   {41, "\x01" "b"},  {52, "\x01" "c"},  {63, "\x01" "d"},  {84, "\x01" "e"},
                    {165, "\x01" "f"}, {246, "\x01" "g"}, {327, "\x01" "h"}, {408, "\x01" "i"}, {429, "\x01" "j"},
                    {445, "\x01" "k"}, {456, "\x01" "l"}, {477, "\x01" "m"}};
    for (const auto& field : expected)
        EXPECT_EQ(document.bytes().mid(field.offset, 2), QByteArray(field.lengthAndText)) << "offset " << field.offset;
}

TEST(DocumentHead, ReadsBackWhatWasWrittenAndLeavesTheRestOfTheRecord)
{
    DocumentRecord document;
    document.set(doc::DocKind, QStringLiteral("K"));
    document.set(lineCell(LineTable::Bill, 1, 1), QStringLiteral("Strzyżenie"));
    document.set(doc::CorrectedRef, QStringLiteral("7/2009"));
    const DocumentRecord expected = document;

    writeHead(document, lettersHead());
    EXPECT_EQ(readHead(document), lettersHead());

    writeHead(document, DocumentHead{});
    EXPECT_EQ(document, expected) << "an empty head leaves every head field as zero bytes";
}

} // namespace
} // namespace kw
