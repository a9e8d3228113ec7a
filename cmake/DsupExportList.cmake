# dsup_export_only_listed(<target> <exports>): on hosts without Windows, the shared library
# <target> exports the names of its export list (.def) and nothing else. A version script made
# from the list keeps everything else local, also the standard library's template code, which its
# headers mark visible (and which a build without inlining leaves out of line).
function(dsup_export_only_listed target exports)
  file(STRINGS ${exports} export_lines REGEX "^[ \t]+[A-Za-z_]")
  set(script "{\n")
  if(export_lines)  # a library that lists no name exports none
    string(APPEND script "  global:\n")
  endif()
  foreach(line IN LISTS export_lines)
    string(REGEX REPLACE "^[ \t]+([A-Za-z_][A-Za-z0-9_]*).*$" "\\1" name "${line}")
    string(APPEND script "    ${name};\n")
  endforeach()
  string(APPEND script "  local: *;\n};\n")
  set(version_script ${CMAKE_CURRENT_BINARY_DIR}/${target}.map)
  file(CONFIGURE OUTPUT ${version_script} CONTENT "${script}")
  target_link_options(${target} PRIVATE -Wl,--version-script=${version_script})
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${version_script})
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${exports})
endfunction()
