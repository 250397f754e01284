#include "runtime/storage/file_schema.h"

namespace FileSchema {

QString keysSignature(const TableDef& def) {
    QStringList keys;
    for (const KeyDef& key : def.keys)
        keys << def.layout->qualifiedName(key.field) +
                    (key.unique ? QStringLiteral("!") : QString());
    return keys.join(u';');
}

QByteArray indexStatement(const TableDef& def, int key) {
    const QByteArray n = QByteArray::number(key);
    return QByteArray("CREATE ") + (def.keys[key].unique ? "UNIQUE " : "") +
           "INDEX IF NOT EXISTS key" + n + " ON records (k" + n + ") WHERE k" + n + " IS NOT NULL;";
}

QByteArray creationScript(const TableDef& def) {
    // AUTOINCREMENT: a position is never given out twice, even after the
    // last record was deleted.
    QByteArray script =
        "CREATE TABLE IF NOT EXISTS meta (label TEXT NOT NULL, signature TEXT NOT NULL, "
        "keys TEXT NOT NULL);"
        "CREATE TABLE IF NOT EXISTS records (pos INTEGER PRIMARY KEY AUTOINCREMENT, "
        "image BLOB NOT NULL";
    for (int key = 0; key < static_cast<int>(def.keys.size()); ++key)
        script += ", k" + QByteArray::number(key);
    script += ");";
    for (int key = 0; key < static_cast<int>(def.keys.size()); ++key)
        script += indexStatement(def, key);
    return script;
}

}  // namespace FileSchema
