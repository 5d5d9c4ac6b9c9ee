#include "script_files.h"

#include "value_text.h"

namespace bridge_sim {

namespace {

// Calls handle(line, where) for each line that is not empty or a comment; stops at false.
template <typename Handle>
bool ForEachLine(const std::string& text, std::string& error, Handle handle) {
    const std::vector<std::string> lines = SplitFields(text, '\n');
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string line = Trim(lines[i]);
        if (line.empty() || line.front() == '#') continue;
        std::string lineError;
        if (!handle(line, lineError)) {
            error = "line " + std::to_string(i + 1) + ": " + lineError;
            return false;
        }
    }
    return true;
}

bool ParseMessageLine(const std::string& line, Script& script, std::string& error) {
    BusMessage message;
    if (!ParseMessage(SplitFields(line), message, error)) return false;
    script.push_back(std::move(message));
    return true;
}

}  // namespace

bool ParseScript(const std::string& text, Script& script, std::string& error) {
    Script parsed;
    if (!ForEachLine(text, error, [&](const std::string& line, std::string& lineError) {
            return ParseMessageLine(line, parsed, lineError);
        })) {
        return false;
    }
    script = std::move(parsed);
    return true;
}

bool ParseScriptLibrary(const std::string& text, std::vector<LibraryScript>& library,
                        std::string& error) {
    std::vector<LibraryScript> parsed;
    const bool ok = ForEachLine(text, error, [&](const std::string& line, std::string& lineError) {
        if (line.rfind("script", 0) == 0 && (line.size() == 6 || line[6] == ' ')) {
            const std::string rest = Trim(line.substr(6));
            const std::size_t blank = rest.find(' ');
            const auto id = ParseInteger(rest.substr(0, blank));
            if (!id || *id < 0) {
                lineError = "\"script\" needs a script ID of 0 or more";
                return false;
            }
            for (const LibraryScript& known : parsed) {
                if (known.id == *id) {
                    lineError = "script ID " + std::to_string(*id) + " appears twice";
                    return false;
                }
            }
            const std::string name = blank == std::string::npos ? "" : Trim(rest.substr(blank));
            parsed.push_back(LibraryScript{static_cast<int>(*id), name, {}});
            return true;
        }
        if (parsed.empty()) {
            lineError = "a message before the first \"script ID\" line";
            return false;
        }
        return ParseMessageLine(line, parsed.back().messages, lineError);
    });
    if (!ok) return false;
    library = std::move(parsed);
    return true;
}

bool ParseAutomator(const std::string& text, std::vector<int>& scriptIds, std::string& error) {
    std::vector<int> parsed;
    if (!ForEachLine(text, error, [&](const std::string& line, std::string& lineError) {
            const auto id = ParseInteger(line);
            if (!id || *id < 0) {
                lineError = "\"" + line + "\" is not a script ID";
                return false;
            }
            parsed.push_back(static_cast<int>(*id));
            return true;
        })) {
        return false;
    }
    scriptIds = std::move(parsed);
    return true;
}

bool ParseProjectFile(const std::string& text, ProjectFile& project, std::string& error) {
    ProjectFile parsed;
    if (!ForEachLine(text, error, [&](const std::string& line, std::string& lineError) {
            const std::size_t equals = line.find('=');
            const std::string key = Trim(line.substr(0, equals));
            const std::string value =
                equals == std::string::npos ? std::string() : Trim(line.substr(equals + 1));
            if (equals == std::string::npos || value.empty()) {
                lineError = "expected \"library = FILE\" or \"script = FILE\"";
                return false;
            }
            if (key == "library") {
                parsed.library = value;
            } else if (key == "script") {
                parsed.script = value;
            } else {
                lineError = "unknown key \"" + key + "\" (library or script)";
                return false;
            }
            return true;
        })) {
        return false;
    }
    project = std::move(parsed);
    return true;
}

}  // namespace bridge_sim
