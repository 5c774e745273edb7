#include "app/platform/bill_mail.h"

#include "print/pdf_document.h"
#include "store/io_error.h"
#include "store/output_file.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace kw {

namespace {

const QString mailComposer = QStringLiteral("xdg-email");

// Something before and after one '@', no blanks or control characters, and
// no leading dash that the composer would take for an option.
void checkAddress(const QString& address)
{
    static const QRegularExpression shape(QStringLiteral(R"(^[^\s@-][^\s@]*@[^\s@]+$)"));
    bool control = false;
    for (QChar c : address)
        control = control || c.category() == QChar::Other_Control;
    if (!address.isEmpty() && (control || !shape.match(address).hasMatch()))
        throw IoError(QStringLiteral("Nieprawidłowy adres e-mail „%1”.").arg(address));
}

QString writeAttachment(FileOps& ops, const BillPrintout& bill)
{
    QTemporaryDir folder(QDir(QStandardPaths::writableLocation(QStandardPaths::TempLocation))
                             .filePath(QStringLiteral("kwitarnia-XXXXXX")));
    if (!folder.isValid())
        throw IoError(QStringLiteral("Nie można utworzyć folderu tymczasowego: %1.").arg(folder.errorString()));
    // The mail program reads the file after this process may have ended.
    folder.setAutoRemove(false);
    PdfDocument pdf(billTitle(bill));
    pdf.addBill(bill);
    const QString file = folder.filePath(billPdfFileName(bill));
    writeOutputFile(ops, file, pdfOutputKind(), pdf.finish(), {});
    return file;
}

} // namespace

QString mailBill(FileOps& ops, const BillPrintout& bill, const QString& address)
{
    checkAddress(address);
    const QString program = QStandardPaths::findExecutable(mailComposer);
    if (program.isEmpty())
        throw IoError(QStringLiteral("Nie znaleziono programu xdg-email (pakiet xdg-utils), który otwiera program "
                                     "pocztowy; rachunku nie wysłano."));
    const QString file = writeAttachment(ops, bill);
    QStringList arguments = {QStringLiteral("--subject"), billTitle(bill), QStringLiteral("--attach"), file};
    if (!address.isEmpty())
        arguments.append(address);
    if (!QProcess::startDetached(program, arguments))
        throw IoError(
            QStringLiteral("Nie można uruchomić programu %1; rachunek zapisano w pliku %2.").arg(program, file));
    return file;
}

} // namespace kw
