#pragma once
// The window's run of an engine with what the Options page's "Check the device after wiping"
// asks for, and the report that "Save report..." keeps: each file is recorded as its passes
// begin; after the run (its journals cleared) the device is read back, the windows handling
// their events between reads, and what the check found joins the engine's failures (a file
// found on the device) and notes (a file it could not verify), where every page's report of the
// run names it.

class IWipeServices;
class TWipeEngine;
class TWipeMethodsManager;
struct TRunRecord;

// Runs the engine by the catalogue's settings and method as they are now, shown through the
// services; checks the device when the catalogue's CheckDevice is on. `report`, when given, gets
// what the run did.
void RunAndCheckDevice(TWipeEngine& engine, TWipeMethodsManager& catalogue, IWipeServices& services,
                       TRunRecord* report);
