#include "print/profile.h"

#include <cmath>

#include "runtime/core/packed_decimal.h"

namespace Profile {

namespace {

constexpr Range kHeaderLines{5, 100};

}  // namespace

bool readActive(TableAccess& last) {
    last.record().clear();
    ReadRequest first;
    first.key = LAS::K1;
    first.limit = 1;
    const auto page = last.read(first);
    if (page.empty()) return false;
    last.load(page.front());
    return true;
}

FontSpec font(const RecordBuffer& profile) {
    // The character set needs no field: every face we resolve to carries
    // Cyrillic.
    return FontSpec::fromStored(profile.text(LAS::TYPEFACE), profile.number(LAS::FONTSIZE),
                                static_cast<int>(profile.integer(LAS::FONTSTYLE)),
                                profile.integer(LAS::FONTCOLOR));
}

void apply(TextControl& control, const RecordBuffer& profile, Entry entry) {
    control.pos = QPointF(profile.number(entry.x), profile.number(entry.y));
    control.font = font(profile);
}

Range positionRange(int field) {
    switch (field) {
        case LAS::AXZ1:
        case LAS::AYZ1:
        case LAS::AXZ2:
        case LAS::AYZ2:
        case LAS::AXZ3:
        case LAS::AYZ3:
        case LAS::AXZ4:
        case LAS::AYZ4:
            return kHeaderLines;
        default: {
            // No limit but what the field holds.
            const Field& f = LAS::layout().field(field);
            const double widest =
                double(PackedDecimal::maxScaled(f.size)) / std::pow(10.0, f.places);
            return {-widest, widest};
        }
    }
}

}  // namespace Profile
