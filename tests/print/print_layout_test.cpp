#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetricsF>

#include "print/certificate_print.h"
#include "print_fixture.h"
#include "runtime/report/report_font.h"
#include "runtime/report/report_pass.h"
#include "support/page_texts.h"

namespace {

const QPointF kShift(5, -3);

struct Printed {
    ReportOutcome outcome;
    ReportDocument document;
};

class PrintPage : public PrintFixture {
protected:
    Printed print(PrintSide side, qint64 number, QPointF shift = kShift) {
        CertificatePrint print(tables, side, number, shift);
        EXPECT_TRUE(print.open());
        ReportPass pass(print.layout(), print.source());
        const ReportOutcome outcome = pass.runToEnd();
        return {outcome, pass.takeDocument()};
    }
    std::vector<TextItem> printedTexts(PrintSide side) {
        const Printed printed = print(side, 7);
        EXPECT_EQ(printed.outcome, ReportOutcome::Completed);
        EXPECT_EQ(printed.document.pages.size(), 1u);
        return printed.document.pages.empty() ? std::vector<TextItem>{}
                                              : textsOf(printed.document.pages.front());
    }
    double profileValue(LAS::Field field) {
        Profile::readActive(profiles());
        return profiles().record().number(field);
    }
};

constexpr double kFitsValue = -1;

// A printed value and where the blank wants it.
struct PlaceCase {
    const char* label;
    PrintSide side;
    const char* text;
    LAS::Field x;
    LAS::Field y;
    double width;  // kFitsValue: as wide as the text
    Qt::Alignment align;
    double points;  // 0: the profile's size
};

void PrintTo(const PlaceCase& c, std::ostream* os) {
    *os << c.label;
}

class PlacedValues : public PrintPage, public ::testing::WithParamInterface<PlaceCase> {};

TEST_P(PlacedValues, StandAtTheProfilePairPlusTheShiftInTheirBox) {
    const PlaceCase& c = GetParam();
    giveEveryPositionItsOwnValue();
    changeProfile([](RecordBuffer& p) { p.setInteger(LAS::FONTSIZE, 12); });
    addCertificate(7);
    const auto texts = printedTexts(c.side);
    const TextItem* item = findText(texts, QString::fromUtf8(c.text));
    ASSERT_TRUE(item) << c.text << " is not printed";
    EXPECT_NEAR(item->rect.left(), profileValue(c.x) + kShift.x(), 1e-9);
    EXPECT_NEAR(item->rect.top(), profileValue(c.y) + kShift.y(), 1e-9);
    EXPECT_DOUBLE_EQ(item->rect.height(), 4);
    if (c.width == kFitsValue) {
        const QFontMetricsF metrics(inMicrometres(item->font));
        EXPECT_NEAR(item->rect.width(), metrics.horizontalAdvance(item->text) / 1000, 0.05);
    } else {
        EXPECT_DOUBLE_EQ(item->rect.width(), c.width);
    }
    EXPECT_EQ(item->align, c.align);
    EXPECT_DOUBLE_EQ(item->font.pointSizeF(), c.points > 0 ? c.points : 12);
}

const auto L = Qt::AlignLeft;
const auto C = Qt::AlignHCenter;
const auto R = Qt::AlignRight;
const auto Cert = PrintSide::Certificate;
const auto Foil = PrintSide::Counterfoil;
const auto Back = PrintSide::BackSide;

INSTANTIATE_TEST_SUITE_P(
    Certificate, PlacedValues,
    ::testing::Values(
        PlaceCase{"Z1", Cert, "Z1", LAS::AXZ1, LAS::AYZ1, 89, L, 0},
        PlaceCase{"Z4", Cert, "Z4", LAS::AXZ4, LAS::AYZ4, 89, L, 0},
        PlaceCase{"DAY", Cert, "05", LAS::AXDAY, LAS::AYDAY, kFitsValue, R, 0},
        PlaceCase{"MES", Cert, "MES", LAS::AXMES, LAS::AYMES, 17, L, 0},
        PlaceCase{"GOD", Cert, "24", LAS::AXGOD, LAS::AYGOD, kFitsValue, R, 0},
        PlaceCase{"S1", Cert, "S1", LAS::AZS1, LAS::AYS1, 38, L, 0},
        PlaceCase{"S2", Cert, "S2", LAS::AXS2, LAS::AYS2, 168, C, 0},
        PlaceCase{"S3", Cert, "S3", LAS::AXS3, LAS::AYS3, 151, L, 0},
        PlaceCase{"KOL", Cert, "KOL", LAS::AXKOL, LAS::AYKOL, 51, C, 0},
        PlaceCase{"UP at the marking pair", Cert, "UP", LAS::AXMK, LAS::AYMK, 48, C, 0},
        PlaceCase{"MK at the packaging pair", Cert, "MK", LAS::AXUP, LAS::AYUP, 49, C, 0},
        PlaceCase{"S7", Cert, "S7", LAS::AXS7, LAS::AYS7, 131, L, 0},
        PlaceCase{"DATAVUR", Cert, "DATAVUR", LAS::AXDV, LAS::AYDV, 48, L, 7},
        PlaceCase{"S143", Cert, "S143", LAS::AXS143, LAS::AYS143, 83, L, 0},
        PlaceCase{"S15", Cert, "S15", LAS::AXS15, LAS::AYS15, 40, L, 0},
        PlaceCase{"S151", Cert, "S151", LAS::AXS151, LAS::AYS151, 169, L, 0},
        PlaceCase{"S191", Cert, "S191", LAS::AXS191, LAS::AYS191, 170, L, 0},
        PlaceCase{"P3", Cert, "P3", LAS::AXP3, LAS::AYP3, 89, C, 0},
        PlaceCase{"P4", Cert, "P4", LAS::AXP4, LAS::AYP4, 89, C, 0}));

INSTANTIATE_TEST_SUITE_P(
    Counterfoil, PlacedValues,
    ::testing::Values(
        PlaceCase{"Z1", Foil, "Z1", LAS::AXZ1, LAS::AYZ1, 89, L, 0},
        PlaceCase{"KOL", Foil, "KOL", LAS::AXKOL, LAS::AYKOL, 50, C, 0},
        PlaceCase{"UP at the marking pair", Foil, "UP", LAS::AXMK, LAS::AYMK, 48, C, 0},
        PlaceCase{"MK at the packaging pair", Foil, "MK", LAS::AXUP, LAS::AYUP, 49, C, 0},
        PlaceCase{"DATAVUR", Foil, "DATAVUR", LAS::AXDV, LAS::AYDV, kFitsValue, L, 7},
        PlaceCase{"P1", Foil, "P1", LAS::AXP1, LAS::AYP1, 66, C, 0},
        PlaceCase{"P2", Foil, "P2", LAS::AXP2, LAS::AYP2, 66, C, 0},
        PlaceCase{"P3", Foil, "P3", LAS::AXP3, LAS::AYP3, 88, C, 0},
        PlaceCase{"P4", Foil, "P4", LAS::AXP4, LAS::AYP4, 88, C, 0}));

INSTANTIATE_TEST_SUITE_P(
    BackSide, PlacedValues,
    ::testing::Values(PlaceCase{"S20", Back, "S20", LAS::AXS20, LAS::AYS20, 24, L, 8},
                      PlaceCase{"S201", Back, "S201", LAS::AXS201, LAS::AYS20, 16, L, 8},
                      PlaceCase{"S216", Back, "S216", LAS::AXS216, LAS::AYS21, 16, L, 8},
                      PlaceCase{"S22", Back, "S22", LAS::AXS22, LAS::AYS22, 24, L, 8},
                      PlaceCase{"S223", Back, "S223", LAS::AXS223, LAS::AYS22, 16, L, 8},
                      PlaceCase{"S234", Back, "S234", LAS::AXS234, LAS::AYS23, 16, L, 8},
                      PlaceCase{"S245", Back, "S245", LAS::AXS245, LAS::AYS24, 16, L, 8},
                      PlaceCase{"S25", Back, "S25", LAS::AXS25, LAS::AYS25, 24, L, 8},
                      PlaceCase{"S256", Back, "S256", LAS::AXS256, LAS::AYS25, 16, L, 8}));

TEST_F(PrintPage, EachSidePrintsItsOwnValuesAndNothingElse) {
    addCertificate(7);
    const auto certificate = printedTexts(Cert);
    const auto counterfoil = printedTexts(Foil);
    const auto back = printedTexts(Back);
    EXPECT_EQ(certificate.size(), 40u);
    EXPECT_EQ(counterfoil.size(), 42u);
    EXPECT_EQ(back.size(), 42u);
    // The receiver's lines belong to the counterfoil alone.
    EXPECT_FALSE(findText(certificate, "P1"));
    EXPECT_FALSE(findText(certificate, "P2"));
    EXPECT_TRUE(findText(counterfoil, "P1"));
    EXPECT_TRUE(findText(counterfoil, "P2"));
    // The front and the back do not mix.
    EXPECT_FALSE(findText(certificate, "S20"));
    EXPECT_FALSE(findText(back, "Z1"));
    // What is not a value on the blank never prints.
    for (const char* unprinted : {"NLIC", "COMMENT", "OPIS"})
        EXPECT_FALSE(findText(certificate, unprinted)) << unprinted;
}

TEST_F(PrintPage, TheProfileFontServesEveryValueExceptTheFixedSizes) {
    changeProfile([](RecordBuffer& p) {
        p.setText(LAS::TYPEFACE, u"Times New Roman Cyr");
        p.setInteger(LAS::FONTSIZE, 11);
        p.setInteger(LAS::FONTSTYLE, 700 + 0x1000);
        p.setInteger(LAS::FONTCOLOR, 128 + 256 * 64);
    });
    addCertificate(7);
    for (const PrintSide side : {Cert, Foil, Back}) {
        for (const TextItem& item : printedTexts(side)) {
            SCOPED_TRACE(item.text.toStdString());
            EXPECT_EQ(QFontInfo(item.font).family(), QStringLiteral("Liberation Serif"));
            EXPECT_TRUE(item.font.bold());
            EXPECT_TRUE(item.font.italic());
            EXPECT_EQ(item.color, QColor(128, 64, 0));
            const double points = side == Back ? 8 : item.text == "DATAVUR" ? 7 : 11;
            EXPECT_DOUBLE_EQ(item.font.pointSizeF(), points);
        }
    }
}

TEST_F(PrintPage, CertificatesSharingTheNumberPrintAPageEachInPermitOrder) {
    addCertificate(6, {}, "six");
    addCertificate(7, "В-2", "third");
    addCertificate(7, {}, "first");
    addCertificate(8, {}, "eight");
    addCertificate(7, "а-1", "second");
    const Printed printed = print(Cert, 7);
    ASSERT_EQ(printed.outcome, ReportOutcome::Completed);
    ASSERT_EQ(printed.document.pages.size(), 3u);
    EXPECT_EQ(printed.document.title, QStringLiteral("forma3 Report"));
    const char* order[] = {"first", "second", "third"};
    for (size_t page = 0; page < 3; ++page) {
        const auto texts = textsOf(printed.document.pages[page]);
        EXPECT_TRUE(findText(texts, order[page])) << "page " << page + 1;
        EXPECT_EQ(texts.size(), 40u);
    }
}

TEST_F(PrintPage, NoCertificateWithTheNumberPrintsNothing) {
    addCertificate(6);
    addCertificate(70);
    addCertificate(0);
    for (const qint64 number : {7, 0}) {
        const Printed printed = print(Cert, number);
        EXPECT_EQ(printed.outcome, ReportOutcome::NoRecords) << number;
        EXPECT_TRUE(printed.document.pages.empty());
    }
}

TEST_F(PrintPage, AnEmptyProfileTablePrintsAtTheShiftAloneInALegibleFont) {
    removeEveryProfile();
    addCertificate(7);
    const auto texts = printedTexts(Cert);
    ASSERT_EQ(texts.size(), 40u);
    for (const TextItem& item : texts) {
        SCOPED_TRACE(item.text.toStdString());
        EXPECT_EQ(item.rect.topLeft(), kShift);
        EXPECT_DOUBLE_EQ(item.font.pointSizeF(), item.text == "DATAVUR" ? 7 : 10);
        EXPECT_EQ(QFontInfo(item.font).family(), QStringLiteral("Liberation Sans"));
    }
}

TEST_F(PrintPage, TheProfileIsReadAfreshForEveryPage) {
    addCertificate(7, "1", "first");
    addCertificate(7, "2", "second");
    CertificatePrint print(tables, Cert, 7, QPointF());
    ASSERT_TRUE(print.open());
    ReportPass pass(print.layout(), print.source(), {1, std::chrono::milliseconds(0)});
    ASSERT_TRUE(pass.step());
    // Saved meanwhile from another window.
    RecordingErrorManager otherErrors;
    TableSet editor(vetdocsSchema(), otherErrors);
    ASSERT_TRUE(editor.relate(u"LAST").open());
    ASSERT_TRUE(Profile::readActive(editor.access(u"LAST")));
    editor.access(u"LAST").record().setNumber(LAS::AXZ1, 40.5);
    ASSERT_TRUE(editor.access(u"LAST").update());
    editor.relate(u"LAST").close();
    while (pass.step()) {
    }
    ASSERT_EQ(pass.outcome(), ReportOutcome::Completed);
    const ReportDocument document = pass.takeDocument();
    ASSERT_EQ(document.pages.size(), 2u);
    EXPECT_DOUBLE_EQ(findText(textsOf(document.pages[0]), "first")->rect.left(), 24);
    EXPECT_DOUBLE_EQ(findText(textsOf(document.pages[1]), "second")->rect.left(), 40.5);
}

}  // namespace
