#pragma once

#include "sample/SampleManifest.h"

#include <QString>

namespace test {

// The counts of a sample database measured with SQLite itself (GROUP BY over the columns each
// kind reads), to hold against what the generator claims and what the plug-in reports. The
// paths of the returned manifest stay empty; an unreadable database fails the running test.
host::sample::SampleManifest CountDatabase(const QString& databasePath);

// The single number `sql` yields on the database, or -1 when the statement fails.
qint64 QueryNumber(const QString& databasePath, const QString& sql);

} // namespace test
