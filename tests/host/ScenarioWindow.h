#pragma once

#include "support/TemporaryAppData.h"

#include "mapsview/PlugInHost.h"
#include "viewer/MainWindow.h"

#include <QSignalSpy>
#include <QTemporaryDir>

#include <functional>
#include <memory>


namespace test {

// The viewer's real main window over the real plug-in module, shown, for scenarios that drive it
// as a person would. Settings, the log and the home folder (with an empty "Documents") point
// into temporary folders while it lives.
class ScenarioWindow final {
public:
    ScenarioWindow();
    ~ScenarioWindow();

    // Null when the plug-in did not load.
    host::viewer::MainWindow* Window() const { return m_window.get(); }
    QString HomePath() const { return m_home.path(); }

    // Opens `path` as the window's OpenBackup does and waits until it is dealt with; whether a
    // page is shown.
    bool Open(const QString& path);
    // Waits for the BackupOpened that follows what the test did; whether a page is shown.
    bool WaitForBackup();
    QStringList JournalTexts() const;
    QString CategoryListText() const;

private:
    TemporaryAppData m_appData;
    QTemporaryDir m_home;
    QByteArray m_previousHome;
    host::PlugInHost m_plugInHost;
    std::unique_ptr<host::viewer::MainWindow> m_window;
    std::unique_ptr<QSignalSpy> m_opened;
    int m_openedSeen = 0;
};

// Runs `answer` on the next modal widget of type Dialog once it is open, while its own event
// loop runs.
void AnswerNextModal(std::function<bool(QWidget*)> answer);
template <typename Dialog>
void AnswerNextDialog(std::function<void(Dialog*)> answer)
{
    AnswerNextModal([answer](QWidget* modal) {
        auto* dialog = qobject_cast<Dialog*>(modal);
        if (dialog)
            answer(dialog);
        return dialog != nullptr;
    });
}

} // namespace test
