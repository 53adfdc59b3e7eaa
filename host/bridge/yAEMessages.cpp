#include "host/bridge/yAEMessages.h"

#include "host/sdk/AE_Profile.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace yAE
{
namespace
{
constexpr size_t kMessageCapacity = PF_MAX_EFFECT_MSG_LEN; // characters, without the terminator

std::string Text(const char* text)
{
    return text ? std::string(text) : std::string();
}

// Shortens the pieces, last first, until their total fits into room.
void CutToFit(std::string* pieces[], int count, size_t room)
{
    size_t total = 0;
    for (int i = 0; i < count; ++i)
        total += pieces[i]->size();
    for (int i = count - 1; i >= 0 && total > room; --i)
    {
        const size_t cut = std::min(pieces[i]->size(), total - room);
        pieces[i]->resize(pieces[i]->size() - cut);
        total -= cut;
    }
}

using HostSprintf = int (*)(A_char*, const A_char*, ...);

HostSprintf SprintfOf(const PF_InData* in_data)
{
    const ae_profile::PF_UtilCallbacks* utils = ae_profile::UtilsOf(in_data);
    return utils ? utils->ansi.sprintf : nullptr;
}
} // namespace

void WriteErrorMessage(const PF_InData* in_data, PF_OutData* out_data, const char* pluginName,
                       const char* function, const char* message)
{
    if (!out_data) return;
    static const char kFormat[] = "%s:\n%s: %s: %s %s";
    std::string title = kErrorTitle, name = Text(pluginName), func = Text(function), text = Text(message);
    std::string footer = kSupportFooter;
    const size_t fixed = std::strlen(":\n: :  ");
    std::string* pieces[] = {&title, &name, &func, &text};
    const size_t room = kMessageCapacity - fixed - footer.size();
    CutToFit(pieces, 4, room);
    if (HostSprintf print = SprintfOf(in_data))
        print(out_data->return_msg, kFormat, title.c_str(), name.c_str(), func.c_str(), text.c_str(),
              footer.c_str());
    else
        std::snprintf(out_data->return_msg, sizeof out_data->return_msg, kFormat, title.c_str(), name.c_str(),
                      func.c_str(), text.c_str(), footer.c_str());
}

void WriteMessage(const PF_InData* in_data, PF_OutData* out_data, const char* title, const char* text)
{
    if (!out_data) return;
    static const char kFormat[] = "%s:\n%s";
    std::string head = Text(title), body = Text(text);
    std::string* pieces[] = {&head, &body};
    CutToFit(pieces, 2, kMessageCapacity - std::strlen(":\n"));
    if (HostSprintf print = SprintfOf(in_data))
        print(out_data->return_msg, kFormat, head.c_str(), body.c_str());
    else
        std::snprintf(out_data->return_msg, sizeof out_data->return_msg, kFormat, head.c_str(), body.c_str());
}
} // namespace yAE
