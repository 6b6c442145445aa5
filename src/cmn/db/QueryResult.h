#pragma once

#include <boost/any.hpp>
#include <boost/shared_ptr.hpp>

#include <cstdint>
#include <string>
#include <vector>

namespace cmn::db {

// The value type of INTEGER cells (the Windows `__int64`).
using Int64 = std::int64_t;
using Blob = std::vector<unsigned char>;

// The value of a NULL cell.
struct SqlNull {
};

// One cell of a result row. `value` holds exactly one of Int64 (INTEGER), double (FLOAT),
// std::string (TEXT, UTF-8), Blob (BLOB) or SqlNull (NULL).
struct Column {
    std::string name; // the result column's name
    boost::any value;
};

// The cells of one row in result order.
using Row = std::vector<boost::shared_ptr<Column>>;
using Rows = std::vector<boost::shared_ptr<Row>>;

} // namespace cmn::db
