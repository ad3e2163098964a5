# SPDX-License-Identifier: GPL-3.0-or-later
# Copies the shipped data, gfx and snd folders into the application folder.
# The player's settings files (data/option_*.000) are copied only when missing,
# so rebuilding never throws away the choices saved by the last run.
foreach(dir data gfx snd)
  file(GLOB_RECURSE files RELATIVE ${SRC}/${dir} ${SRC}/${dir}/*)
  foreach(f ${files})
    set(dst ${DST}/${dir}/${f})
    if(f MATCHES "^option_.*\\.000$" AND EXISTS ${dst})
      continue()
    endif()
    configure_file(${SRC}/${dir}/${f} ${dst} COPYONLY)
  endforeach()
endforeach()
