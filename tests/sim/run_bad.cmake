# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the simulator on bad input: it must exit with 2, print nothing on stdout and exactly one
# line on stderr containing MATCH. -DSIM=simulator -DARGS=semicolon list -DINPUT=stdin file.
set(input_args)
if(DEFINED INPUT)
  set(input_args INPUT_FILE ${INPUT})
endif()
execute_process(COMMAND ${SIM} ${ARGS} ${input_args}
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 2)
  message(FATAL_ERROR "exit status ${rc}, expected 2 (stderr: ${err})")
endif()
if(NOT out STREQUAL "")
  message(FATAL_ERROR "stdout not empty: ${out}")
endif()
string(REGEX MATCHALL "\n" newlines "${err}")
list(LENGTH newlines lines)
if(NOT lines EQUAL 1)
  message(FATAL_ERROR "expected one line on stderr, got: ${err}")
endif()
if(NOT err MATCHES "${MATCH}")
  message(FATAL_ERROR "stderr does not mention '${MATCH}': ${err}")
endif()
