#include "cli/TCommandLine.h"

#include <CLI/CLI.hpp>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "cli/ExitStatus.h"
#include "cli/TCleanCommand.h"
#include "cli/TCliOutput.h"
#include "cli/TFreeSpaceCommand.h"
#include "cli/TMethodsCommand.h"
#include "cli/TWipeCommand.h"
#include "core/SettingsFolder.h"
#include "core/StoredFileProblem.h"
#include "core/TWipeMethodsManager.h"
#include "platform/Signals.h"

#ifndef FERROVANE_VERSION
#define FERROVANE_VERSION "0"
#endif

namespace {

constexpr char kDescription[] =
    "Ferrovane destroys data for good: it overwrites files, folders and the free space of "
    "drives with a wipe method, pass after pass, before it deletes them.";

constexpr char kFooter[] =
    "Exit status: 0 when everything was wiped, 1 when anything was left (each path is named on "
    "standard error with the reason) or a stored file the run needed could not be read (named "
    "with what is used instead), 2 when the command line was not understood, 130 and 143 "
    "when an interrupt (Ctrl+C) or a request to terminate stopped the run after its current "
    "block.\n\n"
    "Methods and settings: beside the program when its folder may be written, else in "
    "$XDG_CONFIG_HOME/ferrovane (~/.config/ferrovane); `ferrovane-cli methods` names the folder "
    "in use. The window (ferrovane) uses the same ones.";

struct Options {
  bool dryRun = false;
  bool quiet = false;
  bool verbose = false;
  std::string progress;
  TWipeRequest wipe;
  TFreeSpaceRequest freeSpace;
  TMethodsRequest methods;
  TCleanRequest clean;
};

}  // namespace

int TCommandLine::Run(int argc, char** argv) {
  Options options;
  CLI::App app(kDescription, "ferrovane-cli");
  app.get_formatter()->column_width(24);
  app.footer(kFooter);
  app.set_version_flag("--version", std::string("ferrovane-cli ") + FERROVANE_VERSION,
                       "Show the version and end");
  app.require_subcommand(1);
  // The options of the whole program may also follow the subcommand.
  app.fallthrough();
  app.add_flag("-n,--dry-run", options.dryRun,
               "List what would be wiped (or recorded); change nothing");
  app.add_flag("-q,--quiet", options.quiet,
               "No progress line; write only what was left behind and why");
  app.add_flag("-v,--verbose", options.verbose,
               "Also name the method of each engine and every file as its wipe begins");

  app.add_option("--progress", options.progress,
                 "With json: the progress and the outcome of each run as JSON lines on standard "
                 "output, for a program that shows the run")
      ->check(CLI::IsMember({"json"}))
      ->type_name("FORMAT");

  CLI::App* wipe = app.add_subcommand(
      "wipe",
      "Overwrite files (and with -r folders with everything in them) with every pass of the "
      "method, then rename and delete them. A symbolic link is removed as a link; its target is "
      "not touched. A file with other hard links is left whole.");
  wipe->add_option("-m,--method", options.wipe.method,
                   "The method to use: a file name in the Methods folder (.mtd may be left off) "
                   "or a method's name; default: the method chosen for the files engine, and "
                   "for folders the one of the folders engine");
  wipe->add_flag("-r,--recursive", options.wipe.recursive,
                 "Wipe folders too, with everything in them");
  wipe->add_flag_callback(
      "--journal", [&options] { options.wipe.journal = 1; },
      "Then erase old copies of the file names from the file system journal (ext4); default: "
      "as recorded in Ferrovane.ini (on where the file system can empty its journal at once)");
  wipe->add_flag_callback(
      "--no-journal", [&options] { options.wipe.journal = -1; },
      "Leave the journal as it is, whatever Ferrovane.ini says");
  wipe->add_flag("--free-space-after", options.wipe.freeSpaceAfter,
                 "Then wipe the free space of every drive whose file system wrote the passes to "
                 "other blocks (btrfs and other copy-on-write file systems), so that the old "
                 "blocks of the deleted files are overwritten too; without it such files are "
                 "named and the exit status is 1");
  wipe->add_option("PATH", options.wipe.paths,
                   "Files and folders to wipe ('--' before paths that start with '-')");

  CLI::App* freeSpace = app.add_subcommand(
      "free-space",
      "Fill the free space of fixed drives with a temporary file, wipe it with every pass of "
      "the method and delete it. Only the file system mounted at the point now is wiped.");
  freeSpace->add_option("-m,--method", options.freeSpace.method,
                        "The method to use (as for wipe); default: the method chosen for the "
                        "free-space engine");
  freeSpace->add_option("MOUNT", options.freeSpace.mountPoints,
                        "Mount points of fixed drives, for example / or /home");

  CLI::App* methods = app.add_subcommand(
      "methods",
      "List the wipe methods with their passes (each pass with -v), the default method and the "
      "method of each engine, and the folder they are kept in.");
  methods
      ->add_option("--set-engine", options.methods.engine,
                   "Record METHOD as the method that ENGINE (files, folders or free-space) "
                   "uses, in Ferrovane.ini")
      ->type_name("ENGINE");
  methods->add_option("METHOD", options.methods.method, "With --set-engine: the method to record");

  CLI::App* clean = app.add_subcommand(
      "clean",
      "Remove the usage traces of the trace-cleaning items: recent documents, temporary files, "
      "the trash, browser caches, cookies and history, registry lists... Files are deleted "
      "plainly; history inside a browser's database is removed with the database's own means, "
      "so bookmarks stay.");
  clean->add_flag("--preview", options.clean.preview,
                  "List what the items would remove, with sizes; remove nothing (as --dry-run)");
  clean->add_flag("--scheduled", options.clean.scheduled,
                  "Clean the items chosen for the schedule (Schedule... on the Clean traces page) "
                  "when the schedule is on and due, asking nothing, and record the outcome in "
                  "scheduled-clean.log in the settings folder; the timer of the schedule runs it");
  clean->add_option("ITEM", options.clean.items,
                    "Items by number (1 to 45, in the order of the Clean traces page), by name "
                    "or caption, or by group (windows, ie, mozilla, aol, opera, chromium, "
                    "desktop, applications); default: the items checked on that page");

  // Everything after the first "--" is a path, whatever it looks like. CLI11 is given only what
  // comes before it: within a subcommand it takes "--" only before the first path.
  int optionCount = argc;
  std::vector<std::string> afterMark;
  for (int index = 1; index < argc; ++index) {
    if (std::string_view(argv[index]) != "--") continue;
    optionCount = index;
    afterMark.assign(argv + index + 1, argv + argc);
    break;
  }
  try {
    app.parse(optionCount, argv);
    if (options.quiet && options.verbose) {
      throw CLI::ValidationError("--quiet and --verbose cannot be given together");
    }
    if (*wipe) {
      options.wipe.paths.insert(options.wipe.paths.end(), afterMark.begin(), afterMark.end());
      if (options.wipe.paths.empty()) throw CLI::RequiredError("PATH");
    } else if (*freeSpace) {
      std::vector<std::string>& mounts = options.freeSpace.mountPoints;
      mounts.insert(mounts.end(), afterMark.begin(), afterMark.end());
      if (mounts.empty()) throw CLI::RequiredError("MOUNT");
    } else if (*clean && options.clean.scheduled && !options.clean.items.empty()) {
      throw CLI::ValidationError("--scheduled cleans the items of the schedule; name no ITEM");
    } else if (!afterMark.empty()) {
      throw CLI::ExtrasError(afterMark);
    } else if (options.methods.engine.empty() != options.methods.method.empty()) {
      throw CLI::ValidationError("--set-engine takes an engine and then a method");
    }
  } catch (const CLI::ParseError& error) {
    const int status = app.exit(error);
    return status == 0 ? ExitAllDone : ExitUsageError;
  }

  // From here on a stop signal ends the run after its current block, not the program at once.
  platform::catchStopSignals();
  TCliOutput output(options.quiet, options.verbose);
  output.SetJsonProgress(options.progress == "json");
  const TSettingsChoice settings = ChooseSettingsFolder();
  for (const std::string& problem : settings.Problems) output.Problem(problem);
  output.Detail("settings folder: " + settings.Folder);
  for (const std::string& file : settings.Seeded) output.Detail("copied from the install: " + file);
  const std::unique_ptr<TWipeMethodsManager> catalogue = StartWipeMethodsManager();
  if (!catalogue->LoadProblem.empty()) {
    output.Problem("the methods and settings could not all be read: " + catalogue->LoadProblem);
  }
  // Every command reads the settings: one that cannot be read is named, the run goes on with the
  // defaults, and the exit status says that not everything was as chosen.
  const bool settingsUnread = !catalogue->SettingsProblem.empty();
  if (settingsUnread) {
    output.Problem(StoredFileProblem(TWipeMethodsManager::SettingsFileName(),
                                     catalogue->SettingsProblem,
                                     "the default settings and methods are used"));
  }
  // A value that would make a wipe write nothing has been replaced by its default: said once.
  for (const std::string& problem : catalogue->SettingsProblems) output.Problem(problem);

  int status = ExitSomethingLeft;
  // The method chosen for an engine is kept in the settings file: when that file could not be
  // read, a wipe would fall back to the default method, which may be weaker than the user's
  // choice. It runs only with a method named on the command line (a dry run changes nothing).
  const bool methodUnknown =
      settingsUnread && !options.dryRun &&
      ((*wipe && options.wipe.method.empty()) || (*freeSpace && options.freeSpace.method.empty()));
  if (methodUnknown) {
    output.Problem(
        "the method chosen for this engine is unknown: nothing was wiped; name one "
        "with --method");
    return ExitSomethingLeft;
  }
  try {
    if (*wipe) {
      options.wipe.dryRun = options.dryRun;
      status = TWipeCommand(output, *catalogue, options.wipe).Run();
    } else if (*freeSpace) {
      options.freeSpace.dryRun = options.dryRun;
      status = TFreeSpaceCommand(output, *catalogue, options.freeSpace).Run();
    } else if (*clean) {
      options.clean.preview = options.clean.preview || options.dryRun;
      status = TCleanCommand(output, *catalogue, options.clean).Run();
    } else if (*methods) {
      options.methods.dryRun = options.dryRun;
      status = TMethodsCommand(output, *catalogue, options.methods).Run();
    }
  } catch (const std::exception& error) {
    output.Problem(std::string("stopped by an unexpected error: ") + error.what());
  }
  // Nothing is saved at the end: the command line changes only what --set-engine records.
  if (settingsUnread && status == ExitAllDone) status = ExitSomethingLeft;
  return status;
}
