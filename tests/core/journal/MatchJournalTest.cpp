#include <gtest/gtest.h>

#include <algorithm>

#include "core/journal/MatchJournal.h"
#include "fakes/Fakes.h"

// Each line is heard as it is written, stamped with the ticks played before
// it takes effect; a change of the panel between two ticks comes just before
// the second, one made during a key just before the next input.
TEST(MatchJournal, WritesEachInputAtItsTick) {
  fakes::FakeForms panel;
  MatchJournal journal(panel);
  std::vector<std::pair<long long, std::string>> heard;
  journal.SetSink([&heard](const JournalLine& line) { heard.emplace_back(line.tick, line.text); });
  journal.OnBegin(MatchState{}, 7, 1000);
  journal.OnTick();
  journal.OnTick();
  panel.SetText(TextBox::Text1, "Owls");
  journal.OnTick();
  journal.OnKey(true, 32);
  panel.Select(Option::Option1);
  journal.OnKey(false, 32);
  journal.OnTick();
  journal.OnTick();
  journal.OnCloseRequested();
  journal.OnTick();
  journal.OnMatchClosed();
  journal.OnTick();  // after the match: not kept

  const auto begin =
      std::find(heard.begin(), heard.end(), std::pair<long long, std::string>{0, "begin"});
  ASSERT_NE(begin, heard.end());
  EXPECT_EQ(*(begin - 2), (std::pair<long long, std::string>{0, "seed 7"}));
  EXPECT_EQ(*(begin - 1), (std::pair<long long, std::string>{0, "clock 1000"}));
  const std::vector<std::pair<long long, std::string>> after(begin + 1, heard.end());
  const std::vector<std::pair<long long, std::string>> expected{
      {0, "tick 2"}, {2, "text Text1 Owls"}, {2, "tick 1"}, {3, "down 32"}, {3, "select Option1"},
      {3, "up 32"},  {3, "tick 2"},          {5, "close"},  {5, "tick 1"},  {6, "end"},
  };
  EXPECT_EQ(after, expected);
  EXPECT_EQ(journal.Lines().size(), heard.size());
  EXPECT_FALSE(journal.Writing());
}
