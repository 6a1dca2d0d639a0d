# The Debian package, built by `make package` (cpack -G DEB in the build folder):
# desklet_<version>_amd64.deb with the version of project(VERSION).

# The package licence, where Debian looks for it.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/desklet RENAME copyright)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME desklet)
set(CPACK_PACKAGE_VENDOR "Quillmark")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop client for an e-mail fax service")
# Debian wants the long description in lines of less than 80 characters.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Desklet sends a document as a fax through the Quillmark internet fax service,"
    "which takes fax jobs by e-mail. The user picks a document and fax numbers,"
    "chooses font, resolution and cover page, and Desklet delivers the job as one"
    "e-mail message over SMTP to the service's mail gateway.")
set(CPACK_PACKAGE_CONTACT "Desklet developers <desklet@quillmark.example>")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
set(CPACK_DEBIAN_PACKAGE_SECTION comm)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads the SVG icon engine and the SQL drivers as plug-ins at run time, so the
# libraries the binary links against do not show them; without the first the
# program's icon stays blank, without SQLite's the phone book cannot open.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, libqt6sql6-sqlite")
# xdg-open opens the web pages, and xdg-mime names the desktop's browser when it fails;
# Qt's TIFF reader, a plug-in too, lets the preview count a TIFF's pages;
# the print system and its PDF filters make the fax printer. QtKeychain loads
# libsecret at run time to reach the desktop keyring; without it the mail server's
# password stays in the settings file.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "xdg-utils, qt6-image-formats-plugins, cups-daemon, cups-client, cups-filters, libsecret-1-0")

# The maintainer scripts set up and take away the fax printer and its spool root.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${PROJECT_SOURCE_DIR}/cmake/debian/postinst
    ${PROJECT_SOURCE_DIR}/cmake/debian/prerm
    ${PROJECT_SOURCE_DIR}/cmake/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
