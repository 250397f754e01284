#include "app/printer_setup.h"

#include <QDialogButtonBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace {

QPrinter& setUpPrinter() {
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

}  // namespace

void showPrinterSetup(QWidget* frame) {
    static QPointer<QPrintDialog> open;
    if (open) {
        open->raise();
        open->activateWindow();
        return;
    }
    open = new QPrintDialog(&setUpPrinter(), frame);
    open->setAttribute(Qt::WA_DeleteOnClose);
    open->setWindowTitle(QStringLiteral("Настройки принтера"));
    open->setWindowModality(Qt::NonModal);
    // Setting up prints nothing: the dialog's print button only confirms.
    if (auto* buttons = open->findChild<QDialogButtonBox*>())
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    open->show();
}
