// libFuzzer target: a data file of any bytes goes through the section reader, the key splitter,
// the number reader and the sign conversion. Any crash, hang or broken invariant is a finding.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "data/fuzz/fuzz_check.h"
#include "data/ini_file.h"
#include "data/section_reader.h"
#include "data/signs.h"
#include "data/text_encoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using velorith::fuzz::Check;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::int16_t number = velorith::ReadNumber(bytes);
    Check(number >= INT16_MIN && number <= INT16_MAX);

    const velorith::IniFile ini = velorith::IniFile::FromText(velorith::DecodeDataFile(bytes));
    std::size_t lineBytes = 0;
    for (int n = 1; n <= 40; ++n) {
        for (const std::string_view line : ini.Section(n)) {
            lineBytes += line.size();
            Check(!line.empty());
            Check(line.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos);
            const velorith::KeyValue kv = velorith::SplitKey(line);
            Check(kv.key.empty() || line.find('=') != std::string_view::npos);
            Check(!kv.value.starts_with(' ') && !kv.value.ends_with(' '));
            velorith::ReadNumber(kv.value);
            Check(velorith::ConvertSigns(kv.value).starts_with("\\f1 "));
        }
    }
    // Lines are views into the decoded text: never more than it holds.
    Check(lineBytes <= 3 * size + 3);
    velorith::IniFile::FromText(std::string(bytes));
    return 0;
}
