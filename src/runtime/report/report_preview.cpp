#include "runtime/report/report_preview.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileDialog>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPixmap>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QSpinBox>
#include <QStandardPaths>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "runtime/report/page_renderer.h"

namespace {

constexpr double kMmPerInch = 25.4;

bool hasUnderlay(const ReportDocument& document) {
    return std::any_of(document.pages.begin(), document.pages.end(),
                       [](const Page& page) { return !page.underlay.isNull(); });
}

}  // namespace

ReportPreview::ReportPreview(ReportDocument document, QWidget* parent)
    : QWidget(parent),
      document_(std::move(document)),
      state_(int(document_.pages.size())),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Предварительный просмотр: %1").arg(document_.title));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(makeToolBar());

    sheet_ = new QLabel;
    sheet_->setObjectName(QStringLiteral("sheet"));
    scroll_ = new QScrollArea;
    scroll_->setBackgroundRole(QPalette::Dark);
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setWidget(sheet_);
    layout->addWidget(scroll_, 1);

    setWindowState(Qt::WindowMaximized);
    refresh();
}

ReportPreview::~ReportPreview() = default;

QWidget* ReportPreview::makeToolBar() {
    auto* bar = new QToolBar;
    bar->setObjectName(QStringLiteral("toolbar"));
    QAction* print = addAction(bar, QStringLiteral("print"), QStringLiteral("Печать"),
                               [this] { openPrintDialog(); });
    print->setShortcut(QKeySequence::Print);
    addAction(bar, QStringLiteral("savePdf"), QStringLiteral("Сохранить в PDF"),
              [this] { openPdfDialog(); });
    bar->addSeparator();

    addAction(bar, QStringLiteral("firstPage"), QStringLiteral("«"), [this] {
        showPage(0);
    })->setToolTip(QStringLiteral("Первая страница"));
    addAction(bar, QStringLiteral("previousPage"), QStringLiteral("‹"), [this] {
        showPage(state_.page() - 1);
    })->setShortcut(QKeySequence::MoveToPreviousPage);
    pageBox_ = new QSpinBox;
    pageBox_->setObjectName(QStringLiteral("page"));
    pageBox_->setRange(1, std::max(state_.pageCount(), 1));
    pageBox_->setPrefix(QStringLiteral("Страница "));
    pageBox_->setSuffix(QStringLiteral(" из %1").arg(state_.pageCount()));
    connect(pageBox_, &QSpinBox::valueChanged, this, [this](int page) { showPage(page - 1); });
    bar->addWidget(pageBox_);
    addAction(bar, QStringLiteral("nextPage"), QStringLiteral("›"), [this] {
        showPage(state_.page() + 1);
    })->setShortcut(QKeySequence::MoveToNextPage);
    addAction(bar, QStringLiteral("lastPage"), QStringLiteral("»"), [this] {
        showPage(state_.pageCount() - 1);
    })->setToolTip(QStringLiteral("Последняя страница"));
    bar->addSeparator();

    addAction(bar, QStringLiteral("zoomOut"), QStringLiteral("−"), [this] {
        state_.zoomOut();
        refresh();
    })->setShortcut(QKeySequence::ZoomOut);
    zoomLabel_ = new QLabel;
    zoomLabel_->setObjectName(QStringLiteral("zoom"));
    zoomLabel_->setMinimumWidth(
        zoomLabel_->fontMetrics().horizontalAdvance(QStringLiteral("400 %")));
    zoomLabel_->setAlignment(Qt::AlignCenter);
    bar->addWidget(zoomLabel_);
    addAction(bar, QStringLiteral("zoomIn"), QStringLiteral("+"), [this] {
        state_.zoomIn();
        refresh();
    })->setShortcut(QKeySequence::ZoomIn);
    addAction(bar, QStringLiteral("realSize"), QStringLiteral("100 %"), [this] { setZoom(100); });
    addAction(bar, QStringLiteral("fit"), QStringLiteral("По размеру окна"),
              [this] { fitToWindow(); });
    bar->addSeparator();

    underlayBox_ = new QCheckBox(QStringLiteral("Показать бланк"));
    underlayBox_->setObjectName(QStringLiteral("underlay"));
    underlayBox_->setToolTip(QStringLiteral("Показать значения на бланке (бланк не печатается)"));
    connect(underlayBox_, &QCheckBox::toggled, this, &ReportPreview::setUnderlayShown);
    QAction* showBlank = bar->addWidget(underlayBox_);
    showBlank->setObjectName(QStringLiteral("showBlank"));
    showBlank->setVisible(hasUnderlay(document_));
    bar->addSeparator();

    addAction(bar, QStringLiteral("close"), QStringLiteral("Закрыть"), [this] { closeWindow(); });
    return bar;
}

QAction* ReportPreview::addAction(QWidget* bar, const QString& name, const QString& text,
                                  const std::function<void()>& slot) {
    auto* action = static_cast<QToolBar*>(bar)->addAction(text, this, slot);
    action->setObjectName(name);
    action->setToolTip(text);
    return action;
}

void ReportPreview::showPage(int page) {
    state_.setPage(page);
    refresh();
}

void ReportPreview::setZoom(int percent) {
    state_.setZoom(percent);
    refresh();
}

void ReportPreview::fitToWindow() {
    const QSizeF sheetAt100 = document_.paper * logicalDpiX() / kMmPerInch;
    state_.fit(scroll_->viewport()->size(), sheetAt100);
    refresh();
}

void ReportPreview::setUnderlayShown(bool shown) {
    underlayShown_ = shown;
    refresh();
}

void ReportPreview::refresh() {
    pageBox_->blockSignals(true);
    pageBox_->setValue(state_.page() + 1);
    pageBox_->blockSignals(false);
    zoomLabel_->setText(QStringLiteral("%1 %").arg(state_.zoom()));
    if (document_.pages.empty()) return;

    const double ratio = devicePixelRatioF();
    const int dpi = qRound(logicalDpiX() * state_.zoom() / 100.0 * ratio);
    QImage picture = PageRenderer::image(document_.pages[size_t(state_.page())], document_.paper,
                                         dpi, underlayShown_);
    picture.setDevicePixelRatio(ratio);
    sheet_->setPixmap(QPixmap::fromImage(picture));
    sheet_->resize(sheet_->sizeHint());
}

void ReportPreview::openPrintDialog() {
    // One dialog at a time; it leaves every other window usable.
    if (auto* open = findChild<QPrintDialog*>()) {
        open->raise();
        open->activateWindow();
        return;
    }
    PageRenderer::preparePrinter(document_, *printer_);
    auto* dialog = new QPrintDialog(printer_.get(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::NonModal);
    dialog->setOptions(QAbstractPrintDialog::PrintPageRange |
                       QAbstractPrintDialog::PrintShowPageSize);
    dialog->setMinMax(1, state_.pageCount());
    connect(dialog, &QDialog::accepted, this, [this] {
        const QString error = PageRenderer::print(document_, *printer_);
        if (!error.isEmpty()) showWarning(error);
    });
    dialog->show();
}

void ReportPreview::openPdfDialog() {
    if (auto* open = findChild<QFileDialog*>()) {
        open->raise();
        open->activateWindow();
        return;
    }
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    auto* dialog = new QFileDialog(this, QStringLiteral("Сохранить в PDF"),
                                   folder + QLatin1Char('/') + document_.title + ".pdf",
                                   QStringLiteral("Документы PDF (*.pdf)"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::NonModal);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("pdf"));
    connect(dialog, &QFileDialog::fileSelected, this, &ReportPreview::savePdf);
    dialog->show();
}

void ReportPreview::savePdf(const QString& fileName) {
    const QString error = PageRenderer::writePdf(document_, fileName);
    if (!error.isEmpty()) showWarning(error);
}

void ReportPreview::closeWindow() {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        frame->close();
    } else {
        close();
    }
}

void ReportPreview::showWarning(const QString& text) {
    auto* box = new QMessageBox(QMessageBox::Warning, windowTitle(), text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

void ReportPreview::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (std::exchange(shown_, true)) return;
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) frame->showMaximized();
}

void ReportPreview::closeEvent(QCloseEvent* event) {
    emit closing();
    QWidget::closeEvent(event);
}
