#include "CategoryViewBase.h"

namespace core {

CategoryViewBase::CategoryViewBase(QWidget* parent)
    : QWidget(parent)
{
    connect(this, &CategoryViewBase::AboutToShutdownSignal, this, &CategoryViewBase::OnAboutToShutdown,
            Qt::BlockingQueuedConnection);
}

void CategoryViewBase::OnAboutToShutdown()
{
    PrepareForShutdown();
}

} // namespace core
