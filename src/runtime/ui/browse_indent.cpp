#include "runtime/ui/browse_indent.h"

#include <QPainter>

namespace {

constexpr int kMargin = 2;  // pixels between a cell's text and its edge

int indentOf(const std::vector<int>& indents, int column) {
    return column >= 0 && column < static_cast<int>(indents.size()) ? indents[column] : 0;
}

}  // namespace

QRect indentedRect(const QRect& rect, Qt::Alignment alignment, int indent) {
    if (alignment & Qt::AlignRight) return rect.adjusted(0, 0, -indent, 0);
    if (alignment & Qt::AlignHCenter) return rect;
    return rect.adjusted(indent, 0, 0, 0);
}

// Drawn here rather than by the style: the style has no room for indents,
// and a plain fill keeps the row colours exact.
void BrowseCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    painter->save();
    const bool filled = opt.backgroundBrush.style() != Qt::NoBrush;
    painter->fillRect(opt.rect, filled ? opt.backgroundBrush : opt.palette.base());
    painter->setClipRect(opt.rect);
    painter->setFont(opt.font);
    painter->setPen(opt.palette.color(QPalette::Text));
    const QRect text = opt.rect.adjusted(kMargin, 0, -kMargin, 0);
    painter->drawText(indentedRect(text, opt.displayAlignment, indentOf(indents_, index.column())),
                      static_cast<int>(opt.displayAlignment), opt.text);
    painter->restore();
}

BrowseHeaderView::BrowseHeaderView(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

void BrowseHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    if (!rect.isValid()) return;
    QStyleOptionHeader opt;
    initStyleOption(&opt);
    initStyleOptionForIndex(&opt, logicalIndex);
    opt.rect = rect;
    style()->drawControl(QStyle::CE_HeaderSection, &opt, painter, this);
    opt.rect = indentedRect(style()->subElementRect(QStyle::SE_HeaderLabel, &opt, this),
                            opt.textAlignment, indentOf(indents_, logicalIndex));
    style()->drawControl(QStyle::CE_HeaderLabel, &opt, painter, this);
}
