#include <gtest/gtest.h>

#include <QHash>
#include <QSet>

#include "data/last.h"
#include "print/profile.h"
#include "print/update_nastr_layout.h"

namespace {

using UpdateNastrLayout::positions;

// Carried in the record, placed by nothing.
const QSet<int> kUnused{LAS::AXZ5, LAS::AYZ5, LAS::AXZ6, LAS::AYZ6, LAS::AXS9, LAS::AYS9};
const QSet<int> kHeaderLines{LAS::AXZ1, LAS::AYZ1, LAS::AXZ2, LAS::AYZ2,
                             LAS::AXZ3, LAS::AYZ3, LAS::AXZ4, LAS::AYZ4};

int fieldOf(const ControlDef& box) {
    return LAS::layout().indexOf(box.use);
}

TEST(EditorLayout, EveryPositionFieldHasExactlyOneBoxSaveTheUnusedSix) {
    QHash<int, int> boxes;
    for (const ControlDef& box : positions()) {
        ASSERT_GE(fieldOf(box), 0) << box.use.toStdString();
        EXPECT_EQ(box.kind, ControlKind::SpinBox);
        EXPECT_EQ(box.label, u'?' + box.use);
        ++boxes[fieldOf(box)];
    }
    for (const Field& field : LAS::layout().fields()) {
        SCOPED_TRACE(field.name.toStdString());
        const bool position = field.type == FieldType::Decimal && field.places == 1;
        EXPECT_EQ(boxes.value(field.index), position && !kUnused.contains(field.index) ? 1 : 0);
    }
}

TEST(EditorLayout, OnlyTheHeaderLinesAreLimitedAndAsThePrintLimitsThem) {
    for (const ControlDef& box : positions()) {
        SCOPED_TRACE(box.use.toStdString());
        if (!kHeaderLines.contains(fieldOf(box))) {
            EXPECT_FALSE(box.maximum > box.minimum);
            continue;
        }
        EXPECT_EQ(box.minimum, 5);
        EXPECT_EQ(box.maximum, 100);
        const Profile::Range range = Profile::positionRange(fieldOf(box));
        EXPECT_EQ(range.minimum, box.minimum);
        EXPECT_EQ(range.maximum, box.maximum);
    }
}

TEST(EditorLayout, FrontBoxesCarryTheirTooltipsAndTheBacksNone) {
    QHash<QString, QString> tooltips;
    for (const ControlDef& box : positions()) {
        const bool front = box.tab == UpdateNastrLayout::kFrontTab;
        EXPECT_TRUE(front || box.tab == UpdateNastrLayout::kBackTab);
        EXPECT_EQ(box.at.w, front ? 41 : 31) << box.use.toStdString();
        EXPECT_EQ(box.at.h, 8);
        if (!front) {
            EXPECT_TRUE(box.tooltip.isEmpty()) << box.use.toStdString();
        }
        tooltips.insert(box.use, box.tooltip);
    }
    EXPECT_EQ(tooltips.value("LAS:AXZ1"), QStringLiteral("[субъект РФ]  X строка 1"));
    EXPECT_EQ(tooltips.value("LAS:AXKOL"), QStringLiteral("[в количестве]  X "));
    EXPECT_EQ(tooltips.value("LAS:AYS191"),
              QStringLiteral("[Y дополнительная строка]\n[под строкой 3 \"ОСОБЫЕ ОТМЕТКИ\"]"));
    EXPECT_TRUE(tooltips.value("LAS:AYGOD").isEmpty());
}

TEST(EditorLayout, TheBacksGridSharesOneYBoxPerRow) {
    QHash<int, QList<int>> rows;  // y -> fields of the row
    for (const ControlDef& box : positions())
        if (box.tab == UpdateNastrLayout::kBackTab) rows[box.at.y] << fieldOf(box);
    EXPECT_EQ(rows.keys().size(), 6);
    EXPECT_EQ(rows.value(149), (QList<int>{LAS::AXS22, LAS::AXS221, LAS::AXS222, LAS::AXS223,
                                           LAS::AXS224, LAS::AXS225, LAS::AXS226, LAS::AYS22}));
}

TEST(EditorLayout, AdditionalLineBoxesAreLightGreen) {
    const QSet<QString> additional{"AXZ4",   "AYZ4",   "AXS31",  "AYS31",  "AXS41",  "AYS41",
                                   "AXS71",  "AYS71",  "AXS72",  "AYS72",  "AXS143", "AYS143",
                                   "AXS142", "AYS142", "AXS144", "AYS144", "AXS151", "AYS151",
                                   "AXS161", "AYS161", "AXS191", "AYS191"};
    for (const ControlDef& box : positions())
        EXPECT_EQ(box.fill.has_value(), additional.contains(box.use.mid(4)))
            << box.use.toStdString();
}

}  // namespace
