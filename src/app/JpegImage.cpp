#include "JpegImage.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

namespace quorvex::ui {
namespace {

// Larger than any background we ship by far; refuses absurd headers before allocating.
constexpr long long kMaxPixels = 64LL * 1024 * 1024;

// libjpeg reports errors by calling error_exit, which must not return. We jump back to the
// decoder instead of letting the library end the program. Warnings (corrupt or truncated data,
// which libjpeg would otherwise pad with grey) are treated as errors too: a damaged picture is
// refused, not shown half-drawn.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void failJump(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

void onMessage(j_common_ptr cinfo, int level) {
    if (level < 0) failJump(cinfo);  // a warning: the data is damaged
}

void silence(j_common_ptr) {}

struct Decoded {
    unsigned char* pixels = nullptr;  // malloc'd, 4 bytes a pixel
    int width = 0;
    int height = 0;
};

// Everything between setjmp and a possible longjmp is plain data, so no destructor is skipped;
// the pixel buffer is volatile so its address survives the jump and can be freed.
bool decodeRaw(const unsigned char* data, std::size_t size, Decoded* out, char* message) {
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    unsigned char* volatile pixels = nullptr;
    std::memset(&cinfo, 0, sizeof cinfo);
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = failJump;
    err.pub.emit_message = onMessage;
    err.pub.output_message = silence;
    err.message[0] = '\0';
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        std::free(pixels);
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", err.message);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);
    if (static_cast<long long>(cinfo.image_width) * cinfo.image_height > kMaxPixels) {
        jpeg_destroy_decompress(&cinfo);
        std::snprintf(message, JMSG_LENGTH_MAX, "picture too large (%ux%u)", cinfo.image_width,
                      cinfo.image_height);
        return false;
    }
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    cinfo.out_color_space = JCS_EXT_BGRX;  // the byte order of QImage::Format_RGB32
#else
    cinfo.out_color_space = JCS_EXT_XRGB;
#endif
    jpeg_start_decompress(&cinfo);
    const std::size_t stride = static_cast<std::size_t>(cinfo.output_width) * 4;
    pixels = static_cast<unsigned char*>(std::malloc(stride * cinfo.output_height));
    if (pixels == nullptr) {
        jpeg_destroy_decompress(&cinfo);
        std::snprintf(message, JMSG_LENGTH_MAX, "out of memory");
        return false;
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = pixels + stride * cinfo.output_scanline;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    out->pixels = pixels;
    out->width = static_cast<int>(cinfo.output_width);
    out->height = static_cast<int>(cinfo.output_height);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

}  // namespace

QImage decodeJpeg(const QByteArray& bytes, QString* error) {
    auto fail = [error](const QString& why) {
        if (error) *error = why;
        return QImage();
    };
    if (bytes.isEmpty()) return fail(QStringLiteral("no picture data"));
    Decoded decoded;
    char message[JMSG_LENGTH_MAX] = {};
    if (!decodeRaw(reinterpret_cast<const unsigned char*>(bytes.constData()),
                   static_cast<std::size_t>(bytes.size()), &decoded, message))
        return fail(QString::fromLocal8Bit(message));
    // The image owns the buffer from here on and frees it with its last copy.
    QImage image(
        decoded.pixels, decoded.width, decoded.height, decoded.width * 4, QImage::Format_RGB32,
        [](void* p) { std::free(p); }, decoded.pixels);
    if (image.isNull()) {
        std::free(decoded.pixels);
        return fail(QStringLiteral("out of memory"));
    }
    if (error) error->clear();
    return image;
}

}  // namespace quorvex::ui
