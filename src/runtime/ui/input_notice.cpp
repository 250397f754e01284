#include "runtime/ui/input_notice.h"

#include <QPainter>
#include <QTimer>
#include <QToolTip>

namespace InputNotice {

namespace {

const char* const kMessage = "vetdocsInputNotice";
// As long as the program's other hints stay on screen.
constexpr int kBalloonTime = 6000;

// A red frame laid over the control, leaving its own look alone.
class RefusedFrame : public QWidget {
public:
    explicit RefusedFrame(QWidget* control) : QWidget(control) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(control->rect());
        show();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QPen(QColor(220, 0, 0), 2));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
};

RefusedFrame* frameOf(const QWidget* control) {
    for (QObject* child : control->children())
        if (auto* frame = dynamic_cast<RefusedFrame*>(child)) return frame;
    return nullptr;
}

}  // namespace

void show(QWidget* control, const QString& message, bool refused) {
    control->setProperty(kMessage, message);
    if (!refused)
        delete frameOf(control);
    else if (!frameOf(control))
        new RefusedFrame(control);
    // The balloon waits for the focus to settle: a tooltip goes away when
    // the focus moves, and input is checked as the focus leaves.
    QTimer::singleShot(0, control, [control, message] {
        QToolTip::showText(control->mapToGlobal(QPoint(0, control->height())), message, control, {},
                           kBalloonTime);
    });
}

void clear(QWidget* control) {
    if (message(control).isEmpty()) return;
    control->setProperty(kMessage, QString());
    delete frameOf(control);
    if (QToolTip::isVisible()) QToolTip::hideText();
}

QString message(const QWidget* control) {
    return control->property(kMessage).toString();
}

bool isRefused(const QWidget* control) {
    return frameOf(control) != nullptr;
}

}  // namespace InputNotice
