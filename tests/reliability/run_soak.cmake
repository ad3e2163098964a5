# SPDX-License-Identifier: GPL-3.0-or-later
# Runs zembrik-sim's random soak and fails with its message (which names the seed and the step)
# when an invariant breaks or a sanitizer reports.
execute_process(COMMAND ${SIM} --shapes ${SHAPES} --soak ${STEPS} --seed ${SEED}
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "soak of ${STEPS} steps with seed ${SEED} failed (status ${rc}):\n${err}\n"
                      "reproduce: ${SIM} --shapes ${SHAPES} --soak ${STEPS} --seed ${SEED}")
endif()
if(NOT out MATCHES "^{\"steps\":${STEPS},")
  message(FATAL_ERROR "unexpected summary: ${out}")
endif()
message(STATUS "${out}")
