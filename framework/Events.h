#pragma once
// Event types. An event is a handler bound to an object; it is raised only
// when one is assigned.

#include "framework/Object.h"

#include <cstdint>
#include <functional>
#include <initializer_list>

enum TMouseButton { mbLeft, mbRight, mbMiddle };

enum TShiftFlag : unsigned {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
    ssDouble = 64,
};

// A set of shift flags: [], [ssLeft], [ssShift, ssCtrl], ...
class TShiftState {
public:
    constexpr TShiftState() = default;
    constexpr TShiftState(std::initializer_list<TShiftFlag> flags) {
        for (auto f : flags) bits_ |= f;
    }
    constexpr bool Contains(TShiftFlag flag) const { return (bits_ & flag) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr void Include(TShiftFlag flag) { bits_ |= flag; }
    constexpr unsigned Bits() const { return bits_; }
    friend constexpr bool operator==(TShiftState, TShiftState) = default;

private:
    unsigned bits_ = 0;
};

using TNotifyEvent = std::function<void(TObject* sender)>;
using TMouseEvent =
    std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;
// Key is a virtual-key code; setting it to 0 consumes the key.
using TKeyEvent = std::function<void(TObject* sender, std::uint16_t& key, TShiftState shift)>;
// Key is a character; setting it to 0 consumes it.
using TKeyPressEvent = std::function<void(TObject* sender, char& key)>;
