#include "framework/Messages.h"

#include <cstdio>

std::string MessageName(std::uint32_t msg) {
    switch (msg) {
#define HOPMARK_NAME_MESSAGE(name, value) \
    case value: return #name;
        HOPMARK_MESSAGES(HOPMARK_NAME_MESSAGE)
#undef HOPMARK_NAME_MESSAGE
    }
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", static_cast<unsigned>(msg));
    return text;
}
