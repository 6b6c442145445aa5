#pragma once

#include <QTreeWidget>

namespace core {
class IJournal;
}

namespace host::viewer {

// The journal's entries, oldest first, one row each: severity, local time, text. Plug-ins add
// entries from their worker threads; the panel hears of them through the journal's callback and
// reads the new ones on the GUI thread. The messages of the selected entries can be copied.
class JournalPanel final : public QTreeWidget {
    Q_OBJECT

public:
    // journal: not owned, may be null; it must outlive the panel.
    explicit JournalPanel(core::IJournal* journal, QWidget* parent = nullptr);
    ~JournalPanel() override;

protected:
    // The view's own copy takes the cell under the cursor only, not the selected messages.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowNewEntries();
    void CopySelectedMessages();

    core::IJournal* m_journal;
    int m_shownCount = 0;
};

} // namespace host::viewer
