#include "print/pdf_document.h"
#include "print/pdf_info.h"
#include "tests/print/bill_fixture.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace kw {
namespace {

// A PDF holding `objects`, numbered from 1, whose trailer names object
// `info` as the document information, with its cross-reference table.
QByteArray pdfFile(const QList<QByteArray>& objects, int info)
{
    QByteArray pdf = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    QList<qsizetype> offsets;
    for (qsizetype i = 0; i < objects.size(); ++i) {
        offsets.append(pdf.size());
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const qsizetype table = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (const qsizetype offset : offsets)
        pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<<\n/Size " + QByteArray::number(objects.size() + 1) + "\n/Info " + QByteArray::number(info) +
        " 0 R\n>>\nstartxref\n" + QByteArray::number(table) + "\n%%EOF\n";
    return pdf;
}

// A text as UTF-16BE with its byte-order mark, inside a literal string,
// the way Qt writes the document information.
QByteArray utf16Literal(const QString& text)
{
    QByteArray bytes = "(\xFE\xFF";
    for (const QChar c : text) {
        for (const char byte : {char(c.unicode() >> 8), char(c.unicode() & 0xFF)}) {
            if (byte == '(' || byte == ')' || byte == '\\')
                bytes += '\\';
            bytes += byte;
        }
    }
    return bytes + ')';
}

bool writtenByThisProgram(const QByteArray& bytes)
{
    QBuffer file;
    file.setData(bytes);
    file.open(QIODevice::ReadOnly);
    return pdfOutputKind().writtenByThisProgram(file);
}

TEST(PdfInfo, ThePdfDocumentsOfTheProgramNameItAsTheirCreator)
{
    PdfDocument document(QStringLiteral("Rachunek (7/2009)"));
    document.addBill(sampleBill());
    QBuffer file;
    file.setData(document.finish());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(pdfCreator(file), QStringLiteral("Kwitarnia " KWITARNIA_VERSION));
    ASSERT_TRUE(file.seek(0));
    EXPECT_TRUE(pdfOutputKind().writtenByThisProgram(file));
}

struct PdfCase {
    const char* name;
    QByteArray bytes;
    bool ours;
};

TEST(PdfInfo, OnlyAPdfWhoseDocumentInformationNamesTheProgramIsOurs)
{
    const QByteArray catalog = "<< /Type /Catalog >>";
    const PdfCase cases[] = {
        {"as Qt writes it",
         pdfFile({catalog,
                  "<<\n/Title " + utf16Literal(QStringLiteral("Rachunek (7\\2009)")) + "\n/Creator " +
                      utf16Literal(QStringLiteral("Kwitarnia 1.0.0")) + "\n/Producer (Qt 6.4.2)\n>>"},
                 2),
         true},
        {"hexadecimal string", pdfFile({"<< /Creator <FEFF004B007700690074 0061 0072006E0069 0061> >>"}, 1), true},
        {"plain text, an earlier version", pdfFile({"<</Producer (Qt)/Creator(Kwitarnia 0.9)>>"}, 1), true},
        {"escaped letters", pdfFile({"<< /Creator (\\113wit\\\narnia) >>"}, 1), true},
        {"another program", pdfFile({"<< /Creator (Writer) /Producer (LibreOffice 7.4) >>"}, 1), false},
        {"a name that only starts alike", pdfFile({"<< /Creator (Kwitarnia-Pro 2) >>"}, 1), false},
        {"the program only as producer", pdfFile({"<< /Creator (Writer) /Producer (Kwitarnia) >>"}, 1), false},
        {"a longer key", pdfFile({"<< /CreatorTool (Kwitarnia) >>"}, 1), false},
        {"the creator of an object the trailer does not name",
         pdfFile({"<< /Creator (Kwitarnia) >>", "<< /Creator (Microsoft Word) >>"}, 2), false},
        {"no document information", pdfFile({catalog}, 7), false},
        {"only the start of a PDF", "%PDF-1.4 stary plik", false},
        {"not a PDF", "/Creator (Kwitarnia)\ntrailer << /Info 1 0 R >>\nstartxref\n0\n", false},
    };
    for (const PdfCase& c : cases)
        EXPECT_EQ(writtenByThisProgram(c.bytes), c.ours) << c.name;
}

TEST(PdfInfo, AFileCutShortIsNotOurs)
{
    const QByteArray whole = pdfFile({"<< /Creator (Kwitarnia) >>"}, 1);
    ASSERT_TRUE(writtenByThisProgram(whole));
    // Up to the offset of the cross-reference table, which ends the file.
    for (qsizetype size = 0; size < whole.lastIndexOf("startxref\n") + 10; ++size)
        EXPECT_FALSE(writtenByThisProgram(whole.first(size))) << size;
}

} // namespace
} // namespace kw
