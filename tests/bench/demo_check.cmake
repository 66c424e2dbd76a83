# Runs the demo flight (tarmelon-bench with no script) and checks its timeline: the exit
# status wanted, and lines that must come in this order.
#   -DBENCH=... -DEMULATOR=a|b -DARGS=a|b -DWANT_EXIT=N -DLINES=regex1|regex2|...
# Patterns hold no `|` (it separates them).
string(REPLACE "|" ";" emulator "${EMULATOR}")
string(REPLACE "|" ";" args "${ARGS}")
string(REPLACE "|" ";" lines "${LINES}")
execute_process(COMMAND ${emulator} ${BENCH} ${args} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
message("${out}")
if(NOT status EQUAL WANT_EXIT)
  message(FATAL_ERROR "exit status ${status}, wanted ${WANT_EXIT}\n${err}")
endif()
set(rest "${out}")
foreach(pattern ${lines})
  string(REGEX MATCH "${pattern}" found "${rest}")
  if(found STREQUAL "")
    message(FATAL_ERROR "the timeline lacks, at this point, a line matching '${pattern}'")
  endif()
  string(FIND "${rest}" "${found}" at)
  string(LENGTH "${found}" length)
  math(EXPR after "${at} + ${length}")
  string(SUBSTRING "${rest}" ${after} -1 rest)
endforeach()
