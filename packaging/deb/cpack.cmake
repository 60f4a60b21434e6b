# SPDX-FileCopyrightText: 2026 The Piyota developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack -G DEB` in the build folder packs whatever
# `cmake --install` installs, under /usr, as piyota_<version>-<revision>_<architecture>.deb,
# so another program joins it through its own install rules alone. The
# libraries of every executable and module in it come from dpkg-shlibdeps
# (libqt6gui6 holds Qt's X11 and offscreen platform plugins too); Depends adds
# what the program loads by name at run time. No maintainer scripts: Debian's
# triggers refresh the menu, icon and manual-page caches.

# The changelog's latest entry names the version the package gets: the
# project's, and the Debian revision of its packaging ("1.0-1").
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog changelog_top LIMIT_COUNT 1)
if(NOT changelog_top MATCHES "^piyota \\(${PROJECT_VERSION}-([0-9]+)\\) ")
  message(FATAL_ERROR "packaging/deb/changelog begins '${changelog_top}'; "
                      "its latest entry must be for version ${PROJECT_VERSION}-<Debian revision>")
endif()
set(CPACK_DEBIAN_PACKAGE_RELEASE ${CMAKE_MATCH_1})
set(PIYOTA_DEBIAN_VERSION ${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE} PARENT_SCOPE)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog)

# Reproducible: every file of the package is dated at the changelog's latest
# entry (SOURCE_DATE_EPOCH, which CPack's DEB generator honours), so that
# the same sources give the same package.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog changelog_trailer REGEX "^ -- " LIMIT_COUNT 1)
string(REGEX REPLACE "^ -- [^<]*<[^>]*>  " "" changelog_date "${changelog_trailer}")
execute_process(COMMAND date --utc --date=${changelog_date} +%s
                OUTPUT_VARIABLE PIYOTA_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/project_config.cmake.in ${PROJECT_BINARY_DIR}/CPackProjectConfig.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/CPackProjectConfig.cmake)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/staged_folders.cmake)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME piyota)
set(CPACK_PACKAGE_VENDOR "The Piyota developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "quiz and lectures on quadratic functions for high-school students")
# Read here rather than named as CPACK_PACKAGE_DESCRIPTION_FILE, which CPack
# escapes for XML ("student&apos;s").
file(READ ${CMAKE_CURRENT_LIST_DIR}/description.txt CPACK_DEBIAN_PACKAGE_DESCRIPTION)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/description.txt)
set(CPACK_PACKAGE_HOMEPAGE_URL ${PIYOTA_HOMEPAGE})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Stripped as Debian strips what it packages: the compiler's comments go with
# the symbols (lintian: binary-has-unneeded-section).
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    foreach(file ${program_dir}/$<TARGET_FILE_NAME:piyota> ${program_dir}/$<TARGET_FILE_NAME:piyota_sound_module>
                 ${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:piyota-teacher>)
      execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${file}\"
                      COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
  endif()")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${PIYOTA_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(runtime_depends
    fonts-monapo fonts-ipafont-gothic fonts-ipafont-mincho # the screens' Japanese fonts, found by name
    fonts-horai-umefont                           # the teachers' tables' font (Ume Gothic), found by name
    "timgm6mb-soundfont | sf2-soundfont-gm"       # the General MIDI soundfont of the music
    qt6-translations-l10n                         # Qt's own dialog buttons in Japanese
)
list(JOIN runtime_depends ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
# The music and the sounds play through a PulseAudio server (libpulse).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse")

include(CPack)
