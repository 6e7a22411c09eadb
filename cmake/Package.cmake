# The Debian package: `cpack -G DEB` in the build folder makes
# vornish_<version>_<arch>.deb from what `cmake --install` puts under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vornish)
set(CPACK_PACKAGE_VENDOR "The Vornish developers")
set(CPACK_PACKAGE_CONTACT "The Vornish developers <vornish@vornish.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator and simulator for one reversible binding reaction")
# CPack writes the summary as the Description's first line and indents every
# line of this text by one space itself: lines of our own indented further
# would show as preformatted text.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Vornish is a desktop program for the reaction A + B <=> [A/B], for research
and teaching. The Equilibrium Tool computes equilibrium concentrations from
any accepted three of six quantities and plots titration curves; the
Scatchard Analysis Tool fits binding data, gives Kd with its 95% confidence
interval and fits the saturation curve; the Dynamic Equilibrium Tool
simulates the time course from rate constants, with programmed changes and a
competitor, and its Kinetics Summary checks it against the exact course.
The command line vornish-cli runs the same computations without a window.")
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
# The packaged programs without their debug data (the build keeps it).
set(CPACK_STRIP_FILES ON)
include(CPack)
