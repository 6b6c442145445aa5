#pragma once

namespace cmn::filter {
struct FilterContext;
}

namespace pluginGui {

// Hands out the filter description of each category; implemented by the category's presenter.
class IStackedFilter {
public:
    virtual ~IStackedFilter() = default;

    virtual cmn::filter::FilterContext& GetFilterContext(int category) = 0;
};

} // namespace pluginGui
