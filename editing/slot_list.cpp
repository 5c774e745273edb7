#include "editing/slot_list.h"

#include "store/field_check.h"
#include "store/record_layouts.h"

namespace kw {

const SlotListLayout& clientListLayout()
{
    static const SlotListLayout layout{clients::Size,
                                       clients::Slots,
                                       {{QStringLiteral("Nazwa"), [](int k) { return clients::line(1, k); }},
                                        {QStringLiteral("Adres 1"), [](int k) { return clients::line(2, k); }},
                                        {QStringLiteral("Adres 2"), [](int k) { return clients::line(3, k); }},
                                        {QStringLiteral("Adres 3"), [](int k) { return clients::line(4, k); }},
                                        {QStringLiteral("NIP"), clients::taxId}}};
    return layout;
}

const SlotListLayout& serviceListLayout()
{
    static const SlotListLayout layout{services::Size,
                                       services::Slots,
                                       {{QStringLiteral("Nazwa usługi"), services::name},
                                        {QStringLiteral("PKWiU"), services::pkwiu},
                                        {QStringLiteral("J.m"), services::unit},
                                        {QStringLiteral("Dopisek"), services::extra},
                                        {QStringLiteral("Cena brutto"), services::price, true}}};
    return layout;
}

SlotList::SlotList(const SlotListLayout& layout, const QByteArray& bytes) : layout_(&layout), bytes_(bytes)
{
    Q_ASSERT(bytes_.size() >= layout_->size);
}

QStringList SlotList::entry(int slot) const
{
    QStringList texts;
    for (const SlotColumn& column : layout_->columns)
        texts.append(readString(bytes_, column.field(slot)));
    return texts;
}

bool SlotList::inUse(int slot) const { return bytes_[layout_->columns.first().field(slot).offset] != '\0'; }

QList<int> SlotList::slotsInUse() const
{
    QList<int> used;
    for (int slot = 1; slot <= layout_->slotCount; ++slot)
        if (inUse(slot))
            used.append(slot);
    return used;
}

int SlotList::firstFreeSlot() const
{
    for (int slot = 1; slot <= layout_->slotCount; ++slot)
        if (!inUse(slot))
            return slot;
    return 0;
}

bool SlotList::matches(int slot, const QString& fragment) const
{
    for (const QString& text : entry(slot))
        if (text.contains(fragment, Qt::CaseInsensitive))
            return true;
    return false;
}

QString SlotList::problem(const QStringList& values) const
{
    Q_ASSERT(values.size() == layout_->columns.size());
    if (values.first().isEmpty())
        return QStringLiteral("Pole „%1” nie może być puste.").arg(layout_->columns.first().caption);
    for (qsizetype i = 0; i < values.size(); ++i) {
        const SlotColumn& column = layout_->columns[i];
        const QString problem = storageProblem(column.caption, column.field(1), values[i]);
        if (!problem.isEmpty())
            return problem;
    }
    return {};
}

void SlotList::setEntry(int slot, const QStringList& values)
{
    Q_ASSERT(problem(values).isEmpty());
    for (qsizetype i = 0; i < values.size(); ++i)
        writeChangedString(bytes_, layout_->columns[i].field(slot), values[i]);
}

void SlotList::clear(int slot)
{
    for (const SlotColumn& column : layout_->columns)
        writeString(bytes_, column.field(slot), QString());
}

} // namespace kw
