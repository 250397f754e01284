#include "runtime/ui/procedure_window.h"

#include "runtime/ui/control_style.h"
#include "runtime/ui/dialog_units.h"
#include "runtime/ui/window_host.h"

QWidget* openProcedureWindow(QWidget* window, const QString& section, QSize clientUnits) {
    return WindowHost::instance().open(window, section,
                                       DialogUnits(window->font()).size(clientUnits));
}

QFont windowFont(const QString& family, int points) {
    return QFont(ControlStyle::familyName(family), points);
}
