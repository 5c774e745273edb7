#include "app/cli/cli_commands.h"

#include "app/cli/cli_data_folder.h"
#include "app/cli/cli_lines.h"
#include "app/cli/cli_tables.h"
#include "app/cli/sink_buffer.h"
#include "app/cli/stdout_spool.h"
#include "app/cli/table_output.h"
#include "store/stored_documents.h"

namespace kw {

void listDocuments(FileOps& ops, const DataPaths& paths)
{
    storedDocumentCount(ops, paths.documentFile());
    StdoutSpool spool;
    SinkBuffer out(spool);
    forEachStoredDocument(ops, paths.documentFile(), [&](qint64 position, QByteArrayView record) {
        appendDocumentListLine(out.bytes(), position, record);
        out.pieceAdded();
    });
    out.flush();
    spool.copyToStdout();
}

void exportDocumentList(FileOps& ops, const DataPaths& paths, const QString& startFolder, const TableTarget& target)
{
    storedDocumentCount(ops, paths.documentFile());
    const PaymentMarks marks = PaymentMarks::read(ops, paths);
    const TableRows rows = [&](const std::function<void(const ExportRow&)>& take) {
        ExportRow row;
        forEachStoredDocument(ops, paths.documentFile(), [&](qint64 position, QByteArrayView record) {
            if (documentListRow(position, record, row, marks))
                take(row);
        });
    };
    deliverTable(ops, paths, startFolder, documentListTable(), rows, target);
}

} // namespace kw
