# make package: a Debian package made by CPack from the install rules. Its
# dependencies are computed from the libraries (dpkg-shlibdeps); the sound
# and speech packages are recommended, since without them the program is
# only silent.

find_program(VOCARIO_DATE date REQUIRED)

# Who answers for the package: VOCARIO_MAINTAINER; else the author when the
# build names one with a mail address; else whoever builds it, as Debian's
# tools name them (DEBFULLNAME, DEBEMAIL). The field cannot stay empty: with
# none of these it says so, at the reserved domain ".invalid" (RFC 2606).
set(VOCARIO_MAINTAINER "" CACHE STRING "Package maintainer, \"Name <mail>\" (empty: see debianpackage.cmake)")
set(maintainer "${VOCARIO_MAINTAINER}")
if(NOT maintainer AND VOCARIO_AUTHOR AND VOCARIO_MAIL)
    set(maintainer "${VOCARIO_AUTHOR} <${VOCARIO_MAIL}>")
elseif(NOT maintainer AND DEFINED ENV{DEBEMAIL})
    set(maintainer "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
elseif(NOT maintainer)
    set(maintainer "Unnamed maintainer <unnamed@maintainer.invalid>")
    message(STATUS "Vocario: no VOCARIO_MAINTAINER, the package names no maintainer")
endif()

# Debian's copyright file and changelog, in share/doc/vocario.
string(SUBSTRING "${VOCARIO_RELEASE_DATE}" 0 4 YEAR)
set(HOLDER "${VOCARIO_AUTHOR}")
if(NOT HOLDER)
    set(HOLDER "the authors of Vocario")
endif()
set(SOURCE_LINE "")
if(VOCARIO_WEB)
    set(SOURCE_LINE "Source: ${VOCARIO_WEB}\n")
endif()
configure_file(data/debian/copyright.in ${CMAKE_BINARY_DIR}/data/copyright @ONLY)
execute_process(COMMAND ${VOCARIO_DATE} -u -R -d ${VOCARIO_RELEASE_DATE}
    OUTPUT_VARIABLE DATE OUTPUT_STRIP_TRAILING_WHITESPACE)
set(VERSION ${PROJECT_VERSION})
set(MAINTAINER "${maintainer}")
configure_file(data/debian/changelog.in ${CMAKE_BINARY_DIR}/data/changelog @ONLY)
vocario_gzip(${CMAKE_BINARY_DIR}/data/changelog ${CMAKE_BINARY_DIR}/data/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/data/copyright ${CMAKE_BINARY_DIR}/data/changelog.gz
    DESTINATION ${VOCARIO_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vocario)
set(CPACK_PACKAGE_VENDOR "${HOLDER}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${maintainer}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${maintainer}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The class register's file is read through Qt SQL's SQLite driver, a plugin
# that the shared-library scan does not see.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Sound: Qt Multimedia plays through a PulseAudio server (PipeWire's will do),
# with GStreamer's plugins. Reading aloud: speech-dispatcher and its espeak-ng
# voices, Italian among them. Qt's own texts (context menus) in Italian:
# qt6-translations-l10n. The register on a school's PostgreSQL server: Qt
# SQL's PostgreSQL driver (libqt6sql6-psql).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "pulseaudio | pipewire-pulse, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, libqt6svg6, qt6-speech-speechd-plugin, speech-dispatcher, speech-dispatcher-espeak-ng, espeak-ng, fonts-sil-andika, qt6-translations-l10n, libqt6sql6-psql")
if(VOCARIO_WEB)
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${VOCARIO_WEB}")
endif()
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Italian vocabulary exercises for pupils")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Vocario is a desktop program for pupils of about 8 to 13 years who are
learning Italian vocabulary. A start screen leads to a menu of nine
exercises: matching antonyms, synonyms, degrees and idioms by dragging a
word onto its partner, putting words in order of intensity, telling
synonyms from antonyms, choosing the meaning of a word, and finding the
word that includes the others or the odd word out.

Every answer is greeted with a picture and a short sound, and the right
and wrong answers are counted. All the program's text is in Italian; the
word lists are plain text files.")
include(CPack)
