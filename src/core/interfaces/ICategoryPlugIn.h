#pragma once

#include <QString>

#include <cstdint>

namespace core {

class CategoryViewBase;

// The category a plug-in shows; reached through IPlugInBase::GetCategoryPlugIn.
class ICategoryPlugIn {
public:
    virtual ~ICategoryPlugIn() = default;

    virtual QString GetName() const = 0;
    virtual QString GetIconPath() const = 0;
    virtual QString GetDisabledIconPath() const = 0;
    // Hands the page over once: the caller owns it; null when there is none.
    virtual CategoryViewBase* TakeView() = 0;
    // Grouping and ordering hints for the host's category list; 0 means "no preference".
    virtual int GetCategoryGroup() const = 0;
    virtual int GetCategoryOrder() const = 0;
    // The record count, cached; all bits set means unknown.
    virtual std::uint64_t GetCategoryDataSize() = 0;
    // The record count computed afresh, leaving the cache alone.
    virtual std::uint64_t RefreshCategoryDataSize() = 0;
};

} // namespace core
