#include "ui/TRunProgress.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <map>

#include "core/TWipeEngine.h"
#include "ui/SizeFunctions.h"

namespace {

QString count(std::size_t number, const char* one, const char* many) {
  return QStringLiteral("%1 %2").arg(QLocale().toString(static_cast<qulonglong>(number)),
                                     QLatin1String(number == 1 ? one : many));
}

// The mount point of a free-space job: its root without the trailing separator ("/" stays).
QString pointOf(const std::string& root) {
  std::string point = root;
  while (point.size() > 1 && point.back() == '/') point.pop_back();
  return QString::fromLocal8Bit(point);
}

}  // namespace

double TRunProgress::Fraction(const TFigures& figures) {
  const double fraction = std::clamp(figures.jobFraction, 0.0, 1.0);
  if (figures.total > 0) {
    return std::clamp(static_cast<double>(figures.done) / static_cast<double>(figures.total), 0.0,
                      1.0);
  }
  if (figures.jobs == 0 || figures.reached == 0) return 0;
  const double done = static_cast<double>(std::min(figures.reached, figures.jobs) - 1) + fraction;
  return std::clamp(done / static_cast<double>(figures.jobs), 0.0, 1.0);
}

QString TRunProgress::Duration(std::int64_t seconds) {
  if (seconds < 60)
    return QCoreApplication::translate("TRunProgress", "%1 s")
        .arg(std::max<std::int64_t>(seconds, 1));
  const std::int64_t minutes = (seconds + 59) / 60;
  if (minutes < 60) return QCoreApplication::translate("TRunProgress", "%1 min").arg(minutes);
  return QCoreApplication::translate("TRunProgress", "%1 h %2 min")
      .arg(minutes / 60)
      .arg(minutes % 60);
}

QString TRunProgress::TimeLeft(std::int64_t seconds) {
  return QCoreApplication::translate("TRunProgress", "about %1 left").arg(Duration(seconds));
}

QString TRunProgress::Text(const TFigures& figures, const QString& unit) {
  QStringList parts;
  const std::size_t current = std::min(std::max<std::size_t>(figures.reached, 1), figures.jobs);
  if (figures.jobs > 0) {
    parts << QCoreApplication::translate("TRunProgress", "%1 %2 of %3")
                 .arg(unit, QLocale().toString(static_cast<qulonglong>(current)),
                      QLocale().toString(static_cast<qulonglong>(figures.jobs)));
  }
  if (figures.total > 0) {
    parts << QCoreApplication::translate("TRunProgress", "%1 of %2")
                 .arg(FormatSize(static_cast<std::int64_t>(std::min(figures.done, figures.total))),
                      FormatSize(static_cast<std::int64_t>(figures.total)));
  } else {
    parts << QCoreApplication::translate("TRunProgress", "%1 written")
                 .arg(FormatSize(static_cast<std::int64_t>(figures.written)));
  }
  if (figures.elapsedMs >= 1000) {
    const double rate =
        static_cast<double>(figures.written) * 1000.0 / static_cast<double>(figures.elapsedMs);
    parts << FormatSize(static_cast<std::int64_t>(rate)) + QStringLiteral("/s");
  }
  if (figures.secondsLeft >= 0) parts << TimeLeft(figures.secondsLeft);
  return parts.join(QStringLiteral(" \u00b7 "));
}

QString TRunProgress::UnitOf(const TWipeEngine& engine) {
  const auto all = [&](TWipeItemKind kind) {
    return !engine.Items.empty() &&
           std::all_of(engine.Items.begin(), engine.Items.end(),
                       [kind](const auto& item) { return item->Kind == kind; });
  };
  if (all(wkFile)) return QCoreApplication::translate("TRunProgress", "File");
  if (all(wkFolder)) return QCoreApplication::translate("TRunProgress", "Folder");
  if (all(wkFreeSpace)) return QCoreApplication::translate("TRunProgress", "Drive");
  return QCoreApplication::translate("TRunProgress", "Job");
}

QString TRunProgress::Title(const TWipeEngine& engine) {
  std::size_t files = 0;
  std::size_t folders = 0;
  QStringList drives;
  for (const auto& item : engine.Items) {
    if (item->Kind == wkFreeSpace) {
      drives << pointOf(item->Path);
    } else {
      ++(item->Kind == wkFolder ? folders : files);
    }
  }
  QStringList parts;
  if (files > 0) parts << count(files, "file", "files");
  if (folders > 0) parts << count(folders, "folder", "folders");
  if (drives.size() == 1)
    parts << QCoreApplication::translate("TRunProgress", "free space of %1").arg(drives.front());
  if (drives.size() > 1) {
    parts << QCoreApplication::translate("TRunProgress", "free space of %1")
                 .arg(count(static_cast<std::size_t>(drives.size()), "drive", "drives"));
  }
  if (parts.isEmpty()) return QCoreApplication::translate("TRunProgress", "Wiping");
  return QCoreApplication::translate("TRunProgress", "Wiping ") +
         parts.join(QCoreApplication::translate("TRunProgress", " and "));
}

QString TRunTally::What() const {
  return count(files, "file", "files") + QStringLiteral(", ") +
         FormatSize(static_cast<std::int64_t>(bytes));
}

QString TRunTally::Took() const {
  return TRunProgress::Duration((std::max<std::int64_t>(elapsedMs, 0) + 500) / 1000);
}

namespace {

std::map<const TWipeEngine*, TRunTally>& tallies() {
  static std::map<const TWipeEngine*, TRunTally> kept;
  return kept;
}

}  // namespace

TRunTally LastRunTally(const TWipeEngine& engine) {
  const auto found = tallies().find(&engine);
  return found == tallies().end() ? TRunTally{} : found->second;
}

void KeepRunTally(const TWipeEngine& engine, const TRunTally& tally) {
  tallies()[&engine] = tally;
}
