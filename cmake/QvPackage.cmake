# The Debian package of what `cmake --install` puts in place: `cpack -G DEB` in the build folder
# writes qvplay_<version>_<arch>.deb. Its library dependencies are read from the programs
# (dpkg-shlibdeps); the Qt platform plugins are loaded at run time, so they are named here.
set(QV_PACKAGE_MAINTAINER "Quillo Video Player maintainers <maintainers@qvplay.example>"
    CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME qvplay)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "${QV_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "player for the recordings of time-lapse cameras")
# The long description as dpkg shows it, one line of the control file per line here.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
       "Plays camera AVI recordings (one JPEG picture per frame), bare MPEG-4 visual"
       "streams (.m4v) and the same streams with IMA ADPCM sound and time packets (.tkm)"
       "as one movie, in the order the files were made: steps, seeks, zooms, saves"
       "frames, exports segments and searches the recordings for motion and camera"
       "events. qvplay-cli reads, checks, searches and exports the same recordings from"
       "the command line and writes the camera's settings file.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(QV_BUILD_UI)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
endif()
include(CPack)
