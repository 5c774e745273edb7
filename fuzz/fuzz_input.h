#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace kw::fuzz {

// Takes a fuzzer's input apart front to back. Reading past the end gives
// zeros and empty texts, so every input, however short, is a valid one.
class FuzzInput
{
public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    bool atEnd() const { return offset_ >= size_; }
    quint8 byte();
    quint16 word();
    // Up to `count` bytes, fewer at the end.
    QByteArray bytes(qsizetype count);
    // A length byte (at most `maxLength`) and that many bytes as UTF-8.
    QString text(int maxLength);
    // Everything not taken yet.
    QByteArray rest();

private:
    const uint8_t* data_;
    size_t size_;
    size_t offset_ = 0;
};

} // namespace kw::fuzz
