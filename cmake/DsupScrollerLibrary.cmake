# The scroller control's library, loaded by a program as a host loads it: linked on hosts without
# Windows (kept although no symbol of it is used: loading it registers the class); on Windows built
# beside the program, which loads it.
#
#   dsup_use_scroller_library(<target>)
include_guard(GLOBAL)

set(CMAKE_LINK_LIBRARY_USING_loaded_for_its_class "LINKER:--push-state,--no-as-needed" "<LINK_ITEM>" "LINKER:--pop-state")
set(CMAKE_LINK_LIBRARY_USING_loaded_for_its_class_SUPPORTED TRUE)

function(dsup_use_scroller_library name)
  if(WIN32)
    add_dependencies(${name} qxscroller)
  else()
    target_link_libraries(${name} PRIVATE "$<LINK_LIBRARY:loaded_for_its_class,qxscroller>")
  endif()
endfunction()
