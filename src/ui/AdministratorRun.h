#pragma once
// Runs what needs administrator rights through the command line started with them (pkexec and
// the polkit action org.ferrovane.wipe): the window shows that run's progress from its JSON
// stream, and its outcome with the same report as the window's own runs. Where no pkexec is
// installed, nothing is offered.

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "core/RunOutcome.h"
#include "ui/WipeReport.h"

class TWipeEngine;

// The program that asks for administrator rights (pkexec); empty where none is installed.
QString AdministratorLauncher();
// Puts another launcher in its place (tests); an empty text means none. Returns the one before.
QString SetAdministratorLauncher(const QString& launcher);
// The command line program beside the window.
std::string CommandLineProgram();

// Runs `launcher program --progress=json ARGS...`, the progress shown in the progress window of
// the engine. The outcome the stream ends with; null with the reason in `problem` when it gave
// none (the launcher refused, the user did not authenticate, the program failed).
std::optional<TRunOutcome> RunWithProgressStream(const QString& launcher,
                                                 const std::string& program,
                                                 const std::vector<std::string>& args,
                                                 TWipeEngine& engine, QString& problem);

// After a free-space run of the engine: drives left behind because they need administrator
// rights are offered to a run with those rights, whose outcome is reported with the texts.
void OfferAdministratorFreeSpaceRun(const TRunTexts& texts, const TRunOutcome& outcome,
                                    TWipeEngine& engine);
// After a wipe of files or folders: what was left behind because the system refused the user
// (permission denied, operation not permitted) is offered to a run with administrator rights.
void OfferAdministratorWipeRun(const TRunTexts& texts, const TRunOutcome& outcome,
                               TWipeEngine& engine);
