#pragma once

#include "SampleSchema.h"

#include <array>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace host::sample {

// Writes a new Apple Maps database in one transaction through prepared statements. Nothing is
// kept unless Commit() is called; a failure throws ulq::cmn::CommonException with SQLite's text.
class SampleDatabase final {
public:
    // `path` is UTF-8 and must not exist yet.
    explicit SampleDatabase(const std::string& path);
    ~SampleDatabase();

    SampleDatabase(const SampleDatabase&) = delete;
    SampleDatabase& operator=(const SampleDatabase&) = delete;

    void Insert(const SampleRow& row);
    void Commit();

private:
    void Execute(const std::string& sql);
    [[noreturn]] void Fail(const char* what) const;

    sqlite3* m_db = nullptr;
    std::array<sqlite3_stmt*, kSampleTableCount> m_inserts{};
    bool m_committed = false;
};

} // namespace host::sample
