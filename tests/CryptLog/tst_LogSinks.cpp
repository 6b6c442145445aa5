#include "support/LogLines.h"
#include "support/RecordingSink.h"
#include "support/TestRegistry.h"

#include "CryptLog/EncryptedFileSink.h"
#include "CryptLog/LogFileFormat.h"
#include "CryptLog/LogKeyManager.h"
#include "CryptLog/ProxyAppender.h"

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
    void proxyForwardsToItsCurrentTarget()
    {
        CryptLog::ProxyAppender proxy;
        proxy.log(Record("ns::Dropped", 1, spdlog::level::info, "no target yet"));

        auto first = std::make_shared<test::RecordingSink>();
        const std::weak_ptr<test::RecordingSink> firstAlive = first;
        proxy.SetTarget(std::move(first));
        proxy.log(Record("ns::First", 2, spdlog::level::err, "to the first"));
        QCOMPARE(firstAlive.lock()->Lines().size(), std::size_t(1));
        QCOMPARE(firstAlive.lock()->Lines()[0].message, std::string("to the first"));

        const auto second = std::make_shared<test::RecordingSink>();
        proxy.SetTarget(second);
        QVERIFY(firstAlive.expired());
        proxy.log(Record("ns::Second", 3, spdlog::level::warn, "to the second"));
        QCOMPARE(second->Lines().size(), std::size_t(1));
        QCOMPARE(second->Lines()[0].function, std::string("ns::Second"));
    }

    void fileSinkAppendsOneRecordPerLine()
    {
        const QTemporaryDir folder;
        const QString path = folder.filePath("ULQ.log");
        test::WriteEncryptedLog(path, {"already there\n"});
        {
            const auto sink = FileSink(path);
            sink->log(Record("appleMaps::Parser::Parse", 42, spdlog::level::info, "Parsing started"));
            sink->log(Record("appleMaps::Parser::Parse", 57, spdlog::level::err, "\xD0\x9E\xD1\x88\xD0\xB8\xD0\xB1\xD0\xBA\xD0\xB0"));
        }
        const QStringList lines = test::DecryptLogLines(path);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QString("already there"));
        const QStringList expected{"INFO |appleMaps::Parser::Parse|42|Parsing started",
                                   QString::fromUtf8("ERROR|appleMaps::Parser::Parse|57|\xD0\x9E\xD1\x88\xD0\xB8\xD0\xB1\xD0\xBA\xD0\xB0")};
        for (int i = 0; i < expected.size(); ++i) {
            const QRegularExpressionMatch match = test::LogLinePattern().match(lines[i + 1]);
            QVERIFY2(match.hasMatch(), qPrintable(lines[i + 1]));
            QCOMPARE(QStringList({match.captured("severity"), match.captured("function"), match.captured("line"),
                                  match.captured("message")})
                         .join('|'),
                     expected[i]);
        }
    }

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
