#include "StyleSheetManager.h"

#include "CryptLog/log/Log.h"
#include "resources/KitResources.h"

#include <QFile>
#include <QWidget>
#include <QtDebug>

namespace viewers::gui {

StyleSheetManager& StyleSheetManager::Instance()
{
    static StyleSheetManager manager;
    return manager;
}

void StyleSheetManager::Load()
{
    if (m_loaded)
        return;
    resources::InitKitResources();
    for (int group = 0; group < StyleGroup::Count; ++group) {
        const char* resource = StyleGroupResource(group);
        QString sheet;
        if (resource) {
            QFile file(QString::fromLatin1(resource));
            if (file.open(QIODevice::ReadOnly))
                sheet = QString::fromUtf8(file.readAll());
            else
                qWarning().noquote() << QStringLiteral("Failed to load style sheet %1").arg(file.fileName());
        }
        m_sheets[group] = sheet;
    }
    for (int styleClass = 0; styleClass < StyleClass::Count; ++styleClass)
        m_classes[styleClass] = QString::fromLatin1(StyleClassName(styleClass));
    m_loaded = true;
}

void StyleSheetManager::Apply(int group, int styleClass, QWidget* widget, bool enabled)
{
    if (!widget) {
        LOG_DEBUG << "No widget to style";
        return;
    }
    const auto styleClassName = m_classes.find(styleClass);
    if (styleClassName != m_classes.end()) {
        widget->setProperty(styleClassName->second.toLatin1().constData(),
                            enabled ? QStringLiteral("true") : QStringLiteral("false"));
    }
    const auto sheet = m_sheets.find(group);
    widget->setStyleSheet(sheet != m_sheets.end() ? sheet->second : QString());
}

void ApplyStyle(int group, int styleClass, QWidget* widget, bool enabled)
{
    StyleSheetManager& manager = StyleSheetManager::Instance();
    if (!manager.IsLoaded())
        manager.Load();
    manager.Apply(group, styleClass, widget, enabled);
}

} // namespace viewers::gui
