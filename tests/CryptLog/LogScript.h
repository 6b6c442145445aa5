#pragma once

#include "CryptLog/log/Severity.h"

#include <string>
#include <vector>

// What the logger child process logs from each of its threads, so that the test knows which
// lines to expect.
namespace test::logscript {

constexpr int ThreadCount = 2;
constexpr int StatementsPerThread = 500;

struct Statement {
    int severity;
    std::string message;
};

inline std::vector<Statement> StatementsOfThread(int thread)
{
    static const char* const texts[] = {
        "plain ASCII text with symbols !#$%&()*+,-./:;<=>?[]^_{|}~",
        "\xD0\x9A\xD0\xB8\xD1\x80\xD0\xB8\xD0\xBB\xD0\xBB\xD0\xB8\xD1\x86\xD0\xB0: "
        "\xD1\x81\xD1\x8A\xD0\xB5\xD1\x88\xD1\x8C \xD0\xB6\xD0\xB5 \xD0\xB5\xD1\x89\xD1\x91", // Кириллица: съешь же ещё
        "emoji \xF0\x9F\x97\xBA\xEF\xB8\x8F \xF0\x9F\x93\x8D \xF0\x9F\x9A\x97",                   // 🗺️ 📍 🚗
    };
    static const int severities[] = {CryptLog::Info, CryptLog::Error, CryptLog::Debug, CryptLog::Warning};
    std::vector<Statement> statements;
    for (int i = 0; i < StatementsPerThread; ++i)
        statements.push_back({severities[i % 4], "thread " + std::to_string(thread) + " #" + std::to_string(i)
                                                     + ": " + texts[i % 3]});
    return statements;
}

} // namespace test::logscript
