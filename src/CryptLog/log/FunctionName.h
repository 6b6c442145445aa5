#pragma once

#include <cstddef>

namespace CryptLog::details {

constexpr bool StartsWith(const char* text, std::size_t at, const char* prefix)
{
    for (std::size_t i = 0; prefix[i] != '\0'; ++i) {
        if (text[at + i] != prefix[i])
            return false;
    }
    return true;
}

constexpr bool IsIdentifierChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// Cuts "ns::Class::Func" out of a compiler's pretty function name such as
// "virtual void ns::Class::Func(int) const": the name is the last top-level word before
// the parameter list. Lambdas report their enclosing function, which is what a log reader wants.
template <std::size_t N>
struct QualifiedFunctionName {
    char text[N]{};

    constexpr explicit QualifiedFunctionName(const char (&pretty)[N])
    {
        constexpr char anonymous[] = "(anonymous namespace)";
        std::size_t start = 0;
        std::size_t end = N - 1;
        int depth = 0;
        for (std::size_t i = 0; i + 1 < N; ++i) {
            if (StartsWith(pretty, i, anonymous)) {
                i += sizeof(anonymous) - 2;
                continue;
            }
            if (depth == 0 && StartsWith(pretty, i, "operator") && !IsIdentifierChar(pretty[i + 8])
                && (i == 0 || !IsIdentifierChar(pretty[i - 1]))) {
                std::size_t j = i + 8;
                if (StartsWith(pretty, j, "()"))
                    j += 2;
                while (j + 1 < N && pretty[j] != '(')
                    ++j;
                end = j;
                break;
            }
            const char c = pretty[i];
            if (c == '<') {
                ++depth;
            } else if (c == '>') {
                --depth;
            } else if (depth == 0 && c == '(') {
                end = i;
                break;
            } else if (depth == 0 && c == ' ') {
                start = i + 1;
            }
        }
        for (std::size_t i = start; i < end; ++i)
            text[i - start] = pretty[i];
    }
};

} // namespace CryptLog::details

// The qualified name of the enclosing function, computed at compile time.
#define LOG_FUNCTION                                                                                   \
    ([]() -> const char* {                                                                             \
        static constexpr ::CryptLog::details::QualifiedFunctionName<sizeof(__PRETTY_FUNCTION__)> name{ \
            __PRETTY_FUNCTION__};                                                                      \
        return name.text;                                                                              \
    }())
