#include "data/selection_controls.h"

namespace SelectionControls {

namespace {

ControlDef button(const char* label, At at, const char* text, const char* tooltip) {
    return {
        .kind = ControlKind::Button, .label = label, .at = at, .text = text, .tooltip = tooltip};
}

ControlDef prompt(const char* label, At at, const char* text, const char* tab) {
    return {.kind = ControlKind::Prompt, .label = label, .at = at, .text = text, .tab = tab};
}

ControlDef entry(const char* field, At at, const char* picture, const char* tooltip,
                 const char* tab, bool readOnly = false) {
    const QString use = QString::fromLatin1(field);
    return {.kind = ControlKind::Entry,
            .label = QLatin1Char('?') + use,
            .at = at,
            .use = use,
            .picture = picture,
            .tooltip = tooltip,
            .readOnly = readOnly,
            .tab = tab};
}

ControlDef sheet(At at, bool wizard) {
    return {.kind = ControlKind::Sheet, .label = "?CurrentTab", .at = at, .wizard = wizard};
}

ControlDef tab(const char* label, const char* text) {
    return {.kind = ControlKind::Tab, .label = label, .text = text, .tab = "?CurrentTab"};
}

}  // namespace

const std::vector<ControlDef>& browseBd() {
    static const std::vector<ControlDef> table{
        button("?SortButton", {4, 3, 56, 12}, "Сортировать", "[Сортировать записи]"),
        sheet({4, 17, 297, 78}, true),
        tab("?Tab:1", "iD"),
        tab("?Tab:2", "Наименование"),
        button("?Insert", {8, 79, 45, 13}, "Добавить", "[Добавить]"),
        button("?Change", {55, 79, 45, 13}, "Изменить", "[Изменить]"),
        button("?Delete", {102, 79, 45, 13}, "Удалить", "[Удалить]"),
        button("?Connect", {237, 79, 60, 13}, "Подключить", "[Сделать соединение активным]"),
        button("?Insert:2", {4, 161, 45, 13}, "Добавить", "[Добавить]"),
        button("?Change:2", {51, 161, 45, 13}, "Изменить", "[Изменить]"),
        button("?Delete:2", {98, 161, 45, 13}, "Удалить", "[Удалить]"),
        prompt("?PathPrompt", {4, 180, 0, 0}, "Путь к БД:", ""),
        {.kind = ControlKind::Entry,
         .label = "?PathField",
         .at = {44, 179, 257, 10},
         .readOnly = true},
    };
    return table;
}

const std::vector<ControlDef>& updateBd() {
    static const std::vector<ControlDef> table{
        sheet({4, 4, 278, 58}, false),
        tab("?Tab:1", "БД организации"),
        prompt("?RID:KOD:Prompt", {12, 25, 0, 0}, "iD", "?Tab:1"),
        entry("RID:KOD", {84, 24, 30, 10}, "n3b", "[iD базы данных,\nформируется автоматически]",
              "?Tab:1", true),
        prompt("?RID:NAME:Prompt", {12, 41, 0, 0}, "Наименование БД", "?Tab:1"),
        entry("RID:NAME", {84, 40, 190, 10}, "s35", "[Имя БД организации]", "?Tab:1"),
        button("?OK", {170, 67, 54, 15}, "Сохранить", "Accept data and close the window"),
        button("?Cancel", {228, 67, 54, 15}, "Отменить", "Cancel operation"),
    };
    return table;
}

const std::vector<ControlDef>& updateConfig() {
    static const std::vector<ControlDef> table{
        sheet({4, 4, 319, 62}, false),
        tab("?Tab:1", "Расположение БД в локальной сети"),
        prompt("?KON:KOD:Prompt", {12, 22, 0, 0}, "Узел", "?Tab:1"),
        entry("KON:KOD", {84, 21, 30, 10}, "n3b", "[iD БД организации,\nформируется автоматически]",
              "?Tab:1", true),
        prompt("?KON:NAME:Prompt", {12, 35, 0, 0}, "Наименование БД:", "?Tab:1"),
        entry("KON:NAME", {84, 34, 231, 10}, "s60", "[Имя БД подведомственной организации]",
              "?Tab:1"),
        prompt("?KON:PATH:Prompt", {12, 48, 0, 0}, "Полный путь к БД:", "?Tab:1"),
        entry("KON:PATH", {84, 47, 231, 10}, "s255",
              "[Полный путь к БД]\n\nСинтаксис:\nимя_диска/имя_папки/\n\nНапример:\n"
              "C:/Формы_документов/Форма_2/\n\nВажно!!! Полный путь закрыть слэшем (/).\n"
              "Диск может быть сетевым или локальным.",
              "?Tab:1"),
        button("?OK", {211, 71, 54, 15}, "Сохранить", "[Сохранить]"),
        button("?Cancel", {269, 71, 54, 15}, "Отменить", "[Отменить изменения]"),
    };
    return table;
}

}  // namespace SelectionControls
