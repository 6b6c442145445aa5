#include "support/TemporaryAppData.h"
#include "support/TestRegistry.h"

#include "cmn/ErrorMessages.h"
#include "translations/ApplicationLanguage.h"
#include "translations/Translator.h"

#include <QTest>
#include <QTranslator>

#include <memory>

// The application language is read once per process, so this class is the only one of the
// executable that reaches the settings.
class TranslatorTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TemporaryAppData> m_appData;

private slots:
    void initTestCase()
    {
        m_appData = std::make_unique<test::TemporaryAppData>();
        QVERIFY(m_appData->WriteSettingsFile("[Localization]\nSuffix=ru\n"));
    }

    void cleanupTestCase() { m_appData.reset(); }

    void languageComesFromTheSettingsFile()
    {
        QCOMPARE(translations::utils::GetApplicationLanguage(), QLocale::Russian);
        QCOMPARE(translations::utils::GetApplicationLocale().language(), QLocale::Russian);
    }

    void russianTranslatorTranslatesMessages()
    {
        const std::unique_ptr<QTranslator> translator(translations::utils::InstallApplicationTranslator());
        QVERIFY(translator);

        QCOMPARE(QString::fromStdString(cmn::GetErrorMessage(57)),
                 QStringLiteral("На устройстве не осталось свободного места"));
        QCOMPARE(QString::fromStdString(cmn::GetErrorMessage(12)),
                 QStringLiteral("Непредвиденная ошибка: 12. Обратитесь к нашей команде разработчиков."));
        QVERIFY(QString::fromStdString(cmn::GetErrorMessage(91)).contains("<a href=\"https://"));
    }

    void englishTextsAreBackWithoutTheTranslator()
    {
        QCOMPARE(QString::fromStdString(cmn::GetErrorMessage(57)),
                 QStringLiteral("There is no free space left on the device"));
    }

    void languagesWithoutTranslationInstallNothing_data()
    {
        QTest::addColumn<QLocale::Language>("language");
        QTest::newRow("English") << QLocale::English;
        QTest::newRow("Chinese") << QLocale::Chinese;
    }

    void languagesWithoutTranslationInstallNothing()
    {
        QFETCH(QLocale::Language, language);
        QCOMPARE(translations::utils::InstallTranslator(language), nullptr);
    }
};

MAPS_TEST_CLASS(TranslatorTest);

#include "tst_Translator.moc"
