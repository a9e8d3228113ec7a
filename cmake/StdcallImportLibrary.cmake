# Makes the import library of a 32-bit DLL whose stdcall exports carry plain names (--kill-at).
# The linker writes the export list as "Name = Name@bytes"; callers ask for Name@bytes, so the
# import library must know the decorated names and import them by the plain ones (dlltool -k).
# Arguments: LINKER_DEF (the list the linker wrote), DLL, IMPORT_LIBRARY, DLLTOOL.
file(STRINGS ${LINKER_DEF} lines)
set(decorated "EXPORTS\n")
foreach(line IN LISTS lines)
  if(line MATCHES "^[ \t]+([A-Za-z0-9_]+) = ([A-Za-z0-9_]+@[0-9]+)")
    string(APPEND decorated "    ${CMAKE_MATCH_2}\n")
  elseif(line MATCHES "^[ \t]+([A-Za-z0-9_]+)")
    string(APPEND decorated "    ${CMAKE_MATCH_1}\n")
  endif()
endforeach()
set(decorated_def ${LINKER_DEF}.decorated)
file(WRITE ${decorated_def} "${decorated}")
get_filename_component(dll_name ${DLL} NAME)
execute_process(COMMAND ${DLLTOOL} -d ${decorated_def} -D ${dll_name} -l ${IMPORT_LIBRARY} -k
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "dlltool could not make ${IMPORT_LIBRARY}")
endif()
