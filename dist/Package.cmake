# `make deb`: a Debian package of the installed tree, made by CPack. Its dependencies are the
# packages of the shared libraries the programs use, found by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ferrovane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Ferrovane support <support@ferrovane.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "overwrite files, folders and free disk space before deleting them")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Ferrovane destroys data for good: it overwrites files, whole folders and the
free space of drives with wipe methods you define, pass after pass, before it
deletes them, so that what you removed cannot be brought back by undelete or
recovery tools.
.
The package holds the window (ferrovane) and the command line
(ferrovane-cli), which share their wipe methods and settings.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://ferrovane.example.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts (standard buttons and dialogs) in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Files and folders as Debian wants them: no write bit for the group, whatever the umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
