# SPDX-License-Identifier: GPL-3.0-or-later
# A build folder for mutation runs: its default target builds only what the rules', store and
# simulator tests need, so that a mutant's rebuild leaves the window, its tests and the tools
# alone. Configure with -DCMAKE_PROJECT_INCLUDE=<this file> (docs/testing.md).
function(_zembrik_mutation_targets dir out)
  get_property(found DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub ${subdirs})
    _zembrik_mutation_targets(${sub} more)
    list(APPEND found ${more})
  endforeach()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

function(_zembrik_mutation_trim)
  _zembrik_mutation_targets(${CMAKE_SOURCE_DIR} targets)
  set(kept pieces_tests engine_tests store_tests sim_tests zembrik-sim appdata)
  foreach(target ${targets})
    if(NOT target IN_LIST kept)
      set_property(TARGET ${target} PROPERTY EXCLUDE_FROM_ALL TRUE)
    endif()
  endforeach()
endfunction()

# Run once every folder has been added.
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL _zembrik_mutation_trim)
