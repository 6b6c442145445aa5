#include "support/TestRegistry.h"

#include "viewers/gui/DateEditStyleWidget.h"
#include "viewers/gui/DateLineEdit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QSignalSpy>
#include <QTest>

class DateEditorTest : public QObject {
    Q_OBJECT

private slots:
    void typedDates_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("minimum");
        QTest::addColumn<bool>("error");
        QTest::addColumn<bool>("kept");
        QTest::newRow("a valid date") << "14072019" << QString() << false << true;
        QTest::newRow("the 31st of February") << "31022019" << QString() << true << false;
        QTest::newRow("before the minimum") << "14072019" << "01.01.2020" << false << false;
    }

    void typedDates()
    {
        QFETCH(QString, keys);
        QFETCH(QString, minimum);
        QFETCH(bool, error);
        QFETCH(bool, kept);
        viewers::gui::DateEditStyleWidget editor;
        editor.show();
        auto* lineEdit = editor.findChild<viewers::gui::DateLineEdit*>();
        QVERIFY(lineEdit);
        const auto italic = [lineEdit] { return lineEdit->property("font_italic").toString() == "true"; };

        editor.SetMinimumDate(QDate::fromString(minimum, "dd.MM.yyyy"));
        QSignalSpy errors(&editor, &viewers::gui::DateEditStyleWidget::Error);
        QSignalSpy changes(&editor, &viewers::gui::DateEditStyleWidget::DateChanged);
        QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(lineEdit, &focusIn);
        QTest::keyClicks(lineEdit, keys);
        QCOMPARE(lineEdit->text(), keys.left(2) + '.' + keys.mid(2, 2) + '.' + keys.mid(4));
        QCOMPARE(changes.count(), keys.size());
        QCOMPARE(errors.count(), error ? 1 : 0);
        if (error)
            QCOMPARE(errors.first().first().toString(), QStringLiteral("Incorrect inputted date"));
        QCOMPARE(italic(), !kept);

        QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(lineEdit, &focusOut);
        QCOMPARE(lineEdit->text().isEmpty(), !kept);
        QCOMPARE(lineEdit->inputMask().isEmpty(), !kept);
        QCOMPARE(italic(), !kept);
        QCOMPARE(editor.GetDate().isValid(), kept);
    }
};

MAPS_TEST_CLASS(DateEditorTest);

#include "tst_DateEditor.moc"
