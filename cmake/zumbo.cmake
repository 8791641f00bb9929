# Helpers shared by every area's CMakeLists.

set(ZUMBO_WARNINGS -Wall -Wextra)

# zumbo_area(<target> [DEPS libs...]): a static library from the .cpp files of the
# calling folder (not its subfolders), with the repository root on the include path.
function(zumbo_area target)
  cmake_parse_arguments(A "" "" "DEPS;EXCLUDE" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  foreach(ex ${A_EXCLUDE})
    list(REMOVE_ITEM srcs ${CMAKE_CURRENT_SOURCE_DIR}/${ex})
  endforeach()
  if(NOT srcs)
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${CMAKE_SOURCE_DIR})
    target_link_libraries(${target} INTERFACE ${A_DEPS})
    return()
  endif()
  add_library(${target} STATIC ${srcs})
  target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR})
  target_compile_options(${target} PRIVATE ${ZUMBO_WARNINGS})
  target_link_libraries(${target} PUBLIC ${A_DEPS})
endfunction()

# The game folder whose data the tests read: this build's own, or (for a sanitizer build
# that skips the forge) the main build's, with -DZUMBO_TEST_DATA_DIR=<main build folder>.
set(ZUMBO_TEST_DATA_DIR ${ZUMBO_GAME_DIR} CACHE PATH "game folder holding the data the tests read")

# zumbo_test(<name> SOURCES ... LIBS ... [LABELS ...] [ENV ...]): a GoogleTest executable
# registered with CTest. Tests run with the build folder's data beside them through
# ZUMBO_TEST_GAME_DIR (the folder the forge writes into).
function(zumbo_test name)
  cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS;LABELS;ENV" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_compile_options(${name} PRIVATE ${ZUMBO_WARNINGS})
  target_compile_definitions(${name} PRIVATE
    ZUMBO_TEST_GAME_DIR="${ZUMBO_TEST_DATA_DIR}"
    ZUMBO_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main Threads::Threads)
  add_test(NAME ${name} COMMAND ${name})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT} LABELS "${T_LABELS}")
  if(T_ENV)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${T_ENV}")
  endif()
endfunction()

# The game's areas, highest first. They call each other both ways (a broken brick
# releases a bonus, the frame update runs the wall step), so executables link them
# as one group, followed by one of the two engine builds.
set(ZUMBO_GAME_AREAS zumbo_frontend zumbo_play zumbo_level zumbo_shell zumbo_audio)

# zumbo_link_game(<target> <sdl|headless>): links the whole game over the chosen backend.
function(zumbo_link_game target backend)
  set(libs)
  foreach(a ${ZUMBO_GAME_AREAS})
    if(TARGET ${a})
      list(APPEND libs ${a})
    endif()
  endforeach()
  target_link_libraries(${target} PRIVATE -Wl,--start-group ${libs} zumbo_engine_${backend} -Wl,--end-group)
  foreach(a ${libs})
    target_link_libraries(${target} PRIVATE $<TARGET_PROPERTY:${a},INTERFACE_LINK_LIBRARIES>)
  endforeach()
  target_link_libraries(${target} PRIVATE zumbo_engine_${backend})
endfunction()

# zumbo_forge_step(<tool> [DEPENDS files...] [AFTER tools...] [ARGS ...]): runs a forge tool at
# build time; it writes its part of the data folder into the game folder (its first argument).
# AFTER names other forge tools whose output it reads.
function(zumbo_forge_step tool)
  cmake_parse_arguments(F "" "" "DEPENDS;AFTER;ARGS" ${ARGN})
  set(stamp ${ZUMBO_GAME_DIR}/data/.forged_${tool})
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${tool} ${ZUMBO_GAME_DIR} ${F_ARGS}
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${tool} ${F_DEPENDS}
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    COMMENT "Forging data: ${tool}"
    VERBATIM)
  add_custom_target(${tool}_forged DEPENDS ${stamp})
  foreach(other ${F_AFTER})
    add_dependencies(${tool}_forged ${other}_forged)
  endforeach()
  set_property(GLOBAL APPEND PROPERTY ZUMBO_FORGE_TARGETS ${tool}_forged)
endfunction()
