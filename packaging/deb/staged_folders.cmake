# SPDX-FileCopyrightText: 2026 The Piyota developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack on the files it has staged for the package, before packing
# them (CPACK_PRE_BUILD_SCRIPTS): every folder drwxr-xr-x, as Debian wants
# them, whatever the umask of whoever packs. (CMake makes the folders that
# an installed file needs with its default permissions less the umask.)
file(CHMOD_RECURSE ${CPACK_TEMPORARY_INSTALL_DIRECTORY}
     DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
