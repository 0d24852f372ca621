// A lessons file of any bytes is read without harm, also once its checksum is made right so
// that altered contents reach the checks behind it. What is accepted writes back to the same
// bytes, and an engine takes it on top of a dictionary, each lesson counted with the lesson
// weight.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "rules/engine.h"
#include "rules/user_dictionary.h"

namespace {

tarn::rules::Dictionary Shipped() {
    tarn::rules::Dictionary dictionary;
    dictionary.ham_messages = 10;
    dictionary.spam_messages = 10;
    dictionary.tokens = {{5, 10, 0}, {9, 0, 10}};
    return dictionary;
}

void ReadAndUse(const std::vector<unsigned char>& bytes) {
    using namespace tarn::rules;
    const auto lessons = ReadUserDictionary(bytes);
    if (!lessons) return;
    if (WriteUserDictionary(*lessons) != bytes) std::abort();
    Engine engine;
    if (!engine.Use(Shipped()) || !engine.Take(*lessons)) std::abort();
    if (engine.Table().HamMessages() != 10 + engine.LessonWeight() * lessons->ham_messages) std::abort();
    engine.Rate("Subject: Free offer\r\n\r\nclick here now");
    if (WriteUserDictionary(engine.Taught().File()) != bytes) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<unsigned char> bytes(data, data + size);
    ReadAndUse(bytes);
    if (bytes.size() >= tarn::rules::UserHeaderSize && bytes.size() % 8 == 0) {
        std::uint64_t checksum = tarn::rules::UserDictionaryChecksum(bytes);
        for (std::size_t i = 0; i < 8; ++i, checksum >>= 8)
            bytes[tarn::rules::UserChecksumOffset + i] = static_cast<unsigned char>(checksum);
        ReadAndUse(bytes);
    }
    return 0;
}
