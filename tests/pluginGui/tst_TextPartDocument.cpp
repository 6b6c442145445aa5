#include "support/TestRegistry.h"

#include "pluginGui/LinkText.h"
#include "pluginGui/TextPartDocument.h"

#include <QTest>

class TextPartDocumentTest : public QObject {
    Q_OBJECT

private slots:
    void splitsAroundTheLastLink_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QStringList>("partTexts");
        QTest::addColumn<QString>("plainText");

        QTest::newRow("no link") << "Shown 7 of 10" << QStringList{"Shown 7 of 10"} << "Shown 7 of 10";
        QTest::newRow("one link") << "Oldest: <a href=\"#0\">01.02.2019</a> (UTC)"
                                  << QStringList{"Oldest: ", "<a href=\"#0\">01.02.2019</a>", " (UTC)"}
                                  << "Oldest: 01.02.2019 (UTC)";
        QTest::newRow("two links: only the second is split out")
            << "<a href=\"#0\">first</a> and <a href=\"#1\">second</a>!"
            << QStringList{"<a href=\"#0\">first</a> and ", "<a href=\"#1\">second</a>", "!"}
            << "<a href=\"#0\">first</a> and second!";
    }

    void splitsAroundTheLastLink()
    {
        QFETCH(QString, html);

        pluginGui::TextPartDocument document;
        // What a parse leaves must not outlive the next one.
        QVERIFY(document.Parse("a <a href=\"#\">b</a> c"));
        QVERIFY(document.Parse(html));
        QStringList texts;
        for (const auto& part : document.GetParts())
            texts.append(part->GetText());
        QTEST(texts, "partTexts");
        QTEST(document.ToPlainText(), "plainText");
        QCOMPARE(document.ToHtml(), html);
    }

    void shortenedPlainTextKeepsTheLinkMarkup_data()
    {
        QTest::addColumn<QString>("shortened");
        QTest::addColumn<QString>("html");
        const QString ellipsis(QChar(0x2026));
        QTest::newRow("cut inside the trailing text")
            << "Found in Favorites to" + ellipsis << "Found in <a href=\"#1\">Favorites</a> to" + ellipsis;
        QTest::newRow("cut inside the link")
            << "Found in Favo" + ellipsis << "Found in <a href=\"#1\">Favo" + ellipsis + "</a>";
        QTest::newRow("cut before the link: the link disappears")
            << "Found" + ellipsis << "Found" + ellipsis;
    }

    void shortenedPlainTextKeepsTheLinkMarkup()
    {
        QFETCH(QString, shortened);
        pluginGui::TextPartDocument document;
        QVERIFY(document.Parse("Found in <a href=\"#1\">Favorites</a> today"));
        document.UpdateFrom(shortened);
        QTEST(document.ToHtml(), "html");
    }
};

MAPS_TEST_CLASS(TextPartDocumentTest);

#include "tst_TextPartDocument.moc"
