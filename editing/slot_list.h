#pragma once

#include "store/record_field.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace kw {

// One column of a client or service list: what the user calls it and where
// each slot's text lies.
struct SlotColumn {
    QString caption;
    StringField (*field)(int slot);
    // An amount, written with a decimal point in the file.
    bool amount = false;
};

// The shape of a list file: its record size, its slot count and its
// columns. A slot is in use when its first column is not empty.
struct SlotListLayout {
    int size;
    int slotCount;
    QList<SlotColumn> columns;
};

// Client lists: name, three more address lines, tax number.
const SlotListLayout& clientListLayout();
// Service lists: name, PKWiU, unit, extra text, gross price.
const SlotListLayout& serviceListLayout();

// A client or service list record edited slot by slot (slots 1-based). Slot
// numbers never move; bytes of columns not changed, of other slots, of the
// slot numbers and of the reserved area stay exactly as they were.
class SlotList
{
public:
    // `bytes` must hold at least one whole record of the layout.
    SlotList(const SlotListLayout& layout, const QByteArray& bytes);

    const SlotListLayout& layout() const { return *layout_; }
    const QByteArray& bytes() const { return bytes_; }

    // The texts of the slot's columns.
    QStringList entry(int slot) const;
    bool inUse(int slot) const;
    QList<int> slotsInUse() const;
    // The first slot not in use; 0 when every slot is.
    int firstFreeSlot() const;
    // Whether a column of the slot holds `fragment`, ignoring case.
    bool matches(int slot, const QString& fragment) const;

    // Why `values` (one text per column) cannot be stored: the first column
    // empty, too long a text or a character the files cannot hold. Empty
    // when they can.
    QString problem(const QStringList& values) const;
    // Writes the columns whose text differs; `values` must have no problem.
    void setEntry(int slot, const QStringList& values);
    // Empties every column of the slot in place.
    void clear(int slot);

private:
    const SlotListLayout* layout_;
    QByteArray bytes_;
};

} // namespace kw
