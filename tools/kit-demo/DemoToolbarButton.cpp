#include "DemoToolbarButton.h"

#include <array>

namespace demo {

namespace {

// Active, inactive and disabled icon of each category.
constexpr std::array<std::array<const char*, 3>, 4> Icons = {{
    {"icons_orange_history.png", "icons_gray_history.png", "icons_disabled_history.png"},
    {"icons_orange_bookmarks.png", "icons_gray_bookmarks.png", "icons_disabled_bookmarks.png"},
    {"AppleMapsPlaces_orange.png", "AppleMapsPlaces_gray.png", "AppleMapsPlaces_disabled.png"},
    {"AppleMapsDirectionicons_orange.png", "AppleMapsDirectionicons_gray.png", "AppleMapsDirectionicons_disabled.png"},
}};

} // namespace

DemoToolbarButton::DemoToolbarButton(QWidget* parent, int category, bool isActive, const QString& caption)
    : ClickableLabelBase(parent, category, QSize(30, 30), isActive)
{
    setScaledContents(true);
    setToolTip(QStringLiteral("<p style='white-space:pre'>%1</p>").arg(caption));
}

void DemoToolbarButton::UpdateView(int category, bool isActive)
{
    const std::size_t state = !IsEnabled() ? 2 : isActive ? 0 : 1;
    setPixmap(QPixmap(QStringLiteral(":/Resources/AppleMapsResources/%1")
                          .arg(QLatin1String(Icons.at(static_cast<std::size_t>(category)).at(state)))));
}

} // namespace demo
