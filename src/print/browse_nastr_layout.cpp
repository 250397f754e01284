#include "print/browse_nastr_layout.h"

#include <QColor>

#include "data/last.h"

namespace BrowseNastrLayout {

namespace {

const ControlFont kNote{.italic = true, .colour = QColor(128, 128, 128)};

}  // namespace

const std::vector<ControlDef>& controls() {
    static const std::vector<ControlDef> table{
        {.kind = ControlKind::Sheet, .label = "?CurrentTab", .at = {4, 4, 263, 118}},
        {.kind = ControlKind::Tab,
         .label = "?Tab:1",
         .text = "[Настрока по умолчанию]",
         .tab = "?CurrentTab"},
        {.kind = ControlKind::Button,
         .label = "?Change",
         .at = {214, 22, 47, 14},
         .text = "[Изменить]",
         .tooltip = "Изменить текущую настройку",
         .tab = "?Tab:1"},
        {.kind = ControlKind::Button,
         .label = "?Help",
         .at = {241, 100, 20, 16},
         .text = "i",
         .font = {.family = "Book Antiqua", .size = 14},
         .tooltip = "Инструкция по точной настройке",
         .tab = "?Tab:1"},
        {.kind = ControlKind::Text,
         .label = "?Note:1",
         .at = {6, 127},
         .text = "[Настройка на стандартный лазерный принтер] [практически на все]",
         .font = kNote},
        {.kind = ControlKind::Text,
         .label = "?Note:2",
         .at = {6, 140},
         .text = "[Можно настроить на струйный, матричный. Шаг настройки 0.1 мм]",
         .font = kNote},
    };
    return table;
}

std::vector<BrowseColumn> columns() {
    return {{.head = QStringLiteral("[Наименование настройки]"),
             .field = LAS::NAME,
             .picture = QStringLiteral("s30"),
             .width = 127},
            {.head = QStringLiteral("Последняя отредакт.форма"),
             .headAlignment = Qt::AlignRight,
             .field = LAS::NFORM,
             .picture = QStringLiteral("n8"),
             .width = 56,
             .alignment = Qt::AlignRight,
             .indent = 2}};
}

}  // namespace BrowseNastrLayout
