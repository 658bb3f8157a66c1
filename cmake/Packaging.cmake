# A Debian package of the installed game: `cpack -G DEB` in the build directory.
set(CPACK_PACKAGE_NAME tinzel)
set(CPACK_PACKAGE_VENDOR "The Tinzel developers")
set(CPACK_PACKAGE_CONTACT "The Tinzel developers <maintainers@tinzel.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${TINZEL_SUMMARY_IN_SENTENCE}")
set(CPACK_PACKAGE_DESCRIPTION [=[
Tinzel is a small puzzle game. Its window shows a board of 10 x 10 coloured
squares in eleven colours, dealt so that exactly one colour covers exactly ten
squares while every other colour covers nine or fewer.

Find that colour and click its button, or pick it with the Up and Down keys
and answer with Space or Enter. A right answer counts a win, a wrong one a
loss, and either way a new board is dealt. After the tenth win a message names
your losses, and the game ends.]=])
set(CPACK_PACKAGE_VERSION ${TINZEL_VERSION_TEXT})
set(CPACK_PACKAGE_INSTALL_DIRECTORY /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://tinzel.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The score labels' face, and Qt's Wayland platform for a Wayland desktop.
tinzel_package_of(score_face_package OCRABold.ttf)
tinzel_package_of(wayland_package libqwayland-generic.so)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "${score_face_package}, ${wayland_package}")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
