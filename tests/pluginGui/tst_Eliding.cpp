#include "support/TestRegistry.h"

#include "viewers/gui/ElideCheckBox.h"
#include "viewers/gui/ElideText.h"

#include <QFontMetrics>
#include <QTest>

namespace {

const QString Ellipsis(QChar(0x2026));
const QString LongText = QStringLiteral("Explored places around the harbour of Sevastopol");

} // namespace

class ElidingTest : public QObject {
    Q_OBJECT

private slots:
    void elideText_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("elided");
        const QFontMetrics metrics{QFont()};
        const int full = metrics.horizontalAdvance(LongText);
        const int half = full / 2;
        QTest::newRow("fits exactly: unchanged") << int(Qt::ElideRight) << LongText << full << LongText;
        QTest::newRow("middle: as Qt cuts") << int(Qt::ElideMiddle) << LongText << half
                                            << metrics.elidedText(LongText, Qt::ElideMiddle, half);
        QTest::newRow("no room at all leaves the ellipsis") << int(Qt::ElideRight) << LongText << 0 << Ellipsis;
    }

    void elideText()
    {
        QFETCH(int, mode);
        QFETCH(QString, text);
        QFETCH(int, width);
        const auto elideMode = static_cast<Qt::TextElideMode>(mode);
        QTEST(viewers::gui::ElideText(QFontMetrics(QFont()), elideMode, text, width), "elided");
    }

    void checkBoxFollowsItsWidth()
    {
        const QString caption = QStringLiteral("Salt & Pepper: ") + LongText;
        viewers::gui::ElideCheckBox checkBox;
        checkBox.SetText(caption);
        checkBox.show();
        checkBox.resize(140, 24);
        QVERIFY(checkBox.text().endsWith(Ellipsis));
        QVERIFY2(checkBox.text().contains("&&"), "an ampersand must not become a mnemonic");
        QCOMPARE(checkBox.toolTip(), caption);

        checkBox.resize(checkBox.sizeHint().width(), 24);
        QCOMPARE(checkBox.text(), QString(caption).replace("&", "&&"));
        QCOMPARE(checkBox.toolTip(), QString());
        QCOMPARE(checkBox.GetFullText(), caption);
    }
};

MAPS_TEST_CLASS(ElidingTest);

#include "tst_Eliding.moc"
