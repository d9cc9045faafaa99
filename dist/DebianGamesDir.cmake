# Run by cpack between staging the install and packing it: Debian's games live in /usr/games
# (lintian refuses a package of section games without it), so the program moves there. It
# still finds its data in ../share/quillox from its own folder.
set(staging ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
if(NOT EXISTS ${staging}/bin/quillox)
    message(FATAL_ERROR "no program staged at ${staging}/bin/quillox")
endif()
file(MAKE_DIRECTORY ${staging}/games)
file(RENAME ${staging}/bin/quillox ${staging}/games/quillox)
file(GLOB left ${staging}/bin/*)
if(NOT left)
    file(REMOVE_RECURSE ${staging}/bin)
endif()
