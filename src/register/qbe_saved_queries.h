#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "register/qbe_query.h"
#include "runtime/ui/settings_file.h"

// The register's queries saved under names of the user's choice, in a
// section of the settings file shared by every register window.
class QbeSavedQueries {
public:
    static inline const QString kSection = QStringLiteral("BrowseFormf2.Queries");

    explicit QbeSavedQueries(SettingsFile& settings = SettingsFile::instance());

    // In alphabetical order.
    QStringList names() const;
    // Whether a query is saved under the name (letter case ignored), even a
    // damaged one.
    bool contains(const QString& name) const { return entry(name).has_value(); }
    // Replaces a query saved under the same name (letter case ignored).
    // False when the settings file could not be written, with the reason
    // in problem().
    bool save(const QString& name, const std::vector<QbeCondition>& conditions);
    // Nothing when there is no such query or it is damaged.
    std::optional<std::vector<QbeCondition>> load(const QString& name) const;
    // False when the settings file could not be written; true when there was
    // no such query.
    bool remove(const QString& name);
    QString problem() const { return settings_.problem(); }

private:
    struct Entry {
        QString key;
        QString name;
        QJsonValue conditions;
    };

    // Names can hold anything, so entries live under keys of their own.
    std::vector<Entry> entries() const;
    std::optional<Entry> entry(const QString& name) const;
    QString freeKey() const;

    SettingsFile& settings_;
};
