#include "ui/ProgressStreamReader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "platform/Result.h"

namespace {

// Text of the stream back to its bytes ("%XX" escapes).
std::optional<std::string> bytesOf(const QJsonValue& value) {
  if (!value.isString()) return std::nullopt;
  const QString text = value.toString();
  for (QChar c : text) {
    if (c.unicode() < 0x20 || c.unicode() >= 0x7f) return std::nullopt;
  }
  const QByteArray bytes = QByteArray::fromPercentEncoding(text.toLatin1());
  return std::string(bytes.constData(), std::size_t(bytes.size()));
}

std::optional<std::uint64_t> countOf(const QJsonValue& value) {
  if (!value.isDouble() || value.toDouble() < 0) return std::nullopt;
  return static_cast<std::uint64_t>(value.toDouble());
}

std::optional<TWipeFailure> failureOf(const QJsonValue& value) {
  const QJsonObject object = value.toObject();
  const auto path = bytesOf(object.value(QStringLiteral("path")));
  const QJsonValue reason = object.value(QStringLiteral("reason"));
  if (!path || !reason.isDouble() || reason.toInt(-1) < 0 ||
      reason.toInt() > static_cast<int>(TWipeFailureReason::JournalNotCleared)) {
    return std::nullopt;
  }
  TWipeFailure failure{*path, static_cast<TWipeFailureReason>(reason.toInt())};
  if (object.contains(QStringLiteral("errno"))) {
    failure.Error =
        std::error_code(object.value(QStringLiteral("errno")).toInt(), std::generic_category());
  } else if (object.contains(QStringLiteral("fileError"))) {
    failure.Error = std::error_code(object.value(QStringLiteral("fileError")).toInt(),
                                    platform::fileErrorCategory());
  }
  if (object.contains(QStringLiteral("detail"))) {
    const auto detail = bytesOf(object.value(QStringLiteral("detail")));
    if (!detail) return std::nullopt;
    failure.Detail = *detail;
  }
  return failure;
}

template <typename T, typename Read>
std::optional<std::vector<T>> listOf(const QJsonValue& value, Read read) {
  if (!value.isArray()) return std::nullopt;
  std::vector<T> list;
  for (const QJsonValue& entry : value.toArray()) {
    auto item = read(entry);
    if (!item) return std::nullopt;
    list.push_back(std::move(*item));
  }
  return list;
}

std::optional<TRunOutcome> outcomeOf(const QJsonObject& object) {
  TRunOutcome outcome;
  const QJsonValue aborted = object.value(QStringLiteral("aborted"));
  const auto jobs = countOf(object.value(QStringLiteral("jobs")));
  const auto stoppedIn = bytesOf(object.value(QStringLiteral("stoppedIn")));
  auto notReached = listOf<std::string>(object.value(QStringLiteral("notReached")), bytesOf);
  auto failures = listOf<TWipeFailure>(object.value(QStringLiteral("failures")), failureOf);
  auto notes = listOf<TWipeFailure>(object.value(QStringLiteral("notes")), failureOf);
  if (!aborted.isBool() || !jobs || !stoppedIn || !notReached || !failures || !notes) {
    return std::nullopt;
  }
  outcome.aborted = aborted.toBool();
  outcome.jobs = *jobs;
  outcome.stoppedIn = *stoppedIn;
  outcome.notReached = std::move(*notReached);
  outcome.failures = std::move(*failures);
  outcome.notes = std::move(*notes);
  return outcome;
}

}  // namespace

std::optional<TProgressRecord> ReadProgressLine(const QByteArray& line) {
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(line, &error);
  if (error.error != QJsonParseError::NoError || !document.isObject()) return std::nullopt;
  const QJsonObject object = document.object();
  const QString phase = object.value(QStringLiteral("phase")).toString();
  TProgressRecord record;
  if (phase == QStringLiteral("progress")) {
    const auto path = bytesOf(object.value(QStringLiteral("path")));
    const auto done = countOf(object.value(QStringLiteral("done")));
    const auto total = countOf(object.value(QStringLiteral("total")));
    if (!path || !done || !total) return std::nullopt;
    record.progress = TProgressEvent{*path, object.value(QStringLiteral("pass")).toInt(),
                                     object.value(QStringLiteral("passes")).toInt(), *done, *total};
    return record;
  }
  if (phase == QStringLiteral("outcome")) {
    record.outcome = outcomeOf(object);
    if (!record.outcome) return std::nullopt;
    return record;
  }
  return std::nullopt;
}
