#include "register/browse_formf2_layout.h"

#include "data/forma3.h"

namespace BrowseFormf2Layout {

namespace {

const QColor kPromptColour(0, 64, 64);
const QColor kCountColour(0, 128, 64);
const QString kTab = QStringLiteral("?TAB:2");

ControlDef button(const QString& label, At at, const QString& icon, const QString& tooltip,
                  const QString& tab = kTab) {
    return {.kind = ControlKind::Button,
            .label = label,
            .at = at,
            .tooltip = tooltip,
            .tab = tab,
            .image = QStringLiteral(":/icons/") + icon};
}

ControlDef printButton(const QString& label, int x, const QString& hint, bool withStatus = true) {
    ControlDef def = button(label, {x, 310, 18, 14}, QStringLiteral("PRNFONT.ICO"), hint);
    if (withStatus) def.statusText = hint;
    return def;
}

ControlDef prompt(const QString& label, At at, const QString& text, ControlFont font) {
    return {.kind = ControlKind::Prompt,
            .label = label,
            .at = at,
            .text = text,
            .font = font,
            .tab = kTab};
}

ControlDef shown(const QString& label, At at, const QString& use, const QString& picture,
                 ControlFont font, const QString& tab = kTab) {
    return {.kind = ControlKind::Entry,
            .label = label,
            .at = at,
            .use = use,
            .picture = picture,
            .font = font,
            .readOnly = true,
            .tab = tab};
}

ControlDef textButton(const QString& label, At at, const QString& text, const QString& tooltip) {
    return {.kind = ControlKind::Button,
            .label = label,
            .at = at,
            .text = text,
            .tooltip = tooltip,
            .tab = kTab};
}

BrowseColumn column(const QString& head, Qt::Alignment headAlignment, int headIndent, int field,
                    const QString& picture, int width, Qt::Alignment alignment, int indent) {
    return {.head = head,
            .headAlignment = headAlignment,
            .headIndent = headIndent,
            .field = field,
            .picture = picture,
            .width = width,
            .alignment = alignment,
            .indent = indent};
}

QString recipient(const RecordBuffer& certificate) {
    return certificate.text(FR3::S2);
}

}  // namespace

std::vector<ControlDef> controls() {
    ControlDef recipientEntry =
        shown(QStringLiteral("?FR3:S2"), {35, 21, 151, 10}, QStringLiteral("FR3:S2"),
              QStringLiteral("s91"), {.size = 9, .colour = QColor(128, 0, 0)});
    recipientEntry.statusText = recipientEntry.tooltip = QStringLiteral("Наименование юл");
    ControlDef search{.kind = ControlKind::Entry,
                      .label = QStringLiteral("?FUZZYQUERY"),
                      .at = {12, 291, 111, 10},
                      .use = QStringLiteral("FuzzyQuery4"),
                      .picture = QStringLiteral("S255"),
                      .tooltip = QStringLiteral("Ввести текст, нажать [Найти],\n"
                                                "найденное вначале таблицы."),
                      .tab = kTab};
    return {
        {.kind = ControlKind::Sheet,
         .label = QStringLiteral("?CURRENTTAB"),
         .at = {4, 4, 219, 326}},
        {.kind = ControlKind::Tab,
         .label = kTab,
         .text = QStringLiteral("[По номеру]"),
         .tab = QStringLiteral("?CURRENTTAB")},
        button(QStringLiteral("?INSERT:3"), {135, 310, 18, 14}, QStringLiteral("d_plus.ico"),
               QStringLiteral("Добавить документ"), {}),
        button(QStringLiteral("?CHANGE:3"), {166, 310, 18, 14}, QStringLiteral("d_edit.ico"),
               QStringLiteral("Изменить документ"), {}),
        button(QStringLiteral("?DELETE:3"), {197, 310, 18, 14}, QStringLiteral("d_minus.ico"),
               QStringLiteral("Удалить документ"), {}),
        prompt(QStringLiteral("?FR3:S2:PROMPT"), {11, 21}, QStringLiteral("[Кому]"),
               {.colour = kPromptColour}),
        recipientEntry,
        {.kind = ControlKind::Button,
         .label = QStringLiteral("?BUTTON11"),
         .at = {195, 21, 18, 22},
         .text = QStringLiteral("i"),
         .font = {.family = QStringLiteral("Book Antiqua"),
                  .size = 22,
                  .bold = true,
                  .italic = true,
                  .colour = QColor(128, 0, 128)},
         .tooltip = QStringLiteral("[Инструкция по работе]"),
         .tab = kTab},
        prompt(QStringLiteral("?FR3:S14:PROMPT"), {11, 34}, QStringLiteral("[Куда]"),
               {.colour = kPromptColour}),
        shown(QStringLiteral("?FR3:S14"), {35, 33, 151, 10}, QStringLiteral("FR3:S14"),
              QStringLiteral("s40"), {.size = 9}),
        prompt(QStringLiteral("?FR3:S2:PROMPT:2"), {158, 45}, QStringLiteral("[Формы документов]"),
               {.size = 7, .italic = true, .colour = QColor(128, 128, 128)}),
        prompt(QStringLiteral("?KOL_FORM:PROMPT"), {129, 273}, QStringLiteral("всего выдано:"),
               {.size = 7, .colour = kPromptColour}),
        shown(QStringLiteral("?KOL_FORM"), {171, 273, 47, 10}, QStringLiteral("KOL_FORM"),
              QStringLiteral("n_6b"), {.colour = kCountColour}),
        {.kind = ControlKind::GroupBox,
         .label = QStringLiteral("?FUZZYGROUP"),
         .at = {8, 281, 209, 25},
         .text = QStringLiteral("[Найти любой текст]"),
         .font = {.colour = kPromptColour},
         .tab = kTab},
        search,
        textButton(QStringLiteral("?FUZZYGO"), {127, 290, 42, 12}, QStringLiteral("[Найти]"),
                   QStringLiteral("Найти текст")),
        textButton(QStringLiteral("?FUZZYCLEAR"), {171, 290, 42, 12}, QStringLiteral("[Очистить]"),
                   QStringLiteral("Очистить строку поиска")),
        button(QStringLiteral("?QUERY"), {13, 310, 18, 14}, QStringLiteral("filter.png"),
               QStringLiteral("Установить фильтр")),
        printButton(QStringLiteral("?BUTTON7"), 35,
                    QStringLiteral("[Печатать 'Ветеринарное свидетельство]")),
        printButton(QStringLiteral("?BUTTON8"), 59,
                    QStringLiteral("[Печатать 'Корешок ветеринарного свидетельства']")),
        printButton(QStringLiteral("?BUTTON9"), 83, QStringLiteral("[Печатать обратную сторону]")),
        printButton(QStringLiteral("?BUTTON10"), 107,
                    QStringLiteral("[Произвольный отчёт по условию фильтра]"), false),
        shown(QStringLiteral("?D1"), {157, 2, 65, 10}, QStringLiteral("D1"), QStringLiteral("d4"),
              {.colour = kCountColour}, {}),
    };
}

std::vector<BrowseColumn> columns() {
    const Qt::Alignment centre = Qt::AlignHCenter;
    std::vector<BrowseColumn> list{
        column(QStringLiteral("[№ свидетельства]"), centre, 0, FR3::NFORM, QStringLiteral("n_9b"),
               80, Qt::AlignRight, 19),
        column(QStringLiteral("[Дата выдачи]"), centre, 0, FR3::DATAV, QStringLiteral("d6.b"), 58,
               Qt::AlignRight, 7),
        column(QStringLiteral("[Описание]"), Qt::AlignLeft, 4, FR3::OPIS, QStringLiteral("s25"),
               107, Qt::AlignLeft, 1),
        column(QStringLiteral("[Кому]"), Qt::AlignLeft, 4, FR3::S2, QStringLiteral("s91"), 364,
               Qt::AlignLeft, 1),
        column(QStringLiteral("[Куда]"), centre, 0, FR3::S14, QStringLiteral("s40"), 160,
               Qt::AlignLeft, 1),
        column({}, Qt::AlignLeft, 0, FR3::S142, QStringLiteral("s40"), 160, Qt::AlignLeft, 1),
    };
    list[0].bold = true;  // list style 1
    for (int i = 0; i < 3; ++i)
        list[i].tooltip = recipient;
    return list;
}

QString listStatusText() {
    return QStringLiteral("Информация о выданных и испорченных документах \"Форма №2\" ");
}

QString listTooltip() {
    return QStringLiteral(
        "Информация о выданных и испорченных документах \"Форма №2\"\n"
        "Для поиска используйте [Найти любой текст] или [Фильтр].");
}

}  // namespace BrowseFormf2Layout
