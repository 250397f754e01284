#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTabWidget>
#include <QWidget>
#include <vector>

#include "runtime/ui/control_def.h"
#include "runtime/ui/dialog_units.h"

// The controls of one window, built from its control table, found by their
// labels. A control on a tab page shows only while its page is the sheet's
// current one, and never while the window has hidden it.
class ControlSet : public QObject {
    Q_OBJECT

public:
    ControlSet(QWidget* window, DialogUnits units);

    QWidget* window() const { return window_; }
    const DialogUnits& units() const { return units_; }

    // Registers a built control; the builder calls this in table order.
    void add(const ControlDef& def, QWidget* control);

    // Null when the window has no control of that label.
    QWidget* control(const QString& label) const;
    template <typename T>
    T* control(const QString& label) const {
        return qobject_cast<T*>(control(label));
    }
    const ControlDef* def(const QString& label) const;
    const ControlDef* defOf(const QWidget* control) const;
    const std::vector<ControlDef>& defs() const { return defs_; }

    void setHidden(const QString& label, bool hidden);
    bool isHidden(const QString& label) const { return hidden_.contains(label); }

    // Makes the tab page current in its sheet.
    void selectTab(const QString& tabLabel);
    QString currentTab(const QString& sheetLabel) const;

    // Tab moves through the controls in this order.
    void setFocusOrder(const QStringList& labels);

private:
    bool onShownPage(const ControlDef& def) const;
    void updateVisibility();

    QWidget* window_;
    DialogUnits units_;
    std::vector<ControlDef> defs_;
    QHash<QString, QPointer<QWidget>> controls_;
    QSet<QString> hidden_;
};
