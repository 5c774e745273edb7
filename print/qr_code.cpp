#include "print/qr_code.h"

#include "print/print_error.h"

#include <qrencode.h>

#include <memory>

namespace kw {

namespace {

constexpr int quietZone = 4;

struct QrCodeFree {
    void operator()(QRcode* code) const { QRcode_free(code); }
};

} // namespace

ModuleSquare qrCodeModules(const QByteArray& text)
{
    const std::unique_ptr<QRcode, QrCodeFree> code(QRcode_encodeString8bit(text.constData(), 0, QR_ECLEVEL_L));
    if (!code)
        throw PrintError(QStringLiteral("Nie można utworzyć kodu QR z danych przelewu."));
    ModuleSquare square;
    square.side = code->width + 2 * quietZone;
    square.dark.assign(std::size_t(square.side) * square.side, false);
    for (int row = 0; row < code->width; ++row) {
        for (int column = 0; column < code->width; ++column) {
            // libqrencode marks a dark module in the lowest bit.
            square.dark[std::size_t(row + quietZone) * square.side + column + quietZone] =
                (code->data[row * code->width + column] & 1) != 0;
        }
    }
    return square;
}

} // namespace kw
