#pragma once
// Runs a replay script in-process and hands back its JSON lines.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <sstream>
#include <string>
#include <vector>

#include "Driver.h"

struct ReplayResult {
  int status = 0;
  std::vector<QJsonObject> lines;
  std::string text;

  // The draws of every tick line, in order.
  std::vector<QJsonArray> Ticks() const {
    std::vector<QJsonArray> ticks;
    for (const auto& line : lines)
      if (line.contains("draws")) ticks.push_back(line["draws"].toArray());
    return ticks;
  }
  // The printed values, one object per `print`.
  std::vector<QJsonObject> Prints() const {
    std::vector<QJsonObject> prints;
    for (const auto& line : lines)
      if (line.contains("print")) prints.push_back(line["print"].toObject());
    return prints;
  }
  bool Has(const char* json) const { return text.find(json) != std::string::npos; }
};

inline ReplayResult RunReplay(const std::string& script) {
  std::istringstream in(script);
  std::ostringstream out;
  ReplayResult result;
  {
    Driver driver(in, out);
    result.status = driver.Run();
  }
  result.text = out.str();
  std::istringstream lines(result.text);
  for (std::string line; std::getline(lines, line);)
    result.lines.push_back(QJsonDocument::fromJson(QByteArray::fromStdString(line)).object());
  return result;
}

// A draw call as compact JSON text, e.g. ["DrawTile","TileSetStumps",0,320,90].
inline std::string Compact(const QJsonValue& draw) {
  return QJsonDocument(draw.toArray()).toJson(QJsonDocument::Compact).toStdString();
}

inline std::vector<std::string> CompactAll(const QJsonArray& draws) {
  std::vector<std::string> out;
  for (const auto& draw : draws) out.push_back(Compact(draw));
  return out;
}
