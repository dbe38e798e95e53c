// Search benchmarks over a library of a user's items (bench/BenchLibrary.h):
// - search.index_build_100000: opening a store of 100,000 items of the layout before the index,
//   which moves it to the current layout and builds the index;
// - store.file_bytes_100000_with_index / _without_index / store.file_bytes_ratio_100000: the
//   store file of those items (checkpointed and vacuumed) with the index and without it;
// - search.query_p95_100000 / search.query_median_100000 / search.query_worst_100000: one query of
//   a mix of one-word, two-word, filter and CJK queries (mixedQueries below), from the text to
//   the hits, over 100,000 items, 10 rounds;
// - search.short_query_p95_100000: queries of one or two characters (the scan);
// - search.results_p95_100000: the same mix through a search field's model, until its sections
//   are published;
// - search.keystroke_to_frame_10000: typing into the list screen's search field over 10,000
//   items, the mean time from a key press to the frame that shows its results (the software
//   renderer), and the worst.
// `bench_search --queries STORE` runs the query figures alone over a store file of one's own (a
// library is written there first when there is none).
#include "../BenchLibrary.h"
#include "QmlEngineSetup.h"
#include "app/PreviewSyncManager.h"
#include "model/ShareListViewModel.h"
#include "model/ShareSearchModel.h"
#include "platform/SqliteDatabase.h"
#include "store/PersistenceController.h"
#include "store/ShareItemSearch.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQmlExtensionPlugin>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

Q_IMPORT_QML_PLUGIN(StashlinePlugin)

namespace {

constexpr int libraryItems = 100000;

void report(const char *name, double value, const char *unit)
{
    std::printf("bench: %s %.3f %s\n", name, value, unit);
    std::fflush(stdout);
}

double percentile(std::vector<double> values, double fraction)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(fraction * double(values.size())))];
}

// A word of the library's vocabulary by its rank (1 is the most common word).
QString word(int rank)
{
    return BenchLibrary::vocabulary().at(rank - 1);
}

QString daysAgo(int days)
{
    return QDate::currentDate().addDays(-days).toString(Qt::ISODate);
}

// Words people look for are rarely the commonest: the one-word queries take words of rank 25
// (in about one item in thirty) to rank 12,000 (in a handful).
QStringList mixedQueries()
{
    QStringList queries;
    for (int rank : {25, 40, 60, 90, 130, 200, 300, 400, 800, 1600, 4000, 12000})
        queries.append(word(rank));
    for (const auto &[first, second] : {std::pair{25, 90}, {40, 300}, {60, 130}, {130, 800}, {200, 1600}, {300, 400}})
        queries.append(word(first) + QLatin1Char(' ') + word(second));
    queries << QStringLiteral("is:fav") << QStringLiteral("is:link site:github.com") << word(60) + QStringLiteral(" is:fav")
            << QStringLiteral("is:picture after:") + daysAgo(180) << word(40) + QStringLiteral(" -") + word(90)
            << QStringLiteral("site:youtube.com ") + word(130) << QStringLiteral("before:") + daysAgo(365) + QLatin1Char(' ') + word(200);
    queries << QStringLiteral("東京タワー") << QStringLiteral("議事録") << QStringLiteral("烤鸭餐厅") << QStringLiteral("회의록")
            << QStringLiteral("레시피") << QStringLiteral("プロジェクト");
    return queries;
}

const QStringList shortQueries{QStringLiteral("ta"), QStringLiteral("qz"), QStringLiteral("東"), QStringLiteral("x"),
                               QStringLiteral("é"), QStringLiteral("여행"), QStringLiteral("ΑΘ")};

QString storeFile(const QTemporaryDir &directory, const char *name)
{
    return directory.filePath(QLatin1String(name));
}

// Checkpoints and compacts the store file, then gives its size.
qint64 compactedSize(const QString &path)
{
    SqliteDatabase database;
    if (database.open(path) || database.execute("PRAGMA wal_checkpoint(TRUNCATE); VACUUM;"))
        return -1;
    return QFileInfo(path).size();
}

// Turns a store of the current layout into one of the layout before the search index.
bool dropIndex(const QString &path)
{
    SqliteDatabase database;
    return !database.open(path)
        && !database.execute("DROP TRIGGER ShareItemSearchIndex_insert; DROP TRIGGER ShareItemSearchIndex_delete;"
                             "DROP TRIGGER ShareItemSearchIndex_update; DROP TABLE ShareItemSearchIndex;"
                             "DROP INDEX ShareItem_by_group; DROP INDEX ShareItem_by_kind; DROP INDEX ShareItem_by_id; PRAGMA user_version = 2;");
}

std::vector<double> timeQueries(ManagedObjectContext &context, const QStringList &queries, int rounds)
{
    std::vector<double> times;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (int round = -1; round < rounds; ++round) { // round -1 warms the caches
        for (const QString &text : queries) {
            QElapsedTimer timer;
            timer.start();
            const ShareItemSearch::Result result =
                ShareItemSearch::run(context, SearchQuery::parse(text), QTimeZone::systemTimeZone(), now);
            const double elapsed = double(timer.nsecsElapsed()) / 1e6;
            if (result.error)
                std::fprintf(stderr, "bench_search: %s: %s\n", qPrintable(text), qPrintable(result.error->description));
            if (round >= 0)
                times.push_back(elapsed);
            if (round == 0 && qEnvironmentVariableIsSet("BENCH_SEARCH_VERBOSE"))
                std::fprintf(stderr, "%-32s %7lld hits %8.2f ms\n", qPrintable(text), qlonglong(result.hits.size()), elapsed);
        }
    }
    return times;
}

std::vector<double> timeSearchModel(ShareListViewModel &viewModel, const QStringList &queries, int rounds)
{
    std::vector<double> times;
    ShareSearchModel search;
    search.setViewModel(&viewModel);
    for (int round = -1; round < rounds; ++round) {
        for (const QString &text : queries) {
            search.setQuery(QString());
            QElapsedTimer timer;
            timer.start();
            search.setQuery(text);
            if (round >= 0)
                times.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
    }
    return times;
}

void queryFigures(const QString &storePath);

void storeFigures()
{
    QTemporaryDir directory;
    const QString withIndex = storeFile(directory, "with-index.sqlite");
    {
        std::optional<StoreError> error;
        auto container = PersistenceController::openOnDiskContainer(withIndex, &error);
        if (!container || !BenchLibrary::fill(container->viewContext(), libraryItems, QDateTime::currentDateTimeUtc())) {
            std::fprintf(stderr, "bench_search: the library could not be written\n");
            return;
        }
    }
    const QString withoutIndex = storeFile(directory, "without-index.sqlite");
    const QString migrated = storeFile(directory, "migrated.sqlite");
    if (!QFile::copy(withIndex, withoutIndex) || !dropIndex(withoutIndex) || !QFile::copy(withoutIndex, migrated))
        return;
    const double bytesWith = double(compactedSize(withIndex));
    const double bytesWithout = double(compactedSize(withoutIndex));

    // The move to the current layout, as the first start of the new version does it.
    QElapsedTimer timer;
    timer.start();
    std::optional<StoreError> error;
    auto moved = PersistenceController::openOnDiskContainer(migrated, &error);
    const double buildMilliseconds = double(timer.nsecsElapsed()) / 1e6;
    if (!moved) {
        std::fprintf(stderr, "bench_search: the migration failed: %s\n", qPrintable(error ? error->description : QString()));
        return;
    }
    report("search.index_build_100000", buildMilliseconds, "ms");
    report("store.file_bytes_100000_with_index", bytesWith, "bytes");
    report("store.file_bytes_100000_without_index", bytesWithout, "bytes");
    report("store.file_bytes_ratio_100000", bytesWith / bytesWithout, "x");
    moved.reset();

    queryFigures(withIndex);
}

void queryFigures(const QString &storePath)
{
    const bool isNew = !QFileInfo::exists(storePath);
    std::optional<StoreError> error;
    auto container = PersistenceController::openOnDiskContainer(storePath, &error);
    if (!container || (isNew && !BenchLibrary::fill(container->viewContext(), libraryItems, QDateTime::currentDateTimeUtc())))
        return;
    const std::vector<double> mixed = timeQueries(container->viewContext(), mixedQueries(), 10);
    report("search.query_p95_100000", percentile(mixed, 0.95), "ms");
    report("search.query_median_100000", percentile(mixed, 0.5), "ms");
    report("search.query_worst_100000", percentile(mixed, 1.0), "ms");
    report("search.short_query_p95_100000", percentile(timeQueries(container->viewContext(), shortQueries, 5), 0.95), "ms");
    ShareListViewModel viewModel(container->viewContext(), Calendar::current(), std::make_shared<PreviewSyncManager>());
    report("search.results_p95_100000", percentile(timeSearchModel(viewModel, mixedQueries(), 5), 0.95), "ms");
}

// Types into the list screen's search field and times each key press to the next frame.
void keystrokeFigures()
{
    std::optional<StoreError> error;
    auto container = PersistenceController::openInMemoryContainer(&error);
    BenchLibrary::fill(container->viewContext(), 10000, QDateTime::currentDateTimeUtc());
    ShareListViewModel viewModel(container->viewContext(), Calendar::current(), std::make_shared<PreviewSyncManager>());

    QQmlEngine engine;
    QmlEngineSetup::install(engine);
    QQmlComponent component(&engine);
    component.setData("import QtQuick\nimport Stashline\n"
                      "Window { id: host; width: 960; height: 720; visible: true; color: Theme.windowBackground\n"
                      "  required property var viewModel\n"
                      "  ShareListView { anchors.fill: parent; viewModel: host.viewModel } }\n",
                      QUrl(QStringLiteral("qrc:/bench/Search.qml")));
    std::unique_ptr<QObject> root(
        component.createWithInitialProperties({{QStringLiteral("viewModel"), QVariant::fromValue(&viewModel)}}));
    auto *window = qobject_cast<QQuickWindow *>(root.get());
    if (!window) {
        std::fprintf(stderr, "bench_search: %s\n", qPrintable(component.errorString()));
        return;
    }
    bool swapped = false;
    QObject::connect(window, &QQuickWindow::frameSwapped, window, [&swapped] { swapped = true; });
    const auto waitFrame = [&] {
        QElapsedTimer guard;
        guard.start();
        while (!swapped && guard.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    };
    for (int frame = 0; frame < 10; ++frame) {
        swapped = false;
        window->requestUpdate();
        waitFrame();
    }
    auto *input = window->findChild<QQuickItem *>(QStringLiteral("searchInput"));
    if (!input)
        return;
    input->forceActiveFocus();

    std::vector<double> times;
    const QString typed = QStringLiteral("meeting notes budget 2025 東京タワー recipe");
    for (int round = 0; round < 2; ++round) {
        for (const QChar character : typed + QChar(QChar::Null)) {
            const bool erase = character.isNull();
            QKeyEvent press(QEvent::KeyPress, erase ? Qt::Key_A : 0, erase ? Qt::ControlModifier : Qt::NoModifier,
                            erase ? QString() : QString(character));
            swapped = false;
            QElapsedTimer timer;
            timer.start();
            QCoreApplication::sendEvent(window, &press);
            if (erase) {
                QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
                QCoreApplication::sendEvent(window, &backspace);
            }
            waitFrame();
            times.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
    }
    double total = 0;
    for (double value : times)
        total += value;
    report("search.keystroke_to_frame_10000", total / double(times.size()), "ms");
    report("search.keystroke_to_frame_worst_10000", *std::max_element(times.begin(), times.end()), "ms");
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QTemporaryDir groupDirectory;
    qputenv("STASHLINE_GROUP_DIR", groupDirectory.path().toLocal8Bit());
    QApplication application(argc, argv);
    QmlEngineSetup::applyStyle();
    // `bench_search --queries STORE` times the queries alone over a store of one's own.
    if (const qsizetype at = application.arguments().indexOf(QStringLiteral("--queries")); at > 0) {
        queryFigures(application.arguments().value(at + 1));
        return 0;
    }
    storeFigures();
    keystrokeFigures();
    return 0;
}
