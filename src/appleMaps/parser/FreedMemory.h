#pragma once

namespace appleMaps::details {

// Hands the free pages of the heap back to the system. The tables are read on a thread of their
// own, whose heap the C library keeps apart: what a converted table leaves there would never
// serve the records, and would stay resident until the process ends.
void ReturnFreedMemory();

} // namespace appleMaps::details
