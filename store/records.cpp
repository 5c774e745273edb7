#include "store/records.h"

namespace kw {

DocumentRecord sentinelRecord(const QString& today)
{
    DocumentRecord r;
    r.set(doc::DocNumber, QStringLiteral("0"));
    r.set(doc::NumberSuffix, today);
    r.set(doc::BuyerLine1, QStringLiteral("Początek bloczka rachunkowego"));
    r.set(doc::DocKind, QStringLiteral("F"));
    return r;
}

LocationRecord initialLocation(const QString& startFolder)
{
    LocationRecord r;
    r.setByteAt(location::FolderMode, 1);
    r.set(location::LocalPath, startFolder);
    return r;
}

namespace {

// Slot numbers are "01".."09", then "10" upwards.
QString slotText(int k) { return k < 10 ? QStringLiteral("0%1").arg(k) : QString::number(k); }

} // namespace

ClientListRecord emptyClientList()
{
    ClientListRecord r;
    for (int k = 1; k <= clients::Slots; ++k)
        r.set(clients::slotNumber(k), slotText(k));
    return r;
}

ServiceListRecord emptyServiceList()
{
    ServiceListRecord r;
    for (int k = 1; k <= services::Slots; ++k)
        r.set(services::slotNumber(k), slotText(k));
    return r;
}

} // namespace kw
