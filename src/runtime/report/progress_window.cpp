#include "runtime/report/progress_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

#include "runtime/report/report_font.h"
#include "runtime/ui/dialog_units.h"

namespace {

QLabel* centredLine(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

ProgressWindow::ProgressWindow(const QPixmap& wallpaper, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Готовность..."));
    FontSpec font;
    font.pointSize = 7;
    setFont(toQFont(font));
    if (!wallpaper.isNull()) {
        QPalette palette = this->palette();
        palette.setBrush(QPalette::Window, QBrush(wallpaper));
        setPalette(palette);
        setAutoFillBackground(true);
    }

    const DialogUnits units(this->font());
    message_ = centredLine(this, QStringLiteral("message"));
    message_->setGeometry(units.rect({0, 3, 141, 10}));
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("progress"));
    bar_->setRange(0, 100);
    bar_->setTextVisible(false);
    bar_->setGeometry(units.rect({15, 15, 111, 12}));
    percent_ = centredLine(this, QStringLiteral("percent"));
    percent_->setGeometry(units.rect({0, 30, 141, 10}));
    cancel_ = new QPushButton(QStringLiteral("Отмена"), this);
    cancel_->setObjectName(QStringLiteral("cancel"));
    cancel_->setToolTip(QStringLiteral("Cancel Report"));
    cancel_->setGeometry(units.rect({45, 42, 50, 15}));
    connect(cancel_, &QPushButton::clicked, this, &ProgressWindow::cancelRequested);

    setFixedSize(units.size(142, 59));
    setPercent(0);
    centre();
}

void ProgressWindow::setMessage(const QString& text) {
    message_->setText(text);
}

void ProgressWindow::setPercent(int percent) {
    bar_->setValue(percent);
    percent_->setText(QStringLiteral("%1% Complete").arg(percent));
}

void ProgressWindow::centre() {
    const QWidget* over = parentWidget() ? parentWidget()->window() : nullptr;
    const QRect area = over ? over->geometry() : screen()->availableGeometry();
    QRect frame(QPoint(), size());
    frame.moveCenter(area.center());
    move(frame.topLeft());
}

void ProgressWindow::closeEvent(QCloseEvent* event) {
    emit closing();
    QWidget::closeEvent(event);
}
