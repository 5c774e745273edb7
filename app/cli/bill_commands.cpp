#include "app/cli/cli_commands.h"

#include "app/cli/cli_data_folder.h"
#include "app/cli/cli_error.h"
#include "app/cli/cli_output.h"
#include "documents/document_template.h"
#include "session/document_session.h"
#include "session/form_rules.h"
#include "store/io_error.h"

#include <QDate>
#include <QFileInfo>

namespace kw {

namespace {

constexpr int typedColumns = 5;

QString todayText() { return QDate::currentDate().toString(Qt::ISODate); }

// "8/2026", or "8" for a bill numbered without an extension.
QString fullNumber(const DocumentHead& head)
{
    return head.numberSuffix.isEmpty() ? head.number : head.number + QLatin1Char('/') + head.numberSuffix;
}

QString withNothingStored(QString reason)
{
    if (reason.endsWith(QLatin1Char('.')))
        reason.chop(1);
    return reason + QStringLiteral("; nie zapisano rachunku.");
}

// The window asks before storing a bill whose extension starts with "/"; a
// command cannot ask, so it gives the reason the question gives and stores
// nothing.
QString suffixRefusal(const QString& question)
{
    QString reason = question;
    const qsizetype asked = reason.lastIndexOf(QStringLiteral(". "));
    if (reason.endsWith(QLatin1Char('?')) && asked > 0)
        reason.truncate(asked);
    return reason + QStringLiteral("; popraw rozszerzenie w ustawieniach numeracji; nie zapisano rachunku.");
}

// A session on the data folder, its settings file there to number from: a
// command never creates a data file, as the window would on its first start.
void openSession(DocumentSession& session, FileOps& ops, const DataPaths& paths)
{
    storedDocumentCount(ops, paths.documentFile());
    requireDataFile(paths.settingsFile());
    session.setFolder(paths, todayText());
}

// "Nowy rachunek": numbered after the settings' last bill.
void beginBill(DocumentSession& session)
{
    if (const std::optional<QString> notice = session.beginNewBill())
        throw CommandLineError(withNothingStored(*notice));
}

void requireBill(const DocumentRecord& record, qint64 position)
{
    if (isOpeningRecord(record, position))
        throw CommandLineError(QStringLiteral("Na pozycji %1 jest początek bloczka rachunkowego, a nie rachunek; "
                                              "nie zapisano rachunku.")
                                   .arg(position));
    if (!hasKnownKind(record))
        throw CommandLineError(QStringLiteral("Dokument na pozycji %1 nie jest ani rachunkiem, ani rachunkiem "
                                              "korygującym (rodzaj „%2”); nie zapisano rachunku.")
                                   .arg(position)
                                   .arg(record.get(doc::DocKind)));
}

// "Zapisz rachunek" answered yes, on the bill the session holds with the
// dates of the command. Prints the number and position it was stored at.
void storeBill(DocumentSession& session, const BillDates& dates)
{
    DocumentForm bill = session.form();
    bill.head.issueDate = dates.issue.isEmpty() ? session.today() : dates.issue;
    bill.head.serviceDate = dates.service.isEmpty() ? bill.head.issueDate : dates.service;
    keepCashTerm(bill.head);
    session.setForm(bill);
    if (const std::optional<QString> question = session.suffixQuestion())
        throw CommandLineError(suffixRefusal(*question));

    const QString number = fullNumber(bill.head);
    qint64 position = 0;
    try {
        // Numbered from the settings without a person to look: a number
        // another instance has just stored is refused, not given twice.
        position = session.store(DocumentSession::TakenNumbers::Refused);
    } catch (const IoError& error) {
        if (session.state().isNew())
            throw;
        // The bill is in the document file: saying only what failed would
        // have it issued a second time.
        throw IoError(QStringLiteral("Rachunek %1 dopisano do pliku dokumentów (pozycja %2), ale zapisu nie "
                                     "dokończono: %3")
                          .arg(number)
                          .arg(session.state().currentRecord())
                          .arg(error.message()));
    }
    printLine(QStringLiteral("Zapisano rachunek %1 (pozycja %2).").arg(number).arg(position));
}

// Where a template named on the command line lies: as given, relative to the
// current folder, or else a bare file name in the data folder's templates.
QString templatePath(const DataPaths& paths, const QString& given)
{
    if (QFileInfo::exists(given) || given.contains(QLatin1Char('/')))
        return given;
    return resolvePath(paths.folder(), templateFolder() + QLatin1Char('/') + given);
}

} // namespace

void copyBill(FileOps& ops, const DataPaths& paths, std::optional<qint64> position, const BillDates& dates)
{
    DocumentSession session(ops);
    openSession(session, ops, paths);
    const qint64 chosen = storedPosition(ops, paths.documentFile(), position);
    session.loadChosen(chosen);
    requireBill(session.working(), chosen);
    // A corrective bill shows its lines after the correction.
    const DocumentForm source = session.form();

    beginBill(session);
    DocumentForm bill = session.form();
    bill.head.buyerLines = source.head.buyerLines;
    bill.head.buyerTaxId = source.head.buyerTaxId;
    bill.head.paymentMethod = source.head.paymentMethod;
    bill.head.paymentTerm = source.head.paymentTerm;
    // The line totals are those of the new bill, computed when it is stored.
    for (int column = 0; column < typedColumns; ++column)
        bill.cells[column] = source.cells[column];
    session.setForm(bill);
    storeBill(session, dates);
}

void newBillFromTemplate(FileOps& ops, const DataPaths& paths, const QString& templateFile,
                         const QList<TypedBillLine>& lines, const BillDates& dates)
{
    DocumentSession session(ops);
    openSession(session, ops, paths);
    const DocumentRecord tpl = readTemplate(ops, templatePath(paths, templateFile));

    beginBill(session);
    session.insertTemplate(tpl);
    if (!lines.isEmpty()) {
        DocumentForm bill = session.form();
        for (int line = 0; line < doc::Lines; ++line)
            for (int column = 0; column < doc::Columns; ++column)
                bill.cells[column][line] =
                    line < lines.size() && column < typedColumns ? lines[line][column] : QString();
        session.setForm(bill);
    }
    storeBill(session, dates);
}

} // namespace kw
