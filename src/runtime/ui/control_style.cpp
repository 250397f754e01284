#include "runtime/ui/control_style.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace ControlStyle {

namespace {

const char* const kStatusText = "vetdocsStatusText";
const char* const kRequired = "vetdocsRequired";

// The palette role a control paints its background with.
QPalette::ColorRole fillRole(const QWidget* control) {
    if (auto* combo = qobject_cast<const QComboBox*>(control))
        return combo->isEditable() ? QPalette::Base : QPalette::Button;
    if (qobject_cast<const QLineEdit*>(control) || qobject_cast<const QAbstractSpinBox*>(control) ||
        qobject_cast<const QAbstractScrollArea*>(control))
        return QPalette::Base;
    if (qobject_cast<const QPushButton*>(control)) return QPalette::Button;
    return QPalette::Window;
}

}  // namespace

QString familyName(const QString& family) {
    QString name = family.trimmed();
    if (name.endsWith(QLatin1String(" CYR"), Qt::CaseInsensitive)) name.chop(4);
    return name;
}

QFont font(const ControlFont& def, const QFont& windowFont) {
    QFont f = windowFont;
    if (!def.family.isEmpty()) f.setFamily(familyName(def.family));
    if (def.size > 0) f.setPointSize(def.size);
    f.setBold(def.bold);
    f.setItalic(def.italic);
    f.setUnderline(def.underline);
    return f;
}

void setTextColour(QWidget* control, const QColor& colour) {
    QPalette palette = control->palette();
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, colour);
    control->setPalette(palette);
}

void setFill(QWidget* control, const QColor& colour) {
    QPalette palette = control->palette();
    const QPalette::ColorRole role = fillRole(control);
    palette.setColor(role, colour);
    control->setPalette(palette);
    if (role == QPalette::Window) control->setAutoFillBackground(true);
}

QColor fill(const QWidget* control) {
    return control->palette().color(fillRole(control));
}

QWidget* owningControl(QWidget* focused) {
    QWidget* parent = focused ? focused->parentWidget() : nullptr;
    if (qobject_cast<QAbstractSpinBox*>(parent) || qobject_cast<QComboBox*>(parent)) return parent;
    return focused;
}

QString statusText(const QWidget* control) {
    return control ? control->property(kStatusText).toString() : QString();
}

void setStatusText(QWidget* control, const QString& text) {
    control->setProperty(kStatusText, text);
}

bool isRequired(const QWidget* control) {
    return control->property(kRequired).toBool();
}

void setRequired(QWidget* control, bool required) {
    control->setProperty(kRequired, required);
}

}  // namespace ControlStyle
