#include <gtest/gtest.h>

#include <QFont>

#include "print/font_choice.h"
#include "print/profile_form.h"
#include "print/update_nastr_layout.h"
#include "print_fixture.h"
#include "runtime/storage/storage_hooks.h"

namespace {

class ProfileFormTest : public PrintFixture {
protected:
    void SetUp() override {
        PrintFixture::SetUp();
        auto recording = std::make_unique<RecordingErrorManager>();
        formErrors = recording.get();
        context = std::make_unique<WindowContext>(QStringLiteral("BrowseNastr"), vetdocsSchema(),
                                                  std::move(recording));
        form = std::make_unique<ProfileForm>(*context);
        ASSERT_TRUE(form->isOpen());
    }
    void TearDown() override {
        form.reset();
        context.reset();
        for (Shared<qint32>* value : {&FONTSIZE, &FONTCOLOR, &FONTSTYLE, &CHARSET})
            value->set(0);
        TYPEFACE.set({});
        PrintFixture::TearDown();
    }

    void addProfile(int number) {
        profiles().prime();
        profiles().record().setInteger(LAS::NFORM, number);
        profiles().record().setText(LAS::NAME, QStringLiteral("Принтер %1").arg(number));
        ASSERT_TRUE(profiles().insert());
    }

    // The profile of that key value as stored.
    RecordBuffer stored(int number) {
        EXPECT_TRUE(profiles().fetchKey(LAS::K1, number));
        return profiles().record();
    }

    RecordingErrorManager* formErrors = nullptr;
    std::unique_ptr<WindowContext> context;
    std::unique_ptr<ProfileForm> form;
};

TEST_F(ProfileFormTest, AlwaysEditsTheActiveProfileWhicheverRowWasHighlighted) {
    removeEveryProfile();
    addProfile(5);
    addProfile(2);
    // The list left the second row, profile 5, in the buffer.
    form->record() = stored(5);
    ASSERT_TRUE(form->readActive());
    EXPECT_EQ(form->record().integer(LAS::NFORM), 2);

    form->record().setNumber(LAS::AXS3, 42.7);
    ASSERT_TRUE(form->save());
    EXPECT_DOUBLE_EQ(stored(2).number(LAS::AXS3), 42.7);
    EXPECT_NE(stored(5).number(LAS::AXS3), 42.7);
}

TEST_F(ProfileFormTest, WithoutProfilesThereIsNothingToEdit) {
    removeEveryProfile();
    EXPECT_FALSE(form->readActive());
    EXPECT_TRUE(form->record().isBlank(LAS::NFORM));
    EXPECT_EQ(form->fontCaption(), QStringLiteral("Шрифт: [ Размер: 0]"));
}

TEST_F(ProfileFormTest, CaptionNamesTypefaceWithoutTrailingBlanksAndSize) {
    ASSERT_TRUE(form->readActive());
    form->record().setText(LAS::TYPEFACE, u"Arial Cyr   ");
    form->record().setInteger(LAS::FONTSIZE, 10);
    EXPECT_EQ(form->fontCaption(), QStringLiteral("Шрифт: [Arial Cyr Размер: 10]"));
}

struct CyrCase {
    const char* chosen;
    const char* stored;
};

class CyrRule : public ::testing::TestWithParam<CyrCase> {};

TEST_P(CyrRule, MarksTheStoredNameAsCyrillicOnce) {
    EXPECT_EQ(FontChoice::withCyr(QString::fromUtf8(GetParam().chosen)),
              QString::fromUtf8(GetParam().stored));
}

INSTANTIATE_TEST_SUITE_P(
    Names, CyrRule,
    ::testing::Values(CyrCase{"Arial", "Arial Cyr"},
                      CyrCase{"Times New Roman", "Times New Roman Cyr"},
                      CyrCase{"Arial Cyr", "Arial Cyr"}, CyrCase{"PTSansCyr", "PTSansCyr"},
                      // Letter case counts: these do not end in "Cyr".
                      CyrCase{"Arial CYR", "Arial CYR Cyr"}, CyrCase{"Arial cyr", "Arial cyr Cyr"},
                      CyrCase{"Courier New  ", "Courier New Cyr"},
                      // Cut to the 31 characters the field holds.
                      CyrCase{"Abcdefghij Klmnopqrst Uvwxyz12", "Abcdefghij Klmnopqrst Uvwxyz12 "},
                      CyrCase{"Abcdefghij Klmnopqrst Uvwxyz1", "Abcdefghij Klmnopqrst Uvwxyz1 C"},
                      CyrCase{"Abcdefghij Klmnopqrst Uvwxyz1234 Cyr",
                              "Abcdefghij Klmnopqrst Uvwxyz123"}));

TEST_F(ProfileFormTest, ChosenFontIsStoredWithCyrAndKeptForTheRun) {
    ASSERT_TRUE(form->readActive());
    form->record().setInteger(LAS::FONTCOLOR, 128);  // the chooser has no colour
    QFont chosen(QStringLiteral("Times New Roman"));
    chosen.setPointSize(11);
    chosen.setBold(true);
    chosen.setItalic(true);
    EXPECT_TRUE(form->takeFont(chosen).isEmpty());

    const RecordBuffer& p = form->record();
    EXPECT_EQ(p.text(LAS::TYPEFACE), QStringLiteral("Times New Roman Cyr"));
    EXPECT_EQ(p.integer(LAS::FONTSIZE), 11);
    EXPECT_EQ(p.integer(LAS::FONTSTYLE), 700 + 0x1000);
    EXPECT_EQ(p.integer(LAS::FONTCOLOR), 128);
    EXPECT_EQ(p.integer(LAS::CHARSET), 204);
    EXPECT_EQ(form->fontCaption(), QStringLiteral("Шрифт: [Times New Roman Cyr Размер: 11]"));
    EXPECT_EQ(TYPEFACE.get(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(FONTSIZE.get(), 11);
    EXPECT_EQ(FONTSTYLE.get(), 700 + 0x1000);
    EXPECT_EQ(FONTCOLOR.get(), 128);
    EXPECT_EQ(CHARSET.get(), 204);
}

TEST_F(ProfileFormTest, CancelledChooserLeavesTheProfilesFont) {
    ASSERT_TRUE(form->readActive());
    form->takeFont(QFont(QStringLiteral("Courier New"), 9));  // an earlier choice of the run
    form->record().setText(LAS::TYPEFACE, u"Arial Cyr");
    form->record().setInteger(LAS::FONTSIZE, 10);
    const QByteArray before = form->record().image();
    EXPECT_TRUE(form->takeFont(std::nullopt).isEmpty());
    EXPECT_EQ(form->record().image(), before);
}

TEST_F(ProfileFormTest, ChooserOpensOnTheProfilesFont) {
    ASSERT_TRUE(form->readActive());
    form->record().setText(LAS::TYPEFACE, u"Times New Roman Cyr");
    form->record().setInteger(LAS::FONTSIZE, 14);
    form->record().setInteger(LAS::FONTSTYLE, 700);
    const QFont opened = form->chooserFont();
    EXPECT_EQ(opened.family(), installedFamily(QStringLiteral("Times New Roman")));
    EXPECT_EQ(opened.pointSize(), 14);
    EXPECT_TRUE(opened.bold());
}

TEST_F(ProfileFormTest, FontNameOutsideTheCodePageIsRefusedAndTheFontKept) {
    ASSERT_TRUE(form->readActive());
    const QByteArray before = form->record().image();
    const QString refusal = form->takeFont(QFont(QStringLiteral("明朝"), 12));
    EXPECT_TRUE(refusal.contains(QStringLiteral("cp1251")));
    EXPECT_EQ(form->record().image(), before);
}

TEST_F(ProfileFormTest, SavingKeepsTheProfileForTheHistoryKeyOfThisListOnly) {
    const auto history = [](WindowContext& list) -> const RecordBuffer& {
        return list.history().last(ProfileForm::kProcedure, LAS::layout());
    };
    ASSERT_TRUE(form->readActive());
    const double opened = form->record().number(LAS::AXS3);
    form->record().setNumber(LAS::AXS3, 31.4);
    EXPECT_DOUBLE_EQ(history(*context).number(LAS::AXS3), 0);  // nothing saved yet

    form->record().setText(LAS::NAME, u"Кабинет 5");
    ASSERT_TRUE(form->save());
    form->record().setNumber(LAS::AXS3, opened);
    form->record().setText(LAS::NAME, u"Другое");
    EXPECT_DOUBLE_EQ(history(*context).number(LAS::AXS3), 31.4);
    EXPECT_EQ(history(*context).text(LAS::NAME), QStringLiteral("Кабинет 5"));

    // Another list window keeps its own history.
    WindowContext other(QStringLiteral("BrowseNastr"), vetdocsSchema(),
                        std::make_unique<RecordingErrorManager>());
    EXPECT_DOUBLE_EQ(history(other).number(LAS::AXS3), 0);
}

TEST_F(ProfileFormTest, ARefusedWriteIsReportedAndTheInputKept) {
    form.reset();
    context.reset();
    StorageHooks::setDenyWrite([](const QString& path) { return path.endsWith("LAST.DAT"); });
    auto recording = std::make_unique<RecordingErrorManager>();
    RecordingErrorManager* messages = recording.get();
    WindowContext readOnly(QStringLiteral("BrowseNastr"), vetdocsSchema(), std::move(recording));
    ProfileForm refused(readOnly);
    StorageHooks::setDenyWrite({});
    ASSERT_TRUE(refused.readActive());
    messages->messages.clear();  // the notice of opening read-only

    refused.record().setNumber(LAS::AXS3, 77.7);
    EXPECT_FALSE(refused.save());
    EXPECT_FALSE(messages->messages.empty());
    EXPECT_DOUBLE_EQ(refused.record().number(LAS::AXS3), 77.7);
    EXPECT_NE(stored(1).number(LAS::AXS3), 77.7);
}

const ControlDef& boxOf(const char* field) {
    for (const ControlDef& def : UpdateNastrLayout::positions())
        if (def.use == QLatin1String(field)) return def;
    throw std::logic_error(field);
}

TEST(ProfileFormRange, HeaderLinesKeepToTheirBandOthersTakeWhatTheFieldHolds) {
    const ProfileForm::Range header = ProfileForm::boxRange(boxOf("LAS:AXZ1"));
    EXPECT_DOUBLE_EQ(header.minimum, 5);
    EXPECT_DOUBLE_EQ(header.maximum, 100);
    // DECIMAL(4 bytes, 1 place): seven digits, one of them after the point.
    const ProfileForm::Range free = ProfileForm::boxRange(boxOf("LAS:AXS3"));
    EXPECT_DOUBLE_EQ(free.minimum, -999999.9);
    EXPECT_DOUBLE_EQ(free.maximum, 999999.9);
    EXPECT_DOUBLE_EQ(ProfileForm::kStep, 0.1);
}

}  // namespace
