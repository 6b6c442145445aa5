#include "MainWindow.h"

#include "BackupLoader.h"
#include "CategoryList.h"
#include "FutureWait.h"
#include "JournalPanel.h"
#include "LinkOpener.h"
#include "PageExporter.h"

#include "mapsview/DescriptorPath.h"
#include "mapsview/PlugInHost.h"
#include "qml/QuickControls.h"

#include "CryptLog/log/Log.h"
#include "core/CategoryViewBase.h"
#include "core/interfaces/ICategoryPlugIn.h"
#include "core/interfaces/IJournal.h"
#include "core/interfaces/IPlugInBase.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

#include <exception>
#include <limits>

// Resources of a static library are registered by name, from the global namespace.
static void InitHostStyles()
{
    Q_INIT_RESOURCE(HostStyles);
}

namespace host::viewer {
namespace {

constexpr int kCategoryListWidth = 210;
constexpr int kJournalHeight = 150;
constexpr char kApplicationName[] = "mapsview";

// The host's own pages carry the sheets the plug-in's style groups name after them.
QString HostStyleSheet(const QString& resource)
{
    QFile file(resource);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

MainWindow::MainWindow(PlugInHost& plugInHost, QWidget* parent)
    : QMainWindow(parent)
    , m_plugInHost(plugInHost)
    , m_loader(new BackupLoader(plugInHost, this))
    , m_exporter(new PageExporter(plugInHost, this))
{
    // The page's filter switch is a Quick widget.
    InitQuickControls();
    InitHostStyles();
    setWindowTitle(QLatin1String(kApplicationName));
    CreateActions();
    CreateLayout();

    connect(m_loader, &BackupLoader::CategoryFound, this, &MainWindow::OnCategoryFound);
    connect(m_loader, &BackupLoader::Parsed, this, &MainWindow::OnParsed);
    connect(m_loader, &BackupLoader::NoCategory, this, [this](const QString& descriptorPath) {
        OnNotShown(QCoreApplication::translate("cmn", "No Apple Maps data in %1.")
                       .arg(QDir::toNativeSeparators(descriptorPath)),
                   QCoreApplication::translate("cmn", "No Apple Maps data"));
    });
    connect(m_loader, &BackupLoader::Stopped, this, [this] {
        if (core::IJournal* journal = m_plugInHost.Journal())
            journal->AddInfo(QCoreApplication::translate("cmn", "Parsing of %1 was stopped.").arg(m_pathLabel->text()));
        OnNotShown(QCoreApplication::translate("cmn", "Parsing stopped"),
                   QCoreApplication::translate("cmn", "Parsing stopped"));
    });
    connect(m_loader, &BackupLoader::Failed, this, [this](const QString& message) {
        OnNotShown(QCoreApplication::translate("cmn", "The backup cannot be read. The journal below tells why."),
                   message);
    });
    connect(m_exporter, &PageExporter::ExportEnded, this, [this](const QString& text) {
        statusBar()->showMessage(text);
    });
    connect(new LinkOpener(this), &LinkOpener::OpenFailed, this, &MainWindow::OnLinkNotOpened);
    SetBusy(false);
}

MainWindow::~MainWindow()
{
    Shutdown();
}

void MainWindow::CreateActions()
{
    QMenu* fileMenu = menuBar()->addMenu(QCoreApplication::translate("cmn", "&File"));
    QToolBar* toolBar = addToolBar(QCoreApplication::translate("cmn", "Backup"));
    toolBar->setObjectName(QStringLiteral("BackupToolBar"));
    toolBar->setMovable(false);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    m_openAction = new QAction(style()->standardIcon(QStyle::SP_DialogOpenButton),
                               QCoreApplication::translate("cmn", "Open backup..."), this);
    m_openAction->setShortcut(QKeySequence::Open);
    connect(m_openAction, &QAction::triggered, this, &MainWindow::OnOpenTriggered);

    m_stopAction
        = new QAction(style()->standardIcon(QStyle::SP_BrowserStop), QCoreApplication::translate("cmn", "Stop"), this);
    connect(m_stopAction, &QAction::triggered, m_loader, &BackupLoader::Stop);

    auto* quitAction = new QAction(QCoreApplication::translate("cmn", "Quit"), this);
    quitAction->setShortcut(QKeySequence::Quit);
    connect(quitAction, &QAction::triggered, this, &QWidget::close);

    fileMenu->addAction(m_openAction);
    fileMenu->addAction(m_stopAction);
    fileMenu->addSeparator();
    fileMenu->addAction(quitAction);
    toolBar->addAction(m_openAction);
    toolBar->addAction(m_stopAction);

    QMenu* helpMenu = menuBar()->addMenu(QCoreApplication::translate("cmn", "&Help"));
    helpMenu->addAction(QCoreApplication::translate("cmn", "About mapsview"), this, &MainWindow::OnAboutTriggered);
}

void MainWindow::CreateLayout()
{
    core::IPlugInBase* plugIn = m_plugInHost.PlugIn();
    m_categoryList = new CategoryList(plugIn->GetCategoryName());
    m_categoryList->setMinimumWidth(kCategoryListWidth);

    m_placeholder = new QLabel;
    m_placeholder->setObjectName(QStringLiteral("BackupPagePlaceholder"));
    m_placeholder->setStyleSheet(HostStyleSheet(QStringLiteral(":/ViewBackupPageWidget.qss")));
    m_placeholder->setAlignment(Qt::AlignCenter);
    m_placeholder->setWordWrap(true);
    m_placeholder->setMargin(24);
    QFont placeholderFont = m_placeholder->font();
    // The plug-in's style sheets size fonts in pixels, which leaves no point size to scale.
    if (placeholderFont.pixelSize() > 0)
        placeholderFont.setPixelSize(placeholderFont.pixelSize() * 5 / 4);
    else
        placeholderFont.setPointSizeF(placeholderFont.pointSizeF() * 1.25);
    m_placeholder->setFont(placeholderFont);
    m_centre = new QStackedWidget;
    m_centre->addWidget(m_placeholder);

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(m_categoryList);
    splitter->addWidget(m_centre);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);
    splitter->setSizes({kCategoryListWidth, 1000});
    setCentralWidget(splitter);

    m_journalPanel = new JournalPanel(m_plugInHost.Journal());
    auto* journalDock = new QDockWidget(QCoreApplication::translate("cmn", "Journal"), this);
    journalDock->setObjectName(QStringLiteral("JournalDock"));
    journalDock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    journalDock->setWidget(m_journalPanel);
    addDockWidget(Qt::BottomDockWidgetArea, journalDock);
    resizeDocks({journalDock}, {kJournalHeight}, Qt::Vertical);

    m_pathLabel = new QLabel;
    m_countLabel = new QLabel;
    m_busyBar = new QProgressBar;
    m_busyBar->setRange(0, 0);
    m_busyBar->setMaximumWidth(140);
    m_busyBar->setTextVisible(false);
    statusBar()->addWidget(m_pathLabel, 1);
    statusBar()->addPermanentWidget(m_countLabel);
    statusBar()->addPermanentWidget(m_busyBar);

    auto* shortcut = new QShortcut(QKeySequence(plugIn->GetShortcut()), this);
    connect(shortcut, &QShortcut::activated, this, [this] {
        m_categoryList->setCurrentItem(m_categoryList->Entry());
        if (m_page)
            m_page->setFocus(Qt::ShortcutFocusReason);
        else
            m_categoryList->setFocus(Qt::ShortcutFocusReason);
    });
    ShowPlaceholder(QCoreApplication::translate(
        "cmn", "Open a backup folder holding \"icloud_synced.xml\" with File > Open backup..."));
}

void MainWindow::OnOpenTriggered()
{
    const QString path = QFileDialog::getOpenFileName(
        this, QCoreApplication::translate("cmn", "Open backup"), QString(),
        QCoreApplication::translate("cmn", "Backup descriptor (icloud_synced.xml);;All files (*)"));
    if (!path.isEmpty())
        OpenBackup(path);
}

void MainWindow::OpenBackup(const QString& path)
{
    if (m_loader->IsBusy() || m_releasing)
        return;
    try {
        QString error;
        const QString descriptorPath = FindDescriptor(path, &error);
        ReleasePage();
        const QString shownPath = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
        setWindowTitle(QStringLiteral("%1 - %2").arg(shownPath, QLatin1String(kApplicationName)));
        m_pathLabel->setText(shownPath);
        // Nothing of the previous backup stays while this one is read.
        m_categoryList->Reset();
        m_countLabel->clear();
        if (descriptorPath.isEmpty()) {
            OnNotShown(error, error);
            return;
        }
        m_backupFolder = QFileInfo(descriptorPath).absolutePath();
        ShowPlaceholder(QCoreApplication::translate("cmn", "Reading %1...").arg(QDir::toNativeSeparators(path)));
        statusBar()->clearMessage();
        m_loader->Open(descriptorPath);
        SetBusy(true);
    } catch (const std::exception& error) {
        LOG_ERROR << error.what();
        OnNotShown(QString::fromUtf8(error.what()), QString::fromUtf8(error.what()));
    }
}

void MainWindow::OnCategoryFound(const QString& name, const QString& iconPath, const QString& disabledIconPath,
                                 quint64 size)
{
    m_categoryList->ShowCategory(name, iconPath, disabledIconPath, size);
    ShowRecordCount(size);
}

void MainWindow::OnParsed(quint64 size)
{
    try {
        m_categoryList->ShowRecordCount(size);
        ShowRecordCount(size);
        core::IPlugInBase* plugIn = m_plugInHost.PlugIn();
        plugIn->CreateView();
        core::ICategoryPlugIn* category = plugIn->GetCategoryPlugIn();
        core::CategoryViewBase* page = category ? category->TakeView() : nullptr;
        if (!page) {
            OnNotShown(QCoreApplication::translate("cmn", "The backup holds no Apple Maps records."),
                       QCoreApplication::translate("cmn", "No Apple Maps records"));
            return;
        }
        m_page = page;
        m_centre->addWidget(page);
        m_centre->setCurrentWidget(page);
        m_exporter->Attach(page, m_backupFolder);
        m_categoryList->SetLoaded(true);
        statusBar()->clearMessage();
        SetBusy(false);
        emit BackupOpened(true);
    } catch (const std::exception& error) {
        LOG_ERROR << error.what();
        OnNotShown(QCoreApplication::translate("cmn", "The page cannot be shown."), QString::fromUtf8(error.what()));
    }
}

void MainWindow::OnNotShown(const QString& placeholderText, const QString& statusText)
{
    m_categoryList->Reset();
    m_countLabel->clear();
    ShowPlaceholder(placeholderText);
    statusBar()->showMessage(statusText);
    SetBusy(false);
    emit BackupOpened(false);
}

void MainWindow::OnLinkNotOpened(const QUrl& url)
{
    const QString text = QCoreApplication::translate("cmn", "No web browser could open the link %1. Copy it from the "
                                                            "journal.")
                             .arg(url.toString());
    if (core::IJournal* journal = m_plugInHost.Journal())
        journal->AddWarning(text);
    statusBar()->showMessage(text);
}

void MainWindow::OnAboutTriggered()
{
    const core::PlugInVersion& version = m_plugInHost.PlugIn()->GetVersion();
    QMessageBox about(QMessageBox::NoIcon, QCoreApplication::translate("cmn", "About mapsview"),
                      QCoreApplication::translate("cmn", "<p><b>mapsview</b></p><p>A viewer for the Apple Maps data of "
                                                         "extracted iCloud-synced backups. It never writes into a "
                                                         "backup.</p><p>Category plug-in: %1, version %2.</p>")
                          .arg(m_plugInHost.PlugIn()->GetCategoryName(),
                               QStringLiteral("%1.%2.%3.%4")
                                   .arg(version.versionMajor)
                                   .arg(version.versionMinor)
                                   .arg(version.build)
                                   .arg(version.revision)),
                      QMessageBox::Close, this);
    about.setObjectName(QStringLiteral("AboutPage"));
    about.setStyleSheet(HostStyleSheet(QStringLiteral(":/AboutPage.qss")));
    about.exec();
}

void MainWindow::ShowPlaceholder(const QString& text)
{
    m_placeholder->setText(text);
    m_centre->setCurrentWidget(m_placeholder);
}

void MainWindow::SetBusy(bool busy)
{
    m_busyBar->setVisible(busy);
    m_openAction->setEnabled(!busy);
    m_stopAction->setEnabled(busy && !m_releasing);
}

void MainWindow::ShowRecordCount(std::uint64_t size)
{
    m_countLabel->setText(size == std::numeric_limits<std::uint64_t>::max()
                              ? QString()
                              : QCoreApplication::translate("cmn", "Records: %1").arg(size));
}

void MainWindow::ReleasePage()
{
    if (!m_page)
        return;
    m_releasing = true;
    SetBusy(true);
    // The plug-in waits for this thread to run the page's shutdown: never block here.
    WaitWhileProcessingEvents(m_loader->DetachView());
    delete m_page;
    m_categoryList->SetLoaded(false);
    m_releasing = false;
    SetBusy(false);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_releasing) {
        event->ignore();
        return;
    }
    Shutdown();
    QMainWindow::closeEvent(event);
}

void MainWindow::Shutdown()
{
    if (m_releasing)
        return;
    // The window is going: a stop now is not news for it.
    disconnect(m_loader, nullptr, this, nullptr);
    m_loader->Stop();
    // A stopped parse may still be winding down: the plug-in must not go while it runs.
    m_loader->WaitUntilIdle();
    ReleasePage();
}

} // namespace host::viewer
