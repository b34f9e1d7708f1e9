# The Qt plugins a program that shows widgets links in. With Qt's shared build they are
# found at run time and nothing is needed; the static Windows build carries in each
# program the Win32 platform for the real window and the offscreen one for the widget
# tests, and no image formats (the program draws its own glyphs).
#   quellarch_qt_plugins(<target>)
function(quellarch_qt_plugins programm)
  get_target_property(art Qt6::Core TYPE)
  if(art STREQUAL "STATIC_LIBRARY")
    qt_import_plugins(${programm}
      INCLUDE_BY_TYPE platforms Qt6::QWindowsIntegrationPlugin Qt6::QOffscreenIntegrationPlugin
      EXCLUDE_BY_TYPE imageformats)
  endif()
endfunction()
