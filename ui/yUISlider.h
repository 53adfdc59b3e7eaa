// A slider: a themed thumb that travels along a track and turns drags into a
// value, linearly or logarithmically, with a fine mode while Shift is held.
#pragma once

#include "ui/yUIBaseControl.h"
#include "ui/yUIThemedControl.h"

class yUISlider : public yUIBaseControl
{
public:
    // Mouse commands of the thumb; the slider listens to them.
    static constexpr char kThumbDownCommand[] = "ySlDwn";
    static constexpr char kThumbDragCommand[] = "ySlDrg";
    static constexpr char kThumbUpCommand[] = "ySlUp";
    static constexpr char kThumbOverCommand[] = "ySlOvr";
    static constexpr short kHorizontal = 0;
    static constexpr short kVertical = 1;
    // With Shift held a drag moves the thumb this many times slower than the mouse.
    static constexpr float kFineTravel = 10.0f;

    yUISlider();

    void ReceiveCommand(const yString& command) override;
    // A press on the track jumps the thumb there (with click to jump).
    void MouseDown() override;
    void MouseOver() override;
    void MouseDrag() override;
    void MouseUp() override;
    // Places the thumb.
    void Layout() override;
    // The slider broadcasts its own mouse commands, for the track and the
    // thumb alike; the base control's stay empty.
    void SetMouseUpCommand(const yString& command) override;
    void SetMouseDownCommand(const yString& command) override;
    void SetMouseOverCommand(const yString& command) override;
    void SetMouseDragCommand(const yString& command) override;

    // Stores the position clamped to 0..1, places the thumb, lays out and
    // broadcasts the change command. A locked slider only re-places its thumb.
    virtual void SetNormalizedValue(const float& position);
    float GetNormalizedValue() const { return m_position; }
    // The value clamped to the limits, turned into a position.
    void SetValue(const float& value);
    float GetValue() const;

    // The size raised to the minimum width and height; the thumb is re-placed.
    void SetSliderSize(long width, long height);
    void SetMinimumSize(long width, long height);
    void SetMinimum(float minimum) { m_minimum = minimum; }
    void SetMaximum(float maximum) { m_maximum = maximum; }
    float GetMinimum() const { return m_minimum; }
    float GetMaximum() const { return m_maximum; }
    // Fractions of the length that the thumb travels; start below end.
    void SetTrack(float start, float end);
    void SetOrientation(short orientation);
    short GetOrientation() const { return m_orientation; }
    void SetLogarithmic(bool on) { m_logarithmic = on; }
    bool IsLogarithmic() const { return m_logarithmic; }
    void SetClickToJump(bool on) { m_clickToJump = on; }
    void SetLocked(bool on) { m_locked = on; }
    bool IsLocked() const { return m_locked; }

    // The position under a panel point, along the track.
    float ScreenToPosition(const yPointL& point) const;
    // The thumb's place along the slider for a position, in pixels from the slider's edge.
    long PositionToCoordinate(float position) const;

    yUIThemedControl& GetThumb() { return m_thumb; }
    const yUIThemedControl& GetThumb() const { return m_thumb; }

protected:
    // Recomputes the position from the press and the mouse travel since it.
    void Drag();
    void PlaceThumb();
    // Length of the slider along its axis, in pixels.
    long GetLength() const;

    float m_position = 0.0f;
    float m_maximum = 1.0f;
    float m_minimum = 0.0f;
    float m_trackStart = 0.0f;
    float m_trackEnd = 1.0f;
    long m_minWidth = 20;
    long m_minHeight = 30;
    short m_orientation = kHorizontal;
    bool m_logarithmic = false;
    bool m_clickToJump = true;
    yString m_upCommand;
    yString m_downCommand;
    yString m_overCommand;
    yString m_dragCommand;
    float m_dragStart = 0.0f;
    bool m_locked = false;
    yUIThemedControl m_thumb;
};
