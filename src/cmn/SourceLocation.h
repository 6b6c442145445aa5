#pragma once

#include "CryptLog/log/FunctionName.h"

namespace cmn {

// Where an exception was raised; `function` is a qualified name with static storage.
struct SourceLocation {
    const char* function = "";
    int line = 0;
};

} // namespace cmn

#define CMN_SOURCE_LOCATION (::cmn::SourceLocation{LOG_FUNCTION, __LINE__})
