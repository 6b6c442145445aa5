#include "support/TestRegistry.h"

#include "appleMaps/parser/TextCache.h"

#include <QTest>

#include <string>
#include <vector>

using appleMaps::details::TextCache;

class TextCacheTest : public QObject {
    Q_OBJECT

private slots:
    // One slot: every text takes it over from the one before, so a stale slot would show.
    void everyTextGetsItsOwnString()
    {
        TextCache texts(0);
        const std::vector<std::string> sequence = {"Moskva", "Tver", "Moskva", std::string("a\0b", 3), "a",
                                                   "Кремль 𝄞", "Кремль 𝄞"};
        for (const std::string& utf8 : sequence)
            QCOMPARE(texts.Get(utf8), QString::fromUtf8(utf8.data(), static_cast<int>(utf8.size())));
    }

    void noTextIsNullAndEmptyTextIsNot()
    {
        TextCache texts(0);
        QVERIFY(texts.Get(std::string_view()).isNull());
        const QString empty = texts.Get("");
        QVERIFY(empty.isEmpty());
        QVERIFY(!empty.isNull());
    }

    void repeatedTextSharesOneString()
    {
        TextCache texts;
        const QString first = texts.Get("Россия");
        QVERIFY(texts.Get("Франция") != first);
        QVERIFY(texts.Get("Россия").isSharedWith(first));
    }
};

MAPS_TEST_CLASS(TextCacheTest);
#include "tst_TextCache.moc"
