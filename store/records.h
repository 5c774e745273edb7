#pragma once

#include "store/record_field.h"
#include "store/record_layouts.h"

#include <QByteArray>
#include <QString>
#include <QtEndian>

#include <algorithm>

namespace kw {

// A fixed-size record: named fields at fixed offsets over a byte array.
template <int N>
class Record
{
public:
    static constexpr int Size = N;

    Record() : bytes_(N, '\0') {}
    // Takes the first N bytes; a shorter input is padded with zeros.
    static Record fromBytes(QByteArrayView bytes)
    {
        Record r;
        std::copy_n(bytes.data(), std::min<qsizetype>(bytes.size(), N), r.bytes_.data());
        return r;
    }

    QString get(StringField field) const { return readString(bytes_, field); }
    void set(StringField field, const QString& text) { writeString(bytes_, field, text); }
    quint8 byteAt(int offset) const { return quint8(bytes_[offset]); }
    void setByteAt(int offset, quint8 value) { bytes_[offset] = char(value); }
    qint32 int32At(int offset) const { return qFromLittleEndian<qint32>(bytes_.constData() + offset); }
    void setInt32At(int offset, qint32 value) { qToLittleEndian(value, bytes_.data() + offset); }

    void clear() { bytes_.fill('\0'); }
    const QByteArray& bytes() const { return bytes_; }

    friend bool operator==(const Record& a, const Record& b) { return a.bytes_ == b.bytes_; }

private:
    QByteArray bytes_;
};

using DocumentRecord = Record<doc::Size>;
using SettingsRecord = Record<settings::Size>;
using CompanyRecord = Record<company::Size>;
using LocationRecord = Record<location::Size>;
using InfoRecord = Record<info::Size>;
using ClientListRecord = Record<clients::Size>;
using ServiceListRecord = Record<services::Size>;
using PrintFontRecord = Record<printfont::Size>;
using SalesRegisterRecord = Record<salesregister::Size>;

// The two line tables of a document record.
enum class LineTable { Bill, Correction };

constexpr StringField lineCell(LineTable table, int column, int line)
{
    return doc::cell(table == LineTable::Bill ? doc::BillLines : doc::CorrectionLines, column, line);
}

// The kind of a document record: "F" bill, "K" corrective bill.
inline bool isCorrective(const DocumentRecord& r) { return r.get(doc::DocKind) == QLatin1String("K"); }
inline bool isBill(const DocumentRecord& r) { return r.get(doc::DocKind) == QLatin1String("F"); }
inline bool hasKnownKind(const DocumentRecord& r) { return isBill(r) || isCorrective(r); }

// The record that opens every document file.
DocumentRecord sentinelRecord(const QString& today);

// Initial contents of the files created when missing.
LocationRecord initialLocation(const QString& startFolder);
ClientListRecord emptyClientList();
ServiceListRecord emptyServiceList();

} // namespace kw
