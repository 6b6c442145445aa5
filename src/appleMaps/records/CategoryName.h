#pragma once

#include "AppleMapsCategory.h"

#include "CryptLog/log/Log.h"

#include <QCoreApplication>
#include <QString>

namespace appleMaps::ui {

// The caption of a record kind in the user's language; empty for an unknown number.
inline QString GetCategoryName(int category)
{
    switch (category) {
    case SearchesCategory: return QCoreApplication::translate("cmn", "Searches");
    case FavoritesCategory: return QCoreApplication::translate("cmn", "Favorites");
    case ExploredPlacesCategory: return QCoreApplication::translate("cmn", "Explored places") + QLatin1Char(' ');
    case DirectionsSearchesCategory: return QCoreApplication::translate("cmn", "Directions searches");
    default: break;
    }
    LOG_WARN << "Unknown category: " << category;
    return {};
}

} // namespace appleMaps::ui
