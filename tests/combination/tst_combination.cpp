// Combinations and dividers checked against examples worked out elsewhere, and against a brute
// force of this test's own that tries every network of a small stock.
#include "combination/owned.h"
#include "combination/searcher.h"
#include "combination/texts.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <map>

using namespace Qt::StringLiterals;
using namespace combination;

namespace {

const QLocale Russian(QLocale::Russian, QLocale::Russia);

QList<Decimal> series(const QString &name, Decimal lowest, Decimal highest)
{
    for (const SeriesChoice &choice : seriesChoices()) {
        if (choice.name == name)
            return seriesValues(choice.figures, lowest, highest);
    }
    return {};
}

// Every network of so many parts, each written once: its branches of the same join taken in,
// their keys sorted. Keyed by that writing, with its value.
using Networks = std::map<std::string, double>;

struct Branch
{
    std::string key;
    double ohms;
    char join; // 0 for a part
};

std::vector<std::vector<Branch>> everyNetwork(const std::vector<double> &stock, int most)
{
    std::vector<std::vector<Branch>> byCount(std::size_t(most + 1));
    for (std::size_t i = 0; i < stock.size(); ++i)
        byCount[1].push_back({std::to_string(i), stock[i], 0});
    // The branches of a join, the same join's taken in.
    const auto inner = [](const Branch &b, char join) {
        std::vector<std::string> keys;
        if (b.join == join) {
            const std::string body = b.key.substr(2, b.key.size() - 3);
            std::size_t depth = 0, start = 0;
            for (std::size_t i = 0; i <= body.size(); ++i) {
                if (i == body.size() || (body[i] == ';' && depth == 0)) {
                    keys.push_back(body.substr(start, i - start));
                    start = i + 1;
                } else if (body[i] == '(') {
                    ++depth;
                } else if (body[i] == ')') {
                    --depth;
                }
            }
        } else {
            keys.push_back(b.key);
        }
        return keys;
    };
    for (int n = 2; n <= most; ++n) {
        std::map<std::string, Branch> made;
        for (int k = 1; k < n; ++k) {
            for (const Branch &x : byCount[std::size_t(k)]) {
                for (const Branch &y : byCount[std::size_t(n - k)]) {
                    for (const char join : {'S', 'P'}) {
                        auto keys = inner(x, join);
                        const auto more = inner(y, join);
                        keys.insert(keys.end(), more.begin(), more.end());
                        std::sort(keys.begin(), keys.end());
                        std::string key {join, '('};
                        for (std::size_t i = 0; i < keys.size(); ++i)
                            key += (i ? ";" : "") + keys[i];
                        key += ')';
                        const double value
                            = join == 'S' ? x.ohms + y.ohms : 1 / (1 / x.ohms + 1 / y.ohms);
                        made.emplace(key, Branch {key, value, join});
                    }
                }
            }
        }
        for (auto &[key, branch] : made)
            byCount[std::size_t(n)].push_back(branch);
    }
    return byCount;
}

// The sizes of the KeptPerCount smallest errors.
template<typename Errors>
QList<double> smallest(Errors errors)
{
    std::sort(errors.begin(), errors.end());
    errors.resize(std::min<std::size_t>(errors.size(), KeptPerCount));
    return QList<double>(errors.begin(), errors.end());
}

bool alike(const QList<double> &a, const QList<double> &b)
{
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(),
            [](double x, double y) { return std::abs(x - y) <= 1e-12 * std::max(1.0, x); });
}

} // namespace

class TestCombination : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void workedExamples_data();
    void workedExamples();
    void asBruteForceFinds();
    void dividersAsBruteForceFinds();
    void texts();
    void dividerTargets_data();
    void dividerTargets();
    void ownedList();
    void searchesBesideTheWindow();
};

void TestCombination::workedExamples_data()
{
    QTest::addColumn<QString>("seriesName");
    QTest::addColumn<double>("target");
    QTest::addColumn<int>("parts");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("rank");
    // The two worked in the peers' forums: 89 КОм from E24 exactly, and 195,43 Ом near enough.
    QTest::newRow("89k") << u"E24"_s << 89e3 << 2 << u"56 КОм + 33 КОм = 89 КОм, точно"_s << 0;
    QTest::newRow("195.43") << u"E24"_s << 195.43 << 2 << u"300 Ом ∥ 560 Ом = 195,35 Ом, −0,042 %"_s
                            << -1;
    // A standard value is its own best answer, and E96's figures are written whole.
    QTest::newRow("4k99") << u"E96"_s << 4990.0 << 1 << u"4,99 КОм, точно"_s << 0;
    QTest::newRow("10R5") << u"E96"_s << 10.5 << 1 << u"10,5 Ом, точно"_s << 0;
    // 3,5 КОм: 2 КОм + 1,5 КОм in E24; in E12, 2,7 КОм + 820 Ом = 3,52 КОм is among the best.
    QTest::newRow("3k5 E12") << u"E12"_s << 3500.0 << 2 << u"2,7 КОм + 820 Ом = 3,52 КОм, +0,57 %"_s
                             << -1;
    QTest::newRow("3k5 E24") << u"E24"_s << 3500.0 << 2 << u"2 КОм + 1,5 КОм = 3,5 КОм, точно"_s
                             << 0;
    // Three parts, drawn as a person draws them: a third of 3,3 КОм.
    QTest::newRow("1k1 of three") << u"E6"_s << 1100.0 << 3
                                  << u"3,3 КОм ∥ 3,3 КОм ∥ 3,3 КОм = 1,1 КОм, точно"_s << 0;
}

void TestCombination::workedExamples()
{
    QFETCH(QString, seriesName);
    QFETCH(double, target);
    QFETCH(int, parts);
    QFETCH(QString, expected);
    QFETCH(int, rank);
    const auto tables = buildTables(series(seriesName, {1, 0}, {10, 6}));
    QVERIFY(tables);
    QStringList written;
    for (const Found &found : nearest(*tables, target, parts)) {
        written.append(networkText(found.network, tables->values, Russian)
            + (parts > 1 ? u" = "_s + valueText(found.ohms, 5, Russian) : QString()) + u", "_s
            + errorText(found.error, Russian));
    }
    if (rank >= 0)
        QCOMPARE(written.value(rank), expected);
    else
        QVERIFY2(written.contains(expected), qPrintable(written.join(u" | "_s)));
}

void TestCombination::asBruteForceFinds()
{
    const QList<Decimal> stock = series(u"E6"_s, {10, 0}, {1, 3});
    QCOMPARE(stock.size(), 13);
    std::vector<double> values;
    for (const Decimal &value : stock)
        values.push_back(ohms(value));
    const auto every = everyNetwork(values, MostParts);
    const auto tables = buildTables(stock);
    // Targets inside the stock's span, at its ends, and beyond them.
    for (const double target : {1.0, 10.0, 37.3, 100.0, 333.3, 1000.0, 1234.5, 5e4}) {
        for (int parts = 1; parts <= MostParts; ++parts) {
            std::vector<double> errors;
            for (const Branch &network : every[std::size_t(parts)])
                errors.push_back(std::abs(network.ohms - target) / target);
            QList<double> found;
            for (const Found &f : nearest(*tables, target, parts)) {
                QCOMPARE(f.network.partCount(), parts);
                QVERIFY(std::abs(ohmsOf(f.network, tables->ohms) - f.ohms) <= 1e-9 * f.ohms);
                found.append(std::abs(f.error));
            }
            QVERIFY2(alike(found, smallest(errors)),
                qPrintable(u"%1 Ом, %2 parts"_s.arg(target).arg(parts)));
        }
    }
}

void TestCombination::dividersAsBruteForceFinds()
{
    const QList<Decimal> stock = series(u"E6"_s, {100, 0}, {10, 3});
    std::vector<double> values;
    for (const Decimal &value : stock)
        values.push_back(ohms(value));
    const auto every = everyNetwork(values, 2);
    const auto tables = buildTables(stock);
    for (const double ratio : {0.66, 0.5, 0.1, 0.999}) {
        for (int parts = 2; parts <= MostParts; ++parts) {
            std::vector<double> errors;
            for (int upperParts = 1; upperParts <= 2; ++upperParts) {
                if (parts - upperParts < 1 || parts - upperParts > 2)
                    continue;
                for (const Branch &upper : every[std::size_t(upperParts)]) {
                    for (const Branch &lower : every[std::size_t(parts - upperParts)]) {
                        const double total = upper.ohms + lower.ohms;
                        if (total >= 1e3 && total <= 1e4)
                            errors.push_back(std::abs(lower.ohms / total - ratio) / ratio);
                    }
                }
            }
            QList<double> found;
            for (const Divider &d : nearestDividers(*tables, ratio, 1e3, 1e4, parts)) {
                QCOMPARE(d.upper.partCount() + d.lower.partCount(), parts);
                const double total = d.upperOhms + d.lowerOhms;
                QVERIFY(total >= 1e3 && total <= 1e4);
                found.append(std::abs(d.error));
            }
            QVERIFY2(alike(found, smallest(errors)),
                qPrintable(u"ratio %1, %2 parts"_s.arg(ratio).arg(parts)));
        }
    }
}

void TestCombination::texts()
{
    QCOMPARE(errorText(0, Russian), u"точно"_s);
    QCOMPARE(errorText(0.013, Russian), u"+1,3 %"_s);
    QCOMPARE(errorText(-0.00042, Russian), u"−0,042 %"_s);
    QCOMPARE(errorText(0.25, Russian), u"+25,0 %"_s);
    QCOMPARE(valueText(4990, 5, Russian), u"4,99 КОм"_s);
    QCOMPARE(partsCaption(1), u"1 резистор"_s);
    QCOMPARE(partsCaption(4), u"4 резистора"_s);

    const QList<Decimal> values {{47, 2}, {10, 2}, {15, 2}};
    const Network drawn = joined(Join::Series, part(0), joined(Join::Parallel, part(2), part(1)));
    QCOMPARE(networkText(drawn, values, Russian), u"4,7 КОм + (1 КОм ∥ 1,5 КОм)"_s);
    // ±5 % of 5,3 КОм holds 5,5 КОм but not 5,6 КОм; the mark is words, not a colour.
    const Found found {drawn, 5300, 5300.0 / 5500 - 1};
    QCOMPARE(foundText(found, values, 5500, 500, Russian),
        u"4,7 КОм + (1 КОм ∥ 1,5 КОм) = 5,3 КОм, −3,6 %; ±5 %: от 5,035 КОм до 5,565 КОм, "
        u"нужный номинал в допуске"_s);
    QVERIFY(!foundText(found, values, 5600, 500, Russian).contains(u"в допуске"_s));

    const Divider divider {part(0), part(1), 4700, 1000, 1000.0 / 5700, 0};
    QCOMPARE(dividerText(divider, values, {1000.0 / 5700, 5.7}, 100, Russian),
        u"R1 = 4,7 КОм, R2 = 1 КОм: Uвых/Uвх = 0,17544, точно; ±1 %: от 0,1726 до 0,1784, "
        u"Uвых от 0,9836 до 1,017 В, нужное отношение в допуске"_s);
}

void TestCombination::dividerTargets_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<double>("input");
    QTest::newRow("ratio") << u"0,66"_s << 0.66 << 0.0;
    QTest::newRow("voltages") << u"3,3/5"_s << 0.66 << 5.0;
    QTest::newRow("with units") << u" 3.3 В / 5 V "_s << 0.66 << 5.0;
    QTest::newRow("not below") << u"5/3,3"_s << 0.0 << 0.0;
    QTest::newRow("a whole") << u"1"_s << 0.0 << 0.0;
    QTest::newRow("nothing") << u""_s << 0.0 << 0.0;
    QTest::newRow("negative") << u"-3/5"_s << 0.0 << 0.0;
    QTest::newRow("three") << u"1/2/3"_s << 0.0 << 0.0;
    QTest::newRow("words") << u"треть"_s << 0.0 << 0.0;
}

void TestCombination::dividerTargets()
{
    QFETCH(QString, typed);
    QFETCH(double, ratio);
    QFETCH(double, input);
    const auto target = parseDividerTarget(typed, Russian);
    QCOMPARE(target ? target->ratio : 0.0, ratio);
    QCOMPARE(target ? target->input.value_or(0.0) : 0.0, input);
}

void TestCombination::ownedList()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"kept/owned-values.txt"_s);
    QCOMPARE(loadOwned(path).text, QString());
    QCOMPARE(loadOwned(path).message, QString());

    const OwnedValues parsed = parseOwned(u"4,7 КОм\n\n1к\n4K7\nабв\n0\n220 Ом\n"_s, Russian);
    QCOMPARE(parsed.values.size(), 3);
    QCOMPARE(ownedText(parsed.values, Russian), u"220 Ом\n1 КОм\n4,7 КОм\n"_s);
    QCOMPARE(parsed.refused, (QStringList {u"строка 5: «абв»"_s, u"строка 6: «0»"_s}));

    // What is saved reads back; a list that is not text is kept aside, not overwritten.
    QCOMPARE(saveOwned(path, u"4,7 КОм\n"_s), QString());
    QCOMPARE(loadOwned(path).text, u"4,7 КОм\n"_s);
    QFile damaged(path);
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray("4,7 \xff\xfe\x00", 7));
    damaged.close();
    const OwnedText loaded = loadOwned(path);
    QCOMPARE(loaded.text, QString());
    QVERIFY2(loaded.message.contains(u"это не текст"_s) && loaded.message.contains(u".damaged"_s),
        qPrintable(loaded.message));
    QFile aside(path + u".damaged"_s);
    QVERIFY(aside.open(QIODevice::ReadOnly));
    QCOMPARE(aside.readAll(), QByteArray("4,7 \xff\xfe\x00", 7));

    // Where it cannot be written, the message says so, and the list before stays.
    QVERIFY(saveOwned(folder.filePath(u"owned-values.txt/x"_s), u"1к"_s).isEmpty());
    const QString refused = saveOwned(folder.filePath(u"owned-values.txt/x/y"_s), u"1к"_s);
    QVERIFY2(refused.startsWith(u"Список ваших номиналов не сохранен"_s), qPrintable(refused));
}

void TestCombination::searchesBesideTheWindow()
{
    Searcher searcher;
    QSignalSpy told(&searcher, &Searcher::progressed);
    Request first;
    first.stock = series(u"E192"_s, {1, 0}, {10, 6});
    first.target = 3500;
    first.mostParts = 4;
    searcher.find(first);
    Request second = first;
    second.stock = series(u"E24"_s, {1, 0}, {10, 6});
    const int latest = searcher.find(second);
    // The counts come in order, the last done; nothing of the search cancelled is told.
    QTRY_VERIFY_WITH_TIMEOUT(!told.isEmpty() && told.last().at(0).value<Progress>().done, 60000);
    QList<int> counts;
    for (const QList<QVariant> &signal : std::as_const(told)) {
        const auto progress = signal.at(0).value<Progress>();
        QCOMPARE(progress.request, latest);
        counts.append(progress.parts);
    }
    QCOMPARE(counts, (QList<int> {1, 2, 3, 4}));
    QCOMPARE(told.last().at(0).value<Progress>().found.first().error, 0.0);
    QTRY_VERIFY(!searcher.busy());
}

QTEST_GUILESS_MAIN(TestCombination)
#include "tst_combination.moc"
