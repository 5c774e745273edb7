#pragma once

#include <QByteArray>
#include <QImage>

namespace kw {

// Decodes a JPEG file's bytes with libjpeg. Returns a null image when the
// bytes are not a complete, valid JPEG (libjpeg errors and corrupt-data
// warnings alike) or the picture is implausibly large.
QImage decodeJpeg(const QByteArray& data);

} // namespace kw
