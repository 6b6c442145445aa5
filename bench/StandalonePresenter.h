#pragma once

#include "cmn/filter/FilterContext.h"
#include "pluginGui/IStackedFilter.h"

#include <array>
#include <cstddef>

// The filter contexts a page's presenter holds, one a category, for views measured without a page.
class StandalonePresenter final : public pluginGui::IStackedFilter {
public:
    cmn::filter::FilterContext& GetFilterContext(int category) override
    {
        return m_contexts.at(static_cast<std::size_t>(category));
    }

private:
    std::array<cmn::filter::FilterContext, 4> m_contexts;
};
