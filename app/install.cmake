# SPDX-License-Identifier: GPL-3.0-or-later
# The program finds its Resources folder beside itself, so both go into one private folder
# and bin gets a link to the program.
set(PADCONTROLS_APP_DIR ${CMAKE_INSTALL_LIBEXECDIR}/padcontrols)

if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  set(_udev_default /usr/lib/udev/rules.d)
else()
  # udev reads no rules under other prefixes; /etc is where local rules belong.
  set(_udev_default /etc/udev/rules.d)
endif()
set(PADCONTROLS_UDEV_RULES_DIR ${_udev_default} CACHE PATH "Folder for the controller's udev rule")

install(TARGETS padcontrols RUNTIME DESTINATION ${PADCONTROLS_APP_DIR})
install(DIRECTORY ${PADCONTROLS_RESOURCE_DIR}/ DESTINATION ${PADCONTROLS_APP_DIR}/Resources)
install(CODE "
  set(_bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  file(MAKE_DIRECTORY \"\${_bin}\")
  file(RELATIVE_PATH _target \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\"
       \"\${CMAKE_INSTALL_PREFIX}/${PADCONTROLS_APP_DIR}/padcontrols\")
  file(CREATE_LINK \"\${_target}\" \"\${_bin}/padcontrols\" SYMBOLIC)
  message(STATUS \"Installing: \${_bin}/padcontrols -> \${_target}\")
")
# Given relative to the prefix where it lies under it: the RPM generator would take a file
# installed to an absolute path for a configuration file.
cmake_path(IS_PREFIX CMAKE_INSTALL_PREFIX "${PADCONTROLS_UDEV_RULES_DIR}" NORMALIZE _udev_in_prefix)
if(_udev_in_prefix)
  file(RELATIVE_PATH _udev_destination ${CMAKE_INSTALL_PREFIX} ${PADCONTROLS_UDEV_RULES_DIR})
else()
  set(_udev_destination ${PADCONTROLS_UDEV_RULES_DIR})
endif()
install(FILES ${PROJECT_SOURCE_DIR}/packaging/70-padcontrols.rules DESTINATION ${_udev_destination})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/padcontrols.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The icon theme's size folders, drawn by the artwork generator.
install(DIRECTORY ${PADCONTROLS_THEME_ICON_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
