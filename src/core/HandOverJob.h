#pragma once
// What the window hands to the command line it starts with administrator rights: not paths to
// look up again, but the jobs the user saw and chose. Each target travels with the identity the
// window saw (the entry's device and number, or the file system mounted at a drive), and with it
// the method (its passes) and the settings the user's own run went by, so that the run with other
// rights wipes that entry with that method, or nothing. The job is bytes from end to end (frames,
// core/HandOverFrames.h): a name that is not valid text arrives as it is.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/TWipeItem.h"
#include "core/WipeRun.h"
#include "platform/FileSystem.h"

struct THandOverTarget {
  TWipeItemKind kind = wkFile;
  // Absolute, as the window saw it: a file or folder without a final separator, a drive's root
  // with one. Never resolved again: no "." or ".." in it, no empty component.
  std::string path;
  platform::EntryId id;           // a file or folder: the entry the window saw there
  platform::FileSystemId volume;  // a drive: the file system the window saw mounted there
  bool operator==(const THandOverTarget&) const = default;
};

struct THandOverJob {
  WipeRunSettings settings;
  WipeRunMethod method;
  std::vector<THandOverTarget> targets;
};

// The job as bytes: a sequence of frames that ends with a frame of its own, so that the reader
// knows it has all of it while the stream stays open.
std::string EncodeHandOverJob(const THandOverJob& job);

// Reads a job as it comes, in pieces of any size.
class THandOverJobReader {
 public:
  enum class State { Reading, Complete, Refused };

  THandOverJobReader();
  ~THandOverJobReader();
  THandOverJobReader(const THandOverJobReader&) = delete;
  THandOverJobReader& operator=(const THandOverJobReader&) = delete;

  // Takes more bytes; the state after them. Bytes after the end of the job refuse it.
  State Feed(std::string_view bytes);
  State Current() const { return state_; }
  // Once complete: the job. Once refused: why ("the job handed over is damaged: ...").
  const THandOverJob& Job() const { return job_; }
  const std::string& Problem() const { return problem_; }

 private:
  State refuse(std::string problem);
  State take(const std::string& frame);

  class Frames;
  std::unique_ptr<Frames> frames_;
  THandOverJob job_;
  std::size_t passesLeft_ = 0;
  int records_ = 0;
  State state_ = State::Reading;
  std::string problem_;
};

// The whole job from bytes that hold it and nothing else; null with the reason otherwise.
std::optional<THandOverJob> DecodeHandOverJob(std::string_view bytes,
                                              std::string* problem = nullptr);

// Why the path may not be a target of that kind, or empty when it may: it must be absolute, with
// no empty, "." or ".." component and no NUL; a drive's root ends in a separator, nothing else
// does.
std::string HandOverPathProblem(TWipeItemKind kind, const std::string& path);
