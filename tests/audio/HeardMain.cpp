// The recording tests need a sound server of their own; on a machine without
// one to start, each says so and is skipped.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>
#include <string>

#include "AudioServer.h"

namespace {

constexpr int kSkipped = 77;

bool Listing(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (std::string(argv[i]) == "--gtest_list_tests") return true;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  const auto missing = listening::AudioServer::MissingPackages();
  if (!missing.empty() && !Listing(argc, argv)) {
    const bool one = missing.size() == 1;
    std::string names = one ? "package " : "packages ";
    for (std::size_t i = 0; i < missing.size(); ++i) names += (i > 0 ? " and " : "") + missing[i];
    std::printf(
        "SKIPPED: no sound server to listen with: the Debian %s %s not installed "
        "(scripts/setup.sh installs pulseaudio and pulseaudio-utils)\n",
        names.c_str(), one ? "is" : "are");
    return kSkipped;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
