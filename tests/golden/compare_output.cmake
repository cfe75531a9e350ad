# Runs COMMAND with ARGS and fails unless its standard output is byte-for-byte the file EXPECTED.
# With UPDATE=1 it rewrites EXPECTED instead.
execute_process(COMMAND ${COMMAND} ${ARGS} OUTPUT_VARIABLE actual RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${COMMAND} exited with ${status}")
endif()
if(UPDATE)
  file(WRITE ${EXPECTED} "${actual}")
  return()
endif()
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
  message(FATAL_ERROR "output differs from ${EXPECTED}:\n--- expected\n${expected}--- actual\n${actual}")
endif()
