#pragma once

#include <QPixmap>
#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

// "Готовность...": the small window a report run shows while it reads, with
// a message line, the progress bar, the percentage and "Отмена".
class ProgressWindow : public QWidget {
    Q_OBJECT
public:
    // The wallpaper is tiled under the controls; a null picture leaves the
    // window's own background.
    explicit ProgressWindow(const QPixmap& wallpaper, QWidget* parent = nullptr);

    void setMessage(const QString& text);
    void setPercent(int percent);

signals:
    void cancelRequested();
    // Before the window closes, for whatever reason: the caller keeps its
    // position.
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void centre();

    QLabel* message_;
    QProgressBar* bar_;
    QLabel* percent_;
    QPushButton* cancel_;
};
