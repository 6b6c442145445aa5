#include "support/TestRegistry.h"

#include "viewers/gui/StyleSheetManager.h"

#include <QCheckBox>
#include <QLabel>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using viewers::gui::StyleSheetManager;
namespace StyleGroup = viewers::gui::StyleGroup;
namespace StyleClass = viewers::gui::StyleClass;

namespace {

bool IsCarried(int group)
{
    return group != StyleGroup::ViewBackupPageWidget && group != StyleGroup::Reserved
           && group != StyleGroup::AboutPage;
}

// The sheet Apply gives a widget for the group.
QString SheetOf(int group)
{
    QWidget widget;
    viewers::gui::ApplyStyle(group, StyleClass::None, &widget);
    return widget.styleSheet();
}

QStringList ParseWarnings;

void CollectParseWarnings(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtWarningMsg && message.contains(QLatin1String("Could not parse")))
        ParseWarnings.append(message);
}

} // namespace

class StyleSheetManagerTest : public QObject {
    Q_OBJECT

private slots:
    // The sheets load once per process: nothing in this executable has loaded them before.
    void loadingWarnsOnlyAboutTheSheetsThePlugInDoesNotCarry()
    {
        QVERIFY(!StyleSheetManager::Instance().IsLoaded());
        QTest::ignoreMessage(QtWarningMsg, "Failed to load style sheet :/ViewBackupPageWidget.qss");
        QTest::ignoreMessage(QtWarningMsg, "Failed to load style sheet :/AboutPage.qss");
        StyleSheetManager::Instance().Load();
        QVERIFY(StyleSheetManager::Instance().IsLoaded());
        // A second load reads nothing again, so it warns no more.
        StyleSheetManager::Instance().Load();
    }

    void applyOutsideTheClassListSetsOnlyTheSheet_data()
    {
        QTest::addColumn<int>("styleClass");
        QTest::newRow("-1") << -1;
        QTest::newRow("131, past the list") << 131;
    }

    void applyOutsideTheClassListSetsOnlyTheSheet()
    {
        QFETCH(int, styleClass);
        QLabel label;
        StyleSheetManager::Instance().Apply(StyleGroup::Label, styleClass, &label, true);
        QVERIFY(label.dynamicPropertyNames().isEmpty());
        QCOMPARE(label.styleSheet(), SheetOf(StyleGroup::Label));
    }

    void applyingTwoGroupsKeepsBothClassesAndTheSecondSheet()
    {
        QLabel label;
        viewers::gui::ApplyStyle(StyleGroup::Button, StyleClass::hyper_link, &label);
        viewers::gui::ApplyStyle(StyleGroup::Label, StyleClass::font_bold, &label);
        QCOMPARE(label.property("hyper_link").toString(), QStringLiteral("true"));
        QCOMPARE(label.property("font_bold").toString(), QStringLiteral("true"));
        QCOMPARE(label.styleSheet(), SheetOf(StyleGroup::Label));
    }

    void groupSheetsParse_data()
    {
        QTest::addColumn<int>("group");
        for (int group = 0; group < StyleGroup::Count; ++group)
            QTest::newRow(viewers::gui::StyleGroupResource(group) ? viewers::gui::StyleGroupResource(group) : "reserved")
                << group;
    }

    void groupSheetsParse()
    {
        QFETCH(int, group);
        QCOMPARE(SheetOf(group).isEmpty(), !IsCarried(group));
        ParseWarnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(CollectParseWarnings);
        QWidget parent;
        auto* label = new QLabel(&parent);
        auto* checkBox = new QCheckBox(&parent);
        viewers::gui::ApplyStyle(group, StyleClass::None, &parent);
        parent.ensurePolished();
        label->ensurePolished();
        checkBox->ensurePolished();
        qInstallMessageHandler(previous);
        QVERIFY2(ParseWarnings.isEmpty(), qPrintable(ParseWarnings.join('\n')));
    }

    // A misspelt class in a sheet styles nothing, and a class no sheet names looks like no class.
    void sheetsSelectExactlyTheKnownClasses()
    {
        QSet<QString> known;
        for (int styleClass = 0; styleClass < StyleClass::Count; ++styleClass)
            known.insert(QString::fromLatin1(viewers::gui::StyleClassName(styleClass)));

        static const QRegularExpression selector(QStringLiteral("\\[(\\w+)=\"true\"\\]"));
        QSet<QString> styled;
        for (int group = 0; group < StyleGroup::Count; ++group) {
            auto matches = selector.globalMatch(SheetOf(group));
            while (matches.hasNext()) {
                const QString name = matches.next().captured(1);
                QVERIFY2(known.contains(name), qPrintable(QStringLiteral("unknown class %1 in %2")
                                                              .arg(name, viewers::gui::StyleGroupResource(group))));
                styled.insert(name);
            }
        }
        const QSet<QString> unstyled = known - styled;
        QVERIFY2(unstyled.isEmpty(), qPrintable(QStringList(unstyled.values()).join(' ')));
    }
};

MAPS_TEST_CLASS(StyleSheetManagerTest);
#include "tst_StyleSheetManager.moc"
