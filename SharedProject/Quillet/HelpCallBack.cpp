#include "HelpCallBack.h"

#include <algorithm>

namespace quillet {

HelpCallBack::HelpCallBack() = default;
HelpCallBack::~HelpCallBack() = default;

HelpCallBack::Cookie HelpCallBack::Connect(MenuHelpSink sink)
{
    sinks_.push_back({++lastCookie_, std::move(sink)});
    return lastCookie_;
}

void HelpCallBack::Disconnect(Cookie cookie)
{
    std::erase_if(sinks_, [&](const Connection& c) { return c.cookie == cookie; });
}

void HelpCallBack::RaiseHelpEvent(std::string MenuText, std::string MenuHelp, const bool& Enabled)
{
    // A sink may connect or disconnect while the event runs; those raised to are fixed now.
    const auto receivers = sinks_;
    for (const auto& receiver : receivers) receiver.sink(MenuText, MenuHelp, Enabled);
}

} // namespace quillet
