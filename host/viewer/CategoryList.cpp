#include "CategoryList.h"

#include <QIcon>

#include <limits>

namespace host::viewer {
namespace {

constexpr int kIconSize = 24;

} // namespace

CategoryList::CategoryList(const QString& name, QWidget* parent)
    : QListWidget(parent)
    , m_name(name)
{
    setIconSize(QSize(kIconSize, kIconSize));
    setSpacing(3);
    addItem(name);
    SetLoaded(false);
}

void CategoryList::ShowCategory(const QString& name, const QString& iconPath, const QString& disabledIconPath,
                                std::uint64_t size)
{
    QIcon icon(iconPath);
    // Without an icon of its own for the disabled state, Qt greys the normal one.
    if (disabledIconPath != iconPath)
        icon.addFile(disabledIconPath, QSize(), QIcon::Disabled);
    Entry()->setIcon(icon);
    m_name = name;
    ShowRecordCount(size);
}

void CategoryList::ShowRecordCount(std::uint64_t size)
{
    Entry()->setText(size == std::numeric_limits<std::uint64_t>::max()
                         ? m_name
                         : QStringLiteral("%1 (%2)").arg(m_name).arg(size));
}

void CategoryList::Reset()
{
    Entry()->setIcon(QIcon());
    Entry()->setText(m_name);
    SetLoaded(false);
}

void CategoryList::SetLoaded(bool loaded)
{
    const Qt::ItemFlags usable = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    Entry()->setFlags(loaded ? Entry()->flags() | usable : Entry()->flags() & ~usable);
    if (loaded)
        setCurrentItem(Entry());
}

} // namespace host::viewer
