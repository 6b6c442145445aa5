#include "support/RecordingSink.h"
#include "support/TestRegistry.h"

#include "CryptLog/log/Logger.h"
#include "CryptLog/log/Severity.h"
#include "translations/LanguageSuffix.h"

#include <QStringList>
#include <QTest>

class LanguageSuffixTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::RecordingSink::ForProcessLogger(); }

    void cleanup() { CryptLog::Logger::Instance().SetMaxSeverity(CryptLog::Verbose); }

    void language_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<int>("maxSeverity");
        QTest::addColumn<QLocale::Language>("language");
        QTest::addColumn<QStringList>("debugLines");

        QTest::newRow("en") << "en" << int(CryptLog::Debug) << QLocale::English << QStringList();
        QTest::newRow("ru") << "ru" << int(CryptLog::Debug) << QLocale::Russian << QStringList();
        QTest::newRow("cn") << "cn" << int(CryptLog::Debug) << QLocale::Chinese << QStringList();
        QTest::newRow("de") << "de" << int(CryptLog::Debug) << QLocale::English
                            << QStringList{"Unknown language suffix: de"};
        QTest::newRow("empty") << "" << int(CryptLog::Debug) << QLocale::English
                               << QStringList{"Unknown language suffix: "};
        QTest::newRow("upper case") << "RU" << int(CryptLog::Debug) << QLocale::English
                                    << QStringList{"Unknown language suffix: RU"};
        QTest::newRow("de without debug logging") << "de" << int(CryptLog::Info) << QLocale::English
                                                  << QStringList();
    }

    void language()
    {
        QFETCH(QString, suffix);
        QFETCH(int, maxSeverity);
        QFETCH(QLocale::Language, language);
        QFETCH(QStringList, debugLines);
        test::RecordingSink& sink = test::RecordingSink::ForProcessLogger();
        sink.Clear();
        CryptLog::Logger::Instance().SetMaxSeverity(maxSeverity);

        QCOMPARE(translations::utils::LanguageSuffixToLanguageLocal(suffix), language);

        QStringList logged;
        for (const test::LogLine& line : sink.Lines()) {
            QCOMPARE(line.severity, int(CryptLog::Debug));
            QCOMPARE(line.function, std::string("translations::utils::LanguageSuffixToLanguageLocal"));
            logged << QString::fromStdString(line.message);
        }
        QCOMPARE(logged, debugLines);
    }
};

MAPS_TEST_CLASS(LanguageSuffixTest);

#include "tst_LanguageSuffix.moc"
