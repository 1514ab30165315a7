// gallowby-replay [SCRIPT]: plays a replay script (or standard input) through
// the real game, headless, and writes what happens as JSON Lines.
#include <QApplication>
#include <fstream>
#include <iostream>

#include "Driver.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  std::ios::sync_with_stdio(false);
  std::ifstream file;
  if (argc > 1) {
    file.open(argv[1]);
    if (!file) {
      std::cerr << "gallowby-replay: cannot read " << argv[1] << '\n';
      return 2;
    }
  }
  Driver driver(argc > 1 ? static_cast<std::istream&>(file) : std::cin, std::cout);
  const int status = driver.Run();
  std::cout.flush();
  return status;
}
