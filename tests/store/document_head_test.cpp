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
    // The length byte 1 and the letter at the offset of each head field.
    const struct {
        int offset;
        char letter;
    } expected[] = {{0, 'a'},   {41, 'b'},  {52, 'c'},  {63, 'd'},  {84, 'e'},  {165, 'f'}, {246, 'g'},
                    {327, 'h'}, {408, 'i'}, {429, 'j'}, {445, 'k'}, {456, 'l'}, {477, 'm'}};
    for (const auto& field : expected)
        EXPECT_EQ(document.bytes().mid(field.offset, 2), QByteArray("\x01") + field.letter)
            << "offset " << field.offset;
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
