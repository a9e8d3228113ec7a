# How the project installs: libraries, headers and programs in the GNU directories, the libraries
# in the export set of the CMake package (qxdsup01::<name>), and run paths relative to the binaries,
# so that an installed tree works from whatever prefix it was installed to or moved to.
include(GNUInstallDirs)

# The headers go below include/qxdsup01: the library's own there, the platform layer's
# windows.h and its companions in a folder of their own, so that they never shadow another
# package's headers.
set(DSUP_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/qxdsup01)
file(RELATIVE_PATH dsup_libdir_from_bindir ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR})

# dsup_install_library(target EXPORT_NAME name): installs a library of the package, which users
# link as qxdsup01::<name>. A shared library finds the others beside it.
function(dsup_install_library target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "EXPORT_NAME" "")
  set_target_properties(${target} PROPERTIES EXPORT_NAME ${arg_EXPORT_NAME})
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "SHARED_LIBRARY")
    set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN")
  endif()
  install(TARGETS ${target} EXPORT qxdsup01-targets
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
endfunction()

# dsup_install_program(target): installs a tool, which finds the libraries from its bin folder.
function(dsup_install_program target)
  set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN/${dsup_libdir_from_bindir}")
  install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()
