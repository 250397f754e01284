#include "runtime/ui/window_host.h"

#include <QApplication>
#include <QMdiSubWindow>

#include "runtime/ui/control_style.h"
#include "runtime/ui/focus_highlight.h"
#include "runtime/ui/window_placement.h"

namespace {

const char* const kActionProperty = "vetdocsWindowAction";

// Saves a window's placement when its frame closes.
class PlacementSaver : public QObject {
public:
    PlacementSaver(QWidget* window, QWidget* frame, const QString& section)
        : QObject(frame), window_(window), section_(section) {
        frame->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close && window_) WindowPlacement::save(window_, section_);
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QWidget> window_;
    QString section_;
};

// Closes an MDI child when the window inside it closes itself (a form's
// Cancel), which QMdiSubWindow leaves to its owner.
class SubWindowCloser : public QObject {
public:
    SubWindowCloser(QMdiSubWindow* sub, QWidget* window) : QObject(sub), sub_(sub) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide && !event->spontaneous() && sub_->isVisible() &&
            !sub_->isMinimized() && !sub_->isShaded())
            sub_->close();
        return QObject::eventFilter(watched, event);
    }

private:
    QMdiSubWindow* sub_;
};

}  // namespace

WindowHost& WindowHost::instance() {
    static WindowHost* host = new WindowHost;
    return *host;
}

WindowHost::WindowHost() {
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { focusChanged(now); });
}

void WindowHost::setMdiArea(QMdiArea* area) {
    if (mdiArea_) disconnect(mdiArea_, nullptr, this, nullptr);
    mdiArea_ = area;
    // Closing a maximised preview must not blow up the small window behind it.
    if (area) area->setOption(QMdiArea::DontMaximizeSubWindowOnActivation);
    if (area)
        connect(area, &QMdiArea::subWindowActivated, this,
                [this](QMdiSubWindow* sub) { showActionOf(sub ? sub->widget() : nullptr); });
}

QWidget* WindowHost::open(QWidget* window, const QString& section, QSize defaultSize) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    FocusHighlight::attach(window);
    windows_.removeAll(nullptr);
    windows_.append(window);
    QWidget* frame = window;
    QMdiSubWindow* sub = nullptr;
    if (mdiArea_) {
        sub = mdiArea_->addSubWindow(window);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        sub->setWindowIcon(window->windowIcon());
        new SubWindowCloser(sub, window);
        frame = sub;
    }
    bool placed = false;
    if (!section.isEmpty()) {
        placed = WindowPlacement::restore(window, section, defaultSize);
        new PlacementSaver(window, frame, section);
    } else if (defaultSize.isValid()) {
        frame->resize(defaultSize);
    }
    frame->show();
    // The declared size is the window's own area, inside the child window's
    // frame and title.
    if (sub && !placed && defaultSize.isValid() && !sub->isMaximized())
        sub->resize(defaultSize + sub->size() - window->size());
    // The frame's own choice of place may run past its edge, and a size saved
    // on a larger screen, or a window larger than the room (the blank is
    // taller than many screens), would leave edges out of reach.
    WindowPlacement::fitIntoRoom(window);
    return frame;
}

void WindowHost::activate(QWidget* window) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget())) {
        if (sub->mdiArea()) sub->mdiArea()->setActiveSubWindow(sub);
    } else {
        window->raise();
        window->activateWindow();
    }
}

QWidget* WindowHost::windowOf(const QWidget* widget) const {
    for (; widget; widget = widget->parentWidget())
        for (const auto& window : windows_)
            if (window == widget) return window;
    return nullptr;
}

QWidget* WindowHost::activeWindow() const {
    if (QWidget* focused = windowOf(QApplication::focusWidget())) return focused;
    if (mdiArea_ && mdiArea_->activeSubWindow()) return mdiArea_->activeSubWindow()->widget();
    return windowOf(QApplication::activeWindow());
}

bool WindowHost::dispatch(ToolbarAction action) {
    QWidget* window = activeWindow();
    if (!window) return false;
    QWidget* focus = QApplication::focusWidget();
    QWidget* widget = focus && window->isAncestorOf(focus) ? focus : window;
    for (; widget; widget = widget == window ? nullptr : widget->parentWidget())
        if (auto* client = dynamic_cast<ToolbarClient*>(widget))
            if (client->toolbarAction(action)) return true;
    return false;
}

QString WindowHost::statusText(StatusZone zone) const {
    return zone == StatusZone::Hint ? hint_ : action_;
}

void WindowHost::setStatusText(StatusZone zone, const QString& text) {
    QString& current = zone == StatusZone::Hint ? hint_ : action_;
    if (current == text) return;
    current = text;
    emit statusTextChanged(zone, text);
}

void WindowHost::setWindowAction(QWidget* window, const QString& text) {
    window->setProperty(kActionProperty, text);
    if (window == activeWindow() || !activeWindow()) setStatusText(StatusZone::Action, text);
}

void WindowHost::focusChanged(QWidget* now) {
    if (!now) return;
    setStatusText(StatusZone::Hint, ControlStyle::statusText(ControlStyle::owningControl(now)));
    if (QWidget* window = windowOf(now)) showActionOf(window);
}

void WindowHost::showActionOf(const QWidget* window) {
    setStatusText(StatusZone::Action,
                  window ? window->property(kActionProperty).toString() : QString());
}
