#pragma once

// Stand-ins for the front end in the fonts tests: a switch that does
// nothing and a message sink that keeps what it was shown.

#include <string>
#include <vector>

#include "pelorin/fonts/EudcSwitch.h"
#include "pelorin/fonts/FontMessages.h"

namespace pelorin::fonts::fakes {

class NoSwitch final : public EudcSwitch {
public:
    bool available() const override { return true; }
    void turnOff() override {}
    void turnOn(MessageSink&) override {}
};

class CollectedMessages final : public MessageSink {
public:
    void show(const std::string& message) override { shown.push_back(message); }
    std::vector<std::string> shown;
};

}  // namespace pelorin::fonts::fakes
