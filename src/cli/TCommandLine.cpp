#include "cli/TCommandLine.h"

#include <CLI/CLI.hpp>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "cli/ArgumentPath.h"
#include "cli/ExitStatus.h"
#include "cli/TCleanCommand.h"
#include "cli/TCliOutput.h"
#include "cli/TFreeSpaceCommand.h"
#include "cli/THandOverCommand.h"
#include "cli/TMethodsCommand.h"
#include "cli/TWipeCommand.h"
#include "core/SettingsFolder.h"
#include "core/StoredFileProblem.h"
#include "core/TWipeMethodsManager.h"
#include "core/Translated.h"
#include "platform/Signals.h"

#ifndef FERROVANE_VERSION
#define FERROVANE_VERSION "0"
#endif

namespace {

constexpr const char* kDescription = TrNoop(
    "Ferrovane destroys data for good: it overwrites files, folders and the free space of "
    "drives with a wipe method, pass after pass, before it deletes them.");

constexpr const char* kFooter = TrNoop(
    "Exit status: 0 when everything was wiped, 1 when anything was left (each path is named on "
    "standard error with the reason) or a stored file the run needed could not be read (named "
    "with what is used instead), 2 when the command line was not understood, 130 and 143 "
    "when an interrupt (Ctrl+C) or a request to terminate stopped the run after its current "
    "block.\n\n"
    "Methods and settings: beside the program when its folder may be written, else in "
    "$XDG_CONFIG_HOME/ferrovane (~/.config/ferrovane); `ferrovane-cli methods` names the folder "
    "in use. The window (ferrovane) uses the same ones.");

struct Options {
  bool dryRun = false;
  bool quiet = false;
  bool verbose = false;
  std::string progress;
  TWipeRequest wipe;
  TFreeSpaceRequest freeSpace;
  TMethodsRequest methods;
  TCleanRequest clean;
  TReportRequest handOver;  // only its device check: the report goes back in the stream
};

// The subcommands as CLI11 holds them: the one given tests true after the parse.
struct Subcommands {
  CLI::App* wipe = nullptr;
  CLI::App* freeSpace = nullptr;
  CLI::App* methods = nullptr;
  CLI::App* clean = nullptr;
  CLI::App* handOver = nullptr;
};

// The program itself: its description, version and the options of every subcommand.
void AddProgramOptions(CLI::App& app, Options& options) {
  app.get_formatter()->column_width(24);
  // The words of CLI11's own help in the user's language too (the same words in English).
  for (const char* label : {TrNoop("Usage"), TrNoop("OPTIONS"), TrNoop("SUBCOMMAND"),
                            TrNoop("Positionals"), TrNoop("REQUIRED")}) {
    app.get_formatter()->label(label, Tr(label));
  }
  app.option_defaults()->group(Tr("Options"));
  app.set_help_flag("-h,--help", Tr("Print this help message and exit"));
  app.footer(Tr(kFooter));
  app.set_version_flag("--version", std::string("ferrovane-cli ") + FERROVANE_VERSION,
                       Tr("Show the version and end"));
  app.require_subcommand(1);
  // The options of the whole program may also follow the subcommand.
  app.fallthrough();
  app.add_flag("-n,--dry-run", options.dryRun,
               Tr("List what would be wiped (or recorded); change nothing"));
  app.add_flag("-q,--quiet", options.quiet,
               Tr("No progress line; write only what was left behind and why"));
  app.add_flag("-v,--verbose", options.verbose,
               Tr("Also name the method of each engine and every file as its wipe begins"));
  app.add_option("--progress", options.progress,
                 Tr("With json: the progress and the outcome of each run as JSON lines on standard "
                    "output, for a program that shows the run"))
      ->check(CLI::IsMember({"json"}))
      ->type_name("FORMAT");
}

// --verify-device[=required], --report FILE and --report-names=no, on the commands that wipe.
void AddReportOptions(CLI::App* command, TReportRequest& request) {
  command
      ->add_flag(
          "--verify-device{on}", request.verifyDevice,
          Tr("Then read the device back (as root): each deleted file is verified when none of "
             "its old blocks and none of its names is found there, else named with what was "
             "found at which device offsets (exit status 1); =required: a file that could not "
             "be verified (not root, a network file system...) fails the run too"))
      ->check(CLI::IsMember({"on", "required"}));
  command
      ->add_option("--report", request.reportFile,
                   Tr("Write a report of the run to FILE: JSON (docs/run-report.md), or a page to "
                      "read when FILE ends in .html"))
      ->type_name("FILE");
  command
      ->add_option("--report-names", request.reportNames,
                   Tr("With no, the report counts targets and files and names no path"))
      ->check(CLI::IsMember({"yes", "no"}))
      ->type_name("yes|no");
}

CLI::App* AddWipeCommand(CLI::App& app, TWipeRequest& request) {
  CLI::App* wipe = app.add_subcommand(
      "wipe",
      Tr("Overwrite files (and with -r folders with everything in them) with every pass of the "
         "method, then rename and delete them. A symbolic link is removed as a link; its target is "
         "not touched. A file with other hard links is left whole."));
  wipe->option_defaults()->group(Tr("Options"));
  wipe->get_help_ptr()->group(Tr("Options"));
  wipe->add_option("-m,--method", request.method,
                   Tr("The method to use: a file name in the Methods folder (.mtd may be left off) "
                      "or a method's name; default: the method chosen for the files engine, and "
                      "for folders the one of the folders engine"));
  wipe->add_flag("-r,--recursive", request.recursive,
                 Tr("Wipe folders too, with everything in them"));
  wipe->add_flag_callback(
      "--journal", [&request] { request.journal = 1; },
      Tr("Then erase old copies of the file names from the file system journal (ext4, XFS); "
         "default: as recorded in Ferrovane.ini (on where the file system can clear its journal at "
         "once)"));
  wipe->add_flag_callback(
      "--no-journal", [&request] { request.journal = -1; },
      Tr("Leave the journal as it is, whatever Ferrovane.ini says"));
  wipe->add_flag("--free-space-after", request.freeSpaceAfter,
                 Tr("Then wipe the free space of every drive whose file system wrote the passes to "
                    "other blocks (btrfs and other copy-on-write file systems), so that the old "
                    "blocks of the deleted files are overwritten too; without it such files are "
                    "named and the exit status is 1"));
  AddReportOptions(wipe, request.report);
  wipe->add_option("PATH", request.paths,
                   Tr("Files and folders to wipe ('--' before paths that start with '-')"));
  return wipe;
}

CLI::App* AddFreeSpaceCommand(CLI::App& app, TFreeSpaceRequest& request) {
  CLI::App* freeSpace = app.add_subcommand(
      "free-space",
      Tr("Fill the free space of fixed drives with a temporary file, wipe it with every pass of "
         "the method and delete it. Only the file system mounted at the point now is wiped."));
  freeSpace->option_defaults()->group(Tr("Options"));
  freeSpace->get_help_ptr()->group(Tr("Options"));
  freeSpace->add_option("-m,--method", request.method,
                        Tr("The method to use (as for wipe); default: the method chosen for the "
                           "free-space engine"));
  AddReportOptions(freeSpace, request.report);
  freeSpace->add_option("MOUNT", request.mountPoints,
                        Tr("Mount points of fixed drives, for example / or /home"));
  return freeSpace;
}

CLI::App* AddMethodsCommand(CLI::App& app, TMethodsRequest& request) {
  CLI::App* methods = app.add_subcommand(
      "methods",
      Tr("List the wipe methods with their passes (each pass with -v), the default method and the "
         "method of each engine, and the folder they are kept in."));
  methods->option_defaults()->group(Tr("Options"));
  methods->get_help_ptr()->group(Tr("Options"));
  methods
      ->add_option("--set-engine", request.engine,
                   Tr("Record METHOD as the method that ENGINE (files, folders or free-space) "
                      "uses, in Ferrovane.ini"))
      ->type_name("ENGINE");
  methods->add_option("METHOD", request.method, Tr("With --set-engine: the method to record"));
  return methods;
}

CLI::App* AddCleanCommand(CLI::App& app, TCleanRequest& request) {
  CLI::App* clean = app.add_subcommand(
      "clean",
      Tr("Remove the usage traces of the trace-cleaning items: recent documents, temporary files, "
         "the trash, browser caches, cookies, history, sessions and site data, registry lists... "
         "History inside a browser's database is removed with the database's own means, so "
         "bookmarks stay; the places kept from every clean on the Clean traces page stay."));
  clean->option_defaults()->group(Tr("Options"));
  clean->get_help_ptr()->group(Tr("Options"));
  clean->add_flag(
      "--preview", request.preview,
      Tr("List what the items would remove, with sizes; remove nothing (as --dry-run)"));
  clean->add_flag(
      "--scheduled", request.scheduled,
      Tr("Clean the items chosen for the schedule (Schedule... on the Clean traces page) "
         "when the schedule is on and due, asking nothing, and record the outcome in "
         "scheduled-clean.log in the settings folder; the timer of the schedule runs it"));
  clean->add_flag_callback(
      "--overwrite", [&request] { request.overwrite = 1; },
      Tr("Overwrite every file with the method of the files engine before it goes; default: as "
         "\"Overwrite files before deleting them\" is set on the Clean traces page (the schedule "
         "follows it too)"));
  clean->add_flag_callback(
      "--no-overwrite", [&request] { request.overwrite = -1; },
      Tr("Delete files plainly, whatever the Clean traces page says"));
  AddReportOptions(clean, request.report);
  clean->add_option("ITEM", request.items,
                    Tr("Items by number (1 to 63, in the order of the Clean traces page), by name "
                       "or caption, or by group (windows, ie, mozilla, aol, opera, chromium, "
                       "desktop, applications, recent, custom); default: the items checked on that "
                       "page"));
  return clean;
}

CLI::App* AddHandOverCommand(CLI::App& app, TReportRequest& request) {
  CLI::App* handOver = app.add_subcommand(
      "hand-over",
      Tr("Run the job that the window hands over on standard input, with the method and settings "
         "it names (the window starts this with administrator rights); its targets are wiped only "
         "while they are the entries the window saw. The end of standard input stops the run."));
  // The window's own means of handing over, not a command for people.
  handOver->group("");
  handOver->add_flag("--verify-device{on}", request.verifyDevice, "Then read the device back")
      ->check(CLI::IsMember({"on", "required"}));
  return handOver;
}

// Everything after the first "--" is a path, whatever it looks like. CLI11 is given only what
// comes before it (`optionCount` arguments): within a subcommand it takes "--" only before the
// first path.
std::vector<std::string> ArgumentsAfterMark(int argc, char** argv, int& optionCount) {
  optionCount = argc;
  for (int index = 1; index < argc; ++index) {
    if (std::string_view(argv[index]) != "--") continue;
    optionCount = index;
    return std::vector<std::string>(argv + index + 1, argv + argc);
  }
  return {};
}

// What the parse cannot check alone: the paths after "--" go to the subcommand that takes paths,
// and options that exclude each other. Raises the CLI11 error that names what is wrong.
void CheckArguments(const Subcommands& given, Options& options,
                    const std::vector<std::string>& afterMark) {
  if (options.quiet && options.verbose) {
    throw CLI::ValidationError(Tr("--quiet and --verbose cannot be given together"));
  }
  // The report goes where the path names from the folder the command was started in.
  for (TReportRequest* report :
       {&options.wipe.report, &options.freeSpace.report, &options.clean.report}) {
    if (report->reportFile.empty()) continue;
    const std::string given = report->reportFile;
    report->reportFile = AbsoluteArgument(given);
    if (report->reportFile.empty())
      throw CLI::ValidationError(Tr("--report: ") + given + Tr(" is no path"));
  }
  if (*given.wipe) {
    options.wipe.paths.insert(options.wipe.paths.end(), afterMark.begin(), afterMark.end());
    if (options.wipe.paths.empty()) throw CLI::RequiredError("PATH");
  } else if (*given.freeSpace) {
    std::vector<std::string>& mounts = options.freeSpace.mountPoints;
    mounts.insert(mounts.end(), afterMark.begin(), afterMark.end());
    if (mounts.empty()) throw CLI::RequiredError("MOUNT");
  } else if (*given.handOver && options.dryRun) {
    throw CLI::ValidationError(Tr("hand-over runs the job it is given; it has no dry run"));
  } else if (*given.clean && options.clean.scheduled && !options.clean.items.empty()) {
    throw CLI::ValidationError(Tr("--scheduled cleans the items of the schedule; name no ITEM"));
  } else if (*given.clean && given.clean->count("--overwrite") > 0 &&
             given.clean->count("--no-overwrite") > 0) {
    throw CLI::ValidationError(Tr("--overwrite and --no-overwrite cannot be given together"));
  } else if (!afterMark.empty()) {
    throw CLI::ExtrasError(afterMark);
  } else if (options.methods.engine.empty() != options.methods.method.empty()) {
    throw CLI::ValidationError(Tr("--set-engine takes an engine and then a method"));
  }
}

// Chooses the settings folder and loads the methods and settings, naming every problem.
// `settingsUnread` tells whether the settings file could not be read (the defaults are used),
// `settingsIncomplete` whether the settings folder could not be prepared whole (the shipped
// methods not copied, ...). A dry run changes nothing here either.
std::unique_ptr<TWipeMethodsManager> LoadSettings(TCliOutput& output, bool dryRun,
                                                  bool& settingsUnread, bool& settingsIncomplete) {
  const TSettingsChoice settings = ChooseSettingsFolder();
  for (const std::string& problem : settings.Problems) output.Problem(problem);
  settingsIncomplete = !settings.Problems.empty();
  output.Detail(Tr("settings folder: ") + settings.Folder);
  for (const std::string& file : settings.Seeded)
    output.Detail(Tr("copied from the install: ") + file);
  std::unique_ptr<TWipeMethodsManager> catalogue = StartWipeMethodsManager(!dryRun);
  if (!catalogue->LoadProblem.empty()) {
    output.Problem(Tr("the methods and settings could not all be read: ") + catalogue->LoadProblem);
  }
  // Every command reads the settings: one that cannot be read is named, the run goes on with the
  // defaults, and the exit status says that not everything was as chosen.
  settingsUnread = !catalogue->SettingsProblem.empty();
  if (settingsUnread) {
    output.Problem(StoredFileProblem(TWipeMethodsManager::SettingsFileName(),
                                     catalogue->SettingsProblem,
                                     Tr("the default settings and methods are used")));
  }
  // A value that would make a wipe write nothing has been replaced by its default: said once.
  for (const std::string& problem : catalogue->SettingsProblems) output.Problem(problem);
  return catalogue;
}

// Runs the subcommand given and returns its exit status; an error that escapes it is named.
int RunSubcommand(const Subcommands& given, Options& options, TCliOutput& output,
                  TWipeMethodsManager& catalogue) {
  try {
    if (*given.wipe) {
      options.wipe.dryRun = options.dryRun;
      return TWipeCommand(output, catalogue, options.wipe).Run();
    }
    if (*given.freeSpace) {
      options.freeSpace.dryRun = options.dryRun;
      return TFreeSpaceCommand(output, catalogue, options.freeSpace).Run();
    }
    if (*given.clean) {
      options.clean.preview = options.clean.preview || options.dryRun;
      return TCleanCommand(output, catalogue, options.clean).Run();
    }
    if (*given.handOver) return THandOverCommand(output, options.handOver).Run();
    if (*given.methods) {
      options.methods.dryRun = options.dryRun;
      return TMethodsCommand(output, catalogue, options.methods).Run();
    }
  } catch (const std::exception& error) {
    output.Problem(std::string(Tr("stopped by an unexpected error: ")) + error.what());
  }
  return ExitSomethingLeft;
}

}  // namespace

int TCommandLine::Run(int argc, char** argv) {
  Options options;
  CLI::App app(Tr(kDescription), "ferrovane-cli");
  AddProgramOptions(app, options);
  const Subcommands given{
      AddWipeCommand(app, options.wipe), AddFreeSpaceCommand(app, options.freeSpace),
      AddMethodsCommand(app, options.methods), AddCleanCommand(app, options.clean),
      AddHandOverCommand(app, options.handOver)};
  int optionCount = argc;
  const std::vector<std::string> afterMark = ArgumentsAfterMark(argc, argv, optionCount);
  try {
    app.parse(optionCount, argv);
    CheckArguments(given, options, afterMark);
  } catch (const CLI::ParseError& error) {
    const int status = app.exit(error);
    return status == 0 ? ExitAllDone : ExitUsageError;
  }

  // From here on a stop signal ends the run after its current block, not the program at once.
  platform::catchStopSignals();
  TCliOutput output(options.quiet, options.verbose);
  output.SetJsonProgress(options.progress == "json");
  bool settingsUnread = false;
  bool settingsIncomplete = false;
  const std::unique_ptr<TWipeMethodsManager> catalogue =
      LoadSettings(output, options.dryRun, settingsUnread, settingsIncomplete);

  // The method chosen for an engine is kept in the settings file: when that file could not be
  // read, a wipe would fall back to the default method, which may be weaker than the user's
  // choice. It runs only with a method named on the command line (a dry run changes nothing).
  const bool methodUnknown = settingsUnread && !options.dryRun &&
                             ((*given.wipe && options.wipe.method.empty()) ||
                              (*given.freeSpace && options.freeSpace.method.empty()));
  int status = ExitSomethingLeft;
  if (methodUnknown) {
    output.Problem(
        Tr("the method chosen for this engine is unknown: nothing was wiped; name one "
           "with --method"));
  } else {
    status = RunSubcommand(given, options, output, *catalogue);
  }
  // Nothing is saved at the end: the command line changes only what --set-engine records. A job
  // handed over brings its own method and settings; what was named about the settings folder
  // makes any other run incomplete.
  if ((settingsUnread || settingsIncomplete) && status == ExitAllDone && !*given.handOver) {
    status = ExitSomethingLeft;
  }
  return status;
}
