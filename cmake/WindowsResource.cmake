# Every Windows program carries the application icon and a version resource whose
# version is the one set in project().
#   quellarch_windows_resource(<target> <description>)
function(quellarch_windows_resource programm beschreibung)
  if(WIN32)
    set(QUELLARCH_RC_PROGRAMM ${programm})
    set(QUELLARCH_RC_BESCHREIBUNG ${beschreibung})
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${programm}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/version.rc.in ${rc} @ONLY)
    target_sources(${programm} PRIVATE ${rc})
    set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${QUELLARCH_ICON_ICO})
    add_dependencies(${programm} quellarch_icon)
  endif()
endfunction()
