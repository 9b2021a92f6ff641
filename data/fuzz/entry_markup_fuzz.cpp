// libFuzzer target: any bytes as a data value and as an abbreviations file. A balanced value is
// whole inside a document, balancing it again changes nothing, and a value without markup is
// kept as it is; a whole document is kept as it is.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "data/entry_markup.h"
#include "data/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using velorith::fuzz::Check;
    using namespace velorith;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string once = BalanceMarkup(bytes);
    Check(BalanceMarkup(once) == once);
    if (!HasMarkup(bytes)) Check(once == bytes);
    Check(once.size() <= 2 * size + kMaxMarkupDepth + 3);
    // Inside a document the value never ends the document's group early.
    const std::string document = "{\\rtf1 " + once + "\\par}";
    const CheckedDocument inDocument = CheckRtfDocument(document);
    Check(inDocument.problem.empty() && inDocument.text == document);

    // A whole document comes back as it is; any other is at most closed up.
    const CheckedDocument checked = CheckRtfDocument(bytes);
    if (checked.problem.empty()) Check(checked.text == bytes);
    Check(checked.text.size() <= 2 * size + 1);
    return 0;
}
