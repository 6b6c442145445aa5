#include "support/RecordingSink.h"
#include "support/TestRegistry.h"

#include "CryptLog/log/Severity.h"
#include "translations/LanguageSuffix.h"

#include <QStringList>
#include <QTest>

class LanguageSuffixTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::RecordingSink::ForProcessLogger(); }

    void language_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QLocale::Language>("language");
        QTest::addColumn<QString>("debugLine"); // empty when nothing is logged

        QTest::newRow("en") << "en" << QLocale::English << "";
        QTest::newRow("ru") << "ru" << QLocale::Russian << "";
        QTest::newRow("cn") << "cn" << QLocale::Chinese << "";
        QTest::newRow("de") << "de" << QLocale::English << "Unknown language suffix: de";
        QTest::newRow("empty") << "" << QLocale::English << "Unknown language suffix: ";
        QTest::newRow("upper case") << "RU" << QLocale::English << "Unknown language suffix: RU";
    }

    void language()
    {
        QFETCH(QString, suffix);
        QFETCH(QLocale::Language, language);
        QFETCH(QString, debugLine);
        test::RecordingSink& sink = test::RecordingSink::ForProcessLogger();
        sink.Clear();

        QCOMPARE(translations::utils::LanguageSuffixToLanguageLocal(suffix), language);

        QStringList logged;
        for (const test::LogLine& line : sink.Lines()) {
            QCOMPARE(line.severity, int(CryptLog::Debug));
            QCOMPARE(line.function, std::string("translations::utils::LanguageSuffixToLanguageLocal"));
            logged << QString::fromStdString(line.message);
        }
        QCOMPARE(logged, debugLine.isEmpty() ? QStringList() : QStringList(debugLine));
    }
};

MAPS_TEST_CLASS(LanguageSuffixTest);

#include "tst_LanguageSuffix.moc"
