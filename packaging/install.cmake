# Install rules of Slidix: the game, its data files, the launcher players start it with, and its desktop entry, icons and metadata.
include(GNUInstallDirs)

set(SLIDIX_DATA_FILES
  times.ttf back.png box.png alphabox.png win.png loose.png
  times.ttf.LICENSE LICENSES.md
)
list(TRANSFORM SLIDIX_DATA_FILES PREPEND "${PROJECT_SOURCE_DIR}/data/")

if(WIN32)
  # No shell to cd for it: the game and its data share one folder, which a
  # shortcut gives as the folder to start in.
  install(TARGETS slidix RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
  install(FILES ${SLIDIX_DATA_FILES} DESTINATION "${CMAKE_INSTALL_BINDIR}")
  return()
endif()

set(SLIDIX_INSTALL_DATADIR "${CMAKE_INSTALL_DATADIR}/slidix")
set(SLIDIX_INSTALL_GAMEDIR "${CMAKE_INSTALL_LIBEXECDIR}/slidix")

# The binary itself stays off the PATH: started anywhere but in its data
# directory it would find none of its pictures.
install(TARGETS slidix RUNTIME DESTINATION "${SLIDIX_INSTALL_GAMEDIR}")
install(FILES ${SLIDIX_DATA_FILES} DESTINATION "${SLIDIX_INSTALL_DATADIR}")

# slidix_launcher_path(VAR DIR FULL_DIR): how the launcher names DIR. Relative
# to the launcher's own directory ($bindir at run time) when both lie under the
# prefix, so that a moved prefix still works; absolute otherwise.
function(slidix_launcher_path var dir full_dir)
  if(IS_ABSOLUTE "${CMAKE_INSTALL_BINDIR}" OR IS_ABSOLUTE "${dir}")
    set(${var} "${full_dir}" PARENT_SCOPE)
  else()
    file(RELATIVE_PATH relative "/prefix/${CMAKE_INSTALL_BINDIR}" "/prefix/${dir}")
    set(${var} "$bindir/${relative}" PARENT_SCOPE)
  endif()
endfunction()
slidix_launcher_path(SLIDIX_LAUNCHER_DATADIR
  "${SLIDIX_INSTALL_DATADIR}" "${CMAKE_INSTALL_FULL_DATADIR}/slidix")
slidix_launcher_path(SLIDIX_LAUNCHER_GAMEDIR
  "${SLIDIX_INSTALL_GAMEDIR}" "${CMAKE_INSTALL_FULL_LIBEXECDIR}/slidix")
set(SLIDIX_LAUNCHER_GAME "${SLIDIX_LAUNCHER_GAMEDIR}/slidix")
configure_file("${CMAKE_CURRENT_LIST_DIR}/slidix.sh.in" "${PROJECT_BINARY_DIR}/packaging/slidix" @ONLY)
install(PROGRAMS "${PROJECT_BINARY_DIR}/packaging/slidix" DESTINATION "${CMAKE_INSTALL_BINDIR}")

install(FILES "${CMAKE_CURRENT_LIST_DIR}/slidix.desktop"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${CMAKE_CURRENT_LIST_DIR}/io.github.slidix.Slidix.metainfo.xml"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
foreach(size 48 128 256)
  install(FILES "${CMAKE_CURRENT_LIST_DIR}/icons/slidix-${size}.png"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps"
    RENAME slidix.png)
endforeach()

# One copyright file where Debian looks for it, holding both licences.
file(READ "${PROJECT_SOURCE_DIR}/LICENSE" SLIDIX_LICENSE_TEXT)
file(READ "${PROJECT_SOURCE_DIR}/data/times.ttf.LICENSE" SLIDIX_FONT_LICENSE_TEXT)
set(SLIDIX_FONT_PATH "${SLIDIX_INSTALL_DATADIR}/times.ttf")
configure_file("${CMAKE_CURRENT_LIST_DIR}/copyright.in"
  "${PROJECT_BINARY_DIR}/packaging/copyright" @ONLY)
install(FILES "${PROJECT_BINARY_DIR}/packaging/copyright"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/slidix")
