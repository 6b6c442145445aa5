#pragma once

#include "pluginGui/ToolbarWithCaptions.h"

#include <set>

namespace demo {

// The four Apple Maps categories; the empty ones are disabled.
class DemoToolbar final : public pluginGui::ToolbarWithCaptions {
    Q_OBJECT

public:
    DemoToolbar(QWidget* parent, std::set<int> emptyCategories);

    void CreateButtons(QWidget* parent, int activeCategory) override;
    bool IsCategoryEnabled(int category) const override;

private:
    std::set<int> m_emptyCategories;
};

} // namespace demo
