#pragma once
// The two forms as the game drives them: the options form frmSample (with the
// match's display inside it) and the result dialog Form1. Unloading a form
// closes it and lets Qt delete it once the current handler has returned, so a
// form is never deleted under its own button's click.

#include <QMargins>
#include <QPointer>
#include <functional>
#include <optional>

#include "core/ports/CommentaryOutput.h"
#include "core/ports/Ports.h"
#include "core/ports/ScorecardOutput.h"
#include "qt/forms/WindowPlaces.h"

class Game;
class OptionsForm;
class ResultDialog;
class ScorecardWindow;

class QtForms : public Forms, public CommentaryOutput, public ScorecardOutput {
 public:
  QtForms() = default;
  ~QtForms() override;
  QtForms(const QtForms&) = delete;
  QtForms& operator=(const QtForms&) = delete;

  // The game whose handlers the forms' buttons and the display's keys call.
  void Attach(Game& game) { game_ = &game; }

  bool OptionsLoaded() const override { return !options_.isNull(); }
  bool Value(Option option) const override;
  std::string Text(TextBox box) const override;
  bool Ticked(CheckBox box) const override;
  // Told at once when the player ticks or unticks "Sound".
  void OnSoundTicked(std::function<void(bool)> heard) { soundTicked_ = std::move(heard); }
  void OnMatchesClicked(std::function<void()> heard) { matchesClicked_ = std::move(heard); }
  // Told when the field gains or loses the keyboard during a match.
  void OnFieldKeyboard(std::function<void(bool)> heard) { fieldKeyboard_ = std::move(heard); }
  // Told when the player presses "Network".
  void OnNetwork(std::function<void()> heard) { network_ = std::move(heard); }

  void HideOptions() override;
  void UnloadOptions() override;
  void ShowOptions() override;
  void SetBeginEnabled(bool enabled) override;
  std::shared_ptr<DisplaySurface> NewDisplay(DisplayEvents& events) override;

  void ShowResult(const std::string& line) override;
  void UnloadResult() override;
  void MessageBox(const std::string& text) override;

  // The lines go to the strip under the field, while there is a form.
  void ShowCommentary(const CommentaryLines& lines) override;

  // The scorecard window, beside the result dialog (or the play, at the break).
  void ShowScorecard(const scorecard::InningsRecord& first, const scorecard::InningsRecord& second,
                     const std::string& team1, const std::string& team2, bool matchOver) override;
  void CloseScorecard() override;
  ScorecardWindow* Scorecard() const;

  OptionsForm* Options() const;
  ResultDialog* Result() const;

 private:
  OptionsForm* LoadOptions();
  bool RefuseCloseDuringMatch();
  void NoteGameWindow();
  void PlaceScorecard();
  void PlaceResult();

  Game* game_ = nullptr;
  QPointer<OptionsForm> options_;
  QPointer<ResultDialog> result_;
  QPointer<ScorecardWindow> scorecard_;
  bool sound_ = true;  // "Sound" keeps its value from form to form for the whole run
  std::function<void(bool)> soundTicked_;
  std::function<void()> matchesClicked_;
  std::function<void(bool)> fieldKeyboard_;
  std::function<void()> network_;
  std::optional<places::GameWindow> gameWindow_;  // as it was last seen shown
  QMargins frame_;                                // the window manager's frame round it
};
