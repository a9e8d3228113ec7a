# Configures and builds every build preset of CMakePresets.json, each with its configure preset,
# as a new user would: cmake -P scripts/build-presets.cmake (from any directory). Stops at the
# first preset that does not configure or build.
cmake_minimum_required(VERSION 3.25)
get_filename_component(root ${CMAKE_CURRENT_LIST_DIR} DIRECTORY)
file(READ ${root}/CMakePresets.json presets)
string(JSON count LENGTH "${presets}" buildPresets)
math(EXPR last "${count} - 1")
foreach(index RANGE ${last})
  string(JSON build GET "${presets}" buildPresets ${index} name)
  string(JSON configure GET "${presets}" buildPresets ${index} configurePreset)
  message(STATUS "Build preset ${build} (configure preset ${configure})")
  execute_process(COMMAND ${CMAKE_COMMAND} --preset ${configure} WORKING_DIRECTORY ${root}
                  COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${CMAKE_COMMAND} --build --preset ${build} WORKING_DIRECTORY ${root}
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
