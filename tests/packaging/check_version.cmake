# Checks that the changelog's top entry, and the metainfo and manual page as built, carry
# VERSION, the version project() holds. Run with cmake -DVERSION=… -DCHANGELOG=… -DMETAINFO=…
# -DMANUAL=… -P check_version.cmake.
file(STRINGS ${CHANGELOG} top LIMIT_COUNT 1)
if(NOT top MATCHES "^tinzel \\(${VERSION}\\) ")
    message(FATAL_ERROR "the changelog's top entry \"${top}\" is not for version ${VERSION}")
endif()
file(READ ${METAINFO} metainfo)
if(NOT metainfo MATCHES "<release version=\"${VERSION}\"")
    message(FATAL_ERROR "${METAINFO} releases no version ${VERSION}")
endif()
file(STRINGS ${MANUAL} header LIMIT_COUNT 1)
if(NOT header MATCHES "\"Tinzel ${VERSION}\"")
    message(FATAL_ERROR "the manual page's header \"${header}\" is not for version ${VERSION}")
endif()
message(STATUS "changelog, metainfo and manual page: version ${VERSION}")
