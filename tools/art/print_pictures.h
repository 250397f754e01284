#pragma once

#include <QImage>

// The blank as printed paper, A4 at 150 dots per inch, shown under the print
// preview: every value of the standard profile stands on a line or in a cell
// of it, so the preview shows at once what a calibration would miss.
namespace PrintPictures {

// The front: the printed words of the certificate and a writing line under
// every value of the certificate and the receiver's lines.
QImage drawFront();
// The counterfoil: the front's words under its own title, the lines where
// the counterfoil places its values.
QImage drawCounterfoil();
// The back: the inspection table, a row for each row of the print's grid.
QImage drawBack();

}  // namespace PrintPictures
