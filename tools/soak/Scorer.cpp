#include "Scorer.h"

#include <optional>
#include <string_view>

#include "core/model/FieldGeometry.h"
#include "core/model/Laws.h"
#include "core/model/NumberText.h"

namespace soak {

namespace {

// What each outcome is worth to the batting side, as the scorer writes it down.
struct Worth {
  std::string_view text;
  int runs;
  int wickets;
  bool counted;  // a ball of the over
};

// clang-format off
constexpr Worth kScoreCard[] = {
    // outcome         runs wickets counted
    {"Wide",           1,   0,      false},
    {"No Run",         0,   0,      true},
    {"",               0,   0,      true},
    {"1 Run",          1,   0,      true},
    {"2 Runs",         2,   0,      true},
    {"3 Runs",         3,   0,      true},
    {"4 Runs",         4,   0,      true},
    {"Caught Out",     0,   1,      true},
    {"Your OUT!!!",    0,   1,      true},
};
// clang-format on

// The scorer reads the outcome line as the game shows it.
const Worth* WorthOf(Outcome outcome) {
  if (outcome == Outcome::Unknown) return nullptr;
  for (const Worth& worth : kScoreCard)
    if (worth.text == TextOf(outcome)) return &worth;
  return nullptr;
}

constexpr int kTicksPerDelivery = 121;  // 60 run-up ticks, then 61 in flight
constexpr int kFlightTicks = 61;

bool DeliveryAtRest(const Snapshot& f) {
  return !f.runUpStarted && !f.ballBowled && f.runUpCounter == 0 && f.ballCounter == 0;
}

}  // namespace

bool Scorer::Check(bool ok, const char* what, const Snapshot& field) {
  if (!ok) report_.detail = field.Describe();
  report_.Check(ok, what);
  report_.detail.clear();
  return ok;
}

void Scorer::StartMatch(const Snapshot& field) {
  book_ = Page{};
  Check(field.firstInnings && !field.inningsBreak && !field.quitGame && DeliveryAtRest(field),
        "a match starts in the first innings with no ball on", field);
  CheckBoard(field);
}

void Scorer::AfterTick(const Snapshot& pre, const Snapshot& post, const BallWatch& told,
                       int frames) {
  const auto& moments = told.moments;
  Check(frames == 1, "every tick shows exactly one frame", post);
  if (pre.inningsBreak) {
    // The break freezes the delivery, whatever phase a key has put it in.
    Check(post.runUpCounter == pre.runUpCounter && post.ballCounter == pre.ballCounter &&
              post.ballBowled == pre.ballBowled && moments.empty(),
          "nothing moves during the innings break", post);
  } else if (pre.runUpStarted && pre.runUpCounter < field::RunUpTicks) {
    Check(post.runUpStarted && post.runUpCounter == pre.runUpCounter + 1 && !post.ballBowled,
          "a run-up tick adds one to the run-up count", post);
    if (post.runUpCounter == 1) {
      Check(book_.deliveryTicks < 0, "a delivery starts only when the last one is over", post);
      book_.deliveryTicks = 0;
    }
    ++book_.deliveryTicks;
  } else if (pre.runUpStarted || pre.ballBowled) {
    DeliveryTick(pre, post, told);
  } else {
    Check(DeliveryAtRest(post), "nothing moves while the bowler waits", post);
  }
  if (!pre.ballBowled || pre.ballCounter != kFlightTicks - 1 || pre.inningsBreak)
    Check(moments.empty(), "a ball is scored only at its end", post);
  CheckBoard(post);
}

// The release tick is also flight tick 1; flight tick 61 ends the ball.
void Scorer::DeliveryTick(const Snapshot& pre, const Snapshot& post, const BallWatch& told) {
  ++book_.deliveryTicks;
  if (pre.ballBowled && pre.ballCounter == kFlightTicks - 1) return EndOfBall(pre, post, told);
  Check(post.ballBowled && !post.runUpStarted && post.ballCounter == pre.ballCounter + 1,
        "a flight tick adds one to the flight count", post);
}

void Scorer::EndOfBall(const Snapshot& pre, const Snapshot& post, const BallWatch& told) {
  ++report_.balls;
  Check(book_.deliveryTicks == kTicksPerDelivery, "a delivery lasts 121 ticks from run-up tick 1",
        post);
  book_.deliveryTicks = -1;
  Check(DeliveryAtRest(post) && post.outcome.empty(), "the end of a ball puts it back", post);
  Check(pre.firstInnings == (book_.innings == 0), "the innings is the scorer's innings", pre);
  if (!Check(told.moments.size() == 1, "every ball is told as scored, once", post)) return;
  CountBall(pre, told.moments.front());
  CloseInningsIfDue(pre, post, told);
}

// The book is written from the event alone; the board, as it stood when the
// event was told, must agree with it.
void Scorer::CountBall(const Snapshot& pre, const ScoringMoment& scored) {
  const GameEvent& ball = scored.event;
  const Worth* worth = WorthOf(ball.outcome);
  if (!Check(worth != nullptr, "the ball's outcome is one the scorer knows", pre)) return;
  Check(ball.runs == worth->runs && ball.wicket == (worth->wickets == 1) &&
            ball.wide == !worth->counted && ball.firstInnings == (book_.innings == 0),
        "a ball scored is told with its worth and its innings", scored.field);
  Check(!pre.wideBall || ball.wide, "a wide ball is scored as a wide", pre);
  book_.runs[book_.innings] += ball.runs;
  book_.wickets[book_.innings] += ball.wicket ? 1 : 0;
  if (!ball.wide) ++book_.countedInOver;
  Check(ball.teamRuns == book_.runs[book_.innings] &&
            ball.teamWickets == book_.wickets[book_.innings],
        "the score told with a ball is the scorer's", scored.field);
  CheckBoard(scored.field);
  Check(book_.wickets[book_.innings] <= laws::kAllOut, "no innings has more than ten wickets",
        scored.field);
  if (book_.wickets[book_.innings] < laws::kAllOut && book_.countedInOver == laws::kBallsPerOver) {
    book_.countedInOver = 0;  // six counted balls, wides apart, make the over
    ++book_.overs;
  }
  const scorecard::InningsRecord& card =
      world_.audience.scorecard.Record().Innings(book_.innings + 1);
  Check(card.runs == book_.runs[book_.innings] && card.wickets == book_.wickets[book_.innings] &&
            card.board.overs == book_.overs && card.board.balls == book_.countedInOver,
        "the scorecard's record of the innings is the board's", scored.field);
}

void Scorer::CloseInningsIfDue(const Snapshot& pre, const Snapshot& post, const BallWatch& told) {
  bool due = book_.wickets[book_.innings] >= laws::kAllOut;
  if (!due) {
    const std::optional<double> limit = ReadNumber(world_.forms.Text(TextBox::Text3));
    due = limit && *limit == static_cast<double>(book_.overs);
  }
  const bool closed = book_.innings == 0 ? !post.firstInnings : post.quitGame;
  if (!Check(closed == due, "an innings closes at ten wickets or at the over limit only", post))
    return;
  Check(told.inningsEnded == (due ? 1 : 0), "the end of an innings is told once, when it closes",
        post);
  if (!due) {
    Check(post.firstInnings == pre.firstInnings && post.ballsInOver == book_.countedInOver &&
              post.oversBowled == book_.overs,
          "the overs on the board are the scorer's", post);
    return;
  }
  book_.countedInOver = book_.overs = 0;
  if (book_.innings == 0) {
    book_.innings = 1;
    Check(post.inningsBreak && !post.firstInnings && post.ballsInOver == 0 && post.oversBowled == 0,
          "the first innings closes into the break at 0.0 overs", post);
    return;
  }
  book_.resultDue = true;
  book_.expectedLine = ResultLine();
  Check(world_.forms.resultShown && world_.forms.resultLine == book_.expectedLine,
        "the result dialog names the winner", post);
}

std::string Scorer::ResultLine() const {
  if (book_.runs[0] > book_.runs[1]) return world_.forms.Text(TextBox::Text1) + " are the winners";
  if (book_.runs[0] < book_.runs[1]) return world_.forms.Text(TextBox::Text2) + " are the winners";
  return "It's a draw";
}

void Scorer::CheckBoard(const Snapshot& f) {
  Check(f.team1Runs == book_.runs[0] && f.team1Wickets == book_.wickets[0] &&
            f.team2Runs == book_.runs[1] && f.team2Wickets == book_.wickets[1],
        "the score on the board is the scorer's", f);
}

void Scorer::AfterInput(const Snapshot& pre, const Snapshot& post, bool escape) {
  Check(post.runUpCounter == pre.runUpCounter && post.ballCounter == pre.ballCounter &&
            post.ballBowled == pre.ballBowled && post.firstInnings == pre.firstInnings,
        "a key or the panel never moves a delivery on", post);
  Check(post.inningsBreak <= pre.inningsBreak, "only the end of an innings starts the break", post);
  Check(post.quitGame == (pre.quitGame || escape), "Escape, and only Escape, quits from a key",
        post);
  if (escape) book_.escaped = true;
  CheckBoard(post);
}

void Scorer::EndMatch() {
  const auto& forms = world_.forms;
  const MatchState& s = world_.game.S;
  for (const std::string& message : forms.messages) {
    report_.detail = "message box: " + message;
    report_.Check(false, "no run-time error reaches a message box");
    report_.detail.clear();
  }
  report_.Check(!world_.game.MatchRunning() && !world_.timer.Enabled(),
                "a closed match leaves the timer stopped");
  report_.Check(!world_.display || !world_.display->open, "a closed match closes its display");
  report_.Check(s.Team1Runs == 0 && s.Team2Runs == 0 && s.Team1Wickets == 0 &&
                    s.Team2Wickets == 0 && s.FirstInnings,
                "a closed match leaves the score at 0 to 0");
  if (book_.escaped) {
    report_.Check(!forms.resultShown && !forms.loaded, "Escape leaves no form open");
    return;
  }
  report_.Check(book_.resultDue, "a match ends with the result or with Escape");
  report_.Check(forms.resultShown && !forms.loaded && forms.resultLine == book_.expectedLine,
                "a finished match leaves only the result dialog, naming the winner");
}

}  // namespace soak
