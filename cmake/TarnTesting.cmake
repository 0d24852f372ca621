# tarn_add_test(<name> SOURCES <files...> LIBRARIES <targets...>)
# One GoogleTest program per layer. On the x86_64 Windows target CTest runs it under wine64
# (the toolchain's emulator); on i686 it is only built and linked.
function(tarn_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gmock GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    TARN_TEST_SOURCE_DIR="${TARN_TARGET_SOURCE_DIR}"
    TARN_TEST_CORPUS_DIR="${TARN_TARGET_CORPUS_DIR}")
  if(NOT CMAKE_CROSSCOMPILING OR CMAKE_CROSSCOMPILING_EMULATOR)
    add_test(NAME ${name} COMMAND ${name})
  endif()
endfunction()

# Paths as the test programs see them: a Windows program under wine reaches / as Z:.
if(WIN32 AND CMAKE_CROSSCOMPILING)
  set(TARN_TARGET_SOURCE_DIR "Z:${CMAKE_SOURCE_DIR}")
  set(TARN_TARGET_CORPUS_DIR "Z:${CMAKE_SOURCE_DIR}/build/cache/corpus/package/data")
else()
  set(TARN_TARGET_SOURCE_DIR "${CMAKE_SOURCE_DIR}")
  set(TARN_TARGET_CORPUS_DIR "${CMAKE_SOURCE_DIR}/build/cache/corpus/package/data")
endif()
