#include "runtime/ui/window_placement.h"

#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <optional>

namespace WindowPlacement {

namespace {

// How much of a window's top edge must show for the user to drag it.
constexpr int kGripWidth = 40;
constexpr int kGripHeight = 20;

QWidget* frameOf(const QWidget* window) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget())) return sub;
    return const_cast<QWidget*>(window);
}

// The areas a window may lie in: the frame's MDI area, or the screens.
QList<QRect> areasFor(const QWidget* frame) {
    if (auto* sub = qobject_cast<const QMdiSubWindow*>(frame))
        if (QMdiArea* area = sub->mdiArea()) return {area->viewport()->rect()};
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas.append(screen->availableGeometry());
    return areas;
}

double distance(const QRect& area, QPoint point) {
    const int dx = std::max({area.left() - point.x(), 0, point.x() - area.right()});
    const int dy = std::max({area.top() - point.y(), 0, point.y() - area.bottom()});
    return std::hypot(dx, dy);
}

}  // namespace

QRect pulledOnto(const QRect& saved, const QList<QRect>& areas) {
    if (areas.isEmpty()) return saved;
    const QRect grip(saved.topLeft(), QSize(saved.width(), std::min(saved.height(), kGripHeight)));
    for (const QRect& area : areas) {
        const QRect shown = area.intersected(grip);
        if (shown.width() >= std::min(kGripWidth, saved.width()) && !shown.isEmpty()) return saved;
    }
    const QRect nearest =
        *std::min_element(areas.begin(), areas.end(), [&](const QRect& a, const QRect& b) {
            return distance(a, saved.center()) < distance(b, saved.center());
        });
    return fittedInto(saved, nearest);
}

QRect fittedInto(const QRect& rect, const QRect& area) {
    const QSize size = rect.size().boundedTo(area.size());
    const int x = std::clamp(rect.x(), area.left(), area.right() + 1 - size.width());
    const int y = std::clamp(rect.y(), area.top(), area.bottom() + 1 - size.height());
    return QRect(QPoint(x, y), size);
}

void fitIntoRoom(QWidget* window) {
    QWidget* frame = frameOf(window);
    QRect room;
    if (auto* sub = qobject_cast<const QMdiSubWindow*>(frame); sub && sub->mdiArea())
        room = sub->mdiArea()->viewport()->rect();
    else if (frame->screen())
        room = frame->screen()->availableGeometry();
    if (!room.isEmpty() && !frame->isMaximized())
        frame->setGeometry(fittedInto(frame->geometry(), room));
}

bool restore(QWidget* window, const QString& section, QSize defaultSize, SettingsFile& settings) {
    QWidget* frame = frameOf(window);
    const auto number = [&](const char* key) {
        bool ok = false;
        const int n = settings.value(section, QLatin1String(key)).toInt(&ok);
        return ok ? std::optional<int>(n) : std::nullopt;
    };
    const auto width = number("Width"), height = number("Height");
    if (width > 0 && height > 0)
        frame->resize(*width, *height);
    else if (defaultSize.isValid())
        frame->resize(defaultSize);
    const auto x = number("X"), y = number("Y");
    if (x && y)
        frame->setGeometry(pulledOnto(QRect(QPoint(*x, *y), frame->size()), areasFor(frame)));
    if (settings.value(section, QStringLiteral("Maximized")).toBool())
        frame->setWindowState(frame->windowState() | Qt::WindowMaximized);
    return width > 0 && height > 0;
}

void save(const QWidget* window, const QString& section, SettingsFile& settings) {
    const QWidget* frame = frameOf(window);
    const bool maximized = frame->isMaximized();
    settings.setValue(section, QStringLiteral("Maximized"), maximized);
    // A maximized MDI child does not tell its normal place; the saved one stays.
    const QRect normal = frame->isWindow() ? frame->normalGeometry() : frame->geometry();
    if (!(maximized && !frame->isWindow()) && !normal.isEmpty()) {
        settings.setValue(section, QStringLiteral("X"), normal.x());
        settings.setValue(section, QStringLiteral("Y"), normal.y());
        settings.setValue(section, QStringLiteral("Width"), normal.width());
        settings.setValue(section, QStringLiteral("Height"), normal.height());
    }
    settings.sync();
}

}  // namespace WindowPlacement
