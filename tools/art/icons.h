#pragma once

#include <QImage>
#include <QString>
#include <vector>

// The program's icons, 32 × 32, under the names the windows ask for them by.
namespace Icons {

struct Icon {
    QString alias;  // the name the program uses, e.g. "PRNFONT.ICO"
    QImage image;
};

std::vector<Icon> drawAll();

// The file an icon is kept in: its name with the extension ".png".
QString fileNameFor(const QString& alias);

}  // namespace Icons
