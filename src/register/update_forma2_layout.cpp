#include "register/update_forma2_layout.h"

#include <array>

#include "data/shared_values.h"
#include "register/filling_rules.h"

namespace UpdateForma2Layout {

namespace {

const QColor kGrey(104, 104, 104);         // the blank's printed words
const QColor kRose(255, 128, 128);         // group captions and two prompts
const QColor kMainLine(255, 223, 223);     // values printed on the blank's main lines
const QColor kServiceLine(200, 255, 200);  // number, date, status, description, extra lines
const QColor kCounter(255, 255, 172);      // the two character counters
const QColor kShift(255, 255, 200);        // the whole-form shift
const QColor kColumnHead(128, 128, 128);   // column heads of the back's table

const ControlFont kValue{.size = 10};
const ControlFont kHeadingLine{.size = 10, .bold = true};
const ControlFont kCaption{.size = 9, .bold = true, .colour = kGrey};
const ControlFont kNote{.size = 7, .colour = kGrey};
const ControlFont kRoseCaption{.colour = kRose};
const ControlFont kBold{.bold = true};

ControlDef entry(const QString& label, At at, const QString& picture, const ControlFont& font,
                 const QColor& fill, const QString& status = {}, const QString& tooltip = {}) {
    return {.kind = ControlKind::Entry,
            .label = label,
            .at = at,
            .use = label.mid(1),
            .picture = picture,
            .font = font,
            .fill = fill,
            .statusText = status,
            .tooltip = tooltip};
}

ControlDef required(ControlDef def) {
    def.required = true;
    return def;
}

// A continuation line: hidden until the check box asks for the extra lines.
ControlDef extraLine(const QString& label, At at, const QString& picture,
                     const QString& tooltip = {}) {
    ControlDef def = entry(label, at, picture, kValue, kServiceLine, {}, tooltip);
    def.hidden = true;
    return def;
}

ControlDef text(const QString& label, At at, const QString& text, const ControlFont& font = {}) {
    return {.kind = ControlKind::Text, .label = label, .at = at, .text = text, .font = font};
}

ControlDef prompt(const QString& label, At at, const QString& text, const ControlFont& font = {}) {
    return {.kind = ControlKind::Prompt, .label = label, .at = at, .text = text, .font = font};
}

ControlDef group(const QString& label, At at, const QString& text, const ControlFont& font = {}) {
    return {.kind = ControlKind::GroupBox, .label = label, .at = at, .text = text, .font = font};
}

// face: an icon's resource path, or the button's text.
ControlDef button(const QString& label, At at, const QString& face, const QString& tooltip,
                  const QString& status = {}, const ControlFont& font = {}) {
    const bool icon = face.startsWith(u":/");
    return {.kind = ControlKind::Button,
            .label = label,
            .at = at,
            .text = icon ? QString() : face,
            .font = font,
            .statusText = status,
            .tooltip = tooltip,
            .image = icon ? face : QString()};
}

ControlDef picture(const QString& label, At at, const QString& resource) {
    return {.kind = ControlKind::Image, .label = label, .at = at, .image = resource};
}

ControlDef columnHead(const QString& label, At at, const QString& text) {
    return {.kind = ControlKind::Text,
            .label = label,
            .at = at,
            .text = text,
            .font = {.italic = true, .colour = kColumnHead}};
}

ControlDef shift(const QString& label, At at) {
    return {.kind = ControlKind::SpinBox,
            .label = label,
            .at = at,
            .use = label.mid(1),
            .picture = "n-3",
            .fill = kShift,
            .minimum = -kShiftLimit,
            .maximum = kShiftLimit};
}

std::vector<ControlDef> onPage(std::vector<ControlDef> rows, const QString& tab) {
    for (ControlDef& row : rows)
        row.tab = tab;
    return rows;
}

// clang-format off
std::vector<ControlDef> frontTop() {
    return {
        picture("?IMAGE1", {13, 18, 509, 560}, ":/pictures/Forma2F@2x.jpg"),
        button("?BUTTON9", {272, 41, 23, 18}, ":/icons/copy.png", "Копировать в буфер обмена"),
        button("?BUTTON8", {297, 41, 23, 18}, ":/icons/paste.png", "Вставить из буфера обмена"),
        button("?CANCEL", {393, 41, 23, 18}, ":/icons/FIND.ICO", "Выйти без сохранения", "Выйти без сохранения"),
        button("?OK", {418, 41, 23, 18}, ":/icons/save.png", "Сохранить форму", "Сохранить форму"),
        button("?BUTTON7", {443, 41, 23, 18}, "i", "Правила заполнения", {}, {.family = "Book Antiqua", .size = 14, .bold = true, .italic = true, .colour = QColor(0, 64, 128)}),
        text("?STRING2", {66, 55}, "ГОСУДАРСТВЕННАЯ ВЕТЕРИНАРНАЯ СЛУЖБА", {.size = 10, .bold = true, .colour = kGrey}),
        text("?STRING4", {433, 55}, "Форма №2", kCaption),
        group("?GROUP3", {58, 64, 220, 54}, "Текст"),
        group("?GROUP2", {281, 65, 211, 33}, "Служебная информация", kRoseCaption),
        entry("?FR3:Z1", {65, 73, 208, 8}, "s46", kHeadingLine, kMainLine, {}, "[Субъект Российской Федерации]"),
        prompt("?FR3:COMMENT:PROMPT", {285, 75}, "Статус"),
        {.kind = ControlKind::DropCombo, .label = "?FR3:COMMENT", .at = {365, 77, 82, 8}, .use = "FR3:COMMENT", .picture = "s9", .fill = kServiceLine, .tooltip = "Для формирования отчета о выданных документах", .items = {"Выдано", "Испорчено", "Образец"}},
        text("?STRING24:2", {118, 80}, "(субъект Российской Федерации)", kNote),
        entry("?FR3:Z2", {65, 85, 208, 8}, "s46", kHeadingLine, kMainLine, {}, "[город, район]"),
        prompt("?FR3:OPIS:PROMPT", {285, 86}, "Описание [для поиска]", kRoseCaption),
        entry("?FR3:OPIS", {365, 87, 124, 8}, "s25", {}, kServiceLine),
        text("?STRING24:3", {137, 92}, "(район, город)", kNote),
        entry("?FR3:Z3", {65, 97, 208, 8}, "s46", kHeadingLine, kMainLine, {}, "[наименование учреждения]"),
        {.kind = ControlKind::CheckBox, .label = "?FR3:CHEK", .at = {291, 101}, .use = "FR3:CHEK", .text = "  показать дополнительные строки", .font = kBold},
        text("?STRING24:4", {117, 104}, "(наименование учреждения)", kNote),
        entry("?FR3:Z4", {65, 106, 208, 8}, "s46", kHeadingLine, kMainLine),
        text("?STRING3", {115, 116}, "КОРЕШОК ВЕТЕРИНАРНОГО  СВИДЕТЕЛЬСТВА", {.size = 14, .bold = true, .colour = kGrey}),
    };
}

std::vector<ControlDef> numberAndDate() {
    return {
        group("?GROUP1", {43, 126, 243, 25}, "Обязательная информация о свидетельстве", kRoseCaption),
        text("?STRING5", {323, 135, 11, 10}, "от", kCaption),
        entry("?FR3:DAY", {338, 135, 15, 8}, "P##P", kValue, kMainLine, "День", "День"),
        entry("?FR3:MES", {373, 135, 71, 8}, "s8", kValue, kMainLine, "Месяц", "Месяц"),
        entry("?FR3:GOD", {458, 135, 15, 8}, "P##P", kValue, kMainLine, "Год", "Год"),
        button("?CALENDAR", {255, 136, 14, 12}, ":/icons/calendarn.ico", "Дата выдачи"),
        prompt("?FR3:DATAV:PROMPT:2", {56, 138, 11, 11}, "№"),
        required(entry("?FR3:NFORM", {68, 138, 101, 8}, "n_9b", kValue, kServiceLine, "№ свидетельства", "№ свидетельства [обязательная информация]")),
        prompt("?FR3:DATAV:PROMPT", {173, 138, 11, 11}, "от"),
        required(entry("?FR3:DATAV", {188, 138, 63, 8}, "d6.b", kValue, kServiceLine, "Дата выдачи свидетельства", "Дата выдачи [обязательная информация]")),
    };
}

std::vector<ControlDef> body() {
    return {
        entry("?FR3:S1", {386, 153, 104, 8}, "s20", kValue, kMainLine, "Наименование юл", fillingRule(1)),
        text("?STRING6", {53, 154}, "Я, нижеподписавшийся, выдал настоящее ветернарное свидетельство", kCaption),
        text("?STRING24", {408, 160}, "(наименование", kNote),
        entry("?FR3:S2", {50, 166, 440, 8}, "s91", kValue, kMainLine, "Наименование юл", fillingRule(1)),
        text("?STRING25", {199, 173}, "юридического лица или Ф. И. О. физического лица)", kNote),
        entry("?FR3:S3", {109, 175, 381, 8}, "s81", kValue, kMainLine, "Наименование сырья", fillingRule(2)),
        text("?STRING7", {53, 176}, "в том, что", kCaption),
        extraLine("?FR3:S31", {50, 184, 440, 8}, "s91"),
        text("?STRING26", {225, 187}, "(наименование продукции)", {.size = 7, .italic = true, .colour = kGrey}),
        entry("?FR3:S4", {50, 193, 440, 8}, "s91", kValue, kMainLine, "Наименование сырья", fillingRule(2)),
        extraLine("?FR3:S41", {50, 202, 440, 8}, "s91"),
        entry("?FR3:KOL", {108, 211, 130, 8}, "s27", kValue, kMainLine, "Количество", fillingRule(3)),
        entry("?FR3:UP", {242, 211, 122, 8}, "s25", kValue, kMainLine, "Упаковка", "Упаковка"),
        entry("?FR3:MK", {368, 211, 122, 8}, "s25", kValue, kMainLine, "Маркировка", "Маркировка"),
        text("?STRING8", {53, 212}, "в количестве", kCaption),
        text("?STRING27:3", {386, 216}, "(маркировка)", kNote),
        text("?STRING27", {148, 217}, "(мест, штук, кг)", kNote),
        text("?STRING27:2", {268, 217}, "(упаковка)", kNote),
        entry("?FR3:S5", {123, 220, 367, 8}, "s77", kValue, kMainLine, "Происхождение", fillingRule(4)),
        text("?STRING9", {53, 222}, "выработанная", kCaption),
        extraLine("?FR3:S71", {50, 229, 440, 8}, "s91"),
        text("?STRING27:4", {233, 230}, "(наименование предприятия, Ф. И. О. владельца,", kNote),
        entry("?FR3:S7", {50, 238, 351, 8}, "s71", kValue, kMainLine, {}, fillingRule(4)),
        entry("?FR3:DATAVUR", {403, 238, 86, 8}, "s44", {}, kMainLine, {}, "Дата выработки"),
        text("?STRING27:5", {198, 244}, "адрес)", kNote),
        text("?STRING27:6", {390, 244}, "(дата выработки)", kNote),
        extraLine("?FR3:S72", {50, 247, 440, 8}, "s91"),
        text("?STRING10", {53, 253}, "подвергнута ветеринарно-санитарной экспертизе в полном объёме", kCaption),
        text("?STRING1", {499, 257, 5, 13}, "|", {.size = 12, .bold = true, .colour = kRose}),
        entry("?VS_SIM", {478, 258, 19, 11}, "n2b", {.size = 14, .bold = true, .colour = QColor(0, 128, 64)}, kCounter, {}, "Можно ввести [символов]"),
        entry("?KOL_SIM", {504, 258, 19, 11}, "n2b", {.size = 14, .bold = true, .colour = QColor(0, 169, 251)}, kCounter, {}, "Осталось ввести [символов]"),
        text("?STRING11", {53, 265}, "изготовлена из сырья, прошедшего ветеринарно-санитарную экспертизу (ненужное зачеркнуть)", kCaption),
        entry("?FR3:S8", {159, 278, 331, 8}, "s69", kValue, kMainLine, "Признано годным", fillingRule(5)),
        text("?STRING12", {53, 279}, "и признана годной для", kCaption),
        text("?STRING27:7", {214, 285}, "(реализация без ограничений, с ограничением - указать причины)", kNote),
        entry("?FR3:S10", {47, 293, 443, 8}, "s91", kValue, kMainLine, {}, fillingRule(5)),
        text("?STRING27:8", {194, 300}, "(или переработка согласно правилам санветэкспертизы)", kNote),
        entry("?FR3:S11", {110, 306, 380, 8}, "s80", kValue, kMainLine, {}, fillingRule(6)),
        text("?STRING13", {53, 308}, "выходит из", kCaption),
        text("?STRING27:9", {233, 313}, "(адрес и местонахождения продукции)", kNote),
        entry("?FR3:S13", {134, 317, 356, 8}, "s75", kValue, kMainLine, {}, fillingRule(7)),
        text("?STRING14", {53, 319}, "и направляется", kCaption),
        extraLine("?FR3:S143", {273, 326, 217, 8}, "s45", fillingRule(8)),
        text("?STRING27:10", {194, 327}, "(вид тарспорта, маршрут следования, условия переработки)", kNote),
        entry("?FR3:S14", {61, 335, 195, 8}, "s40", kValue, kMainLine, {}, fillingRule(9)),
        entry("?FR3:S141", {273, 335, 217, 8}, "s45", kValue, kMainLine, {}, fillingRule(8)),
        text("?STRING15", {53, 336, 11, 10}, "в", kCaption),
        text("?STRING15:2", {257, 336, 11, 10}, "по", kCaption),
        text("?STRING27:11", {86, 341}, "(наименование и адрес получателя)", kNote),
        extraLine("?FR3:S142", {61, 344, 195, 8}, "s40"),
        extraLine("?FR3:S144", {273, 344, 217, 8}, "s45", fillingRule(8)),
        text("?STRING17", {53, 352}, "Продукция подвергнута дополнительным лабораторным исследованиям", kCaption),
        entry("?FR3:S15", {389, 353, 101, 8}, "s20", kValue, kMainLine, {}, fillingRule(10)),
        text("?STRING27:13", {413, 356}, "(наименование", kNote),
        extraLine("?FR3:S151", {47, 363, 443, 8}, "s91"),
        entry("?FR3:S16", {47, 372, 443, 8}, "s91", kValue, kMainLine, {}, fillingRule(10)),
        extraLine("?FR3:S161", {47, 381, 443, 8}, "s91"),
        text("?STRING18", {53, 389}, "ОСОБЫЕ ОТМЕТКИ", kCaption),
        entry("?FR3:S17", {131, 390, 359, 8}, "s73", kValue, kMainLine, {}, fillingRule(11)),
        entry("?FR3:S18", {50, 399, 440, 8}, "s91", kValue, kMainLine, {}, fillingRule(11)),
        text("?STRING27:15", {230, 404}, "(указывается эпизоотическое благополучие местности,", kNote),
        entry("?FR3:S19", {50, 409, 440, 8}, "s91", kValue, kMainLine, {}, fillingRule(11)),
        text("?STRING27:17", {211, 414}, "перечисляются номера клейм и др.)", kNote),
        extraLine("?FR3:S191", {50, 419, 440, 8}, "s91"),
        text("?STRING19", {53, 430}, "Транспортное средство очищено и продезинфицировано.", kCaption),
        text("?STRING20", {53, 441}, "Свидетельство предъявляется для контроля при погрузке, в пути следования и передаётся", kCaption),
        text("?STRING21", {53, 451}, " грузополучателю. Копии свидетельства недействительны.", kCaption),
    };
}

std::vector<ControlDef> signatures() {
    return {
        text("?STRING22", {61, 497}, "Ветеринарное свидетельство получил", kCaption),
        text("?STRING22:2", {309, 498}, "Ветеринарное свидетельство выдал", kCaption),
        entry("?FR3:P1", {54, 513, 183, 8}, "s32", kValue, kServiceLine),
        entry("?FR3:P3", {299, 513, 183, 8}, "s32", kValue, kServiceLine, "подпись и полное наименование должности", "подпись и полное наименование должности"),
        text("?STRING27:18", {75, 521}, "(подпись и полное наименование должности)", kNote),
        text("?STRING27:21", {328, 521}, "(подпись и полное наименование должности)", kNote),
        entry("?FR3:P2", {54, 531, 183, 8}, "s32", kValue, kServiceLine),
        entry("?FR3:P4", {299, 531, 183, 8}, "s32", kValue, kServiceLine, "фамилия, инициалы", "фамилия, инициалы"),
        text("?STRING27:19", {103, 540}, "(фамилия, инициалы)", kNote),
        text("?STRING27:20", {356, 540}, "(фамилия, инициалы)", kNote),
    };
}

std::vector<ControlDef> backPictures() {
    return {
        picture("?IMAGE2", {11, 21, 511, 554}, ":/pictures/Forma2_2F@2x.jpg"),
        picture("?IMAGE6", {13, 22, 15, 552}, ":/pictures/L_g.jpg"),
        picture("?IMAGE5", {14, 22, 508, 15}, ":/pictures/L_v.jpg"),
    };
}

std::vector<ControlDef> columnHeads() {
    return {
        columnHead("?STRING51:13", {236, 87}, "Кол-во изъятых"),
        columnHead("?STRING51", {94, 88}, "Дата"),
        columnHead("?STRING51:19", {316, 90}, "Кол-во продуктов,"),
        columnHead("?STRING51:24", {411, 90}, "Подпись"),
        columnHead("?STRING51:10", {165, 91}, "Осмотрено"),
        columnHead("?STRING51:14", {232, 94}, "продуктов, сырья,"),
        columnHead("?STRING51:2", {73, 96}, "и наименование"),
        columnHead("?STRING51:20", {340, 97}, "сырья,"),
        columnHead("?STRING51:25", {394, 97}, "должностного лица,"),
        columnHead("?STRING51:11", {165, 99}, "продуктов,"),
        columnHead("?STRING51:15", {246, 101}, "в т. ч. из-за"),
        columnHead("?STRING51:21", {327, 102}, "разрешенных"),
        columnHead("?STRING51:3", {82, 103}, "пункта, где"),
        columnHead("?STRING51:26", {395, 105}, "производившего"),
        columnHead("?STRING51:12", {175, 107}, "сырья"),
        columnHead("?STRING51:16", {250, 108}, "недобро-"),
        columnHead("?STRING51:4", {82, 109, 41, 10}, "проводился"),
        columnHead("?STRING51:22", {324, 109}, "к дальнейшему"),
        columnHead("?STRING51:27", {413, 113}, "осмотр"),
        columnHead("?STRING51:5", {75, 115}, "ветеринарный"),
        columnHead("?STRING51:17", {234, 115}, "качественности,"),
        columnHead("?STRING51:23", {329, 117}, "следованию"),
        columnHead("?STRING51:6", {73, 121}, "осмотр (изъятие)"),
        columnHead("?STRING51:28", {410, 121}, "и печать"),
        columnHead("?STRING51:18", {246, 122}, "порчи и др."),
        columnHead("?STRING51:29", {153, 126}, "мест"),
        columnHead("?STRING51:35", {196, 126}, "вес"),
        columnHead("?STRING51:7", {79, 128}, "(П - погрузка,"),
        columnHead("?STRING51:31", {237, 131}, "мест"),
        columnHead("?STRING51:36", {277, 131}, "вес"),
        columnHead("?STRING51:33", {317, 131}, "мест"),
        columnHead("?STRING51:37", {357, 131}, "вес"),
        columnHead("?STRING51:30", {151, 132}, "(штук)"),
        columnHead("?STRING51:8", {79, 133}, "Т - транзит,"),
        columnHead("?STRING51:32", {235, 136}, "(штук)"),
        columnHead("?STRING51:34", {315, 136}, "(штук)"),
        columnHead("?STRING51:9", {79, 139}, "В - выгрузка)"),
    };
}

std::vector<ControlDef> aboveSheet() {
    return {
        text("?STRING76:3", {160, 6}, "Сдвинуть всю форму:", {.colour = QColor(0, 128, 64)}),
        text("?STRING76", {245, 6}, "[влево (-) / вправо (+)]", {.colour = QColor(0, 64, 64)}),
        shift("?AX", {327, 6, 25, 10}),
        text("?STRING78", {357, 6}, "[мм]", {.colour = QColor(0, 128, 64)}),
        text("?STRING76:2", {384, 6}, "[вверх (-) / вниз (+)]", {.colour = QColor(0, 64, 64)}),
        shift("?AY", {457, 6, 25, 10}),
        text("?STRING78:2", {487, 6}, "[мм]", {.colour = QColor(0, 128, 64)}),
    };
}
// clang-format on

// Six rows of seven cells: the date or place of an inspection on the way,
// then places and weight inspected, seized and let through.
std::vector<ControlDef> inspectionCells() {
    const std::array<int, 6> cellX = {146, 188, 229, 270, 311, 352};
    const std::array<QString, 3> firstCellTips = {"Дата", "Наименование пункта",
                                                  "П - погрузка\nТ - транзит\nВ - выгрузка"};
    const ControlFont cell{.bold = true};
    std::vector<ControlDef> rows;
    for (int row = 0; row < 6; ++row) {
        const int y = 158 + 9 * row;
        const QString first = QStringLiteral("?FR3:S2%1").arg(row);
        rows.push_back(
            entry(first, {70, y, 75, 8}, "s15", cell, kMainLine, {}, firstCellTips[row % 3]));
        for (int column = 0; column < 6; ++column)
            rows.push_back(entry(first + QString::number(column + 1), {cellX[column], y, 40, 8},
                                 "s10", cell, kMainLine));
    }
    return rows;
}

void append(std::vector<ControlDef>& table, std::vector<ControlDef> rows) {
    table.insert(table.end(), rows.begin(), rows.end());
}

}  // namespace

std::vector<ControlDef> controls() {
    std::vector<ControlDef> table = {
        {.kind = ControlKind::Sheet, .label = "?SHEET1", .at = {5, 3, 521, 578}},
        {.kind = ControlKind::Tab, .label = "?TAB1", .text = "Лицевая сторона", .tab = "?SHEET1"},
        {.kind = ControlKind::Tab, .label = "?TAB2", .text = "Обратная сторона", .tab = "?SHEET1"},
    };
    for (auto* part : {frontTop, numberAndDate, body, signatures})
        append(table, onPage(part(), "?TAB1"));
    for (auto* part : {backPictures, columnHeads, inspectionCells})
        append(table, onPage(part(), "?TAB2"));
    append(table, aboveSheet());
    return table;
}

const QStringList& focusOrder() {
    static const QStringList order = {
        // clang-format off
        "?FR3:NFORM", "?FR3:OPIS", "?FR3:Z1", "?OK", "?BUTTON7", "?CANCEL", "?FR3:Z2", "?BUTTON9",
        "?BUTTON8", "?FR3:Z3", "?FR3:CHEK", "?FR3:Z4", "?FR3:DAY", "?FR3:MES", "?FR3:GOD",
        "?FR3:S1", "?FR3:S2", "?FR3:S3", "?FR3:S31", "?FR3:S4", "?FR3:S41", "?FR3:KOL", "?FR3:UP",
        "?FR3:MK", "?FR3:S5", "?FR3:S71", "?FR3:S7", "?FR3:DATAVUR", "?FR3:S72", "?VS_SIM",
        "?KOL_SIM", "?FR3:S8", "?FR3:S10", "?FR3:S11", "?FR3:S13", "?FR3:S143", "?FR3:S14",
        "?FR3:S141", "?FR3:S142", "?FR3:S144", "?FR3:S15", "?FR3:S151", "?FR3:S16", "?FR3:S161",
        // The special marks go S19 before S18, and the issue date sits among the signatures.
        "?FR3:S17", "?FR3:S19", "?FR3:S18", "?FR3:S191", "?FR3:COMMENT", "?FR3:P1", "?FR3:DATAV",
        "?CALENDAR", "?FR3:P3", "?FR3:P2", "?FR3:P4",
        "?FR3:S20", "?FR3:S201", "?FR3:S202", "?FR3:S203", "?FR3:S204", "?FR3:S205", "?FR3:S206",
        "?FR3:S21", "?FR3:S211", "?FR3:S212", "?FR3:S213", "?FR3:S214", "?FR3:S215", "?FR3:S216",
        "?FR3:S22", "?FR3:S221", "?FR3:S222", "?FR3:S223", "?FR3:S224", "?FR3:S225", "?FR3:S226",
        "?FR3:S23", "?FR3:S231", "?FR3:S232", "?FR3:S233", "?FR3:S234", "?FR3:S235", "?FR3:S236",
        "?FR3:S24", "?FR3:S241", "?FR3:S242", "?FR3:S243", "?FR3:S244", "?FR3:S245", "?FR3:S246",
        "?FR3:S25", "?FR3:S251", "?FR3:S252", "?FR3:S253", "?FR3:S254", "?FR3:S255", "?FR3:S256",
        "?AX", "?AY",
        // clang-format on
    };
    return order;
}

const QStringList& additionalLines() {
    static const QStringList lines = {"?FR3:S31",  "?FR3:S41",  "?FR3:S71",  "?FR3:S72",
                                      "?FR3:S142", "?FR3:S143", "?FR3:S144", "?FR3:S151",
                                      "?FR3:S161", "?FR3:S191"};
    return lines;
}

}  // namespace UpdateForma2Layout
