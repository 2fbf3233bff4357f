# cpack -G DEB in the build folder makes an installable package.
set(CPACK_PACKAGE_NAME torvane)
set(CPACK_PACKAGE_VENDOR "Torvane")
set(CPACK_PACKAGE_CONTACT "Torvane developers <torvane@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "五位数号码缩水工具 - five-digit number shrinking tool")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-wqy-microhei | fonts-arphic-uming, qt6-translations-l10n, qt6-qpa-plugins, libcurl4")
include(CPack)
