#pragma once

#include "pluginGui/IFilterManager.h"

namespace exportReport {

// The filter provider is the filter manager of the page the user sees: its GetFilter hands out
// the row filter of a category, whose AcceptsRow tells whether the record at that index is shown.
using IFilterProvider = pluginGui::IFilterManager;

// Held by the host; the provider is null while no page filters its rows.
struct FilterHolder {
    IFilterProvider* filterProvider = nullptr;
};

} // namespace exportReport
