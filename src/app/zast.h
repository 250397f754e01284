#pragma once

#include <QWidget>

// The about window: what the program is for. It closes at the first click in
// it or as soon as another window becomes active.
void Zast();

class ZastWindow : public QWidget {
    Q_OBJECT

public:
    explicit ZastWindow(QWidget* parent = nullptr);

    // Watches the window's frame inside the main frame: losing the activation
    // to another window, or a click on the frame's free area, closes it.
    void closeWhenLeft(QWidget* carrier);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void closeLater();
};
