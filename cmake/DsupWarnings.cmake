# One place for the warning flags of every target of the project. DSUP_WERROR turns warnings into
# errors; it is on in CI (the CI environment variable is "true" there).
if("$ENV{CI}" STREQUAL "true")
  set(dsup_werror_default ON)
else()
  set(dsup_werror_default OFF)
endif()
option(DSUP_WERROR "Treat compiler warnings as errors" ${dsup_werror_default})

function(dsup_target_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic
    $<$<COMPILE_LANGUAGE:CXX>:-Wnon-virtual-dtor -Woverloaded-virtual>
    $<$<BOOL:${DSUP_WERROR}>:-Werror>)
endfunction()
