# Third-party libraries. Linux takes Debian's packages; the Windows targets take the static
# libraries that scripts/bootstrap cross-builds into build/cache/<triple>.
find_package(Threads REQUIRED)

find_path(PCRE2_INCLUDE_DIR pcre2.h REQUIRED)
find_library(PCRE2_LIBRARY NAMES pcre2-8 REQUIRED)
add_library(PCRE2::8BIT UNKNOWN IMPORTED)
set_target_properties(PCRE2::8BIT PROPERTIES
  IMPORTED_LOCATION "${PCRE2_LIBRARY}"
  INTERFACE_INCLUDE_DIRECTORIES "${PCRE2_INCLUDE_DIR}"
  INTERFACE_COMPILE_DEFINITIONS "PCRE2_CODE_UNIT_WIDTH=8$<$<BOOL:${WIN32}>:;PCRE2_STATIC>")

if(NOT WIN32)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(GMIME REQUIRED IMPORTED_TARGET gmime-3.0)
endif()

if(TARN_BUILD_TESTS)
  find_package(GTest REQUIRED)
endif()

if(TARN_BUILD_BENCHMARKS)
  find_package(benchmark REQUIRED)
endif()
