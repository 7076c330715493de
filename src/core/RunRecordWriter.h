#pragma once
// The run's record written out: as JSON, for the window's administrator run and any tooling
// (one object, the fields described in docs/run-report.md, stable from one version to the
// next), and as a page of HTML a person reads, prints and keeps. Without names (--report-names=no)
// neither names a single path: targets, files and journals are only counted.
//
// Text that is valid UTF-8 is written as it is (JSON escapes applied); a path that is not is
// written with every byte that is not printable ASCII, and "%", as "%XX", as the progress stream
// writes it.

#include <string>

#include "core/RunRecord.h"

std::string RunRecordJson(const TRunRecord& record, bool names);
std::string RunRecordHtml(const TRunRecord& record, bool names);
// The page when the file's name ends in ".html" or ".htm", else the JSON.
std::string RunRecordFor(const std::string& fileName, const TRunRecord& record, bool names);
