#pragma once
// A shell without a window: a manual clock, scripted messages and a presenter that records the tick
// of every presented frame, wired into the program-wide state the way start-up wires the real ones.

#include <deque>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "platform/display/display.hpp"
#include "platform/display/pixel_format.hpp"
#include "platform/system/clock.hpp"
#include "platform/system/event_source.hpp"
#include "platform/text/fonts.hpp"
#include "records/records.hpp"
#include "state/app_state.hpp"
#include "support/temp_dir.hpp"

namespace burrowix::test {

class RecordingPresenter : public FramePresenter {
public:
    explicit RecordingPresenter(std::vector<Ticks>& frames) : frames_(frames) {}
    DisplayResult present(const Surface& back) override
    {
        frames_.push_back(app.frameClock);
        lastCorner = back.pixel(0, 0);
        return DisplayResult::Ok;
    }
    std::uint32_t lastCorner = 0;

private:
    std::vector<Ticks>& frames_;
};

// Messages delivered at given ticks; waiting moves the clock on to the timeout or the next message.
class ScriptedEvents : public EventSource {
public:
    explicit ScriptedEvents(ManualClock& clock) : clock_(clock) {}
    void at(Ticks t, Message m) { script_.push_back({t, m}); }

    bool poll(Message& m) override
    {
        if (!posted_.empty()) {
            m = posted_.front();
            posted_.pop_front();
            return true;
        }
        if (!script_.empty() && std::int32_t(clock_.ticks() - script_.front().at) >= 0) {
            m = script_.front().message;
            script_.pop_front();
            return true;
        }
        return false;
    }
    void wait(int timeoutMs) override
    {
        waits.push_back(timeoutMs);
        if (timeoutMs < 0) {
            if (script_.empty()) {
                ADD_FAILURE() << "the loop would block for ever";
                posted_.push_back({MessageType::Quit, 99});
                return;
            }
            if (std::int32_t(script_.front().at - clock_.ticks()) > 0)
                clock_.set(script_.front().at);
            return;
        }
        Ticks target = clock_.ticks() + Ticks(timeoutMs);
        if (!script_.empty() && std::int32_t(target - script_.front().at) > 0)
            target = script_.front().at;
        clock_.set(target);
    }
    void postQuit(int code) override { posted_.push_back({MessageType::Quit, std::uint32_t(code)}); }
    void post(const Message& m) override { posted_.push_back(m); }

    std::vector<int> waits;

private:
    struct Entry {
        Ticks at;
        Message message;
    };
    ManualClock& clock_;
    std::deque<Entry> script_;
    std::deque<Message> posted_;
};

class ShellFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        theDisplay.reset();
        app.reset();
        // The close work saves the records: into a folder of the test's own.
        theRecords.reset();
        theRecords.optionsPath = recordsDir.file("opt.dat");
        theRecords.progressPath = recordsDir.file("li.dat");
        theRecords.scoreFile.path = recordsDir.file("score.dat");
        auto presenter = std::make_unique<RecordingPresenter>(frames);
        recorder = presenter.get();
        setUpDisplay(theDisplay, std::move(presenter));
        frames.clear();
        clearPicture = createBlankSurface(theDisplay, 2, 2);
        clearPicture->setPixel(0, 0, 0x203040);
        clearPicture->setPixel(1, 1, 0x999999);
        app.clearPicture = clearPicture.get();
        app.clock = &clock;
        app.events = &events;
        app.firstFrame = 0;
        app.appActive = 1;
    }
    void TearDown() override
    {
        // A first frame creates the game fonts; the close work that would free them does not run.
        destroyFonts();
        app.clearPicture = nullptr;
        clearPicture.reset();
        theDisplay.reset();
        app.reset();
        theRecords.reset();
    }

    TempDir recordsDir;
    ManualClock clock{0};
    ScriptedEvents events{clock};
    std::vector<Ticks> frames;
    RecordingPresenter* recorder = nullptr;
    std::unique_ptr<Surface> clearPicture;
};

} // namespace burrowix::test
