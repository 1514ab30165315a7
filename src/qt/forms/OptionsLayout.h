#pragma once
// Where every control of the options form frmSample sits, and what it says.
// Positions are pixels (left, top, width, height) in the form's client area, or
// in the enclosing frame for option buttons. A point size of 0 means the form's
// own font. The captions are the game's own, trailing blanks included.

#include "core/ports/Ports.h"

namespace layout {

struct Box {
  int left, top, width, height;
};

inline constexpr int kFormWidth = 624;
inline constexpr int kFormHeight = 465;
inline constexpr double kFormPointSize = 8.25;

struct LabelLayout {
  const char* name;
  const char* caption;
  Box box;
  double pointSize;
  bool bold;
};

inline constexpr LabelLayout kLabels[] = {
    {"Label1", "Gallowby", {168, 8, 305, 41}, 24, false},
    {"Label2(0)", "CONTROLS", {88, 64, 121, 25}, 13.5, false},
    {"Label12", "Batting Controls", {88, 104, 113, 17}, 8.25, true},
    {"Label4", "Batting Cursor Left - Z", {16, 136, 113, 17}, 0, false},
    {"Label5", "Batting Cursor Right - X", {152, 136, 113, 17}, 0, false},
    {"Label10", "Square Cut - H", {32, 192, 73, 17}, 0, false},
    {"Label11", "Hook - K", {192, 192, 49, 17}, 0, false},
    {"Label6", "Defensive Shot - Space", {88, 216, 113, 17}, 0, false},
    {"Label7", "Off, Straight, On Drive - N", {32, 240, 121, 17}, 0, false},
    {"Label9", "Leg Glance - M", {176, 240, 81, 17}, 0, false},
    {"Label14", "Bowling Controls", {88, 288, 113, 17}, 8.25, true},
    {"Label13", "Move Bowling Cursor - Arrow Keys", {48, 312, 185, 17}, 0, false},
    {"Label15", "Start Run Up/Chose Spot - NumPad 5 ", {48, 328, 185, 17}, 0, false},
    {"Label16(0)", "Slow Ball - NumPad 1 ", {48, 344, 185, 17}, 0, false},
    {"Label16(1)", "Fast/Medium Ball - NumPad 2 ", {48, 360, 185, 17}, 0, false},
    {"Label16(2)", "Fast Ball - NumPad 3", {48, 376, 185, 17}, 0, false},
    {"Label3", "OPTIONS", {400, 64, 121, 25}, 13.5, false},
    {"Label2(1)", "Team1 Name", {352, 104, 137, 25}, 13.5, false},
    {"Label2(2)", "Team2 Name", {352, 144, 145, 25}, 13.5, false},
    {"Label2(3)", "Number Of Overs", {352, 192, 153, 25}, 13.5, false},
    {"Label8", "Game Delay (ms)", {432, 424, 81, 17}, 0, false},
};

// Rectangle outlines and the two vertical rules between the halves.
struct ShapeLayout {
  const char* name;
  Box box;
};
inline constexpr ShapeLayout kShapes[] = {
    {"Shape1", {16, 96, 273, 177}},
    {"Shape2", {16, 280, 273, 121}},
};
inline constexpr ShapeLayout kLines[] = {
    {"Line1", {312, 48, 1, 368}},
    {"Line2", {320, 48, 1, 368}},
};

struct TextLayout {
  TextBox box;
  const char* name;
  Box where;
  double pointSize;
};
inline constexpr TextLayout kTexts[] = {
    {TextBox::Text1, "Text1", {480, 104, 137, 27}, 12},
    {TextBox::Text2, "Text2", {480, 144, 137, 27}, 12},
    {TextBox::Text3, "Text3", {528, 192, 41, 27}, 12},
    {TextBox::Text4, "Text4", {520, 424, 41, 19}, 0},
};

struct FrameLayout {
  const char* name;
  const char* caption;
  Box box;
};
inline constexpr FrameLayout kFrames[] = {
    {"Frame1", "Game Type", {344, 224, 241, 49}},
    {"Frame2", "Batting Difficulty", {344, 296, 97, 97}},
    {"Frame3", "Bowling Difficulty", {440, 296, 97, 97}},
    {"Frame4", "CPU AI", {536, 296, 81, 97}},
};

// In focus order within each frame.
struct OptionLayout {
  Option option;
  const char* name;
  const char* caption;
  int frame;  // index into kFrames
  Box box;
};
inline constexpr OptionLayout kOptions[] = {
    {Option::Option1, "Option1", "Human V CPU", 0, {8, 16, 97, 25}},
    {Option::Option2, "Option2", "Human V Human", 0, {120, 16, 113, 25}},
    {Option::OptionBATe, "OptionBATe", "Easy", 1, {16, 24, 73, 17}},
    {Option::OptionBATn, "OptionBATn", "Normal", 1, {16, 48, 65, 17}},
    {Option::OptionBATh, "OptionBATh", "Hard", 1, {16, 72, 65, 17}},
    {Option::OptionBOWLe, "OptionBOWLe", "Easy", 2, {8, 24, 73, 17}},
    {Option::OptionBOWLn, "OptionBOWLn", "Normal", 2, {8, 40, 81, 33}},
    {Option::OptionBOWLh, "OptionBOWLh", "Simulation", 2, {8, 72, 89, 17}},
    {Option::CPUe, "CPUe", "Easy", 3, {8, 24, 57, 17}},
    {Option::CPUn, "CPUn", "Normal", 3, {8, 48, 65, 17}},
    {Option::CPUh, "CPUh", "Hard", 3, {8, 72, 57, 17}},
};

// "Sound", in the free space under the bowling controls, left of Begin.
inline constexpr const char* kSoundName = "chkSound";
inline constexpr const char* kSoundCaption = "Sound";
inline constexpr Box kSoundBox = {24, 424, 81, 17};

// "Matches", beside Sound: the records of the matches kept (Alt+A).
inline constexpr const char* kMatchesName = "cmdMatches";
inline constexpr const char* kMatchesCaption = "M&atches";
inline constexpr Box kMatchesBox = {120, 416, 89, 25};

// "Network", in the free space right of Begin: host or join a match over the network.
inline constexpr const char* kNetworkName = "cmdNetwork";
inline constexpr const char* kNetworkCaption = "&Network";  // Alt+N opens its dialog
inline constexpr Box kNetworkBox = {368, 416, 57, 25};

inline constexpr const char* kBeginName = "cmdBegin";
inline constexpr const char* kBeginCaption = "&Begin";  // Alt+B presses it
inline constexpr Box kBeginBox = {272, 416, 89, 25};

}  // namespace layout
