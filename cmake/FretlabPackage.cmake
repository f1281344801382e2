# The Debian package, built by CPack (./scripts/package): fretlab_VERSION_ARCH.deb
# in the build folder's package/, with the program, its desktop files, MIME
# type, icons, metainfo, manual page, copyright and changelog. Its
# dependencies come from the program's shared libraries (dpkg-shlibdeps),
# plus what it loads without linking: a General MIDI soundfont, Qt's SQLite
# driver and Qt's platform plugins; Qt's translations are recommended.

set(FRETLAB_MAINTAINER "The Fretlab developers <fretlab@example.org>"
    CACHE STRING "The package's maintainer, as Name <address>")

# The release's own day, not the build's, so that the package is the same
# whenever it is built.
execute_process(COMMAND date -u -d "${FRETLAB_RELEASE_DATE}" "+%a, %d %b %Y 00:00:00 +0000"
                OUTPUT_VARIABLE FRETLAB_CHANGELOG_DATE OUTPUT_STRIP_TRAILING_WHITESPACE)
configure_file(${CMAKE_SOURCE_DIR}/packaging/changelog.in ${CMAKE_BINARY_DIR}/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/changelog.gz
  COMMAND gzip -9nc ${CMAKE_BINARY_DIR}/changelog > ${CMAKE_BINARY_DIR}/changelog.gz
  DEPENDS ${CMAKE_BINARY_DIR}/changelog VERBATIM)
add_custom_target(package_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/fretlab)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME fretlab)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${FRETLAB_MAINTAINER}")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "timgm6mb-soundfont | sf2-soundfont-gm, libqt6sql6-sqlite, qt6-qpa-plugins")
# Qt's own translations, for the Practice window's dialogs in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
if(NOT FRETLAB_WEB_ADDRESS STREQUAL "")
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${FRETLAB_WEB_ADDRESS}")
endif()
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"guitar neck trainer: scales, arpeggios and chords marked and sounded
Fretlab shows a guitar neck and marks every position of a scale, an
arpeggio or a chord, sounding each note with FluidSynth. Its main window
collects chords in sequences, kept in .fbs files and exported as MIDI,
MusicXML or chord charts.
.
Fretlab Practice adds a neck for any tuning of 4 to 8 strings, with a
capo, a left-handed view, spelled note names, intervals and degrees,
pictures of the neck, and drills answered with the mouse, the keyboard or
a MIDI instrument, kept in a practice history.")
include(CPack)
