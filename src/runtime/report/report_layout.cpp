#include "runtime/report/report_layout.h"

TextControl TextControl::label(QString name, QPointF pos, QString text) {
    TextControl control;
    control.name = std::move(name);
    control.pos = pos;
    control.text = std::move(text);
    return control;
}

TextControl TextControl::field(QString name, QPointF pos, QString picture, ValueGetter value) {
    TextControl control;
    control.name = std::move(name);
    control.pos = pos;
    control.picture = std::move(picture);
    control.value = std::move(value);
    control.autoWidth = AutoWidth::Picture;
    return control;
}

TextControl TextControl::count(QString name, QPointF pos, QString picture) {
    TextControl control = field(std::move(name), pos, std::move(picture), {});
    control.countTotal = true;
    return control;
}

TextControl& TextControl::withSize(double w, double h) {
    width = w;
    height = h;
    return *this;
}

TextControl& TextControl::withHeight(double h) {
    height = h;
    return *this;
}

TextControl& TextControl::fitValue() {
    width.reset();
    autoWidth = AutoWidth::Value;
    return *this;
}

TextControl& TextControl::aligned(TextAlign a) {
    align = a;
    return *this;
}

TextControl& TextControl::withFont(FontSpec f) {
    font = std::move(f);
    return *this;
}

TextControl& TextControl::opaqueBackground() {
    opaque = true;
    return *this;
}

LineControl LineControl::horizontal(QString name, QPointF from, double length) {
    return {std::move(name), from, from + QPointF(length, 0)};
}

Band& Band::add(ReportControl control) {
    controls.push_back(std::move(control));
    return *this;
}

TextControl* Band::text(QStringView name) {
    for (auto& control : controls) {
        auto* text = std::get_if<TextControl>(&control);
        if (text && text->name == name) return text;
    }
    return nullptr;
}

TextControl* ReportLayout::text(QStringView name) {
    for (Band* band :
         {pageHeader ? &*pageHeader : nullptr, &detail, groupFooter ? &*groupFooter : nullptr}) {
        if (!band) continue;
        if (TextControl* found = band->text(name)) return found;
    }
    return nullptr;
}

ReportLayout ReportLayout::fullPage(QString title) {
    ReportLayout layout;
    layout.title = std::move(title);
    layout.detailArea = QRectF(QPointF(0, 0), layout.paper);
    layout.detail.size = layout.paper;
    return layout;
}
