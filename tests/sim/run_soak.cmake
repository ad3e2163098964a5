# SPDX-License-Identifier: GPL-3.0-or-later
# A short soak: the simulator must finish with status 0 and one JSON summary line.
execute_process(COMMAND ${SIM} --shapes ${SHAPES} ${ARGS}
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "exit status ${rc}: ${err}")
endif()
if(NOT out MATCHES "^{\"steps\":[0-9]+,\"games\":[0-9]+,\"pieces\":[0-9]+,\"lines\":[0-9]+,")
  message(FATAL_ERROR "unexpected summary: ${out}")
endif()
message(STATUS "${out}")
