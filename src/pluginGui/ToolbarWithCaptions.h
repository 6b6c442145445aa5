#pragma once

#include "ToolbarBase.h"

#include <map>

class QLabel;

namespace pluginGui {

// A toolbar that shows each button's tool tip as a caption under it; the current category's
// caption is orange, the others grey.
class ToolbarWithCaptions : public ToolbarBase {
    Q_OBJECT

public:
    ToolbarWithCaptions(QWidget* parent, QMargins contentsMargins, int spacing);

    void AddButton(QWidget* button) override;
    void SetCurrentCategory(int category) override;

private:
    std::map<int, QLabel*> m_captions;
};

} // namespace pluginGui
