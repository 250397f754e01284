#include "data/schema.h"

#include "data/config.h"
#include "data/data_folder.h"
#include "data/forma3.h"
#include "data/last.h"
#include "data/licenziy.h"
#include "data/ridgen.h"
#include "data/standard_profile.h"

#define VETDOCS_FIELD_SPEC(name, type, size, places) FieldSpec{#name, FieldType::type, size, places},

const RecordLayout& FR3::layout() {
    static const RecordLayout l(QStringLiteral("FORMA3"), QStringLiteral("FR3"),
                                {VETDOCS_FR3_FIELDS(VETDOCS_FIELD_SPEC)});
    return l;
}
const RecordLayout& LIC::layout() {
    static const RecordLayout l(QStringLiteral("LICENZIY"), QStringLiteral("LIC"),
                                {VETDOCS_LIC_FIELDS(VETDOCS_FIELD_SPEC)});
    return l;
}
const RecordLayout& LAS::layout() {
    static const RecordLayout l(QStringLiteral("LAST"), QStringLiteral("LAS"),
                                {VETDOCS_LAS_FIELDS(VETDOCS_FIELD_SPEC)});
    return l;
}
const RecordLayout& KON::layout() {
    static const RecordLayout l(QStringLiteral("CONFIG"), QStringLiteral("KON"),
                                {VETDOCS_KON_FIELDS(VETDOCS_FIELD_SPEC)});
    return l;
}
const RecordLayout& RID::layout() {
    static const RecordLayout l(QStringLiteral("RIDGEN"), QStringLiteral("RID"),
                                {VETDOCS_RID_FIELDS(VETDOCS_FIELD_SPEC)});
    return l;
}

namespace {

const QString kNoFolderTitle = QStringLiteral("БД не подключена");
const QString kNoFolderText = QStringLiteral(
    "Не выбрана папка с данными. Выберите БД в окне «Подключить БД» (меню «Форма №2») и "
    "повторите.");

TableDef dataFolderTable(const RecordLayout& layout, Shared<QString>& name, std::vector<KeyDef> keys,
                         std::function<void(RecordBuffer&)> startValues = {}) {
    auto fileName = [&name] { return name.get(); };
    return TableDef{.layout = &layout,
                    .keys = std::move(keys),
                    .path = fileName,
                    .messageName = fileName,
                    .startValues = std::move(startValues),
                    .noPathTitle = kNoFolderTitle,
                    .noPathText = kNoFolderText};
}

TableDef workFolderTable(const RecordLayout& layout, std::vector<KeyDef> keys) {
    const QString label = layout.label();
    return TableDef{.layout = &layout,
                    .keys = std::move(keys),
                    .path = [label] { return DataFolder::workFile(label); },
                    .messageName = [label] { return label; }};
}

Schema makeSchema() {
    Schema s;
    s.tables.push_back(dataFolderTable(
        FR3::layout(), Forma3FileName,
        {{QStringLiteral("FR3:K1"), FR3::NLIC, false, false, QStringLiteral("По № разрешения")},
         {QStringLiteral("FR3:K2"), FR3::NFORM, false, false,
          QStringLiteral("По номеру свидетельства")},
         {QStringLiteral("FR3:K3"), FR3::DATAV, false, false, QStringLiteral("По дате выдачи")}},
        [](RecordBuffer& r) { r.setText(FR3::COMMENT, QString::fromUtf8(kDefaultStatus)); }));
    s.tables.push_back(workFolderTable(
        RID::layout(),
        {{QStringLiteral("RID:K1"), RID::KOD, true, true, QStringLiteral("RID:K1")},
         {QStringLiteral("RID:K2"), RID::NAME, false, false, QStringLiteral("RID:K2")}}));
    s.tables.push_back(workFolderTable(
        KON::layout(), {{QStringLiteral("KON:K1"), KON::KOD, false, false, QStringLiteral("KON:k1")}}));
    s.tables.push_back(workFolderTable(
        LAS::layout(), {{QStringLiteral("LAS:K1"), LAS::NFORM, false, false, QStringLiteral("LAS:k1")}}));
    // Printing everything at 0,0 from an empty profile table would waste
    // blanks: a new LAST.DAT starts with the standard profile.
    s.tables.back().initialRecords = [] { return std::vector<QByteArray>{standardProfile()}; };
    s.tables.push_back(dataFolderTable(
        LIC::layout(), LicenziyFileName,
        {{QStringLiteral("LIC:K1"), LIC::NLIC, false, false, QStringLiteral("По № разрешения")}}));
    s.relations.push_back({QStringLiteral("LICENZIY"), QStringLiteral("FORMA3"), LIC::NLIC, FR3::NLIC,
                           FR3::K1});
    s.relations.push_back(
        {QStringLiteral("RIDGEN"), QStringLiteral("CONFIG"), RID::KOD, KON::KOD, KON::K1});
    return s;
}

}  // namespace

const Schema& vetdocsSchema() {
    static const Schema schema = makeSchema();
    return schema;
}
