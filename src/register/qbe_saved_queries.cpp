#include "register/qbe_saved_queries.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace {

const QString kName = QStringLiteral("name");
const QString kConditions = QStringLiteral("conditions");

}  // namespace

QbeSavedQueries::QbeSavedQueries(SettingsFile& settings) : settings_(settings) {}

std::vector<QbeSavedQueries::Entry> QbeSavedQueries::entries() const {
    std::vector<Entry> result;
    for (const QString& key : settings_.keys(kSection)) {
        const QJsonObject object =
            QJsonDocument::fromJson(settings_.value(kSection, key).toString().toUtf8()).object();
        const QString name = object.value(kName).toString();
        if (!name.isEmpty()) result.push_back({key, name, object.value(kConditions)});
    }
    return result;
}

std::optional<QbeSavedQueries::Entry> QbeSavedQueries::entry(const QString& name) const {
    for (Entry& e : entries())
        if (e.name.compare(name.trimmed(), Qt::CaseInsensitive) == 0) return e;
    return std::nullopt;
}

QString QbeSavedQueries::freeKey() const {
    const QStringList keys = settings_.keys(kSection);
    for (int n = 1;; ++n) {
        const QString key = QStringLiteral("Query%1").arg(n);
        if (!keys.contains(key)) return key;
    }
}

QStringList QbeSavedQueries::names() const {
    QStringList result;
    for (const Entry& e : entries())
        result.push_back(e.name);
    std::sort(result.begin(), result.end(),
              [](const QString& a, const QString& b) { return a.localeAwareCompare(b) < 0; });
    return result;
}

bool QbeSavedQueries::save(const QString& name, const std::vector<QbeCondition>& conditions) {
    const std::optional<Entry> existing = entry(name);
    const QJsonObject object{{kName, name.trimmed()}, {kConditions, QbeQuery::toJson(conditions)}};
    settings_.setValue(kSection, existing ? existing->key : freeKey(),
                       QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)));
    return settings_.sync();
}

std::optional<std::vector<QbeCondition>> QbeSavedQueries::load(const QString& name) const {
    const std::optional<Entry> e = entry(name);
    if (!e) return std::nullopt;
    return QbeQuery::fromJson(e->conditions);
}

bool QbeSavedQueries::remove(const QString& name) {
    const std::optional<Entry> e = entry(name);
    if (!e) return true;
    settings_.remove(kSection, e->key);
    return settings_.sync();
}
