# tarn_text_resources(<target> <files...>)
# An object library that carries each file, byte for byte, as an RCDATA resource named after
# the file: a .rc compiled by windres on Windows, compiled-in bytes registered at start-up on
# Linux. Link it into the program or library that reads the resources.
function(tarn_text_resources target)
  if(WIN32)
    set(rc "${CMAKE_CURRENT_BINARY_DIR}/${target}.rc")
    set(content "")
    set(files "")
    foreach(file IN LISTS ARGN)
      get_filename_component(name "${file}" NAME)
      get_filename_component(path "${file}" ABSOLUTE)
      string(APPEND content "${name} RCDATA \"${path}\"\n")
      list(APPEND files "${path}")
    endforeach()
    file(CONFIGURE OUTPUT "${rc}" CONTENT "${content}")
    set_source_files_properties("${rc}" PROPERTIES OBJECT_DEPENDS "${files}")
    add_library(${target} OBJECT "${rc}")
  else()
    set(sources "")
    foreach(file IN LISTS ARGN)
      get_filename_component(name "${file}" NAME)
      get_filename_component(path "${file}" ABSOLUTE)
      set(out "${CMAKE_CURRENT_BINARY_DIR}/embedded_${name}.cpp")
      add_custom_command(
        OUTPUT "${out}"
        COMMAND ${CMAKE_COMMAND} -DNAME=${name} -DINPUT=${path} -DOUTPUT=${out}
                -P "${PROJECT_SOURCE_DIR}/cmake/EmbedResource.cmake"
        DEPENDS "${path}" "${PROJECT_SOURCE_DIR}/cmake/EmbedResource.cmake"
        VERBATIM)
      list(APPEND sources "${out}")
    endforeach()
    add_library(${target} OBJECT ${sources})
    target_link_libraries(${target} PRIVATE tarn_platform)
  endif()
endfunction()
