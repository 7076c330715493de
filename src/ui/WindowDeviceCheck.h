#pragma once
// The window's run of an engine with what the Options page's "Check the device after wiping"
// asks for, and the report that "Save report..." keeps: each file is recorded as its passes
// begin; after the run (its journals cleared) the device is read back, the windows handling
// their events between reads, and what the check found joins the engine's failures (a file
// found on the device) and notes (a file it could not verify), where every page's report of the
// run names it.

#include <string>
#include <vector>

#include "ui/AdministratorRun.h"

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

// Before the user's own run of the paths (files and folders, or the drive roots of a free-space
// run): with the catalogue's CheckDevice on, pkexec installed and a device among them that only
// the administrator may read, the user's run could only say "not verified (needs administrator
// rights)". The run with administrator rights, which wipes and checks, is offered in its place
// (RunAsAdministrator with `question`; Cancel runs nothing). True when the offer took the
// place of the user's run.
bool OfferCheckedRunAsAdministrator(TAdministratorWork work, const QString& question,
                                    const std::vector<std::string>& paths, const TRunTexts& texts,
                                    TWipeEngine& engine, const TWipeMethodsManager& catalogue,
                                    std::string* report);
