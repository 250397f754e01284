#include <gtest/gtest.h>

#include <QSet>

#include "data/forma3.h"
#include "register/filling_rules.h"
#include "register/update_forma2_layout.h"

namespace {

using namespace UpdateForma2Layout;

const ControlDef* find(const std::vector<ControlDef>& table, const QString& label) {
    for (const ControlDef& def : table)
        if (def.label == label) return &def;
    return nullptr;
}

bool takesFocus(ControlKind kind) {
    return kind == ControlKind::Entry || kind == ControlKind::Button ||
           kind == ControlKind::CheckBox || kind == ControlKind::DropCombo ||
           kind == ControlKind::SpinBox;
}

TEST(UpdateForma2Layout, EveryFieldButThePermitNumberHasExactlyOneControl) {
    const auto table = controls();
    for (const Field& field : FR3::layout().fields()) {
        const QString name = FR3::layout().qualifiedName(field.index);
        const auto uses = std::count_if(table.begin(), table.end(),
                                        [&](const ControlDef& def) { return def.use == name; });
        EXPECT_EQ(uses, field.index == FR3::NLIC ? 0 : 1) << name.toStdString();
    }
    for (const QString value : {"VS_SIM", "KOL_SIM", "AX", "AY"}) {
        const auto uses = std::count_if(table.begin(), table.end(),
                                        [&](const ControlDef& def) { return def.use == value; });
        EXPECT_EQ(uses, 1) << value.toStdString();
    }
}

TEST(UpdateForma2Layout, LabelsAreUnique) {
    QSet<QString> labels;
    for (const ControlDef& def : controls()) {
        EXPECT_FALSE(labels.contains(def.label)) << def.label.toStdString();
        labels.insert(def.label);
    }
}

TEST(UpdateForma2Layout, FocusOrderIsTheBlanksOrder) {
    const QStringList expected = {
        "?FR3:NFORM",   "?FR3:OPIS", "?FR3:Z1",    "?OK",          "?BUTTON7",  "?CANCEL",
        "?FR3:Z2",      "?BUTTON9",  "?BUTTON8",   "?FR3:Z3",      "?FR3:CHEK", "?FR3:Z4",
        "?FR3:DAY",     "?FR3:MES",  "?FR3:GOD",   "?FR3:S1",      "?FR3:S2",   "?FR3:S3",
        "?FR3:S31",     "?FR3:S4",   "?FR3:S41",   "?FR3:KOL",     "?FR3:UP",   "?FR3:MK",
        "?FR3:S5",      "?FR3:S71",  "?FR3:S7",    "?FR3:DATAVUR", "?FR3:S72",  "?VS_SIM",
        "?KOL_SIM",     "?FR3:S8",   "?FR3:S10",   "?FR3:S11",     "?FR3:S13",  "?FR3:S143",
        "?FR3:S14",     "?FR3:S141", "?FR3:S142",  "?FR3:S144",    "?FR3:S15",  "?FR3:S151",
        "?FR3:S16",     "?FR3:S161", "?FR3:S17",   "?FR3:S19",     "?FR3:S18",  "?FR3:S191",
        "?FR3:COMMENT", "?FR3:P1",   "?FR3:DATAV", "?CALENDAR",    "?FR3:P3",   "?FR3:P2",
        "?FR3:P4",      "?FR3:S20",  "?FR3:S201",  "?FR3:S202",    "?FR3:S203", "?FR3:S204",
        "?FR3:S205",    "?FR3:S206", "?FR3:S21",   "?FR3:S211",    "?FR3:S212", "?FR3:S213",
        "?FR3:S214",    "?FR3:S215", "?FR3:S216",  "?FR3:S22",     "?FR3:S221", "?FR3:S222",
        "?FR3:S223",    "?FR3:S224", "?FR3:S225",  "?FR3:S226",    "?FR3:S23",  "?FR3:S231",
        "?FR3:S232",    "?FR3:S233", "?FR3:S234",  "?FR3:S235",    "?FR3:S236", "?FR3:S24",
        "?FR3:S241",    "?FR3:S242", "?FR3:S243",  "?FR3:S244",    "?FR3:S245", "?FR3:S246",
        "?FR3:S25",     "?FR3:S251", "?FR3:S252",  "?FR3:S253",    "?FR3:S254", "?FR3:S255",
        "?FR3:S256",    "?AX",       "?AY"};
    EXPECT_EQ(focusOrder(), expected);
}

TEST(UpdateForma2Layout, FocusOrderVisitsEveryControlThatTakesFocusOnce) {
    const auto table = controls();
    QStringList focusable;
    for (const ControlDef& def : table)
        if (takesFocus(def.kind)) focusable.append(def.label);
    QStringList ordered = focusOrder();
    ordered.sort();
    focusable.sort();
    EXPECT_EQ(ordered, focusable);
}

TEST(UpdateForma2Layout, OnlyTheTenContinuationLinesStartHidden) {
    QStringList hidden;
    for (const ControlDef& def : controls())
        if (def.hidden) hidden.append(def.label);
    const QStringList expected = {"?FR3:S31",  "?FR3:S41",  "?FR3:S71",  "?FR3:S72",  "?FR3:S142",
                                  "?FR3:S143", "?FR3:S144", "?FR3:S151", "?FR3:S161", "?FR3:S191"};
    hidden.sort();
    QStringList lines = additionalLines();
    lines.sort();
    EXPECT_EQ(hidden, lines);
    EXPECT_EQ(additionalLines(), expected);
}

TEST(UpdateForma2Layout, OnlyNumberAndIssueDateAreRequired) {
    QStringList required;
    for (const ControlDef& def : controls())
        if (def.required) required.append(def.label);
    EXPECT_EQ(required, QStringList({"?FR3:NFORM", "?FR3:DATAV"}));
}

TEST(UpdateForma2Layout, EveryControlLiesInTheClientAreaAndOnItsSide) {
    const QStringList aboveTheSheet = {"?SHEET1",   "?STRING76:3", "?STRING76", "?AX",
                                       "?STRING78", "?STRING76:2", "?AY",       "?STRING78:2"};
    const auto table = controls();
    for (const ControlDef& def : table) {
        if (def.kind == ControlKind::Tab) continue;
        EXPECT_GE(def.at.x, 0) << def.label.toStdString();
        EXPECT_LE(def.at.x + def.at.w, kClientSize.width()) << def.label.toStdString();
        EXPECT_LE(def.at.y + def.at.h, kClientSize.height()) << def.label.toStdString();
        const bool aboveSheet = aboveTheSheet.contains(def.label);
        EXPECT_EQ(def.tab.isEmpty(), aboveSheet) << def.label.toStdString();
    }
    EXPECT_EQ(find(table, "?FR3:S20")->tab, u"?TAB2");
    EXPECT_EQ(find(table, "?FR3:S2")->tab, u"?TAB1");
}

TEST(UpdateForma2Layout, LongTooltipsAreTheFillingRules) {
    const std::vector<std::pair<const char*, int>> rules = {
        {"?FR3:S1", 1},   {"?FR3:S2", 1},   {"?FR3:S3", 2},   {"?FR3:S4", 2},   {"?FR3:KOL", 3},
        {"?FR3:S5", 4},   {"?FR3:S7", 4},   {"?FR3:S8", 5},   {"?FR3:S10", 5},  {"?FR3:S11", 6},
        {"?FR3:S13", 7},  {"?FR3:S143", 8}, {"?FR3:S141", 8}, {"?FR3:S144", 8}, {"?FR3:S14", 9},
        {"?FR3:S15", 10}, {"?FR3:S16", 10}, {"?FR3:S17", 11}, {"?FR3:S19", 11}, {"?FR3:S18", 11}};
    const auto table = controls();
    for (const auto& [label, rule] : rules)
        EXPECT_EQ(find(table, label)->tooltip, fillingRule(rule)) << label;
}

TEST(UpdateForma2Layout, FillingRulesKeepTheirLinesAsWritten) {
    const std::vector<int> lineCounts = {9, 6, 6, 4, 11, 3, 8, 3, 4, 7, 10};
    for (int rule = 1; rule <= 11; ++rule)
        EXPECT_EQ(fillingRule(rule).split(u'\n').size(), lineCounts[rule - 1]) << rule;
    const QStringList first = fillingRule(1).split(u'\n');
    EXPECT_EQ(first.front(), u"В строке \"Я, нижеподписавшийся, выдал настоящее ");
    EXPECT_EQ(first.back(), u"дера). ");
    EXPECT_TRUE(fillingRule(7).endsWith(u"зависимости от вида продукции).\n"));
    EXPECT_EQ(fillingRule(11).split(u'\n')[1],
              u" эпизоотическое благополучие местности; номер и дата ");
    EXPECT_TRUE(fillingRule(0).isEmpty());
    EXPECT_TRUE(fillingRule(12).isEmpty());
}

TEST(UpdateForma2Layout, BackSideCellsFormSixRowsOfSeven) {
    const auto table = controls();
    for (int row = 0; row < 6; ++row) {
        const QString first = QStringLiteral("?FR3:S2%1").arg(row);
        const ControlDef* cell = find(table, first);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->at.y, 158 + 9 * row);
        EXPECT_EQ(cell->picture, u"s15");
        for (int column = 1; column <= 6; ++column) {
            const ControlDef* other = find(table, first + QString::number(column));
            ASSERT_NE(other, nullptr);
            EXPECT_EQ(other->at.y, cell->at.y);
            EXPECT_EQ(other->picture, u"s10");
        }
    }
    EXPECT_EQ(find(table, "?FR3:S22")->tooltip, u"П - погрузка\nТ - транзит\nВ - выгрузка");
    EXPECT_EQ(find(table, "?FR3:S24")->tooltip, u"Наименование пункта");
}

}  // namespace
