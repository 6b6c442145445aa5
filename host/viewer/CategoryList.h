#pragma once

#include <QListWidget>

#include <cstdint>

namespace host::viewer {

// The categories the viewer offers, one entry per category plug-in: its icon and name with the
// record count. The entry is disabled, its icon greyed, until the category's page exists.
class CategoryList final : public QListWidget {
    Q_OBJECT

public:
    // Starts with one disabled entry, `name`, without an icon: the icon comes with a backup.
    explicit CategoryList(const QString& name, QWidget* parent = nullptr);

    // The backup's category. A size with all bits set is unknown and not shown.
    void ShowCategory(const QString& name, const QString& iconPath, const QString& disabledIconPath,
                      std::uint64_t size);
    // The count after a parse, which may differ from the one the category gave before it.
    void ShowRecordCount(std::uint64_t size);
    // Back to the state before any backup: no icon, no count, disabled.
    void Reset();
    // Whether the category's page exists.
    void SetLoaded(bool loaded);

    QListWidgetItem* Entry() const { return item(0); }

private:
    QString m_name;
};

} // namespace host::viewer
