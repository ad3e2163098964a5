# SPDX-License-Identifier: GPL-3.0-or-later
# Reruns a replay file through the simulator: it must exit with STATUS, print its end line last
# and, when MATCH is given, say exactly that on stderr.
# -DSIM=simulator -DREPLAY=file -DSTATUS=0|4 [-DMATCH=line]
execute_process(COMMAND ${SIM} --replay ${REPLAY} --dump-every 600
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL STATUS)
  message(FATAL_ERROR "exit status ${rc}, expected ${STATUS}: ${err}")
endif()
if(NOT out MATCHES "\"end\":true}\n$")
  message(FATAL_ERROR "no end line last: ${out}")
endif()
if(DEFINED MATCH AND NOT err STREQUAL "${MATCH}\n")
  message(FATAL_ERROR "stderr is '${err}', expected '${MATCH}'")
endif()
if(STATUS EQUAL 0 AND NOT err STREQUAL "")
  message(FATAL_ERROR "stderr not empty: ${err}")
endif()
