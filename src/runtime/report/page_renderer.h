#pragma once

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QString>

#include "runtime/report/page.h"

// Draws composed pages on any paint device: the painter is scaled from
// micrometres to the device's resolution, and fonts are sized in micrometres
// too, so text keeps its exact size and place on paper, in a PDF and on
// screen alike.
namespace PageRenderer {

// The page on a device whose origin is the sheet's top-left corner. The
// underlay (the blank) is drawn only when asked for: it never prints.
void paint(QPainter& painter, const Page& page, QSizeF paper, bool withUnderlay = false);

// The page as a picture at the given resolution, on white paper.
QImage image(const Page& page, QSizeF paper, int dpi, bool withUnderlay);

// Writes every page to a PDF file of the paper's size with no margins.
// Returns an error text, empty on success.
QString writePdf(const ReportDocument& document, const QString& fileName);

// Prints on a printer the user has chosen: the whole sheet, no margins, the
// document's title as job name, the page range and copies set there.
// Returns an error text, empty on success.
QString print(const ReportDocument& document, QPrinter& printer);

// The printer's page layout for a document: its paper, portrait, no margins.
void preparePrinter(const ReportDocument& document, QPrinter& printer);

}  // namespace PageRenderer
