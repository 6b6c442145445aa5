#include "support/FileContents.h"
#include "support/LogLines.h"
#include "support/TestRegistry.h"

#include "CryptLog/DecryptLogCommand.h"

#include <QTemporaryDir>
#include <QTest>

#include <sstream>

class DecryptLogCommandTest : public QObject {
    Q_OBJECT

private slots:
    void run_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("errors");
        QTest::addColumn<QByteArray>("plain");
        const QString usage = "usage: decrypt-log IN OUT [--follow]\n";
        QTest::newRow("decrypts") << QStringList{"{log}", "{out}"} << 0 << "" << QByteArray("one\ntwo\n");
        QTest::newRow("no arguments") << QStringList{} << 2 << usage << QByteArray();
        QTest::newRow("one path") << QStringList{"{log}"} << 2 << usage << QByteArray();
        QTest::newRow("unknown option") << QStringList{"{log}", "{out}", "--tail"} << 2 << usage << QByteArray();
        QTest::newRow("missing source") << QStringList{"{out}", "{log}"} << 1
                                        << "Cannot find the source file specified.\n" << QByteArray();
    }

    void run()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, errors);
        QFETCH(QByteArray, plain);
        const QTemporaryDir folder;
        const QString log = folder.filePath("ULQ.log");
        const QString out = folder.filePath("plain.txt");
        test::WriteEncryptedLog(log, {"one\n", "two\n"});
        std::vector<std::string> commandArguments;
        for (const QString& argument : arguments)
            commandArguments.push_back(QString(argument).replace("{log}", log).replace("{out}", out).toStdString());

        std::ostringstream errorStream;
        QCOMPARE(CryptLog::RunDecryptLog(commandArguments, errorStream), exitCode);
        QCOMPARE(QString::fromStdString(errorStream.str()), errors);
        QCOMPARE(test::ReadFile(out), plain);
    }
};

MAPS_TEST_CLASS(DecryptLogCommandTest);
#include "tst_DecryptLogCommand.moc"
