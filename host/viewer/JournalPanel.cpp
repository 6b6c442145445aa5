#include "JournalPanel.h"

#include "core/interfaces/IJournal.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPointer>
#include <QStyle>

namespace host::viewer {
namespace {

enum Column { SeverityColumn, TimeColumn, TextColumn };

QString SeverityText(core::JournalSeverity severity)
{
    switch (severity) {
    case core::JournalSeverity::Error: return QCoreApplication::translate("cmn", "Error");
    case core::JournalSeverity::Warning: return QCoreApplication::translate("cmn", "Warning");
    case core::JournalSeverity::Info: break;
    }
    return QCoreApplication::translate("cmn", "Info");
}

QStyle::StandardPixmap SeverityIcon(core::JournalSeverity severity)
{
    switch (severity) {
    case core::JournalSeverity::Error: return QStyle::SP_MessageBoxCritical;
    case core::JournalSeverity::Warning: return QStyle::SP_MessageBoxWarning;
    case core::JournalSeverity::Info: break;
    }
    return QStyle::SP_MessageBoxInformation;
}

} // namespace

JournalPanel::JournalPanel(core::IJournal* journal, QWidget* parent)
    : QTreeWidget(parent)
    , m_journal(journal)
{
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setHeaderLabels({QCoreApplication::translate("cmn", "Severity"), QCoreApplication::translate("cmn", "Time"),
                     QCoreApplication::translate("cmn", "Message")});
    header()->setStretchLastSection(true);
    header()->setSectionResizeMode(SeverityColumn, QHeaderView::ResizeToContents);
    header()->setSectionResizeMode(TimeColumn, QHeaderView::ResizeToContents);
    auto* copy = new QAction(QCoreApplication::translate("cmn", "Copy"), this);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, &JournalPanel::CopySelectedMessages);
    addAction(copy);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    if (!m_journal)
        return;
    ShowNewEntries();
    // The callback may run on any thread, even while the panel goes away: it only posts to the
    // application object, and the guard is read on the GUI thread.
    const QPointer<JournalPanel> panel(this);
    m_journal->SetEntryAddedCallback([panel](const core::JournalEntry&) {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [panel] {
                if (panel)
                    panel->ShowNewEntries();
            },
            Qt::QueuedConnection);
    });
}

JournalPanel::~JournalPanel()
{
    if (m_journal)
        m_journal->SetEntryAddedCallback({});
}

void JournalPanel::ShowNewEntries()
{
    const QVector<core::JournalEntry> entries = m_journal->Entries(m_shownCount);
    if (entries.isEmpty())
        return;
    m_shownCount += entries.size();
    for (const core::JournalEntry& entry : entries) {
        auto* row = new QTreeWidgetItem(this);
        row->setIcon(SeverityColumn, style()->standardIcon(SeverityIcon(entry.severity)));
        row->setText(SeverityColumn, SeverityText(entry.severity));
        row->setText(TimeColumn, entry.time.toLocalTime().toString(QStringLiteral("dd.MM.yyyy hh:mm:ss")));
        row->setText(TextColumn, entry.text);
        row->setToolTip(TextColumn, entry.text);
    }
    scrollToItem(topLevelItem(topLevelItemCount() - 1));
}

void JournalPanel::keyPressEvent(QKeyEvent* event)
{
    if (event == QKeySequence::Copy)
        CopySelectedMessages();
    else
        QTreeWidget::keyPressEvent(event);
}

void JournalPanel::CopySelectedMessages()
{
    QStringList messages;
    for (int row = 0; row < topLevelItemCount(); ++row) {
        if (topLevelItem(row)->isSelected())
            messages << topLevelItem(row)->text(TextColumn);
    }
    if (QClipboard* clipboard = QGuiApplication::clipboard(); clipboard && !messages.isEmpty())
        clipboard->setText(messages.join(QLatin1Char('\n')));
}

} // namespace host::viewer
