#pragma once

#include "BaseException.h"

namespace ulq::cmn {

// General failures of the shared export code.
class CommonException : public ::cmn::BaseException {
public:
    CommonException(const ::cmn::SourceLocation& location, const std::string& userText,
                    const std::string& logText = {})
        : BaseException(location, 0, userText, logText)
    {
    }
};

} // namespace ulq::cmn

namespace cmn {

// Failures inside a category plug-in, such as a KML file that cannot be opened.
class PlugInCommonException : public BaseException {
public:
    PlugInCommonException(const SourceLocation& location, const std::string& userText,
                          const std::string& logText = {})
        : BaseException(location, 0, userText, logText)
    {
    }
};

// A backup category newer than this plug-in reads.
class PlugInVersionException : public BaseException {
public:
    using BaseException::BaseException;
};

} // namespace cmn
