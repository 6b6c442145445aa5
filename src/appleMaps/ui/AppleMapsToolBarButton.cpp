#include "AppleMapsToolBarButton.h"

#include "appleMaps/records/CategoryName.h"

#include "CryptLog/log/Log.h"

#include <QPixmap>

namespace appleMaps::ui {

namespace {

struct CategoryIcons {
    const char* active;
    const char* inactive;
    const char* disabled;
};

constexpr CategoryIcons Icons[CategoryCount] = {
    {"icons_orange_history.png", "icons_gray_history.png", "icons_disabled_history.png"},
    {"icons_orange_bookmarks.png", "icons_gray_bookmarks.png", "icons_disabled_bookmarks.png"},
    {"AppleMapsPlaces_orange.png", "AppleMapsPlaces_gray.png", "AppleMapsPlaces_disabled.png"},
    {"AppleMapsDirectionicons_orange.png", "AppleMapsDirectionicons_gray.png", "AppleMapsDirectionicons_disabled.png"},
};

// An unknown file name yields the bare folder, which loads as a null pixmap.
QPixmap LoadIcon(const char* fileName)
{
    return QPixmap(QStringLiteral(":/Resources/AppleMapsResources/%1").arg(QLatin1String(fileName)));
}

bool IsKnownCategory(int category)
{
    return category >= FirstCategory && category <= LastCategory;
}

QPixmap GetIconForCategory(int category, bool isActive)
{
    if (!IsKnownCategory(category)) {
        LOG_DEBUG << "Invalid category was selected: " << category;
        return LoadIcon("");
    }
    const CategoryIcons& icons = Icons[category];
    return LoadIcon(isActive ? icons.active : icons.inactive);
}

QPixmap GetIconForDisabledCategory(int category)
{
    if (!IsKnownCategory(category)) {
        LOG_DEBUG << "Invalid category was selected: " << category;
        return LoadIcon("");
    }
    return LoadIcon(Icons[category].disabled);
}

} // namespace

AppleMapsToolBarButton::AppleMapsToolBarButton(QWidget* parent, int category, bool isActive)
    : ClickableLabelBase(parent, category, QSize(30, 30), isActive)
{
    setScaledContents(true);
    setToolTip(QStringLiteral("<p style='white-space:pre'>%1</p>").arg(GetCategoryName(category)));
}

void AppleMapsToolBarButton::UpdateView(int category, bool isActive)
{
    Pixmap() = IsEnabled() ? GetIconForCategory(category, isActive) : GetIconForDisabledCategory(category);
    setPixmap(Pixmap());
}

} // namespace appleMaps::ui
