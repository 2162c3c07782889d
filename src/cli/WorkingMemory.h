#pragma once
// The conversion's working memory. A 12-megapixel photograph decodes into
// about 50 MB and the chart canvas takes 20 MB more; touching that much new
// memory page by page costs more than decoding it. Reserving one region of
// the heap up front, backed by huge pages where the system offers them, and
// keeping freed memory for reuse, makes those buffers cheap.
#include <cstddef>

namespace tessaline {

// Call once, before the first large allocation. Does nothing where the C
// library offers no such control.
void reserveWorkingMemory(std::size_t bytes);

} // namespace tessaline
