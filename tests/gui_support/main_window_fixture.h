#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QMap>
#include <QTest>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/command_ids.h"
#include "app/main_window.h"
#include "deck/deck.h"
#include "gui_support/scripted_prompts.h"
#include "output/mail_transport.h"
#include "support/deck_builders.h"
#include "ui/settings.h"

namespace tabula::test {

// Settings kept in memory, so tests never read or write the user's own.
struct MemorySettings final : Settings {
    std::optional<QString> Value(const QString& key) const override {
        return values.contains(key) ? std::optional(values[key]) : std::nullopt;
    }
    void SetValue(const QString& key, const QString& value) override { values[key] = value; }
    QMap<QString, QString> values;
};

// A mail program that answers from a queue and keeps every message it was given. By default
// there is none: Available() is false and a message sent without a queued outcome fails the
// test.
struct ScriptedMail final : MailTransport {
    bool Available() override { return available; }
    std::optional<std::filesystem::path> AttachmentFolder() override { return folder; }
    MailOutcome Send(const MailMessage& message) override {
        sent.push_back(message);
        while_sending(message);  // the message is with the mail program
        return NextAnswer(outcomes, "mail", MailOutcome::NotLoadable());
    }
    bool available = false;
    std::optional<std::filesystem::path> folder;
    std::deque<MailOutcome> outcomes;
    std::function<void(const MailMessage&)> while_sending = [](const MailMessage&) {};
    std::vector<MailMessage> sent;
};

// A main window on the offscreen platform with scripted prompts and settings in memory.
class MainWindowTest : public ::testing::Test {
  protected:
    void TearDown() override { window.reset(); }

    // Builds, shows and activates the window (the settings may be filled in before): the
    // accelerators reach an active window only.
    void Open() {
        window = std::make_unique<MainWindow>(deck, settings, prompts, *mail_transport);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    // Fills the deck with these indexes (front = smallest) and shows it.
    void Cards(const std::vector<std::string>& indexes) {
        if (!window) {
            Open();
        }
        FillDeck(deck, indexes);
        window->Stack().RefreshStack();
    }
    // Runs a command as the menu would: fails the test if its rule disables it.
    bool Trigger(CommandId id) {
        window->UpdateActions();
        QAction* action = window->Action(id);
        EXPECT_TRUE(action->isEnabled()) << "command " << int(id) << " is disabled";
        return action->isEnabled() && (action->trigger(), true);
    }

    CardEditor& Editor() { return *window->Stack().Editor(); }
    FrontCardWindow& Front() { return *window->Stack().Front(); }
    StackView& View() { return *window->Stack().View(); }
    std::vector<std::string> Ring() const { return RingIndexes(deck); }

    Deck deck;
    MemorySettings settings;
    ScriptedPrompts prompts;
    ScriptedMail mail;
    // The mail program the window is built with; the scripted one unless a test sets another.
    MailTransport* mail_transport = &mail;
    std::unique_ptr<MainWindow> window;
};

}  // namespace tabula::test
