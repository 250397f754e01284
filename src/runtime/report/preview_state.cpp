#include "runtime/report/preview_state.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {
constexpr std::array kZoomSteps{10, 25, 50, 75, 100, 125, 150, 200, 300, 400};
}

PreviewState::PreviewState(int pageCount) : pageCount_(std::max(pageCount, 0)) {}

void PreviewState::setPage(int page) {
    page_ = std::clamp(page, 0, std::max(pageCount_ - 1, 0));
}

void PreviewState::setZoom(int percent) {
    zoom_ = std::clamp(percent, kMinZoom, kMaxZoom);
}

void PreviewState::zoomIn() {
    const auto next = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), zoom_);
    if (next != kZoomSteps.end()) zoom_ = *next;
}

void PreviewState::zoomOut() {
    const auto next = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), zoom_);
    if (next != kZoomSteps.begin()) zoom_ = *std::prev(next);
}

void PreviewState::fit(QSizeF viewport, QSizeF sheetAt100) {
    if (sheetAt100.isEmpty()) return;
    const double ratio =
        std::min(viewport.width() / sheetAt100.width(), viewport.height() / sheetAt100.height());
    setZoom(int(std::floor(ratio * 100)));
}
