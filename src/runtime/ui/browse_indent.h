#pragma once

#include <QHeaderView>
#include <QStyledItemDelegate>
#include <vector>

// Texts of a browse list's cells and heads set in from the edge they are
// aligned to, by a number of pixels per column; centred texts are not set in.
QRect indentedRect(const QRect& rect, Qt::Alignment alignment, int indent);

class BrowseCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void setIndents(std::vector<int> indents) { indents_ = std::move(indents); }
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    std::vector<int> indents_;
};

class BrowseHeaderView : public QHeaderView {
public:
    explicit BrowseHeaderView(QWidget* parent = nullptr);

    void setIndents(std::vector<int> indents) { indents_ = std::move(indents); }

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    std::vector<int> indents_;
};
