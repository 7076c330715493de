#pragma once
// Where sandboxed installs keep a user's data: a snap's folder of the revision in use
// (~/snap/<name>/<revision>/, reached without the "current" link) and a flatpak's folder
// (~/.var/app/<id>/). Both with trailing separator; empty when the home folder is unknown or
// the snap has no revision in use.

#include <string>

std::string SnapRevisionFolder(const std::string& snap);
std::string FlatpakFolder(const std::string& applicationId);
