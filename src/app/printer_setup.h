#pragma once

#include <QWidget>

// "Настройки принтера...": the system's printer choice and page settings,
// shown without holding up any window. One at a time: asking again brings
// the open one forward.
void showPrinterSetup(QWidget* frame);
