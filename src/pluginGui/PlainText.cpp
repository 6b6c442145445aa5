#include "PlainText.h"

namespace pluginGui {

PlainText::PlainText(const TextPiece& piece)
    : BaseText(piece.text)
    , m_piece(piece)
{
}

int PlainText::GetStart() const
{
    return m_piece.start;
}

int PlainText::GetLength() const
{
    return m_piece.length;
}

} // namespace pluginGui
