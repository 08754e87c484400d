# Writes a gzipped man page from a program's --help and --version with
# help2man, run as
#   cmake -DHELP2MAN=... -DPROGRAM=... -DNAME_LINE=... -DINCLUDE=page.h2m
#         [-DCOMMANDS="a;b"] -DOUTPUT=page.1.gz -P make-man-page.cmake
# INCLUDE adds the sections that --help does not hold (environment, files,
# examples).  With COMMANDS, a COMMANDS section shows "PROGRAM COMMAND --help"
# of each command as it prints, since help2man reads one help text only.
foreach(variable HELP2MAN PROGRAM NAME_LINE INCLUDE OUTPUT)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "make-man-page: ${variable} is not set")
  endif()
endforeach()

file(READ "${INCLUDE}" sections)
if(COMMANDS)
  string(APPEND sections "\n[COMMANDS]\n")
  foreach(command ${COMMANDS})
    execute_process(COMMAND "${PROGRAM}" ${command} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "make-man-page: ${PROGRAM} ${command} --help failed")
    endif()
    # The exit status is the same for every command; the main text has it.
    string(FIND "${help}" "\nExit status:" end)
    if(end GREATER 0)
      string(SUBSTRING "${help}" 0 ${end} help)
    endif()
    # Troff reads a backslash as an escape, a line starting with '.' or "'"
    # as a request, and '-' as a hyphen.
    string(REPLACE "\\" "\\e" help "${help}")
    string(REPLACE "-" "\\-" help "${help}")
    string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
    string(APPEND sections ".SS ${command}\n.nf\n${help}.fi\n")
  endforeach()
endif()

get_filename_component(work "${OUTPUT}" DIRECTORY)
get_filename_component(page "${OUTPUT}" NAME_WLE)
file(WRITE "${work}/${page}.h2m" "${sections}")
execute_process(
  COMMAND "${HELP2MAN}" --no-info --no-discard-stderr --locale=C.UTF-8 --section 1 --name "${NAME_LINE}"
          --include "${work}/${page}.h2m" --output "${work}/${page}" "${PROGRAM}"
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "make-man-page: help2man failed for ${PROGRAM}")
endif()
# -n leaves the file name and time out of the gzip header, so that the same
# page gives the same bytes.
execute_process(COMMAND gzip -9 -n -c "${work}/${page}" OUTPUT_FILE "${OUTPUT}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "make-man-page: gzip failed")
endif()
