#include "data/standard_profile.h"

#include "data/last.h"
#include "runtime/core/record_buffer.h"

QByteArray standardProfile() {
    RecordBuffer profile(LAS::layout());
    profile.setInteger(LAS::NFORM, 1);
    profile.setText(LAS::NAME, u"Стандартный лазерный принтер");
    profile.setText(LAS::TYPEFACE, u"Arial Cyr");
    profile.setInteger(LAS::FONTSIZE, 10);
    profile.setInteger(LAS::FONTSTYLE, 400);
    profile.setInteger(LAS::CHARSET, 204);
    return profile.image();
}
