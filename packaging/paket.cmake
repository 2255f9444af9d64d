# Included by the top-level CMakeLists.txt before CPack: the manual pages, the bash completion,
# the thumbnailer and the software-centre entry (installed by cmake --install and in the
# package), and what Debian asks of a package: copyright, changelog, stripped programs, a full
# description.

# The day of this version's release, for the manual pages, the software-centre entry and the
# Debian changelog. Change it with the version in project().
set(VANDOR_FREIGABE 2026-12-09)
# The project's web address (a placeholder until it is published; the screenshots of the
# software-centre entry are docs/*.png below it).
set(VANDOR_HOMEPAGE https://vandor-editor.example.org/)
set(VANDOR_METAINFO_ID org.example.VandorEditor)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)

execute_process(COMMAND date -u -R -d "${VANDOR_FREIGABE} 12:00"
                OUTPUT_VARIABLE VANDOR_FREIGABE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)

set(_paket ${CMAKE_BINARY_DIR}/packaging)
configure_file(${VANDOR_PAKETDATEN}/vandor-editor.1.in ${_paket}/vandor-editor.1 @ONLY)
configure_file(${VANDOR_PAKETDATEN}/vandor-cli.1.in ${_paket}/vandor-cli.1 @ONLY)
configure_file(${VANDOR_PAKETDATEN}/changelog.Debian.in ${_paket}/changelog.Debian @ONLY)
configure_file(${VANDOR_PAKETDATEN}/${VANDOR_METAINFO_ID}.metainfo.xml.in
               ${_paket}/${VANDOR_METAINFO_ID}.metainfo.xml @ONLY)

# Debian wants manual pages and changelogs compressed with gzip -9n (no name, no time stamp, so
# that the package is the same on every build).
set(_gepackt)
foreach(_datei vandor-editor.1 vandor-cli.1 changelog.Debian)
  add_custom_command(OUTPUT ${_paket}/${_datei}.gz
                     COMMAND gzip -9 -n -c ${_paket}/${_datei} > ${_paket}/${_datei}.gz
                     DEPENDS ${_paket}/${_datei} VERBATIM)
  list(APPEND _gepackt ${_paket}/${_datei}.gz)
endforeach()
add_custom_target(paketdateien ALL DEPENDS ${_gepackt})

install(FILES ${_paket}/vandor-editor.1.gz ${_paket}/vandor-cli.1.gz DESTINATION share/man/man1)
install(FILES ${VANDOR_PAKETDATEN}/vandor-cli.bash-completion
        DESTINATION share/bash-completion/completions RENAME vandor-cli)
install(FILES ${VANDOR_PAKETDATEN}/vandor-editor.thumbnailer DESTINATION share/thumbnailers)
install(FILES ${_paket}/${VANDOR_METAINFO_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${VANDOR_PAKETDATEN}/copyright ${_paket}/changelog.Debian.gz
        DESTINATION share/doc/vandor-editor)

set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VANDOR_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# CPack puts the summary (CPACK_PACKAGE_DESCRIPTION_SUMMARY) before it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Vandor Editor makes the maps and scenarios that the turn-based strategy game
Kestrava plays. A map designer builds a map (filled with one terrain, drawn at
random from a landscape, or taken from a scenario file), paints terrain with
brushes, places the players' start positions, mirrors the map, undoes, keeps
memory snapshots and saves compressed scenario files.
.
The package also holds vandor-cli, which builds, describes and pictures
scenario files without a window, and a thumbnailer that shows each scenario's
map in file managers.")
# Directories of the package as Debian has them (0755), whatever the umask of the build.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                                                GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
