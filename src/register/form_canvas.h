#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include "runtime/ui/control_set.h"

// The client area of a window laid out in dialog units, whose Tab key walks
// a fixed order of controls across the pages of its sheet: reaching a
// control on another page brings that page up, as the user expects from a
// paper form with two sides. A page brought up by its tab gets the focus on
// its first control.
class FormCanvas : public QWidget {
    Q_OBJECT

public:
    explicit FormCanvas(QWidget* parent = nullptr);

    void setFocusOrder(ControlSet* controls, const QStringList& order);
    // The first control in the order that shows now; null when none does.
    QWidget* firstShown() const;

protected:
    bool focusNextPrevChild(bool next) override;

private:
    bool takesFocus(const QString& label) const;
    // Holds the focus while a page is changed, so that it does not wander
    // through the controls being hidden.
    void holdFocus();
    void pageShown();

    QPointer<ControlSet> controls_;
    QStringList order_;
};
