# cmake -DNAME=<resource name> -DINPUT=<file> -DOUTPUT=<cpp> -P EmbedResource.cmake
# Writes a C++ file that registers the bytes of INPUT as the embedded resource NAME.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" length)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
math(EXPR size "${length} / 2")
file(WRITE "${OUTPUT}" "// Generated from ${INPUT}: do not edit.
#include \"platform/posix/embedded_resources.h\"

namespace {
constexpr char Bytes[${size} + 1] = {${bytes} '\\0'};
[[maybe_unused]] const bool Registered =
    (tarn::platform::RegisterEmbeddedResource(\"${NAME}\", {Bytes, ${size}}), true);
}  // namespace
")
