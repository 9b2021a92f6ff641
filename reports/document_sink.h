// Where a long document goes while it is being written. A report handed a sink passes it its
// text in parts as it goes and returns only the rest: the document is the parts in order, then
// that rest. A year's report then never stands whole in memory, and its pages are written while
// the next days are still being worked out.
#pragma once

#include <functional>
#include <string>

namespace velorith {

// Takes one part. Each part ends after a whole character (an ASCII byte), so a part may be
// checked or converted on its own; the sink may change it, and it is emptied afterwards.
using DocumentSink = std::function<void(std::string& part)>;

// How much of a document is gathered before it is handed on: big enough that a part costs
// nothing to pass, small enough to be reused in place of fresh memory.
inline constexpr std::size_t kDocumentPartSize = 32 * 1024;

}  // namespace velorith
