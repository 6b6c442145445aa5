#include "ScenarioWindow.h"

#include "viewer/CategoryList.h"
#include "viewer/JournalPanel.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

namespace test {

ScenarioWindow::ScenarioWindow()
    : m_previousHome(qgetenv("HOME"))
{
    // The export dialogs start in the user's documents.
    qputenv("HOME", QFile::encodeName(m_home.path()));
    QDir(m_home.path()).mkdir(QStringLiteral("Documents"));
    QString error;
    if (!m_appData.IsValid() || !m_plugInHost.Load(&error)) {
        qWarning("%s", qPrintable(error));
        return;
    }
    m_window = std::make_unique<host::viewer::MainWindow>(m_plugInHost);
    m_opened = std::make_unique<QSignalSpy>(m_window.get(), &host::viewer::MainWindow::BackupOpened);
    m_window->resize(1400, 860);
    m_window->show();
}

ScenarioWindow::~ScenarioWindow()
{
    m_window.reset();
    qputenv("HOME", m_previousHome);
}

bool ScenarioWindow::Open(const QString& path)
{
    m_window->OpenBackup(path);
    return WaitForBackup();
}

bool ScenarioWindow::WaitForBackup()
{
    if (m_opened->size() == m_openedSeen && !m_opened->wait(120000))
        return false;
    return m_opened->at(m_openedSeen++).first().toBool();
}

QStringList ScenarioWindow::JournalTexts() const
{
    QStringList texts;
    const auto* panel = m_window->findChild<host::viewer::JournalPanel*>();
    for (int row = 0; row < panel->topLevelItemCount(); ++row)
        texts << panel->topLevelItem(row)->text(2);
    return texts;
}

QString ScenarioWindow::CategoryListText() const
{
    return m_window->findChild<host::viewer::CategoryList*>()->Entry()->text();
}

void AnswerNextModal(std::function<bool(QWidget*)> answer)
{
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        // Answering runs the dialog's reaction, which may open the next one meanwhile.
        poll->stop();
        if (answer(modal))
            poll->deleteLater();
        else
            poll->start();
    });
    poll->start(20);
}

} // namespace test
