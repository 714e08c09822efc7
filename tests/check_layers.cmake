# SPDX-License-Identifier: GPL-3.0-or-later
# The includes of the sources go one way, down the layers: the random source,
# then common, printing, output, the question engine and the forms, then the
# drills, then the shell. A file includes headers of its own folder and of
# the layers below it only; the drill registry and the drill definitions
# name their windows without including them.
# Run as: cmake -DSOURCE_DIR=<src> -P check_layers.cmake
set(layers random common printing output questions forms drills shell)
set(rank_random 0)
set(rank_common 1)
set(rank_printing 2)
set(rank_output 3)
set(rank_questions 4)
set(rank_forms 4)
set(rank_drills 5)
set(rank_shell 6)

set(problems "")
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
foreach(source ${sources})
  string(REGEX MATCH "^[^/]+" layer "${source}")
  if(NOT DEFINED rank_${layer})
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^#include \"[^\"]+\"")
  foreach(line ${includes})
    string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${line}")
    string(REGEX MATCH "^[^/]+" included "${header}")
    if(NOT DEFINED rank_${included} OR included STREQUAL layer)
      continue()
    endif()
    if(rank_${included} GREATER rank_${layer} OR (rank_${included} EQUAL rank_${layer}))
      list(APPEND problems "${source} includes ${header}")
    endif()
  endforeach()
endforeach()

# The registry and every drill definition include no window.
file(GLOB definitions ${SOURCE_DIR}/shell/DrillRegistry.h ${SOURCE_DIR}/drills/*/*Definition.h
  ${SOURCE_DIR}/drills/*/*Drills.h ${SOURCE_DIR}/drills/units/UnitDrill.h
  ${SOURCE_DIR}/drills/mixed/MixedOperations.h ${SOURCE_DIR}/drills/chains/ChainDrill.h)
foreach(definition ${definitions})
  file(STRINGS ${definition} windows REGEX "^#include \"[^\"]*Window\\.h\"")
  foreach(line ${windows})
    list(APPEND problems "${definition} includes a window: ${line}")
  endforeach()
endforeach()

if(problems)
  list(JOIN problems "\n  " text)
  message(FATAL_ERROR "Includes against the layers:\n  ${text}")
endif()
message(STATUS "The includes go down the layers")
