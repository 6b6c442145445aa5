#pragma once

#include <array>
#include <cstdint>

namespace CryptLog {

using LogKey = std::array<std::uint8_t, 16>;

// Picks one of the built-in AES-128 keys by the index that the log file header stores.
// Index 1 and 2 select a key; any other index leaves no key. Shared between the writer and
// every encryptor, and read-only once made.
class LogKeyManager final {
public:
    explicit LogKeyManager(int keyIndex);

    int GetKeyIndex() const { return m_keyIndex; }
    // Null for an unknown index.
    const LogKey* GetKey() const { return m_key; }

private:
    int m_keyIndex;
    const LogKey* m_key;
};

} // namespace CryptLog
