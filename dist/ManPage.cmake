# Makes the manual page of ferrovane-cli: help2man reads the program's --help and --version, the
# help of each subcommand becomes a section of its own, and the page is compressed for man.
#   cmake -DPROGRAM=... -DHELP2MAN=... -DGZIP=... -DINCLUDE=... -DOUTPUT=... -P ManPage.cmake
set(SUBCOMMANDS_INCLUDE "${OUTPUT}.subcommands.h2m")
set(text "[SUBCOMMANDS]\n")
foreach(subcommand wipe free-space methods)
  execute_process(COMMAND "${PROGRAM}" ${subcommand} --help
                  OUTPUT_VARIABLE help RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} ${subcommand} --help failed")
  endif()
  # The general part of each help (exit status, settings) is in the page once, under the options.
  string(FIND "${help}" "\nExit status:" footer)
  if(footer GREATER -1)
    string(SUBSTRING "${help}" 0 ${footer} help)
  endif()
  # Text for roff: backslashes doubled, a line that starts with a dot or a quote kept as text.
  string(REPLACE "\\" "\\\\" help "${help}")
  string(REPLACE ";" "<semicolon>" help "${help}")
  string(REPLACE "\n" ";" lines "${help}")
  string(APPEND text ".SS ${subcommand}\n")
  foreach(line IN LISTS lines)
    if(line MATCHES "^  ([^ ].*[^ ])   *([^ ].*)$")
      # An option or positional and what it does.
      string(APPEND text ".TP\n\\fB${CMAKE_MATCH_1}\\fR\n${CMAKE_MATCH_2}\n")
    elseif(line MATCHES "^[A-Za-z]+:$")
      string(APPEND text ".PP\n\\fI${line}\\fR\n")
    elseif(NOT line STREQUAL "")
      string(REGEX REPLACE "^([.'])" "\\\\&\\1" line "${line}")
      string(APPEND text ".PP\n${line}\n")
    endif()
  endforeach()
endforeach()
string(REPLACE "<semicolon>" ";" text "${text}")
file(WRITE "${SUBCOMMANDS_INCLUDE}" "${text}")

execute_process(
  COMMAND "${HELP2MAN}" --no-info --section=1
          "--name=overwrite files, folders and free disk space before deleting them"
          "--include=${INCLUDE}" "--include=${SUBCOMMANDS_INCLUDE}" "--output=${OUTPUT}"
          "${PROGRAM}"
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "help2man failed")
endif()
execute_process(COMMAND "${GZIP}" -9 -n -f -k "${OUTPUT}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "gzip failed")
endif()
