#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

// A picture scaled into the control's box. A picture that cannot be read
// leaves a framed empty box, so the window still shows where it belongs.
class PictureControl : public QWidget {
    Q_OBJECT

public:
    explicit PictureControl(const QString& resource, QWidget* parent = nullptr);

    void setPicture(const QString& resource);
    const QPixmap& picture() const { return picture_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};
