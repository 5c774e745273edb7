#include "fuzz/fuzz_input.h"

#include <algorithm>

namespace kw::fuzz {

quint8 FuzzInput::byte() { return atEnd() ? 0 : data_[offset_++]; }

quint16 FuzzInput::word()
{
    const quint16 low = byte();
    return quint16(low | byte() << 8);
}

QByteArray FuzzInput::bytes(qsizetype count)
{
    const size_t taken = atEnd() ? 0 : std::min(size_ - offset_, size_t(std::max<qsizetype>(count, 0)));
    const QByteArray result(reinterpret_cast<const char*>(data_ + offset_), qsizetype(taken));
    offset_ += taken;
    return result;
}

QString FuzzInput::text(int maxLength) { return QString::fromUtf8(bytes(byte() % (maxLength + 1))); }

QByteArray FuzzInput::rest() { return bytes(qsizetype(size_ - std::min(offset_, size_))); }

} // namespace kw::fuzz
