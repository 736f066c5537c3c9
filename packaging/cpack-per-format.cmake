# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack once per package format. The .deb installs every component but the licence
# text: Debian ships that in /usr/share/common-licenses, and a second copy is clutter there.
if(CPACK_GENERATOR STREQUAL "DEB")
  string(REPLACE ";ALL;" ";Unspecified;" CPACK_INSTALL_CMAKE_PROJECTS
                 "${CPACK_INSTALL_CMAKE_PROJECTS}")
endif()
