#include "IMapPanel.h"
#include "MapPanel.h"

extern "C" Q_DECL_EXPORT map::IMapPanel* MakeMapPanel(QWidget* parent)
{
    return new map::MapPanel(parent);
}
