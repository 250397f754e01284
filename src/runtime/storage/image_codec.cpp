#include "runtime/storage/image_codec.h"

#include <cstring>

namespace {

// 0x98 is the one byte cp1251 leaves undefined, so no stored text holds it;
// only the binary number fields can, and rarely.
constexpr char kMarker = '\x98';
constexpr qsizetype kShortestRun = 3;
constexpr qsizetype kLongestRun = 255;

}  // namespace

namespace ImageCodec {

QByteArray pack(QByteArrayView image) {
    // Every marker byte of the image doubles, so twice the length always fits.
    QByteArray packed(2 * image.size(), Qt::Uninitialized);
    char* out = packed.data();
    const char* p = image.data();
    const char* const end = p + image.size();
    while (p < end) {
        if (*p != ' ') {
            *out++ = *p;
            if (*p++ == kMarker) *out++ = '\0';
            continue;
        }
        const char* const run = p;
        while (p < end && *p == ' ' && p - run < kLongestRun)
            ++p;
        if (p - run < kShortestRun) {
            std::memset(out, ' ', p - run);
            out += p - run;
        } else {
            *out++ = kMarker;
            *out++ = static_cast<char>(p - run);
        }
    }
    packed.resize(out - packed.data());
    return packed;
}

bool unpack(QByteArrayView packed, qsizetype length, QByteArray& image) {
    image.resize(length);
    char* out = image.data();
    char* const outEnd = out + length;
    const char* p = packed.data();
    const char* const end = p + packed.size();
    while (p < end) {
        const auto* marker = static_cast<const char*>(std::memchr(p, kMarker, end - p));
        const qsizetype literal = (marker ? marker : end) - p;
        if (literal > outEnd - out) return false;
        std::memcpy(out, p, literal);
        out += literal;
        p += literal;
        if (!marker) break;
        if (end - p < 2) return false;
        const auto run = static_cast<unsigned char>(p[1]);
        p += 2;
        if (run == 0) {
            if (out == outEnd) return false;
            *out++ = kMarker;
        } else {
            if (run > outEnd - out) return false;
            std::memset(out, ' ', run);
            out += run;
        }
    }
    return out == outEnd;
}

}  // namespace ImageCodec
