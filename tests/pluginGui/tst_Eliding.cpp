#include "support/RecordingSink.h"
#include "support/TestRegistry.h"

#include "viewers/gui/ElideCheckBox.h"
#include "viewers/gui/ElideText.h"
#include "viewers/gui/FillElidedQtClass.h"

#include <QFontMetrics>
#include <QLabel>
#include <QTest>

namespace {

const QString Ellipsis(QChar(0x2026));
const QString LongText = QStringLiteral("Explored places around the harbour of Sevastopol");

} // namespace

class ElidingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::ProcessRecordingSink(); }

    void elideText_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("oneCharacterEarlier");
        const int fullWidth = QFontMetrics(QFont()).horizontalAdvance(LongText);
        QTest::newRow("fits: unchanged") << int(Qt::ElideRight) << fullWidth << false;
        QTest::newRow("right: one character before Qt's cut") << int(Qt::ElideRight) << fullWidth / 2 << true;
        QTest::newRow("middle: as Qt cuts") << int(Qt::ElideMiddle) << fullWidth / 2 << false;
        QTest::newRow("left: as Qt cuts") << int(Qt::ElideLeft) << fullWidth / 2 << false;
    }

    void elideText()
    {
        QFETCH(int, mode);
        QFETCH(int, width);
        QFETCH(bool, oneCharacterEarlier);

        const QFontMetrics metrics{QFont()};
        const auto elideMode = static_cast<Qt::TextElideMode>(mode);
        const QString qtElided = metrics.elidedText(LongText, elideMode, width);
        const QString expected = oneCharacterEarlier ? qtElided.chopped(2) + Ellipsis : qtElided;
        QCOMPARE(viewers::gui::ElideText(metrics, elideMode, LongText, width), expected);
    }

    void elideTextLeavesAtLeastTheEllipsis_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("elided");
        QTest::newRow("no room at all") << LongText << Ellipsis;
        QTest::newRow("empty text") << QString() << QString();
    }

    void elideTextLeavesAtLeastTheEllipsis()
    {
        QFETCH(QString, text);
        QFETCH(QString, elided);
        QCOMPARE(viewers::gui::ElideText(QFontMetrics(QFont()), Qt::ElideRight, text, 0), elided);
    }

    void fillElidedSetsToolTipOnlyWhenCut_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("cut");
        QTest::newRow("wide enough") << 2000 << false;
        QTest::newRow("too narrow") << 120 << true;
    }

    void fillElidedSetsToolTipOnlyWhenCut()
    {
        QFETCH(int, width);
        QFETCH(bool, cut);

        QLabel label;
        viewers::gui::details::FillElidedQtClass(&label, LongText, Qt::ElideMiddle, width);
        QCOMPARE(label.text() != LongText, cut);
        QCOMPARE(label.toolTip(), cut ? QStringLiteral("<p style='white-space:pre'>%1</p>").arg(LongText) : QString());
    }

    void fillElidedIgnoresNullWidget()
    {
        test::ProcessRecordingSink()->Clear();
        viewers::gui::details::FillElidedQtClass(nullptr, LongText, Qt::ElideRight, 10);
        const std::vector<test::LogLine> lines = test::ProcessRecordingSink()->Lines();
        QCOMPARE(lines.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(lines.front().function), QStringLiteral("viewers::gui::details::FillElidedQtClass"));
        QCOMPARE(QString::fromStdString(lines.front().message), QStringLiteral("Type t is null"));
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
