#pragma once
// How the game core reaches the world outside it: the options form it reads and
// acts on, the tick timer, pictures on disk, the time of day, and the message
// loop it yields to while a match runs. Qt adapters implement these for play;
// fakes implement them for tests and the replay driver.

#include <cstdint>
#include <memory>
#include <string>

#include "match/Int16.h"
#include "presentation/DisplayPort.h"

// The option buttons of the options panel, by their control names.
enum class Option {
  Option1, Option2,                      // Game Type: "Human V CPU", "Human V Human"
  OptionBATe, OptionBATn, OptionBATh,    // Batting Difficulty
  OptionBOWLe, OptionBOWLn, OptionBOWLh, // Bowling Difficulty ("Simulation" is h)
  CPUe, CPUn, CPUh,                      // CPU AI
};

// The text boxes: team names, overs per innings, game delay.
enum class TextBox { Text1, Text2, Text3, Text4 };

// The options form frmSample and the result dialog Form1, as the game uses them.
class Forms {
 public:
  virtual ~Forms() = default;
  virtual bool OptionsLoaded() const = 0;
  // Read live from the panel at the moment the game needs it; false / "" when unloaded.
  virtual bool Value(Option option) const = 0;
  virtual std::string Text(TextBox box) const = 0;

  virtual void HideOptions() = 0;
  virtual void UnloadOptions() = 0;
  virtual void ShowOptions() = 0;  // loads a fresh form at its design values if unloaded
  virtual void SetBeginEnabled(bool enabled) = 0;
  // A new display component, placed on the options form and wired to `events`.
  virtual std::shared_ptr<DisplaySurface> NewDisplay(DisplayEvents& events) = 0;

  virtual void ShowResult(const std::string& line) = 0;  // Form1 with Label1 = line
  virtual void UnloadResult() = 0;
  // Exclamation icon, OK button, no title of its own.
  virtual void MessageBox(const std::string& text) = 0;
};

// Timer1: ticks every max(interval, 16) ms while enabled; interval 0 never ticks.
class Timer {
 public:
  virtual ~Timer() = default;
  virtual void SetInterval(i16 milliseconds) = 0;
  virtual i16 Interval() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Enabled() const = 0;
};

// Loads a bitmap from the program's folder, finding the name without regard to
// letter case ("\all.BMP" finds all.bmp). Raises "File not found" or "Invalid picture".
class Pictures {
 public:
  virtual ~Pictures() = default;
  virtual std::unique_ptr<Picture> LoadPicture(const std::string& fileName) = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::int64_t MillisecondsSinceMidnight() const = 0;
};

// The message loop, from inside the Begin handler: handles the pending events,
// waiting for at least one, then returns so the handler can test QuitGame.
class EventPump {
 public:
  virtual ~EventPump() = default;
  virtual void YieldToEvents() = 0;
};

struct Ports {
  Forms* forms = nullptr;
  Timer* timer = nullptr;
  Pictures* pictures = nullptr;
  Clock* clock = nullptr;
  EventPump* pump = nullptr;
};
