#pragma once

#include "ICategoryParserBase.h"

namespace core {

// A parser that fills the record collection of one category.
template <typename Records>
class ICategoryParser : public ICategoryParserBase {
public:
    virtual void Parse(Records& records) = 0;
};

} // namespace core
