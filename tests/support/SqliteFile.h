#pragma once

#include <QString>

struct sqlite3;

namespace test {

// An SQLite file written through the C interface directly, apart from the code under test.
// A missing file is created. Statements that fail throw std::runtime_error with SQLite's message.
class SqliteFile final {
public:
    explicit SqliteFile(const QString& path);
    ~SqliteFile();

    SqliteFile(const SqliteFile&) = delete;
    SqliteFile& operator=(const SqliteFile&) = delete;

    // One or more statements separated by semicolons.
    void Execute(const QString& sql) const;

private:
    sqlite3* m_db = nullptr;
};

// The six tables of an Apple Maps database with the columns the parser reads. No column has a
// declared type, so every cell keeps the storage class that a test inserts.
void CreateAppleMapsTables(const SqliteFile& file);

} // namespace test
