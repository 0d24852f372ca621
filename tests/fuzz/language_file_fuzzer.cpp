// Any bytes as "Language.ini": the captions load, every one of them within the value limit.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/ini_file.h"
#include "store/captions.h"
#include "store/language_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarn;
    static const std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path() / ("tarn-language-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    std::ofstream(folder / "Language.ini", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    const store::Captions captions = store::LoadCaptionsAndStrings(folder);
    for (std::size_t i = 0; i < store::CaptionCount; ++i) {
        if (captions[static_cast<store::Caption>(i)].size() > platform::MaxProfileValueLength) std::abort();
    }
    store::ParseProfileNumber(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
