# Shared by the level and play tests: play_test(<name> <sources...>) builds a GoogleTest
# executable over the whole game and the headless engine.
function(play_test name)
  cmake_parse_arguments(P "" "TIMEOUT" "LABELS" ${ARGN})
  set(timeout 300)
  if(P_TIMEOUT)
    set(timeout ${P_TIMEOUT})
  endif()
  zumbo_test(${name} SOURCES ${P_UNPARSED_ARGUMENTS} TIMEOUT ${timeout} LABELS ${P_LABELS})
  zumbo_link_game(${name} headless)
endfunction()
