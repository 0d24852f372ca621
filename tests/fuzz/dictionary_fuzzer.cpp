// A dictionary file of any bytes is read without harm, also once its checksum is made right so
// that altered contents reach the checks behind it. What is accepted writes back to the same
// bytes, and the engine over it rates a text within the contract.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "rules/dictionary.h"
#include "rules/engine.h"

namespace {

void ReadAndUse(const std::vector<unsigned char>& bytes) {
    using namespace tarn::rules;
    const auto dictionary = ReadDictionary(bytes);
    if (!dictionary) return;
    if (WriteDictionary(*dictionary) != bytes) std::abort();
    Engine engine;
    if (!engine.Use(*dictionary)) std::abort();
    char verdict[1024];
    std::memset(verdict, 'x', sizeof verdict);
    engine.Analyze("Subject: Free offer\r\nFrom: a@example.com\r\n<html>click <b>here</b> now</html>", verdict);
    if (std::memchr(verdict, '\0', sizeof verdict) == nullptr) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<unsigned char> bytes(data, data + size);
    ReadAndUse(bytes);
    if (bytes.size() >= tarn::rules::DictionaryHeaderSize) {
        std::uint64_t checksum = tarn::rules::DictionaryChecksum(bytes);
        for (std::size_t i = 0; i < 8; ++i, checksum >>= 8)
            bytes[tarn::rules::DictionaryChecksumOffset + i] = static_cast<unsigned char>(checksum);
        ReadAndUse(bytes);
    }
    return 0;
}
