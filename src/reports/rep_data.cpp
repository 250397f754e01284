#include "reports/rep_data.h"

#include <QMdiArea>
#include <QScreen>

#include "reports/rep_data_window.h"
#include "runtime/ui/settings_file.h"
#include "runtime/ui/window_host.h"

namespace {

const QString kSection = QStringLiteral("Rep_data");

// Opened centred unless a place was saved.
void centre(QWidget* frame) {
    QMdiArea* area = WindowHost::instance().mdiArea();
    const QRect over = area ? area->viewport()->rect() : frame->screen()->availableGeometry();
    QRect placed(QPoint(), frame->frameGeometry().size());
    placed.moveCenter(over.center());
    frame->move(placed.topLeft());
}

}  // namespace

void Rep_data() {
    const bool placed = SettingsFile::instance().value(kSection, QStringLiteral("X")).isValid();
    QWidget* frame = WindowHost::instance().open(new RepDataWindow, kSection);
    if (!placed) centre(frame);
}
