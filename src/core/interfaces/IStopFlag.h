#pragma once

namespace core {

// The host's stop flag: set while the user stops a running parse.
class IStopFlag {
public:
    virtual ~IStopFlag() = default;

    virtual bool IsStopped() const = 0;
};

} // namespace core
