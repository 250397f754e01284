#include <QSet>
#include <algorithm>
#include <iterator>

#include "art/blank_paper.h"
#include "art/print_pictures.h"
#include "art/print_sheet.h"
#include "art/print_values.h"

namespace PrintPictures {

namespace {

using Type = PrintSheet::Type;

// The blank's words begin at the left of its widest lines; with the
// profile's 10 points a value's baseline lies 3.2 mm under its box's top, its
// line a little lower, clear of the capitals of a value printed 3 mm further
// down (the additional lines stand that close). The words before a value
// stand a little higher than it, so that their descenders clear such a line.
constexpr double kLeftMargin = 22;
constexpr double kRightMargin = 199;
constexpr double kBaselineDrop = 3.0;
constexpr double kLineDrop = 3.5;
// A caption's baseline stands under its line by this much, less where the
// capitals of a value below come close: a value's descenders reach 0.45 mm
// under its line, a caption's parentheses as far under its baseline.
constexpr double kCaptionDrop = 2.2;
constexpr double kCapitalsTop = 0.66;
constexpr double kCaptionDescent = 0.45;
constexpr double kGap = 1.2;

const QColor kCaptionInk{112, 104, 104};
constexpr Type kWords{9};
constexpr Type kStrong{9, true};
constexpr Type kCaption{5.5};

// Lines between the blank's lines, for a continuation the form shows on demand.
const QSet<QString> kAdditional{"S31",  "S41",  "S71",  "S72",  "S142",
                                "S143", "S144", "S151", "S161", "S191"};

// Words standing on a value's line before it: from the start of the row
// (the margin or the value before on the same line), or right against it.
struct Lead {
    const char* value;
    const char* text;
    bool againstValue;
    Type type;
};
const Lead kLeads[] = {
    {"DAY", "от «", true, kWords},
    {"GOD", "20", true, kWords},
    {"S1", "Я, нижеподписавшийся, выдал настоящее ветеринарное свидетельство", false, kWords},
    {"S3", "в том, что", false, kWords},
    {"KOL", "в количестве", false, kWords},
    {"S5", "выработанная", false, kWords},
    {"S8", "и признана годной для", false, kWords},
    {"S11", "выходит из", false, kWords},
    {"S13", "и направляется", false, kWords},
    {"S14", "в", false, kWords},
    {"S141", "по", true, kWords},
    {"S15", "Продукция подвергнута дополнительным лабораторным исследованиям", false, kWords},
    {"S17", "ОСОБЫЕ ОТМЕТКИ", false, kStrong},
};

// Words right after a value's line.
struct Trail {
    const char* value;
    const char* text;
};
const Trail kTrails[] = {{"DAY", "»"}, {"GOD", "г."}};

// Small grey words under a value's line naming what goes there, centred
// under the line or under a part of it that no value below covers.
struct Caption {
    const char* value;
    const char* text;
    double left = 0;
    double right = 0;
};
const Caption kCaptions[] = {
    {"Z1", "(субъект Российской Федерации)"},
    {"Z2", "(район, город)"},
    {"Z3", "(наименование учреждения)"},
    {"S1", "(наименование"},
    {"S2", "юридического лица или Ф. И. О. физического лица)"},
    {"S41", "(наименование продукции)"},
    {"KOL", "(мест, штук, кг)"},
    {"UP", "(упаковка)"},
    {"MK", "(маркировка)"},
    {"S7", "(наименование предприятия, Ф. И. О. владельца, адрес)"},
    {"DATAVUR", "(дата выработки)"},
    {"S8", "(реализация без ограничений, с ограничением — указать причины)"},
    {"S10", "(или переработка согласно правилам ветсанэкспертизы)"},
    {"S11", "(адрес и местонахождение продукции)"},
    {"S13", "(вид транспорта, маршрут следования, условия перевозки)", 53, 105},
    {"S18", "(указывается эпизоотическое благополучие местности,"},
    {"S19", "перечисляются номера клейм и др.)"},
    {"P1", "(подпись и полное наименование должности)"},
    {"P3", "(подпись и полное наименование должности)"},
    {"P2", "(фамилия, инициалы)"},
    {"P4", "(фамилия, инициалы)"},
};

// The blank's own lines of words, by their baselines; the title depends on
// the side.
struct Words {
    const char* text;
    QPointF at;
    Qt::Alignment align;
    Type type;
};
constexpr QPointF kTitleAt{105, 58.6};
constexpr Type kTitle{13, true};
const Words kWordLines[] = {
    {"ГОСУДАРСТВЕННАЯ ВЕТЕРИНАРНАЯ СЛУЖБА", {kLeftMargin, 20}, Qt::AlignLeft, {10, true}},
    {"Форма № 2", {192, 20}, Qt::AlignRight, {9, true}},
    {"подвергнута ветеринарно-санитарной экспертизе в полном объёме",
     {kLeftMargin, 122.8},
     Qt::AlignLeft,
     kWords},
    {"изготовлена из сырья, прошедшего ветеринарно-санитарную экспертизу (ненужное "
     "зачеркнуть)",
     {kLeftMargin, 127},
     Qt::AlignLeft,
     kWords},
    {"Транспортное средство очищено и продезинфицировано.",
     {kLeftMargin, 204},
     Qt::AlignLeft,
     kWords},
    {"Свидетельство предъявляется для контроля при погрузке, в пути следования и передаётся",
     {kLeftMargin, 209},
     Qt::AlignLeft,
     kWords},
    {"грузополучателю. Копии свидетельства недействительны.",
     {kLeftMargin, 213.5},
     Qt::AlignLeft,
     kWords},
    {"Ветеринарное свидетельство получил", {26, 243}, Qt::AlignLeft, kStrong},
    {"Ветеринарное свидетельство выдал", {111, 243}, Qt::AlignLeft, kStrong},
    {"М. П.", {111, 269}, Qt::AlignLeft, kWords},
};

struct WritingLine {
    QString value;
    double left;
    double right;
    double y;
};

const PrintValues::Value& valueNamed(const std::vector<PrintValues::Value>& values,
                                     const char* name) {
    return *std::find_if(values.begin(), values.end(), [name](const PrintValues::Value& v) {
        return v.name == QLatin1String(name);
    });
}

// A line under every value; where two boxes of a row overlap, their lines
// part in the middle of the overlap.
std::vector<WritingLine> writingLines(const std::vector<PrintValues::Value>& values) {
    std::vector<WritingLine> lines;
    for (const PrintValues::Value& v : values)
        lines.push_back({v.name, v.box.left(), v.box.right(), v.box.top() + kLineDrop});
    for (WritingLine& a : lines) {
        for (WritingLine& b : lines) {
            if (a.y != b.y || a.left >= b.left || a.right <= b.left) continue;
            const double cut = (b.left + std::min(a.right, b.right)) / 2;
            a.right = cut - kGap / 2;
            b.left = cut + kGap / 2;
        }
    }
    return lines;
}

// Where the words before a value may begin: after the box ending last
// before it on the same line, or at the margin.
double rowStart(const std::vector<PrintValues::Value>& values, const QRectF& box) {
    double start = kLeftMargin;
    for (const PrintValues::Value& v : values) {
        if (v.box.top() == box.top() && v.box.right() <= box.left())
            start = std::max(start, v.box.right() + kGap);
    }
    return start;
}

double baselineOf(const QRectF& box) {
    return box.top() + kBaselineDrop;
}

void drawLines(PrintSheet& sheet, const std::vector<PrintValues::Value>& values) {
    for (const WritingLine& line : writingLines(values)) {
        const bool additional = kAdditional.contains(line.value);
        sheet.rule({line.left, line.y}, {line.right, line.y}, 1.0,
                   additional ? Qt::DashLine : Qt::SolidLine);
    }
}

void drawLeads(PrintSheet& sheet, const std::vector<PrintValues::Value>& values) {
    for (const Lead& lead : kLeads) {
        const QRectF box = valueNamed(values, lead.value).box;
        const QString text = QString::fromUtf8(lead.text);
        const double start = rowStart(values, box);
        const double end = box.left() - kGap;
        const QFont font = sheet.fitting(text, lead.type, end - start);
        const QPointF at(lead.againstValue ? end : start, baselineOf(box));
        sheet.write(text, at, lead.againstValue ? Qt::AlignRight : Qt::AlignLeft, font,
                    BlankPaper::kTableInk);
    }
    for (const Trail& trail : kTrails) {
        const QRectF box = valueNamed(values, trail.value).box;
        sheet.write(QString::fromUtf8(trail.text), {box.right() + kGap / 2, baselineOf(box)},
                    Qt::AlignLeft, sheet.font(kWords), BlankPaper::kTableInk);
    }
}

// The baseline of a caption under the line at y across [left, right].
double captionBaseline(const std::vector<PrintValues::Value>& values, double y, double left,
                       double right) {
    double baseline = y + kCaptionDrop;
    for (const PrintValues::Value& v : values) {
        const bool below = v.box.top() > y;
        const bool across = v.box.left() < right && v.box.right() > left;
        if (below && across)
            baseline = std::min(baseline, v.box.top() + kCapitalsTop - kCaptionDescent);
    }
    return baseline;
}

void drawCaptions(PrintSheet& sheet, const std::vector<PrintValues::Value>& values) {
    for (const Caption& caption : kCaptions) {
        const QRectF box = valueNamed(values, caption.value).box;
        const double left = caption.right > 0 ? caption.left : box.left();
        const double right = caption.right > 0 ? caption.right : box.right();
        const QString text = QString::fromUtf8(caption.text);
        const double y = captionBaseline(values, box.top() + kLineDrop, left, right);
        sheet.write(text, {(left + right) / 2, y}, Qt::AlignHCenter,
                    sheet.fitting(text, kCaption, right - left), kCaptionInk);
    }
}

void drawWords(PrintSheet& sheet, const Words& words) {
    const QString text = QString::fromUtf8(words.text);
    sheet.write(text, words.at, words.align,
                sheet.fitting(text, words.type, kRightMargin - kLeftMargin), BlankPaper::kTableInk);
}

void drawWordLines(PrintSheet& sheet, const char* title) {
    drawWords(sheet, {title, kTitleAt, Qt::AlignHCenter, kTitle});
    for (const Words& words : kWordLines)
        drawWords(sheet, words);
}

QImage drawSide(const std::vector<PrintValues::Value>& values, const char* title) {
    PrintSheet sheet;
    drawWordLines(sheet, title);
    drawLines(sheet, values);
    drawLeads(sheet, values);
    drawCaptions(sheet, values);
    return sheet.take();
}

}  // namespace

QImage drawFront() {
    return drawSide(PrintValues::front(), "ВЕТЕРИНАРНОЕ СВИДЕТЕЛЬСТВО");
}

QImage drawCounterfoil() {
    return drawSide(PrintValues::counterfoil(), "КОРЕШОК ВЕТЕРИНАРНОГО СВИДЕТЕЛЬСТВА");
}

}  // namespace PrintPictures
