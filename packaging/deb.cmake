# The Debian package, built by `cpack -G DEB` in a build tree (scripts/package does that).
# Its library dependencies are read from the programs by dpkg-shlibdeps (dpkg-dev); the
# fonts the windows are drawn in are named here.
set(CPACK_PACKAGE_NAME rainbow)
set(CPACK_PACKAGE_VENDOR "Rainbow developers")
set(CPACK_PACKAGE_CONTACT "Rainbow developers <maintainers@users.noreply.c-seed-36c60a60.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching program on the optics of the rainbow")
set(CPACK_PACKAGE_DESCRIPTION "A beam of light, parallel or from a point source, meets a spherical drop of \
water or glass.\nThe program draws the drop and the rays, prints the angles of incidence \
and of deviation\nand marks the ray of least deviation, the one that makes the rainbow. \
It also shows\nthe constructions that fold at the rainbow ray, a composite rainbow, where \
one refracted\nray is cut by another, the caustics of a sphere, and the bow's brightness \
and colours\nby rays, by Airy's theory and by the exact Lorenz-Mie theory.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY rainbow)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/COPYING)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")

include(CPack)
