#include "runtime/ui/browse_model.h"

BrowseModel::BrowseModel(const RecordLayout& layout, QObject* parent)
    : QAbstractTableModel(parent), layout_(layout) {}

void BrowseModel::setColumns(std::vector<BrowseColumn> columns) {
    beginResetModel();
    columns_ = std::move(columns);
    pictures_.clear();
    for (const BrowseColumn& column : columns_)
        pictures_.push_back(Picture::fromCode(column.picture));
    endResetModel();
}

void BrowseModel::setRowColoring(BrowseRowColoring coloring) {
    coloring_ = std::move(coloring);
    if (!records_.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void BrowseModel::setSelectionColors(const QColor& fill, const QColor& text) {
    selectionFill_ = fill;
    selectionText_ = text;
}

void BrowseModel::setPage(const std::vector<StoredRecord>& rows, int current) {
    // Rows come and go at the end only, so that the columns keep their
    // widths and the view its sideways scroll.
    const int before = rowCount();
    const int after = static_cast<int>(rows.size());
    if (after > before) beginInsertRows({}, before, after - 1);
    if (after < before) beginRemoveRows({}, after, before - 1);
    records_.assign(after, RecordBuffer(layout_));
    for (int i = 0; i < after; ++i)
        records_[i].setImage(rows[i].image);
    current_ = current;
    if (after > before) endInsertRows();
    if (after < before) endRemoveRows();
    if (after > 0) emit dataChanged(index(0, 0), index(after - 1, columnCount() - 1));
}

QString BrowseModel::cellText(int row, int column) const {
    const BrowseColumn& c = columns_[column];
    const RecordBuffer& record = records_[row];
    const QVariant value = c.value ? c.value(record) : record.value(c.field);
    return pictures_[column] ? pictures_[column]->format(value) : value.toString();
}

int BrowseModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(records_.size());
}

int BrowseModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant BrowseModel::colour(int row, bool fill) const {
    if (row == current_) return fill ? selectionFill_ : selectionText_;
    if (!coloring_) return {};
    const BrowseRowColors colours = coloring_(row, records_[row]);
    const QColor& c = fill ? colours.fill : colours.text;
    return c.isValid() ? QVariant(c) : QVariant();
}

QVariant BrowseModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const BrowseColumn& column = columns_[index.column()];
    switch (role) {
        case Qt::DisplayRole:
            return cellText(index.row(), index.column());
        case Qt::TextAlignmentRole:
            return static_cast<int>(column.alignment | Qt::AlignVCenter);
        case Qt::ToolTipRole:
            return column.tooltip ? column.tooltip(records_[index.row()]) : QVariant();
        case Qt::FontRole:
            return column.bold ? QVariant(boldFont_) : QVariant();
        case Qt::BackgroundRole:
            return colour(index.row(), true);
        case Qt::ForegroundRole:
            return colour(index.row(), false);
        default:
            return {};
    }
}

QVariant BrowseModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
    const BrowseColumn& column = columns_[section];
    // A narrow column cuts its heading; the tooltip shows it whole.
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) return column.head;
    if (role == Qt::TextAlignmentRole)
        return static_cast<int>(column.headAlignment | Qt::AlignVCenter);
    return {};
}
