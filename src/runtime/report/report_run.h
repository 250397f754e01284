#pragma once

#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QTimer>

#include "runtime/report/progress_window.h"
#include "runtime/report/report_pass.h"

// A report pass under its progress window: one batch per timer tick, so
// the program stays usable while it reads. "Отмена" (or closing the window)
// stops the pass at once; a pass that selected nothing shows the "No Records"
// notice. The layout and the source must outlive the run. On finished() the
// caller opens the preview of takeDocument() when the outcome is Completed,
// and lets the run go with deleteLater().
class ReportRun : public QObject {
    Q_OBJECT
public:
    static constexpr int kTickMs = 100;

    // The progress window is created at once, hidden, so that the caller
    // can restore its saved position before start() and save it on the
    // window's closing(). The wallpaper is tiled under its controls.
    ReportRun(const ReportLayout& layout, RecordSource& source, const QPixmap& wallpaper,
              QWidget* parentWindow = nullptr);
    ~ReportRun() override;

    ProgressWindow* progressWindow() const { return window_; }
    void start();
    void cancel();

    ReportOutcome outcome() const { return pass_.outcome(); }
    ReportDocument takeDocument() { return pass_.takeDocument(); }

signals:
    void finished(ReportOutcome outcome);

private:
    void tick();
    void end();
    void showNoRecords();

    ReportPass pass_;
    QPointer<ProgressWindow> window_;
    QPointer<QWidget> parentWindow_;
    QTimer timer_;
    bool ended_ = false;
};
