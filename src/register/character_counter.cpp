#include "register/character_counter.h"

#include <algorithm>
#include <array>

#include "data/forma3.h"

Shared<int> VS_SIM;
Shared<int> KOL_SIM;

namespace CharacterCounter {

namespace {

// The lines of the blank's main text; continuation lines, headings, numbers,
// dates, the description and the back side have no counter.
constexpr std::array kCounted = {FR3::S1,  FR3::S2,  FR3::S3,   FR3::S4,  FR3::KOL, FR3::UP,
                                 FR3::MK,  FR3::S5,  FR3::S7,   FR3::S8,  FR3::S10, FR3::S11,
                                 FR3::S13, FR3::S14, FR3::S141, FR3::S15, FR3::S16, FR3::S17,
                                 FR3::S18, FR3::S19, FR3::P1,   FR3::P2,  FR3::P3,  FR3::P4};

// The picture shows 0 to 99; an estimate never leaves the line's own range.
void setLeft(int left, int width) {
    KOL_SIM.set(std::clamp(left, 0, width));
}

}  // namespace

int widthOf(int field) {
    if (std::find(kCounted.begin(), kCounted.end(), field) == kCounted.end()) return 0;
    return FR3::layout().field(field).size;
}

void entered(int field, const QString& text) {
    const int width = widthOf(field);
    if (width == 0) return;
    int length = static_cast<int>(text.size());
    while (length > 0 && text.at(length - 1) == u' ')
        --length;
    setLeft(width - length, width);
}

void pressed(int field, Key key) {
    const int width = widthOf(field);
    if (width == 0) return;
    int left = KOL_SIM.get();
    if (key == Key::Delete || key == Key::Backspace)
        ++left;
    else if (key == Key::Other)
        --left;
    setLeft(left, width);
    VS_SIM.set(width);
}

}  // namespace CharacterCounter
