// Each entry uses the one suffix that saves it most, so the saving of a table is a coverage
// problem: greedy choice is near optimal, and since a suffix's gain only falls as others are
// chosen, gains are recomputed lazily when a suffix reaches the top of the queue.
#include "suffix_choice.h"

#include <algorithm>
#include <cstdint>
#include <queue>
#include <unordered_map>

#include "lexicon/compressed/lexicon_compiler_access.h"

namespace trov::lexcompile {
namespace {

struct Candidate {
  std::string text;
  std::vector<int32_t> entries;  // tails ending in text
};

class Chooser {
 public:
  explicit Chooser(const std::vector<std::string>& tails) : saving_(tails.size(), 0) {
    std::unordered_map<std::string, int32_t> ids;
    for (std::size_t e = 0; e < tails.size(); ++e) {
      const std::string& tail = tails[e];
      int longest = std::min<int>(static_cast<int>(tail.size()), kMaxChosenSuffix);
      for (int length = 1; length <= longest; ++length) {
        std::string suffix = tail.substr(tail.size() - static_cast<std::size_t>(length));
        auto [it, added] = ids.emplace(suffix, static_cast<int32_t>(candidates_.size()));
        if (added) candidates_.push_back({std::move(suffix), {}});
        candidates_[it->second].entries.push_back(static_cast<int32_t>(e));
      }
    }
  }

  // Chooses up to limit suffixes whose use saves their length less codeExtra bytes per entry.
  std::vector<std::string> Choose(int limit, int codeExtra) {
    auto worse = [this](const Ranked& a, const Ranked& b) {
      if (a.gain != b.gain) return a.gain < b.gain;
      return candidates_[a.id].text > candidates_[b.id].text;  // ties: smaller text first
    };
    std::priority_queue<Ranked, std::vector<Ranked>, decltype(worse)> queue(worse);
    for (int32_t id = 0; id < static_cast<int32_t>(candidates_.size()); ++id) {
      int64_t gain = Gain(id, codeExtra);
      if (gain > 0) queue.push({gain, id});
    }
    std::vector<std::string> chosen;
    while (static_cast<int>(chosen.size()) < limit && !queue.empty()) {
      Ranked top = queue.top();
      queue.pop();
      int64_t gain = Gain(top.id, codeExtra);
      if (gain <= 0) continue;
      if (gain < top.gain) {
        queue.push({gain, top.id});
        continue;
      }
      const Candidate& candidate = candidates_[top.id];
      int value = static_cast<int>(candidate.text.size()) - codeExtra;
      for (int32_t e : candidate.entries) saving_[e] = std::max(saving_[e], value);
      chosen.push_back(candidate.text);
    }
    return chosen;
  }

 private:
  struct Ranked {
    int64_t gain;
    int32_t id;
  };

  int64_t Gain(int32_t id, int codeExtra) const {
    const Candidate& candidate = candidates_[id];
    int value = static_cast<int>(candidate.text.size()) - codeExtra;
    int64_t gain = 0;
    for (int32_t e : candidate.entries) gain += std::max(0, value - saving_[e]);
    return gain;
  }

  std::vector<Candidate> candidates_;
  std::vector<int> saving_;  // bytes the best suffix chosen so far saves each entry
};

}  // namespace

SuffixTables ChooseSuffixes(const std::vector<std::string>& tails) {
  Chooser chooser(tails);
  SuffixTables tables;
  tables.simple = chooser.Choose(kMaxSimpleSuffixes, 0);
  tables.extended = chooser.Choose(kMaxExtendedSuffixes, 1);
  return tables;
}

}  // namespace trov::lexcompile
