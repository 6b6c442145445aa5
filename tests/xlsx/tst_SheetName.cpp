#include "support/TestRegistry.h"

#include "xlsx/SheetName.h"

#include <QTest>

class SheetNameTest : public QObject {
    Q_OBJECT

private slots:
    void names_data()
    {
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<QStringList>("taken");
        QTest::addColumn<QString>("name");

        QTest::newRow("short name kept") << "Apple Maps - Searches" << QStringList() << "Apple Maps - Searches";
        QTest::newRow("32 characters cut to 31")
            << "Apple Maps - Directions searches" << QStringList() << "Apple Maps - Directions searche";
        QTest::newRow("cut at a blank leaves no trailing blank")
            << "Apple Maps - Explored places and more" << QStringList() << "Apple Maps - Explored places an";
        QTest::newRow("forbidden characters") << "a[b]c:d*e?f/g\\h" << QStringList() << "a b c d e f g h";
        QTest::newRow("apostrophes at the ends") << "'quoted'" << QStringList() << "quoted";
        QTest::newRow("characters, not bytes")
            << QString(40, QChar(0x0416)) << QStringList() << QString(31, QChar(0x0416));
        QTest::newRow("clash") << "Apple Maps - Searches" << QStringList("Apple Maps - Searches")
                               << "Apple Maps - Searches~2";
        QTest::newRow("clash ignores case") << "sheet" << QStringList("SHEET") << "sheet~2";
        QTest::newRow("clash of cut names keeps 31")
            << "Apple Maps - Directions searches, again"
            << QStringList({"Apple Maps - Directions searche", "Apple Maps - Directions searc~2"})
            << "Apple Maps - Directions searc~3";
        QTest::newRow("reserved name") << "History" << QStringList() << "Sheet";
        QTest::newRow("nothing left") << "''" << QStringList() << "Sheet";
    }

    void names()
    {
        QFETCH(QString, wanted);
        QFETCH(QStringList, taken);
        QFETCH(QString, name);
        const QString made = host::xlsx::MakeSheetName(wanted, taken);
        QCOMPARE(made, name);
        QVERIFY(made.toUcs4().size() <= host::xlsx::MaxSheetNameLength);
    }
};

MAPS_TEST_CLASS(SheetNameTest);

#include "tst_SheetName.moc"
