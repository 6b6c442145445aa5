#include "JournalPlugIn.h"

namespace host {

QString JournalPlugIn::GetName() const
{
    return QStringLiteral("Journal");
}

core::IJournal* JournalPlugIn::GetJournal()
{
    return &m_journal;
}

} // namespace host
