# Installed like any desktop game: the program (in games/, as Debian lays games out), its
# desktop entry, metainfo, icons, manual page and licence.
include(GNUInstallDirs)
include(${CMAKE_CURRENT_LIST_DIR}/ReleaseFacts.cmake)
install(TARGETS tinzel RUNTIME DESTINATION games BUNDLE DESTINATION games)
# The desktop entry with the summary written in.
set(TINZEL_DESKTOP_ENTRY ${PROJECT_BINARY_DIR}/${TINZEL_APP_ID}.desktop
    CACHE INTERNAL "The desktop entry as built")
configure_file(${PROJECT_SOURCE_DIR}/resources/linux/${TINZEL_APP_ID}.desktop.in
    ${TINZEL_DESKTOP_ENTRY} @ONLY)
install(FILES ${TINZEL_DESKTOP_ENTRY} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The AppStream metainfo with the summary, version and release date written in.
set(TINZEL_METAINFO ${PROJECT_BINARY_DIR}/${TINZEL_APP_ID}.metainfo.xml
    CACHE INTERNAL "The metainfo as built")
configure_file(${PROJECT_SOURCE_DIR}/resources/linux/${TINZEL_APP_ID}.metainfo.xml.in
    ${TINZEL_METAINFO} @ONLY)
install(FILES ${TINZEL_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size IN LISTS TINZEL_ICON_SIZES)
    install(FILES ${TINZEL_ICON_DIRECTORY}/tinzel-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME ${TINZEL_APP_ID}.png)
endforeach()
include(${CMAKE_CURRENT_LIST_DIR}/Documentation.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/Packaging.cmake)
