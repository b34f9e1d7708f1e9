# The application icon, rendered at build time from its source, src/app/icon/quellarch.svg:
# PNGs at 16, 32, 48 and 256 pixels; on Windows also an icon file holding all four.
# Sets QUELLARCH_ICON_PNG_<size> (and QUELLARCH_ICON_ICO on Windows); the target
# quellarch_icon makes them.
find_program(QUELLARCH_RSVG rsvg-convert REQUIRED)   # librsvg2-bin

set(quelle ${PROJECT_SOURCE_DIR}/src/app/icon/quellarch.svg)
set(ziel ${PROJECT_BINARY_DIR}/icon)
set(pngs)
foreach(groesse 16 32 48 256)
  set(png ${ziel}/quellarch-${groesse}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ziel}
    COMMAND ${QUELLARCH_RSVG} -w ${groesse} -h ${groesse} -o ${png} ${quelle}
    DEPENDS ${quelle} VERBATIM)
  set(QUELLARCH_ICON_PNG_${groesse} ${png})
  list(APPEND pngs ${png})
endforeach()
if(WIN32)
  find_program(QUELLARCH_MAGICK convert REQUIRED)      # imagemagick
  set(QUELLARCH_ICON_ICO ${ziel}/quellarch.ico)
  add_custom_command(OUTPUT ${QUELLARCH_ICON_ICO}
    COMMAND ${QUELLARCH_MAGICK} ${pngs} ${QUELLARCH_ICON_ICO}
    DEPENDS ${pngs} VERBATIM)
  add_custom_target(quellarch_icon DEPENDS ${QUELLARCH_ICON_ICO})
else()
  # Installed into the hicolor theme (cmake/LinuxInstall.cmake).
  add_custom_target(quellarch_icon ALL DEPENDS ${pngs})
endif()
