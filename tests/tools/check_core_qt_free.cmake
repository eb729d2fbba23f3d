# Fails when any source of the core layers includes a Qt header: the core must build and run
# with the standard library alone (command line, fuzzing, other front ends).
file(GLOB_RECURSE core_files
  ${SOURCE_DIR}/src/model/* ${SOURCE_DIR}/src/format/* ${SOURCE_DIR}/src/engine/* ${SOURCE_DIR}/src/calculator/*)
set(offenders "")
foreach(f ${core_files})
  file(STRINGS ${f} hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]Q")
  if(hits)
    list(APPEND offenders "${f}: ${hits}")
  endif()
endforeach()
if(offenders)
  message(FATAL_ERROR "Qt included in the core:\n${offenders}")
endif()
