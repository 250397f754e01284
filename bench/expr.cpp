#include <benchmark/benchmark.h>

#include <QStringList>
#include <random>
#include <string>
#include <vector>

#include "data/forma3.h"
#include "runtime/core/cp1251.h"
#include "runtime/core/record_buffer.h"
#include "runtime/expr/expression.h"
#include "runtime/expr/fuzzy_matcher.h"

// Register filters and the fuzzy order over 100,000 certificates held in
// memory, so that only compiling and evaluating is measured.
namespace {

constexpr int kRecords = 100000;

const QStringList kForms = {QStringLiteral("ООО"),
                            QStringLiteral("ЗАО"),
                            QStringLiteral("АО"),
                            QStringLiteral("ИП"),
                            QStringLiteral("СПК"),
                            QStringLiteral("КФХ"),
                            QStringLiteral("Общество с ограниченной ответственностью"),
                            QStringLiteral("Индивидуальный предприниматель")};
const QStringList kNames = {QStringLiteral("Ромашка"),       QStringLiteral("Агрокомплекс"),
                            QStringLiteral("Рассвет"),       QStringLiteral("Кубань"),
                            QStringLiteral("Заря"),          QStringLiteral("Нива"),
                            QStringLiteral("Колос"),         QStringLiteral("Приволье"),
                            QStringLiteral("Русь"),          QStringLiteral("Степной"),
                            QStringLiteral("Восход"),        QStringLiteral("Мясной двор"),
                            QStringLiteral("Молочный край"), QStringLiteral("Птицефабрика Ударник"),
                            QStringLiteral("Иванов И.И."),   QStringLiteral("Петров П.П."),
                            QStringLiteral("Сидорова А.В."), QStringLiteral("Тихорецкий"),
                            QStringLiteral("Агроальянс"),    QStringLiteral("Кубанский бекон"),
                            QStringLiteral("Донской"),       QStringLiteral("Юг Руси"),
                            QStringLiteral("Черноземье"),    QStringLiteral("Сибирская нива"),
                            QStringLiteral("Ёлочка"),        QStringLiteral("Волжанка")};
const QStringList kPlaces = {QStringLiteral("г. Краснодар"),      QStringLiteral("г. Москва"),
                             QStringLiteral("г. Ростов-на-Дону"), QStringLiteral("ст. Выселки"),
                             QStringLiteral("г. Сочи"),           QStringLiteral("г. Анапа"),
                             QStringLiteral("г. Армавир"),        QStringLiteral("г. Ставрополь"),
                             QStringLiteral("г. Воронеж"),        QStringLiteral("г. Новороссийск"),
                             QStringLiteral("х. Ленина"),         QStringLiteral("пос. Северный")};
const QStringList kProducts = {QStringLiteral("Мясо говяжье охлаждённое"),
                               QStringLiteral("Молоко коровье пастеризованное"),
                               QStringLiteral("Сыр твёрдый"),
                               QStringLiteral("Мёд натуральный цветочный"),
                               QStringLiteral("Рыба мороженая"),
                               QStringLiteral("Яйцо куриное столовое"),
                               QStringLiteral("Колбаса варёная"),
                               QStringLiteral("Шкуры КРС мокросолёные"),
                               QStringLiteral("Зерно пшеницы"),
                               QStringLiteral("Корма комбинированные")};

struct Register {
    std::vector<RecordBuffer> records;
    std::string textPool;  // the texts one after another, as a fresh pass would meet them
    std::vector<std::string_view> texts;  // cp1251 search texts of about 300 characters
};

const QString& pick(const QStringList& list, std::mt19937& random) {
    return list[static_cast<int>(random() % list.size())];
}

void fillRecord(RecordBuffer& r, int number, std::mt19937& random) {
    const QString place = pick(kPlaces, random);
    r.setInteger(FR3::NFORM, number);
    r.setInteger(FR3::DATAV, 81000 + static_cast<int>(random() % 1000));
    r.setText(FR3::COMMENT, random() % 10 ? u"Выдано" : u"Испорчено");
    r.setText(FR3::OPIS, pick(kProducts, random).left(25));
    r.setText(FR3::S2, QStringLiteral("%1 «%2» %3")
                           .arg(pick(kForms, random), pick(kNames, random), place)
                           .left(91));
    r.setText(FR3::S3,
              QStringLiteral("%1, партия %2").arg(pick(kProducts, random)).arg(random() % 900));
    r.setText(FR3::S11, QStringLiteral("Краснодарский край, Выселковский район, %1, база № %2")
                            .arg(pick(kPlaces, random))
                            .arg(random() % 20));
    r.setText(FR3::S13, QStringLiteral("автомобильным транспортом, а/м КАМАЗ госномер А%1ВС 93")
                            .arg(100 + random() % 900));
    r.setText(
        FR3::S14,
        QStringLiteral("%1, ул. Ленина, д. %2").arg(pick(kPlaces, random)).arg(random() % 200));
    r.setText(FR3::S142,
              QStringLiteral("%1 «%2»").arg(pick(kForms, random), pick(kNames, random)).left(40));
}

// Number, date, description, recipient and destination, as the register
// joins them, without the padding of the fields.
std::string searchText(const RecordBuffer& r) {
    const QString text =
        QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8, ТТН № %9 от 15.07.2024, %10")
            .arg(r.text(FR3::NFORM), r.text(FR3::DATAV), r.text(FR3::OPIS), r.text(FR3::S2),
                 r.text(FR3::S3), r.text(FR3::S11), r.text(FR3::S14), r.text(FR3::S142))
            .arg(r.integer(FR3::NFORM) * 7 % 100000)
            .arg(r.text(FR3::S13));
    return Cp1251::encode(text).value_or(QByteArray()).toStdString();
}

const Register& certificates() {
    static const Register data = [] {
        Register d;
        std::mt19937 random(2024);
        d.records.reserve(kRecords);
        std::vector<size_t> ends;
        for (int i = 0; i < kRecords; ++i) {
            d.records.emplace_back(FR3::layout());
            fillRecord(d.records.back(), i + 1, random);
            d.textPool += searchText(d.records.back());
            ends.push_back(d.textPool.size());
        }
        size_t begin = 0;
        for (const size_t end : ends) {
            d.texts.emplace_back(d.textPool.data() + begin, end - begin);
            begin = end;
        }
        return d;
    }();
    return data;
}

ExpressionContext registerContext(const QString* query) {
    ExpressionContext context;
    context.addLayout(FR3::layout());
    context.bind(QStringLiteral("FuzzyQuery4"), [query] { return QVariant(*query); });
    return context;
}

void runFilter(benchmark::State& state, const QString& text) {
    const Register& data = certificates();
    const QString query;
    const ExpressionContext context = registerContext(&query);
    int matched = 0;
    for (auto _ : state) {
        const Expression filter = std::get<Expression>(Expression::compile(text, context));
        matched = 0;
        for (const RecordBuffer& record : data.records)
            matched += filter.isTrue(&record);
        benchmark::DoNotOptimize(matched);
    }
    state.counters["matched"] = matched;
    state.SetItemsProcessed(state.iterations() * kRecords);
}

void BM_UpperEqualsFilter(benchmark::State& state) {
    runFilter(state, QStringLiteral("UPPER(FR3:s2) = 'ООО «РОМАШКА» Г. КРАСНОДАР'"));
}
BENCHMARK(BM_UpperEqualsFilter)->Unit(benchmark::kMillisecond);

void BM_InstringFilter(benchmark::State& state) {
    runFilter(state, QStringLiteral("INSTRING('РОМАШ', UPPER(FR3:s2), 1, 1)"));
}
BENCHMARK(BM_InstringFilter)->Unit(benchmark::kMillisecond);

void BM_PeriodFilter(benchmark::State& state) {
    runFilter(state, QStringLiteral("(81100<=fr3:datav) and (81200>=fr3:datav) and "
                                    "(fr3:comment='Выдано')"));
}
BENCHMARK(BM_PeriodFilter)->Unit(benchmark::kMillisecond);

// A query every text holds costs only the folding and the phrase search.
const QStringList kQueries = {
    QStringLiteral("ТТН"), QStringLiteral("Ромашко"), QStringLiteral("агрокомплес кубань"),
    QStringLiteral("Иванов мясо Краснодар"), QStringLiteral("ООО Ромашко Краснодар мясо говяжье")};

void BM_FuzzyScore(benchmark::State& state) {
    const Register& data = certificates();
    const size_t characters = data.textPool.size();
    const QString& query = kQueries[static_cast<int>(state.range(0))];
    state.SetLabel(query.toStdString());
    for (auto _ : state) {
        const FuzzyMatcher::PreparedQuery prepared(query);
        long total = 0;
        for (const std::string_view text : data.texts)
            total += prepared.score(text);
        benchmark::DoNotOptimize(total);
    }
    state.counters["chars/text"] = static_cast<double>(characters) / kRecords;
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_FuzzyScore)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

// The register's fuzzy order: the text is joined from full-width fields.
void BM_FuzzyOrderExpression(benchmark::State& state) {
    const Register& data = certificates();
    const QString query = QStringLiteral("агрокомплес кубань");
    const ExpressionContext context = registerContext(&query);
    for (auto _ : state) {
        const Expression order = std::get<Expression>(Expression::compile(
            u"200-FuzzyMatch(FuzzyQuery4,FR3:Nform&' '&FR3:datav&' '&FR3:opis&' '&FR3:s2&' '&"
            u"FR3:s14&' '&FR3:s142)",
            context));
        double total = 0;
        for (const RecordBuffer& record : data.records)
            total += order.number(&record);
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_FuzzyOrderExpression)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
