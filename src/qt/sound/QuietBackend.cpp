#include "qt/sound/QuietBackend.h"

#include <QString>
#include <QtGlobal>
#include <array>
#include <atomic>

namespace {

// How the backend's messages begin: its logging categories, or the text of
// warnings it gives without one.
constexpr std::array<const char*, 2> kBackendCategories = {"qt.multimedia", "qt.audio"};
constexpr std::array<const char*, 5> kBackendPrefixes = {
    "PulseAudioService", "QSoundEffect", "QAudioSink", "QAudioOutput", "QMediaDevices"};

std::atomic<QtMessageHandler> previous{nullptr};

bool FromBackend(const QMessageLogContext& context, const QString& message) {
  const QLatin1StringView category(context.category ? context.category : "");
  for (const char* c : kBackendCategories)
    if (category.startsWith(QLatin1StringView(c))) return true;
  for (const char* p : kBackendPrefixes)
    if (message.startsWith(QLatin1StringView(p))) return true;
  return false;
}

void Filter(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg && FromBackend(context, message)) return;
  if (QtMessageHandler next = previous.load()) next(type, context, message);
}

}  // namespace

void QuietenAudioBackend() {
  static std::atomic<bool> installed{false};
  if (installed.exchange(true)) return;
  previous.store(qInstallMessageHandler(Filter));
}
