#include "reports/certificate_report_layout.h"

#include <optional>

#include "data/forma3.h"

namespace CertificateReportLayout {

namespace {

const QColor kGrey(128, 128, 128);

FontSpec arialCyr(double size, bool bold = false, QColor colour = Qt::black) {
    FontSpec font;
    font.family = QStringLiteral("Arial CYR");
    font.pointSize = size;
    font.bold = bold;
    font.color = colour;
    return font;
}

TextControl label(const char* name, QPointF at, const char* text, FontSpec font) {
    return TextControl::label(QString::fromLatin1(name), at, QString::fromUtf8(text))
        .withFont(std::move(font));
}

TextControl field(const RecordBuffer& certificate, int index, QPointF at, const char* picture,
                  FontSpec font) {
    return TextControl::field(certificate.layout().qualifiedName(index).prepend(u'?'), at,
                              QString::fromLatin1(picture),
                              [&certificate, index] { return certificate.value(index); })
        .withFont(std::move(font));
}

TextControl fixedValue(const char* name, QPointF at, const char* picture, QVariant value,
                       FontSpec font) {
    return TextControl::field(QString::fromLatin1(name), at, QString::fromLatin1(picture),
                              [value = std::move(value)] { return value; })
        .withFont(std::move(font));
}

BoxControl box(const char* name, QRectF rect, bool rounded = false) {
    return BoxControl{QString::fromLatin1(name), rect, rounded};
}

// Where the two reports' detail bands differ.
struct DetailPlaces {
    double dateX;
    double personsX;
    double personsWidth;
};

Band detailBand(const RecordBuffer& r, const DetailPlaces& places) {
    Band band;
    band.size = QSizeF(190, 20);
    band.add(field(r, FR3::NFORM, {4, 0}, "n_9b", arialCyr(8)).aligned(TextAlign::Right));
    band.add(
        field(r, FR3::DATAV, {places.dateX, 0}, "d6.b", arialCyr(8)).aligned(TextAlign::Right));
    band.add(field(r, FR3::S2, {49, 0}, "s91", arialCyr(7)).withSize(101, 5));
    band.add(field(r, FR3::P4, {places.personsX, 0}, "s32", arialCyr(7))
                 .withSize(places.personsWidth, 5));
    band.add(field(r, FR3::S3, {49, 4}, "s91", arialCyr(7, true)).withSize(95, 5));
    band.add(field(r, FR3::P2, {places.personsX, 4}, "s32", arialCyr(7))
                 .withSize(places.personsWidth, 5));
    band.add(field(r, FR3::KOL, {49, 8}, "s27", arialCyr(7, true)).withSize(33, 5));
    band.add(field(r, FR3::UP, {83, 8}, "s25", arialCyr(7)).withSize(30, 5));
    band.add(field(r, FR3::MK, {115, 8}, "s25", arialCyr(7)).withSize(30, 5));
    band.add(field(r, FR3::S11, {49, 12}, "s80", arialCyr(7)).withSize(101, 5));
    band.add(field(r, FR3::S13, {49, 16}, "s75", arialCyr(7)).withSize(101, 5));
    band.add(LineControl::horizontal(QStringLiteral("?LINE1"), {2, 19}, 182));
    return band;
}

Band countFooter() {
    Band band;
    band.size = QSizeF(190, 8);
    band.add(box("?BOX2", QRectF(104, 1, 79, 6)));
    band.add(label("?STRING10", {108, 2}, "Выдано документов \"Форма №2\":", arialCyr(8)));
    band.add(TextControl::count(QStringLiteral("?KLIST"), {161, 2}, QStringLiteral("n_6b"))
                 .withFont(arialCyr(8))
                 .aligned(TextAlign::Right));
    return band;
}

Band headingBand() {
    Band band;
    band.pos = QPointF(10, 10);
    band.size = QSizeF(190, 19);
    return band;
}

// The frames of the recipient's and the persons' columns, where the heading
// has a frame for each column.
struct ColumnFrames {
    std::optional<BoxControl> recipient;
    std::optional<BoxControl> persons;
};

// The two-line column heading.
void addColumnHeading(Band& band, double personsX, const ColumnFrames& frames) {
    band.add(label("?STRING16", {12, 9}, "№", arialCyr(8)));
    band.add(label("?STRING16:3", {30, 9}, "Дата", arialCyr(8)));
    if (frames.recipient) band.add(*frames.recipient);
    band.add(label("?STRING16:5", {91, 9}, "Кому / куда", arialCyr(8)));
    if (frames.persons) band.add(*frames.persons);
    band.add(label("?STRING16:6", {personsX, 9}, "Кто выдал/получил", arialCyr(8)));
    band.add(label("?STRING16:2", {4, 13}, "свидетельства", arialCyr(8)));
    band.add(label("?STRING16:4", {30, 13}, "выдачи", arialCyr(8)));
}

ReportLayout listLayout(QString title) {
    ReportLayout layout;
    layout.title = std::move(title);
    layout.detailArea = QRectF(10, 30, 190, 260);
    layout.font = arialCyr(10);
    layout.groupFooter = countFooter();
    return layout;
}

}  // namespace

ReportLayout period(const RecordBuffer& certificate, const PeriodHeading& heading) {
    ReportLayout layout = listLayout(QStringLiteral("Отчёт о выданных документах"));
    Band band = headingBand();
    band.add(label("?STRING1", {63, 1}, "Отчёт о документах \"Форма №2\"", arialCyr(9, true)));
    band.add(label("?STRING13", {115, 1}, "(", arialCyr(9)));
    band.add(
        fixedValue("?COMMENT", {116, 1}, "s9", heading.status, arialCyr(8)).opaqueBackground());
    band.add(label("?STRING15", {133, 1}, ")", arialCyr(9)));
    band.add(fixedValue("?D1", {145, 1}, "d6.b", heading.from, arialCyr(8))
                 .aligned(TextAlign::Right)
                 .opaqueBackground());
    band.add(fixedValue("?D2", {165, 1}, "d6.b", heading.to, arialCyr(8))
                 .aligned(TextAlign::Right)
                 .opaqueBackground());
    band.add(box("?BOX1", QRectF(2, 9, 182, 10)));
    addColumnHeading(band, 150, {});
    layout.pageHeader = std::move(band);
    layout.detail = detailBand(certificate, {28, 151, 33});
    return layout;
}

ReportLayout byQuery(const RecordBuffer& certificate, const QString& query) {
    ReportLayout layout = listLayout(QStringLiteral("Отчёт по условию фильтра"));
    Band band = headingBand();
    band.add(label("?STRING1", {63, 1},
                   "Отчёт о выданных, подготовленных и испорченных документах \"Форма №2\"",
                   arialCyr(8, true)));
    band.add(box("?BOX1", QRectF(2, 9, 42, 10), true));
    band.add(label("?STRING1:2", {63, 5}, "[произвольный по запросу]", arialCyr(7)));
    band.add(label("?STRING1:3", {95, 5}, "[", arialCyr(7, false, kGrey)).withSize(4, 4));
    band.add(fixedValue("?ZAPROS", {97, 5}, "s60", query, arialCyr(7, false, kGrey))
                 .withSize(82, 4)
                 .aligned(TextAlign::Centre)
                 .opaqueBackground());
    band.add(label("?STRING1:4", {179, 5}, "]", arialCyr(7, false, kGrey)).withSize(4, 4));
    addColumnHeading(band, 153,
                     {box("?BOX1:2", QRectF(47, 9, 101, 10), true),
                      box("?BOX1:3", QRectF(151, 9, 34, 10), true)});
    layout.pageHeader = std::move(band);
    layout.detail = detailBand(certificate, {27, 155, 29});
    return layout;
}

}  // namespace CertificateReportLayout
