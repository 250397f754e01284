#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QWheelEvent>

#include "browse_test_table.h"
#include "runtime/ui/browse_list.h"
#include "runtime/ui/browse_model.h"
#include "runtime/ui/browse_table_source.h"
#include "runtime/ui/dialog_units.h"

namespace {

using namespace BrowseTest;

const QColor kAlternate(237, 231, 214);
const QColor kBar(0, 208, 104);

std::vector<BrowseColumn> peopleColumns() {
    auto name = [](const RecordBuffer& r) { return r.text(People::NAME); };
    BrowseColumn number;
    number.head = QStringLiteral("[Номер]");
    number.headAlignment = Qt::AlignHCenter;
    number.field = People::NUM;
    number.picture = QStringLiteral("n_9b");
    number.width = 60;
    number.alignment = Qt::AlignRight;
    number.indent = 19;
    number.tooltip = name;
    number.bold = true;
    BrowseColumn text;
    text.head = QStringLiteral("[Имя]");
    text.headIndent = 4;
    text.field = People::NAME;
    text.picture = QStringLiteral("s20");
    text.width = 400;  // wider than the list: it scrolls sideways
    text.indent = 1;
    return {number, text};
}

// Numbers 1..100 in a list eleven units a row, the odd rows of each page
// filled.
class BrowseListTest : public ::testing::Test {
protected:
    BrowseListTest() {
        table.addNumbers(1, 100);
        list.setColumns(peopleColumns());
        list.setRowHeight(11);
        list.setSelectionColor(kBar);
        list.setRowColoring([](int row, const RecordBuffer&) {
            return BrowseRowColors{row % 2 == 0 ? kAlternate : QColor(), {}};
        });
        list.resize(300, 12 * DialogUnits(list.font()).y(11));
        list.setSource(std::make_unique<BrowseTableSource>(table.access(), People::ByNum));
        list.show();
        QApplication::processEvents();
        QObject::connect(&list, &BrowseList::listEvent, [this](BrowseList::Event event) {
            events.push_back(event);
            buffered.push_back(table.access().record().integer(People::NUM));
        });
    }

    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
               const QString& text = {}) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(list.view(), &event);
    }
    void type(const QString& text) {
        for (QChar c : text)
            press(0, Qt::NoModifier, c);
    }
    void click(QEvent::Type type, int row) {
        const QPoint at = list.view()->visualRect(list.model()->index(row, 1)).center();
        QMouseEvent event(type, at, list.view()->viewport()->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(list.view()->viewport(), &event);
    }
    void doubleClick(int row) {
        for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                          QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
            click(type, row);
    }
    qint64 highlighted() const { return numberOf(*list.currentRow()); }
    qint64 firstShown() const { return numberOf(list.pager().rows().front()); }
    QVariant cell(int row, int column, int role) const {
        return list.model()->data(list.model()->index(row, column), role);
    }

    PeopleTable table;
    BrowseList list{table.access()};
    std::vector<BrowseList::Event> events;
    std::vector<qint64> buffered;  // the buffer's number at each event
};

TEST_F(BrowseListTest, PageSizeFollowsTheVisibleHeight) {
    const int rowHeight = list.view()->verticalHeader()->defaultSectionSize();
    EXPECT_EQ(rowHeight, DialogUnits(list.font()).y(11));
    EXPECT_EQ(list.pager().pageSize(), list.view()->viewport()->height() / rowHeight);
    EXPECT_EQ(list.model()->rowCount(), list.pager().pageSize());
    list.resize(300, list.height() + 3 * rowHeight);
    QApplication::processEvents();
    EXPECT_EQ(list.pager().pageSize(), list.view()->viewport()->height() / rowHeight);
    EXPECT_EQ(list.model()->rowCount(), list.pager().pageSize());
}

TEST_F(BrowseListTest, ColumnsAreMeasuredInDialogUnits) {
    const DialogUnits units(list.font());
    EXPECT_EQ(list.view()->columnWidth(0), units.x(60));
    EXPECT_EQ(list.view()->columnWidth(1), units.x(400));
    EXPECT_TRUE(list.view()->horizontalScrollBar()->maximum() > 0);
}

TEST_F(BrowseListTest, CellsShowTheColumnsPicturesTooltipsAndStyle) {
    EXPECT_EQ(list.model()->cellText(4, 0), QStringLiteral("5"));
    EXPECT_EQ(cell(4, 1, Qt::DisplayRole).toString(), QStringLiteral("N5"));
    EXPECT_EQ(cell(4, 0, Qt::ToolTipRole).toString(), QStringLiteral("N5"));
    EXPECT_FALSE(cell(4, 1, Qt::ToolTipRole).isValid());
    EXPECT_TRUE(cell(4, 0, Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(cell(4, 1, Qt::FontRole).isValid());
    EXPECT_EQ(cell(4, 0, Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
    for (const int role : {Qt::DisplayRole, Qt::ToolTipRole})
        EXPECT_EQ(list.model()->headerData(0, Qt::Horizontal, role).toString(),
                  QStringLiteral("[Номер]"));
}

TEST_F(BrowseListTest, RowColoursAlternateOverTheLoadedPage) {
    const auto check = [&] {
        for (int row = 0; row < list.model()->rowCount(); ++row) {
            const QVariant fill = cell(row, 1, Qt::BackgroundRole);
            if (row == list.pager().current())
                EXPECT_EQ(fill.value<QColor>(), kBar);
            else if (row % 2 == 0)
                EXPECT_EQ(fill.value<QColor>(), kAlternate) << row;
            else
                EXPECT_FALSE(fill.isValid()) << row;
        }
    };
    check();
    list.nextPage();
    list.priorRecord();  // the page moves by one row: colours stay with the page's rows
    check();
    EXPECT_EQ(cell(0, 0, Qt::BackgroundRole).value<QColor>(), kBar);
}

struct ActionCase {
    const char* name;
    ToolbarAction action;
    std::function<qint64(qint64 page)> highlighted;  // from page + 3 highlighted
};

class BrowseListActionTest : public BrowseListTest,
                             public ::testing::WithParamInterface<ActionCase> {};

TEST_P(BrowseListActionTest, ToolbarActionMovesAndLoadsTheRow) {
    const qint64 page = list.pager().pageSize();
    list.nextPage();
    list.nextRecord();
    list.nextRecord();
    ASSERT_EQ(highlighted(), page + 3);
    events.clear();
    buffered.clear();
    EXPECT_TRUE(list.toolbarAction(GetParam().action));
    const qint64 expected = GetParam().highlighted(page);
    EXPECT_EQ(highlighted(), expected);
    EXPECT_EQ(buffered, std::vector<qint64>{expected});
    EXPECT_EQ(events, std::vector<BrowseList::Event>{BrowseList::Event::NewRow});
}

INSTANTIATE_TEST_SUITE_P(
    Actions, BrowseListActionTest,
    ::testing::Values(
        ActionCase{"FirstPage", ToolbarAction::FirstPage, [](qint64) { return 1; }},
        ActionCase{"PriorPage", ToolbarAction::PriorPage, [](qint64) { return 3; }},
        ActionCase{"PriorRecord", ToolbarAction::PriorRecord, [](qint64 page) { return page + 2; }},
        ActionCase{"NextRecord", ToolbarAction::NextRecord, [](qint64 page) { return page + 4; }},
        ActionCase{"NextPage", ToolbarAction::NextPage, [](qint64 page) { return 2 * page + 3; }},
        ActionCase{"LastPage", ToolbarAction::LastPage, [](qint64) { return 100; }}),
    [](const auto& info) { return std::string(info.param.name); });

struct KeyCase {
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
    std::function<qint64(qint64 page)> highlighted;  // from 1 highlighted
};

class BrowseListKeyTest : public BrowseListTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(BrowseListKeyTest, KeyMovesAndLoadsTheRow) {
    press(GetParam().key, GetParam().modifiers);
    const qint64 expected = GetParam().highlighted(list.pager().pageSize());
    EXPECT_EQ(highlighted(), expected);
    EXPECT_EQ(buffered, std::vector<qint64>{expected});
    EXPECT_EQ(events, std::vector<BrowseList::Event>{BrowseList::Event::Key});
}

INSTANTIATE_TEST_SUITE_P(
    Keys, BrowseListKeyTest,
    ::testing::Values(
        KeyCase{"Down", Qt::Key_Down, Qt::NoModifier, [](qint64) { return 2; }},
        KeyCase{"UpAtTheTop", Qt::Key_Up, Qt::NoModifier, [](qint64) { return 1; }},
        KeyCase{"PageDown", Qt::Key_PageDown, Qt::NoModifier, [](qint64 page) { return page + 1; }},
        KeyCase{"End", Qt::Key_End, Qt::NoModifier, [](qint64) { return 100; }},
        KeyCase{"CtrlPageDown", Qt::Key_PageDown, Qt::ControlModifier, [](qint64) { return 100; }},
        KeyCase{"Home", Qt::Key_Home, Qt::NoModifier, [](qint64) { return 1; }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BrowseListTest, TypedDigitsLocateTheNumber) {
    type(QStringLiteral("57"));
    EXPECT_EQ(highlighted(), 57);
    EXPECT_EQ(buffered.back(), 57);
    EXPECT_EQ(events.back(), BrowseList::Event::Key);
    type(QStringLiteral("x"));  // not a digit: ignored
    EXPECT_EQ(highlighted(), 57);
    press(Qt::Key_Backspace);
    EXPECT_EQ(highlighted(), 5);
    press(Qt::Key_Down);  // a move starts a new value
    type(QStringLiteral("9"));
    EXPECT_EQ(highlighted(), 9);
}

TEST_F(BrowseListTest, TypedTextLocatesTheName) {
    list.setSource(std::make_unique<BrowseTableSource>(table.access(), People::ByName));
    type(QStringLiteral("n7"));  // N7, N70 ... N79, N8 in text order
    EXPECT_EQ(table.access().record().text(People::NAME), QStringLiteral("N7"));
    type(QStringLiteral("5"));
    EXPECT_EQ(table.access().record().text(People::NAME), QStringLiteral("N75"));
}

TEST_F(BrowseListTest, RecordKeysAndButtonsAskTheWindow) {
    int inserts = 0, changes = 0, deletes = 0;
    QObject::connect(&list, &BrowseList::insertRequested, [&] { ++inserts; });
    QObject::connect(&list, &BrowseList::changeRequested, [&] { ++changes; });
    QObject::connect(&list, &BrowseList::deleteRequested, [&] { ++deletes; });
    press(Qt::Key_Insert);
    press(Qt::Key_Return, Qt::ControlModifier);
    press(Qt::Key_Delete);
    press(Qt::Key_Return);  // Enter alone changes nothing
    EXPECT_EQ(std::tie(inserts, changes, deletes), std::tuple(1, 1, 1));
    doubleClick(2);
    EXPECT_EQ(changes, 2);
    QPushButton insert, change, remove;
    list.setRecordButtons(&insert, &change, &remove);
    insert.click();
    change.click();
    remove.click();
    EXPECT_EQ(std::tie(inserts, changes, deletes), std::tuple(2, 3, 2));
}

TEST_F(BrowseListTest, ChangeAndDeleteNeedARow) {
    QPushButton insert, change, remove;
    list.setRecordButtons(&insert, &change, &remove);
    EXPECT_TRUE(change.isEnabled());
    auto empty = std::make_unique<BrowseTableSource>(table.access(), People::ByGroup);
    empty->limitTo(qint64{5});
    list.setSource(std::move(empty));
    EXPECT_EQ(list.currentRow(), nullptr);
    EXPECT_TRUE(insert.isEnabled());
    EXPECT_FALSE(change.isEnabled());
    EXPECT_FALSE(remove.isEnabled());
    EXPECT_TRUE(table.access().record().isBlank(People::NUM));  // no row: a blank buffer
    EXPECT_EQ(table.access().position(), 0);
}

TEST_F(BrowseListTest, RecordActionsAreTheToolbarsOnlyWhenTheWindowListens) {
    for (ToolbarAction action :
         {ToolbarAction::Select, ToolbarAction::Insert, ToolbarAction::Change,
          ToolbarAction::Delete, ToolbarAction::Help, ToolbarAction::History})
        EXPECT_FALSE(list.toolbarAction(action)) << int(action);
    int helps = 0, selects = 0;
    QObject::connect(&list, &BrowseList::helpRequested, [&] { ++helps; });
    QObject::connect(&list, &BrowseList::selectRequested, [&] { ++selects; });
    EXPECT_TRUE(list.toolbarAction(ToolbarAction::Help));
    EXPECT_TRUE(list.toolbarAction(ToolbarAction::Select));
    EXPECT_FALSE(list.toolbarAction(ToolbarAction::History));
    EXPECT_EQ(std::tie(helps, selects), std::tuple(1, 1));
}

TEST_F(BrowseListTest, ClickHighlightsTheRow) {
    click(QEvent::MouseButtonPress, 3);
    EXPECT_EQ(highlighted(), 4);
    EXPECT_EQ(buffered, std::vector<qint64>{4});
    EXPECT_EQ(events, std::vector<BrowseList::Event>{BrowseList::Event::Click});
}

TEST_F(BrowseListTest, WheelScrollsThePage) {
    const QPointF at = list.view()->viewport()->rect().center();
    QWheelEvent wheel(at, list.view()->viewport()->mapToGlobal(at), {}, {0, -120}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list.view()->viewport(), &wheel);
    EXPECT_EQ(firstShown(), 1 + QApplication::wheelScrollLines());
    EXPECT_EQ(events, std::vector<BrowseList::Event>{BrowseList::Event::Scroll});
}

TEST_F(BrowseListTest, ScrollBarFollowsAndDragsTheHighlight) {
    QScrollBar* bar = list.scrollBar();
    EXPECT_EQ(bar->value(), bar->minimum());
    list.lastPage();
    EXPECT_EQ(bar->value(), bar->maximum());
    bar->setSliderDown(true);
    bar->setSliderPosition((bar->maximum() + bar->minimum()) / 2);
    EXPECT_NEAR(highlighted(), 50, 1);
    EXPECT_EQ(events.back(), BrowseList::Event::Scroll);
    bar->setSliderDown(false);
    EXPECT_NEAR(bar->value(), bar->maximum() / 2, bar->maximum() / 50);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(buffered.back(), highlighted());
    bar->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(highlighted(), 1);
    EXPECT_EQ(bar->value(), bar->minimum());
}

TEST_F(BrowseListTest, RefreshAtHighlightsTheAddedRecord) {
    list.nextRecord();
    const qint64 position = table.add(2, QStringLiteral("twin"));
    list.refreshAt(position);
    EXPECT_EQ(list.currentRow()->position, position);
    EXPECT_EQ(table.access().record().text(People::NAME), QStringLiteral("twin"));
    EXPECT_EQ(table.access().position(), position);
}

TEST_F(BrowseListTest, RefreshAfterDeleteHighlightsTheNextRow) {
    list.nextRecord();
    list.nextRecord();
    ASSERT_TRUE(table.access().remove());  // the buffer holds the highlighted 3
    list.refresh();
    EXPECT_EQ(highlighted(), 4);
    EXPECT_EQ(table.access().record().integer(People::NUM), 4);
}

TEST_F(BrowseListTest, MovesKeepTheSidewaysScroll) {
    QScrollBar* sideways = list.view()->horizontalScrollBar();
    sideways->setValue(sideways->maximum() / 2);
    const int scrolled = sideways->value();
    ASSERT_GT(scrolled, 0);
    list.nextRecord();
    list.lastPage();
    list.refresh();
    EXPECT_EQ(sideways->value(), scrolled);
}

TEST_F(BrowseListTest, ChangesMadeElsewhereShowWhileTheListIsEnabled) {
    list.nextRecord();
    TableAccess other(table.def(), table.errors());
    ASSERT_TRUE(other.open());
    other.prime();
    other.record().setInteger(People::NUM, 1);
    other.record().setText(People::NAME, QStringLiteral("other"));
    ASSERT_TRUE(other.insert());
    list.setEnabled(false);  // a form it called works on the buffer
    table.access().record().setText(People::NAME, QStringLiteral("typed in the form"));
    list.refreshIfChanged();
    EXPECT_EQ(table.access().record().text(People::NAME), QStringLiteral("typed in the form"));
    EXPECT_EQ(list.model()->cellText(0, 1), QStringLiteral("N1"));
    list.setEnabled(true);
    list.refreshIfChanged();
    // The twin of 1 comes right before the highlighted 2, which keeps its row.
    EXPECT_EQ(list.model()->cellText(0, 1), QStringLiteral("other"));
    EXPECT_EQ(list.pager().current(), 1);
    EXPECT_EQ(highlighted(), 2);
    EXPECT_EQ(table.access().record().text(People::NAME), QStringLiteral("N2"));
}

}  // namespace
