#include "AppleMapsToolBar.h"

#include "AppleMapsToolBarButton.h"
#include "AppleMapsWidget.h"

#include "appleMaps/records/AppleMapsCategory.h"

namespace appleMaps::ui {

AppleMapsToolBar::AppleMapsToolBar(QWidget* parent, const AppleMapsWidget* page)
    : ToolbarWithCaptions(parent, QMargins(14, 0, 14, 0), 0)
    , m_page(page)
{
    setFixedHeight(58);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void AppleMapsToolBar::CreateButtons(QWidget* parent, int activeCategory)
{
    for (int category = FirstCategory; category <= LastCategory; ++category)
        AppendButton(new AppleMapsToolBarButton(parent, category, category == activeCategory));
}

bool AppleMapsToolBar::IsCategoryEnabled(int category) const
{
    return !m_page || m_page->GetRecordCount(category) > 0;
}

} // namespace appleMaps::ui
