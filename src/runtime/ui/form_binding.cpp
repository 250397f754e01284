#include "runtime/ui/form_binding.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPointer>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>
#include <algorithm>

#include "runtime/ui/control_style.h"
#include "runtime/ui/cp1251_validator.h"
#include "runtime/ui/field_input.h"
#include "runtime/ui/input_notice.h"
#include "runtime/ui/spin_range_notice.h"

namespace {

// A spin box shows a stored value beyond its range at the nearest end; the
// record keeps the stored value until the user changes the box.
const char* const kBeyondRangeProperty = "vetdocsBeyondRange";

void markBeyondRange(QAbstractSpinBox* spin, bool beyond) {
    spin->setProperty(kBeyondRangeProperty, beyond);
}

bool isBeyondRange(const QAbstractSpinBox* spin) {
    return spin->property(kBeyondRangeProperty).toBool();
}

bool bindable(ControlKind kind) {
    return kind == ControlKind::Entry || kind == ControlKind::CheckBox ||
           kind == ControlKind::DropCombo || kind == ControlKind::DropList ||
           kind == ControlKind::SpinBox;
}

// The line a user types into: the entry itself or an editable combo's.
QLineEdit* typingLine(QWidget* control) {
    if (auto* combo = qobject_cast<QComboBox*>(control)) return combo->lineEdit();
    return qobject_cast<QLineEdit*>(control);
}

// A refused value keeps the focus when the user moves on to another field,
// so that the correction lands where it belongs; a button (save, cancel, the
// calendar) still takes its click. While the focus goes back, the field it
// leaves does not ask for it in turn.
bool returningFocus = false;

void holdFocus(QWidget* control) {
    // Where the focus went is known as the field is left; it goes back once
    // the move is over, unless the user has gone on meanwhile.
    QWidget* next = QApplication::focusWidget();
    if (returningFocus || !next || next == control || control->isAncestorOf(next)) return;
    if (next->window() != control->window() || qobject_cast<QAbstractButton*>(next)) return;
    QTimer::singleShot(0, control, [control, moved = QPointer<QWidget>(next)] {
        if (!moved || QApplication::focusWidget() != moved) return;
        returningFocus = true;
        control->setFocus(Qt::OtherFocusReason);
        returningFocus = false;
    });
}

// A letter in a number or a date is answered as it is typed, not only when
// the entry is left.
void limitCharacters(Cp1251Validator& validator, const std::optional<Picture>& picture) {
    if (!picture || picture->enteredCharacters().isEmpty()) return;
    validator.setOnly(picture->enteredCharacters(),
                      picture->kind() == Picture::Kind::Number
                          ? QStringLiteral("Здесь вводится число: только цифры")
                          : QStringLiteral("Здесь вводится дата: цифры и точки, ДД.ММ.ГГГГ"));
}

// A key or a paste that would go past the entry's length is answered rather
// than dropped unseen. A refused character has its own message from the
// validator.
void tellFull(QWidget* control, const QLineEdit* line) {
    if (line->text().size() < line->maxLength()) return;
    InputNotice::show(control,
                      QStringLiteral("Здесь помещается не более %1 знаков — лишнее не принято")
                          .arg(line->maxLength()),
                      false);
}

}  // namespace

FormBinding::FormBinding(ControlSet& controls, RecordBuffer& record)
    : QObject(controls.window()), controls_(controls), record_(record) {
    for (const ControlDef& def : controls.defs()) {
        if (!bindable(def.kind) || def.use.isEmpty()) continue;
        const int field = record.layout().indexOf(def.use);
        if (field >= 0) attach({def.label, controls.control(def.label), field});
    }
}

void FormBinding::bindValue(const QString& label, Getter get, Setter set) {
    if (QWidget* control = controls_.control(label))
        attach({label, control, -1, std::move(get), std::move(set)});
}

void FormBinding::attach(Binding binding) {
    const auto& defs = controls_.defs();
    const auto def = std::find_if(defs.begin(), defs.end(),
                                  [&](const ControlDef& d) { return d.label == binding.label; });
    binding.picture = FieldInput::pictureOf(def->picture);
    binding.order = def - defs.begin();
    const auto at = std::find_if(bindings_.begin(), bindings_.end(),
                                 [&](const Binding& b) { return b.order > binding.order; });
    prepareControl(*bindings_.insert(at, std::move(binding)));
}

void FormBinding::prepareControl(const Binding& binding) {
    const QString label = binding.label;
    QWidget* control = binding.control;
    if (QLineEdit* line = typingLine(control)) {
        if (binding.picture) {
            line->setMaxLength(binding.picture->maxLength());
            line->setAlignment(binding.picture->naturalAlignment());
        } else if (binding.field >= 0 &&
                   record_.layout().field(binding.field).type == FieldType::String) {
            line->setMaxLength(record_.layout().field(binding.field).size);
        }
        auto* validator = new Cp1251Validator(
            [control](const QString& message) { InputNotice::show(control, message, true); }, line);
        limitCharacters(*validator, binding.picture);
        line->setValidator(validator);
        connect(line, &QLineEdit::textEdited, control, [control] { InputNotice::clear(control); });
        connect(line, &QLineEdit::inputRejected, control,
                [control, line] { tellFull(control, line); });
        connect(line, &QLineEdit::editingFinished, this, [this, label, control] {
            if (!accept(label)) holdFocus(control);
        });
    }
    if (auto* combo = qobject_cast<QComboBox*>(control))
        connect(combo, &QComboBox::activated, this, [this, label] { accept(label); });
    if (auto* check = qobject_cast<QCheckBox*>(control))
        connect(check, &QCheckBox::clicked, this, [this, label] { accept(label); });
    const auto changed = [this, label, control] {
        markBeyondRange(static_cast<QAbstractSpinBox*>(control), false);
        accept(label);
    };
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(control)) SpinRangeNotice::watch(spin);
    if (auto* spin = qobject_cast<QSpinBox*>(control))
        connect(spin, &QSpinBox::valueChanged, this, changed);
    if (auto* spin = qobject_cast<QDoubleSpinBox*>(control)) {
        if (binding.field >= 0) spin->setDecimals(record_.layout().field(binding.field).places);
        connect(spin, &QDoubleSpinBox::valueChanged, this, changed);
    }
}

const FormBinding::Binding* FormBinding::find(const QString& label) const {
    for (const Binding& binding : bindings_)
        if (binding.label == label) return &binding;
    return nullptr;
}

QStringList FormBinding::labels() const {
    QStringList labels;
    for (const Binding& binding : bindings_)
        labels.append(binding.label);
    return labels;
}

QString FormBinding::labelOf(QWidget* widget) const {
    QWidget* control = ControlStyle::owningControl(widget);
    for (const Binding& binding : bindings_)
        if (binding.control == control) return binding.label;
    return {};
}

int FormBinding::fieldOf(const QString& label) const {
    const Binding* binding = find(label);
    return binding ? binding->field : -1;
}

void FormBinding::load() {
    for (const Binding& binding : bindings_)
        load(binding.label);
}

void FormBinding::load(const QString& label) {
    const Binding* binding = find(label);
    if (!binding) return;
    showValue(*binding, binding->field >= 0 ? record_.value(binding->field) : binding->get());
}

void FormBinding::showValue(const Binding& binding, const QVariant& value) {
    QWidget* control = binding.control;
    const QSignalBlocker blocker(control);
    InputNotice::clear(control);
    const QString text = FieldInput::display(value, binding.picture);
    if (auto* line = qobject_cast<QLineEdit*>(control)) {
        line->setText(text);
        line->setCursorPosition(0);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        if (combo->isEditable())
            combo->setEditText(text);
        else
            combo->setCurrentIndex(combo->findText(text));
    } else if (auto* check = qobject_cast<QCheckBox*>(control)) {
        check->setChecked(value.toInt() != 0);
    } else if (auto* spin = qobject_cast<QSpinBox*>(control)) {
        spin->setValue(value.toInt());
        markBeyondRange(spin, spin->value() != value.toInt());
    } else if (auto* spin = qobject_cast<QDoubleSpinBox*>(control)) {
        // Even the value it has rewrites the box's text, which would undo
        // what is being typed ("24." becoming "24.0").
        if (spin->value() != value.toDouble()) spin->setValue(value.toDouble());
        markBeyondRange(spin, spin->value() != value.toDouble());
    }
}

// A drop list with nothing chosen leaves the value alone, so a stored value
// that is not among its choices survives.
std::optional<QString> FormBinding::controlText(const Binding& binding) const {
    QWidget* control = binding.control;
    if (auto* line = qobject_cast<QLineEdit*>(control)) return line->text();
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        if (!combo->isEditable() && combo->currentIndex() < 0) return std::nullopt;
        return combo->currentText();
    }
    if (auto* check = qobject_cast<QCheckBox*>(control))
        return check->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(control); spin && isBeyondRange(spin))
        return std::nullopt;
    if (auto* spin = qobject_cast<QSpinBox*>(control)) return QString::number(spin->value());
    if (auto* spin = qobject_cast<QDoubleSpinBox*>(control))
        return QString::number(spin->value(), 'f', spin->decimals());
    return std::nullopt;
}

bool FormBinding::takeValue(const Binding& binding) {
    const std::optional<QString> text = controlText(binding);
    if (!text) return true;
    InputAnswer answer;
    if (binding.field >= 0) {
        answer = FieldInput::take(record_, binding.field, *text, binding.picture);
    } else {
        const Picture::ParseResult parsed = FieldInput::read(*text, binding.picture);
        answer = {parsed.ok(), parsed.error};
        if (parsed.ok()) binding.set(parsed.value);
    }
    if (!answer.taken) {
        InputNotice::show(binding.control, answer.message, true);
        return false;
    }
    load(binding.label);
    if (!answer.message.isEmpty()) InputNotice::show(binding.control, answer.message, false);
    return true;
}

bool FormBinding::accept(const QString& label) {
    const Binding* binding = find(label);
    if (!binding || !takeValue(*binding)) return false;
    emit accepted(label);
    return true;
}

QString FormBinding::acceptAll() {
    for (const Binding& binding : bindings_) {
        if (!accept(binding.label)) {
            binding.control->setFocus();
            return binding.label;
        }
    }
    return {};
}

std::optional<RecordBuffer> FormBinding::pending() const {
    RecordBuffer copy = record_;
    for (const Binding& binding : bindings_) {
        if (binding.field < 0) continue;
        const std::optional<QString> text = controlText(binding);
        if (text && !FieldInput::take(copy, binding.field, *text, binding.picture).taken)
            return std::nullopt;
    }
    return copy;
}

bool FormBinding::recall(const QString& label, const RecordBuffer& from) {
    const Binding* binding = find(label);
    if (!binding || binding->field < 0 || &from.layout() != &record_.layout()) return false;
    record_.setValue(binding->field, from.value(binding->field));
    load(label);
    emit recalled(label);
    return true;
}
