#include "Player.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/input/Keyboard.h"
#include "core/model/NumberText.h"

namespace soak {

namespace {

constexpr Option kGameTypes[] = {Option::Option1, Option::Option2};
constexpr Option kBatting[] = {Option::OptionBATe, Option::OptionBATn, Option::OptionBATh};
constexpr Option kBowling[] = {Option::OptionBOWLe, Option::OptionBOWLn, Option::OptionBOWLh};
constexpr Option kCpu[] = {Option::CPUe, Option::CPUn, Option::CPUh};
constexpr Option kAnyOption[] = {Option::Option1,     Option::Option2,     Option::OptionBATe,
                                 Option::OptionBATn,  Option::OptionBATh,  Option::OptionBOWLe,
                                 Option::OptionBOWLn, Option::OptionBOWLh, Option::CPUe,
                                 Option::CPUn,        Option::CPUh};

constexpr const char* kNames[] = {
    "Team1",  "Team2", "Lions", "", " ", "Rovers XI", "Gallowby Cricket Club Second Eleven",
    "Ünïcødé"};
constexpr const char* kDelays[] = {"1", "1", "16", "30", "2.5", "3.5", "400", " 20 "};
// "Number Of Overs" typed mid-match: sensible, odd and plain nonsense.
constexpr const char* kOversTyped[] = {"0",   "1",  "2",   "3",   "5",     "abc", "",
                                       "1.5", "-1", " 2 ", "1e3", "99999", "+1",  "2,0"};

constexpr i16 kShotKeys[] = {key::kJ, key::kN, key::kM, key::kK, key::kH, key::kSpace};
constexpr i16 kHeldKeys[] = {key::kLeft, key::kRight, key::kUp, key::kDown, key::kZ, key::kX};
constexpr i16 kPaceKeys[] = {key::kPad1, key::kPad2, key::kPad3};

// The batting row the ball should be met on, and the slack either side of it.
constexpr float kBattingRow = 200.0f;
constexpr float kGoodTiming = 15.0f;
constexpr int kMostOvers = 5;  // the panel's count at Begin is 0 to 5

}  // namespace

void Player::SetUpPanel(fakes::FakeForms& forms) {
  forms.Select(Pick(kGameTypes));
  forms.Select(Pick(kBatting));
  forms.Select(Pick(kBowling));
  forms.Select(Pick(kCpu));
  forms.SetText(TextBox::Text1, Pick(kNames));
  forms.SetText(TextBox::Text2, Pick(kNames));
  forms.SetText(TextBox::Text3, std::to_string(Between(0, kMostOvers)));
  forms.SetText(TextBox::Text4, Pick(kDelays));
  scheduled_.clear();
  event_ = 0;
  givingUp_ = false;
  mash_ = std::uniform_real_distribution<double>(0.005, 0.3)(rng_);
  aim_ = std::uniform_real_distribution<double>(0.0, 1.0)(rng_);
  escapeAt_ = Chance(0.04) ? Between(1, 40000) : -1;
  if (Chance(0.005)) {  // a delay of 0 never ticks: the player soon gives up
    forms.SetText(TextBox::Text4, "0");
    escapeAt_ = Between(1, 200);
  }
}

Input Player::Next() {
  ++event_;
  if (givingUp_ || event_ == escapeAt_) {
    givingUp_ = false;
    return Key(Input::Kind::KeyDown, key::kEscape);
  }
  Input input;
  if (Due(input)) return input;
  if (event_ % 256 == 0 && OversNeedMending()) {
    input.kind = Input::Kind::SetText;
    input.box = TextBox::Text3;
    input.text = std::to_string(game_.S.OversBowled + 1);
    return input;
  }
  if (Chance(0.0005)) return PanelChange();
  return Watching();
}

// The first scheduled event whose time has come, if any.
bool Player::Due(Input& input) {
  const auto due = std::find_if(scheduled_.begin(), scheduled_.end(),
                                [this](const Scheduled& s) { return s.at <= event_; });
  if (due == scheduled_.end()) return false;
  input = due->input;
  scheduled_.erase(due);
  return true;
}

Input Player::Key(Input::Kind kind, i16 code) {
  Input input;
  input.kind = kind;
  input.code = code;
  input.shift = static_cast<i16>(Chance(0.1) ? Between(1, 7) : 0);
  return input;
}

// Down now, up `heldFor` events later.
Input Player::Press(i16 code, int heldFor) {
  scheduled_.push_back({event_ + heldFor, Key(Input::Kind::KeyUp, code)});
  return Key(Input::Kind::KeyDown, code);
}

bool Player::HumanBats() const {
  return game_.M.Sides().batting == ::Player::Human;
}

// Space calls for the computer's ball while the human bats against it, and
// ends the break; otherwise the bowler runs up with NumPad 5.
i16 Player::BowlingKey() const {
  if (game_.S.InningsBreak) return key::kSpace;
  if (game_.M.Sides().bowling == ::Player::Computer) return key::kSpace;
  return key::kPad5;
}

// A player watching the field: bowls when the ball is dead, meets the ball on
// the batting row, walks across to its line; and sometimes does anything at all.
Input Player::Watching() {
  const MatchState& s = game_.S;
  if (HumanBats() && s.BallBowled && !s.ShotPlayed) {
    if (std::fabs(s.BallY - kBattingRow) < kGoodTiming && Chance(aim_)) return ShotKey();
    const float off = static_cast<float>(s.BatsmanX) - s.BallX;
    if (s.BallY > kBattingRow + kGoodTiming && std::fabs(off) > 6 && Chance(aim_ * 0.2))
      return Press(off > 0 ? key::kZ : key::kX, Between(1, 4));
  }
  if (!s.RunUpStarted && !s.BallBowled && Chance(0.01)) return Press(key::kR, Between(1, 3));
  if (!s.RunUpStarted && !s.BallBowled && Chance(0.05)) return Press(BowlingKey(), Between(1, 3));
  if (Chance(mash_)) return Mash();
  return Input{};
}

// A shot; now and then a second one straight after it.
Input Player::ShotKey() {
  if (Chance(0.2))
    scheduled_.push_back({event_ + Between(1, 10), Key(Input::Kind::KeyDown, Pick(kShotKeys))});
  return Press(Pick(kShotKeys), Between(1, 5));
}

Input Player::Mash() {
  switch (Between(0, 7)) {
    case 0:
      return ShotKey();  // at any moment: early, late, with no ball at all
    case 1:
      return Press(Chance(0.5) ? key::kPad5 : key::kSpace, Between(1, 5));
    case 2:
      return Press(Pick(kPaceKeys), Between(1, 5));
    case 3:
      return Press(Pick(kHeldKeys), Between(1, 300));
    case 4:
      return Press(key::kTab, Between(1, 200));
    case 5:
      return Key(Input::Kind::KeyUp, static_cast<i16>(Between(0, 255)));
    default: {
      i16 code = static_cast<i16>(Between(0, 255));
      if (code == key::kEscape) code = key::kTab;  // Escape has its own moment
      return Press(code, Between(1, 50));
    }
  }
}

Input Player::PanelChange() {
  Input input;
  input.kind = Input::Kind::SetText;
  switch (Between(0, 5)) {
    case 0:
    case 1:
      input.kind = Input::Kind::Select;
      input.option = Chance(0.2) ? Pick(kGameTypes) : Pick(kAnyOption);
      return input;
    case 2:
      input.box = TextBox::Text1;
      input.text = Pick(kNames);
      return input;
    case 3:
      input.box = TextBox::Text2;
      input.text = Pick(kNames);
      return input;
    case 4:
      input.box = TextBox::Text4;
      input.text = Pick(kDelays);
      return input;
    default:
      input.box = TextBox::Text3;
      input.text = Pick(kOversTyped);
      return input;
  }
}

// An innings that can no longer end by overs runs on until ten wickets fall.
// A real player, seeing it go past five overs, types a count it can reach.
bool Player::OversNeedMending() const {
  const MatchState& s = game_.S;
  if (s.OversBowled <= kMostOvers) return false;
  const std::optional<double> limit = ReadNumber(game_.M.Options.OversText());
  return !limit || *limit != std::floor(*limit) || *limit <= s.OversBowled ||
         *limit > s.OversBowled + kMostOvers;
}

}  // namespace soak
