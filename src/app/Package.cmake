# The Debian package, built by CPack from the install rules:
#   cmake --build build --target package      (or: cd build && cpack -G DEB)
# It holds what `cmake --install` installs, under /usr. Its dependencies are
# computed from the shared libraries the program links (dpkg-shlibdeps, from
# dpkg-dev); the Qt platform, image and audio plugins come with those libraries.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME gallowby)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Gallowby developers")
set(CPACK_PACKAGE_CONTACT "The Gallowby developers <gallowby@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "limited-overs cricket for one or two players")
set(CPACK_PACKAGE_DESCRIPTION
    "A cricket game for one or two players at one keyboard: short limited-overs
matches, a handful of keys, a sprite field beside the options panel. The
bowler picks a pace, starts the run-up and fixes the pitch spot; the batsman
moves along the crease and plays one of five shots, and their timing and line
against the danger of that shot decide the outcome.

Human against human or against the computer, commentary, sound effects, an
instant replay and a scorecard.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://gallowby.github.io/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
