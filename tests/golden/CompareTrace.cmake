# Plays one replay script and compares what it writes with the checked-in trace.
# cmake -DREPLAY=... -DSCRIPT=... -DEXPECTED=... -DACTUAL=... -P CompareTrace.cmake
execute_process(COMMAND ${REPLAY} ${SCRIPT} OUTPUT_FILE ${ACTUAL} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "gallowby-replay stopped with status ${status} on ${SCRIPT}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${EXPECTED} ${ACTUAL}
                RESULT_VARIABLE differs)
if(differs)
  execute_process(COMMAND diff ${EXPECTED} ${ACTUAL} OUTPUT_VARIABLE difference)
  string(SUBSTRING "${difference}" 0 3000 difference)
  message(FATAL_ERROR "${ACTUAL} differs from ${EXPECTED}:\n${difference}\n"
                      "If the change is meant, run tests/golden/regenerate.sh and review the diff.")
endif()
