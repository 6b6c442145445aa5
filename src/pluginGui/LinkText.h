#pragma once

#include "pluginGui/BaseText.h"

#include <array>

namespace pluginGui {

// A link: its opening tag, its visible text and its closing tag. The visible text may change;
// the tags stay.
class LinkText final : public BaseText {
public:
    LinkText(const TextPiece& openingTag, const TextPiece& linkText, const TextPiece& closingTag);

    QString GetText() const override;
    // Where the link starts: in the plain text the visible text begins there.
    int GetStart() const override;
    // The length of the visible text.
    int GetLength() const override;

private:
    enum Piece { OpeningTag, Text, ClosingTag };
    std::array<TextPiece, 3> m_pieces;
};

} // namespace pluginGui
