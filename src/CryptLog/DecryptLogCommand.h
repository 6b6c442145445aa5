#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace CryptLog {

// The "decrypt-log" command: arguments "IN OUT [--follow]". Decrypts IN into OUT; with
// --follow keeps decrypting what is appended to IN until the process is ended. Failures and
// usage go to `errors`. Returns the exit code: 0 done, 1 decryption failed, 2 wrong usage.
int RunDecryptLog(const std::vector<std::string>& arguments, std::ostream& errors);

} // namespace CryptLog
