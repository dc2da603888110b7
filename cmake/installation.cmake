# The installed layout, following GNUInstallDirs:
#   bin/vocario
#   share/vocario/testi, share/vocario/suoni     the shipped lists and sounds
#   lib/<multiarch>/vocario/vocario_suoni.so      the sound module
#   lib/<multiarch>/vocario/vocario_voce.so       the voice that reads aloud
#   lib/<multiarch>/vocario/vocario_insegnante.so the class register and the worksheets
#   share/man/man1, share/man/it/man1             the manual page
#   share/applications, share/icons/hicolor, share/metainfo, share/doc/vocario
# The program looks beside itself first (the build folder, make run), then
# here, by paths relative to bin/ so that the installed tree may be moved
# (src/core/cartelle.cpp). Nothing is written under the prefix at run time.

include(GNUInstallDirs)
# Named after the package, as Debian wants (GNUInstallDirs would say "Vocario").
set(VOCARIO_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/vocario)
set(VOCARIO_DATADIR ${CMAKE_INSTALL_DATADIR}/vocario)
# A private module: under the multiarch folder where there is one, as Debian
# keeps private libraries (and no ldconfig run is asked for it).
if(CMAKE_LIBRARY_ARCHITECTURE)
    set(VOCARIO_MODULEDIR lib/${CMAKE_LIBRARY_ARCHITECTURE}/vocario)
else()
    set(VOCARIO_MODULEDIR ${CMAKE_INSTALL_LIBDIR}/vocario)
endif()
file(RELATIVE_PATH VOCARIO_DATA_FROM_BIN
    ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${VOCARIO_DATADIR})
file(RELATIVE_PATH VOCARIO_MODULES_FROM_BIN
    ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${VOCARIO_MODULEDIR})

configure_file(src/core/datiprogramma.h.in ${CMAKE_BINARY_DIR}/generated/datiprogramma.h @ONLY)
target_include_directories(vocario_core PRIVATE ${CMAKE_BINARY_DIR}/generated)

# They ship no library of their own to look for: no run path.
set_target_properties(vocario vocario_suoni vocario_voce vocario_insegnante PROPERTIES INSTALL_RPATH "")
install(TARGETS vocario RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS vocario_suoni vocario_voce vocario_insegnante LIBRARY DESTINATION ${VOCARIO_MODULEDIR})
list(TRANSFORM VOCARIO_WORD_LISTS PREPEND testi/ OUTPUT_VARIABLE VOCARIO_WORD_LIST_SOURCES)
install(FILES ${VOCARIO_WORD_LIST_SOURCES} DESTINATION ${VOCARIO_DATADIR}/testi)
install(FILES ${VOCARIO_SOUNDS} DESTINATION ${VOCARIO_DATADIR}/suoni)
# The teachers' guide to writing word lists.
install(FILES docs/elenchi.md DESTINATION ${VOCARIO_DOCDIR})

# vocario_gzip(<source> <output>): <output> is <source> compressed at build
# time as Debian wants it (best compression, no name or time stamp inside).
find_program(VOCARIO_GZIP gzip REQUIRED)
function(vocario_gzip source output)
    get_filename_component(folder ${output} DIRECTORY)
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
        COMMAND ${VOCARIO_GZIP} -9n -c ${source} > ${output}
        DEPENDS ${source})
    file(RELATIVE_PATH target ${CMAKE_BINARY_DIR} ${output})
    string(MAKE_C_IDENTIFIER "vocario_${target}" target)
    add_custom_target(${target} ALL DEPENDS ${output})
endfunction()

# The manual page, in English and in Italian.
vocario_gzip(${CMAKE_CURRENT_SOURCE_DIR}/data/man/vocario.1 ${CMAKE_BINARY_DIR}/data/man/vocario.1.gz)
vocario_gzip(${CMAKE_CURRENT_SOURCE_DIR}/data/man/it/vocario.1
    ${CMAKE_BINARY_DIR}/data/man/it/vocario.1.gz)
install(FILES ${CMAKE_BINARY_DIR}/data/man/vocario.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/data/man/it/vocario.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/it/man1)

# The menu entry and the icon: the SVG, and PNG sizes drawn from it.
install(FILES data/vocario.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/icons/vocario.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
set(VOCARIO_ICON_PNGS)
foreach(side 16 22 24 32 48 64 128 256)
    set(folder ${CMAKE_BINARY_DIR}/icons/${side}x${side})
    add_custom_command(
        OUTPUT ${folder}/vocario.png
        COMMAND render_pictures --png ${folder} ${side}
            ${CMAKE_CURRENT_SOURCE_DIR}/data/icons/vocario.svg
        DEPENDS render_pictures ${CMAKE_CURRENT_SOURCE_DIR}/data/icons/vocario.svg
        VERBATIM)
    list(APPEND VOCARIO_ICON_PNGS ${folder}/vocario.png)
    install(FILES ${folder}/vocario.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${side}x${side}/apps)
endforeach()
add_custom_target(vocario_icons ALL DEPENDS ${VOCARIO_ICON_PNGS} COMMENT "Drawing the program's icon")

# AppStream: the component's ID is reverse-DNS. A build that names a domain
# of its own sets it; the default names none (".local" is no one's domain).
set(VOCARIO_APPSTREAM_ID "local.vocario.Vocario" CACHE STRING "AppStream component ID")
# Where data/screenshots/ is published; empty: derived from VOCARIO_WEB, and
# with neither the metadata shows no screenshot (it may only link to the web).
set(VOCARIO_SCREENSHOTS_URL "" CACHE STRING "Web folder holding data/screenshots/*.png")
set(screenshots_url "${VOCARIO_SCREENSHOTS_URL}")
if(NOT screenshots_url AND VOCARIO_WEB)
    set(screenshots_url "${VOCARIO_WEB}/screenshots")
endif()
if(NOT screenshots_url)
    message(STATUS "Vocario: no VOCARIO_WEB or VOCARIO_SCREENSHOTS_URL, the metainfo links no screenshot")
endif()
set(VOCARIO_METAINFO ${CMAKE_BINARY_DIR}/data/${VOCARIO_APPSTREAM_ID}.metainfo.xml)
set(VOCARIO_METAINFO_ARGS
    -DVERSION=${PROJECT_VERSION} -DDATE=${VOCARIO_RELEASE_DATE} -DID=${VOCARIO_APPSTREAM_ID}
    -DAUTHOR=${VOCARIO_AUTHOR} -DWEB=${VOCARIO_WEB} -DMAIL=${VOCARIO_MAIL})
add_custom_command(
    OUTPUT ${VOCARIO_METAINFO}
    COMMAND ${CMAKE_COMMAND} ${VOCARIO_METAINFO_ARGS} -DSCREENSHOTS_URL=${screenshots_url}
        -DOUTPUT=${VOCARIO_METAINFO} -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/writemetainfo.cmake
    DEPENDS cmake/writemetainfo.cmake data/vocario.metainfo.xml.in
    VERBATIM)
add_custom_target(vocario_metainfo ALL DEPENDS ${VOCARIO_METAINFO})
install(FILES ${VOCARIO_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
