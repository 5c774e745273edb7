#include "extras/document_template.h"

#include "store/data_files.h"
#include "store/io_error.h"
#include "store/record_file.h"

#include <QFile>

#include <cerrno>

namespace kw {
namespace {

// The text fields a template carries, with the form's matching member.
struct CarriedField {
    StringField field;
    QString DocumentForm::*text;
};

const CarriedField carriedFields[] = {
    {doc::Place, &DocumentForm::place},
    {doc::IssueDate, &DocumentForm::issueDate},
    {doc::BuyerTaxId, &DocumentForm::buyerTaxId},
    {doc::PaymentMethod, &DocumentForm::paymentMethod},
    {doc::PaymentTerm, &DocumentForm::paymentTerm},
    {doc::Signature, &DocumentForm::signature},
};

const StringField buyerLineFields[] = {doc::BuyerLine1, doc::BuyerLine2, doc::BuyerLine3, doc::BuyerLine4};

} // namespace

QString templateSavedNotice() { return QStringLiteral("Szablon został zapisany."); }
QString templateDeleteQuestion() { return QStringLiteral("Usunąć wskazany szablon ?"); }
QString templateDeletedNotice() { return QStringLiteral("Szablon został usunięty."); }
QString templateSaveFilter() { return QStringLiteral("Szablon dokumentów|*.sza"); }
QString templateOpenFilter() { return QStringLiteral("Szablony dokumentów|*.sza"); }
QString templateFolder() { return QStringLiteral("Szablony"); }

DocumentRecord templateRecord(const DocumentForm& form)
{
    DocumentRecord tpl;
    for (const CarriedField& carried : carriedFields)
        tpl.set(carried.field, form.*carried.text);
    for (int i = 0; i < 4; ++i)
        tpl.set(buyerLineFields[i], form.buyerLines[i]);
    for (int column = 1; column <= doc::Columns; ++column)
        for (int line = 1; line <= doc::Lines; ++line)
            tpl.set(lineCell(LineTable::Bill, column, line), form.cells[column - 1][line - 1]);
    tpl.set(doc::DocKind, QStringLiteral("F"));
    return tpl;
}

DocumentForm applyTemplate(const DocumentRecord& tpl, DocumentForm current)
{
    for (const CarriedField& carried : carriedFields)
        current.*carried.text = tpl.get(carried.field);
    for (int i = 0; i < 4; ++i)
        current.buyerLines[i] = tpl.get(buyerLineFields[i]);
    for (int column = 1; column <= doc::Columns; ++column)
        for (int line = 1; line <= doc::Lines; ++line)
            current.cells[column - 1][line - 1] = tpl.get(lineCell(LineTable::Bill, column, line));
    return current;
}

void saveTemplate(FileOps& ops, const QString& path, const DocumentRecord& tpl)
{
    RecordFile(ops, path, doc::Size).replace(tpl.bytes());
}

DocumentRecord readTemplate(FileOps& ops, const QString& path)
{
    return readSingleRecord<DocumentRecord>(ops, path);
}

void deleteTemplate(FileOps& ops, const QString& path)
{
    if (ops.unlink(QFile::encodeName(path).constData()) != 0)
        throw IoError(QStringLiteral("Nie można usunąć szablonu %1: %2.").arg(path, describeErrno(errno)));
}

} // namespace kw
