# The Debian package: `make package` (cpack in the build folder) makes wks-config_<version>_amd64.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wks-config)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Prepare the settings file of a GSM/MMS trail camera")
set(CPACK_PACKAGE_DESCRIPTION "Prepares the settings file that a GSM/MMS trail camera reads \
from its SD card: model, operator network parameters, recipients and shooting parameters. \
wks-settings does the same from scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "WKS CONFIG developers <maintainers@wksconfig.org>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://wksconfig.org/")
# The libraries come from what the programs link; the converter is run as a program.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "ffmpeg")
include(CPack)
