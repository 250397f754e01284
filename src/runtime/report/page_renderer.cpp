#include "runtime/report/page_renderer.h"

#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>

#include "runtime/report/report_font.h"

namespace PageRenderer {

namespace {

constexpr int kPdfDpi = 1200;
constexpr double kMmPerInch = 25.4;

// Items are drawn in micrometres: the painter scales them to the device.
QPointF um(QPointF mm) {
    return mm * kMicrometresPerMm;
}
QRectF um(const QRectF& mm) {
    return {um(mm.topLeft()), um(mm.bottomRight())};
}

QPen rulePen(const QColor& color) {
    return QPen(color, kRuleWidthMm * kMicrometresPerMm, Qt::SolidLine, Qt::SquareCap,
                Qt::MiterJoin);
}

// The micrometre font of the last item, made once for a run of items in
// the same font.
class FontCache {
public:
    const QFont& drawing(const QFont& font) {
        if (font != source_) {
            source_ = font;
            drawing_ = inMicrometres(font);
        }
        return drawing_;
    }

private:
    QFont source_;
    QFont drawing_;
};

void drawText(QPainter& painter, const TextItem& item, FontCache& fonts) {
    const QRectF rect = um(item.rect);
    if (item.opaque) painter.fillRect(rect, Qt::white);
    if (item.text.isEmpty()) return;
    painter.setFont(fonts.drawing(item.font));
    painter.setPen(item.color);
    // Top of the box is the top of the text cell, as a report line sits on
    // the blank's line below it; the box does not clip (the composer has cut
    // what does not fit across, and descenders may pass a tight box).
    painter.drawText(rect, int(item.align | Qt::AlignTop) | Qt::TextSingleLine | Qt::TextDontClip,
                     item.text);
}

void drawBox(QPainter& painter, const BoxItem& item) {
    painter.setPen(rulePen(item.color));
    painter.setBrush(Qt::NoBrush);
    const QRectF rect = um(item.rect);
    if (!item.rounded) {
        painter.drawRect(rect);
        return;
    }
    const double radius =
        std::min(kCornerRadiusMm, std::min(item.rect.width(), item.rect.height()) / 2);
    painter.drawRoundedRect(rect, radius * kMicrometresPerMm, radius * kMicrometresPerMm);
}

void drawLine(QPainter& painter, const LineItem& item) {
    painter.setPen(rulePen(item.color));
    painter.drawLine(um(item.line.p1()), um(item.line.p2()));
}

QPageLayout pageLayout(const ReportDocument& document) {
    const QPageSize size(document.paper, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
    return QPageLayout(size, QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter);
}

QString cannotWrite(const QString& fileName, const QString& reason) {
    return QStringLiteral("Не удалось записать файл \"%1\": %2.").arg(fileName, reason);
}

// Paints pages [first, last] (0-based) copies times.
bool paintPages(QPagedPaintDevice& device, const ReportDocument& document, int first, int last,
                int copies) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    bool firstPage = true;
    for (int copy = 0; copy < copies; ++copy) {
        for (int index = first; index <= last; ++index) {
            if (!firstPage && !device.newPage()) return false;
            firstPage = false;
            paint(painter, document.pages[size_t(index)], document.paper);
        }
    }
    return painter.end();
}

}  // namespace

void paint(QPainter& painter, const Page& page, QSizeF paper, bool withUnderlay) {
    const QPaintDevice& device = *painter.device();
    const double perMicrometre = 1 / (kMmPerInch * kMicrometresPerMm);
    painter.save();
    painter.scale(device.logicalDpiX() * perMicrometre, device.logicalDpiY() * perMicrometre);
    if (withUnderlay && !page.underlay.isNull()) {
        painter.drawImage(um(QRectF(QPointF(), paper)), page.underlay);
    }
    FontCache fonts;
    for (const PageItem& item : page.items) {
        if (const auto* text = std::get_if<TextItem>(&item)) {
            drawText(painter, *text, fonts);
        } else if (const auto* box = std::get_if<BoxItem>(&item)) {
            drawBox(painter, *box);
        } else if (const auto* line = std::get_if<LineItem>(&item)) {
            drawLine(painter, *line);
        }
    }
    painter.restore();
}

QImage image(const Page& page, QSizeF paper, int dpi, bool withUnderlay) {
    const QSize pixels = (paper * dpi / kMmPerInch).toSize();
    QImage picture(pixels, QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dpi / kMmPerInch * 1000);
    picture.setDotsPerMeterX(dotsPerMeter);
    picture.setDotsPerMeterY(dotsPerMeter);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    paint(painter, page, paper, withUnderlay);
    return picture;
}

// Written aside and put in place when complete: a failure leaves an
// earlier file of the name as it was.
QString writePdf(const ReportDocument& document, const QString& fileName) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) return cannotWrite(fileName, file.errorString());
    QPdfWriter writer(&file);
    writer.setResolution(kPdfDpi);
    writer.setPageLayout(pageLayout(document));
    writer.setTitle(document.title);
    writer.setCreator(QStringLiteral("vetdocs"));
    const int last = int(document.pages.size()) - 1;
    if (!paintPages(writer, document, 0, last, 1) || !file.commit())
        return cannotWrite(fileName, file.errorString());
    return {};
}

void preparePrinter(const ReportDocument& document, QPrinter& printer) {
    printer.setFullPage(true);
    printer.setPageLayout(pageLayout(document));
    printer.setDocName(document.title);
}

QString print(const ReportDocument& document, QPrinter& printer) {
    preparePrinter(document, printer);
    const int count = int(document.pages.size());
    int first = 0;
    int last = count - 1;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::clamp(printer.fromPage() - 1, 0, last);
        last = std::clamp(printer.toPage() - 1, first, last);
    }
    // Where the printer system cannot make copies itself, send each one.
    const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
    if (!paintPages(printer, document, first, last, copies)) {
        return QStringLiteral("Не удалось напечатать на принтере \"%1\".")
            .arg(printer.printerName());
    }
    return {};
}

}  // namespace PageRenderer
