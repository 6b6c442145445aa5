#include "PageControls.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWidget>

namespace host::viewer {
namespace {

constexpr char kToolbarClass[] = "pluginGui::ToolbarBase";
constexpr char kCategoryButtonClass[] = "pluginGui::ClickableLabelBase";

} // namespace

QWidget* FindCategoryButton(const QWidget* page, int category)
{
    if (!page || category < 0)
        return nullptr;
    for (const QWidget* toolbar : page->findChildren<QWidget*>()) {
        if (!toolbar->inherits(kToolbarClass))
            continue;
        // The toolbar creates its buttons in category order.
        int index = 0;
        for (QObject* child : toolbar->children()) {
            if (child->inherits(kCategoryButtonClass) && index++ == category)
                return qobject_cast<QWidget*>(child);
        }
    }
    return nullptr;
}

QLineEdit* FindSearchLine(const QWidget* page)
{
    return page ? page->findChild<QLineEdit*>(QStringLiteral("leSearch")) : nullptr;
}

bool ShowPageMap(const QWidget* page)
{
    auto* toggle = page ? page->findChild<QAbstractButton*>(QStringLiteral("mapToggleButton")) : nullptr;
    if (!toggle)
        return false;
    if (!toggle->isChecked())
        toggle->click();
    return true;
}

bool PressCategoryButton(const QWidget* page, int category)
{
    QWidget* button = FindCategoryButton(page, category);
    if (!button)
        return false;
    const QPoint centre = button->rect().center();
    QMouseEvent press(QEvent::MouseButtonPress, centre, button->mapToGlobal(centre), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(button, &press);
    return true;
}

} // namespace host::viewer
