#include <gtest/gtest.h>

#include "data/forma3.h"
#include "register/certificate_clipboard.h"

namespace {

QString fieldName(int field) {
    return FR3::layout().qualifiedName(field);
}

// Every text field filled to its width with a text of its own name.
RecordBuffer filledCertificate() {
    RecordBuffer certificate(FR3::layout());
    for (const Field& field : FR3::layout().fields())
        if (field.type == FieldType::String)
            certificate.setText(field.index, (field.name + u'-').repeated(10).left(field.size));
    certificate.setInteger(FR3::NFORM, 123456);
    certificate.setInteger(FR3::DATAV, 81649);
    certificate.setInteger(FR3::DAY, 15);
    certificate.setInteger(FR3::GOD, 24);
    certificate.setInteger(FR3::CHEK, 1);
    return certificate;
}

TEST(CertificateClipboard, KeepsTheTwentyFourMainLinesInBuffersOfTheirWidths) {
    const std::vector<std::pair<int, int>> expected = {
        {FR3::S1, 20},  {FR3::S2, 91},   {FR3::S3, 81},  {FR3::S4, 91},  {FR3::KOL, 30},
        {FR3::UP, 25},  {FR3::MK, 25},   {FR3::S5, 80},  {FR3::S7, 91},  {FR3::S8, 80},
        {FR3::P1, 36},  {FR3::P3, 36},   {FR3::S10, 91}, {FR3::S11, 80}, {FR3::S13, 80},
        {FR3::S14, 40}, {FR3::S141, 45}, {FR3::S15, 80}, {FR3::S16, 91}, {FR3::S17, 80},
        {FR3::S18, 91}, {FR3::S19, 91},  {FR3::P2, 36},  {FR3::P4, 36}};
    const RecordBuffer certificate = filledCertificate();
    const CertificateClipboard clip = CertificateClipboard::copyOf(certificate);
    ASSERT_EQ(CertificateClipboard::kept().size(), expected.size());
    for (const auto& [field, width] : expected) {
        const QString buffer = clip.buffer(field);
        ASSERT_EQ(buffer.size(), width) << fieldName(field).toStdString();
        // A buffer wider than its field holds the field padded with blanks.
        EXPECT_EQ(buffer, certificate.paddedText(field).leftJustified(width))
            << fieldName(field).toStdString();
    }
}

TEST(CertificateClipboard, StartsBlank) {
    const CertificateClipboard clip;
    for (const auto& kept : CertificateClipboard::kept())
        EXPECT_EQ(clip.buffer(kept.field), QString(kept.width, u' '));
    EXPECT_TRUE(clip.buffer(FR3::NFORM).isEmpty());
}

TEST(CertificateClipboard, PasteGivesTheKeptLinesBackAndLeavesEverythingElse) {
    const RecordBuffer source = filledCertificate();
    const CertificateClipboard clip = CertificateClipboard::copyOf(source);

    RecordBuffer target(FR3::layout());
    target.setInteger(FR3::NFORM, 77);
    target.setText(FR3::Z1, u"Омская область");
    target.setText(FR3::S31, u"продолжение");
    target.setText(FR3::S20, u"01.02.2024");
    target.setText(FR3::OPIS, u"своё описание");
    const RecordBuffer before = target;
    clip.pasteInto(target);

    for (const Field& field : FR3::layout().fields()) {
        const auto& kept = CertificateClipboard::kept();
        const bool isKept = std::any_of(kept.begin(), kept.end(),
                                        [&](const auto& k) { return k.field == field.index; });
        EXPECT_EQ(target.rawField(field.index), (isKept ? source : before).rawField(field.index))
            << fieldName(field.index).toStdString();
    }
}

}  // namespace
