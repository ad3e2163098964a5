# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one replay script through the simulator and compares its output with the expected file.
# -DSIM=simulator -DSHAPES=shape set -DCASE=path without extension (CASE.script, CASE.args,
# CASE.expected).
set(args --shapes ${SHAPES})
if(EXISTS ${CASE}.args)
  file(READ ${CASE}.args extra)
  string(STRIP "${extra}" extra)
  separate_arguments(extra UNIX_COMMAND "${extra}")
  list(APPEND args ${extra})
endif()
execute_process(COMMAND ${SIM} ${args} ${CASE}.script
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "exit status ${rc}: ${err}")
endif()
file(READ ${CASE}.expected expected)
if(NOT out STREQUAL expected)
  get_filename_component(name ${CASE} NAME)
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${name}.actual "${out}")
  message(FATAL_ERROR "output differs from ${CASE}.expected; see ${name}.actual in the test folder")
endif()
