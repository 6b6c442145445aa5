#include "support/TestRegistry.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <utility>
#include <vector>

namespace {

struct TsMessage {
    QString source;
    QString translation;
    QString translationType;  // "unfinished", "vanished", ... or empty when finished
};

std::vector<TsMessage> ReadMessages(const QString& tsPath)
{
    std::vector<TsMessage> messages;
    QFile file(tsPath);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader reader(&file);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == QLatin1String("message")) {
            messages.emplace_back();
        } else if (reader.name() == QLatin1String("source") && !messages.empty()) {
            messages.back().source = reader.readElementText();
        } else if (reader.name() == QLatin1String("translation") && !messages.empty()) {
            messages.back().translationType = reader.attributes().value("type").toString();
            messages.back().translation = reader.readElementText();
        }
    }
    return reader.hasError() ? std::vector<TsMessage>() : messages;
}

QStringList Placeholders(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%\\d+"));
    QStringList found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

// The plug-in's texts and the host's, each file with the code it translates.
const std::pair<const char*, const char*> kTranslationFiles[] = {
    {MAPS_TRANSLATION_SOURCE, MAPS_SOURCE_DIR},
    {MAPS_HOST_TRANSLATION_SOURCE, MAPS_HOST_SOURCE_DIR},
};

} // namespace

// The Russian translations ship with every text of the code translated.
class TranslationFileTest : public QObject {
    Q_OBJECT

private slots:
    void messageIsTranslated_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("translation");
        QTest::addColumn<QString>("translationType");
        for (const auto& [tsFile, codeFolder] : kTranslationFiles) {
            Q_UNUSED(codeFolder)
            const std::vector<TsMessage> messages = ReadMessages(tsFile);
            if (messages.empty())
                QTest::newRow(tsFile) << QString() << QString() << "unreadable";
            for (const TsMessage& message : messages) {
                if (message.translationType != QLatin1String("vanished")
                    && message.translationType != QLatin1String("obsolete")) {
                    QTest::newRow(message.source.toUtf8().constData())
                        << message.source << message.translation << message.translationType;
                }
            }
        }
    }

    void messageIsTranslated()
    {
        QFETCH(QString, source);
        QFETCH(QString, translation);
        QFETCH(QString, translationType);
        QCOMPARE(translationType, QString());
        QVERIFY(!translation.trimmed().isEmpty());
        QCOMPARE(Placeholders(translation), Placeholders(source));
        // Texts joined with others keep their outer blanks.
        QCOMPARE(translation.startsWith(' '), source.startsWith(' '));
        QCOMPARE(translation.endsWith(' '), source.endsWith(' '));
    }

    void everyTextOfTheCodeIsInTheFile_data()
    {
        QTest::addColumn<QString>("tsFile");
        QTest::addColumn<QString>("codeFolder");
        for (const auto& [tsFile, codeFolder] : kTranslationFiles)
            QTest::newRow(tsFile) << tsFile << codeFolder;
    }

    void everyTextOfTheCodeIsInTheFile()
    {
        QFETCH(QString, tsFile);
        QFETCH(QString, codeFolder);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString refreshed = folder.filePath("refreshed.ts");
        QVERIFY(QFile::copy(tsFile, refreshed));

        QProcess lupdate;
        lupdate.start(MAPS_LUPDATE_EXECUTABLE, {"-silent", "-locations", "none", codeFolder, "-ts", refreshed});
        QVERIFY(lupdate.waitForFinished(60000));
        QCOMPARE(lupdate.exitCode(), 0);

        QStringList untranslated;
        for (const TsMessage& message : ReadMessages(refreshed)) {
            if (message.translationType == QLatin1String("unfinished"))
                untranslated << message.source;
        }
        QVERIFY2(untranslated.isEmpty(),
                 qPrintable("Run the lupdate targets and translate: " + untranslated.join(" | ")));
    }
};

MAPS_TEST_CLASS(TranslationFileTest);

#include "tst_TranslationFile.moc"
