#include "core/input/Keyboard.h"

#include "core/input/KeyProcedures.h"
#include "core/match/Match.h"

namespace {

using KeyProcedure = void (*)(Match&);

struct KeyBinding {
  i16 code;
  KeyProcedure procedure;
};

// Looked up in this order; the first equal code acts.
constexpr KeyBinding kKeyDown[] = {
    {key::kLeft, KeyCursorLeft}, {key::kRight, KeyCursorRight}, {key::kUp, KeyCursorUp},
    {key::kDown, KeyCursorDown}, {key::kZ, KeyBatLeft},         {key::kX, KeyBatRight},
    {key::kPad1, KeySlowBall},   {key::kPad2, KeyMediumBall},   {key::kPad3, KeyFastBall},
    {key::kPad5, KeyBowl},       {key::kSpace, KeySpace},       {key::kJ, KeyDefensive},
    {key::kN, KeyDrive},         {key::kM, KeyGlance},          {key::kK, KeyHook},
    {key::kH, KeyCut},
};

// Tab held plays the match in slow motion; released, it runs at 30 ms a tick.
constexpr i16 kSlowMotionMs = 400;
constexpr i16 kAfterSlowMotionMs = 30;

}  // namespace

void KeyDown(Match& g, i16 keyCode) {
  if (keyCode == key::kEscape) {
    g.S.QuitGame = true;
    return;
  }
  if (keyCode == key::kTab) {
    g.SetTickInterval(kSlowMotionMs);
    return;
  }
  for (const KeyBinding& binding : kKeyDown) {
    if (binding.code == keyCode) {
      binding.procedure(g);
      return;
    }
  }
}

void KeyUp(Match& g, i16 keyCode) {
  MatchState& s = g.S;
  switch (keyCode) {
    case key::kLeft:
      s.LeftHeld = false;
      break;
    case key::kRight:
      s.RightHeld = false;
      break;
    case key::kUp:
      s.UpHeld = false;
      break;
    case key::kDown:
      s.DownHeld = false;
      break;
    case key::kZ:
      s.BatLeftHeld = false;
      break;
    case key::kX:
      s.BatRightHeld = false;
      break;
    case key::kTab:
      g.SetTickInterval(kAfterSlowMotionMs);
      break;
    default:
      break;
  }
}

void ReleaseArrowKeys(MatchState& s) {
  s.LeftHeld = s.RightHeld = s.UpHeld = s.DownHeld = false;
}

void ReleaseHeldKeys(MatchState& s) {
  ReleaseArrowKeys(s);
  s.BatLeftHeld = s.BatRightHeld = false;
}
