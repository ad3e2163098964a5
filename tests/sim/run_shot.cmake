# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a script with shot events and checks each picture: a PNG of the well surface, 192 x 457.
# -DSIM=simulator -DSHAPES=shape set -DSTYLE=style file -DOUT=folder for the pictures.
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY "${OUT}/with blank")
set(script ${OUT}/shots.script)
file(WRITE ${script} "121 press rotr\n122 release rotr\n125 shot ${OUT}/falling.png\n130 press drop\n131 release drop\n132 shot ${OUT}/with blank/landed.png\n")
execute_process(COMMAND ${SIM} --shapes ${SHAPES} --style ${STYLE} ${script}
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "exit status ${rc}: ${err}")
endif()
foreach(png "${OUT}/falling.png" "${OUT}/with blank/landed.png")
  if(NOT EXISTS "${png}")
    message(FATAL_ERROR "no picture ${png}")
  endif()
  file(READ "${png}" header LIMIT 24 HEX)
  # The signature, then the IHDR chunk: width 192 (0xc0), height 457 (0x1c9).
  if(NOT header MATCHES "^89504e470d0a1a0a0000000d49484452000000c0000001c9$")
    message(FATAL_ERROR "${png} is not a 192 x 457 PNG: ${header}")
  endif()
endforeach()
file(READ "${OUT}/falling.png" a HEX)
file(READ "${OUT}/with blank/landed.png" b HEX)
if(a STREQUAL b)
  message(FATAL_ERROR "the two frames are identical")
endif()
