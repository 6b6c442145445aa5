#pragma once

namespace viewers::gui {

// The row filter a sort/filter proxy asks. Not const: filtering updates the shown counts of the
// category's filter description.
class IFilter {
public:
    virtual ~IFilter() = default;

    virtual bool AcceptsRow(int row) = 0;
    // -1 when no row is accepted.
    virtual int GetFirstAcceptedRow() = 0;
};

} // namespace viewers::gui
