#include "documents/document_template.h"

#include "store/data_files.h"
#include "store/io_error.h"
#include "store/record_file.h"

#include <QFile>

#include <cerrno>

namespace kw {
namespace {

// A template carries the whole head but the bill's own number, its
// extension and its service date: those are taken from `own`.
DocumentHead withOwnNumberAndServiceDate(DocumentHead carried, const DocumentHead& own)
{
    carried.number = own.number;
    carried.numberSuffix = own.numberSuffix;
    carried.serviceDate = own.serviceDate;
    return carried;
}

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
    writeHead(tpl, withOwnNumberAndServiceDate(form.head, DocumentHead{}));
    for (int column = 1; column <= doc::Columns; ++column)
        for (int line = 1; line <= doc::Lines; ++line)
            tpl.set(lineCell(LineTable::Bill, column, line), form.cells[column - 1][line - 1]);
    tpl.set(doc::DocKind, QStringLiteral("F"));
    return tpl;
}

DocumentForm applyTemplate(const DocumentRecord& tpl, DocumentForm current)
{
    current.head = withOwnNumberAndServiceDate(readHead(tpl), current.head);
    for (int column = 1; column <= doc::Columns; ++column)
        for (int line = 1; line <= doc::Lines; ++line)
            current.cells[column - 1][line - 1] = tpl.get(lineCell(LineTable::Bill, column, line));
    return current;
}

void saveTemplate(FileOps& ops, const QString& path, const DocumentRecord& tpl)
{
    RecordFile(ops, path, doc::Size).replace(tpl.bytes());
}

DocumentRecord readTemplate(FileOps& ops, const QString& path) { return readSingleRecord<DocumentRecord>(ops, path); }

void deleteTemplate(FileOps& ops, const QString& path)
{
    if (ops.unlink(QFile::encodeName(path).constData()) != 0)
        throw IoError(QStringLiteral("Nie można usunąć szablonu %1: %2.").arg(path, describeErrno(errno)));
}

} // namespace kw
