// What the hosting process tells a module about live input on POSIX, where no
// window system answers these questions. The host exports one table under
// kHostPlatformSymbol; a module that finds none uses headless defaults.
#pragma once

#include <cstdint>

extern "C" {

enum
{
    ZT_Modifier_SHIFT = 1,
    ZT_Modifier_CONTROL = 2,
    ZT_Modifier_ALT = 4,
};

typedef struct ZT_HostPlatform
{
    uint32_t version; // ZT_HostPlatform_VERSION
    // Milliseconds since an arbitrary start; wraps at 32 bits.
    uint32_t (*tick_count)(void);
    // Longest gap between two clicks of one multiple click, in milliseconds.
    uint32_t (*double_click_interval)(void);
    // Whether the left mouse button is down right now.
    int32_t (*left_button_down)(void);
    // ZT_Modifier_ bits held right now.
    uint32_t (*modifiers)(void);
    // The system colour chooser: rgb holds the initial colour and receives the
    // chosen one. Returns 0 when the user cancelled.
    int32_t (*choose_color)(uint8_t rgb[3]);
} ZT_HostPlatform;

#define ZT_HostPlatform_VERSION 1u
#define ZT_HostPlatform_SYMBOL "zelTonescopeHostPlatform"
}
