#include "ExportMenuAction.h"

#include "ExportMenuItemWidget.h"

namespace pluginGui {

ExportMenuAction::ExportMenuAction(const QString& text, QObject* parent)
    : QWidgetAction(parent)
    , m_itemWidget(new ExportMenuItemWidget(text))
{
    setText(text);
    setDefaultWidget(m_itemWidget);
}

} // namespace pluginGui
