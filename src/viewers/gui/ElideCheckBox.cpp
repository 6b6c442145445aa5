#include "ElideCheckBox.h"

#include <QStyle>
#include <QStyleOptionButton>

namespace viewers::gui {

ElideCheckBox::ElideCheckBox(QWidget* parent, int reservedWidth)
    : QCheckBox(parent)
    , ElideWidget(this, reservedWidth)
{
}

void ElideCheckBox::SetText(const QString& text)
{
    SetFullText(text);
    updateGeometry();
}

QSize ElideCheckBox::sizeHint() const
{
    QSize hint = QCheckBox::sizeHint();
    const QFontMetrics metrics = fontMetrics();
    hint.rwidth() += metrics.horizontalAdvance(GetFullText()) - metrics.horizontalAdvance(GetElidedText());
    return hint;
}

QSize ElideCheckBox::minimumSizeHint() const
{
    return QSize(DecorationWidth(), QCheckBox::minimumSizeHint().height());
}

void ElideCheckBox::resizeEvent(QResizeEvent* event)
{
    QCheckBox::resizeEvent(event);
    Elide();
}

int ElideCheckBox::DecorationWidth() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this).left() - option.rect.left();
}

void ElideCheckBox::ShowElidedText(const QString& elided, const QString& toolTip)
{
    // A single "&" would turn into a mnemonic and vanish from the caption.
    setText(QString(elided).replace(QLatin1Char('&'), QLatin1String("&&")));
    setToolTip(toolTip);
}

} // namespace viewers::gui
