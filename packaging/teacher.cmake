# SPDX-FileCopyrightText: 2026 The Piyota developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the teachers' overview beside the program: the executable, its
# menu entry (「ぴよたの研修旅行 先生用」) and its desktop file name, compiled in.
# It shares the program's icon. Included from this folder's CMakeLists.txt.
set(PIYOTA_TEACHER_APP_ID ${PIYOTA_APP_ID}.Teacher)

target_compile_definitions(piyota_desktop PRIVATE PIYOTA_TEACHER_APP_ID="${PIYOTA_TEACHER_APP_ID}")
target_link_libraries(piyota-teacher PRIVATE piyota_desktop)

configure_file(teacher_desktop_entry.desktop.in ${PIYOTA_TEACHER_APP_ID}.desktop @ONLY)
install(TARGETS piyota-teacher RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${PIYOTA_TEACHER_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
