#include "cli/MethodChoice.h"

#include <cstdio>

#include "cli/ExitStatus.h"
#include "cli/TCliOutput.h"
#include "core/TPass.h"
#include "core/TWipeEngine.h"
#include "core/TWipeMethodsManager.h"
#include "core/Translated.h"
#include "platform/TextCase.h"

namespace {

std::string byteText(unsigned value) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%02X", value & 0xFF);
  return text;
}

std::string rangeText(unsigned from, unsigned to) {
  return byteText(from) + "-" + byteText(to);
}

}  // namespace

std::string MethodFileName(const TWipeMethod& method) {
  const auto separator = method.FileName.find_last_of('/');
  return separator == std::string::npos ? method.FileName : method.FileName.substr(separator + 1);
}

TMethodLookup FindMethod(const TCustomWipeMethodsManager& catalogue, const std::string& text) {
  if (text.empty()) return {nullptr, Tr("an empty text names no method")};
  for (const std::string& fileName : {text, text + ".mtd"}) {
    for (const auto& method : catalogue.Methods) {
      if (platform::equalsNoCase(MethodFileName(*method), fileName)) return {method.get(), {}};
    }
  }
  TWipeMethod* named = nullptr;
  for (const auto& method : catalogue.Methods) {
    if (!platform::equalsNoCase(method->Name, text)) continue;
    if (named) {
      return {nullptr,
              Tr("several methods are named \"") + text + Tr("\"; give the file name of one")};
    }
    named = method.get();
  }
  if (!named)
    return {nullptr, Tr("no method is named \"") + text + Tr("\" (see ferrovane-cli methods)")};
  return {named, {}};
}

TWipeMethod* UsableMethod(TCliOutput& output, const TCustomWipeMethodsManager& catalogue,
                          const std::string& text, int& status) {
  const TMethodLookup lookup = FindMethod(catalogue, text);
  if (!lookup.method) {
    output.Problem(lookup.problem);
    status = ExitUsageError;
    return nullptr;
  }
  if (!lookup.method->ReadWhole) {
    output.Problem(MethodFileName(*lookup.method) + ": " +
                   DescribeFailure({lookup.method->FileName,
                                    TWipeFailureReason::MethodNotReadWhole,
                                    {},
                                    lookup.method->ReadProblem}));
    status = ExitSomethingLeft;
    return nullptr;
  }
  return lookup.method;
}

TMethodChoice ChooseNamedMethod(TCliOutput& output, TWipeMethodsManager& catalogue,
                                const std::string& text,
                                std::initializer_list<TWipeEngine*> engines) {
  TMethodChoice choice;
  if (text.empty()) return choice;
  choice.method = UsableMethod(output, catalogue, text, choice.exitStatus);
  choice.usable = choice.method != nullptr;
  if (!choice.usable) return choice;
  for (TWipeEngine* engine : engines) catalogue.ChooseForRun(*engine, choice.method);
  return choice;
}

void DetailEngineMethod(TCliOutput& output, const TWipeMethodsManager& catalogue,
                        const std::string& label, TWipeEngine& engine) {
  const TWipeMethod* method = catalogue.MethodForEngine(engine);
  output.Detail(label + (method ? DescribeMethod(*method) : std::string(Tr("no method"))));
}

std::string PassCountText(int passes) {
  return Substituted(TrN("{} pass", "{} passes", static_cast<unsigned long>(passes)),
                     {std::to_string(passes)});
}

std::string DescribeMethod(const TWipeMethod& method) {
  return MethodFileName(method) + " (" + PassCountText(method.PassCount()) + "): " + method.Name;
}

std::string DescribePass(const TPass& pass) {
  switch (pass.WipeWith) {
    case wwBytePattern:
      return Tr("the byte ") + byteText(pass.BytePatternValue);
    case wwTextPattern:
      return Tr("the text \"") + pass.TextPatternValue + "\"";
    case wwRandomBytes:
      return Tr("random bytes ") + rangeText(pass.RandomBytesValue1, pass.RandomBytesValue2);
    case wwRandomCharacter:
      return Tr("one random byte ") +
             rangeText(pass.RandomCharacterValue1, pass.RandomCharacterValue2) + Tr(", repeated");
    default:
      return Tr("nothing (an unknown kind of pass)");
  }
}
