// The back ends built into this program, and the choice among them at start-up.
//
// A back end is added by writing its class behind backend.h and one row in
// backend_registry.cpp; nothing else in the layer or the console changes.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "backend.h"

namespace ui {

struct BackendFactory {
    const char* name;        // "headless", "qt", ...
    bool showsWindows;       // a real window a person can use
    std::function<std::unique_ptr<Backend>()> create;
};

// Every back end compiled into this program, the window back ends first.
const std::vector<BackendFactory>& AvailableBackends();

// The headless back end when `headless` is set, else the first window back end. Without one,
// returns nullptr and puts a message for the user into `error`. A back end that cannot start
// (no display) also gives nullptr; its factory has then written why, and `error` stays empty.
std::unique_ptr<Backend> ChooseBackend(bool headless, std::string& error);

}  // namespace ui
