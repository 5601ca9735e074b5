#include "GameHistory.h"

#include <algorithm>

namespace quorvex {
namespace {

bool isCompany(int company) {
    return company >= 1 && company <= kCompanies;
}

// "answer <text>" or "cancel" from field `at` on, as the journal writes an input box's answer.
std::string inputAnswer(const std::vector<std::string>& f, std::size_t at) {
    if (f.size() == at + 2 && f[at] == "answer") return f[at + 1];
    return "(cancelled)";
}

std::string field(const std::vector<std::string>& f, std::size_t i) {
    return i < f.size() ? f[i] : std::string();
}

}  // namespace

bool isShownBox(const Record& record) {
    switch (record.kind) {
        case RecordKind::Message:
        case RecordKind::Error:
        case RecordKind::Confirm:
        case RecordKind::Input:
            return true;
        default:
            return false;
    }
}

BoxText describeBox(const Record& record) {
    const auto& f = record.fields;
    switch (record.kind) {
        case RecordKind::Message:
            return {"Message", field(f, 0), ""};
        case RecordKind::Error:
            return {"Error", field(f, 0), ""};
        case RecordKind::Confirm:
            return {"Question", field(f, 0), field(f, 1) == "yes" ? "Yes" : "No"};
        case RecordKind::Input:
            // caption, prompt, default, then the answer: the prompt is what the person read.
            return {"Input", field(f, 1), inputAnswer(f, 3)};
        default:
            return {"", "", ""};
    }
}

// A new game stands at turn 0 until its first ranking starts game turn 1.
GameHistory::GameHistory(const GameState& s) : firstTurn_(std::max(1, s.TurnNumber.get())) {
    for (int c = 1; c <= kCompanies; ++c)
        names_[c] = s.PlayerName[c];
}

GameHistory::GameHistory(int firstTurn, const Names& names) : firstTurn_(firstTurn), names_(names) {
    names_[0].clear();
}

void GameHistory::noteRanking(const GameState& s) {
    for (int c = 1; c <= kCompanies; ++c) {
        if (!s.PlayerActive[c]) continue;
        names_[c] = s.PlayerName[c];
        noteWorth(c, s.TurnNumber.get(), s.PlayerNetWorth[c].get());
    }
}

bool GameHistory::noteWorth(int company, int turn, int netWorth) {
    if (!isCompany(company) || turn < firstTurn_) return false;
    auto& points = worth_[company];
    if (!points.empty() && turn < points.back().turn) return false;
    if (!points.empty() && turn == points.back().turn)
        points.back().netWorth = netWorth;
    else
        points.push_back({turn, netWorth});
    return true;
}

bool GameHistory::noteBox(int turn, int company, const Record& record) {
    if (!isShownBox(record) || company < 0 || company > kCompanies) return false;
    boxes_.push_back({turn, company, record});
    return true;
}

int GameHistory::lastTurn() const {
    int last = firstTurn_;
    for (const auto& points : worth_)
        if (!points.empty() && points.back().turn > last) last = points.back().turn;
    return last;
}

const std::string& GameHistory::companyName(int company) const {
    static const std::string none;
    return isCompany(company) ? names_[company] : none;
}

const std::vector<WorthPoint>& GameHistory::worth(int company) const {
    static const std::vector<WorthPoint> none;
    return isCompany(company) ? worth_[company] : none;
}

}  // namespace quorvex
