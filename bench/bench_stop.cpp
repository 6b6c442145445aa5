// How soon a parse ends once the host's stop flag is raised, raised at several moments of the
// parse of a sample backup: reading, converting, and the records let go afterwards as the
// plug-in does.
//
//   bench_stop DIR      DIR holds a sample backup (bench_summary writes one)

#include "appleMaps/parser/iCloudSyncAppleMapsParser.h"
#include "cmn/PathEncoding.h"
#include "cmn/TempFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <atomic>
#include <chrono>
#include <thread>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    if (argc != 2) {
        out << "usage: bench_stop DIR" << Qt::endl;
        return 2;
    }
    ulq::cmn::utils::ImbueUtf8PathConversion();
    QTemporaryDir temp;
    ulq::cmn::utils::SetTempFolder(temp.path().toStdWString());
    const std::wstring descriptor = QDir(argv[1]).filePath("icloud_synced.xml").toStdWString();

    out << "| stop raised after (ms) | parse ended after the stop (ms) | records let go (ms) |\n|---:|---:|---:|\n";
    for (const int delay : {300, 1000, 2000, 3000, 4000, 6000}) {
        std::atomic<bool> stopped{false};
        appleMaps::iCloudSyncAppleMapsParser parser(descriptor, [&stopped] { return stopped.load(); });
        appleMaps::AppleMapsRecords records;
        std::thread parse([&] { parser.Parse(records); });
        std::this_thread::sleep_for(std::chrono::milliseconds(delay));
        QElapsedTimer timer;
        timer.start();
        stopped = true;
        parse.join();
        const qint64 ended = timer.elapsed();
        records = appleMaps::AppleMapsRecords();
        out << "| " << delay << " | " << ended << " | " << timer.elapsed() - ended << " |" << Qt::endl;
    }
    return 0;
}
