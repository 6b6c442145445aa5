#pragma once

#include <QTreeWidget>

namespace core {
class IJournal;
}

namespace host::viewer {

// The journal's entries, oldest first, one row each: severity, local time, text. Plug-ins add
// entries from their worker threads; the panel hears of them through the journal's callback and
// reads the new ones on the GUI thread.
class JournalPanel final : public QTreeWidget {
    Q_OBJECT

public:
    // journal: not owned, may be null; it must outlive the panel.
    explicit JournalPanel(core::IJournal* journal, QWidget* parent = nullptr);
    ~JournalPanel() override;

private:
    void ShowNewEntries();

    core::IJournal* m_journal;
    int m_shownCount = 0;
};

} // namespace host::viewer
