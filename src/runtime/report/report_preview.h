#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "runtime/report/page.h"
#include "runtime/report/preview_state.h"

class QAction;
class QCheckBox;
class QLabel;
class QPrinter;
class QScrollArea;
class QSpinBox;

// The print preview of a composed report: opens maximised at 100 %, zooms,
// pages, prints through the system print dialog and saves to PDF. Pages that
// carry the blank's picture can be shown on it ("Показать бланк"); the blank
// is never printed. The caller places the window (an MDI child or a top-level
// window); the first show maximises it, or its MDI frame. The caller keeps
// its geometry: restores it after showing and saves it on closing().
class ReportPreview : public QWidget {
    Q_OBJECT
public:
    explicit ReportPreview(ReportDocument document, QWidget* parent = nullptr);
    ~ReportPreview() override;

    const PreviewState& state() const { return state_; }
    const ReportDocument& document() const { return document_; }

    void showPage(int page);
    void setZoom(int percent);
    void fitToWindow();
    void setUnderlayShown(bool shown);

signals:
    void closing();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* makeToolBar();
    QAction* addAction(QWidget* bar, const QString& name, const QString& text,
                       const std::function<void()>& slot);
    void refresh();
    void openPrintDialog();
    void openPdfDialog();
    void savePdf(const QString& fileName);
    void closeWindow();
    void showWarning(const QString& text);

    ReportDocument document_;
    PreviewState state_;
    bool underlayShown_ = false;
    bool shown_ = false;
    std::unique_ptr<QPrinter> printer_;
    QScrollArea* scroll_ = nullptr;
    QLabel* sheet_ = nullptr;
    QSpinBox* pageBox_ = nullptr;
    QLabel* zoomLabel_ = nullptr;
    QCheckBox* underlayBox_ = nullptr;
};
