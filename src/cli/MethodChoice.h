#pragma once
// Naming a wipe method on the command line, and the words the command line uses for methods and
// their passes.

#include <initializer_list>
#include <string>

class TCliOutput;
class TPass;
class TWipeEngine;
class TWipeMethod;
class TCustomWipeMethodsManager;
class TWipeMethodsManager;

struct TMethodLookup {
  TWipeMethod* method = nullptr;
  std::string problem;  // why none was found, when method is null
};

// The method a text names: the file name of a method in the Methods folder (letters compared
// without case, ".mtd" may be left off), else the name of exactly one method (without case).
TMethodLookup FindMethod(const TCustomWipeMethodsManager& catalogue, const std::string& text);

// The method the text names, when an engine may use it. Otherwise null, the reason written, and
// `status` set to the exit status to end with: a usage error when the text names no method, 1
// when the method's file could not be read whole.
TWipeMethod* UsableMethod(TCliOutput& output, const TCustomWipeMethodsManager& catalogue,
                          const std::string& text, int& status);

// What came of a method named with --method.
struct TMethodChoice {
  bool usable = true;             // false: the run must not start; `exitStatus` is what to end with
  int exitStatus = 0;             // as UsableMethod sets it
  TWipeMethod* method = nullptr;  // the method chosen; null when none was named
};
// The method the text names chosen for this run of every engine given (UsableMethod). An empty
// text names none: the engines keep the methods chosen for them.
TMethodChoice ChooseNamedMethod(TCliOutput& output, TWipeMethodsManager& catalogue,
                                const std::string& text,
                                std::initializer_list<TWipeEngine*> engines);
// Names the method the engine will use, after `label` ("files: 05-gutmann.mtd (35 passes): ..."),
// as a detail of the run.
void DetailEngineMethod(TCliOutput& output, const TWipeMethodsManager& catalogue,
                        const std::string& label, TWipeEngine& engine);

// The bare file name of the method's file.
std::string MethodFileName(const TWipeMethod& method);
// "1 pass", "35 passes"
std::string PassCountText(int passes);
// "05-gutmann.mtd (35 passes): Peter Gutmann (35 passes)"
std::string DescribeMethod(const TWipeMethod& method);
// What a pass writes: "the byte 0x00", "random bytes 0x00-0xFF", "the text \"abc\"", "one random
// byte 0x41-0x5A".
std::string DescribePass(const TPass& pass);
