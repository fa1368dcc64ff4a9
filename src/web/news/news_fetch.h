// One fetch of the status document for the information panels, on a
// worker thread. Only the newest fetch's result reaches the panels.
#pragma once

#include <cstdint>

namespace news {

// Main thread. Starts a worker that fetches and scans the document into a
// result of its own (the fresh, empty records) and posts it back; a result
// of an older fetch that arrives after a newer one started is dropped.
void StartNewsFetch();

// How many fetches were started (the newest one's number).
uint32_t NewsFetchGeneration();

}  // namespace news
