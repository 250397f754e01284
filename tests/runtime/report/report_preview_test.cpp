#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSpinBox>

#include "runtime/report/report_preview.h"

namespace {

struct ZoomCase {
    int from;
    int in;
    int out;
};

class ZoomSteps : public ::testing::TestWithParam<ZoomCase> {};

TEST_P(ZoomSteps, MoveToTheNextStep) {
    PreviewState state(1);
    state.setZoom(GetParam().from);
    state.zoomIn();
    EXPECT_EQ(state.zoom(), GetParam().in);
    state.setZoom(GetParam().from);
    state.zoomOut();
    EXPECT_EQ(state.zoom(), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Steps, ZoomSteps,
                         ::testing::Values(ZoomCase{100, 125, 75}, ZoomCase{110, 125, 100},
                                           ZoomCase{10, 25, 10}, ZoomCase{400, 400, 300},
                                           ZoomCase{53, 75, 50}));

TEST(PreviewState, StartsOnTheFirstPageAtRealSize) {
    const PreviewState state(3);
    EXPECT_EQ(state.page(), 0);
    EXPECT_EQ(state.zoom(), 100);
    EXPECT_FALSE(state.hasPrevious());
    EXPECT_TRUE(state.hasNext());
}

TEST(PreviewState, PagesAndZoomStayInRange) {
    PreviewState state(3);
    state.setPage(7);
    EXPECT_EQ(state.page(), 2);
    EXPECT_FALSE(state.hasNext());
    state.setPage(-1);
    EXPECT_EQ(state.page(), 0);
    state.setZoom(1000);
    EXPECT_EQ(state.zoom(), PreviewState::kMaxZoom);
    state.setZoom(0);
    EXPECT_EQ(state.zoom(), PreviewState::kMinZoom);
}

TEST(PreviewState, FitShowsTheWholeSheet) {
    PreviewState state(1);
    state.fit(QSizeF(1000, 600), QSizeF(794, 1123));
    EXPECT_EQ(state.zoom(), 53);
    state.fit(QSizeF(400, 5000), QSizeF(794, 1123));
    EXPECT_EQ(state.zoom(), 50);
}

ReportDocument threePages(bool withBlank) {
    ReportDocument document;
    document.title = QStringLiteral("forma3 Report");
    QImage blank;
    if (withBlank) {
        blank = QImage(21, 30, QImage::Format_RGB32);
        blank.fill(Qt::blue);
    }
    for (int i = 0; i < 3; ++i) {
        Page page;
        page.underlay = blank;
        page.items.emplace_back(BoxItem{QRectF(10, 10 + i, 50, 20)});
        document.pages.push_back(page);
    }
    document.details = 3;
    return document;
}

QAction* action(QWidget& preview, const char* name) {
    return preview.findChild<QAction*>(QString::fromLatin1(name));
}

QSize sheetSize(QWidget& preview) {
    const QPixmap sheet = preview.findChild<QLabel*>(QStringLiteral("sheet"))->pixmap();
    return sheet.deviceIndependentSize().toSize();
}

TEST(ReportPreview, OpensMaximisedOnTheFirstPageAtRealSize) {
    auto* preview = new ReportPreview(threePages(false));
    EXPECT_TRUE(preview->windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(preview->testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_EQ(preview->state().zoom(), 100);
    const double pixelsPerMm = preview->logicalDpiX() / 25.4;
    EXPECT_NEAR(sheetSize(*preview).width(), 210 * pixelsPerMm, 1);
    EXPECT_EQ(preview->findChild<QSpinBox*>(QStringLiteral("page"))->text(),
              QStringLiteral("Страница 1 из 3"));
    delete preview;
}

TEST(ReportPreview, ToolbarPagesAndZooms) {
    ReportPreview preview(threePages(false));
    preview.setAttribute(Qt::WA_DeleteOnClose, false);
    const QSize real = sheetSize(preview);
    action(preview, "nextPage")->trigger();
    EXPECT_EQ(preview.state().page(), 1);
    action(preview, "lastPage")->trigger();
    action(preview, "nextPage")->trigger();
    EXPECT_EQ(preview.state().page(), 2);
    preview.findChild<QSpinBox*>(QStringLiteral("page"))->setValue(1);
    EXPECT_EQ(preview.state().page(), 0);
    action(preview, "zoomIn")->trigger();
    EXPECT_EQ(preview.state().zoom(), 125);
    EXPECT_NEAR(sheetSize(preview).width(), real.width() * 1.25, 2);
    EXPECT_EQ(preview.findChild<QLabel*>(QStringLiteral("zoom"))->text(), QStringLiteral("125 %"));
    action(preview, "realSize")->trigger();
    EXPECT_EQ(sheetSize(preview), real);
}

TEST(ReportPreview, BlankIsOfferedOnlyWithAnUnderlayAndShownOnRequest) {
    ReportPreview plain(threePages(false));
    EXPECT_FALSE(action(plain, "showBlank")->isVisible());

    ReportPreview preview(threePages(true));
    preview.setAttribute(Qt::WA_DeleteOnClose, false);
    EXPECT_TRUE(action(preview, "showBlank")->isVisible());
    auto* box = preview.findChild<QCheckBox*>(QStringLiteral("underlay"));
    EXPECT_FALSE(box->isChecked()) << "values alone, as they print";
    const auto centre = [&] {
        const QImage sheet =
            preview.findChild<QLabel*>(QStringLiteral("sheet"))->pixmap().toImage();
        return QColor(sheet.pixel(sheet.width() / 2, sheet.height() / 2));
    };
    EXPECT_EQ(centre(), QColor(Qt::white));
    box->setChecked(true);
    EXPECT_EQ(centre(), QColor(Qt::blue));
}

TEST(ReportPreview, InAnMdiAreaOpensMaximisedAndCloseClosesTheFrame) {
    QMdiArea area;
    area.show();
    auto* preview = new ReportPreview(threePages(false));
    QMdiSubWindow* frame = area.addSubWindow(preview);
    frame->setAttribute(Qt::WA_DeleteOnClose, false);
    frame->show();
    EXPECT_TRUE(frame->isMaximized());
    int closings = 0;
    QObject::connect(preview, &ReportPreview::closing, [&closings] { ++closings; });
    action(*preview, "close")->trigger();
    EXPECT_EQ(closings, 1);
    EXPECT_FALSE(frame->isVisible());
    delete frame;
}

}  // namespace
