#include "print/profile.h"

#include "data/last.h"

namespace Profile {

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
    return FontSpec::fromStored(profile.text(LAS::TYPEFACE), profile.number(LAS::FONTSIZE),
                                static_cast<int>(profile.integer(LAS::FONTSTYLE)),
                                profile.integer(LAS::FONTCOLOR));
}

}  // namespace Profile
