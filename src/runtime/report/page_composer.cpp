#include "runtime/report/page_composer.h"

#include "runtime/report/value_text.h"

namespace {

constexpr double kTolerance = 1e-6;

Qt::Alignment horizontalAlignment(TextAlign align) {
    switch (align) {
        case TextAlign::Centre:
            return Qt::AlignHCenter;
        case TextAlign::Right:
        case TextAlign::Decimal:
            return Qt::AlignRight;
        case TextAlign::Left:
            break;
    }
    return Qt::AlignLeft;
}

// The part of a number from its decimal point on, which decimal alignment
// lets stand beyond the box's right edge; empty for whole numbers and for
// anything that is not a number, such as a date.
QString fractionPart(const QString& text) {
    qsizetype point = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'.' || c == u',') {
            if (point >= 0) return {};
            point = i;
        } else if (!c.isDigit() && c != u' ' && c != u'-') {
            return {};
        }
    }
    return point < 0 ? QString() : text.mid(point);
}

// Stored texts are blank-padded; the padding must not push centred or
// right-aligned text aside.
QString withoutTrailingBlanks(QString text) {
    qsizetype length = text.size();
    while (length > 0 && text[length - 1] == u' ')
        --length;
    text.truncate(length);
    return text;
}

double controlWidth(const TextControl& control, const TextMeasure::Measured& measured,
                    const QString& text) {
    if (control.width) return *control.width;
    const auto extent = ValueText::extent(control.picture);
    if (control.autoWidth == TextControl::AutoWidth::Picture && extent.characters > 0) {
        return extent.characters *
               (extent.digits ? measured.digitWidth() : measured.averageCharWidth());
    }
    return measured.width(text);
}

}  // namespace

PageComposer::PageComposer(const ReportLayout& layout) : layout_(layout) {
    document_.title = layout.title;
    document_.paper = layout.paper;
}

void PageComposer::addDetail() {
    ++count_;
    placeFlowing(layout_.detail);
}

ReportDocument PageComposer::finish() {
    if (count_ > 0 && layout_.groupFooter) placeFlowing(*layout_.groupFooter);
    document_.details = count_;
    return std::move(document_);
}

void PageComposer::placeFlowing(const Band& band) {
    const QRectF& area = layout_.detailArea;
    const bool atTop = nextTop_ <= area.top() + kTolerance;
    // A band taller than the whole area still gets a page of its own.
    if (document_.pages.empty() ||
        (!atTop && nextTop_ + band.size.height() > area.bottom() + kTolerance)) {
        startPage();
    }
    placeBand(band, QPointF(area.left(), nextTop_));
    nextTop_ += band.size.height();
}

void PageComposer::startPage() {
    document_.pages.push_back({{}, layout_.underlay});
    nextTop_ = layout_.detailArea.top();
    if (layout_.pageHeader) placeBand(*layout_.pageHeader, layout_.pageHeader->pos);
}

void PageComposer::placeBand(const Band& band, QPointF topLeft) {
    const QPointF at = topLeft + layout_.origin;
    auto& items = document_.pages.back().items;
    for (const ReportControl& control : band.controls) {
        if (const auto* text = std::get_if<TextControl>(&control)) {
            items.emplace_back(std::in_place_type<TextItem>, textItem(*text, at));
        } else if (const auto* box = std::get_if<BoxControl>(&control)) {
            items.emplace_back(std::in_place_type<BoxItem>, box->rect.translated(at), box->rounded,
                               box->color);
        } else if (const auto* line = std::get_if<LineControl>(&control)) {
            items.emplace_back(std::in_place_type<LineItem>, QLineF(line->from + at, line->to + at),
                               line->color);
        }
    }
}

QString PageComposer::controlText(const TextControl& control) const {
    if (control.countTotal) return ValueText::format(count_, control.picture);
    if (control.value) return ValueText::format(control.value(), control.picture);
    return control.text;
}

TextItem PageComposer::textItem(const TextControl& control, QPointF topLeft) {
    const auto& measured = measure_.font(control.font.value_or(layout_.font));
    QString text = withoutTrailingBlanks(controlText(control));
    QRectF rect(topLeft + control.pos,
                QSizeF(controlWidth(control, measured, text),
                       control.height > 0 ? control.height : measured.lineHeight()));
    if (control.align == TextAlign::Decimal) {
        rect.setRight(rect.right() + measured.width(fractionPart(text)));
    }
    // The box clips what does not fit; cut at the last whole character.
    if (measured.width(text) > rect.width() + kTolerance) {
        text = measured.fitting(text, rect.width());
    }
    return TextItem{.rect = rect,
                    .text = text,
                    .font = measured.font,
                    .align = horizontalAlignment(control.align),
                    .color = measured.wanted.color,
                    .opaque = control.opaque};
}
