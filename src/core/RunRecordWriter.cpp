#include "core/RunRecordWriter.h"

#include <cstdio>
#include <ctime>

#include "core/NameSearch.h"
#include "core/ProgressStream.h"
#include "platform/TextCase.h"

namespace {

bool ValidUtf8(const std::string& text) {
  return text.empty() || !Utf16LeOf(text).empty();
}

// A text as a JSON string.
std::string Json(const std::string& text) {
  if (!ValidUtf8(text)) return "\"" + ProgressText(text) + "\"";
  std::string out = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

// A text for an HTML page.
std::string Html(const std::string& text) {
  const std::string shown = ValidUtf8(text) ? text : ProgressText(text);
  std::string out;
  for (const char c : shown) {
    switch (c) {
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '&':
        out += "&amp;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string Time(std::int64_t seconds) {
  const std::time_t when = static_cast<std::time_t>(seconds);
  const std::tm* parts = std::gmtime(&when);
  if (!parts) return {};
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", parts);
  return text;
}

std::string Bool(bool value) {
  return value ? "true" : "false";
}

template <typename List, typename Item>
std::string Array(const List& list, Item item) {
  std::string text = "[";
  for (const auto& entry : list) {
    const std::string written = item(entry);
    if (written.empty()) continue;
    if (text.size() > 1) text += ",";
    text += written;
  }
  return text + "]";
}

std::string DeviceJson(const platform::DeviceFacts& facts) {
  return "{\"name\":" + Json(facts.device) + ",\"fileSystem\":" + Json(facts.fileSystem) +
         ",\"layers\":" +
         Array(facts.layers,
               [](const platform::DeviceLayer& layer) {
                 return "{\"name\":" + Json(layer.name) + ",\"kind\":" + Json(layer.kind) +
                        ",\"detail\":" + Json(layer.detail) + "}";
               }) +
         ",\"model\":" + Json(facts.model) + ",\"serial\":" + Json(facts.serial) +
         ",\"rotational\":" + (facts.rotational ? Bool(*facts.rotational) : "null") +
         ",\"encrypted\":" + Bool(facts.encrypted) +
         ",\"devices\":" + std::to_string(facts.devices) +
         ",\"noDeviceWhy\":" + Json(facts.noDeviceWhy) + "}";
}

std::string FailureJson(const TWipeFailure& failure, bool names) {
  std::string object = "{";
  if (names) object += "\"path\":" + Json(failure.Path) + ",";
  object += "\"reason\":" + std::to_string(static_cast<int>(failure.Reason)) +
            ",\"leftBehind\":" + Bool(LeavesSomethingBehind(failure)) +
            ",\"text\":" + Json(DescribeFailure(failure)) + "}";
  return object;
}

std::string VerdictWord(TDeviceRecord::Verdict verdict) {
  switch (verdict) {
    case TDeviceRecord::Verdict::Verified:
      return "verified";
    case TDeviceRecord::Verdict::Found:
      return "found";
    case TDeviceRecord::Verdict::NotVerified:
      return "not verified";
    case TDeviceRecord::Verdict::Unchecked:
      break;
  }
  return "not checked";
}

std::string FileJson(const TRunRecordFile& file, bool names) {
  // Without names only what needs the user's eye is listed, and by no path.
  if (!names && file.Verdict != TDeviceRecord::Verdict::Found &&
      file.Verdict != TDeviceRecord::Verdict::NotVerified) {
    return {};
  }
  std::string object = "{";
  if (names) object += "\"path\":" + Json(file.Path) + ",";
  return object + "\"verdict\":" + Json(VerdictWord(file.Verdict)) +
         ",\"detail\":" + Json(file.Detail) + ",\"blocks\":" + std::to_string(file.Blocks) +
         ",\"compared\":" + std::to_string(file.Compared) +
         ",\"oldBlocks\":" + std::to_string(file.OldBlocks) + "}";
}

std::string TargetJson(const TRunRecordTarget& target, bool names) {
  std::string object = "{";
  if (names) object += "\"path\":" + Json(target.Path) + ",";
  return object + "\"kind\":" + Json(target.Kind) +
         ",\"fileSystem\":" + Json(target.Device.fileSystem) +
         ",\"device\":" + DeviceJson(target.Device) + ",\"files\":" + std::to_string(target.Files) +
         ",\"bytesWritten\":" + std::to_string(target.BytesWritten) +
         ",\"reach\":{\"verdict\":" + Json(target.ReachVerdict()) + ",\"problems\":" +
         Array(target.LeftBehind,
               [names](const TWipeFailure& failure) { return FailureJson(failure, names); }) +
         ",\"notes\":" +
         Array(target.Notes,
               [names](const TWipeFailure& failure) { return FailureJson(failure, names); }) +
         "},\"deviceCheck\":{\"verdict\":" + Json(target.DeviceVerdict()) +
         ",\"verified\":" + std::to_string(target.Verified) +
         ",\"found\":" + std::to_string(target.Found) +
         ",\"notVerified\":" + std::to_string(target.NotVerified) + ",\"files\":" +
         Array(target.FileVerdicts,
               [names](const TRunRecordFile& file) { return FileJson(file, names); }) +
         "}}";
}

std::string SizeText(std::uint64_t bytes) {
  return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
}

std::string FactsText(const platform::DeviceFacts& facts) {
  if (facts.device.empty()) {
    return facts.noDeviceWhy.empty() ? std::string("no block device") : facts.noDeviceWhy;
  }
  std::string text;
  for (const auto& layer : facts.layers) {
    if (!text.empty()) text += " on ";
    text +=
        layer.name + " (" + layer.kind + (layer.detail.empty() ? "" : ": " + layer.detail) + ")";
  }
  if (!facts.model.empty()) text += "; model " + facts.model;
  if (!facts.serial.empty()) text += ", serial " + facts.serial;
  if (facts.rotational) text += *facts.rotational ? "; rotational" : "; flash (not rotational)";
  if (facts.encrypted) text += "; encrypted";
  return text;
}

}  // namespace

std::string RunRecordJson(const TRunRecord& record, bool names) {
  std::string check =
      "{\"asked\":" + Bool(record.CheckAsked) + ",\"required\":" + Bool(record.CheckRequired);
  if (record.Check) {
    check += ",\"verified\":" + std::to_string(record.Check->Verified) +
             ",\"found\":" + std::to_string(record.Check->Found) +
             ",\"notVerified\":" + std::to_string(record.Check->NotVerified) +
             ",\"stopped\":" + Bool(record.Check->Stopped) +
             ",\"bytesRead\":" + std::to_string(record.Check->BytesRead) +
             ",\"seconds\":" + std::to_string(record.CheckSeconds) +
             ",\"notes\":" + Array(record.Check->Notes, Json);
  }
  check += "}";
  return "{\"report\":\"ferrovane-run\",\"reportVersion\":1,\"program\":" + Json(record.Program) +
         ",\"version\":" + Json(record.Version) + ",\"command\":" + Json(record.Command) +
         ",\"started\":" + Json(Time(record.Started)) + ",\"ended\":" + Json(Time(record.Ended)) +
         ",\"host\":" + Json(record.Host) + ",\"user\":" + Json(record.User) +
         ",\"uid\":" + std::to_string(record.Uid) + ",\"method\":{\"name\":" + Json(record.Method) +
         ",\"passes\":" + std::to_string(record.Passes) + "},\"namesShown\":" + Bool(names) +
         ",\"deviceCheck\":" + check + ",\"targets\":" +
         Array(record.Targets,
               [names](const TRunRecordTarget& target) { return TargetJson(target, names); }) +
         ",\"journals\":" +
         Array(record.Journals,
               [names](const TDeviceRecord::Journal& journal) {
                 return std::string("{") +
                        (names ? "\"folder\":" + Json(journal.Folder) + "," : "") +
                        "\"cleared\":" + Bool(journal.Cleared) + ",\"text\":" + Json(journal.Text) +
                        "}";
               }) +
         ",\"uncounted\":" + std::to_string(record.Uncounted) +
         ",\"exitStatus\":" + std::to_string(record.ExitStatus) + "}\n";
}

std::string RunRecordHtml(const TRunRecord& record, bool names) {
  std::string page =
      "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Ferrovane run report</title>"
      "<style>body{font-family:sans-serif;margin:2em}table{border-collapse:collapse}"
      "td,th{border:1px solid #999;padding:.2em .5em;text-align:left;vertical-align:top}"
      ".found{color:#a00}.ok{color:#060}</style></head><body>\n";
  page += "<h1>Ferrovane run report</h1>\n<table>\n";
  const auto row = [&page](const std::string& name, const std::string& value) {
    page += "<tr><th>" + Html(name) + "</th><td>" + Html(value) + "</td></tr>\n";
  };
  row("Command", record.Program + " " + record.Command + " (version " + record.Version + ")");
  row("Started", Time(record.Started));
  row("Ended", Time(record.Ended));
  row("Host", record.Host);
  row("User", record.User + " (" + std::to_string(record.Uid) + ")");
  row("Method", record.Method + ", " + std::to_string(record.Passes) + " passes");
  if (record.Check) {
    row("Device check", std::to_string(record.Check->Verified) + " verified, " +
                            std::to_string(record.Check->Found) + " found, " +
                            std::to_string(record.Check->NotVerified) + " not verified; " +
                            SizeText(record.Check->BytesRead) + " read back" +
                            (record.CheckRequired ? " (required)" : ""));
  } else {
    row("Device check", "not asked for");
  }
  row("Exit status", std::to_string(record.ExitStatus));
  page += "</table>\n";
  if (record.Check && !record.Check->Notes.empty()) {
    page += "<h2>What no read-back sees</h2>\n<ul>\n";
    for (const std::string& note : record.Check->Notes) page += "<li>" + Html(note) + "</li>\n";
    page += "</ul>\n";
  }
  for (std::size_t i = 0; i < record.Targets.size(); ++i) {
    const TRunRecordTarget& target = record.Targets[i];
    page += "<h2>" + Html(names ? target.Path : target.Kind + " " + std::to_string(i + 1)) +
            "</h2>\n<table>\n";
    row("Kind", target.Kind);
    row("File system", target.Device.fileSystem);
    row("Device", FactsText(target.Device));
    row("Files deleted", std::to_string(target.Files));
    row("Bytes written", SizeText(target.BytesWritten));
    row("Reach", target.ReachVerdict());
    row("Device check", target.DeviceVerdict());
    page += "</table>\n";
    if (!target.LeftBehind.empty() || !target.Notes.empty()) {
      page += "<ul>\n";
      for (const auto* list : {&target.LeftBehind, &target.Notes}) {
        for (const TWipeFailure& failure : *list) {
          page += "<li>" +
                  Html((names ? failure.Path + ": " : std::string()) + DescribeFailure(failure)) +
                  "</li>\n";
        }
      }
      page += "</ul>\n";
    }
    std::string files;
    for (const TRunRecordFile& file : target.FileVerdicts) {
      const bool needsEye = file.Verdict == TDeviceRecord::Verdict::Found ||
                            file.Verdict == TDeviceRecord::Verdict::NotVerified;
      if (!names && !needsEye) continue;
      files += "<tr class=\"" +
               std::string(file.Verdict == TDeviceRecord::Verdict::Found      ? "found"
                           : file.Verdict == TDeviceRecord::Verdict::Verified ? "ok"
                                                                              : "") +
               "\">" + (names ? "<td>" + Html(file.Path) + "</td>" : std::string()) + "<td>" +
               Html(file.Detail) + "</td></tr>\n";
    }
    if (!files.empty()) page += "<table>\n" + files + "</table>\n";
  }
  if (!record.Journals.empty()) {
    page += "<h2>Journals and logs</h2>\n<ul>\n";
    for (const auto& journal : record.Journals) {
      page +=
          "<li>" + Html((names ? journal.Folder + ": " : std::string()) + journal.Text) + "</li>\n";
    }
    page += "</ul>\n";
  }
  return page + "</body></html>\n";
}

std::string RunRecordFor(const std::string& fileName, const TRunRecord& record, bool names) {
  const auto endsWith = [&fileName](const std::string& tail) {
    return fileName.size() >= tail.size() &&
           platform::equalsNoCase(fileName.substr(fileName.size() - tail.size()), tail);
  };
  return endsWith(".html") || endsWith(".htm") ? RunRecordHtml(record, names)
                                               : RunRecordJson(record, names);
}
