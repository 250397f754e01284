#pragma once

#include <QRectF>
#include <QString>
#include <vector>

// Where the certificate form puts its controls over the back of the blank,
// in dialog units, as the form's control tables give them.
namespace BackLayout {

inline constexpr QRectF kPictureBox{11, 21, 511, 554};

struct Caption {
    double x;
    double y;
    QString text;
};

// The 37 column captions, grey italic Arial 8.
std::vector<Caption> captions();
// The 42 cell entries, row by row.
std::vector<QRectF> cells();

}  // namespace BackLayout
