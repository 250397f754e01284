#include "app/zast.h"

#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QTimer>

#include "runtime/ui/control_builder.h"
#include "runtime/ui/procedure_window.h"
#include "runtime/ui/wallpaper.h"

namespace {

constexpr QSize kSize{188, 210};
const QColor kGrey(128, 128, 128);

const std::vector<ControlDef>& zastControls() {
    static const std::vector<ControlDef> table{
        {.kind = ControlKind::Text,
         .label = "?Heading",
         .at = {10, 8, 0, 0},
         .text = "Ветеринарные сопроводительные документы",
         .font =
             {.family = "Arial CYR", .size = 8, .underline = true, .colour = QColor(0, 128, 64)}},
        {.kind = ControlKind::Text,
         .label = "?Subheading",
         .at = {10, 20, 0, 0},
         .text = "Рекомендации, заполнение и печать",
         .font = {.family = "Arial CYR", .size = 7, .colour = kGrey}},
        {.kind = ControlKind::Image,
         .label = "?Icon",
         .at = {60, 36, 18, 16},
         .image = ":/icons/vetdocs.png"},
        {.kind = ControlKind::Text,
         .label = "?FormCaption",
         .at = {82, 40, 0, 0},
         .text = "ФОРМА №2",
         .font = {.family = "Times New Roman CYR", .size = 7, .colour = QColor(0, 64, 128)}},
        {.kind = ControlKind::Image,
         .label = "?Picture",
         .at = {47, 58, 94, 111},
         .image = ":/pictures/Forma2_zast.jpg"},
        {.kind = ControlKind::Text,
         .label = "?PictureCaption",
         .at = {10, 174, 0, 0},
         .text = "\"Ветеринарное свидетельство\"",
         .font = {.family = "Arial CYR", .size = 7, .colour = kGrey}},
    };
    return table;
}

}  // namespace

void Zast() {
    auto* window = new ZastWindow;
    window->closeWhenLeft(openProcedureWindow(window, QStringLiteral("Zast"), kSize));
}

ZastWindow::ZastWindow(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("О программе"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/vetdocs.png")));
    setFont(windowFont(QStringLiteral("Arial CYR"), 9));
    setWallpaper(this, QStringLiteral(":/pictures/fon_nnn.jpg"));
    ControlSet* controls = buildControls(zastControls(), this);
    // The captions stand in the middle, whatever width their fonts give them.
    const int width = controls->units().x(kSize.width());
    for (const char* label : {"?Heading", "?Subheading", "?PictureCaption"}) {
        QWidget* text = controls->control(QLatin1String(label));
        text->move((width - text->width()) / 2, text->y());
    }
}

void ZastWindow::closeWhenLeft(QWidget* carrier) {
    auto* sub = qobject_cast<QMdiSubWindow*>(carrier);
    if (!sub) return;  // on its own, changeEvent sees the activation go
    connect(sub, &QMdiSubWindow::windowStateChanged, this,
            [this](Qt::WindowStates before, Qt::WindowStates now) {
                if ((before & Qt::WindowActive) && !(now & Qt::WindowActive)) closeLater();
            });
    if (QMdiArea* area = sub->mdiArea()) area->viewport()->installEventFilter(this);
}

void ZastWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton) closeLater();
}

void ZastWindow::mouseDoubleClickEvent(QMouseEvent*) {
    closeLater();
}

void ZastWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isWindow() && !isActiveWindow()) closeLater();
    QWidget::changeEvent(event);
}

bool ZastWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) closeLater();
    return QWidget::eventFilter(watched, event);
}

// Posted, as the window may not close in the middle of its own event.
void ZastWindow::closeLater() {
    QTimer::singleShot(0, this, &QWidget::close);
}
