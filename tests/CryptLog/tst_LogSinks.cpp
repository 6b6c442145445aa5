#include "support/TestRegistry.h"

#include "CryptLog/EncryptedFileSink.h"
#include "CryptLog/LogKeyManager.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

spdlog::details::log_msg Record(const char* function, int line, spdlog::level::level_enum level, const char* text)
{
    return spdlog::details::log_msg(spdlog::source_loc{"", line, function}, "ULQ", level, text);
}

std::shared_ptr<CryptLog::EncryptedFileSink> FileSink(const QString& path)
{
    return std::make_shared<CryptLog::EncryptedFileSink>(path.toStdWString(),
                                                         std::make_shared<const CryptLog::LogKeyManager>(1));
}

} // namespace

class LogSinksTest : public QObject {
    Q_OBJECT

private slots:
    void fileSinkWithoutFileGoesOn()
    {
        const QTemporaryDir folder;
        QFile blocker(folder.filePath("not-a-folder"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString path = folder.filePath("not-a-folder/ULQ.log");
        const auto sink = FileSink(path);
        sink->log(Record("ns::F", 1, spdlog::level::info, "nowhere to go"));
        sink->flush();
        QVERIFY(!QFile::exists(path));
    }
};

MAPS_TEST_CLASS(LogSinksTest);
#include "tst_LogSinks.moc"
