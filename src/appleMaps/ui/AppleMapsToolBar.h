#pragma once

#include "pluginGui/ToolbarWithCaptions.h"

namespace appleMaps::ui {

class AppleMapsWidget;

// The row of the four category buttons above the tables; a category without records is disabled.
class AppleMapsToolBar final : public pluginGui::ToolbarWithCaptions {
    Q_OBJECT

public:
    // page: the page whose tables decide which categories have records; not owned, may be null.
    AppleMapsToolBar(QWidget* parent, const AppleMapsWidget* page);

    void CreateButtons(QWidget* parent, int activeCategory) override;
    bool IsCategoryEnabled(int category) const override;

private:
    const AppleMapsWidget* m_page;
};

} // namespace appleMaps::ui
