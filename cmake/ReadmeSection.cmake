# cmake -DREADME=<README.md> -DSECTION=<heading> -DOUTPUT=<file> -P ReadmeSection.cmake
# Writes one "## " section of the README (up to the next one) as a plain text file with
# Windows line endings, for the Windows package.
file(READ "${README}" text)
string(FIND "${text}" "\n## ${SECTION}\n" start)
if(start EQUAL -1)
  message(FATAL_ERROR "the README has no section \"${SECTION}\"")
endif()
math(EXPR start "${start} + 1")
string(SUBSTRING "${text}" ${start} -1 text)
string(FIND "${text}" "\n## " next)
if(NOT next EQUAL -1)
  string(SUBSTRING "${text}" 0 ${next} text)
endif()
string(REGEX REPLACE "^## " "" text "${text}")
string(STRIP "${text}" text)
string(REPLACE "\n" "\r\n" text "Tarn4OL ${VERSION}\n\n${text}\n")
file(WRITE "${OUTPUT}" "${text}")
