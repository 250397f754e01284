#include "runtime/core/csv.h"

namespace Csv {

namespace {

QString quoted(const QString& field) {
    if (!field.contains(u',') && !field.contains(u'"') && !field.contains(u'\n') &&
        !field.contains(u'\r'))
        return field;
    QString out = field;
    out.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + out + u'"';
}

}  // namespace

QString formatRow(const QStringList& fields) {
    QStringList out;
    out.reserve(fields.size());
    for (const QString& f : fields) out << quoted(f);
    return out.join(u',') + u'\n';
}

std::optional<std::vector<Row>> parse(QStringView text, ParseError* error) {
    std::vector<Row> rows;
    Row row{1, {}};
    QString field;
    bool inQuotes = false;
    bool rowHasContent = false;
    int line = 1;
    int quoteLine = 0;
    auto endField = [&] {
        row.fields << field;
        field.clear();
    };
    auto endRow = [&] {
        if (rowHasContent) {
            endField();
            rows.push_back(row);
        }
        row = Row{line, {}};
        rowHasContent = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (inQuotes) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                inQuotes = false;
            } else {
                if (c == u'\n') ++line;
                field += c;
            }
            continue;
        }
        if (c == u'"') {
            inQuotes = true;
            quoteLine = line;
            rowHasContent = true;
        } else if (c == u',') {
            endField();
            rowHasContent = true;
        } else if (c == u'\r') {
            continue;
        } else if (c == u'\n') {
            ++line;
            endRow();
        } else {
            field += c;
            rowHasContent = true;
        }
    }
    if (inQuotes) {
        if (error) *error = {quoteLine, QStringLiteral("кавычка не закрыта")};
        return std::nullopt;
    }
    endRow();
    return rows;
}

}  // namespace Csv
