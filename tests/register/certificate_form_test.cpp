#include <gtest/gtest.h>

#include "certificate_fixture.h"
#include "data/last.h"
#include "register/certificate_clipboard.h"
#include "register/certificate_form.h"

namespace {

class CertificateFormTest : public CertificateFixture {};

TEST_F(CertificateFormTest, TakesTheRequestAndNamesItselfUntilItEnds) {
    context.setGlobalRequest(Request::Change);
    context.setGlobalResponse(Response::Completed);
    {
        CertificateForm form(context);
        EXPECT_EQ(form.request(), Request::Change);
        EXPECT_EQ(context.globalRequest(), Request::None);
        EXPECT_EQ(context.globalResponse(), Response::None);
        EXPECT_EQ(context.errors().procedure(), u"Updateforma2");
        EXPECT_EQ(form.actionMessage(), u"Изменить запись");
    }
    EXPECT_EQ(context.errors().procedure(), u"BrowseFormf2");
}

TEST_F(CertificateFormTest, ANewCertificateStartsPrimed) {
    store(5, "01.02.2024", "Прежний получатель");
    context.setGlobalRequest(Request::Insert);
    CertificateForm form(context);
    ASSERT_TRUE(form.open());
    EXPECT_EQ(form.actionMessage(), u"Добавить запись");
    EXPECT_EQ(record().text(FR3::COMMENT), u"Выдано");
    EXPECT_EQ(record().integer(FR3::NFORM), 0);
    EXPECT_TRUE(record().isBlank(FR3::S2));
}

TEST_F(CertificateFormTest, OpensAndClosesItsTablesWithoutDisturbingTheCaller) {
    const int callerOpens = forma3().openCount();
    {
        context.setGlobalRequest(Request::Change);
        CertificateForm form(context);
        ASSERT_TRUE(form.open());
        EXPECT_EQ(forma3().openCount(), callerOpens + 1);
        EXPECT_TRUE(context.tables().access(u"LAST").isOpen());
    }
    EXPECT_EQ(forma3().openCount(), callerOpens);
    EXPECT_FALSE(context.tables().access(u"LAST").isOpen());
}

TEST_F(CertificateFormTest, RequiredCheckNamesTheFirstEmptyField) {
    struct Case {
        qint64 number;
        qint32 date;
        int missing;
    };
    const std::vector<Case> cases = {
        {0, 81649, FR3::NFORM}, {12, 0, FR3::DATAV}, {0, 0, FR3::NFORM}, {12, 81649, -1}};
    context.setGlobalRequest(Request::Insert);
    CertificateForm form(context);
    for (const Case& c : cases) {
        record().setInteger(FR3::NFORM, c.number);
        record().setInteger(FR3::DATAV, c.date);
        EXPECT_EQ(form.missingRequired(), c.missing) << c.number << ' ' << c.date;
    }
}

TEST_F(CertificateFormTest, ABlankDescriptionTakesTheRecipient) {
    struct Case {
        const char* description;
        const char* recipient;
        const char* expected;
        bool changed;
    };
    const std::vector<Case> cases = {
        {"", "   ООО «Ромашка»", "ООО «Ромашка»", true},
        {"", "Индивидуальный предприниматель Петров Пётр Петрович", "Индивидуальный предпринима",
         true},
        {"Свой текст", "ООО «Ромашка»", "Свой текст", false},
        {"", "", "", false},
    };
    context.setGlobalRequest(Request::Change);
    CertificateForm form(context);
    for (const Case& c : cases) {
        record().setText(FR3::OPIS, QString::fromUtf8(c.description));
        record().setText(FR3::S2, QString::fromUtf8(c.recipient));
        EXPECT_EQ(form.recipientEvent(), c.changed) << c.recipient;
        EXPECT_EQ(record().text(FR3::OPIS), QString::fromUtf8(c.expected).left(25));
    }
}

TEST_F(CertificateFormTest, PasteClearsTheIssueDateAndKeepsNumberAndDateBlock) {
    RecordBuffer source(FR3::layout());
    source.setText(FR3::S2, u"ООО «Ромашка»");
    source.setText(FR3::P4, u"Иванов И. И.");
    certificateClipboard.set(CertificateClipboard::copyOf(source));

    context.setGlobalRequest(Request::Insert);
    CertificateForm form(context);
    ASSERT_TRUE(form.open());
    record().setInteger(FR3::NFORM, 42);
    record().setInteger(FR3::DATAV, 81649);
    form.dateEvent();
    form.paste();
    EXPECT_EQ(record().text(FR3::S2), u"ООО «Ромашка»");
    EXPECT_EQ(record().text(FR3::P4), u"Иванов И. И.");
    EXPECT_EQ(record().integer(FR3::DATAV), 0);
    EXPECT_EQ(record().integer(FR3::NFORM), 42);
    EXPECT_EQ(record().integer(FR3::DAY), 15);
    EXPECT_EQ(record().text(FR3::MES), u"июля");
}

TEST_F(CertificateFormTest, CopyTakesTheCertificateAsShown) {
    RecordBuffer shown(FR3::layout());
    shown.setText(FR3::S3, u"Говядина охлаждённая");
    CertificateForm::copy(shown);
    EXPECT_EQ(certificateClipboard.get().buffer(FR3::S3).trimmed(), u"Говядина охлаждённая");
}

TEST_F(CertificateFormTest, SavingANewCertificateAddsItAndRemembersItForHistory) {
    context.setGlobalRequest(Request::Insert);
    CertificateForm form(context);
    ASSERT_TRUE(form.open());
    record().setInteger(FR3::NFORM, 101);
    record().setInteger(FR3::DATAV, 81649);
    record().setText(FR3::S2, u"ООО «Ромашка»");
    ASSERT_TRUE(form.save());
    EXPECT_EQ(count(), 1);
    EXPECT_EQ(stored(forma3().position()), record());
    EXPECT_EQ(context.history().last(CertificateForm::kProcedure, FR3::layout()), record());
}

TEST_F(CertificateFormTest, SavingAChangeWritesTheCertificateBack) {
    const qint64 position = store(7, "01.02.2024", "Прежний");
    context.setGlobalRequest(Request::Change);
    CertificateForm form(context);
    ASSERT_TRUE(form.open());
    record().setText(FR3::S2, u"Новый получатель");
    ASSERT_TRUE(form.save());
    EXPECT_EQ(count(), 1);
    EXPECT_EQ(stored(position).text(FR3::S2), u"Новый получатель");
}

TEST_F(CertificateFormTest, AChangeTheTableRefusesKeepsTheInputAndIsReported) {
    const qint64 position = store(7, "01.02.2024", "Прежний");
    removeElsewhere(position);
    context.setGlobalRequest(Request::Change);
    CertificateForm form(context);
    ASSERT_TRUE(form.open());
    record().setText(FR3::S2, u"Новый получатель");
    EXPECT_FALSE(form.save());
    EXPECT_FALSE(errors().messages.empty());
    EXPECT_EQ(record().text(FR3::S2), u"Новый получатель");
}

TEST_F(CertificateFormTest, AbandoningGivesTheCallerItsBufferBack) {
    const qint64 position = store(7, "01.02.2024", "Прежний");
    const RecordBuffer handed = record();
    context.setGlobalRequest(Request::Insert);
    CertificateForm form(context);
    ASSERT_TRUE(form.open());
    record().setText(FR3::S2, u"Набрано, но не сохранено");
    form.abandon();
    EXPECT_EQ(record(), handed);
    EXPECT_EQ(forma3().position(), position);
    EXPECT_EQ(count(), 1);
}

TEST_F(CertificateFormTest, HeadingCaptionNamesTheActiveProfilesFont) {
    context.setGlobalRequest(Request::Insert);
    CertificateForm form(context);
    ASSERT_TRUE(form.open());
    ASSERT_TRUE(form.readProfile());
    EXPECT_EQ(form.headingCaption(), u"[Цвет и шрифт печати формы] [Arial Cyr Размер: 10]");
}

TEST_F(CertificateFormTest, WithoutAProfileTheCaptionIsBlankAndSizeZero) {
    TableAccess& last = context.tables().access(u"LAST");
    ASSERT_TRUE(last.open());
    ASSERT_TRUE(last.fetchKey(LAS::K1, 1));
    ASSERT_TRUE(last.remove());
    context.setGlobalRequest(Request::Insert);
    CertificateForm form(context);
    ASSERT_TRUE(form.open());
    EXPECT_FALSE(form.readProfile());
    EXPECT_EQ(form.headingCaption(), u"[Цвет и шрифт печати формы] [ Размер: 0]");
    last.close();
}

// Delete: no window, no question, the answer at once.
TEST_F(CertificateFormTest, DeleteRemovesTheCertificateAtOnce) {
    store(1, "01.02.2024");
    store(2, "02.02.2024");
    EXPECT_EQ(run(Request::Delete), nullptr);
    ASSERT_EQ(answers, std::vector{Response::Completed});
    EXPECT_EQ(context.globalResponse(), Response::Completed);
    EXPECT_EQ(count(), 1);
    ASSERT_TRUE(forma3().fetchKey(FR3::K2, 1));
    EXPECT_TRUE(errors().messages.empty());
}

TEST_F(CertificateFormTest, DeleteThatFailsAnswersCancelled) {
    const qint64 position = store(1, "01.02.2024");
    forma3().remove();
    forma3().setPosition(position);
    EXPECT_EQ(run(Request::Delete), nullptr);
    ASSERT_EQ(answers, std::vector{Response::Cancelled});
    EXPECT_EQ(context.globalResponse(), Response::Cancelled);
    EXPECT_FALSE(errors().messages.empty());
}

}  // namespace
