#include "editing/selection_lines.h"

#include "store/document_journal.h"
#include "store/document_lock.h"
#include "store/record_stream.h"

#include <algorithm>

namespace kw {

namespace {

QString billLineOf(QByteArrayView record)
{
    const auto length = [&](StringField f) {
        return std::min<int>(static_cast<unsigned char>(record[f.offset]), f.maxChars);
    };
    QString line;
    line.reserve(length(doc::DocKind) + length(doc::DocNumber) + length(doc::NumberSuffix) + length(doc::BuyerLine1) +
                 3);
    appendString(line, record.data(), record.size(), doc::DocKind);
    line += QLatin1Char(' ');
    appendString(line, record.data(), record.size(), doc::DocNumber);
    line += QLatin1Char('/');
    appendString(line, record.data(), record.size(), doc::NumberSuffix);
    line += QLatin1Char(' ');
    appendString(line, record.data(), record.size(), doc::BuyerLine1);
    return line;
}

} // namespace

QString billLine(const DocumentRecord& record) { return billLineOf(record.bytes()); }

SelectionLines billLines(FileOps& ops, const QString& documentFile)
{
    DocumentLock lock(documentFile, DocumentLock::Reading);
    DocumentJournal(ops, documentFile).recover(lock);
    RecordStream stream(ops, documentFile, doc::Size);
    SelectionLines lines;
    lines.texts.reserve(stream.count());
    lines.sources.reserve(stream.count());
    QByteArrayView record;
    while (stream.next(record)) {
        lines.texts.append(billLineOf(record));
        lines.sources.append(stream.position());
    }
    return lines;
}

SelectionLines clientLines(const ClientListRecord& list)
{
    SelectionLines lines;
    const QLatin1Char blank(' ');
    for (int k = 1; k <= clients::Slots; ++k) {
        const QString name = list.get(clients::line(1, k));
        if (name.isEmpty())
            continue;
        // The fourth address line comes before the third, as the suite lists them.
        lines.texts.append(list.get(clients::slotNumber(k)) + blank + name + blank + list.get(clients::line(2, k)) +
                           blank + list.get(clients::taxId(k)) + blank + list.get(clients::line(4, k)) + blank +
                           list.get(clients::line(3, k)));
        lines.sources.append(k);
    }
    return lines;
}

SelectionLines serviceLines(const ServiceListRecord& list)
{
    SelectionLines lines;
    const QLatin1Char blank(' ');
    for (int k = 1; k <= services::Slots; ++k) {
        const QString name = list.get(services::name(k));
        if (name.isEmpty())
            continue;
        lines.texts.append(list.get(services::slotNumber(k)) + blank + name + blank + list.get(services::pkwiu(k)) +
                           blank + list.get(services::price(k)) + blank + list.get(services::extra(k)));
        lines.sources.append(k);
    }
    return lines;
}

int findLine(const QStringList& lines, const QString& fragment)
{
    if (fragment.isEmpty())
        return -1;
    for (int i = 1; i < lines.size(); ++i) {
        if (lines[i].contains(fragment, Qt::CaseSensitive))
            return i;
    }
    return -1;
}

} // namespace kw
