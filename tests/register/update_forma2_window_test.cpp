#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "certificate_fixture.h"
#include "data/last.h"
#include "data/shared_values.h"
#include "register/certificate_clipboard.h"
#include "register/character_counter.h"
#include "register/update_forma2_layout.h"
#include "runtime/ui/control_style.h"
#include "runtime/ui/focus_highlight.h"
#include "runtime/ui/help.h"
#include "runtime/ui/input_notice.h"
#include "runtime/ui/settings_file.h"
#include "runtime/ui/ui_test_support.h"
#include "runtime/ui/window_host.h"

namespace {

class UpdateForma2WindowTest : public CertificateFixture {
protected:
    UpdateForma2Window* open(Request request) {
        form = run(request);
        EXPECT_NE(form, nullptr);
        if (form) showActive(*form);
        return form;
    }

    QWidget* control(const QString& label) { return form->controls().control(label); }
    QLineEdit* entry(const QString& label) { return form->controls().control<QLineEdit>(label); }
    QString shown(const QString& label) { return entry(label)->text(); }
    void press(const QString& label) { form->controls().control<QPushButton>(label)->click(); }

    // Types into the entry as the user does: focus, keys, then on to the next.
    void type(const QString& label, const QString& text) {
        focusOn(entry(label));
        entry(label)->selectAll();
        typeText(entry(label), text);
        QTest::keyClick(entry(label), Qt::Key_Tab);
    }
    QString focusedLabel() {
        const ControlDef* def =
            form->controls().defOf(ControlStyle::owningControl(QApplication::focusWidget()));
        return def ? def->label : QString();
    }
    QString currentSide() { return form->controls().currentTab(QStringLiteral("?SHEET1")); }

    UpdateForma2Window* form = nullptr;
};

TEST_F(UpdateForma2WindowTest, ANewFormOpensOnTheNumberWithTheExtraLinesHidden) {
    ASSERT_TRUE(open(Request::Insert));
    EXPECT_EQ(form->windowTitle(), u"Форма 2");
    EXPECT_EQ(focusedLabel(), u"?FR3:NFORM");
    EXPECT_EQ(WindowHost::instance().statusText(StatusZone::Action), u"Добавить запись");
    EXPECT_EQ(currentSide(), u"?TAB1");
    for (const QString& label : UpdateForma2Layout::additionalLines())
        EXPECT_FALSE(control(label)->isVisible()) << label.toStdString();
    EXPECT_TRUE(control(QStringLiteral("?FR3:S2"))->isVisible());
    EXPECT_EQ(form->controls().control<QComboBox>(QStringLiteral("?FR3:COMMENT"))->currentText(),
              u"Выдано");
}

TEST_F(UpdateForma2WindowTest, TheFocusedFieldIsMarkedAndRequiredOnesInRed) {
    ASSERT_TRUE(open(Request::Insert));
    QWidget* number = control(QStringLiteral("?FR3:NFORM"));
    EXPECT_EQ(ControlStyle::fill(number), FocusHighlight::kRequiredFill);
    EXPECT_TRUE(number->font().bold());
    focusOn(entry(QStringLiteral("?FR3:S2")));
    EXPECT_EQ(ControlStyle::fill(control(QStringLiteral("?FR3:S2"))), FocusHighlight::kFill);
    EXPECT_FALSE(number->font().bold());
    EXPECT_EQ(ControlStyle::fill(number).rgb(), QColor(200, 255, 200).rgb());
    EXPECT_EQ(WindowHost::instance().statusText(StatusZone::Hint), u"Наименование юл");
}

TEST_F(UpdateForma2WindowTest, HeadingLinesShowThePrintFont) {
    ASSERT_TRUE(open(Request::Insert));
    EXPECT_EQ(form->controls().control<QGroupBox>(QStringLiteral("?GROUP3"))->title(),
              u"[Цвет и шрифт печати формы] [Arial Cyr Размер: 10]");
    // The standard profile prints Arial 10 regular; the table draws them bold.
    for (const char* label : {"?FR3:Z1", "?FR3:Z4"}) {
        EXPECT_FALSE(control(QString::fromLatin1(label))->font().bold()) << label;
        EXPECT_EQ(control(QString::fromLatin1(label))->font().pointSize(), 10) << label;
    }
}

TEST_F(UpdateForma2WindowTest, WithoutAPrintProfileTheFormStillWorks) {
    TableAccess& last = context.tables().access(u"LAST");
    ASSERT_TRUE(last.open());
    ASSERT_TRUE(last.fetchKey(LAS::K1, 1));
    ASSERT_TRUE(last.remove());
    last.close();
    ASSERT_TRUE(open(Request::Insert));
    EXPECT_EQ(form->controls().control<QGroupBox>(QStringLiteral("?GROUP3"))->title(),
              u"[Цвет и шрифт печати формы] [ Размер: 0]");
    // The heading lines keep their own screen font.
    EXPECT_TRUE(control(QStringLiteral("?FR3:Z1"))->font().bold());
    EXPECT_EQ(control(QStringLiteral("?FR3:Z1"))->font().pointSize(), 10);
    type(QStringLiteral("?FR3:NFORM"), QStringLiteral("5"));
    type(QStringLiteral("?FR3:DATAV"), QStringLiteral("15.07.2024"));
    press(QStringLiteral("?OK"));
    EXPECT_EQ(answers, std::vector{Response::Completed});
    EXPECT_EQ(count(), 1);
}

TEST_F(UpdateForma2WindowTest, ACheckedCertificateOpensWithItsExtraLines) {
    store(7, "01.02.2024", "Получатель");
    record().setInteger(FR3::CHEK, 1);
    record().setText(FR3::S31, u"вторая строка продукции");
    ASSERT_TRUE(open(Request::Change));
    EXPECT_EQ(WindowHost::instance().statusText(StatusZone::Action), u"Изменить запись");
    EXPECT_EQ(shown("?FR3:NFORM"), u"7");
    EXPECT_TRUE(control(QStringLiteral("?FR3:S31"))->isVisible());
    EXPECT_EQ(shown("?FR3:S31"), u"вторая строка продукции");
}

TEST_F(UpdateForma2WindowTest, TheCheckBoxShowsAndHidesTheExtraLinesKeepingTheirText) {
    ASSERT_TRUE(open(Request::Insert));
    auto* check = form->controls().control<QCheckBox>(QStringLiteral("?FR3:CHEK"));
    check->click();
    EXPECT_EQ(record().integer(FR3::CHEK), 1);
    for (const QString& label : UpdateForma2Layout::additionalLines())
        EXPECT_TRUE(control(label)->isVisible()) << label.toStdString();
    type(QStringLiteral("?FR3:S191"), QStringLiteral("клеймо №5"));
    check->click();
    EXPECT_FALSE(control(QStringLiteral("?FR3:S191"))->isVisible());
    EXPECT_EQ(record().text(FR3::S191), u"клеймо №5");
}

// A caption the blank prints where a shown line's box lies gives way to the
// values typed there, and comes back when the line is hidden.
TEST_F(UpdateForma2WindowTest, CaptionsGiveWayToTheBoxesCoveringThem) {
    ASSERT_TRUE(open(Request::Insert));
    const QString productNote = QStringLiteral("?STRING26");   // under the hidden ?FR3:S31
    const QString quantityNote = QStringLiteral("?STRING27");  // inside ?FR3:S5
    EXPECT_TRUE(control(productNote)->isVisible());
    EXPECT_FALSE(control(quantityNote)->isVisible());
    EXPECT_TRUE(control(QStringLiteral("?STRING24:2"))->isVisible());
    form->controls().control<QCheckBox>(QStringLiteral("?FR3:CHEK"))->click();
    EXPECT_FALSE(control(productNote)->isVisible());
    form->controls().control<QCheckBox>(QStringLiteral("?FR3:CHEK"))->click();
    EXPECT_TRUE(control(productNote)->isVisible());
}

// A click where a caption lies over a box still reaches the box.
TEST_F(UpdateForma2WindowTest, CaptionsLetClicksThroughToTheirBoxes) {
    ASSERT_TRUE(open(Request::Insert));
    QWidget* note = control(QStringLiteral("?STRING24:2"));
    QWidget* line = control(QStringLiteral("?FR3:Z2"));
    const QRect both = note->geometry().intersected(line->geometry());
    ASSERT_FALSE(both.isEmpty());
    EXPECT_EQ(line->parentWidget()->childAt(both.center()), line);
}

TEST_F(UpdateForma2WindowTest, TheIssueDateFillsTheDateBlock) {
    ASSERT_TRUE(open(Request::Insert));
    type(QStringLiteral("?FR3:DATAV"), QStringLiteral("15.07.2024"));
    EXPECT_EQ(shown("?FR3:DAY"), u"15");
    EXPECT_EQ(shown("?FR3:MES"), u"июля");
    EXPECT_EQ(shown("?FR3:GOD"), u"24");
    EXPECT_EQ(record().integer(FR3::DATAV), 81649);
}

TEST_F(UpdateForma2WindowTest, AnEmptyDateEntryClearsDayAndYearAndKeepsTheMonth) {
    store(7, "15.07.2024");
    record().setInteger(FR3::DATAV, 0);
    record().setInteger(FR3::DAY, 15);
    record().setText(FR3::MES, u"июля");
    record().setInteger(FR3::GOD, 24);
    ASSERT_TRUE(open(Request::Change));
    EXPECT_EQ(shown("?FR3:DAY"), u"15");  // as stored until the date entry has an event
    focusOn(entry(QStringLiteral("?FR3:DATAV")));
    EXPECT_EQ(shown("?FR3:DAY"), u"");
    EXPECT_EQ(shown("?FR3:GOD"), u"");
    EXPECT_EQ(shown("?FR3:MES"), u"июля");
}

TEST_F(UpdateForma2WindowTest, InputTheRecordCannotHoldIsAnsweredAtTheEntry) {
    ASSERT_TRUE(open(Request::Insert));
    type(QStringLiteral("?FR3:DATAV"), QStringLiteral("31.02.2024"));
    EXPECT_TRUE(InputNotice::isRefused(control(QStringLiteral("?FR3:DATAV"))));
    EXPECT_EQ(record().integer(FR3::DATAV), 0);

    // The production date takes 44 characters on screen, 36 are stored.
    type(QStringLiteral("?FR3:DATAVUR"), QString(40, u'Д'));
    EXPECT_EQ(record().text(FR3::DATAVUR), QString(36, u'Д'));
    EXPECT_FALSE(InputNotice::message(control(QStringLiteral("?FR3:DATAVUR"))).isEmpty());

    // A number longer than the picture is answered, not cut unseen.
    focusOn(entry(QStringLiteral("?FR3:NFORM")));
    typeText(entry(QStringLiteral("?FR3:NFORM")), QStringLiteral("1234567890"));
    EXPECT_EQ(shown("?FR3:NFORM"), u"123456789");
    EXPECT_TRUE(InputNotice::message(control(QStringLiteral("?FR3:NFORM"))).contains(u"9"));

    // A character the stored code page lacks never reaches the record.
    type(QStringLiteral("?FR3:S3"), QStringLiteral("мясо ☃"));
    EXPECT_EQ(record().text(FR3::S3), u"мясо");
}

TEST_F(UpdateForma2WindowTest, CountersFollowTheKeysInACountedLine) {
    ASSERT_TRUE(open(Request::Insert));
    focusOn(entry(QStringLiteral("?FR3:S1")));
    EXPECT_EQ(KOL_SIM.get(), 20);
    typeText(entry(QStringLiteral("?FR3:S1")), QStringLiteral("ООО"));
    EXPECT_EQ(shown("?VS_SIM"), u"20");
    EXPECT_EQ(shown("?KOL_SIM"), u"17");
    QTest::keyClick(entry(QStringLiteral("?FR3:S1")), Qt::Key_Backspace);
    EXPECT_EQ(shown("?KOL_SIM"), u"18");
    focusOn(entry(QStringLiteral("?FR3:S18")));
    EXPECT_EQ(shown("?KOL_SIM"), u"91");
    EXPECT_EQ(shown("?VS_SIM"), u"20");  // until a key is typed in the new line
    focusOn(entry(QStringLiteral("?FR3:S1")));
    EXPECT_EQ(shown("?KOL_SIM"), u"18");
}

TEST_F(UpdateForma2WindowTest, TheRecipientFillsABlankDescription) {
    ASSERT_TRUE(open(Request::Insert));
    type(QStringLiteral("?FR3:S2"), QStringLiteral("ООО «Мясокомбинат Сибирский» г. Омск"));
    EXPECT_EQ(shown("?FR3:OPIS"), u"ООО «Мясокомбинат Сибирск");
    type(QStringLiteral("?FR3:S2"), QStringLiteral("Другой получатель"));
    EXPECT_EQ(shown("?FR3:OPIS"), u"ООО «Мясокомбинат Сибирск");
}

TEST_F(UpdateForma2WindowTest, SavingWithoutNumberOrDateMovesThereAndSavesNothing) {
    ASSERT_TRUE(open(Request::Insert));
    type(QStringLiteral("?FR3:S2"), QStringLiteral("Получатель"));
    press(QStringLiteral("?OK"));
    EXPECT_EQ(focusedLabel(), u"?FR3:NFORM");
    type(QStringLiteral("?FR3:NFORM"), QStringLiteral("1001"));
    press(QStringLiteral("?OK"));
    EXPECT_EQ(focusedLabel(), u"?FR3:DATAV");
    EXPECT_EQ(count(), 0);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(answers.empty());
    EXPECT_EQ(shown("?FR3:S2"), u"Получатель");
}

TEST_F(UpdateForma2WindowTest, SavingAddsTheCertificateClosesAndFillsTheClipboard) {
    ASSERT_TRUE(open(Request::Insert));
    type(QStringLiteral("?FR3:NFORM"), QStringLiteral("1001"));
    type(QStringLiteral("?FR3:DATAV"), QStringLiteral("15.07.2024"));
    type(QStringLiteral("?FR3:S2"), QStringLiteral("ООО «Ромашка»"));
    press(QStringLiteral("?OK"));
    ASSERT_EQ(answers, std::vector{Response::Completed});
    EXPECT_EQ(count(), 1);
    const RecordBuffer saved = stored(forma3().position());
    EXPECT_EQ(saved.integer(FR3::NFORM), 1001);
    EXPECT_EQ(saved.text(FR3::MES), u"июля");
    EXPECT_EQ(saved.text(FR3::OPIS), u"ООО «Ромашка»");
    EXPECT_EQ(certificateClipboard.get().buffer(FR3::S2).trimmed(), u"ООО «Ромашка»");
    EXPECT_EQ(context.errors().procedure(), u"BrowseFormf2");
}

TEST_F(UpdateForma2WindowTest, CancelAfterAChangeSavesNothingButFillsTheClipboard) {
    const qint64 position = store(7, "01.02.2024", "Прежний");
    const RecordBuffer handed = record();
    ASSERT_TRUE(open(Request::Change));
    type(QStringLiteral("?FR3:S3"), QStringLiteral("Свинина"));
    press(QStringLiteral("?CANCEL"));
    ASSERT_EQ(answers, std::vector{Response::Cancelled});
    EXPECT_EQ(stored(position), handed);
    EXPECT_EQ(record(), handed);
    EXPECT_EQ(certificateClipboard.get().buffer(FR3::S3).trimmed(), u"Свинина");
}

TEST_F(UpdateForma2WindowTest, ATableErrorKeepsTheFormOpenWithTheInput) {
    const qint64 position = store(7, "01.02.2024", "Прежний");
    ASSERT_TRUE(open(Request::Change));
    removeElsewhere(position);
    type(QStringLiteral("?FR3:S2"), QStringLiteral("Новый получатель"));
    press(QStringLiteral("?OK"));
    EXPECT_FALSE(errors().messages.empty());
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(answers.empty());
    EXPECT_EQ(shown("?FR3:S2"), u"Новый получатель");
}

TEST_F(UpdateForma2WindowTest, ThePlacementIsKeptUnderItsName) {
    ASSERT_TRUE(open(Request::Insert));
    form->resize(700, 500);
    press(QStringLiteral("?CANCEL"));
    EXPECT_EQ(SettingsFile::instance()
                  .value(QStringLiteral("Updateforma2"), QStringLiteral("Width"))
                  .toInt(),
              700);
}

TEST_F(UpdateForma2WindowTest, PasteFillsANewCertificateAndClearsItsDate) {
    RecordBuffer earlier(FR3::layout());
    earlier.setText(FR3::S2, u"ООО «Ромашка»");
    earlier.setText(FR3::S16, u"ветлаборатория №3");
    certificateClipboard.set(CertificateClipboard::copyOf(earlier));
    ASSERT_TRUE(open(Request::Insert));
    type(QStringLiteral("?FR3:NFORM"), QStringLiteral("1002"));
    type(QStringLiteral("?FR3:DATAV"), QStringLiteral("16.07.2024"));
    press(QStringLiteral("?BUTTON8"));
    EXPECT_EQ(shown("?FR3:S2"), u"ООО «Ромашка»");
    EXPECT_EQ(shown("?FR3:S16"), u"ветлаборатория №3");
    EXPECT_EQ(shown("?FR3:DATAV"), u"");
    EXPECT_EQ(shown("?FR3:NFORM"), u"1002");
    EXPECT_EQ(shown("?FR3:DAY"), u"16");
}

TEST_F(UpdateForma2WindowTest, CtrlHBringsBackTheLastSavedValue) {
    ASSERT_TRUE(open(Request::Insert));
    type(QStringLiteral("?FR3:NFORM"), QStringLiteral("1001"));
    type(QStringLiteral("?FR3:DATAV"), QStringLiteral("15.07.2024"));
    type(QStringLiteral("?FR3:S17"), QStringLiteral("Местность благополучна"));
    press(QStringLiteral("?OK"));
    ASSERT_TRUE(open(Request::Insert));
    focusOn(entry(QStringLiteral("?FR3:S17")));
    QTest::keyClick(entry(QStringLiteral("?FR3:S17")), Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(shown("?FR3:S17"), u"Местность благополучна");
    EXPECT_EQ(record().text(FR3::S17), u"Местность благополучна");
    EXPECT_EQ(shown("?FR3:S2"), u"");
}

TEST_F(UpdateForma2WindowTest, TabWalksTheBlanksOrderAcrossBothSides) {
    ASSERT_TRUE(open(Request::Insert));
    focusOn(entry(QStringLiteral("?FR3:S3")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(focusedLabel(), u"?FR3:S4");  // the extra line between is hidden
    focusOn(entry(QStringLiteral("?FR3:S17")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(focusedLabel(), u"?FR3:S19");
    focusOn(entry(QStringLiteral("?FR3:P4")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(focusedLabel(), u"?FR3:S20");
    EXPECT_EQ(currentSide(), u"?TAB2");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focusedLabel(), u"?FR3:P4");
    EXPECT_EQ(currentSide(), u"?TAB1");
}

TEST_F(UpdateForma2WindowTest, ChoosingASideByItsTabFocusesItsFirstLine) {
    ASSERT_TRUE(open(Request::Insert));
    type(QStringLiteral("?FR3:S2"), QStringLiteral("Получатель"));
    auto* sheet = form->controls().control<QTabWidget>(QStringLiteral("?SHEET1"));
    emit sheet->tabBar()->tabBarClicked(1);
    sheet->setCurrentIndex(1);
    EXPECT_EQ(focusedLabel(), u"?FR3:S20");
    emit sheet->tabBar()->tabBarClicked(0);
    sheet->setCurrentIndex(0);
    EXPECT_EQ(focusedLabel(), u"?FR3:NFORM");
    EXPECT_EQ(record().text(FR3::S2), u"Получатель");
}

TEST_F(UpdateForma2WindowTest, TheWholeFormShiftOutlivesTheForm) {
    ASSERT_TRUE(open(Request::Insert));
    form->controls().control<QSpinBox>(QStringLiteral("?AX"))->setValue(-7);
    form->controls().control<QSpinBox>(QStringLiteral("?AY"))->setValue(12);
    press(QStringLiteral("?CANCEL"));
    EXPECT_EQ(AX.get(), -7);
    EXPECT_EQ(AY.get(), 12);
    ASSERT_TRUE(open(Request::Insert));
    EXPECT_EQ(form->controls().control<QSpinBox>(QStringLiteral("?AX"))->value(), -7);
    EXPECT_EQ(form->controls().control<QSpinBox>(QStringLiteral("?AX"))->maximum(), 50);
    AX.set(0);
    AY.set(0);
}

TEST_F(UpdateForma2WindowTest, HelpOpensTheFillingRules) {
    ASSERT_TRUE(open(Request::Insert));
    Help::setCurrentTopic({});
    focusOn(entry(QStringLiteral("?FR3:S2")));
    EXPECT_TRUE(WindowHost::instance().dispatch(ToolbarAction::Help));
    EXPECT_EQ(Help::currentTopic(), u"Форма №2.htm");
    Help::setCurrentTopic({});
    press(QStringLiteral("?BUTTON7"));
    EXPECT_EQ(Help::currentTopic(), u"Форма №2.htm");
}

TEST_F(UpdateForma2WindowTest, ASmallWindowScrollsToTheFocusedLine) {
    ASSERT_TRUE(open(Request::Insert));
    form->resize(500, 300);
    QApplication::processEvents();
    QWidget* signature = control(QStringLiteral("?FR3:P4"));
    focusOn(signature);
    QWidget* viewport = form->scrollArea().viewport();
    const QPoint where = signature->mapTo(viewport, QPoint(0, 0));
    // The line is wider than the window: its start and its whole height show.
    EXPECT_GE(where.x(), 0);
    EXPECT_LT(where.x(), viewport->width());
    EXPECT_GE(where.y(), 0);
    EXPECT_LE(where.y() + signature->height(), viewport->height());
}

TEST_F(UpdateForma2WindowTest, InAFrameTooSmallForItTheBlankScrolls) {
    QMdiArea frame;
    frame.resize(700, 450);
    showActive(frame);
    WindowHost::instance().setMdiArea(&frame);
    // A size saved on a larger screen.
    SettingsFile::instance().setValue(QStringLiteral("Updateforma2"), QStringLiteral("Width"),
                                      1200);
    SettingsFile::instance().setValue(QStringLiteral("Updateforma2"), QStringLiteral("Height"),
                                      1300);
    form = run(Request::Insert);
    ASSERT_NE(form, nullptr);
    QApplication::processEvents();
    auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget());
    ASSERT_NE(sub, nullptr);
    EXPECT_TRUE(frame.viewport()->rect().contains(sub->geometry()));
    EXPECT_TRUE(form->scrollArea().verticalScrollBar()->isVisible());
    frame.closeAllSubWindows();
    WindowHost::instance().setMdiArea(nullptr);
}

}  // namespace
