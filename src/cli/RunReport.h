#pragma once
// What the command line says after a run: every path left behind with its reason, on standard
// error.

#include "core/RunOutcome.h"

class TCliOutput;
class IWipeServices;
class IWipeWitness;
class TWipeEngine;
class TWipeMethodsManager;

// Names every path of the outcome that the run did not wipe: what it left behind and why, the
// file it stopped in, the jobs it did not reach, and the paths that were gone when their turn
// came. True when anything chosen was left behind.
bool ReportRun(TCliOutput& output, const TRunOutcome& outcome);

// Runs the engine's jobs, unless a stop signal came before (then every job counts as not
// reached), and gives what the run came to. The run goes by the catalogue's settings and the
// method it gives the engine as they are when it starts, and shows its progress through the
// services, and tells the witness (when there is one) of each file.
TRunOutcome RunEngine(TWipeEngine& engine, const TWipeMethodsManager& catalogue,
                      IWipeServices& services, IWipeWitness* witness = nullptr);

// Runs the engine's jobs, unless a stop signal came before, and reports what the run left. True
// when anything chosen was left behind (every job, when the run was not started).
bool RunAndReport(TCliOutput& output, TWipeEngine& engine, const TWipeMethodsManager& catalogue,
                  IWipeServices& services, IWipeWitness* witness = nullptr);
