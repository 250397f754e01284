#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "bench_support.h"
#include "runtime/report/page_renderer.h"
#include "runtime/report/report_pass.h"

// The report engine on the two shapes it prints: a long list report (770
// pages of 13 certificate blocks, eleven texts each) and the full-page
// certificate with forty values. Records come from memory, so composing and
// writing the PDF is what is measured.
namespace {

constexpr int kListPages = 770;
constexpr int kBlocksPerPage = 13;

// Stands in for a view over the certificates: a record number is the
// current record.
class CountingSource : public RecordSource {
public:
    explicit CountingSource(int records) : records_(records) {}
    int fetch(int max, const std::function<void()>& printDetail) override {
        int read = 0;
        while (read < max && current < records_) {
            ++current;
            ++read;
            printDetail();
        }
        return read;
    }
    double progress() const override { return double(current) / records_; }

    int current = 0;

private:
    int records_;
};

FontSpec arial(double size, bool bold = false) {
    FontSpec font;
    font.family = QStringLiteral("Arial CYR");
    font.pointSize = size;
    font.bold = bold;
    return font;
}

QString recipient(int n) {
    return QStringLiteral("ООО \"Агрокомплекс %1\", г. Краснодар, ул. Северная, д. %2")
        .arg(n % 97)
        .arg(n % 300);
}

ReportLayout listLayout(const CountingSource& source) {
    const int* n = &source.current;
    ReportLayout layout;
    layout.title = QStringLiteral("Rep_input1 Report");
    layout.detailArea = QRectF(10, 30, 190, 260);
    Band header;
    header.pos = QPointF(10, 10);
    header.size = QSizeF(190, 19);
    header.add(TextControl::label("?STRING1", {63, 1}, "Отчёт о документах \"Форма №2\"")
                   .withFont(arial(9, true)));
    header.add(TextControl::field("?D1", {145, 1}, "d6.b", [] { return 81649; })
                   .withFont(arial(8))
                   .aligned(TextAlign::Right)
                   .opaqueBackground());
    header.add(BoxControl{"?BOX1", QRectF(2, 9, 182, 10)});
    for (const auto& [x, y, text] : {std::tuple{12, 9, "№"},
                                     {30, 9, "Дата"},
                                     {91, 9, "Кому / куда"},
                                     {150, 9, "Кто выдал/получил"},
                                     {4, 13, "свидетельства"},
                                     {30, 13, "выдачи"}}) {
        header.add(
            TextControl::label("?H", QPointF(x, y), QString::fromUtf8(text)).withFont(arial(8)));
    }
    layout.pageHeader = header;

    Band& detail = layout.detail;
    detail.size = QSizeF(190, 20);
    const auto text = [n](const char* prefix) {
        return
            [n, prefix] { return QStringLiteral("%1 %2").arg(QString::fromUtf8(prefix)).arg(*n); };
    };
    detail.add(TextControl::field("?FR3:NFORM", {4, 0}, "n_9b", [n] { return qint64(*n); })
                   .withFont(arial(8))
                   .aligned(TextAlign::Right));
    detail.add(TextControl::field("?FR3:DATAV", {28, 0}, "d6.b", [n] { return 81000 + *n % 600; })
                   .withFont(arial(8))
                   .aligned(TextAlign::Right));
    detail.add(TextControl::field("?FR3:S2", {49, 0}, "s91", [n] { return recipient(*n); })
                   .withSize(101, 5)
                   .withFont(arial(7)));
    detail.add(TextControl::field("?FR3:P4", {151, 0}, "s32", text("Иванов И.И."))
                   .withSize(33, 5)
                   .withFont(arial(7)));
    detail.add(TextControl::field("?FR3:S3", {49, 4}, "s91", text("Мясо говяжье охлаждённое"))
                   .withSize(95, 5)
                   .withFont(arial(7, true)));
    detail.add(TextControl::field("?FR3:P2", {151, 4}, "s32", text("Петров П.П."))
                   .withSize(33, 5)
                   .withFont(arial(7)));
    detail.add(TextControl::field("?FR3:KOL", {49, 8}, "s27", text("кг"))
                   .withSize(33, 5)
                   .withFont(arial(7, true)));
    detail.add(TextControl::field("?FR3:UP", {83, 8}, "s25", text("ящики"))
                   .withSize(30, 5)
                   .withFont(arial(7)));
    detail.add(TextControl::field("?FR3:MK", {115, 8}, "s25", text("маркировано"))
                   .withSize(30, 5)
                   .withFont(arial(7)));
    detail.add(
        TextControl::field("?FR3:S11", {49, 12}, "s80", text("Краснодарский край, ст. Выселки"))
            .withSize(101, 5)
            .withFont(arial(7)));
    detail.add(TextControl::field("?FR3:S13", {49, 16}, "s75", text("Автомобиль А123ВС, маршрут"))
                   .withSize(101, 5)
                   .withFont(arial(7)));
    detail.add(LineControl::horizontal("?LINE1", {2, 19}, 182));

    Band footer;
    footer.size = QSizeF(190, 8);
    footer.add(BoxControl{"?BOX2", QRectF(104, 1, 79, 6)});
    footer.add(TextControl::label("?STRING10", {108, 2}, "Выдано документов \"Форма №2\":")
                   .withFont(arial(8)));
    footer.add(TextControl::count("?KLIST", {161, 2}, "n_6b")
                   .withFont(arial(8))
                   .aligned(TextAlign::Right));
    layout.groupFooter = footer;
    return layout;
}

ReportLayout certificateLayout(const CountingSource& source) {
    const int* n = &source.current;
    ReportLayout layout = ReportLayout::fullPage(QStringLiteral("forma3 Report"));
    for (int i = 0; i < 40; ++i) {
        const QPointF at(22 + (i % 3) * 5, 29 + i * 5.7);
        layout.detail.add(
            TextControl::field(
                QStringLiteral("?F%1").arg(i), at, "s91",
                [n, i] {
                    return QStringLiteral("Значение поля %1 свидетельства %2").arg(i).arg(*n);
                })
                .withSize(i % 5 == 0 ? 89 : 170, 4)
                .aligned(i % 4 == 0 ? TextAlign::Centre : TextAlign::Left)
                .withFont(arial(i == 19 ? 7 : 10)));
    }
    layout.origin = QPointF(5, -3);
    return layout;
}

// Composes the report over its records and writes it as a PDF.
void composeAndWrite(benchmark::State& state, int records,
                     ReportLayout (*makeLayout)(const CountingSource&), bool write) {
    QTemporaryDir folder;
    size_t pages = 0;
    for (auto _ : state) {
        CountingSource source(records);
        const ReportLayout layout = makeLayout(source);
        ReportPass pass(layout, source);
        pass.runToEnd();
        const ReportDocument document = pass.takeDocument();
        pages = document.pages.size();
        if (write) {
            const QString error =
                PageRenderer::writePdf(document, folder.filePath(QStringLiteral("report.pdf")));
            if (!error.isEmpty()) state.SkipWithError(error.toStdString().c_str());
        }
    }
    state.counters["pages"] = double(pages);
}

void BM_ListReportCompose(benchmark::State& state) {
    composeAndWrite(state, kListPages * kBlocksPerPage, listLayout, false);
}
BENCHMARK(BM_ListReportCompose)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_ListReportComposeAndPdf(benchmark::State& state) {
    composeAndWrite(state, kListPages * kBlocksPerPage, listLayout, true);
}
BENCHMARK(BM_ListReportComposeAndPdf)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_CertificateComposeAndPdf(benchmark::State& state) {
    composeAndWrite(state, int(state.range(0)), certificateLayout, true);
}
BENCHMARK(BM_CertificateComposeAndPdf)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return BenchSupport::runBenchmarks(argc, argv, BenchSupport::QtNeed::Gui);
}
