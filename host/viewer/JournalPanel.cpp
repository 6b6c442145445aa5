#include "JournalPanel.h"

#include "core/interfaces/IJournal.h"

#include <QCoreApplication>
#include <QHeaderView>
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

} // namespace host::viewer
