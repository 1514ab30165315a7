#include "audio/OpenAlSettings.h"

#include <cstdlib>

void UseGameOpenAlSettings(const std::string& soundFolder) {
  const std::string file = soundFolder + "/alsoft.conf";
  setenv("ALSOFT_CONF", file.c_str(), /*overwrite=*/0);
  setenv("ALSOFT_LOGLEVEL", "0", /*overwrite=*/0);
}
