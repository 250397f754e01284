#include "print/update_nastr_layout.h"

#include <QColor>
#include <initializer_list>

namespace UpdateNastrLayout {

namespace {

const QColor kNavy(0, 0, 128);
const QColor kGreen(0, 128, 0);
const QColor kLightGreen(200, 255, 200);  // the boxes of additional lines

const ControlFont kHead{.size = 14};
const ControlFont kSmallGreen{.size = 7, .colour = kGreen};

constexpr int kHeaderMinimum = 5;
constexpr int kHeaderMaximum = 100;

ControlDef text(const QString& label, At at, const char* text, const ControlFont& font = {}) {
    return {.kind = ControlKind::Text, .label = label, .at = at, .text = text, .font = font};
}

ControlDef button(const char* label, At at, const char* text, const char* tooltip,
                  const char* status = "") {
    return {.kind = ControlKind::Button,
            .label = label,
            .at = at,
            .text = text,
            .statusText = status,
            .tooltip = tooltip};
}

ControlDef field(ControlKind kind, const char* use, At at, const char* picture = "") {
    const QString name = QString::fromLatin1(use);
    return {.kind = kind, .label = u'?' + name, .at = at, .use = name, .picture = picture};
}

ControlDef positionBox(const char* name, At at, const char* tooltip, const QString& tab) {
    const QString use = QStringLiteral("LAS:") + QLatin1String(name);
    return {.kind = ControlKind::SpinBox,
            .label = u'?' + use,
            .at = at,
            .use = use,
            .tooltip = tooltip,
            .tab = tab};
}

// The X or Y box of a printed value on the front side.
ControlDef box(const char* name, int x, int y, const char* tooltip = "") {
    return positionBox(name, {x, y, 41, 8}, tooltip, kFrontTab);
}

// The box of an additional line.
ControlDef extra(ControlDef def) {
    def.fill = kLightGreen;
    return def;
}

// The box of a header line, kept to the band the blank leaves them.
ControlDef header(ControlDef def) {
    def.minimum = kHeaderMinimum;
    def.maximum = kHeaderMaximum;
    return def;
}

// One row of the back side's table: the seven X boxes of its cells, then
// the Y box they share.
std::vector<ControlDef> backRow(int y, const char* yName,
                                std::initializer_list<const char*> xNames) {
    static constexpr int kCellX[] = {77, 125, 158, 193, 227, 261, 297};
    static constexpr int kRowYX = 397;
    std::vector<ControlDef> row;
    const int* x = kCellX;
    for (const char* name : xNames)
        row.push_back(positionBox(name, {*x++, y, 31, 8}, "", kBackTab));
    row.push_back(positionBox(yName, {kRowYX, y, 31, 8}, "", kBackTab));
    return row;
}

// clang-format off
std::vector<ControlDef> frontSide() {
    return {
        header(box("AXZ1", 204, 57, "[субъект РФ]  X строка 1")),
        header(box("AYZ1", 248, 57, "[субъект РФ]  Y строка 1")),
        header(box("AXZ2", 204, 66, "[район (город)]  X строка 2")),
        header(box("AYZ2", 248, 66, "[район (город)]  Y строка 2")),
        header(box("AXZ3", 204, 75, "[наименование учреждения]  X строка 3")),
        header(box("AYZ3", 248, 75, "[наименование учреждения]  Y строка 3")),
        header(extra(box("AXZ4", 204, 84, "[X дополнительная строка]\n[под строкой 3 \"Шапка\"]"))),
        header(extra(box("AYZ4", 248, 84, "[Y дополнительная строка]\n[под строкой 3 \"Шапка\"]"))),
        box("AXDAY", 168, 104, "[день] X даты"),
        box("AYDAY", 211, 104, "[день] Y даты"),
        box("AXMES", 255, 104, "[месяц]  X даты"),
        box("AYMES", 298, 104, "[месяц]  Y даты"),
        box("AXGOD", 341, 104, "[год]  X даты"),
        box("AYGOD", 384, 104),
        box("AZS1", 326, 115, "[выдал]  X строка 1"),
        box("AYS1", 369, 115, "[выдал]  Y строка 1"),
        box("AXS2", 204, 125, "[выдал]  X строка 2"),
        box("AYS2", 247, 125, "[выдал]  Y строка 2"),
        box("AXS3", 204, 135, "[в том, что] X строка 1"),
        box("AYS3", 247, 135, "[в том, что] Y строка 1"),
        extra(box("AXS31", 303, 135, "[X дополнительная строка]\n[под строкой 1 \"в том, что\"]")),
        extra(box("AYS31", 346, 135, "[Y дополнительная строка]\n[под строкой 1 \"в том, что\"]")),
        box("AXS4", 204, 145, "[в том, что] X строка 2"),
        box("AYS4", 247, 145, "[в том, что] Y строка 2"),
        extra(box("AXS41", 303, 145, "[X дополнительная строка]\n[под строкой 2 \"в том, что\"]")),
        extra(box("AYS41", 346, 145, "[Y дополнительная строка]\n[под строкой 2 \"в том, что\"]")),
        box("AXKOL", 106, 155, "[в количестве]  X "),
        box("AYKOL", 149, 155, "[в количестве]  Y"),
        box("AXUP", 204, 155, "[упаковка]  X "),
        box("AYUP", 247, 155, "[упаковка]  Y"),
        box("AXMK", 303, 155, "[маркировка]  X "),
        box("AYMK", 346, 155, "[маркировка]  Y"),
        box("AXS5", 204, 165, "[выработанная] X  строка 1"),
        box("AYS5", 247, 165, "[выработанная]  Y строка 1"),
        extra(box("AXS71", 106, 175, "[X дополнительная строка]\n[под строкой 1 \"выработанная\"]")),
        extra(box("AYS71", 149, 175, "[Y дополнительная строка]\n[под строкой 1 \"выработанная\"]")),
        box("AXS7", 204, 175, "[выработанная]  X  строка 2"),
        box("AYS7", 247, 175, "[выработанная]  Y  строка 2"),
        box("AXDV", 303, 175, "[дата выработки]  X "),
        box("AYDV", 346, 175, "[дата выработки]  Y"),
        extra(box("AXS72", 106, 184, "[X дополнительная строка]\n[под строкой 2 \"выработанная\"]")),
        extra(box("AYS72", 149, 184, "[Y дополнительная строка]\n[под строкой 2 \"выработанная\"]")),
        box("AXS8", 204, 205, "[признана годной]  X  строка 1"),
        box("AYS8", 247, 205, "[признана годной]  Y  строка 1"),
        box("AXS10", 204, 217, "[признана годной]  X  строка 2"),
        box("AYS10", 247, 217, "[признана годной]  Y строка 2"),
        box("AXS11", 204, 227, "[выходит из]  X "),
        box("AYS11", 247, 227, "[выходит из]  Y "),
        box("AXS13", 204, 237, "[и направляется]  X"),
        box("AYS13", 247, 237, "[и направляется]  Y"),
        extra(box("AXS143", 303, 237, "[X дополнительная строка]\n[над строкой 1 \"по\"]")),
        extra(box("AYS143", 346, 237, "[Y дополнительная строка]\n[над строкой 1 \"по\"]")),
        box("AXS14", 85, 246, "[в] X строка 1"),
        box("AYS14", 128, 246, "[в] Y строка 1"),
        box("AXS141", 303, 247, "[по] X строка 1"),
        box("AYS141", 346, 247, "[по] Y строка 1"),
        extra(box("AXS142", 85, 256, "[X дополнительная строка]\n[под строкой 1 \"в\"]")),
        extra(box("AYS142", 128, 256, "[Y дополнительная строка]\n[под строкой 1 \"в\"]")),
        extra(box("AXS144", 204, 256, "[X дополнительная строка]\n[под строкой 1 \"по\"]")),
        extra(box("AYS144", 248, 256, "[Y дополнительная строка]\n[под строкой 1 \"по\"]")),
        box("AXS15", 327, 256, "[продкуция подвергнута]  X строка 1"),
        box("AYS15", 370, 256, "[продкуция подвергнута]  Y строка 1"),
        extra(box("AXS151", 85, 266, "[X дополнительная строка]\n[под строкой 1 \"продукция подвергнута\"]")),
        extra(box("AYS151", 128, 266, "[Y дополнительная строка]\n[под строкой 1 \"продукция подвергнута\"]")),
        box("AXS16", 204, 266, "[продкуция подвергнута]  X строка 2"),
        box("AYS16", 248, 266, "[продкуция подвергнута]  Y строка 2"),
        extra(box("AXS161", 85, 276, "[X дополнительная строка]\n[под строкой 2 \"продукция подвергнута\"]")),
        extra(box("AYS161", 128, 276, "[Y дополнительная строка]\n[под строкой 2 \"продукция подвергнута\"]")),
        box("AXS17", 204, 277, "[особые отметки]  X строка 1"),
        box("AYS17", 248, 277, "[особые отметки]  Y строка 1"),
        box("AXS18", 204, 287, "[особые отметки]  X строка 2"),
        box("AYS18", 248, 287, "[особые отметки]  Y строка 2"),
        box("AXS19", 204, 297, "[особые отметки]  X строка 3"),
        box("AYS19", 248, 297, "[особые отметки]  Y строка 3"),
        extra(box("AXS191", 204, 307, "[X дополнительная строка]\n[под строкой 3 \"ОСОБЫЕ ОТМЕТКИ\"]")),
        extra(box("AYS191", 248, 307, "[Y дополнительная строка]\n[под строкой 3 \"ОСОБЫЕ ОТМЕТКИ\"]")),
        box("AXP1", 85, 381, "[получил]  X строка 1"),
        box("AYP1", 128, 381, "[получил]  Y строка 1"),
        box("AXP2", 85, 394, "[получил]  X строка 2"),
        box("AYP2", 129, 394, "[получил]  Y строка 2"),
        box("AXP3", 303, 381, "[выдал]  X строка 1"),
        box("AYP3", 346, 381, "[выдал]  Y строка 1"),
        box("AXP4", 303, 394, "[выдал]  X строка 2"),
        box("AYP4", 346, 394, "[выдал]  Y строка 2"),
    };
}

std::vector<std::vector<ControlDef>> backSide() {
    return {
        backRow(124, "AYS20", {"AXS20", "AXS201", "AXS202", "AXS203", "AXS204", "AXS205", "AXS206"}),
        backRow(136, "AYS21", {"AXS21", "AXS211", "AXS212", "AXS213", "AXS214", "AXS215", "AXS216"}),
        backRow(149, "AYS22", {"AXS22", "AXS221", "AXS222", "AXS223", "AXS224", "AXS225", "AXS226"}),
        backRow(162, "AYS23", {"AXS23", "AXS231", "AXS232", "AXS233", "AXS234", "AXS235", "AXS236"}),
        backRow(174, "AYS24", {"AXS24", "AXS241", "AXS242", "AXS243", "AXS244", "AXS245", "AXS246"}),
        backRow(185, "AYS25", {"AXS25", "AXS251", "AXS252", "AXS253", "AXS254", "AXS255", "AXS256"}),
    };
}

std::vector<ControlDef> frontPage() {
    return {
        {.kind = ControlKind::Image, .label = "?Image:1", .at = {7, 20, 435, 405}, .image = ":/pictures/Forma2F@2x.jpg"},
        text("?Axes", {25, 20}, "[X и Y математические оси. Настраиваем с верхнего левого угла.]", {.colour = kNavy}),
        text("?HeadX", {221, 40}, "X", kHead),
        text("?HeadY", {265, 40}, "Y", kHead),
        {.kind = ControlKind::Prompt, .label = "?NamePrompt", .at = {205, 28}, .text = "Наименование настройки:"},
        field(ControlKind::Entry, "LAS:NAME", {301, 28, 133, 10}, "s30"),
        {.kind = ControlKind::GroupBox, .label = "?FontGroup", .at = {45, 44, 156, 50}},
        button("?OK", {294, 59, 45, 12}, "[Сохранить]", "Сохранить настройку"),
        button("?Cancel", {343, 59, 45, 12}, "[Отменить]", "Выйти без сохранения", "Cancel operation"),
        button("?Font", {389, 59, 45, 12}, "[Шрифт]", "Выбрать шрифт для печати"),
        {.kind = ControlKind::Prompt, .label = "?FontPrompt", .at = {294, 74}, .text = "Шрифт:"},
        field(ControlKind::Entry, "LAS:TYPEFACE", {321, 73, 85, 12}, "s31"),
        {.kind = ControlKind::SpinBox, .label = "?LAS:FONTSIZE", .at = {409, 73, 26, 13}, .use = "LAS:FONTSIZE", .minimum = 1, .maximum = 100},
        text("?Extra:1", {308, 128}, "Дополнительная строка", kSmallGreen),
        text("?Extra:2", {308, 229}, "Дополнительная строка", kSmallGreen),
        text("?Extra:3", {89, 236}, "Дополнительная строка", kSmallGreen),
        text("?Extra:4", {212, 248}, "Дополнительная строка", kSmallGreen),
    };
}

std::vector<ControlDef> backPage() {
    std::vector<ControlDef> page{
        {.kind = ControlKind::Image, .label = "?Image:2", .at = {9, 24, 431, 400}, .image = ":/pictures/Forma2_2F_nastr.jpg"},
        text("?HeadY:2", {407, 107}, "Y", kHead),
    };
    int column = 0;
    for (int x : {88, 136, 169, 204, 235, 273, 306})
        page.push_back(text(QStringLiteral("?HeadX:%1").arg(++column), {x, 107}, "Х", kHead));
    return page;
}
// clang-format on

std::vector<ControlDef> allOnTab(std::vector<ControlDef> defs, const QString& tab) {
    for (ControlDef& def : defs)
        def.tab = tab;
    return defs;
}

}  // namespace

const std::vector<ControlDef>& controls() {
    static const std::vector<ControlDef> table = [] {
        std::vector<ControlDef> all{
            {.kind = ControlKind::Sheet, .label = kSheet, .at = {2, 3, 446, 425}},
            {.kind = ControlKind::Tab,
             .label = kFrontTab,
             .text = "[Текущая настройка (лицевая сторона)]",
             .tab = kSheet},
            {.kind = ControlKind::Tab,
             .label = kBackTab,
             .text = "[Текущая настройка (обратная сторона)]",
             .tab = kSheet},
        };
        for (const auto& page : {allOnTab(frontPage(), kFrontTab), allOnTab(backPage(), kBackTab)})
            all.insert(all.end(), page.begin(), page.end());
        // Shown on either side: it checks the side in view.
        all.push_back(button("?Check", {343, 44, 91, 12}, "[Проверить печать]",
                             "Посмотреть печать с этой настройкой, не сохраняя её (Ctrl+P)"));
        return all;
    }();
    return table;
}

const std::vector<ControlDef>& positions() {
    static const std::vector<ControlDef> table = [] {
        std::vector<ControlDef> all = frontSide();
        for (const auto& row : backSide())
            all.insert(all.end(), row.begin(), row.end());
        return all;
    }();
    return table;
}

}  // namespace UpdateNastrLayout
