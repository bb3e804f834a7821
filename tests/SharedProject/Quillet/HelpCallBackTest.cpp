// The help event that tells a client about a menu item.

#include "HelpCallBack.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

using quillet::HelpCallBack;
using Received = std::tuple<std::string, std::string, bool>;

TEST(QuilletHelpCallBack, EverySinkReceivesTheTwoTextsAndTheFlagInOrder)
{
    HelpCallBack callback;
    std::vector<Received> first;
    std::vector<Received> second;
    callback.Connect([&](std::string text, std::string help, bool enabled) {
        first.emplace_back(text, help, enabled);
        // A sink's changes stay with the sink.
        text = "changed";
        help.clear();
    });
    callback.Connect([&](std::string text, std::string help, bool enabled) { second.emplace_back(text, help, enabled); });

    std::string text = "&Save";
    std::string help = "Saves the record";
    const bool enabled = false;
    callback.RaiseHelpEvent(text, help, enabled);

    const std::vector<Received> expected = {{"&Save", "Saves the record", false}};
    EXPECT_EQ(first, expected);
    EXPECT_EQ(second, expected);
    EXPECT_EQ(text, "&Save");
    EXPECT_EQ(help, "Saves the record");
}

TEST(QuilletHelpCallBack, RaisingWithoutSinksDoesNothingAndADisconnectedSinkHearsNoMore)
{
    HelpCallBack callback;
    callback.RaiseHelpEvent("Open", "", true);

    int heard = 0;
    const auto cookie = callback.Connect([&](std::string, std::string, bool) { ++heard; });
    callback.RaiseHelpEvent("Open", "", true);
    callback.Disconnect(cookie);
    callback.RaiseHelpEvent("Open", "", true);
    EXPECT_EQ(heard, 1);
}

} // namespace
