#include "storage_support.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace Note {

const RecordLayout& layout() {
    static const RecordLayout l(QStringLiteral("NOTE"), QStringLiteral("NOT"),
                                {{"NUM", FieldType::Decimal, 5},
                                 {"DAY", FieldType::Long, 0},
                                 {"NAME", FieldType::String, 20},
                                 {"BODY", FieldType::String, 300},
                                 {"FLAG", FieldType::Byte, 0}});
    return l;
}

TableDef def(std::function<QString()> path) {
    return TableDef{&layout(),
                    {{QStringLiteral("NOT:K1"), NUM, false, false, QStringLiteral("По номеру")},
                     {QStringLiteral("NOT:K2"), NAME, false, false, QStringLiteral("По имени")},
                     {QStringLiteral("NOT:K3"), DAY, false, false, QStringLiteral("По дате")}},
                    path,
                    [] { return QStringLiteral("NOTE"); },
                    [](RecordBuffer& r) { r.setText(BODY, u"новая"); },
                    {},
                    QStringLiteral("Нет папки"),
                    QStringLiteral("Папка с данными не выбрана.")};
}

}  // namespace Note

namespace {

const RecordLayout& orgLayout() {
    static const RecordLayout l(QStringLiteral("ORG"), QStringLiteral("ORG"),
                                {{"KOD", FieldType::Decimal, 2}, {"NAME", FieldType::String, 20}});
    return l;
}
const RecordLayout& deptLayout() {
    static const RecordLayout l(QStringLiteral("DEPT"), QStringLiteral("DEP"),
                                {{"KOD", FieldType::Decimal, 2}, {"NAME", FieldType::String, 20}});
    return l;
}
const RecordLayout& staffLayout() {
    static const RecordLayout l(QStringLiteral("STAFF"), QStringLiteral("STF"),
                                {{"DEPT", FieldType::String, 20}, {"NAME", FieldType::String, 20}});
    return l;
}

TableDef inFolder(const RecordLayout& layout, const QString& folder, std::vector<KeyDef> keys) {
    const QString path = QDir(folder).filePath(layout.label().toLower() + QStringLiteral(".dat"));
    const QString name = layout.label();
    return TableDef{
        &layout, std::move(keys), [path] { return path; }, [name] { return name; }, {}, {}, {}};
}

}  // namespace

Schema orgSchema(const QString& folder) {
    Schema s;
    s.tables.push_back(
        inFolder(orgLayout(), folder,
                 {{QStringLiteral("ORG:K1"), Org::KOD, true, true, QStringLiteral("По коду")}}));
    s.tables.push_back(
        inFolder(deptLayout(), folder,
                 {{QStringLiteral("DEP:K1"), Dept::KOD, false, false, QStringLiteral("DEP:K1")},
                  {QStringLiteral("DEP:K2"), Dept::NAME, false, false, QStringLiteral("DEP:K2")}}));
    s.tables.push_back(inFolder(
        staffLayout(), folder,
        {{QStringLiteral("STF:K1"), Staff::DEPT, false, false, QStringLiteral("STF:K1")}}));
    s.relations.push_back(
        {QStringLiteral("ORG"), QStringLiteral("DEPT"), Org::KOD, Dept::KOD, Dept::ByKod});
    s.relations.push_back(
        {QStringLiteral("DEPT"), QStringLiteral("STAFF"), Dept::NAME, Staff::DEPT, 0});
    return s;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

void alterFile(const QString& path, const char* statement) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    const int rc = sqlite3_exec(db, statement, nullptr, nullptr, nullptr);
    sqlite3_close(db);
    if (rc != SQLITE_OK) qFatal("cannot run %s on %s", statement, qPrintable(path));
}

void dropIndex(const QString& path, const char* index) {
    alterFile(path, (QByteArray("DROP INDEX ") + index).constData());
}

void damagePage(const QString& path, const char* object) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* query = nullptr;
    sqlite3_prepare_v2(db,
                       "SELECT rootpage, (SELECT page_size FROM pragma_page_size) "
                       "FROM sqlite_master WHERE name = ?1",
                       -1, &query, nullptr);
    sqlite3_bind_text(query, 1, object, -1, SQLITE_STATIC);
    const bool found = sqlite3_step(query) == SQLITE_ROW;
    const qint64 page = found ? sqlite3_column_int64(query, 0) : 0;
    const qint64 pageSize = found ? sqlite3_column_int64(query, 1) : 0;
    sqlite3_finalize(query);
    sqlite3_close(db);
    if (!found) qFatal("no %s in %s", object, qPrintable(path));

    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) qFatal("cannot write %s", qPrintable(path));
    file.seek((page - 1) * pageSize);
    file.write(QByteArray(pageSize, '\xFF'));
    // The file change counter: connections keep their cached pages while it
    // stays the same.
    file.seek(24);
    QByteArray counter = file.read(4);
    counter[3] = static_cast<char>(counter[3] + 1);
    file.seek(24);
    file.write(counter);
}

bool isFileOpen(const QString& path) {
    const QString target = QFileInfo(path).canonicalFilePath();
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QFileInfo& fd : fds.entryInfoList(QDir::Files | QDir::System))
        if (fd.symLinkTarget() == target) return true;
    return false;
}
