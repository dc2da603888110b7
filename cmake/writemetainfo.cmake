# Writes the AppStream metainfo from data/vocario.metainfo.xml.in (script mode):
#   cmake -DOUTPUT=file -DVERSION=1.0 -DDATE=2026-12-08 -DID=... [-DAUTHOR=...]
#         [-DWEB=url] [-DMAIL=address] [-DSCREENSHOTS_URL=url] -P writemetainfo.cmake
# The developer, the links and the screenshots appear only when given.

function(xml_escaped text out)
    string(REPLACE "&" "&amp;" text "${text}")
    string(REPLACE "<" "&lt;" text "${text}")
    string(REPLACE ">" "&gt;" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The pictures of data/screenshots/: file, English caption, Italian caption.
set(shots
    "start.png|The start screen|La schermata iniziale"
    "menu.png|The menu of the nine exercises|Il menu dei nove esercizi"
    "contrari.png|Matching antonyms: drag each word onto its opposite|Abbinare i contrari: trascina ogni parola sul suo contrario"
    "vocario.png|Choosing the meaning of a word|Scegliere il significato di una parola")

set(DEVELOPER "")
if(AUTHOR)
    xml_escaped("${AUTHOR}" author)
    set(DEVELOPER "  <developer_name>${author}</developer_name>\n")
endif()
set(LINKS "")
if(WEB)
    xml_escaped("${WEB}" web)
    string(APPEND LINKS "  <url type=\"homepage\">${web}</url>\n")
endif()
if(MAIL)
    xml_escaped("${MAIL}" mail)
    string(APPEND LINKS "  <update_contact>${mail}</update_contact>\n")
endif()
set(SCREENSHOTS "")
if(SCREENSHOTS_URL)
    set(kind " type=\"default\"")
    string(APPEND SCREENSHOTS "  <screenshots>\n")
    foreach(shot IN LISTS shots)
        string(REPLACE "|" ";" shot "${shot}")
        list(GET shot 0 file)
        list(GET shot 1 english)
        list(GET shot 2 italian)
        string(APPEND SCREENSHOTS "    <screenshot${kind}>\n"
            "      <caption>${english}</caption>\n"
            "      <caption xml:lang=\"it\">${italian}</caption>\n"
            "      <image>${SCREENSHOTS_URL}/${file}</image>\n"
            "    </screenshot>\n")
        set(kind "")
    endforeach()
    string(APPEND SCREENSHOTS "  </screenshots>\n")
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/../data/vocario.metainfo.xml.in ${OUTPUT} @ONLY)
