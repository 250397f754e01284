#include "runtime/core/packed_decimal.h"

#include <cstdlib>

namespace PackedDecimal {

namespace {
constexpr unsigned char kNegative = 0xD;
}

qint64 maxScaled(int bytes) {
    qint64 max = 1;
    for (int i = 0; i < 2 * bytes - 1; ++i) max *= 10;
    return max - 1;
}

bool encode(qint64 scaled, int bytes, char* out) {
    if (bytes < 1 || bytes > 9 || std::llabs(scaled) > maxScaled(bytes)) return false;
    qint64 magnitude = std::llabs(scaled);
    // Fill half-bytes from the last (least significant) towards the sign.
    for (int nibble = 2 * bytes - 1; nibble >= 1; --nibble) {
        const auto digit = static_cast<unsigned char>(magnitude % 10);
        magnitude /= 10;
        auto& byte = reinterpret_cast<unsigned char&>(out[nibble / 2]);
        byte = nibble % 2 ? static_cast<unsigned char>((byte & 0xF0) | digit)
                          : static_cast<unsigned char>((byte & 0x0F) | (digit << 4));
    }
    auto& first = reinterpret_cast<unsigned char&>(out[0]);
    first = static_cast<unsigned char>((first & 0x0F) | ((scaled < 0 ? kNegative : 0) << 4));
    return true;
}

qint64 decode(const char* in, int bytes) {
    qint64 value = 0;
    for (int nibble = 1; nibble < 2 * bytes; ++nibble) {
        const auto byte = static_cast<unsigned char>(in[nibble / 2]);
        const int digit = nibble % 2 ? (byte & 0x0F) : (byte >> 4);
        value = value * 10 + (digit > 9 ? 0 : digit);
    }
    const auto sign = static_cast<unsigned char>(in[0]) >> 4;
    return sign == 0 ? value : -value;
}

}  // namespace PackedDecimal
