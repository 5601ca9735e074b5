#pragma once

#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

#include "QuietOffscreen.h"
#include "Windows.h"
#include "form/Game.h"
#include "kit/FormBinder.h"
#include "support/ScriptedDialogs.h"

namespace quorvex::testing {

// The script, with a hook that runs before every box as the real dialogs bring the windows up
// to date then.
class HookedDialogs final : public Dialogs {
public:
    explicit HookedDialogs(ScriptedDialogs& script) : script_(script) {}
    std::function<void()> beforeBox;

    void message(const std::string& text) override {
        hook();
        script_.message(text);
    }
    bool confirm(const std::string& text) override {
        hook();
        return script_.confirm(text);
    }
    std::optional<std::string> input(const std::string& caption, const std::string& prompt,
                                     const std::string& defaultText) override {
        hook();
        return script_.input(caption, prompt, defaultText);
    }
    void error(const std::string& text) override {
        hook();
        script_.error(text);
    }
    std::optional<std::string> saveFileName(const std::string& folder,
                                            const std::string& filter) override {
        hook();
        return script_.saveFileName(folder, filter);
    }
    std::optional<std::string> openFileName(const std::string& folder,
                                            const std::string& filter) override {
        hook();
        return script_.openFileName(folder, filter);
    }

private:
    void hook() {
        if (beforeBox) beforeBox();
    }
    ScriptedDialogs& script_;
};

// The whole program without its event loop: a game with scripted dialogs and a fixed seed, the
// 25 real windows and the binder between them.
struct BoundGame {
    ScriptedDialogs dialogs;
    HookedDialogs hooked{dialogs};
    Game game{hooked, std::make_unique<LcgRandom>(1)};
    ui::WindowSet windows = ui::createWindows();
    std::unique_ptr<ui::FormBinder> binder;

    // extend runs before the binder is made, for a test that adds controls and widgets.
    explicit BoundGame(const std::function<void(BoundGame&)>& extend = {}) {
        quietOffscreen();
        game.clockSeed = [] { return 20240601u; };
        if (extend) extend(*this);
        ui::FormBinder::Windows raw{};
        for (std::size_t i = 0; i < windows.size(); ++i)
            raw[i] = windows[i].get();
        binder = std::make_unique<ui::FormBinder>(game, raw);
    }

    void start() { binder->start(); }

    // New Game, "2 Players", Start: the first company's turn is about to begin.
    void startTwoPlayerGame() {
        start();
        click(ScreenId::GameMenu, "Button2");
        choose(ScreenId::NGScreen, "NOP", 1);
        click(ScreenId::NGScreen, "Button1");
    }

    ui::GameWindow* window(ScreenId id) { return windows[static_cast<std::size_t>(id)].get(); }

    template <typename W>
    W* widget(ScreenId id, const char* name) {
        W* w = window(id)->findChild<W*>(QString::fromLatin1(name));
        if (w == nullptr) qFatal("no %s on window %d", name, static_cast<int>(id));
        return w;
    }

    void click(ScreenId id, const char* button) {
        QTest::mouseClick(widget<QPushButton>(id, button), Qt::LeftButton);
    }

    // Picks an entry of a drop-down list as the person would.
    void choose(ScreenId id, const char* combo, int index) {
        auto* box = widget<QComboBox>(id, combo);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
};

}  // namespace quorvex::testing
