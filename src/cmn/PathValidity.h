#pragma once

#include <string>

namespace ulq::cmn::utils {

// Characters not allowed in a file name, in this order: ? : * " < > |
const std::string& InvalidFileNameChars();
const std::wstring& InvalidFileNameCharsW();

// True when the path or file name holds none of the characters above. A leading extended-length
// prefix or a leading pair of forward slashes is skipped, and so is a drive designator (C:) at
// the start of what remains, so that absolute Windows paths can pass.
bool IsValidPath(const std::wstring& path);

} // namespace ulq::cmn::utils
