# Run by CPack on the staged files before it builds the Debian package:
# Debian keeps the programs of a game in /usr/games, where the package's
# links go (they point at ../lib/karvelon from there as well).
set(staged "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr")
file(MAKE_DIRECTORY "${staged}/games")
file(GLOB links "${staged}/bin/*")
foreach(link ${links})
  get_filename_component(name "${link}" NAME)
  file(RENAME "${link}" "${staged}/games/${name}")
endforeach()
file(REMOVE_RECURSE "${staged}/bin")
