#include "print/profile_form.h"

#include "data/last.h"
#include "print/font_choice.h"
#include "print/profile.h"
#include "runtime/core/cp1251.h"

ProfileForm::ProfileForm(WindowContext& context)
    : context_(context), relation_(context.tables().relate(u"LAST")), opened_(relation_.open()) {}

ProfileForm::~ProfileForm() {
    if (opened_) relation_.close();
}

bool ProfileForm::readActive() {
    return opened_ && Profile::readActive(relation_.access());
}

QString ProfileForm::fontCaption() const {
    return QStringLiteral("Шрифт: [%1 Размер: %2]")
        .arg(record().text(LAS::TYPEFACE))
        .arg(record().integer(LAS::FONTSIZE));
}

QFont ProfileForm::chooserFont() const {
    return FontChoice::ofProfile(record());
}

QString ProfileForm::takeFont(const std::optional<QFont>& chosen) {
    if (!chosen) return {};
    if (!Cp1251::encode(FontChoice::withCyr(chosen->family())))
        return QStringLiteral(
                   "В имени шрифта «%1» есть знаки, которых нет в кодировке cp1251, и настройка "
                   "не может его сохранить. Выберите другой шрифт.")
            .arg(chosen->family());
    FontChoice::remember(*chosen, qint32(record().integer(LAS::FONTCOLOR)));
    FontChoice::copyInto(record());
    return {};
}

bool ProfileForm::save() {
    if (!opened_ || !relation_.update()) return false;
    context_.history().remember(kProcedure, record());
    return true;
}

ProfileForm::Range ProfileForm::boxRange(const ControlDef& box) {
    if (box.maximum > box.minimum) return {double(box.minimum), double(box.maximum)};
    const Profile::Range range = Profile::positionRange(LAS::layout().indexOf(box.use));
    return {range.minimum, range.maximum};
}
