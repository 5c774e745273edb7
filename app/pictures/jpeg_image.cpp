#include "app/pictures/jpeg_image.h"

#include <csetjmp>
#include <cstdio>
#include <memory>

#include <jpeglib.h>

namespace kw {

namespace {

// Guards against a damaged header asking for a giant allocation.
constexpr unsigned long maxPixels = 64UL * 1024 * 1024;

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf escape;
};

[[noreturn]] void leaveDecoder(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

void discardMessage(j_common_ptr) {}

// Everything the decoder touches lives here, on the heap, so that nothing in
// the frame that calls setjmp changes after it.
struct Decoder {
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    QImage image;
};

// Returns false on any libjpeg error or warning. Holds no object with a
// destructor, because a libjpeg error longjmps back into this frame.
bool runDecoder(Decoder& d, const QByteArray& data)
{
    d.info.err = jpeg_std_error(&d.errors.base);
    d.errors.base.error_exit = leaveDecoder;
    d.errors.base.output_message = discardMessage;
    if (setjmp(d.errors.escape)) {
        jpeg_destroy_decompress(&d.info);
        return false;
    }
    jpeg_create_decompress(&d.info);
    jpeg_mem_src(&d.info, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&d.info, TRUE);
    d.info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&d.info);
    if (d.info.output_components != 3 ||
        static_cast<unsigned long>(d.info.output_width) * d.info.output_height > maxPixels) {
        jpeg_destroy_decompress(&d.info);
        return false;
    }
    d.image =
        QImage(static_cast<int>(d.info.output_width), static_cast<int>(d.info.output_height), QImage::Format_RGB888);
    if (d.image.isNull()) {
        jpeg_destroy_decompress(&d.info);
        return false;
    }
    while (d.info.output_scanline < d.info.output_height) {
        JSAMPROW row = d.image.scanLine(static_cast<int>(d.info.output_scanline));
        jpeg_read_scanlines(&d.info, &row, 1);
    }
    jpeg_finish_decompress(&d.info);
    jpeg_destroy_decompress(&d.info);
    // Truncated or damaged data only raises warnings; the picture is incomplete.
    return d.errors.base.num_warnings == 0;
}

} // namespace

QImage decodeJpeg(const QByteArray& data)
{
    if (data.isEmpty())
        return {};
    auto decoder = std::make_unique<Decoder>();
    if (!runDecoder(*decoder, data))
        return {};
    return std::move(decoder->image);
}

} // namespace kw
