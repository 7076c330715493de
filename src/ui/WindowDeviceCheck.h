#pragma once
// The window's run of an engine with what the Options page's "Check the device after wiping"
// asks for, and the report that "Save report..." keeps: each file is recorded as its passes
// begin; after the run (its journals cleared) the device is read back, the windows handling
// their events between reads, and what the check found joins the engine's failures (a file
// found on the device) and notes (a file it could not verify), where every page's report of the
// run names it.

#include <string>
#include <vector>

class IWipeServices;
class TWipeEngine;
class TWipeMethodsManager;
struct TRunRecord;

// Runs the engine by the catalogue's settings and method as they are now, shown through the
// services; checks the device when the catalogue's CheckDevice is on. `report`, when given, gets
// what the run did. With warnOnExecutable, the run asks before it wipes a file that looks
// executable.
void RunAndCheckDevice(TWipeEngine& engine, TWipeMethodsManager& catalogue, IWipeServices& services,
                       TRunRecord* report, bool warnOnExecutable = false);

// Whether reading back the device of any of the paths (files or folders) needs administrator
// rights: the device under the file system that holds it cannot be opened by this user.
bool DeviceCheckNeedsAdministrator(const std::vector<std::string>& paths);
