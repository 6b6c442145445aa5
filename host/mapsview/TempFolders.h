#pragma once

#include <QString>

// The folders in which the plug-in keeps its private copies of evidence. Each carries the id and
// the start time of its process, readable by the user alone, so that no copy outlives its run:
// folders are removed at exit, when a signal ends the process, and at the next start when their
// process is gone (killed, crashed).
namespace host {

// The QTemporaryDir template of a folder of this process, in the system's temporary folder.
QString PrivateTempFolderTemplate();

// Removes the folders of earlier runs whose process is gone.
void RemoveStaleTempFolders();

// Blocks SIGINT, SIGTERM and SIGHUP in this thread and every thread started after it, and waits
// for them on a thread of its own, which removes this process's folders and then ends the process
// by that signal. Call first thing in main, before any other thread starts.
void RemoveTempFoldersOnTermination();

} // namespace host
