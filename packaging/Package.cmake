# The Debian package: what it needs comes from the shared libraries the
# programs link, plus the zone names the kick-off times are shown in.
set(CPACK_PACKAGE_NAME vylora)
set(CPACK_PACKAGE_VENDOR "Vylora 2010 authors")
set(CPACK_PACKAGE_CONTACT "Vylora 2010 authors <contact@vylora.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "follow and predict the 2010 football World Cup")
set(CPACK_PACKAGE_DESCRIPTION "A wall chart of the 2010 World Cup: type the scores, and the group
tables, the qualified teams, the round of 16 and the knock-out bracket
up to the podium follow at once. Includes the tournaments of 1998 to
2022, a printed sheet, and vylora-server, the update server a
publisher of results runs.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The server's pool loads Qt SQL's drivers as plugins, which the library
# needs cannot see: SQLite by default, PostgreSQL when asked for.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "tzdata, libqt6sql6-sqlite")
# Qt's own dialog texts in the window's languages, and the OpenSSL that Qt
# loads at run time for https update servers and the server's HTTPS.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, qt6-translations-l10n, libssl3")
# A public update server runs behind nginx (the site it ships); the pool
# on PostgreSQL needs its Qt driver.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "nginx, libqt6sql6-psql")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.vylora.example/")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The nginx site is the administrator's to edit: an upgrade keeps their copy.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/conffiles)
set(CPACK_GENERATOR DEB)
include(CPack)
