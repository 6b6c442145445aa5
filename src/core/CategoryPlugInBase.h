#pragma once

#include "PlugInBase.h"

#include <cstdint>
#include <limits>

namespace core {

// Adds the cached record count of the category.
class CategoryPlugInBase : public PlugInBase {
public:
    static constexpr std::uint64_t kUnknownSize = std::numeric_limits<std::uint64_t>::max();

    using PlugInBase::PlugInBase;

    // IPlugInBase
    std::uint64_t CalculateDataSize() override;
    bool IsSizeOutdated() const override;
    ICategoryParserBase* GetParserBase() override;

    // ICategoryPlugIn
    QString GetDisabledIconPath() const override;
    int GetCategoryGroup() const override;
    int GetCategoryOrder() const override;
    std::uint64_t GetCategoryDataSize() override;
    std::uint64_t RefreshCategoryDataSize() override;

protected:
    void SetCachedSize(std::uint64_t size) { m_cachedSize = size; }
    void ResetCachedSize() { m_cachedSize = kUnknownSize; }

private:
    std::uint64_t m_cachedSize = kUnknownSize;
};

} // namespace core

namespace cmn::utils {

// The parser's count, or 0 with a debug line when there is no parser.
std::uint64_t GetCategoryDataSize(core::ICategoryParserBase* parser, const QString& categoryName);

} // namespace cmn::utils
