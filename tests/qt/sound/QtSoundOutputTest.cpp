#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <string>

#include "qt/sound/QtSoundOutput.h"
#include "qt/sound/WavCheck.h"

namespace {

// Lets queued signals (a file's status, say) arrive.
void Settle() {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < 200) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

void PlayEverything(QtSoundOutput& out) {
  for (int round = 0; round < 4; ++round)  // more plays than players: the pool wraps
    for (const SoundEffectInfo& info : kSoundEffects) out.Play(info.effect);
}

// A folder whose sounds are all there but one, which is rubbish.
void WriteBrokenFolder(const QString& folder) {
  QDir().mkpath(folder + "/sounds");
  for (const SoundEffectInfo& info : kSoundEffects) {
    const QString name =
        QString::fromUtf8(info.file.data(), static_cast<qsizetype>(info.file.size()));
    QFile::copy(GALLOWBY_ASSETS_DIR "/sounds/" + name, folder + "/sounds/" + name);
  }
  QFile broken(folder + "/sounds/footstep.wav");
  broken.remove();
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("RIFF....WAVEnot a sound at all");
}

// Whatever goes wrong with sound in a run (no device, no files, a broken
// file), the game plays on silently and says so on one line at most.
TEST(QtSoundOutput, TroubleIsSilentAndToldInOneLineAtMost) {
  QTemporaryDir empty, broken;
  WriteBrokenFolder(broken.path());
  testing::internal::CaptureStderr();
  {
    QtSoundOutput out;
    PlayEverything(out);  // before any Preload
    out.Preload(empty.path());
    PlayEverything(out);
    out.Preload(broken.path());
    Settle();
    PlayEverything(out);
    out.Preload(GALLOWBY_ASSETS_DIR);
    Settle();
    PlayEverything(out);
    out.StopAll();
  }
  QtSoundOutput second;
  second.Preload(empty.path());
  PlayEverything(second);
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_LE(std::count(err.begin(), err.end(), '\n'), 1) << err;
}

TEST(QtSoundOutput, DisabledStaysQuietUntilEnabled) {
  QtSoundOutput out;
  out.Preload(GALLOWBY_ASSETS_DIR);
  out.Play(SoundEffect::CrowdRoar);
  out.SetEnabled(false);
  EXPECT_FALSE(out.Enabled());
  PlayEverything(out);
  out.SetEnabled(true);
  EXPECT_TRUE(out.Enabled());
  out.Play(SoundEffect::Cheer);
}

TEST(WavCheck, TurnsAwayWhatIsNotPlainPcmWav) {
  QTemporaryDir dir;
  QFile cut(dir.path() + "/cut.wav");
  ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
  QFile whole(GALLOWBY_ASSETS_DIR "/sounds/bat_crack.wav");
  ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
  cut.write(whole.read(200));  // the header promises more samples than there are
  cut.close();
  EXPECT_TRUE(IsPlayableWav(whole.fileName()));
  EXPECT_FALSE(IsPlayableWav(cut.fileName()));
  EXPECT_FALSE(IsPlayableWav(dir.path() + "/missing.wav"));
  EXPECT_FALSE(IsPlayableWav(GALLOWBY_ASSETS_DIR "/cball.bmp"));
}

}  // namespace
