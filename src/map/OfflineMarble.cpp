#include "OfflineMarble.h"

#include <marble/MarbleModel.h>
#include <marble/PluginManager.h>

#include <QString>

namespace map {

namespace {

// Marble keeps one list per process and loads plug-ins when the first model asks for them.
void LoadOnlyOfflinePlugins()
{
    static const bool listed = [] {
        // The readers of the theme's vector files and of its place cache, and the scale bar.
        for (const char* plugin : {"Pn2Plugin", "CachePlugin", "MapScaleFloatItem"})
            Marble::PluginManager::whitelistPlugin(QString::fromLatin1(plugin));
        return true;
    }();
    static_cast<void>(listed);
}

} // namespace

std::unique_ptr<Marble::MarbleModel> MakeOfflineModel()
{
    LoadOnlyOfflinePlugins();
    auto model = std::make_unique<Marble::MarbleModel>();
    model->setWorkOffline(true);
    return model;
}

} // namespace map
