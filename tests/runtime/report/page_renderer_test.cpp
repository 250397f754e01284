#include <gtest/gtest.h>

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "report_fixtures.h"
#include "runtime/report/page_composer.h"
#include "runtime/report/page_renderer.h"
#include "support/temp_folder.h"

namespace {

constexpr double kPointsPerMm = 72 / 25.4;
constexpr double kToleranceMm = 0.3;

struct WordBox {
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;  // points
};

struct PdfText {
    std::vector<QSizeF> pages;  // points
    std::map<QString, WordBox> words;
};

QString poppler(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(30'000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool havePoppler() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

// Pages and word boxes as pdftotext -bbox finds them.
PdfText readPdf(const QString& file) {
    const QString html =
        poppler(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), file, QStringLiteral("-")});
    PdfText result;
    static const QRegularExpression page(
        QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)")re"));
    for (const auto& match : page.globalMatch(html)) {
        result.pages.emplace_back(match.captured(1).toDouble(), match.captured(2).toDouble());
    }
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    for (const auto& match : word.globalMatch(html)) {
        result.words[match.captured(5)] = {
            match.captured(1).toDouble(), match.captured(2).toDouble(),
            match.captured(3).toDouble(), match.captured(4).toDouble()};
    }
    return result;
}

// Pages with texts placed at known millimetres.
class PdfOutput : public ::testing::Test {
protected:
    void SetUp() override {
        if (!havePoppler()) GTEST_SKIP() << "pdftotext is not installed";
        ReportLayout layout = ReportLayout::fullPage(QStringLiteral("forma3 Report"));
        layout.detail.add(
            TextControl::field(QStringLiteral("?LEFT"), {30, 40}, QStringLiteral("s20"), [this] {
                return left_;
            }).withSize(80, 4));
        layout.detail.add(
            TextControl::label(QStringLiteral("?RIGHT"), {100, 60}, QStringLiteral("Справа"))
                .withSize(50, 4)
                .aligned(TextAlign::Right));
        layout.detail.add(
            TextControl::label(QStringLiteral("?CENTRE"), {23, 76}, QStringLiteral("Середина"))
                .withSize(168, 4)
                .aligned(TextAlign::Centre));
        layout.origin = QPointF(5, -3);
        PageComposer composer(layout);
        for (const char* text : {"Первая", "Вторая", "Третья"}) {
            left_ = QString::fromUtf8(text);
            composer.addDetail();
        }
        document_ = composer.finish();
    }

    QString left_;
    ReportDocument document_;
    TempFolder folder_;
};

void expectAtMm(const WordBox& box, double leftMm, double topMm) {
    EXPECT_NEAR(box.xMin / kPointsPerMm, leftMm, kToleranceMm);
    EXPECT_NEAR(box.yMin / kPointsPerMm, topMm, kToleranceMm);
}

TEST_F(PdfOutput, TextStandsAtItsMillimetresOnAnA4SheetWithoutMargins) {
    const QString file = folder_.file(QStringLiteral("report.pdf"));
    ASSERT_EQ(PageRenderer::writePdf(document_, file), QString());
    const PdfText pdf = readPdf(file);
    ASSERT_EQ(pdf.pages.size(), 3u);
    for (const QSizeF& page : pdf.pages) {
        EXPECT_EQ(qRound(page.width()), 595);
        EXPECT_EQ(qRound(page.height()), 842);
    }
    ASSERT_TRUE(pdf.words.count(QStringLiteral("Вторая")));
    expectAtMm(pdf.words.at(QStringLiteral("Вторая")), 35, 37);
    const WordBox right = pdf.words.at(QStringLiteral("Справа"));
    EXPECT_NEAR(right.xMax / kPointsPerMm, 155, kToleranceMm);
    EXPECT_NEAR(right.yMin / kPointsPerMm, 57, kToleranceMm);
    const WordBox centre = pdf.words.at(QStringLiteral("Середина"));
    EXPECT_NEAR((centre.xMin + centre.xMax) / 2 / kPointsPerMm, 28 + 84, kToleranceMm);
}

TEST_F(PdfOutput, PrinterGetsTheWholeSheetTheTitleAndTheChosenPages) {
    const QString file = folder_.file(QStringLiteral("printed.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 2);
    ASSERT_EQ(PageRenderer::print(document_, printer), QString());
    EXPECT_EQ(printer.docName(), QStringLiteral("forma3 Report"));
    const PdfText pdf = readPdf(file);
    ASSERT_EQ(pdf.pages.size(), 1u);
    EXPECT_EQ(qRound(pdf.pages[0].width()), 595);
    EXPECT_EQ(pdf.words.count(QStringLiteral("Первая")), 0u);
    ASSERT_TRUE(pdf.words.count(QStringLiteral("Вторая")));
    expectAtMm(pdf.words.at(QStringLiteral("Вторая")), 35, 37);
    EXPECT_TRUE(
        poppler(QStringLiteral("pdfinfo"), {file}).contains(QStringLiteral("forma3 Report")));
}

TEST_F(PdfOutput, TheBlankUnderlayIsNeverWritten) {
    QImage blank(210, 297, QImage::Format_RGB32);
    blank.fill(Qt::red);
    for (Page& page : document_.pages)
        page.underlay = blank;
    const QString file = folder_.file(QStringLiteral("blank.pdf"));
    ASSERT_EQ(PageRenderer::writePdf(document_, file), QString());
    const QStringList images = poppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), file})
                                   .split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(images.size(), 2) << "only the heading lines of the list:\n"
                                << images.join(u'\n').toStdString();
}

// The message is ours alone: no warning of the painter reaches the console.
TEST(PdfFailure, UnwritableFileGivesAMessage) {
    static int warnings = 0;
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString&) {
            if (type != QtDebugMsg) ++warnings;
        });
    const ReportDocument document{QStringLiteral("r"), {210, 297}, {Page{}}, 1};
    const QString error =
        PageRenderer::writePdf(document, QStringLiteral("/nonexistent/dir/x.pdf"));
    qInstallMessageHandler(previous);
    EXPECT_TRUE(error.contains(QStringLiteral("/nonexistent/dir/x.pdf"))) << error.toStdString();
    EXPECT_EQ(warnings, 0);
}

TEST(PageImage, DrawsItemsAtTheirMillimetresAndTheUnderlayOnlyOnRequest) {
    Page page;
    page.items.emplace_back(BoxItem{QRectF(10, 20, 50, 30)});
    page.underlay = QImage(21, 30, QImage::Format_RGB32);
    page.underlay.fill(Qt::blue);
    const QSizeF paper(210, 297);
    // 254 dpi: ten pixels to the millimetre.
    const QImage plain = PageRenderer::image(page, paper, 254, false);
    EXPECT_EQ(plain.size(), QSize(2100, 2970));
    EXPECT_EQ(QColor(plain.pixel(100, 250)).value(), 0) << "the box's left edge at 10 mm";
    EXPECT_EQ(plain.pixel(300, 200) & 0xFFFFFF, 0x000000u) << "its top edge at 20 mm";
    EXPECT_EQ(QColor(plain.pixel(300, 250)), QColor(Qt::white));
    const QImage onBlank = PageRenderer::image(page, paper, 254, true);
    EXPECT_EQ(QColor(onBlank.pixel(300, 250)), QColor(Qt::blue));
}

TEST(PageImage, OpaqueTextCoversWhatLiesUnder) {
    Page page;
    page.items.emplace_back(BoxItem{QRectF(10, 10, 40, 20)});
    TextItem text;
    text.rect = QRectF(5, 8, 60, 4);
    text.opaque = true;
    text.font = QFont(QStringLiteral("Liberation Sans"), 8);
    page.items.emplace_back(text);
    const QImage picture = PageRenderer::image(page, {210, 297}, 254, false);
    EXPECT_EQ(QColor(picture.pixel(300, 100)), QColor(Qt::white)) << "box edge under the text";
    EXPECT_NE(QColor(picture.pixel(300, 300)), QColor(Qt::white)) << "box edge below it";
}

}  // namespace
