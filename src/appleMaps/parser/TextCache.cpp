#include "TextCache.h"

#include <functional>

namespace appleMaps::details {

TextCache::TextCache(unsigned slotBits)
    : m_slots(std::size_t(1) << slotBits)
{
}

QString TextCache::Get(std::string_view utf8)
{
    if (utf8.data() == nullptr)
        return QString();
    if (utf8.empty())
        return QString::fromUtf8("", 0);
    const std::size_t hash = std::hash<std::string_view>()(utf8);
    Slot& slot = m_slots[hash & (m_slots.size() - 1)];
    if (slot.hash != hash || slot.utf8 != utf8) {
        slot.hash = hash;
        slot.utf8.assign(utf8.data(), utf8.size());
        slot.text = QString::fromUtf8(utf8.data(), static_cast<int>(utf8.size()));
    }
    return slot.text;
}

} // namespace appleMaps::details
