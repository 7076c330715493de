#include "ui/TRunProgress.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <climits>
#include <cmath>
#include <map>

#include "core/TWipeEngine.h"
#include "ui/SizeFunctions.h"

namespace {

int asCount(std::size_t number) {
  return static_cast<int>(std::min<std::size_t>(number, INT_MAX));
}

// The catalogue's text for a count (shown, translated with the count n from the English plural
// source, %Ln the count), in the plural form the user's language takes for it. Where no catalogue
// translates it, the English singular stands for one.
QString counted(const QString& shown, const char* plural, const char* singular, int n) {
  const QString number = QLocale().toString(n);
  if (n == 1 && shown == QString::fromLatin1(plural).replace(QStringLiteral("%Ln"), number)) {
    return QString::fromLatin1(singular).replace(QStringLiteral("%Ln"), number);
  }
  return shown;
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
  const std::size_t kinds =
      (files > 0 ? 1 : 0) + (folders > 0 ? 1 : 0) + (drives.isEmpty() ? 0 : 1);
  if (kinds == 0) return QCoreApplication::translate("TRunProgress", "Wiping");
  if (kinds == 1) {
    // One kind of job: the title is one sentence, with the count where it fits the language.
    if (files > 0) {
      const int n = asCount(files);
      return counted(QCoreApplication::translate("TRunProgress", "Wiping %Ln files", nullptr, n),
                     "Wiping %Ln files", "Wiping %Ln file", n);
    }
    if (folders > 0) {
      const int n = asCount(folders);
      return counted(QCoreApplication::translate("TRunProgress", "Wiping %Ln folders", nullptr, n),
                     "Wiping %Ln folders", "Wiping %Ln folder", n);
    }
    if (drives.size() == 1)
      return QCoreApplication::translate("TRunProgress", "Wiping free space of %1")
          .arg(drives.front());
    const int n = asCount(static_cast<std::size_t>(drives.size()));
    return counted(
        QCoreApplication::translate("TRunProgress", "Wiping free space of %Ln drives", nullptr, n),
        "Wiping free space of %Ln drives", "Wiping free space of %Ln drive", n);
  }
  // Jobs of several kinds: each kind in the form it takes after "Wiping", joined.
  QStringList parts;
  if (files > 0) {
    const int n = asCount(files);
    parts << counted(QCoreApplication::translate("TRunProgress", "%Ln files", "what is wiped", n),
                     "%Ln files", "%Ln file", n);
  }
  if (folders > 0) {
    const int n = asCount(folders);
    parts << counted(QCoreApplication::translate("TRunProgress", "%Ln folders", "what is wiped", n),
                     "%Ln folders", "%Ln folder", n);
  }
  if (drives.size() == 1)
    parts << QCoreApplication::translate("TRunProgress", "free space of %1").arg(drives.front());
  if (drives.size() > 1) {
    const int n = asCount(static_cast<std::size_t>(drives.size()));
    parts << counted(
        QCoreApplication::translate("TRunProgress", "free space of %Ln drives", "what is wiped", n),
        "free space of %Ln drives", "free space of %Ln drive", n);
  }
  return QCoreApplication::translate("TRunProgress", "Wiping %1")
      .arg(parts.join(QCoreApplication::translate("TRunProgress", " and ")));
}

QString TRunTally::What() const {
  const int n = asCount(files);
  return counted(QCoreApplication::translate("TRunProgress", "%Ln files, %1", nullptr, n),
                 "%Ln files, %1", "%Ln file, %1", n)
      .arg(FormatSize(static_cast<std::int64_t>(bytes)));
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
