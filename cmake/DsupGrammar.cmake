# Grammars compiled into parse table headers at build time, with dsup-grammar.
#
# A native build, and a cross build with an emulator, run the dsup-grammar that they build. A cross
# build without an emulator cannot run its own tool: it runs a dsup-grammar for the build machine,
# the one given in DSUP_HOST_GRAMMAR or else one built from these same sources beside the build
# (this project configured with DSUP_GRAMMAR_TOOL_ONLY). Either way every grammar has one source
# and one compiler.
#
#   dsup_grammar_tool()                              chooses the tool (in the top-level directory)
#   dsup_compile_grammar(<grammar> <header> <name>)  the rule that writes <header>
include_guard(GLOBAL)

set(DSUP_HOST_GRAMMAR "" CACHE FILEPATH
  "A dsup-grammar that runs on the build machine, for cross builds without an emulator (built from these sources when empty)")

function(dsup_grammar_tool)
  if(NOT CMAKE_CROSSCOMPILING OR CMAKE_CROSSCOMPILING_EMULATOR)
    set(tool dsup-grammar)
    set(depends dsup-grammar)
  elseif(DSUP_HOST_GRAMMAR)
    set(tool ${DSUP_HOST_GRAMMAR})
    set(depends ${DSUP_HOST_GRAMMAR})
  else()
    include(ExternalProject)
    set(binary_dir ${PROJECT_BINARY_DIR}/grammar-host)
    set(tool ${binary_dir}/tools/grammar/dsup-grammar)
    # Built only when a grammar needs it; the inner build is a no-op when its sources are unchanged.
    ExternalProject_Add(dsup_grammar_host
      SOURCE_DIR ${PROJECT_SOURCE_DIR}
      BINARY_DIR ${binary_dir}
      CMAKE_ARGS -DDSUP_GRAMMAR_TOOL_ONLY=ON -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE} -DDSUP_WERROR=${DSUP_WERROR}
      BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target dsup-grammar
      BUILD_BYPRODUCTS ${tool}
      INSTALL_COMMAND ""
      BUILD_ALWAYS ON
      EXCLUDE_FROM_ALL ON)
    set(depends dsup_grammar_host ${tool})
    message(STATUS "Grammars are compiled with a build of dsup-grammar for this machine (${tool})")
  endif()
  set(DSUP_GRAMMAR_COMMAND ${tool} PARENT_SCOPE)
  set(DSUP_GRAMMAR_DEPENDS ${depends} PARENT_SCOPE)
endfunction()

function(dsup_compile_grammar grammar header name)
  add_custom_command(
    OUTPUT ${header}
    COMMAND ${DSUP_GRAMMAR_COMMAND} header ${grammar} -o ${header} --name ${name}
    DEPENDS ${DSUP_GRAMMAR_DEPENDS} ${grammar}
    COMMENT "Compiling ${grammar} with dsup-grammar"
    VERBATIM)
endfunction()
