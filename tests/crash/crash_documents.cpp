#include "tests/crash/crash_documents.h"

#include <QRandomGenerator>

namespace kw::crash {

namespace {

// Text of every length up to the field's, with letters the code page keeps.
QString filler(QRandomGenerator& random, int maxChars)
{
    static const QString letters = QStringLiteral("aąbcćdeęfghijklłmnńoóprsśtuwyzźżAĄCĆEĘŁŃÓŚŹŻ 0123456789-/.,");
    const int length = random.bounded(maxChars + 1);
    QString text;
    for (int i = 0; i < length; ++i)
        text += letters[random.bounded(int(letters.size()))];
    return text;
}

} // namespace

DocumentRecord document(qint64 id)
{
    if (id == 0)
        return sentinelRecord(QStringLiteral("2024-01-02"));
    QRandomGenerator random(quint32(id) ^ quint32(id >> 32));
    DocumentRecord r;
    for (StringField field : {doc::Place, doc::BuyerLine1, doc::BuyerLine2, doc::BuyerLine3, doc::BuyerLine4,
                              doc::BuyerTaxId, doc::PaymentMethod, doc::PaymentTerm, doc::Signature, doc::CorrectedRef})
        r.set(field, filler(random, field.maxChars));
    r.set(doc::IssueDate, QStringLiteral("2024-%1-15").arg(id % 12 + 1, 2, 10, QLatin1Char('0')));
    r.set(doc::DocNumber, QString::number(id));
    for (LineTable table : {LineTable::Bill, LineTable::Correction})
        for (int column = 1; column <= doc::Columns; ++column)
            for (int line = 1; line <= doc::Lines; ++line)
                r.set(lineCell(table, column, line), filler(random, doc::CellChars));
    r.set(doc::DocKind, id % 3 ? QStringLiteral("F") : QStringLiteral("K"));
    return r;
}

SettingsRecord settings(qint64 id)
{
    QRandomGenerator random(quint32(id) * 7919u);
    SettingsRecord r;
    r.set(settings::Place, filler(random, settings::Place.maxChars));
    r.set(settings::BillNumber, QString::number(id));
    r.set(settings::Signature, filler(random, settings::Signature.maxChars));
    r.set(settings::PrintFootnote, filler(random, settings::PrintFootnote.maxChars));
    return r;
}

qint64 idOf(QByteArrayView record)
{
    if (record.size() != doc::Size)
        return -1;
    bool ok = false;
    const qint64 id = DocumentRecord::fromBytes(record).get(doc::DocNumber).toLongLong(&ok);
    return ok && document(id).bytes() == record ? id : -1;
}

} // namespace kw::crash
