#pragma once

#include "Journal.h"

#include "core/interfaces/IJournalPlugInBase.h"

#include <QObject>

namespace host {

// Root object of the journal library that category plug-ins load from "Plugins/JournalPlugIn".
class JournalPlugIn final : public QObject, public core::IJournalPlugInBase {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ULQ_CORE_IJOURNALPLUGINBASE_IID)
    Q_INTERFACES(core::IJournalPlugInBase)

public:
    QString GetName() const override;
    core::IJournal* GetJournal() override;

private:
    Journal m_journal;
};

} // namespace host
