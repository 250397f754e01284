#include "app/tooltip_time.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>

namespace {

// The tooltip a widget would show at a point: a list cell's own, or the
// widget's.
QString tooltipAt(QWidget* widget, QPoint pos) {
    if (auto* view = qobject_cast<QAbstractItemView*>(widget->parentWidget());
        view && view->viewport() == widget)
        return view->indexAt(pos).data(Qt::ToolTipRole).toString();
    return widget->toolTip();
}

class TooltipTimer : public QObject {
public:
    TooltipTimer(int milliseconds, QObject* parent) : QObject(parent), ms_(milliseconds) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ToolTip || !watched->isWidgetType())
            return QObject::eventFilter(watched, event);
        auto* widget = static_cast<QWidget*>(watched);
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = tooltipAt(widget, help->pos());
        if (text.isEmpty()) return false;  // the parent's, if any, when the event goes on
        QToolTip::showText(help->globalPos(), text, widget, {}, ms_);
        return true;
    }

private:
    int ms_;
};

}  // namespace

void keepTooltipsFor(int milliseconds) {
    qApp->installEventFilter(new TooltipTimer(milliseconds, qApp));
}
