# Compiles the public header HEADER on its own (its own includes aside), as strict C11 and as
# C++20, with every warning an error: a driver may include it first and alone, in either language.
# Arguments: HEADER, INCLUDE_DIRS (the platform layer's headers), C_COMPILER, CXX_COMPILER.
set(strict -pedantic-errors -Wall -Wextra -Werror -fsyntax-only)
foreach(include_dir IN LISTS INCLUDE_DIRS)
  list(APPEND strict -I${include_dir})
endforeach()
foreach(language c c++)
  if(language STREQUAL "c")
    set(command ${C_COMPILER} -x c -std=c11)
  else()
    set(command ${CXX_COMPILER} -x c++ -std=c++20)
  endif()
  execute_process(COMMAND ${command} ${strict} ${HEADER} RESULT_VARIABLE failed ERROR_VARIABLE diagnostics)
  if(failed OR NOT diagnostics STREQUAL "")
    message(FATAL_ERROR "${HEADER} does not compile cleanly as ${language}:\n${diagnostics}")
  endif()
  message(STATUS "${HEADER} compiles cleanly as ${language}")
endforeach()
