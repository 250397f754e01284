#include <gtest/gtest.h>

#include <QImage>
#include <cmath>

#include "print/update_nastr_check.h"
#include "print_fixture.h"

namespace {

struct UnderlayCase {
    PrintSide side;
    const char* picture;  // the blank as printed paper
};

void PrintTo(const UnderlayCase& c, std::ostream* os) {
    *os << c.picture;
}

class Underlay : public PrintFixture, public ::testing::WithParamInterface<UnderlayCase> {
protected:
    // The page of the side, of a stored certificate or of the sample.
    Page pageOf(qint64 number) {
        Profile::readActive(profiles());
        const ReportDocument document =
            PrintCheck::compose(tables, GetParam().side, profiles().record(), number, {});
        paper_ = document.paper;
        return document.pages.at(0);
    }
    QSizeF paper_;
};

// The preview stretches the underlay over the sheet: a picture of other
// proportions would move the lines away from the values on them.
TEST_P(Underlay, IsThePrintPictureOfTheSideInTheSheetsProportions) {
    addCertificate(7);
    const QImage expected(QLatin1String(GetParam().picture));
    ASSERT_FALSE(expected.isNull());
    for (const qint64 number : {7, 0}) {
        SCOPED_TRACE(number);
        const QImage underlay = pageOf(number).underlay;
        EXPECT_EQ(underlay, expected);
        const double heightInProportion = underlay.width() * paper_.height() / paper_.width();
        EXPECT_LE(std::abs(underlay.height() - heightInProportion), 1.0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sides, Underlay,
    ::testing::Values(UnderlayCase{PrintSide::Certificate, ":/pictures/Forma2F_print.jpg"},
                      UnderlayCase{PrintSide::Counterfoil, ":/pictures/Forma2K_print.jpg"},
                      UnderlayCase{PrintSide::BackSide, ":/pictures/Forma2_2F_print.jpg"}));

}  // namespace
