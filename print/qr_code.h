#pragma once

#include "print/module_square.h"

#include <QByteArray>

namespace kw {

// The modules of a QR code of `text`, its bytes encoded as they are, at
// error correction level L, with the quiet zone of four light modules on
// every side included. Throws PrintError when no code can be made of it
// (longer than a QR code holds).
ModuleSquare qrCodeModules(const QByteArray& text);

} // namespace kw
