#pragma once

#include "pluginGui/ClickableLabelBase.h"

namespace demo {

// A category button drawn with the Apple Maps category icons.
class DemoToolbarButton final : public pluginGui::ClickableLabelBase {
    Q_OBJECT

public:
    DemoToolbarButton(QWidget* parent, int category, bool isActive, const QString& caption);

    void UpdateView(int category, bool isActive) override;
};

} // namespace demo
