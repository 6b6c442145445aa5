#pragma once

#include "pluginGui/ClickableLabelBase.h"

namespace appleMaps::ui {

// The button of one record kind in the page's toolbar; its caption is its tool tip.
class AppleMapsToolBarButton final : public pluginGui::ClickableLabelBase {
    Q_OBJECT

public:
    AppleMapsToolBarButton(QWidget* parent, int category, bool isActive);

    // Disabled categories show their disabled icon whatever isActive says.
    void UpdateView(int category, bool isActive) override;
};

} // namespace appleMaps::ui
