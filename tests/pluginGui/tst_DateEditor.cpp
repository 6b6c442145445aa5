#include "support/TestRegistry.h"

#include "viewers/gui/DateEditStyleWidget.h"
#include "viewers/gui/DateLineEdit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

void LoseFocus(QWidget* widget)
{
    QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(widget, &focusOut);
}

void Type(QWidget* widget, const QString& keys)
{
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(widget, &focusIn);
    QTest::keyClicks(widget, keys);
}

bool IsItalic(const QWidget* widget)
{
    return widget->property("font_italic").toString() == QLatin1String("true");
}

} // namespace

class DateEditorTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_editor = std::make_unique<viewers::gui::DateEditStyleWidget>();
        m_editor->show();
        m_lineEdit = m_editor->findChild<viewers::gui::DateLineEdit*>();
        QVERIFY(m_lineEdit != nullptr);
    }

    void cleanup() { m_editor.reset(); }

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

        m_editor->SetMinimumDate(QDate::fromString(minimum, "dd.MM.yyyy"));
        QSignalSpy errors(m_editor.get(), &viewers::gui::DateEditStyleWidget::Error);
        QSignalSpy changes(m_editor.get(), &viewers::gui::DateEditStyleWidget::DateChanged);
        Type(m_lineEdit, keys);
        QCOMPARE(m_lineEdit->text(), keys.left(2) + '.' + keys.mid(2, 2) + '.' + keys.mid(4));
        QCOMPARE(changes.count(), keys.size());
        QCOMPARE(errors.count(), error ? 1 : 0);
        if (error)
            QCOMPARE(errors.first().first().toString(), QStringLiteral("Incorrect inputted date"));
        QCOMPARE(IsItalic(m_lineEdit), !kept);

        LoseFocus(m_lineEdit);
        QCOMPARE(m_lineEdit->text().isEmpty(), !kept);
        QCOMPARE(m_lineEdit->inputMask().isEmpty(), !kept);
        QCOMPARE(IsItalic(m_lineEdit), !kept);
        QCOMPARE(m_editor->GetDate().isValid(), kept);
    }

private:
    std::unique_ptr<viewers::gui::DateEditStyleWidget> m_editor;
    viewers::gui::DateLineEdit* m_lineEdit = nullptr;
};

MAPS_TEST_CLASS(DateEditorTest);

#include "tst_DateEditor.moc"
