// The bridge's script formats. Lines are trimmed; empty lines and lines that begin with # are
// ignored everywhere.
//
// Script: one bus message a line, in the text form of bus_message.h.
// Script library: scripts under headers "script ID [name]", ID a number from 0 upward.
// Automator: one script ID of the loaded library a line, played in order.
// Project: "library = FILE" and "script = FILE" lines; a relative FILE is taken from the project
// file's directory.
#pragma once

#include <string>
#include <vector>

#include "bus_message.h"

namespace bridge_sim {

using Script = std::vector<BusMessage>;

struct LibraryScript {
    int id;
    std::string name;
    Script messages;
};

struct ProjectFile {
    std::string library;  // empty: none named
    std::string script;
};

// Each returns false with error naming the line when the text does not follow its format.
bool ParseScript(const std::string& text, Script& script, std::string& error);
bool ParseScriptLibrary(const std::string& text, std::vector<LibraryScript>& library,
                        std::string& error);
bool ParseAutomator(const std::string& text, std::vector<int>& scriptIds, std::string& error);
bool ParseProjectFile(const std::string& text, ProjectFile& project, std::string& error);

}  // namespace bridge_sim
