#pragma once

#include <boost/any.hpp>

#include <string>
#include <vector>

namespace cmn::filter {

// The date item is told apart by its type; its kind is fixed as well.
constexpr int DateItemKind = 4;
constexpr int DateItemType = 2;

// Index of the bounds among the date item's values.
constexpr int DateFromIndex = 0;
constexpr int DateUntilIndex = 1;

struct ItemValue {
    std::string name;
    std::string caption;
    boost::any value; // a QDateTime for the date item's bounds, an ItemBaseInfo for countable values
};

// One filter block of a category: the date item, for example.
struct ItemTemplate {
    std::vector<ItemValue> values;
    std::string name;
    std::string caption; // the block's title
    boost::any extra;    // holds the item's ItemBaseInfo
    int kind = 0;
    int type = 0;
};

} // namespace cmn::filter
