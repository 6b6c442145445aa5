#include "support/TestRegistry.h"

#include "translations/LanguageSuffix.h"

#include <QTest>

class LanguageSuffixTest : public QObject {
    Q_OBJECT

private slots:
    void language_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QLocale::Language>("language");
        QTest::newRow("en") << "en" << QLocale::English;
        QTest::newRow("ru") << "ru" << QLocale::Russian;
        QTest::newRow("cn") << "cn" << QLocale::Chinese;
        QTest::newRow("unknown") << "de" << QLocale::English;
        QTest::newRow("empty") << "" << QLocale::English;
        QTest::newRow("upper case") << "RU" << QLocale::English;
    }

    void language()
    {
        QFETCH(QString, suffix);
        QFETCH(QLocale::Language, language);
        QCOMPARE(translations::utils::LanguageSuffixToLanguageLocal(suffix), language);
    }
};

MAPS_TEST_CLASS(LanguageSuffixTest);

#include "tst_LanguageSuffix.moc"
