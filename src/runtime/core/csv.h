#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// Comma-separated values with the usual quoting: a field holding a comma,
// quote or line break is quoted, quotes inside doubled.
namespace Csv {

QString formatRow(const QStringList& fields);

struct Row {
    int line;  // line number where the row starts, from 1
    QStringList fields;
};

struct ParseError {
    int line;
    QString message;
};

// Rows of the whole text; a quote left open is an error naming its line.
std::optional<std::vector<Row>> parse(QStringView text, ParseError* error = nullptr);

}  // namespace Csv
