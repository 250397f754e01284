#include "runtime/ui/spin_range_notice.h"

#include <QDoubleSpinBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSpinBox>

#include "runtime/ui/input_notice.h"

namespace SpinRangeNotice {

namespace {

// Looks at what is typed before the box puts its last value back, and tells
// again once the box is done: taking the value in clears notices. A key
// dropped since the last edit counts as typed outside.
class Watcher : public QObject {
public:
    explicit Watcher(QAbstractSpinBox* spin) : QObject(spin), spin_(spin) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusOut || isEnter(event))
            outside_ = outside_ || !spin_->hasAcceptableInput();
        return false;
    }

    void rejected() {
        outside_ = true;
        tell();
    }
    void edited() { outside_ = false; }

    void finished() {
        if (outside_) tell();
        outside_ = false;
    }

    void tell() { InputNotice::show(spin_, rangeText(spin_), false); }

private:
    static bool isEnter(QEvent* event) {
        if (event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        return key == Qt::Key_Return || key == Qt::Key_Enter;
    }

    QAbstractSpinBox* spin_;
    bool outside_ = false;
};

}  // namespace

QString rangeText(const QAbstractSpinBox* spin) {
    QString low;
    QString high;
    if (const auto* box = qobject_cast<const QDoubleSpinBox*>(spin)) {
        low = box->locale().toString(box->minimum(), 'f', box->decimals());
        high = box->locale().toString(box->maximum(), 'f', box->decimals());
    } else if (const auto* box = qobject_cast<const QSpinBox*>(spin)) {
        low = box->locale().toString(box->minimum());
        high = box->locale().toString(box->maximum());
    }
    return QStringLiteral("Допустимы значения от %1 до %2").arg(low, high);
}

void watch(QAbstractSpinBox* spin) {
    auto* watcher = new Watcher(spin);
    spin->installEventFilter(watcher);
    QObject::connect(spin, &QAbstractSpinBox::editingFinished, watcher,
                     [watcher] { watcher->finished(); });
    if (auto* line = spin->findChild<QLineEdit*>()) {
        QObject::connect(line, &QLineEdit::inputRejected, watcher,
                         [watcher] { watcher->rejected(); });
        QObject::connect(line, &QLineEdit::textEdited, watcher, [watcher] { watcher->edited(); });
    }
}

}  // namespace SpinRangeNotice
