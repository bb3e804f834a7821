#pragma once

// Tells connected clients a menu item's text, help text and enabled state.

#include "platform/ServerModule.h"

#include <functional>
#include <string>
#include <vector>

namespace quillet {

class HelpCallBack {
public:
    // Event MenuHelp(MenuText, MenuHelp, Enabled); each sink gets its own copies.
    using MenuHelpSink = std::function<void(std::string MenuText, std::string MenuHelp, bool Enabled)>;
    using Cookie = unsigned;

    HelpCallBack();
    HelpCallBack(const HelpCallBack&) = delete;
    HelpCallBack& operator=(const HelpCallBack&) = delete;
    ~HelpCallBack();

    Cookie Connect(MenuHelpSink sink);
    void Disconnect(Cookie cookie);

    // Raises MenuHelp once to every connected sink, in the order they connected.
    void RaiseHelpEvent(std::string MenuText, std::string MenuHelp, const bool& Enabled);

private:
    struct Connection {
        Cookie cookie;
        MenuHelpSink sink;
    };
    std::vector<Connection> sinks_;
    Cookie lastCookie_ = 0;
    com::LiveObject live_;
};

} // namespace quillet
