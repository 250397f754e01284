#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFontDialog>
#include <QGroupBox>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTranslator>

#include "data/forma3.h"
#include "editor_fixture.h"
#include "print/certificate_print.h"
#include "print/font_choice.h"
#include "print/update_nastr_boxes.h"
#include "print/update_nastr_layout.h"
#include "runtime/report/report_pass.h"
#include "runtime/storage/storage_hooks.h"
#include "runtime/ui/browse_model.h"
#include "runtime/ui/control_style.h"
#include "runtime/ui/focus_highlight.h"
#include "support/page_texts.h"

namespace {

class EditorWindow : public EditorFixture {
protected:
    void TearDown() override {
        StorageHooks::setDenyWrite({});
        FONTSIZE.set(0);
        TYPEFACE.set({});
        EditorFixture::TearDown();
    }

    // Where a print of the side puts the value now, from the stored profile.
    QPointF printedAt(PrintSide side, const char* text) {
        CertificatePrint print(tables, side, 7, {});
        EXPECT_TRUE(print.open());
        ReportPass pass(print.layout(), print.source());
        EXPECT_EQ(pass.runToEnd(), ReportOutcome::Completed);
        const ReportDocument document = pass.takeDocument();
        const TextItem* item = findText(document.pages.at(0), QString::fromUtf8(text));
        EXPECT_TRUE(item) << text;
        return item ? item->rect.topLeft() : QPointF();
    }

    PositionBox* box(int field) {
        return form()->controls().control<PositionBox>(u'?' + LAS::layout().qualifiedName(field));
    }
    template <typename T = QWidget>
    T* control(const char* label) {
        return form()->controls().control<T>(QLatin1String(label));
    }
    QString fontCaption() { return control<QGroupBox>("?FontGroup")->title(); }
    void showBack() { form()->controls().selectTab(UpdateNastrLayout::kBackTab); }
    QStringList listColumn(int column) {
        QStringList texts;
        for (int row = 0; row < list->list()->model()->rowCount(); ++row)
            texts << list->list()->model()->cellText(row, column).trimmed();
        return texts;
    }
};

TEST_F(EditorWindow, ListShowsTheProfilesInKeyOrderAndChangesTheActiveOne) {
    keepOnlyProfiles({5, 2});
    openList();
    EXPECT_EQ(list->windowTitle(), QStringLiteral("Содержание настройки"));
    EXPECT_EQ(listColumn(0), (QStringList{"Принтер 2", "Принтер 5"}));
    EXPECT_EQ(listColumn(1), (QStringList{"2", "5"}));
    auto* change = list->controls().control<QPushButton>("?Change");
    EXPECT_TRUE(change->isEnabled());

    list->list()->nextRecord();  // the second row, profile 5
    change->click();
    QApplication::processEvents();
    ASSERT_TRUE(form());
    EXPECT_FALSE(list->isEnabled());  // waits for the form
    EXPECT_EQ(control<QLineEdit>("?LAS:NAME")->text(), QStringLiteral("Принтер 2"));
    EXPECT_DOUBLE_EQ(box(LAS::AXZ1)->value(), 22);

    click(form(), "?Cancel");  // nothing changed: no question
    EXPECT_FALSE(question());
    EXPECT_FALSE(form());
    QApplication::processEvents();
    EXPECT_TRUE(list->isEnabled());
}

TEST_F(EditorWindow, EnterAndDoubleClickOpenTheFormToo) {
    openList();
    QTableView* view = list->list()->view();
    QTest::keyClick(view, Qt::Key_Return);
    QApplication::processEvents();
    ASSERT_TRUE(form());
    form()->close();
    QApplication::processEvents();
    ASSERT_FALSE(form());
    ASSERT_TRUE(list->isEnabled());
    const QPoint row = view->visualRect(view->model()->index(0, 0)).center();
    for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                      QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, row, view->viewport()->mapToGlobal(row), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &event);
    }
    QApplication::processEvents();
    EXPECT_TRUE(form());
}

TEST_F(EditorWindow, AnEmptyProfileTableGivesAnEmptyListAndNoChange) {
    removeEveryProfile();
    openList();
    EXPECT_EQ(list->list()->model()->rowCount(), 0);
    EXPECT_FALSE(list->controls().control<QPushButton>("?Change")->isEnabled());
    list->list()->changeRecord();
    QApplication::processEvents();
    EXPECT_FALSE(form());
}

TEST_F(EditorWindow, BoxesStepByATenthAndOnlyTheHeaderLinesStop) {
    ASSERT_TRUE(openForm());
    PositionBox* header = box(LAS::AXZ1);
    header->setValue(99.9);
    header->stepUp();
    EXPECT_DOUBLE_EQ(header->value(), 100);
    header->stepUp();
    EXPECT_DOUBLE_EQ(header->value(), 100);
    header->setValue(5);
    header->stepDown();
    EXPECT_DOUBLE_EQ(header->value(), 5);

    PositionBox* free = box(LAS::AXS3);
    free->setValue(99.9);
    free->stepUp();
    free->stepUp();
    EXPECT_DOUBLE_EQ(free->value(), 100.1);
    EXPECT_EQ(free->text(), QStringLiteral("100.1"));
    free->setValue(-300);
    free->stepDown();
    EXPECT_DOUBLE_EQ(free->value(), -300.1);
    EXPECT_DOUBLE_EQ(form()->form().record().number(LAS::AXS3), -300.1);
    EXPECT_EQ(free->decimals(), 1);
}

TEST_F(EditorWindow, ATypedCommaIsADecimalPoint) {
    ASSERT_TRUE(openForm());
    PositionBox* position = box(LAS::AXS2);
    focusOn(position);
    position->selectAll();
    QTest::keyClicks(position, "24,5");
    EXPECT_DOUBLE_EQ(position->value(), 24.5);
    EXPECT_DOUBLE_EQ(form()->form().record().number(LAS::AXS2), 24.5);
}

TEST_F(EditorWindow, BoxesStandAtTheirPlacesWithTheirLook) {
    ASSERT_TRUE(openForm());
    const DialogUnits& units = form()->controls().units();
    PositionBox* extra = box(LAS::AYZ4);
    EXPECT_EQ(extra->geometry(), units.rect({248, 84, 41, 8}));
    EXPECT_EQ(extra->toolTip(),
              QStringLiteral("[Y дополнительная строка]\n[под строкой 3 \"Шапка\"]"));
    EXPECT_EQ(ControlStyle::fill(extra), QColor(200, 255, 200));
    EXPECT_TRUE(extra->isVisible());
    EXPECT_FALSE(box(LAS::AXS223)->isVisible());  // on the back
    showBack();
    EXPECT_TRUE(box(LAS::AXS223)->isVisible());
    EXPECT_FALSE(extra->isVisible());
    EXPECT_EQ(box(LAS::AXS223)->geometry(), units.rect({193, 149, 31, 8}));
}

TEST_F(EditorWindow, ASavedChangeMovesThePrintedValueByExactlyTheChange) {
    addCertificate(7);
    const QPointF z1 = printedAt(PrintSide::Certificate, "Z1");
    const QPointF s223 = printedAt(PrintSide::BackSide, "S223");
    const QPointF s22 = printedAt(PrintSide::BackSide, "S22");
    ASSERT_TRUE(openForm());
    for (int i = 0; i < 3; ++i)
        box(LAS::AXZ1)->stepUp();
    showBack();
    box(LAS::AYS22)->stepDown();
    box(LAS::AYS22)->stepDown();
    // A print started meanwhile uses the stored profile.
    EXPECT_EQ(printedAt(PrintSide::Certificate, "Z1"), z1);

    click(form(), "?OK");
    EXPECT_FALSE(form());
    EXPECT_FALSE(question());
    const QPointF movedZ1 = printedAt(PrintSide::Certificate, "Z1") - z1;
    EXPECT_NEAR(movedZ1.x(), 0.3, 1e-9);
    EXPECT_NEAR(movedZ1.y(), 0, 1e-9);
    const QPointF movedCell = printedAt(PrintSide::BackSide, "S223") - s223;
    EXPECT_NEAR(movedCell.x(), 0, 1e-9);
    EXPECT_NEAR(movedCell.y(), -0.2, 1e-9);
    EXPECT_NEAR((printedAt(PrintSide::BackSide, "S22") - s22).y(), -0.2, 1e-9);
}

TEST_F(EditorWindow, CancellingAChangeAsksAndLeavesThePrintAsItWas) {
    addCertificate(7);
    const QPointF before = printedAt(PrintSide::Certificate, "S3");
    ASSERT_TRUE(openForm());
    box(LAS::AXS3)->stepUp();
    click(form(), "?Cancel");
    QMessageBox* asked = question();
    ASSERT_TRUE(asked);
    EXPECT_EQ(asked->text(), QStringLiteral("Не сохранять изменения?"));
    asked->button(QMessageBox::No)->click();
    QApplication::processEvents();
    ASSERT_TRUE(form());  // no: back to the form, the change still there

    click(form(), "?Cancel");
    question()->button(QMessageBox::Yes)->click();
    QApplication::processEvents();
    EXPECT_FALSE(form());
    EXPECT_EQ(printedAt(PrintSide::Certificate, "S3"), before);
    QApplication::processEvents();
    // The list's buffer holds the profile as stored again.
    EXPECT_DOUBLE_EQ(list->context().tables().access(u"LAST").record().number(LAS::AXS3),
                     storedValue(LAS::AXS3));
}

TEST_F(EditorWindow, CtrlHPutsBackTheValueOfTheProfileLastSavedFromThisList) {
    ASSERT_TRUE(openForm());
    box(LAS::AXS8)->setValue(61.2);
    control<QLineEdit>("?LAS:NAME")->setText(QStringLiteral("Кабинет 5"));
    click(form(), "?OK");
    ASSERT_FALSE(form());
    QApplication::processEvents();

    list->controls().control<QPushButton>("?Change")->click();
    QApplication::processEvents();
    ASSERT_TRUE(form());
    box(LAS::AXS8)->setValue(70);
    focusOn(box(LAS::AXS8));
    QTest::keyClick(box(LAS::AXS8), Qt::Key_H, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(box(LAS::AXS8)->value(), 61.2);
    EXPECT_DOUBLE_EQ(form()->form().record().number(LAS::AXS8), 61.2);

    auto* name = control<QLineEdit>("?LAS:NAME");
    focusOn(name);
    name->setText(QStringLiteral("Другое"));
    QTest::keyClick(name, Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(name->text(), QStringLiteral("Кабинет 5"));
}

TEST_F(EditorWindow, FontSizeRedrawsCaptionAndSampleTypingTheNameDoesNot) {
    ASSERT_TRUE(openForm());
    EXPECT_EQ(fontCaption(), QStringLiteral("Шрифт: [Arial Cyr Размер: 10]"));
    auto* sample = control<QLineEdit>("?LAS:TYPEFACE");
    EXPECT_EQ(sample->font().pointSize(), 10);
    auto* size = control<QSpinBox>("?LAS:FONTSIZE");
    focusOn(size);
    size->stepUp();
    size->stepUp();
    EXPECT_EQ(fontCaption(), QStringLiteral("Шрифт: [Arial Cyr Размер: 12]"));
    EXPECT_EQ(sample->font().pointSize(), 12);

    focusOn(sample);
    sample->setText(QStringLiteral("Courier New Cyr"));
    focusOn(size);  // leaving the name takes it in, and refreshes nothing
    EXPECT_EQ(form()->form().record().text(LAS::TYPEFACE), QStringLiteral("Courier New Cyr"));
    EXPECT_EQ(fontCaption(), QStringLiteral("Шрифт: [Arial Cyr Размер: 12]"));
    QTest::keyClick(size, Qt::Key_Up);
    EXPECT_EQ(fontCaption(), QStringLiteral("Шрифт: [Courier New Cyr Размер: 13]"));
}

TEST_F(EditorWindow, ClosingWhileInTheFontSizeClosesQuietly) {
    ASSERT_TRUE(openForm());
    focusOn(control<QSpinBox>("?LAS:FONTSIZE"));
    QTest::keyClick(control<QSpinBox>("?LAS:FONTSIZE"), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_FALSE(form());
    EXPECT_FALSE(question());
}

TEST_F(EditorWindow, TheTypefaceEntryKeepsThePrintFontWhileFocused) {
    changeProfile([](RecordBuffer& p) {
        p.setText(LAS::TYPEFACE, u"Times New Roman Cyr");
        p.setInteger(LAS::FONTSIZE, 11);
        p.setInteger(LAS::FONTSTYLE, 400);
    });
    ASSERT_TRUE(openForm());
    auto* sample = control<QLineEdit>("?LAS:TYPEFACE");
    const QFont printFont = sample->font();
    EXPECT_EQ(QFontInfo(printFont).family(), QStringLiteral("Liberation Serif"));
    focusOn(sample);
    EXPECT_EQ(ControlStyle::fill(sample), FocusHighlight::kFill);
    EXPECT_FALSE(sample->font().bold());
    EXPECT_EQ(sample->font(), printFont);
    focusOn(box(LAS::AXS2));
    QApplication::processEvents();
    EXPECT_EQ(sample->font(), printFont);
}

TEST_F(EditorWindow, FontChooserOpensBesideTheFormOnTheProfilesFont) {
    ASSERT_TRUE(openForm());
    click(form(), "?Font");
    QFontDialog* chooser = form()->fontDialog();
    ASSERT_TRUE(chooser);
    EXPECT_TRUE(chooser->isVisible());
    EXPECT_EQ(chooser->windowTitle(), QStringLiteral("Выбрать шрифт для печати"));
    EXPECT_EQ(chooser->windowModality(), Qt::NonModal);
    EXPECT_EQ(chooser->currentFont().pointSize(), 10);
    EXPECT_EQ(chooser->currentFont().family(), installedFamily(QStringLiteral("Arial")));
    EXPECT_FALSE(chooser->currentFont().bold());
    EXPECT_FALSE(chooser->currentFont().italic());
    EXPECT_TRUE(form()->isEnabled());

    chooser->setCurrentFont(QFont(QStringLiteral("Liberation Serif"), 14));
    chooser->reject();
    QApplication::processEvents();
    EXPECT_FALSE(form()->fontDialog());
    EXPECT_EQ(form()->form().record().text(LAS::TYPEFACE), QStringLiteral("Arial Cyr"));
    EXPECT_EQ(fontCaption(), QStringLiteral("Шрифт: [Arial Cyr Размер: 10]"));

    click(form(), "?Font");
    chooser = form()->fontDialog();
    ASSERT_TRUE(chooser);
    chooser->setCurrentFont(QFont(QStringLiteral("Liberation Serif"), 14));
    chooser->accept();
    QApplication::processEvents();
    // The installed twin is stored as the face it stands for.
    EXPECT_EQ(control<QLineEdit>("?LAS:TYPEFACE")->text(), QStringLiteral("Times New Roman Cyr"));
    EXPECT_EQ(control<QSpinBox>("?LAS:FONTSIZE")->value(), 14);
    EXPECT_EQ(fontCaption(), QStringLiteral("Шрифт: [Times New Roman Cyr Размер: 14]"));
    EXPECT_EQ(control<QLineEdit>("?LAS:TYPEFACE")->font().pointSize(), 14);
    EXPECT_EQ(TYPEFACE.get(), QStringLiteral("Times New Roman"));
}

// With the program's Russian texts the chooser names styles in Russian,
// and only the face's own style name still selects the profile's style.
TEST_F(EditorWindow, FontChooserSelectsTheProfilesStyleInARussianProgram) {
    QTranslator russian;
    ASSERT_TRUE(russian.load(QStringLiteral("qtbase_ru"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    QCoreApplication::installTranslator(&russian);
    changeProfile([](RecordBuffer& p) { p.setInteger(LAS::FONTSTYLE, 400); });
    ASSERT_TRUE(openForm());
    click(form(), "?Font");
    ASSERT_TRUE(form()->fontDialog());
    const QFont opened = form()->fontDialog()->currentFont();
    QCoreApplication::removeTranslator(&russian);
    EXPECT_FALSE(opened.bold());
    EXPECT_FALSE(opened.italic());
}

TEST_F(EditorWindow, CheckShowsTheSideInViewWithTheUnsavedProfileOverTheBlank) {
    addCertificate(7);
    nform.set(7);
    const QPointF z1 = printedAt(PrintSide::Certificate, "Z1");
    ASSERT_TRUE(openForm());
    box(LAS::AXZ1)->stepUp();
    QTest::keyClick(form(), Qt::Key_P, Qt::ControlModifier);
    QApplication::processEvents();
    ASSERT_EQ(previews().size(), 1);
    const Page& front = previews().front()->document().pages.at(0);
    EXPECT_FALSE(front.underlay.isNull());
    const TextItem* shown = findText(front, "Z1");
    ASSERT_TRUE(shown);
    EXPECT_NEAR(shown->rect.left() - z1.x(), 0.1, 1e-9);
    EXPECT_TRUE(previews().front()->findChild<QCheckBox*>("underlay")->isChecked());

    showBack();
    click(form(), "?Check");
    ASSERT_EQ(previews().size(), 1);  // in place of the first
    EXPECT_TRUE(findText(previews().front()->document().pages.at(0), "S223"));

    // Nothing was saved; leaving the form takes its check along.
    EXPECT_EQ(printedAt(PrintSide::Certificate, "Z1"), z1);
    click(form(), "?Cancel");
    question()->button(QMessageBox::Yes)->click();
    QApplication::processEvents();
    EXPECT_TRUE(previews().isEmpty());
}

TEST_F(EditorWindow, AWriteErrorKeepsTheFormOpenWithTheInput) {
    StorageHooks::setDenyWrite([](const QString& path) { return path.endsWith("LAST.DAT"); });
    ASSERT_TRUE(openForm());
    StorageHooks::setDenyWrite({});
    listErrors->messages.clear();
    box(LAS::AXS3)->setValue(88.8);
    click(form(), "?OK");
    ASSERT_TRUE(form());
    EXPECT_FALSE(listErrors->messages.empty());
    EXPECT_DOUBLE_EQ(box(LAS::AXS3)->value(), 88.8);
    EXPECT_NE(storedValue(LAS::AXS3), 88.8);
}

}  // namespace
