#pragma once

#include <QWidgetAction>

namespace pluginGui {

class ExportMenuItemWidget;

// One entry of the export menu, shown through its ExportMenuItemWidget.
class ExportMenuAction : public QWidgetAction {
    Q_OBJECT

public:
    ExportMenuAction(const QString& text, QObject* parent);

    // Owned by the action until a menu takes it.
    ExportMenuItemWidget* GetItemWidget() const { return m_itemWidget; }

private:
    ExportMenuItemWidget* m_itemWidget;
};

} // namespace pluginGui
