# Warnings are errors everywhere; the native test build also runs under ASan and UBSan.
add_compile_options(
  -Wall -Wextra -Wpedantic -Werror
  -Wshadow -Woverloaded-virtual -Wold-style-cast -Wcast-align
  -Wimplicit-fallthrough -Wmissing-declarations)

# GCC 12 at -O2/-O3 reports -Wrestrict on std::string concatenation inside libstdc++ (GCC bug
# 105651, fixed in GCC 13): a false alarm that would fail every optimised build.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  add_compile_options(-Wno-restrict)
endif()

# COM interfaces have no virtual destructor by design, so the Windows build cannot ask for one;
# the native build still checks every portable class.
if(NOT WIN32)
  add_compile_options(-Wnon-virtual-dtor)
endif()

if(TARN_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

if(TARN_BUILD_FUZZERS)
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

if(MINGW)
  # The DLLs and test programs must run without MinGW's runtime DLLs beside them.
  add_link_options(-static)
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX UNICODE _UNICODE)
endif()
