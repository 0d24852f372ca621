# Compiles the help project PROJECT (an .hhp file) with CHMCMD in the project's folder and
# fails on any warning: a page that links to a file that is not there, a file the project
# names that is missing. Usage: cmake -DCHMCMD=... -DPROJECT=... -P CompileHelp.cmake
get_filename_component(folder "${PROJECT}" DIRECTORY)
get_filename_component(name "${PROJECT}" NAME)
execute_process(
  COMMAND "${CHMCMD}" "${name}"
  WORKING_DIRECTORY "${folder}"
  RESULT_VARIABLE status
  OUTPUT_VARIABLE output
  ERROR_VARIABLE output)
file(STRINGS "${PROJECT}" compiled_line REGEX "^Compiled file=")
string(REPLACE "Compiled file=" "" compiled "${compiled_line}")
if(NOT status EQUAL 0 OR output MATCHES "Warning|Error|exception|Usage" OR NOT EXISTS "${folder}/${compiled}")
  message(FATAL_ERROR "The help file could not be compiled cleanly:\n${output}")
endif()
