#include "support/FileContents.h"
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

// The group's sheet as the plug-in's resources carry it; empty for the groups it does not carry.
QString ResourceSheet(int group)
{
    return QString::fromUtf8(test::ReadFile(QString::fromLatin1(viewers::gui::StyleGroupResource(group))));
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

    // Of several groups the last sheet stays, with every class set before; -1 sets no class.
    void applyKeepsClassesAndTheLastSheet()
    {
        QLabel label;
        viewers::gui::ApplyStyle(StyleGroup::Button, StyleClass::hyper_link, &label);
        viewers::gui::ApplyStyle(StyleGroup::Label, StyleClass::font_bold, &label, false);
        StyleSheetManager::Instance().Apply(StyleGroup::Label, -1, &label, true);
        QCOMPARE(label.dynamicPropertyNames(), QList<QByteArray>({"hyper_link", "font_bold"}));
        QCOMPARE(label.property("hyper_link").toString(), QStringLiteral("true"));
        QCOMPARE(label.property("font_bold").toString(), QStringLiteral("false"));
        QCOMPARE(label.styleSheet(), ResourceSheet(StyleGroup::Label));
        QVERIFY(!label.styleSheet().isEmpty());
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
            auto matches = selector.globalMatch(ResourceSheet(group));
            while (matches.hasNext())
                styled.insert(matches.next().captured(1));
        }
        QCOMPARE(styled - known, QSet<QString>());
        QCOMPARE(known - styled, QSet<QString>());
    }
};

MAPS_TEST_CLASS(StyleSheetManagerTest);
#include "tst_StyleSheetManager.moc"
