# The installed package as driver projects meet it: the build is installed into a fresh prefix,
# and two driver projects are built and run against that prefix alone: a CMake project
# (find_package) whose dialog test runs under CTest, and a C program built with the flags that
# pkg-config gives, whose recording the installed dsup-dump verifies (the tools find their
# libraries from the prefix too).
# Arguments: BUILD_DIR, SOURCE_DIR (this folder), WORK, VERSION, LIBDIR, GENERATOR, BUILD_TYPE,
# C_COMPILER, CXX_COMPILER, C_FLAGS, CXX_FLAGS, LINKER_FLAGS (those of the build, so that a
# sanitizer build links its consumers the same way).

# step(description command...): runs the command; its output goes to step_output.
function(step description)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE failed OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(failed)
    message(FATAL_ERROR "${description} failed:\n${output}")
  endif()
  set(step_output "${output}" PARENT_SCOPE)
endfunction()

set(prefix ${WORK}/prefix)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
step("Installing" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

# The CMake project.
get_filename_component(cmake_bin ${CMAKE_COMMAND} DIRECTORY)
step("Configuring the find_package project" ${CMAKE_COMMAND} -S ${SOURCE_DIR}/find_package -B ${WORK}/find_package
     -G ${GENERATOR} -DCMAKE_BUILD_TYPE=${BUILD_TYPE} -DCMAKE_PREFIX_PATH=${prefix}
     -DCMAKE_CXX_COMPILER=${CXX_COMPILER} "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${LINKER_FLAGS}")
if(NOT step_output MATCHES "qxdsup01 ${VERSION}\n")
  message(FATAL_ERROR "find_package did not find version ${VERSION}:\n${step_output}")
endif()
step("Building the find_package project" ${CMAKE_COMMAND} --build ${WORK}/find_package)
step("Running its dialog test" ${cmake_bin}/ctest --test-dir ${WORK}/find_package --output-on-failure)

# The pkg-config project.
find_program(pkg_config NAMES pkg-config pkgconf REQUIRED)
set(ENV{PKG_CONFIG_PATH} ${prefix}/${LIBDIR}/pkgconfig)
step("pkg-config" ${pkg_config} --modversion qxdsup01)
if(NOT step_output STREQUAL "${VERSION}\n")
  message(FATAL_ERROR "pkg-config gives version ${step_output}, not ${VERSION}")
endif()
step("pkg-config" ${pkg_config} --cflags --libs qxdsup01)
separate_arguments(package_flags UNIX_COMMAND "${step_output}")
step("pkg-config" ${pkg_config} --variable=libdir qxdsup01)
string(STRIP "${step_output}" libdir)
separate_arguments(build_flags UNIX_COMMAND "${C_FLAGS} ${LINKER_FLAGS}")
step("Building the C driver" ${C_COMPILER} ${build_flags} -std=c11 -pedantic-errors -Wall -Wextra -Werror
     ${SOURCE_DIR}/pkg_config/record_run.c ${package_flags} -Wl,-rpath,${libdir} -o ${WORK}/record_run)
step("Running the C driver" ${WORK}/record_run ${WORK}/)
step("Verifying its file with the installed dsup-dump" ${prefix}/bin/dsup-dump --verify ${WORK}/RUN1.DAT)
