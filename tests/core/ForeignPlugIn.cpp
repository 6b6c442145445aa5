#include "core/interfaces/IJournalPlugInBase.h"

#include <QObject>

// Claims the journal's interface id in its metadata but does not implement the interface:
// only the meta-cast may decide.
class ForeignPlugIn final : public QObject {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ULQ_CORE_IJOURNALPLUGINBASE_IID)
};

#include "ForeignPlugIn.moc"
