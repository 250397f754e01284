#include "register/qbe_query.h"

#include <QJsonObject>
#include <algorithm>

#include "runtime/core/cp1251.h"
#include "runtime/core/picture.h"

namespace {

bool used(const QbeCondition& condition) {
    return !condition.value.trimmed().isEmpty();
}

const QbeItem* itemOf(const QbeCondition& condition) {
    const auto& items = QBE2::items();
    if (condition.item < 0 || condition.item >= static_cast<int>(items.size())) return nullptr;
    return &items[condition.item];
}

// The text as the evaluator's UPPER gives it, in quotes.
QString quotedUpper(const QString& text) {
    const QString upper = Cp1251::decode(Cp1251::upper(*Cp1251::encode(text)));
    return u'\'' + QString(upper).replace(u'\'', QStringLiteral("''")) + u'\'';
}

QString comparison(const QString& left, QbeOperator op, const QString& right) {
    switch (op) {
        case QbeOperator::NotEqual:
            return left + QStringLiteral(" <> ") + right;
        case QbeOperator::Less:
            return left + QStringLiteral(" < ") + right;
        case QbeOperator::Greater:
            return left + QStringLiteral(" > ") + right;
        case QbeOperator::From:
            return left + QStringLiteral(" >= ") + right;
        case QbeOperator::To:
            return left + QStringLiteral(" <= ") + right;
        case QbeOperator::Contains:
            return QStringLiteral("INSTRING(%1, %2, 1, 1)").arg(right, left);
        case QbeOperator::StartsWith:
            return QStringLiteral("INSTRING(%1, %2, 1, 1) = 1").arg(right, left);
        case QbeOperator::Equal:
            break;
    }
    return left + QStringLiteral(" = ") + right;
}

// "Дата выдачи с: неверная дата: 31.02.2024"
QString fault(const QbeItem& item, const QString& error) {
    QString name = item.caption;
    if (name.endsWith(u':')) name.chop(1);
    return name + QStringLiteral(": ") + error.left(1).toLower() + error.mid(1);
}

std::variant<QString, QbeError> term(const QbeCondition& condition) {
    const QbeItem* item = itemOf(condition);
    if (!item) return QbeError{condition.item, QStringLiteral("Нет такого поля запроса")};
    const auto offered = item->operators();
    if (std::find(offered.begin(), offered.end(), condition.op) == offered.end()) {
        return QbeError{condition.item,
                        fault(*item, QStringLiteral("Сравнение «%1» недопустимо")
                                         .arg(QbeOperators::caption(condition.op)))};
    }
    const Picture picture = *Picture::fromCode(item->picture);
    const QString typed = item->isText() ? condition.value : condition.value.trimmed();
    const Picture::ParseResult parsed = picture.parse(typed);
    if (!parsed.ok()) return QbeError{condition.item, fault(*item, parsed.error)};
    const QString value = item->isText() ? quotedUpper(parsed.value.toString())
                                         : QString::number(parsed.value.toLongLong());
    return comparison(item->expression, condition.op, value);
}

}  // namespace

namespace QbeQuery {

std::variant<QString, QbeError> expression(const std::vector<QbeCondition>& conditions) {
    QStringList terms;
    for (const QbeCondition& condition : conditions) {
        if (!used(condition)) continue;
        auto made = term(condition);
        if (auto* error = std::get_if<QbeError>(&made)) return *error;
        terms.push_back(std::get<QString>(made));
    }
    if (terms.size() == 1) return terms.front();
    for (QString& t : terms)
        t = u'(' + t + u')';
    return terms.join(QStringLiteral(" AND "));
}

QJsonArray toJson(const std::vector<QbeCondition>& conditions) {
    QJsonArray lines;
    for (const QbeCondition& condition : conditions)
        if (used(condition))
            lines.append(QJsonObject{{QStringLiteral("item"), condition.item},
                                     {QStringLiteral("op"), QbeOperators::word(condition.op)},
                                     {QStringLiteral("value"), condition.value}});
    return lines;
}

std::optional<std::vector<QbeCondition>> fromJson(const QJsonValue& saved) {
    if (!saved.isArray()) return std::nullopt;
    std::vector<QbeCondition> conditions;
    for (const QJsonValue& line : saved.toArray()) {
        const QJsonObject object = line.toObject();
        const auto op = QbeOperators::fromWord(object.value(QStringLiteral("op")).toString());
        const int item = object.value(QStringLiteral("item")).toInt(-1);
        if (!op || item < 0 || item >= static_cast<int>(QBE2::items().size())) return std::nullopt;
        conditions.push_back({item, *op, object.value(QStringLiteral("value")).toString()});
    }
    return conditions;
}

}  // namespace QbeQuery
