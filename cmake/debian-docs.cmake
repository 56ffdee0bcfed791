# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack in the staged package tree: compresses the manual page and the changelog the way Debian keeps them.
file(GLOB_RECURSE staged_manuals "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/share/man/man1/*.1")
file(GLOB_RECURSE staged_changelogs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/share/doc/larkspan/changelog")
foreach(file IN LISTS staged_manuals staged_changelogs)
    execute_process(COMMAND gzip -9 -n -f "${file}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
