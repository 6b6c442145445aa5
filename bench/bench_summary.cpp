// `mapsview summary` on a sample backup (private copy, size query, parse, in a process of its own
// as a user runs it), timed against the floor: the size statement and the six reading statements
// without DISTINCT, through the SQLite C interface with default settings, reading every cell once.
// Wall and processor time both: on a busy machine the processor time is the steadier figure.
// Peak memory is the child's maximum resident set. With --show, each run also times
// `mapsview show DIR --screenshot`, which ends once the first table has been painted, held for the
// screenshot's settling time and saved: an upper bound of the time until the table is shown.
//
//   bench_summary [--rows N] [--runs R] [--folder DIR] [--show]
// DIR is reused when it already holds a backup, else a sample backup is written into it.

#include "sample/SampleBackup.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTextStream>

#include <sqlite3.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

extern char** environ;

namespace {

constexpr double kTargetRatio = 1.5;
constexpr double kMemoryLimitMegabytes = 300.0;
constexpr double kShowTargetRatio = 1.3;

const char* const kStatements[] = {
    "SELECT (SELECT COUNT(DISTINCT identifier) FROM QuerySearches) + (SELECT COUNT(DISTINCT identifier) FROM "
    "PlaceBookmarks) + (SELECT COUNT(DISTINCT identifier) FROM PlaceDisplays) + (SELECT COUNT(DISTINCT identifier) "
    "FROM DirectionsSearches) + (SELECT COUNT(DISTINCT identifier) FROM RouteBookmarks)",
    "SELECT identifier, country, country_code, administrative_area, administrative_area_code , locality, post_code, "
    "thoroughfare, sub_thoroughfare FROM Addresses",
    "SELECT DISTINCT identifier, timestamp, title, place_point_latitude , place_point_longitude, telephone, fax, url, "
    "name, dropped_pin_coordinate_latitude , dropped_pin_coordinate_longitude FROM PlaceBookmarks",
    "SELECT DISTINCT identifier, timestamp, place_point_latitude, place_point_longitude , telephone, fax, url, name, "
    "start_point_latitude, start_point_longitude , end_point_latitude, end_point_longitude FROM RouteBookmarks",
    "SELECT DISTINCT timestamp, query, location_display_string, map_region_south_latitude , "
    "map_region_west_longitude, map_region_north_latitude , map_region_east_longitude FROM QuerySearches",
    "SELECT DISTINCT identifier, timestamp, place_point_latitude, place_point_longitude , telephone, fax, url, name "
    "FROM PlaceDisplays",
    "SELECT DISTINCT identifier, timestamp, transport_type , telephone, fax, url, name, start_point_latitude, "
    "start_point_longitude, end_point_latitude, end_point_longitude FROM DirectionsSearches",
};

struct Measurement {
    double seconds = 0.0;
    double cpuSeconds = 0.0;
    double peakMegabytes = 0.0;
    qint64 records = 0;
    bool ok = true;
};

void ReadCell(sqlite3_stmt* statement, int column)
{
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
        sqlite3_column_int64(statement, column);
        break;
    case SQLITE_FLOAT:
        sqlite3_column_double(statement, column);
        break;
    case SQLITE_TEXT:
        sqlite3_column_text(statement, column);
        sqlite3_column_bytes(statement, column);
        break;
    case SQLITE_BLOB:
        sqlite3_column_blob(statement, column);
        sqlite3_column_bytes(statement, column);
        break;
    default:
        break;
    }
}

// Reads every cell of every row once, as the parser's row conversion does. Returns the rows of
// all seven statements, or -1 on an SQLite failure.
qint64 ReadPlainly(const QString& databasePath)
{
    sqlite3* db = nullptr;
    qint64 rows = sqlite3_open(QFile::encodeName(databasePath).constData(), &db) == SQLITE_OK ? 0 : -1;
    for (const char* distinctSql : kStatements) {
        const QByteArray sql = QByteArray(distinctSql).replace("SELECT DISTINCT ", "SELECT ");
        sqlite3_stmt* statement = nullptr;
        if (rows < 0 || sqlite3_prepare_v2(db, sql.constData(), -1, &statement, nullptr) != SQLITE_OK) {
            rows = -1;
            break;
        }
        const int columns = sqlite3_column_count(statement);
        int result = SQLITE_ROW;
        while ((result = sqlite3_step(statement)) == SQLITE_ROW) {
            for (int column = 0; column < columns; ++column)
                ReadCell(statement, column);
            ++rows;
        }
        sqlite3_finalize(statement);
        if (result != SQLITE_DONE) {
            rows = -1;
            break;
        }
    }
    sqlite3_close(db);
    return rows;
}

double PeakMegabytes(const rusage& usage)
{
    return usage.ru_maxrss / 1024.0; // kibibytes on Linux
}

double CpuSeconds(const rusage& usage)
{
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double OwnCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return CpuSeconds(usage);
}

// Runs mapsview with `arguments`, standard output into `outputPath` and the journal dropped.
Measurement RunMapsview(const QString& mapsview, const QStringList& arguments, const QString& outputPath)
{
    Measurement measurement;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const QByteArray output = QFile::encodeName(outputPath);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.constData(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<QByteArray> texts{QFile::encodeName(mapsview)};
    for (const QString& argument : arguments)
        texts.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& text : texts)
        argv.push_back(text.data());
    argv.push_back(nullptr);
    QElapsedTimer timer;
    timer.start();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv.front(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    rusage usage{};
    measurement.ok = spawned == 0 && wait4(child, &status, 0, &usage) == child && WIFEXITED(status)
        && WEXITSTATUS(status) == 0;
    measurement.seconds = timer.nsecsElapsed() / 1e9;
    measurement.peakMegabytes = PeakMegabytes(usage);
    measurement.cpuSeconds = CpuSeconds(usage);
    return measurement;
}

Measurement RunSummary(const QString& mapsview, const QString& folder, const QString& outputPath)
{
    Measurement measurement = RunMapsview(mapsview, {QStringLiteral("summary"), folder}, outputPath);
    QFile file(outputPath);
    file.open(QIODevice::ReadOnly);
    const QJsonObject summary = QJsonDocument::fromJson(file.readAll()).object();
    for (const char* kind : {"searches", "favorites", "explored_places", "directions_searches"})
        measurement.records += static_cast<qint64>(summary.value(QLatin1String(kind)).toDouble());
    return measurement;
}

QString Figure(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QCommandLineParser parser;
    const QCommandLineOption rowsOption(QStringLiteral("rows"), QStringLiteral("rows per table"), QStringLiteral("N"),
                                        QStringLiteral("200000"));
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("timed runs"), QStringLiteral("R"),
                                        QStringLiteral("3"));
    const QCommandLineOption folderOption(QStringLiteral("folder"), QStringLiteral("backup folder"),
                                          QStringLiteral("DIR"));
    const QCommandLineOption showOption(QStringLiteral("show"), QStringLiteral("also time the window"));
    parser.addOptions({rowsOption, runsOption, folderOption, showOption});
    parser.addHelpOption();
    parser.process(app);
    const int runs = std::max(1, parser.value(runsOption).toInt());

    const QString folder = parser.isSet(folderOption)
        ? parser.value(folderOption)
        : QDir::temp().filePath(QStringLiteral("maps-bench-%1").arg(parser.value(rowsOption)));
    const QString databasePath = QDir(folder).filePath(QString::fromLatin1(host::sample::kDatabaseRelativePath));
    if (!QFile::exists(QDir(folder).filePath(QString::fromLatin1(host::sample::kDescriptorFileName)))) {
        host::sample::SampleOptions options;
        options.rowsPerTable = parser.value(rowsOption).toULongLong();
        QElapsedTimer timer;
        timer.start();
        host::sample::WriteSampleBackup(folder, options);
        out << "wrote " << folder << " in " << Figure(timer.nsecsElapsed() / 1e9, 1) << " s" << Qt::endl;
    }
    out << "backup " << folder << ", " << Figure(QFile(databasePath).size() / 1e6, 1) << " MB database, " << runs
        << " runs each" << Qt::endl;

    // The summary runs in a clean environment of its own: settings, log and copies go here.
    QTemporaryDir appData;
    qputenv("appdata", QFile::encodeName(appData.path()));
    const QString mapsview = QCoreApplication::applicationDirPath() + QStringLiteral("/mapsview");
    std::vector<double> floorTimes;
    std::vector<double> summaryTimes;
    std::vector<double> floorCpuTimes;
    std::vector<double> summaryCpuTimes;
    std::vector<double> showTimes;
    std::vector<double> showCpuTimes;
    qint64 floorRows = 0;
    Measurement summary;
    double summaryPeak = 0.0;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const double cpuBefore = OwnCpuSeconds();
        floorRows = ReadPlainly(databasePath);
        floorTimes.push_back(timer.nsecsElapsed() / 1e9);
        floorCpuTimes.push_back(OwnCpuSeconds() - cpuBefore);
        summary = RunSummary(mapsview, folder, appData.filePath(QStringLiteral("summary.json")));
        if (!summary.ok || floorRows < 0) {
            out << "run " << run + 1 << " failed: " << (floorRows < 0 ? "the plain read" : "mapsview summary")
                << Qt::endl;
            return 1;
        }
        summaryTimes.push_back(summary.seconds);
        summaryCpuTimes.push_back(summary.cpuSeconds);
        summaryPeak = std::max(summaryPeak, summary.peakMegabytes);
        if (!parser.isSet(showOption))
            continue;
        const Measurement show = RunMapsview(
            mapsview,
            {QStringLiteral("show"), folder, QStringLiteral("--screenshot"), appData.filePath(QStringLiteral("window.png"))},
            appData.filePath(QStringLiteral("show.txt")));
        if (!show.ok) {
            out << "run " << run + 1 << " failed: mapsview show" << Qt::endl;
            return 1;
        }
        showTimes.push_back(show.seconds);
        showCpuTimes.push_back(show.cpuSeconds);
    }
    rusage self{};
    getrusage(RUSAGE_SELF, &self);

    const auto best = [](const std::vector<double>& values) {
        return *std::min_element(values.begin(), values.end());
    };
    const double ratio = best(summaryTimes) / best(floorTimes);
    const double cpuRatio = best(summaryCpuTimes) / best(floorCpuTimes);
    out << "floor (no DISTINCT):  best " << Figure(best(floorTimes), 3) << " s, median " << Figure(Median(floorTimes), 3)
        << " s, processor " << Figure(best(floorCpuTimes), 3) << " s, " << floorRows << " rows, bench process peak "
        << Figure(PeakMegabytes(self), 0) << " MB\n";
    out << "mapsview summary:     best " << Figure(best(summaryTimes), 3) << " s, median "
        << Figure(Median(summaryTimes), 3) << " s, processor " << Figure(best(summaryCpuTimes), 3) << " s, "
        << summary.records << " records, peak " << Figure(summaryPeak, 0) << " MB\n";
    out << "ratio " << Figure(ratio, 2) << " wall, " << Figure(cpuRatio, 2) << " processor (target at most "
        << Figure(kTargetRatio, 1) << "): " << (ratio <= kTargetRatio ? "met" : "missed") << "; peak memory "
        << Figure(summaryPeak, 0) << " MB (target under " << Figure(kMemoryLimitMegabytes, 0)
        << " MB): " << (summaryPeak < kMemoryLimitMegabytes ? "met" : "missed") << Qt::endl;
    if (!showTimes.empty()) {
        const double showRatio = best(showTimes) / best(summaryTimes);
        out << "mapsview show:        best " << Figure(best(showTimes), 3) << " s, median "
            << Figure(Median(showTimes), 3) << " s, processor " << Figure(best(showCpuTimes), 3) << " s\n";
        out << "show/summary " << Figure(showRatio, 2) << " wall, "
            << Figure(best(showCpuTimes) / best(summaryCpuTimes), 2) << " processor (target at most "
            << Figure(kShowTargetRatio, 1) << "): " << (showRatio <= kShowTargetRatio ? "met" : "missed") << Qt::endl;
    }
    return 0;
}
