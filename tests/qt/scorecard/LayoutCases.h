#pragma once
// The matches the scorecard window is laid out and pictured with: a realistic
// one, and rough ones (long names, other scripts, tiny and huge innings).

#include <QString>
#include <string>
#include <vector>

#include "MatchRecords.h"
#include "RoughRecords.h"

namespace layout_cases {

struct Case {
  std::string name;
  scorecard::InningsRecord first, second;
  QString team1, team2;
  bool both = true;
};

inline scorecard::BallByBall Played(const std::vector<std::string>& first,
                                    const std::vector<std::string>& second) {
  scorecard::BallByBall book;
  match_records::Innings(book, first, 1);
  if (!second.empty()) match_records::Innings(book, second, 2);
  return book;
}

inline Case FromBook(std::string name, const scorecard::BallByBall& book, QString team1,
                     QString team2, bool both = true) {
  return {std::move(name),  book.Innings(1),  book.Innings(2),
          std::move(team1), std::move(team2), both};
}

inline std::vector<Case> All() {
  using match_records::Plausible;
  const scorecard::BallByBall match = Played(Plausible(10, 7), Plausible(10, 11));
  const scorecard::BallByBall dots =
      Played(game_events::Repeat("No Run", 12), game_events::Repeat("", 3));
  scorecard::InningsRecord empty;
  empty.innings = 2;
  std::vector<Case> cases = {
      FromBook("match", match, "Lions", "Tigers"),
      FromBook("break", match, "Lions", "Tigers", false),
      FromBook("long_names", match, QString(200, QLatin1Char('W')),
               QString::fromUtf8("The Remarkably Long-Named Cricket Club ").repeated(5)),
      FromBook("scripts", match, QString::fromUtf8("أسود الصحراء للكريكيت ").repeated(9),
               QString::fromUtf8("北京猛虎队 मुंबई के शेर Ελληνικοί Αετοί")),
      FromBook("no_runs", dots, "Nought", "Nil"),
      {"ten_in_one_over", rough_records::WicketsInOneOver(10), empty, "Collapse", "Waiting"},
      {"empty_second", match.Innings(1), empty, "Lions", "Tigers"},
      {"huge", rough_records::Huge(50), rough_records::Huge(48), "Giants", "Titans"},
  };
  return cases;
}

}  // namespace layout_cases
