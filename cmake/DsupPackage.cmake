# The package that drivers build against: the CMake package (find_package(qxdsup01) with its
# version, SameMajorVersion) over the export set of dsup_install_library, and the pkg-config file
# qxdsup01.pc. Both find the install from where they lie, so that the tree can be installed to
# any prefix.
include(CMakePackageConfigHelpers)

set(dsup_cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/qxdsup01)
install(EXPORT qxdsup01-targets NAMESPACE qxdsup01:: FILE qxdsup01-targets.cmake DESTINATION ${dsup_cmake_dir})
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/qxdsup01-config.cmake.in
  ${PROJECT_BINARY_DIR}/qxdsup01-config.cmake INSTALL_DESTINATION ${dsup_cmake_dir})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/qxdsup01-config-version.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/qxdsup01-config.cmake ${PROJECT_BINARY_DIR}/qxdsup01-config-version.cmake
  DESTINATION ${dsup_cmake_dir})

# pkg-config: the prefix relative to the folder of the .pc file. On hosts without Windows the
# platform layer's headers and library come along (drivers call the Win32 API of the layer).
set(dsup_pc_dir ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
file(RELATIVE_PATH DSUP_PC_PREFIX_FROM_PC_DIR ${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig ${CMAKE_INSTALL_PREFIX})
string(REGEX REPLACE "/$" "" DSUP_PC_PREFIX_FROM_PC_DIR "${DSUP_PC_PREFIX_FROM_PC_DIR}")
get_target_property(DSUP_PC_LIBRARY qxdsup01 OUTPUT_NAME)
if(NOT DSUP_PC_LIBRARY)
  set(DSUP_PC_LIBRARY qxdsup01)
endif()
if(WIN32)
  set(DSUP_PC_PLATFORM_CFLAGS "")
  set(DSUP_PC_PLATFORM_LIBS "")
else()
  set(DSUP_PC_PLATFORM_CFLAGS " -I\${includedir}/qxdsup01/platform")
  set(DSUP_PC_PLATFORM_LIBS " -lqxplatform")
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/qxdsup01.pc.in ${PROJECT_BINARY_DIR}/qxdsup01.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/qxdsup01.pc DESTINATION ${dsup_pc_dir})
