# cmake --install into a scratch prefix, then checks that the programs, the help folders, the
# desktop entry, the MIME type, the icon, the metainfo and the manual pages are where a Linux
# desktop and the program look for them, and that nothing else went into bin.

# expect(<if condition> <message>): an error, and the script goes on to the next check.
function(expect condition message)
    cmake_language(EVAL CODE "if(NOT (${condition}))\n message(SEND_ERROR \"\${message}\")\nendif()")
endfunction()

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${status}):\n${log}")
endif()

set(programs mavik mavik-cli mavik-sim)
set(expected
    ${DATADIR}/applications/mavik.desktop
    ${DATADIR}/mime/packages/mavik.xml
    ${DATADIR}/icons/hicolor/scalable/apps/mavik.svg
    ${DATADIR}/metainfo/${APP_ID}.metainfo.xml)
foreach(program ${programs})
    list(APPEND expected ${BINDIR}/${program} ${MANDIR}/man1/${program}${MAN_SUFFIX})
endforeach()
foreach(file ${expected})
    expect("EXISTS ${PREFIX}/${file}" "not installed: ${file}")
endforeach()

# bin holds the three programs and nothing else (the help folders once went there).
file(GLOB in_bin RELATIVE ${PREFIX}/${BINDIR} ${PREFIX}/${BINDIR}/*)
list(SORT in_bin)
expect("in_bin STREQUAL \"mavik;mavik-cli;mavik-sim\"" "bin holds: ${in_bin}")
foreach(program ${programs})
    execute_process(COMMAND test -x ${PREFIX}/${BINDIR}/${program} RESULT_VARIABLE executable)
    expect("executable EQUAL 0" "${program} is not executable")
endforeach()

# The program looks for its help in <bindir>/../share/mavik/help/<folder>/index.html, with one
# page per context number.
foreach(folder MAVK_ENG MAVK_JPN)
    set(help ${PREFIX}/${BINDIR}/../share/mavik/help/${folder})
    expect("EXISTS ${help}/index.html" "no help contents at ${help}")
    file(GLOB pages ${help}/*.html)
    list(LENGTH pages count)
    expect("count GREATER 69" "${folder} has ${count} pages, fewer than contents and 69 topics")
endforeach()

# The desktop entry starts the installed program with a file and names the clone file type,
# which the MIME package defines with its glob.
file(READ ${PREFIX}/${DATADIR}/applications/mavik.desktop entry)
foreach(line "Exec=mavik %f" "Icon=mavik" "MimeType=application/x-mavik-clone;" "Type=Application")
    string(FIND "${entry}" "\n${line}\n" at)
    expect("NOT at EQUAL -1" "the desktop entry lacks ${line}")
endforeach()
file(READ ${PREFIX}/${DATADIR}/metainfo/${APP_ID}.metainfo.xml metainfo)
foreach(part "<id>${APP_ID}</id>" "<launchable type=\"desktop-id\">mavik.desktop</launchable>"
        "<mediatype>application/x-mavik-clone</mediatype>" "<release version=\"1.0\"")
    string(FIND "${metainfo}" "${part}" at)
    expect("NOT at EQUAL -1" "the metainfo lacks ${part}")
endforeach()
foreach(program ${programs})
    string(FIND "${metainfo}" "<binary>${program}</binary>" at)
    expect("NOT at EQUAL -1" "the metainfo does not provide ${program}")
endforeach()

# The MIME database built from the installed package knows *.kcf.
if(UPDATE_MIME_DATABASE)
    # With the prefix among the data folders, so that anything it prints is a complaint.
    execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_DIRS=${PREFIX}/${DATADIR}:/usr/share
                            ${UPDATE_MIME_DATABASE} ${PREFIX}/${DATADIR}/mime
                    RESULT_VARIABLE status OUTPUT_VARIABLE log ERROR_VARIABLE log)
    expect("status EQUAL 0" "update-mime-database failed:\n${log}")
    expect("log STREQUAL \"\"" "update-mime-database complained:\n${log}")
    file(READ ${PREFIX}/${DATADIR}/mime/globs2 globs)
    string(FIND "${globs}" ":application/x-mavik-clone:*.kcf" at)
    expect("NOT at EQUAL -1" "the MIME database has no *.kcf glob")
else()
    message(STATUS "update-mime-database not found: the MIME glob is not checked")
endif()

# The installed tree as AppStream sees it: metainfo, desktop entry and icon together.
if(APPSTREAMCLI)
    execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net ${PREFIX}
                    RESULT_VARIABLE status OUTPUT_VARIABLE log ERROR_VARIABLE log)
    expect("status EQUAL 0" "appstreamcli validate-tree failed:\n${log}")
endif()
if(DESKTOP_FILE_VALIDATE)
    execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${PREFIX}/${DATADIR}/applications/mavik.desktop
                    RESULT_VARIABLE status OUTPUT_VARIABLE log ERROR_VARIABLE log)
    expect("status EQUAL 0" "desktop-file-validate failed on the installed entry:\n${log}")
endif()
