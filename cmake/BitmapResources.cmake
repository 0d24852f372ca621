# tarn_bitmap_resources(<target> <face files...>)
# An object library that carries each button face, drawn as text in a .face file, as a bitmap
# resource named after the file: make_bitmap.py turns each into an 8-bit .bmp at build time;
# on Windows a .rc of BITMAP entries compiled by windres, on Linux the bitmap's bytes compiled
# in and registered as "BITMAP:<name>". Link it into the program or library that shows them.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

function(tarn_bitmap_resources target)
  set(generator "${PROJECT_SOURCE_DIR}/addin/button_faces/make_bitmap.py")
  set(bitmaps "")
  set(sources "")
  set(rc_content "")
  foreach(face IN LISTS ARGN)
    get_filename_component(name "${face}" NAME_WE)
    get_filename_component(path "${face}" ABSOLUTE)
    set(bmp "${CMAKE_CURRENT_BINARY_DIR}/${name}.bmp")
    add_custom_command(
      OUTPUT "${bmp}"
      COMMAND Python3::Interpreter "${generator}" "${path}" "${bmp}"
      DEPENDS "${path}" "${generator}"
      VERBATIM)
    list(APPEND bitmaps "${bmp}")
    if(WIN32)
      string(APPEND rc_content "${name} BITMAP \"${bmp}\"\n")
    else()
      set(out "${CMAKE_CURRENT_BINARY_DIR}/embedded_bitmap_${name}.cpp")
      add_custom_command(
        OUTPUT "${out}"
        COMMAND ${CMAKE_COMMAND} -DNAME=BITMAP:${name} -DINPUT=${bmp} -DOUTPUT=${out}
                -P "${PROJECT_SOURCE_DIR}/cmake/EmbedResource.cmake"
        DEPENDS "${bmp}" "${PROJECT_SOURCE_DIR}/cmake/EmbedResource.cmake"
        VERBATIM)
      list(APPEND sources "${out}")
    endif()
  endforeach()
  if(WIN32)
    set(rc "${CMAKE_CURRENT_BINARY_DIR}/${target}.rc")
    file(CONFIGURE OUTPUT "${rc}" CONTENT "${rc_content}")
    set_source_files_properties("${rc}" PROPERTIES OBJECT_DEPENDS "${bitmaps}")
    add_library(${target} OBJECT "${rc}" ${bitmaps})
  else()
    add_library(${target} OBJECT ${sources} ${bitmaps})
    target_link_libraries(${target} PRIVATE tarn_platform)
  endif()
endfunction()
