# The Debian package: `cpack -G DEB` in the build folder makes
# vornish_<version>_<arch>.deb from what `cmake --install` puts under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vornish)
set(CPACK_PACKAGE_VENDOR "The Vornish developers")
set(CPACK_PACKAGE_CONTACT "The Vornish developers <vornish@vornish.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator and simulator for one reversible binding reaction")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"calculator and simulator for one reversible binding reaction
 Vornish is a desktop program for the reaction A + B <=> [A/B], for research
 and teaching. The Equilibrium Tool computes equilibrium concentrations from
 any accepted three of six quantities and plots titration curves; the
 Scatchard Analysis Tool fits binding data and gives Kd with its 95%
 confidence interval; the Dynamic Equilibrium Tool simulates the time course
 from rate constants, with programmed changes and a competitor.")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://vornish.example/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Libraries the program links are found by dpkg-shlibdeps; the Qt plug-ins it
# loads at run time (SQLite driver for the results file and the guide, SVG
# for the icon) are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, xdg-utils")
include(CPack)
