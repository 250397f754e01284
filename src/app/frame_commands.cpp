#include "app/frame_commands.h"

namespace {

using Kind = FrameCommand::Kind;

FrameMenuItem separator() {
    return {};
}

FrameMenuItem item(const char* text, const char* hint, const char* icon, FrameCommand command) {
    return {QString::fromUtf8(text), QString::fromUtf8(hint),
            QStringLiteral(":/icons/") + QLatin1String(icon), std::move(command)};
}

FrameCommand procedure(const char* name) {
    return {Kind::Procedure, QLatin1String(name)};
}

FrameCommand topic(const char* name) {
    return {Kind::HelpTopic, QString::fromUtf8(name)};
}

FrameButton navigation(const char* tooltip, const char* icon, ToolbarAction action) {
    return {QString::fromUtf8(tooltip),
            QStringLiteral(":/icons/") + QLatin1String(icon),
            {Kind::Navigate, {}, action}};
}

}  // namespace

// The texts are the program's own, misprints in two hints included.
const std::vector<FrameMenu>& frameMenus() {
    static const std::vector<FrameMenu> menus{
        {QStringLiteral("&Файл"),
         {},
         {item("&Настройки принтера...", "Настройки принтера...", "PRNFONT.ICO",
               {Kind::PrinterSetup}),
          separator(), item("Выход", "Exit this application", "EXIT.ICO", {Kind::Exit})}},
        {QStringLiteral("&Редактировать"),
         QStringLiteral("Редактировать"),
         {item("Вырезать", "Вырезать в Clipboard", "cut.png", {Kind::Cut}), separator(),
          item("Копировать", "Копировать в Clipboard", "copy.png", {Kind::Copy}), separator(),
          item("Вклеить", "Вклеить в документ", "paste.png", {Kind::Paste})}},
        {QStringLiteral("&Форма №2"),
         QStringLiteral("Раотать с документом \"Форма №2\""),
         {item("Подключить БД", "Подключить БД", "adr1.ico", procedure("BrowseBD")), separator(),
          item("Подготовка и печать 'Форма №2'", "дготовка и печать 'Форма №2'", "adr1.ico",
               procedure("BrowseFormf2")),
          separator(),
          item("О выданных документах", "О выданных документах", "PRNFONT.ICO",
               procedure("Rep_data")),
          separator(), item("Настройка формы", "", "Sch-ord.ico", procedure("BrowseNastr"))}},
        {QStringLiteral("Помощь"),
         QStringLiteral("Помощь"),
         {item("Инструкция по работе  ", "Правила заполнения", "help.png",
               topic("Краткое описание.htm")),
          separator(), item("О программе", "О программе", "help.png", procedure("Zast"))}},
    };
    return menus;
}

const std::vector<FrameButton>& frameButtons() {
    static const std::vector<FrameButton> buttons{
        navigation("Go to the First Page", "WAVCRFIRST.ICO", ToolbarAction::FirstPage),
        navigation("Go to the Prior Page", "WAVCRPRIOR.ICO", ToolbarAction::PriorPage),
        navigation("Go to the Prior Record", "WAVCRUP.ICO", ToolbarAction::PriorRecord),
        navigation("Locate record", "WAFIND.ICO", ToolbarAction::Locate),
        navigation("Go to the Next Record", "WAVCRDOWN.ICO", ToolbarAction::NextRecord),
        navigation("Go to the Next Page", "WAVCRNEXT.ICO", ToolbarAction::NextPage),
        navigation("Go to the Last Page", "WAVCRLAST.ICO", ToolbarAction::LastPage),
        navigation("Select This Record", "WAMARK.ICO", ToolbarAction::Select),
        navigation("Insert a New Record", "WAINSERT.ICO", ToolbarAction::Insert),
        navigation("Редактировать запись", "WACHANGE.ICO", ToolbarAction::Change),
        navigation("Удалить запись", "WADELETE.ICO", ToolbarAction::Delete),
        navigation("Вставить предыдущее значение", "WADITTO.ICO", ToolbarAction::History),
        navigation("Помощь", "WAVCRHELP.ICO", ToolbarAction::Help),
        {QStringLiteral("[Точная настройка печати строк формы]"),
         QStringLiteral(":/icons/Sch-ord.ico"), procedure("BrowseNastr")},
        {QStringLiteral("[Контакты (электронный адрес, сайт)]"), QStringLiteral(":/icons/PAPR.ICO"),
         topic("Контакты.htm")},
    };
    return buttons;
}
