#pragma once
// Runs what needs administrator rights through the command line started with them (pkexec and
// the polkit action org.ferrovane.wipe). The window hands that run a job, never paths to look up
// again: each target with the identity the window sees when it asks (the entry's device and
// number, or the file system mounted at a drive), with the method and the settings of the
// user's own runs, as bytes on the run's standard input (core/HandOverJob.h). The run wipes a
// target only while it is still that entry, reached without a link. The window shows the run's
// progress from its JSON stream, and its outcome with the same report as the window's own runs;
// Cancel in the progress window closes the run's standard input, which stops it (a process of
// the administrator cannot be signalled by the user). Where no pkexec is installed, the window
// says so instead of offering the run.

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "core/HandOverJob.h"
#include "core/RunOutcome.h"
#include "ui/WipeReport.h"

class TWipeEngine;
class TWipeMethodsManager;

// The program that asks for administrator rights (pkexec); empty where none is installed.
QString AdministratorLauncher();
// Puts another launcher in its place (tests); an empty text means none. Returns the one before.
QString SetAdministratorLauncher(const QString& launcher);
// The command line program beside the window.
std::string CommandLineProgram();

// Runs `launcher program --progress=json ARGS...` with `input` on its standard input, the
// progress shown in the progress window of the engine. The standard input stays open until the
// run ends or Cancel in the progress window closes it; meanwhile no other window takes clicks
// or keys. The outcome the stream ends with (several, as one); null with the reason in
// `problem` when it gave none (the launcher refused, the user did not authenticate, the program
// failed), in words for the user.
std::optional<TRunOutcome> RunWithProgressStream(const QString& launcher,
                                                 const std::string& program,
                                                 const std::vector<std::string>& args,
                                                 TWipeEngine& engine, QString& problem,
                                                 const std::string& input = {});

// The words for a launcher's run that ended without an outcome: its exit status and what it
// wrote on its standard error ("no authentication agent is running", ...).
QString LauncherProblem(const QString& launcher, int exitStatus, const QString& said);

// What is handed to the run with administrator rights for the engine: the method and the
// settings the engine's own runs take from the catalogue, and each path as the window sees it
// now (a file or folder looked at without following a link on its way; a drive with the file
// system mounted at it). A path that cannot be looked at that way is left out and named in
// `unseen` with the reason. Null (the reason in `unseen`) when the engine has no usable method.
std::optional<THandOverJob> HandOverJobFor(TWipeItemKind kind,
                                           const std::vector<std::string>& paths,
                                           TWipeEngine& engine,
                                           const TWipeMethodsManager& catalogue,
                                           std::vector<std::string>& unseen);

// What a run with administrator rights does: wipe files and folders, or the free space of drives.
enum class TAdministratorWork { Wipe, FreeSpace };

// Asks `question` (%1: the paths), then runs the job of the paths with administrator rights and
// reports its outcome with the texts. Paths that cannot be looked at are named and left out.
// Where no launcher is installed, says so and runs nothing. For a button that offers the run
// before any run of the user's own (a drive or file the user may not write).
void RunAsAdministrator(TAdministratorWork work, const QString& question,
                        const std::vector<std::string>& paths, const TRunTexts& texts,
                        TWipeEngine& engine, const TWipeMethodsManager& catalogue);

// After a free-space run of the engine: drives left behind because they need administrator
// rights are offered to a run with those rights, whose outcome is reported with the texts.
void OfferAdministratorFreeSpaceRun(const TRunTexts& texts, const TRunOutcome& outcome,
                                    TWipeEngine& engine, const TWipeMethodsManager& catalogue);
// After a wipe of files or folders: what was left behind because the system refused the user
// (permission denied, operation not permitted) is offered to a run with administrator rights.
void OfferAdministratorWipeRun(const TRunTexts& texts, const TRunOutcome& outcome,
                               TWipeEngine& engine, const TWipeMethodsManager& catalogue);
