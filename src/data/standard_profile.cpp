#include "data/standard_profile.h"

#include "data/last.h"
#include "data/print_layout_tables.h"
#include "runtime/core/record_buffer.h"

namespace {

void setFrontPositions(RecordBuffer& profile) {
#define VETDOCS_BASE_PLACE(value, picture, x, y, width, align, xFrom, yFrom) \
    profile.setNumber(LAS::xFrom, x);                                        \
    profile.setNumber(LAS::yFrom, y);
    // The counterfoil first: where both sides print a pair, the
    // certificate's place wins.
    VETDOCS_COUNTERFOIL_CONTROLS(VETDOCS_BASE_PLACE)
    VETDOCS_CERTIFICATE_CONTROLS(VETDOCS_BASE_PLACE)
#undef VETDOCS_BASE_PLACE
}

void setBackPositions(RecordBuffer& profile) {
#define VETDOCS_CELL_X(picture, x, width) x,
    const double cellX[] = {VETDOCS_BACK_CELLS(VETDOCS_CELL_X)};
#undef VETDOCS_CELL_X
#define VETDOCS_BACK_ROW(y, yField, v1, x1, v2, x2, v3, x3, v4, x4, v5, x5, v6, x6, v7, x7)    \
    profile.setNumber(LAS::yField, y);                                                         \
    for (int cell = 0;                                                                         \
         const LAS::Field x : {LAS::x1, LAS::x2, LAS::x3, LAS::x4, LAS::x5, LAS::x6, LAS::x7}) \
        profile.setNumber(x, cellX[cell++]);
    VETDOCS_BACK_ROWS(VETDOCS_BACK_ROW)
#undef VETDOCS_BACK_ROW
}

}  // namespace

QByteArray standardProfile() {
    RecordBuffer profile(LAS::layout());
    profile.setInteger(LAS::NFORM, 1);
    profile.setText(LAS::NAME, u"Стандартный лазерный принтер");
    setFrontPositions(profile);
    setBackPositions(profile);
    profile.setText(LAS::TYPEFACE, u"Arial Cyr");
    profile.setInteger(LAS::FONTSIZE, 10);
    profile.setInteger(LAS::FONTSTYLE, 400);
    profile.setInteger(LAS::CHARSET, 204);
    return profile.image();
}
