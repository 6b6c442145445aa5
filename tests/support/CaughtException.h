#pragma once

#include <optional>

namespace test {

// The exception of type `Exception` that `call` throws, or none when it returns normally.
// Exceptions of other types pass through and fail the test.
template <typename Exception, typename Call>
std::optional<Exception> CaughtException(Call&& call)
{
    try {
        call();
    } catch (const Exception& exception) {
        return exception;
    }
    return std::nullopt;
}

} // namespace test
