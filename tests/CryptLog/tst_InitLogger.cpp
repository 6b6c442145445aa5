#include "LogScript.h"
#include "support/LogLines.h"
#include "support/TemporaryAppData.h"
#include "support/TestRegistry.h"

#include "CryptLog/log/Severity.h"

#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTest>

// The logger set-up runs once per process, so each scenario runs in a fresh child process
// (LoggerChild.cpp) with "appdata" in a temporary folder.
class InitLoggerTest : public QObject {
    Q_OBJECT

private slots:
    void scenario_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<bool>("again");
        QTest::addColumn<QByteArray>("earlierLine");
        QTest::addColumn<int>("level");

        const QByteArray none;
        QTest::newRow("own file, no settings file: level 4")
            << "file" << none << false << none << 4;
        QTest::newRow("own file is appended to")
            << "file" << QByteArray("[LogLevel]\nLevel=5\n") << false << QByteArray("earlier session\n") << 5;
        QTest::newRow("level that is not a number: 4")
            << "file" << QByteArray("[LogLevel]\nLevel=verbose\n") << false << none << 4;
        QTest::newRow("second set-up changes nothing")
            << "file" << QByteArray("[LogLevel]\nLevel=4\n") << true << none << 4;
        QTest::newRow("host appender takes every record")
            << "host" << QByteArray("[LogLevel]\nLevel=6\n") << false << none << 6;
        QTest::newRow("level 2: info suppressed, operands not evaluated")
            << "host" << QByteArray("[LogLevel]\nLevel=2\n") << false << none << 2;
    }

    void scenario()
    {
        QFETCH(QString, mode);
        QFETCH(QByteArray, settings);
        QFETCH(bool, again);
        QFETCH(QByteArray, earlierLine);
        QFETCH(int, level);

        const test::TemporaryAppData appData;
        QVERIFY(appData.IsValid());
        if (!settings.isNull())
            QVERIFY(appData.WriteSettingsFile(settings));
        const QString logPath = appData.Path() + QStringLiteral("/Halvenrod/Mirrowdale/ULQ.log");
        if (!earlierLine.isNull())
            test::WriteEncryptedLog(logPath, {earlierLine});

        QProcess child;
        QStringList arguments{mode};
        if (again)
            arguments << QStringLiteral("again");
        child.start(QStringLiteral(CRYPTLOG_CHILD_PATH), arguments);
        QVERIFY(child.waitForFinished(60000));
        const QByteArray errors = child.readAllStandardError();
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, errors.constData());
        QMap<QString, QString> report;
        QStringList hostLines;
        for (const QString& outputLine : QString::fromUtf8(child.readAllStandardOutput()).split('\n')) {
            const QString key = outputLine.section('=', 0, 0);
            const QString value = outputLine.section('=', 1);
            if (key == QLatin1String("line"))
                hostLines << value;
            else if (!key.isEmpty())
                report.insert(key, value);
        }

        QCOMPARE(report.value("maxSeverity").toInt(), level);
        QCOMPARE(report.value("secondHostLines").toInt(), 0);

        QFile log(logPath);
        QVERIFY(log.open(QIODevice::ReadOnly));
        QCOMPARE(log.read(6), QByteArray("XJ\x01\x00\x00\x00", 6));
        QStringList lines;
        if (mode == QLatin1String("host")) {
            QCOMPARE(log.size(), qint64(6));
            lines = hostLines;
        } else {
            QVERIFY(hostLines.isEmpty());
            lines = test::DecryptLogLines(logPath);
        }
        if (!earlierLine.isNull())
            QCOMPARE(lines.takeFirst().toUtf8() + '\n', earlierLine);

        if (level >= CryptLog::Info) {
            const QRegularExpressionMatch version = test::LogLinePattern().match(lines.value(0));
            QVERIFY2(version.hasMatch(), qPrintable(lines.value(0)));
            QCOMPARE(version.captured("severity"), QString("INFO "));
            QCOMPARE(version.captured("function"), QString("ulq::cmn::utils::LogVersion"));
            QCOMPARE(version.captured("message"), QString("Product name: Apple Maps, version: 4.51.0.33506"));
            lines.removeFirst();
        }

        // Grouped by thread id, each thread's lines are its statements in order, each whole.
        QMap<QString, QStringList> linesByThread;
        for (const QString& line : lines) {
            const QRegularExpressionMatch match = test::LogLinePattern().match(line);
            QVERIFY2(match.hasMatch(), qPrintable(line));
            QCOMPARE(match.captured("function"), QString("test::logscript::LogStatements"));
            QVERIFY(match.captured("line").toInt() > 0);
            linesByThread[match.captured("thread")]
                << match.captured("severity").trimmed() + '|' + match.captured("message");
        }
        QStringList expectedThreads;
        int expectedCount = 0;
        for (int thread = 0; thread < test::logscript::ThreadCount; ++thread) {
            QStringList expected;
            for (const test::logscript::Statement& statement : test::logscript::StatementsOfThread(thread)) {
                if (statement.severity <= level)
                    expected << QString(CryptLog::SeverityName(statement.severity)) + '|'
                                    + QString::fromStdString(statement.message);
            }
            expectedCount += expected.size();
            expectedThreads << expected.join('\n');
        }
        QStringList actualThreads;
        for (const QStringList& threadLines : linesByThread)
            actualThreads << threadLines.join('\n');
        actualThreads.sort();
        expectedThreads.sort();
        QCOMPARE(linesByThread.size(), test::logscript::ThreadCount);
        QCOMPARE(actualThreads, expectedThreads);
        QCOMPARE(report.value("evaluated").toInt(), expectedCount);
    }
};

MAPS_TEST_CLASS(InitLoggerTest);
#include "tst_InitLogger.moc"
