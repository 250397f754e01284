#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>

#include "runtime/core/day_date.h"
#include "runtime/ui/control_builder.h"
#include "runtime/ui/field_input.h"
#include "runtime/ui/form_binding.h"
#include "runtime/ui/input_notice.h"
#include "ui_test_support.h"

namespace {

std::vector<ControlDef> formTable() {
    return {
        {.kind = ControlKind::Entry,
         .label = "?TST:NAME",
         .at = {10, 10, 100, 10},
         .use = "TST:NAME",
         .picture = "s20"},
        {.kind = ControlKind::Entry,
         .label = "?TST:NUMBER",
         .at = {10, 25, 60, 10},
         .use = "TST:NUMBER",
         .picture = "n_9b"},
        {.kind = ControlKind::Entry,
         .label = "?TST:ISSUED",
         .at = {10, 40, 60, 10},
         .use = "TST:ISSUED",
         .picture = "d6.b"},
        {.kind = ControlKind::CheckBox,
         .label = "?TST:FLAG",
         .at = {10, 55},
         .use = "TST:FLAG",
         .text = "флаг"},
        {.kind = ControlKind::DropCombo,
         .label = "?TST:STATUS",
         .at = {10, 70, 60, 10},
         .use = "TST:STATUS",
         .picture = "s9",
         .items = {"Выдано", "Испорчено", "Образец"}},
        {.kind = ControlKind::Entry,
         .label = "?TST:COUNT",
         .at = {10, 85, 30, 10},
         .use = "TST:COUNT",
         .picture = "n-4"},
        {.kind = ControlKind::SpinBox,
         .label = "?AX",
         .at = {10, 100, 30, 10},
         .use = "AX",
         .picture = "n-3",
         .minimum = -50,
         .maximum = 50},
        {.kind = ControlKind::Button, .label = "?OK", .at = {80, 100, 30, 14}, .text = "OK"},
    };
}

class FormBindingTest : public ::testing::Test {
protected:
    void SetUp() override {
        controls = buildControls(formTable(), &window);
        binding = new FormBinding(*controls, record);
        binding->bindValue(
            "?AX", [this] { return QVariant(shift); },
            [this](const QVariant& value) { shift = value.toInt(); });
        record.setText(NAME, u"Нива");
        record.setInteger(NUMBER, 1234);
        record.setInteger(ISSUED, 81649);  // 15.07.2024
        record.setInteger(FLAG, 1);
        record.setText(STATUS, u"Выдано");
        record.setInteger(COUNT, 7);
        binding->load();
    }

    QLineEdit* entry(const char* label) { return controls->control<QLineEdit>(label); }
    // Types into an entry as the user does, replacing what it held.
    void type(const char* label, const QString& text) {
        QLineEdit* line = entry(label);
        line->selectAll();
        typeText(line, text);
    }

    RecordBuffer record{testLayout()};  // outlives the window, as a context's record does
    QWidget window;
    ControlSet* controls = nullptr;
    FormBinding* binding = nullptr;
    int shift = -7;
};

TEST_F(FormBindingTest, LoadShowsTheRecordThroughThePictures) {
    EXPECT_EQ(entry("?TST:NAME")->text(), "Нива");
    EXPECT_EQ(entry("?TST:NUMBER")->text(), "1234");
    EXPECT_EQ(entry("?TST:ISSUED")->text(), "15.07.2024");
    EXPECT_TRUE(controls->control<QCheckBox>("?TST:FLAG")->isChecked());
    EXPECT_EQ(controls->control<QComboBox>("?TST:STATUS")->currentText(), "Выдано");
    EXPECT_EQ(controls->control<QSpinBox>("?AX")->value(), -7);
    EXPECT_EQ(entry("?TST:NAME")->maxLength(), 20);
    EXPECT_EQ(binding->labels(), QStringList({"?TST:NAME", "?TST:NUMBER", "?TST:ISSUED",
                                              "?TST:FLAG", "?TST:STATUS", "?TST:COUNT", "?AX"}));
    EXPECT_EQ(binding->fieldOf("?AX"), -1);
    EXPECT_EQ(binding->fieldOf("?TST:ISSUED"), ISSUED);
}

TEST_F(FormBindingTest, BlankNumberAndNoDateShowEmpty) {
    record.setInteger(NUMBER, 0);
    record.setInteger(ISSUED, 0);
    binding->load();
    EXPECT_EQ(entry("?TST:NUMBER")->text(), "");
    EXPECT_EQ(entry("?TST:ISSUED")->text(), "");
}

TEST_F(FormBindingTest, AcceptTakesEveryKindOfControlIntoTheRecord) {
    type("?TST:NAME", "Заря");
    type("?TST:NUMBER", "987");
    type("?TST:ISSUED", "01.02.2025");
    controls->control<QCheckBox>("?TST:FLAG")->setChecked(false);
    controls->control<QComboBox>("?TST:STATUS")->setCurrentIndex(1);
    controls->control<QSpinBox>("?AX")->setValue(12);
    QSignalSpy accepted(binding, &FormBinding::accepted);
    EXPECT_EQ(binding->acceptAll(), "");
    EXPECT_EQ(record.text(NAME), "Заря");
    EXPECT_EQ(record.integer(NUMBER), 987);
    EXPECT_EQ(record.integer(ISSUED), DayDate::fromDate(QDate(2025, 2, 1)));
    EXPECT_EQ(record.integer(FLAG), 0);
    EXPECT_EQ(record.text(STATUS), "Испорчено");
    EXPECT_EQ(shift, 12);
    EXPECT_EQ(accepted.count(), 7);
}

TEST_F(FormBindingTest, LeavingAnEntryTakesItsValue) {
    showActive(window);
    focusOn(entry("?TST:NAME"));
    type("?TST:NAME", "Луч");
    focusOn(entry("?TST:NUMBER"));
    EXPECT_EQ(record.text(NAME), "Луч");
}

struct RefusedCase {
    const char* name;
    const char* label;
    QString typed;
};

class RefusedInputTest : public FormBindingTest,
                         public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedInputTest, RecordKeepsItsValueAndTheEntrySaysWhy) {
    const QByteArray before = record.image();
    QLineEdit* line = entry(GetParam().label);
    line->setText(GetParam().typed);
    EXPECT_FALSE(binding->accept(GetParam().label));
    EXPECT_EQ(record.image(), before);
    EXPECT_FALSE(InputNotice::message(line).isEmpty());
    EXPECT_TRUE(InputNotice::isRefused(line));
    EXPECT_EQ(line->text(), GetParam().typed);  // the user's input stays to be corrected
    EXPECT_EQ(binding->acceptAll(), GetParam().label);
    EXPECT_FALSE(binding->pending().has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, RefusedInputTest,
    ::testing::Values(RefusedCase{"ImpossibleDate", "?TST:ISSUED", "31.02.2024"},
                      RefusedCase{"NotADate", "?TST:ISSUED", "завтра"},
                      RefusedCase{"NotANumber", "?TST:NUMBER", "12а"},
                      // The picture shows four places, the byte field holds 255 at most.
                      RefusedCase{"NumberBeyondTheField", "?TST:COUNT", "300"},
                      RefusedCase{"NegativeIntoAByte", "?TST:COUNT", "-1"}),
    [](const auto& info) { return info.param.name; });

// The correction of a refused value must not land in the next field.
TEST_F(FormBindingTest, RefusedValueKeepsTheFocusFromFieldsButNotFromButtons) {
    showActive(window);
    QLineEdit* date = entry("?TST:ISSUED");
    const auto refuseAndLeaveFor = [&](QWidget* next) {
        focusOn(date);
        date->setText("31.02.2024");
        focusOn(next);
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
    };
    refuseAndLeaveFor(entry("?TST:NAME"));
    EXPECT_EQ(QApplication::focusWidget(), date);

    // Two refused fields do not pull the focus to and fro.
    entry("?TST:COUNT")->setText("300");
    refuseAndLeaveFor(entry("?TST:COUNT"));
    EXPECT_EQ(QApplication::focusWidget(), date);

    QWidget* ok = controls->control("?OK");
    refuseAndLeaveFor(ok);
    EXPECT_EQ(QApplication::focusWidget(), ok);
}

TEST_F(FormBindingTest, NumberBeyondTheFieldNamesTheRange) {
    entry("?TST:COUNT")->setText("300");
    binding->accept("?TST:COUNT");
    EXPECT_TRUE(InputNotice::message(entry("?TST:COUNT")).contains("255"));
}

TEST_F(FormBindingTest, CorrectingRefusedInputClearsTheMark) {
    entry("?TST:ISSUED")->setText("31.02.2024");
    binding->accept("?TST:ISSUED");
    type("?TST:ISSUED", "29.02.2024");
    EXPECT_FALSE(InputNotice::isRefused(entry("?TST:ISSUED")));
    EXPECT_TRUE(binding->accept("?TST:ISSUED"));
    EXPECT_EQ(record.integer(ISSUED), DayDate::fromDate(QDate(2024, 2, 29)));
}

TEST_F(FormBindingTest, EntryRefusesACharacterTheCodePageCannotHold) {
    type("?TST:NAME", "Ок");
    typeText(entry("?TST:NAME"), QStringLiteral("✓"));
    EXPECT_EQ(entry("?TST:NAME")->text(), "Ок");
    EXPECT_TRUE(InputNotice::message(entry("?TST:NAME")).contains("✓"));
}

TEST_F(FormBindingTest, NumbersAndDatesRefuseLettersAsTheyAreTyped) {
    const struct {
        const char* label;
        const char* typed;
        const char* kept;
        const char* says;
    } cases[] = {
        {"?TST:NUMBER", "12a", "12", "только цифры"},
        {"?TST:ISSUED", "01.O", "01.", "ДД.ММ.ГГГГ"},
        {"?TST:NAME", "ab 12", "ab 12", ""},
    };
    for (const auto& c : cases) {
        entry(c.label)->clear();
        InputNotice::clear(entry(c.label));
        typeText(entry(c.label), QString::fromUtf8(c.typed));
        EXPECT_EQ(entry(c.label)->text(), QString::fromUtf8(c.kept)) << c.label;
        EXPECT_TRUE(InputNotice::message(entry(c.label)).contains(QString::fromUtf8(c.says)))
            << c.label;
    }
}

TEST_F(FormBindingTest, TypingPastTheEntrysLengthIsAnswered) {
    type("?TST:NAME", QString(20, u'ж'));
    EXPECT_TRUE(InputNotice::message(entry("?TST:NAME")).isEmpty());
    typeText(entry("?TST:NAME"), QStringLiteral("ж"));
    EXPECT_EQ(entry("?TST:NAME")->text(), QString(20, u'ж'));
    EXPECT_TRUE(InputNotice::message(entry("?TST:NAME")).contains("20"));
    EXPECT_FALSE(InputNotice::isRefused(entry("?TST:NAME")));
}

TEST_F(FormBindingTest, PastedTextWithAForeignCharacterIsRefusedWhole) {
    entry("?TST:NAME")->clear();
    entry("?TST:NAME")->insert(QStringLiteral("Ферма Ω"));
    EXPECT_EQ(entry("?TST:NAME")->text(), "");
    EXPECT_TRUE(InputNotice::message(entry("?TST:NAME")).contains("Ω"));
}

TEST(FieldInputTest, TextLongerThanTheFieldIsCutAndSaid) {
    RecordBuffer record(testLayout());
    // The picture allows 20, the field holds 10.
    const InputAnswer answer =
        FieldInput::take(record, NAME, u"Сельхозпредприятие", FieldInput::pictureOf("s20"));
    EXPECT_TRUE(answer.taken);
    EXPECT_EQ(record.text(NAME), "Сельхозпре");
    EXPECT_TRUE(answer.message.contains("10"));
}

TEST_F(FormBindingTest, TextLongerThanTheFieldShowsCutAfterLeaving) {
    entry("?TST:NAME")->setText("Сельхозпредприятие");
    EXPECT_TRUE(binding->accept("?TST:NAME"));
    EXPECT_EQ(entry("?TST:NAME")->text(), "Сельхозпре");
    EXPECT_FALSE(InputNotice::isRefused(entry("?TST:NAME")));
    EXPECT_FALSE(InputNotice::message(entry("?TST:NAME")).isEmpty());
}

TEST_F(FormBindingTest, DropListWithNothingChosenLeavesTheFieldAlone) {
    QWidget other;
    ControlSet* set = buildControls({{.kind = ControlKind::DropList,
                                      .label = "?TST:STATUS",
                                      .use = "TST:STATUS",
                                      .items = {"Выдано", "Образец"}}},
                                    &other);
    record.setText(STATUS, u"Архив");
    FormBinding list(*set, record);
    list.load();
    EXPECT_EQ(set->control<QComboBox>("?TST:STATUS")->currentIndex(), -1);
    EXPECT_EQ(list.acceptAll(), "");
    EXPECT_EQ(record.text(STATUS), "Архив");
}

TEST_F(FormBindingTest, PendingRecordHoldsTheControlsWithoutTouchingTheRecord) {
    EXPECT_EQ(binding->pending()->image(), record.image());
    type("?TST:NAME", "Заря");
    const auto pending = binding->pending();
    ASSERT_TRUE(pending.has_value());
    EXPECT_EQ(pending->text(NAME), "Заря");
    EXPECT_EQ(record.text(NAME), "Нива");
}

// A position in tenths, in a decimal spin box as the print layout editor has.
class DecimalSpinTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto* box = new QDoubleSpinBox(&window);
        box->setLocale(QLocale::c());
        box->setRange(-1000, 1000);
        controls->add({.kind = ControlKind::SpinBox, .label = "?POS:SHIFT", .use = "POS:SHIFT"},
                      box);
        record.setNumber(0, 24.5);
        binding = new FormBinding(*controls, record);
        binding->load();
    }
    QDoubleSpinBox* box() { return controls->control<QDoubleSpinBox>("?POS:SHIFT"); }

    const RecordLayout layout{
        QStringLiteral("POS"), QStringLiteral("POS"), {{"SHIFT", FieldType::Decimal, 4, 1}}};
    RecordBuffer record{layout};
    QWidget window;
    ControlSet* controls = new ControlSet(&window, DialogUnits(6.0, 16.0));
    FormBinding* binding = nullptr;
};

TEST_F(DecimalSpinTest, ShowsTheFieldWithItsPlaces) {
    EXPECT_EQ(box()->decimals(), 1);
    EXPECT_DOUBLE_EQ(box()->value(), 24.5);
    EXPECT_EQ(box()->text(), "24.5");
}

TEST_F(DecimalSpinTest, EveryChangeIsInTheRecordAtOnce) {
    QSignalSpy accepted(binding, &FormBinding::accepted);
    box()->setValue(61.2);
    EXPECT_DOUBLE_EQ(record.number(0), 61.2);
    box()->stepBy(-1);
    EXPECT_DOUBLE_EQ(record.number(0), 60.2);
    EXPECT_EQ(accepted.count(), 2);
}

TEST_F(DecimalSpinTest, TypingIsNotRewrittenOnTheWay) {
    showActive(window);
    focusOn(box());
    box()->selectAll();
    QTest::keyClicks(box(), "-3.7");
    EXPECT_EQ(box()->text(), "-3.7");
    EXPECT_DOUBLE_EQ(record.number(0), -3.7);
}

TEST_F(DecimalSpinTest, AStoredValueBeyondTheRangeIsKeptUntilTheBoxIsChanged) {
    record.setNumber(0, 5000);
    binding->load();
    EXPECT_DOUBLE_EQ(box()->value(), 1000);
    EXPECT_EQ(binding->acceptAll(), "");
    EXPECT_DOUBLE_EQ(record.number(0), 5000);
    EXPECT_EQ(binding->pending()->image(), record.image());
    box()->stepBy(-1);
    EXPECT_DOUBLE_EQ(record.number(0), 999);
}

// A key that would take the box past its range is dropped, and a number
// outside it is put back on leaving: both say what the box takes.
TEST_F(DecimalSpinTest, TypingOutsideTheRangeIsAnswered) {
    box()->setRange(5, 100);
    binding->load();
    new QLineEdit(&window);  // where Tab goes
    showActive(window);
    const struct {
        const char* typed;
        int leaveWith;  // Qt::Key_Tab leaves, Qt::Key_Return takes it
        double kept;
    } cases[] = {
        {"150", Qt::Key_Return, 15}, {"3", Qt::Key_Return, 24.5}, {"2", Qt::Key_Tab, 24.5}};
    for (const auto& c : cases) {
        InputNotice::clear(box());
        focusOn(box());
        box()->selectAll();
        QTest::keyClicks(box(), c.typed);
        QTest::keyClick(box(), Qt::Key(c.leaveWith));
        EXPECT_EQ(InputNotice::message(box()), "Допустимы значения от 5.0 до 100.0") << c.typed;
        EXPECT_DOUBLE_EQ(box()->value(), c.kept) << c.typed;
        box()->setValue(24.5);
    }
    InputNotice::clear(box());
    focusOn(box());
    box()->selectAll();
    QTest::keyClicks(box(), "42");
    QTest::keyClick(box(), Qt::Key_Return);
    EXPECT_EQ(InputNotice::message(box()), "");
}

TEST_F(DecimalSpinTest, RecallShowsTheOtherRecordsValueAndSaysSo) {
    RecordBuffer saved(layout);
    saved.setNumber(0, 7.3);
    QSignalSpy recalled(binding, &FormBinding::recalled);
    EXPECT_TRUE(binding->recall("?POS:SHIFT", saved));
    EXPECT_DOUBLE_EQ(box()->value(), 7.3);
    EXPECT_DOUBLE_EQ(record.number(0), 7.3);
    EXPECT_EQ(recalled.count(), 1);
}

}  // namespace
