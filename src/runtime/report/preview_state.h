#pragma once

#include <QSizeF>

// Page and zoom of a print preview, apart from its widgets.
class PreviewState {
public:
    static constexpr int kMinZoom = 10;
    static constexpr int kMaxZoom = 400;

    explicit PreviewState(int pageCount);

    int pageCount() const { return pageCount_; }
    int page() const { return page_; }  // 0-based
    void setPage(int page);             // kept within the document
    bool hasPrevious() const { return page_ > 0; }
    bool hasNext() const { return page_ + 1 < pageCount_; }

    int zoom() const { return zoom_; }  // percent; 100 is the paper's real size
    void setZoom(int percent);
    void zoomIn();   // to the next step up
    void zoomOut();  // to the next step down
    // The zoom that shows a whole sheet in the viewport, sizes in pixels at
    // the screen's resolution for 100 %.
    void fit(QSizeF viewport, QSizeF sheetAt100);

private:
    int pageCount_;
    int page_ = 0;
    int zoom_ = 100;
};
