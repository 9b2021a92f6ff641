// Build step: writes one UTF-8 data-set source as the Windows-1251 file the calendar reads.
// A character that the code page cannot hold stops the build with the file and the line.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "data/text_encoding.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: velorith_encode_dataset SOURCE TARGET\n";
        return 2;
    }
    const std::filesystem::path source = argv[1];
    const std::filesystem::path target = argv[2];
    std::ifstream in(source, std::ios::binary);
    if (!in) {
        std::cerr << source.string() << ": cannot be read\n";
        return 1;
    }
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    velorith::EncodeError error;
    const auto bytes = velorith::Utf8ToCp1251(text, &error);
    if (!bytes) {
        const auto line = 1 + std::count(text.begin(), text.begin() + error.offset, '\n');
        std::cerr << source.string() << ":" << line
                  << ": error: this text cannot be written in Windows-1251\n";
        return 1;
    }
    std::filesystem::create_directories(target.parent_path());
    const std::filesystem::path temp = target.string() + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << *bytes;
        if (!out.flush()) {
            std::cerr << temp.string() << ": cannot be written\n";
            return 1;
        }
    }
    std::filesystem::rename(temp, target);
    return 0;
}
