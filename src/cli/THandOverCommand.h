#pragma once
// `ferrovane-cli hand-over`: the run the window starts with administrator rights. The job comes on
// standard input (core/HandOverJob.h): every target with the identity the window saw, the method
// and the settings the user chose. Nothing is looked up again: each target is reached from its
// mount point down without following a link, and a target that is no longer the entry the
// window saw is left alone ("was replaced since it was chosen: not wiped"). The method and the
// settings of this user (the administrator's) are not used. Standard input stays open while the
// run goes on; its end stops the run after the current block, as a stop signal does, since the
// window cannot signal a process of the administrator.

class TCliOutput;

class THandOverCommand {
 public:
  explicit THandOverCommand(TCliOutput& output);
  // Reads the job, runs it and returns the exit status: 2 when the job could not be read (nothing
  // was wiped), otherwise as for wipe and free-space.
  int Run();

 private:
  TCliOutput& output_;
};
