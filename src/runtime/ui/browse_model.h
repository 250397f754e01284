#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>
#include <optional>
#include <vector>

#include "runtime/core/picture.h"
#include "runtime/core/record_buffer.h"
#include "runtime/storage/stored_record.h"
#include "runtime/ui/browse_column.h"

// The loaded page of a browse list as a table model: one row per record of
// the page, cells as the columns describe them, the highlighted row drawn in
// the selection colours.
class BrowseModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit BrowseModel(const RecordLayout& layout, QObject* parent = nullptr);

    void setColumns(std::vector<BrowseColumn> columns);
    const std::vector<BrowseColumn>& columns() const { return columns_; }
    void setRowColoring(BrowseRowColoring coloring);
    void setSelectionColors(const QColor& fill, const QColor& text);
    void setBoldFont(const QFont& font) { boldFont_ = font; }

    // Shows the page with the row current highlighted (-1: none).
    void setPage(const std::vector<StoredRecord>& rows, int current);
    const RecordBuffer& record(int row) const { return records_[row]; }
    int current() const { return current_; }

    QString cellText(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QVariant colour(int row, bool fill) const;

    const RecordLayout& layout_;
    std::vector<BrowseColumn> columns_;
    std::vector<std::optional<Picture>> pictures_;
    std::vector<RecordBuffer> records_;
    int current_ = -1;
    BrowseRowColoring coloring_;
    QColor selectionFill_;
    QColor selectionText_;
    QFont boldFont_;
};
