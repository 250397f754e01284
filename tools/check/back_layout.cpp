#include "check/back_layout.h"

namespace BackLayout {

std::vector<Caption> captions() {
    return {
        {236, 87, QStringLiteral("Кол-во изъятых")},
        {94, 88, QStringLiteral("Дата")},
        {316, 90, QStringLiteral("Кол-во продуктов,")},
        {411, 90, QStringLiteral("Подпись")},
        {165, 91, QStringLiteral("Осмотрено")},
        {232, 94, QStringLiteral("продуктов, сырья,")},
        {73, 96, QStringLiteral("и наименование")},
        {340, 97, QStringLiteral("сырья,")},
        {394, 97, QStringLiteral("должностного лица,")},
        {165, 99, QStringLiteral("продуктов,")},
        {246, 101, QStringLiteral("в т. ч. из-за")},
        {327, 102, QStringLiteral("разрешенных")},
        {82, 103, QStringLiteral("пункта, где")},
        {395, 105, QStringLiteral("производившего")},
        {175, 107, QStringLiteral("сырья")},
        {250, 108, QStringLiteral("недобро-")},
        {82, 109, QStringLiteral("проводился")},
        {324, 109, QStringLiteral("к дальнейшему")},
        {413, 113, QStringLiteral("осмотр")},
        {75, 115, QStringLiteral("ветеринарный")},
        {234, 115, QStringLiteral("качественности,")},
        {329, 117, QStringLiteral("следованию")},
        {73, 121, QStringLiteral("осмотр (изъятие)")},
        {410, 121, QStringLiteral("и печать")},
        {246, 122, QStringLiteral("порчи и др.")},
        {153, 126, QStringLiteral("мест")},
        {196, 126, QStringLiteral("вес")},
        {79, 128, QStringLiteral("(П - погрузка,")},
        {237, 131, QStringLiteral("мест")},
        {277, 131, QStringLiteral("вес")},
        {317, 131, QStringLiteral("мест")},
        {357, 131, QStringLiteral("вес")},
        {151, 132, QStringLiteral("(штук)")},
        {79, 133, QStringLiteral("Т - транзит,")},
        {235, 136, QStringLiteral("(штук)")},
        {315, 136, QStringLiteral("(штук)")},
        {79, 139, QStringLiteral("В - выгрузка)")},
    };
}

std::vector<QRectF> cells() {
    constexpr double kRowTops[] = {158, 167, 176, 185, 194, 203};
    constexpr double kNarrowLefts[] = {146, 188, 229, 270, 311, 352};
    std::vector<QRectF> result;
    for (const double y : kRowTops) {
        result.emplace_back(70, y, 75, 8);
        for (const double x : kNarrowLefts)
            result.emplace_back(x, y, 40, 8);
    }
    return result;
}

}  // namespace BackLayout
