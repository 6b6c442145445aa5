#pragma once

#include "pluginGui/BaseText.h"

namespace pluginGui {

class PlainText final : public BaseText {
public:
    explicit PlainText(const TextPiece& piece);

    int GetStart() const override;
    int GetLength() const override;

private:
    TextPiece m_piece;
};

} // namespace pluginGui
