#include <gtest/gtest.h>

#include <QFileInfo>
#include <QImage>
#include <QSet>

#include "data/forma3.h"
#include "print/update_nastr_check.h"
#include "print/update_nastr_sample.h"
#include "print_fixture.h"
#include "support/page_texts.h"

namespace {

class PrintCheckTest : public PrintFixture {
protected:
    // The profile as the form holds it: moved from the stored one, unsaved.
    RecordBuffer unsavedProfile() {
        Profile::readActive(profiles());
        RecordBuffer profile = profiles().record();
        profile.setNumber(LAS::AXZ1, profile.number(LAS::AXZ1) + 0.3);
        profile.setNumber(LAS::AYS22, 91.4);
        profile.setInteger(LAS::FONTSIZE, 12);
        return profile;
    }
    ReportDocument check(PrintSide side, qint64 number) {
        return PrintCheck::compose(tables, side, unsavedProfile(), number, QPointF(2, -1));
    }
};

TEST_F(PrintCheckTest, PrintsTheCertificateWithTheGivenProfileOverTheBlank) {
    addCertificate(7);
    const RecordBuffer profile = unsavedProfile();
    profiles().record().setNumber(LAS::AXZ1, 1);  // what the caller's buffer holds
    const ReportDocument document =
        PrintCheck::compose(tables, PrintSide::Certificate, profile, 7, QPointF(2, -1));
    ASSERT_EQ(document.pages.size(), 1u);
    EXPECT_EQ(document.pages[0].underlay, QImage(":/pictures/Forma2F_print.jpg"));
    const auto texts = textsOf(document.pages.at(0));
    const TextItem* z1 = findText(texts, "Z1");
    ASSERT_TRUE(z1);
    EXPECT_NEAR(z1->rect.left(), profile.number(LAS::AXZ1) + 2, 1e-9);
    EXPECT_NEAR(z1->rect.top(), profile.number(LAS::AYZ1) - 1, 1e-9);
    EXPECT_DOUBLE_EQ(z1->font.pointSizeF(), 12);
    // Neither the stored profile nor the caller's buffer was touched.
    EXPECT_DOUBLE_EQ(profiles().record().number(LAS::AXZ1), 1);
    Profile::readActive(profiles());
    EXPECT_NEAR(profiles().record().number(LAS::AXZ1), profile.number(LAS::AXZ1) - 0.3, 1e-9);
}

TEST_F(PrintCheckTest, TheBackSideComesOverThePictureOfTheBack) {
    addCertificate(7);
    const ReportDocument document = check(PrintSide::BackSide, 7);
    EXPECT_EQ(document.pages.at(0).underlay, QImage(":/pictures/Forma2_2F_print.jpg"));
    const auto texts = textsOf(document.pages.at(0));
    EXPECT_EQ(texts.size(), 42u);
    ASSERT_TRUE(findText(texts, "S223"));
    EXPECT_NEAR(findText(texts, "S223")->rect.top(), 91.4 - 1, 1e-9);
}

// Every value of the side printed whole, at the profile's 12 points.
void expectWholeSampleTexts(const std::vector<TextItem>& texts, size_t count) {
    const RecordBuffer sample = sampleCertificate();
    QSet<QString> whole{QStringLiteral("05"), QStringLiteral("24")};  // day and year
    for (const Field& field : FR3::layout().fields())
        if (field.type == FieldType::String) whole.insert(sample.text(field.index));
    EXPECT_EQ(texts.size(), count);
    for (const TextItem& item : texts) {
        EXPECT_FALSE(item.text.trimmed().isEmpty());
        EXPECT_TRUE(whole.contains(item.text)) << item.text.toStdString() << " is cut";
    }
}

TEST_F(PrintCheckTest, WithoutACertificateAtHandASampleFillsEveryValue) {
    addCertificate(7);
    for (const qint64 number : {0, 8}) {
        SCOPED_TRACE(number);
        const auto front = textsOf(check(PrintSide::Certificate, number).pages.at(0));
        expectWholeSampleTexts(front, 40);
        const TextItem* z1 = findText(front, sampleCertificate().text(FR3::Z1));
        ASSERT_TRUE(z1);
        EXPECT_NEAR(z1->rect.left(), unsavedProfile().number(LAS::AXZ1) + 2, 1e-9);
        expectWholeSampleTexts(textsOf(check(PrintSide::BackSide, number).pages.at(0)), 42);
    }
}

TEST_F(PrintCheckTest, NoActiveDataFolderMeansTheSampleAndNoFileMade) {
    tables.relate(u"FORMA3").close();
    DataFolder::activate({});
    const auto texts = textsOf(check(PrintSide::Certificate, 7).pages.at(0));
    EXPECT_TRUE(findText(texts, sampleCertificate().text(FR3::S2)));
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("forma3.dat")));
    ASSERT_FALSE(DataFolder::activate(data.folder()));
    ASSERT_TRUE(tables.relate(u"FORMA3").open());
}

}  // namespace
