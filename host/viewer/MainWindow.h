#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QUrl>

#include <cstdint>

class QAction;
class QLabel;
class QProgressBar;
class QStackedWidget;

namespace host {

class PlugInHost;

namespace viewer {

class BackupLoader;
class CategoryList;
class JournalPanel;
class PageExporter;

// The viewer's window: the category list on the left, the category's page in the centre (a
// placeholder before a backup is read), the journal at the bottom, and the backup's path and
// record count in the status bar and the title. Reading a backup runs on a worker; the page is
// made on the GUI thread once the parse is done, and let go through the plug-in before the next
// backup or when the window closes. Stop gives the window back at once.
class MainWindow final : public QMainWindow {
    Q_OBJECT

public:
    // plugInHost: loaded, not owned; it must outlive the window.
    explicit MainWindow(PlugInHost& plugInHost, QWidget* parent = nullptr);
    ~MainWindow() override;

    // A backup folder holding "icloud_synced.xml", or that file. Ignored while a backup is
    // being read.
    void OpenBackup(const QString& path);
    // The category's page; null while there is none.
    QWidget* Page() const { return m_page; }

signals:
    // The backup given to OpenBackup has been dealt with; `pageShown` is false when reading
    // failed, was stopped, or found no Apple Maps data.
    void BackupOpened(bool pageShown);

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void OnOpenTriggered();
    void OnCategoryFound(const QString& name, const QString& iconPath, const QString& disabledIconPath,
                         quint64 size);
    void OnParsed(quint64 size);
    void OnNotShown(const QString& placeholderText, const QString& statusText);
    void OnLinkNotOpened(const QUrl& url);
    void OnAboutTriggered();

private:
    void CreateActions();
    void CreateLayout();
    void ShowPlaceholder(const QString& text);
    void SetBusy(bool busy);
    void ShowRecordCount(std::uint64_t size);
    // Lets the page go through the plug-in, then deletes it.
    void ReleasePage();
    void Shutdown();

    PlugInHost& m_plugInHost;
    BackupLoader* m_loader;
    PageExporter* m_exporter;
    CategoryList* m_categoryList = nullptr;
    JournalPanel* m_journalPanel = nullptr;
    QStackedWidget* m_centre = nullptr;
    QLabel* m_placeholder = nullptr;
    QLabel* m_pathLabel = nullptr;
    QLabel* m_countLabel = nullptr;
    QProgressBar* m_busyBar = nullptr;
    QAction* m_openAction = nullptr;
    QAction* m_stopAction = nullptr;
    QPointer<QWidget> m_page;
    QString m_backupFolder;
    bool m_releasing = false;
};

} // namespace viewer
} // namespace host
