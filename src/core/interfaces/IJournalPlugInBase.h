#pragma once

#include <QString>
#include <QtPlugin>

namespace core {

class IJournal;

// The root object of the host's journal plug-in library. Slot order is part of the binary
// contract: the journal is the operation after the name.
class IJournalPlugInBase {
public:
    virtual ~IJournalPlugInBase() = default;

    virtual QString GetName() const = 0;
    // Owned by the plug-in; null when the plug-in has no journal to offer.
    virtual IJournal* GetJournal() = 0;
};

} // namespace core

#define ULQ_CORE_IJOURNALPLUGINBASE_IID "ulq.core.IJournalPlugInBase"
Q_DECLARE_INTERFACE(core::IJournalPlugInBase, ULQ_CORE_IJOURNALPLUGINBASE_IID)
