#pragma once

#include <boost/filesystem/path.hpp>

namespace CryptLog {

class ILogDecryptor {
public:
    virtual ~ILogDecryptor() = default;

    // Decrypts a whole encrypted log file into a plain text file. Throws CryptedLogException.
    virtual void DecryptFile(const boost::filesystem::path& source,
                             const boost::filesystem::path& destination) = 0;
};

} // namespace CryptLog
