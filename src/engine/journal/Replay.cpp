#include "Replay.h"

#include <stdexcept>

#include "../form/Game.h"
#include "../state/GameError.h"
#include "../turn/ComputerPlayer.h"

namespace quorvex {
namespace {

// The game and the journal have parted: the action in hand is undone and the replay stops.
class ReplayDiverged : public ActionAborted {
public:
    using ActionAborted::ActionAborted;
};

const char* const kEnd = "the end of the journal";

}  // namespace

// The journal's cursor, and the person who answers from it.
class Replay::Person final : public Dialogs {
public:
    explicit Person(std::vector<JournalLine> lines) : lines_(std::move(lines)) {}

    bool atEnd() const { return next_ >= lines_.size(); }
    const JournalLine& peek() const { return lines_[next_]; }
    const JournalLine& take() {
        const JournalLine& line = lines_[next_++];
        if (trace) trace("line " + std::to_string(line.line) + ": " + formatRecord(line.record));
        return line;
    }
    std::function<void(const std::string&)> trace;

    // Stops the replay: the journal expected its next record where the game did `got`.
    [[noreturn]] void diverge(const std::string& got) const {
        if (atEnd())
            throw ReplayDiverged("replay diverged at line " + std::to_string(lastLine() + 1) +
                                 ": expected " + kEnd + ", got " + got);
        throw ReplayDiverged("replay diverged at line " + std::to_string(peek().line) +
                             ": expected " + formatRecord(peek().record) + ", got " + got);
    }

    // The next record must be the one the game just produced, up to its first `compared` fields
    // (the rest are the person's answer).
    const Record& expect(const Record& shown, std::size_t compared) {
        if (atEnd() || peek().record.kind != shown.kind || peek().record.fields.size() < compared ||
            !std::equal(shown.fields.begin(), shown.fields.begin() + compared,
                        peek().record.fields.begin()))
            diverge(formatRecord(shown));
        return take().record;
    }

    uint32_t seed() {
        const Record shown{RecordKind::Seed, {"<from the clock>"}};
        if (atEnd() || peek().record.kind != RecordKind::Seed) diverge(formatRecord(shown));
        const Record& r = take().record;
        try {
            const unsigned long long value = std::stoull(r.fields.at(0));
            if (value > 0xFFFFFFFFull || r.fields.size() != 1) throw std::out_of_range("seed");
            return static_cast<uint32_t>(value);
        } catch (const std::exception&) {
            throw ReplayDiverged("replay stopped at line " + std::to_string(lastLine()) +
                                 ": the seed is not a whole number from 0 to 4294967295");
        }
    }

    void message(const std::string& text) override { expect({RecordKind::Message, {text}}, 1); }
    void error(const std::string& text) override { expect({RecordKind::Error, {text}}, 1); }
    bool confirm(const std::string& text) override {
        const Record& r = expect({RecordKind::Confirm, {text}}, 1);
        if (r.fields.size() != 2 || (r.fields[1] != "yes" && r.fields[1] != "no"))
            malformed("a Yes/No answer");
        return r.fields[1] == "yes";
    }
    std::optional<std::string> input(const std::string& caption, const std::string& prompt,
                                     const std::string& defaultText) override {
        const Record& r = expect({RecordKind::Input, {caption, prompt, defaultText}}, 3);
        return answer(r, 3, "an input box's answer");
    }
    std::optional<std::string> saveFileName(const std::string&, const std::string&) override {
        return answer(expect({RecordKind::SaveFile, {}}, 0), 0, "the save dialog's answer");
    }
    std::optional<std::string> openFileName(const std::string&, const std::string&) override {
        return answer(expect({RecordKind::OpenFile, {}}, 0), 0, "the open dialog's answer");
    }

private:
    int lastLine() const { return next_ == 0 ? 0 : lines_[next_ - 1].line; }
    [[noreturn]] void malformed(const char* what) const {
        throw ReplayDiverged("replay stopped at line " + std::to_string(lastLine()) +
                             ": it does not hold " + what);
    }
    // "answer <text>" or "cancel" from field `at` on.
    std::optional<std::string> answer(const Record& r, std::size_t at, const char* what) const {
        const auto& f = r.fields;
        if (f.size() == at + 2 && f[at] == "answer") return f[at + 1];
        if (f.size() == at + 1 && f[at] == "cancel") return std::nullopt;
        malformed(what);
    }

    std::vector<JournalLine> lines_;
    std::size_t next_ = 0;
};

Replay::Replay(std::vector<JournalLine> lines)
    : person_(std::make_unique<Person>(std::move(lines))) {}

Replay::~Replay() = default;

Dialogs& Replay::person() {
    return *person_;
}

std::string Replay::run(Game& game) {
    Person& p = *person_;
    p.trace = trace;
    game.clockSeed = [&p] { return p.seed(); };
    try {
        if (!p.atEnd() && p.peek().record.kind == RecordKind::Header) p.take();
        game.start();
        while (!p.atEnd()) {
            const Record& next = p.peek().record;
            if (next.kind == RecordKind::Action) {
                const auto action = recordedAction(next);
                if (!action) p.diverge("no action the game knows");
                if (game.actionTarget(*action) == nullptr)
                    p.diverge("a control that cannot take it now");
                p.take();
                game.act(*action);
            } else if (next.kind == RecordKind::Rules &&
                       next.fields == std::vector<std::string>{"computer"}) {
                p.take();
                game.perform([&game] { playComputerTurn(game.world(), game.state.CurrentPlayer); });
            } else {
                p.diverge("nothing more from the action before");
            }
        }
    } catch (const ReplayDiverged& diverged) {
        return diverged.what();
    }
    return {};
}

}  // namespace quorvex
