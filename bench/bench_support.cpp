#include "bench_support.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <random>

#include "data/forma3.h"
#include "data/schema.h"
#include "runtime/core/day_date.h"
#include "runtime/core/error_manager.h"
#include "runtime/storage/table_access.h"
#include "runtime/ui/settings_file.h"

using namespace Qt::StringLiterals;

// Outside any namespace, as Qt's resource initialiser must be called.
static void initResources() {
    Q_INIT_RESOURCE(resources);
}

namespace {

// Bump when fillCertificate changes, so that older folders are not reused.
constexpr int kGeneratorVersion = 1;
constexpr int kCertificatesPerDay = 55;

const QStringList kForms = {u"ООО"_s, u"АО"_s, u"ЗАО"_s, u"ОАО"_s, u"СПК"_s, u"ИП"_s, u"КФХ"_s};
const QStringList kCompanies = {u"Агрокомплекс Кубань"_s,
                                u"Мясокомбинат Тихорецкий"_s,
                                u"Рассвет"_s,
                                u"Кубанская нива"_s,
                                u"Южный мясной двор"_s,
                                u"Молочная ферма Заря"_s,
                                u"Птицефабрика Лабинская"_s,
                                u"Агрофирма Победа"_s,
                                u"Торговый дом Юг"_s,
                                u"Продторг"_s,
                                u"Донской бекон"_s,
                                u"Ахтарский рыбозавод"_s};
const QStringList kPeople = {u"Иванов Сергей Петрович"_s, u"Ткаченко Ольга Викторовна"_s,
                             u"Шевченко Андрей Ильич"_s, u"Кравец Наталья Юрьевна"_s,
                             u"Бондаренко Пётр Семёнович"_s};
const QStringList kProducts = {u"Мясо говядины замороженное в блоках"_s,
                               u"Свинина охлаждённая в полутушах"_s,
                               u"Мясо птицы (цыплята-бройлеры) охлаждённое"_s,
                               u"Молоко коровье сырое"_s,
                               u"Яйцо куриное пищевое столовое"_s,
                               u"Рыба мороженая (толстолобик)"_s,
                               u"Мёд натуральный цветочный"_s,
                               u"Шкуры КРС мокросолёные"_s,
                               u"Колбасные изделия варёные"_s,
                               u"Сыр полутвёрдый «Российский»"_s};
const QStringList kPacking = {u"картонные коробки"_s, u"полимерные ящики"_s, u"без упаковки"_s,
                              u"металлические бидоны"_s, u"мешки полипропиленовые"_s};
const QStringList kMarking = {u"имеется"_s, u"этикетка производителя"_s, u"клеймо ветнадзора"_s};
const QStringList kCities = {u"Краснодар"_s, u"Тихорецк"_s,   u"Армавир"_s,        u"Ейск"_s,
                             u"Лабинск"_s,   u"Кропоткин"_s,  u"Новороссийск"_s,   u"Сочи"_s,
                             u"Майкоп"_s,    u"Ставрополь"_s, u"Ростов-на-Дону"_s, u"Москва"_s};
const QStringList kStreets = {u"Ленина"_s,  u"Красная"_s,      u"Северная"_s,      u"Мира"_s,
                              u"Садовая"_s, u"Промышленная"_s, u"Комсомольская"_s, u"Заводская"_s};
const QStringList kResults = {u"Признано годным для реализации без ограничений"_s,
                              u"Признано годным для реализации"_s,
                              u"Признано годным для промышленной переработки"_s};
const QStringList kPlates = {u"А123ВС 93"_s, u"К456ОР 123"_s, u"М789ТУ 23"_s, u"Е321КХ 61"_s};
const QStringList kMonths = {u"января"_s,   u"февраля"_s, u"марта"_s,  u"апреля"_s,
                             u"мая"_s,      u"июня"_s,    u"июля"_s,   u"августа"_s,
                             u"сентября"_s, u"октября"_s, u"ноября"_s, u"декабря"_s};

class Draw {
public:
    explicit Draw(int index) : random_(static_cast<unsigned>(index) * 2654435761u + 17) {}
    int below(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }
    const QString& from(const QStringList& list) { return list[below(list.size())]; }
    bool percent(int p) { return below(100) < p; }

    QString company() {
        const QString form = from(kForms);
        if (form == u"ИП"_s || form == u"КФХ"_s) return form + u' ' + from(kPeople);
        return form + u" «"_s + from(kCompanies) + u'»';
    }
    QString address() {
        return u"г. "_s + from(kCities) + u", ул. "_s + from(kStreets) + u", "_s +
               QString::number(1 + below(250));
    }
    QString date(qint32 around) { return DayDate::format(around - below(30)); }

private:
    std::mt19937 random_;
};

void fillDateBlock(RecordBuffer& r, qint32 day) {
    const QDate date = DayDate::toDate(day);
    r.setInteger(FR3::DATAV, day);
    r.setInteger(FR3::DAY, date.day());
    r.setText(FR3::MES, kMonths[date.month() - 1]);
    r.setInteger(FR3::GOD, date.year() % 100);
}

void fillBackSide(RecordBuffer& r, Draw& draw, qint32 day) {
    r.setText(FR3::S20, DayDate::format(day + 1));
    r.setText(FR3::S21, draw.from(kCities));
    r.setText(FR3::S22, u"П"_s);
    r.setText(FR3::S201, u"осмотрено"_s);
}

}  // namespace

namespace BenchSupport {

void fillCertificate(RecordBuffer& r, int index) {
    Draw draw(index);
    const qint32 day = DayDate::fromDate(QDate(2019, 1, 1)) + index / kCertificatesPerDay;
    const int status = draw.below(100);
    r.setInteger(FR3::NFORM, 1000 + index);
    r.setText(FR3::COMMENT, status < 90   ? u"Выдано"_s
                            : status < 97 ? u"Испорчено"_s
                                          : u"Образец"_s);
    r.setInteger(FR3::CHEK, draw.percent(20) ? 1 : 0);
    fillDateBlock(r, day);
    r.setText(FR3::OPIS, draw.from(kProducts).section(u' ', 0, 1));
    r.setText(FR3::Z1, u"Краснодарский край"_s);
    r.setText(FR3::Z2, u"г. "_s + draw.from(kCities));
    r.setText(FR3::Z3, u"ГБУ «Управление ветеринарии г. Краснодара»"_s);
    const QString recipient = draw.company();
    r.setText(FR3::S1, recipient.section(u' ', 0, 0));
    r.setText(FR3::S2, recipient + u", "_s + draw.address());
    r.setText(FR3::S3, draw.from(kProducts));
    if (draw.percent(30)) r.setText(FR3::S31, draw.from(kProducts));
    r.setText(FR3::KOL, QString::number(50 + draw.below(20000)) + u" кг"_s);
    r.setText(FR3::UP, draw.from(kPacking));
    r.setText(FR3::MK, draw.from(kMarking));
    r.setText(FR3::S5, draw.company() + u", "_s + draw.address());
    r.setText(FR3::DATAVUR, draw.date(day));
    r.setText(FR3::S8, draw.from(kResults));
    r.setText(FR3::S11, draw.address());
    r.setText(FR3::S13, u"автомобильным транспортом, гос. № "_s + draw.from(kPlates) +
                            u", по маршруту "_s + draw.from(kCities) + u" — "_s +
                            draw.from(kCities));
    r.setText(FR3::S14, draw.company());
    r.setText(FR3::S142, draw.address());
    r.setText(FR3::S141, u"ТТН № "_s + QString::number(draw.below(9000) + 1) + u" от "_s +
                             DayDate::format(day));
    if (draw.percent(25))
        r.setText(FR3::S151, u"Протокол испытаний № "_s + QString::number(draw.below(900) + 1) +
                                 u" от "_s + draw.date(day) + u", ГБУ «Кропоткинская МВЛ»"_s);
    r.setText(FR3::S17, u"Продукция получена от здоровых животных"_s);
    r.setText(FR3::S18, u"Хозяйство благополучно по заразным болезням животных"_s);
    if (draw.percent(10)) fillBackSide(r, draw, day);
    r.setText(FR3::P1, u"Водитель"_s);
    r.setText(FR3::P2, draw.from(kPeople).section(u' ', 0, 0));
    r.setText(FR3::P3, u"Ветеринарный врач"_s);
    r.setText(FR3::P4, u"Козлова Е. Н."_s);
}

TableDef forma3At(const QString& path) {
    for (const TableDef& def : vetdocsSchema().tables) {
        if (def.layout != &FR3::layout()) continue;
        TableDef copy = def;
        copy.path = [path] { return path; };
        copy.messageName = copy.path;
        return copy;
    }
    qFatal("no FORMA3 in the schema");
}

QString certificateFolder(int count) {
    const QString root = QStringLiteral("/tmp/vetdocs-bench/");
    const QString folder =
        root + QStringLiteral("certificates-v%1-%2/").arg(kGeneratorVersion).arg(count);
    if (QFile::exists(folder + u"forma3.dat"_s)) return folder;

    // Built aside and renamed, so that an interrupted build leaves nothing
    // that looks finished.
    const QString building =
        root + QStringLiteral("building-%1-%2/").arg(count).arg(QCoreApplication::applicationPid());
    QDir(building).removeRecursively();
    QDir().mkpath(building);
    const TableDef def = forma3At(building + u"forma3.dat"_s);
    ConsoleErrorManager errors;
    TableAccess forma3(def, errors);
    if (!forma3.open()) qFatal("cannot create %s", qPrintable(building));
    const bool built = forma3.transaction([&] {
        for (int i = 0; i < count; ++i) {
            forma3.prime();
            fillCertificate(forma3.record(), i);
            if (!forma3.insert()) return false;
        }
        return true;
    });
    forma3.close();
    if (!built) qFatal("cannot fill %s", qPrintable(building));
    if (!QDir().rename(building, folder)) QDir(building).removeRecursively();  // built meanwhile
    return folder;
}

int runBenchmarks(int argc, char** argv, QtNeed need) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QGuiApplication> app;
    // Windows the benchmarks open keep their places in a file of their own,
    // not in the folder the benchmark was started from.
    const QTemporaryDir settings;
    if (need == QtNeed::Widgets) {
        initResources();
        app = std::make_unique<QApplication>(argc, argv);
        SettingsFile::instance().setPath(settings.filePath(QStringLiteral("vetdocs.INI")));
    } else {
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace BenchSupport
