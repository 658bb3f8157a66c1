# The installed documentation: the manual page, the copyright file in Debian's
# machine-readable format (made from LICENSE) and the changelog, compressed as Debian wants
# them (gzip -9n: no name, no time stamp, so the package builds the same every time).
set(documentation ${PROJECT_BINARY_DIR}/documentation)
set(linux_resources ${PROJECT_SOURCE_DIR}/resources/linux)

file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
# The licence's own text, without its title and copyright line, which the file gives apart.
string(FIND "${license}" "Permission is hereby granted" start)
string(SUBSTRING "${license}" ${start} -1 license)
string(STRIP "${license}" license)
# In the copyright file a licence's text is indented by one blank, and an empty line is " .".
string(REPLACE "\n\n" "\n.\n" license "${license}")
string(REPLACE "\n" "\n " license "${license}")
configure_file(${linux_resources}/copyright.in ${documentation}/copyright @ONLY)

# The manual page with the version written in.
configure_file(${linux_resources}/tinzel.6.in ${documentation}/tinzel.6 @ONLY)
configure_file(${linux_resources}/changelog ${documentation}/changelog COPYONLY)

set(compressed "")
foreach(source tinzel.6 changelog)
    add_custom_command(OUTPUT ${documentation}/${source}.gz
        COMMAND gzip -9nc ${documentation}/${source} > ${documentation}/${source}.gz
        DEPENDS ${documentation}/${source}
        VERBATIM)
    list(APPEND compressed ${documentation}/${source}.gz)
endforeach()
add_custom_target(tinzel_documentation ALL DEPENDS ${compressed})

install(FILES ${documentation}/tinzel.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${documentation}/copyright ${documentation}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tinzel)
