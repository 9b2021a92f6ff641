// Any bytes at all must read without a crash, and the plain text must be the paragraphs joined.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "data/rtf_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    velorith::RtfContent doc = velorith::ReadRtf(bytes);
    std::string plain = doc.PlainText();
    std::size_t joined = doc.paragraphs.empty() ? 0 : doc.paragraphs.size() - 1;
    for (const auto& p : doc.paragraphs)
        joined += p.Text().size();
    if (joined != plain.size()) __builtin_trap();
    return 0;
}
