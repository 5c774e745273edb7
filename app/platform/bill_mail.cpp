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

void checkAddress(const QString& address)
{
    if (!address.isEmpty() && !isPlainMailAddress(address))
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

bool isPlainMailAddress(const QString& address)
{
    // The composer takes a mailto: address, so '?', '&', '%' and '\' would
    // let the text add recipients, headers or attachments of its own; a
    // leading dash would be taken for an option. Letters of any script are
    // allowed on both sides, as internationalised addresses have them.
    static const QRegularExpression shape(QStringLiteral(
        R"(^[\p{L}\p{N}!#$'*+/=^_`{|}~][\p{L}\p{N}!#$'*+/=^_`{|}~.-]*@[\p{L}\p{N}]([\p{L}\p{N}-]*[\p{L}\p{N}])?)"
        R"((\.[\p{L}\p{N}]([\p{L}\p{N}-]*[\p{L}\p{N}])?)*\z)"));
    return shape.match(address).hasMatch() && !address.contains(QLatin1String("..")) &&
        !address.contains(QLatin1String(".@"));
}

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
