// The answers the host gives a module about live input on POSIX: the clock,
// the mouse button, the modifier keys, the double-click interval and the
// colour chooser. The program exports them as the table the module looks up;
// event scripts and tests set them here.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>

namespace yStandalone
{
struct yColorChoice
{
    bool chosen = false; // false: the user cancelled
    uint8_t red = 0, green = 0, blue = 0;
};

class yHostPlatform
{
  public:
    // The one state behind the exported table (the table is process-wide).
    static yHostPlatform& Instance();

    // Back to the start: scripted clock at kStartTime, button up, no
    // modifiers, 500 ms double clicks, no colour answers queued.
    void Reset();

    void SetClock(uint32_t milliseconds) { m_clock = milliseconds; }
    void AdvanceClock(uint32_t milliseconds) { m_clock += milliseconds; }
    // With a real clock the module sees monotonic milliseconds instead.
    void UseRealClock(bool real) { m_realClock = real; }
    void SetButtonDown(bool down) { m_buttonDown = down; }
    void SetModifiers(uint32_t modifiers) { m_modifiers = modifiers; }
    void SetDoubleClickInterval(uint32_t milliseconds) { m_doubleClick = milliseconds; }
    // Answers for the next calls of the colour chooser, in order; with none
    // queued the chooser cancels.
    void QueueColorChoice(const yColorChoice& choice) { m_choices.push_back(choice); }
    // Asked when no answer is queued, e.g. a window's picker (null: cancel).
    void SetChooser(std::function<yColorChoice(const uint8_t initial[3])> chooser)
    {
        m_chooser = std::move(chooser);
    }

    uint32_t Clock() const;
    bool ButtonDown() const { return m_buttonDown; }
    uint32_t Modifiers() const { return m_modifiers; }
    uint32_t DoubleClickInterval() const { return m_doubleClick; }
    // Takes the next queued answer; the initial colour is what the module passed.
    yColorChoice ChooseColor(const uint8_t initial[3]);
    int ChooserCalls() const { return m_chooserCalls; }

    static constexpr uint32_t kStartTime = 100000;

  private:
    yHostPlatform() { Reset(); }

    uint32_t m_clock = kStartTime;
    bool m_realClock = false;
    bool m_buttonDown = false;
    uint32_t m_modifiers = 0;
    uint32_t m_doubleClick = 500;
    std::deque<yColorChoice> m_choices;
    std::function<yColorChoice(const uint8_t initial[3])> m_chooser;
    int m_chooserCalls = 0;
};
} // namespace yStandalone
