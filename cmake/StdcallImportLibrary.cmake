# Makes the import library of a 32-bit DLL whose stdcall exports carry plain names (--kill-at).
# Callers ask for Name@bytes, so the import library must know the decorated names and import them
# by the plain ones (dlltool -k). The decorated names come from one of two places:
#   LINKER_DEF  the export list that the linker wrote ("Name = Name@bytes"), for a DLL that
#               exports what its sources mark;
#   EXPORTS     the DLL's own export list (names with their ordinals), with the decorations of the
#               symbols that define them in OBJECTS (separated by |), as NM lists them.
# Further arguments: DLL, IMPORT_LIBRARY, DLLTOOL.
set(decorated "EXPORTS\n")
if(LINKER_DEF)
  file(STRINGS ${LINKER_DEF} lines)
  foreach(line IN LISTS lines)
    if(line MATCHES "^[ \t]+([A-Za-z0-9_]+) = ([A-Za-z0-9_]+@[0-9]+)")
      string(APPEND decorated "    ${CMAKE_MATCH_2}\n")
    elseif(line MATCHES "^[ \t]+([A-Za-z0-9_]+)")
      string(APPEND decorated "    ${CMAKE_MATCH_1}\n")
    endif()
  endforeach()
  set(decorated_def ${LINKER_DEF}.decorated)
else()
  string(REPLACE "|" ";" objects "${OBJECTS}")
  execute_process(COMMAND ${NM} -g --defined-only ${objects} OUTPUT_VARIABLE symbols RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${NM} could not list the symbols of ${DLL}")
  endif()
  file(STRINGS ${EXPORTS} lines)
  foreach(line IN LISTS lines)
    if(line MATCHES "^[ \t]+([A-Za-z_][A-Za-z0-9_]*)([ \t]+@[0-9]+)?[ \t]*$")
      set(name ${CMAKE_MATCH_1})
      set(ordinal "${CMAKE_MATCH_2}")
      # A stdcall function is _Name@bytes, any other _Name.
      set(decoration "")
      if(symbols MATCHES " T _${name}(@[0-9]+)\n")
        set(decoration ${CMAKE_MATCH_1})
      endif()
      string(APPEND decorated "    ${name}${decoration}${ordinal}\n")
    endif()
  endforeach()
  set(decorated_def ${IMPORT_LIBRARY}.def)
endif()
file(WRITE ${decorated_def} "${decorated}")
get_filename_component(dll_name ${DLL} NAME)
execute_process(COMMAND ${DLLTOOL} -d ${decorated_def} -D ${dll_name} -l ${IMPORT_LIBRARY} -k
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "dlltool could not make ${IMPORT_LIBRARY}")
endif()
