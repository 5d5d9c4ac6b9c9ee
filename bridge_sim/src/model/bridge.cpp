#include "bridge.h"

#include <algorithm>
#include <optional>

#include "command_files.h"
#include "command_table.h"
#include "register_file.h"
#include "text_file.h"
#include "value_text.h"
#include "vantrel.h"

namespace bridge_sim {

namespace cmd = vantrel::commands;

struct Bridge::Command {
    std::string keyword;
    std::vector<std::string> args;
};

struct Bridge::Row {
    const vantrel::CommandRow* command;
    Handler handler;
    std::vector<const char*> argumentNames;  // the ones that must be there
    bool textTail;   // a text argument may hold commas, so more fields than names are fine
    bool takesLong;
};

namespace {

Answer Fail(int status, std::string reason) { return Answer{status, std::move(reason)}; }
Answer Invalid(std::string reason) { return Fail(KOV_INVALID_VALUE, std::move(reason)); }
Answer FromFailure(const Failure& failure) { return Fail(failure.status, failure.reason); }

// Reads an integer argument within [low, high]; the failure answer names the argument.
std::optional<Answer> ReadInt(const std::string& text, const char* name, std::int64_t low,
                              std::int64_t high, int& out) {
    const auto value = ParseInteger(text);
    if (!value) return Invalid(std::string(name) + " \"" + Trim(text) + "\" is not a number");
    if (*value < low || *value > high) {
        return Invalid(std::string(name) + " " + std::to_string(*value) + " is outside " +
                       std::to_string(low) + " to " + std::to_string(high));
    }
    out = static_cast<int>(*value);
    return std::nullopt;
}

std::optional<Answer> ReadFlag(const std::string& text, bool& on) {
    int value = 0;
    if (auto bad = ReadInt(text, "flag", 0, 1, value)) return bad;
    on = value == 1;
    return std::nullopt;
}

// A text argument followed by trailingCount integer arguments: the text is everything before
// them, commas included, as the library sends texts unchanged.
std::string LeadingText(const std::vector<std::string>& args, std::size_t trailingCount) {
    const std::vector<std::string> head(args.begin(), args.end() - static_cast<long>(trailingCount));
    return JoinFields(head, 0);
}

Answer ReadFileText(const std::string& path, std::string& text) {
    if (Trim(path).empty()) return Invalid("the file name is empty");
    if (!vantrel::ReadWholeTextFile(HostPath(path), text)) {
        return Fail(KOV_FILE_READ_ERROR, "cannot read \"" + path + "\"");
    }
    return Answer{};
}

Answer WriteFileText(const std::string& path, const std::string& text) {
    if (Trim(path).empty()) return Invalid("the file name is empty");
    if (!WriteWholeTextFile(HostPath(path), text)) {
        return Fail(KOV_FILE_WRITE_ERROR, "cannot write \"" + path + "\"");
    }
    return Answer{};
}

int SliceSizeCode(int bytes) {
    static constexpr int kSizes[] = {1, 2, 3, 4, 6, 8, 12, 16};
    return static_cast<int>(std::find(std::begin(kSizes), std::end(kSizes), bytes) - std::begin(kSizes));
}

// Presence rates of the 44.1 kHz family (codes 9 to 15) need the 22.5792 MHz root frequency
// (code 2); the others need one of the 48 kHz family.
bool RateMismatch(int rate, int rootFrequency) {
    if (rate == 0) return false;
    const bool rate441 = rate >= 9 && rate <= 15;
    return rate441 != (rootFrequency == 2);
}

std::string JoinInts(std::initializer_list<std::string> fields) {
    std::string text;
    for (const std::string& field : fields) {
        if (!text.empty()) text += ',';
        text += field;
    }
    return text;
}

}  // namespace

const std::vector<Bridge::Row>& Bridge::Rows() {
    static const std::vector<Row> rows = {
        {&cmd::kOpen, &Bridge::Open, {}, false, false},
        {&cmd::kClose, &Bridge::Close, {}, false, false},
        {&cmd::kGetSWVersion, &Bridge::GetSWVersion, {}, false, false},
        {&cmd::kGetModel, &Bridge::GetModel, {}, false, false},
        {&cmd::kLoadProjectFile, &Bridge::LoadProjectFile, {"project file"}, true, true},
        {&cmd::kRequestScriptLibraryContent, &Bridge::RequestScriptLibraryContent, {}, false, false},
        {&cmd::kPlayScript, &Bridge::LoadPlayScript, {"script file"}, true, true},
        {&cmd::kRequestPortConfig, &Bridge::RequestPortConfig, {}, false, false},
        {&cmd::kLoadScriptLib, &Bridge::LoadScriptLib, {"script library file"}, true, true},
        {&cmd::kLoadScript, &Bridge::LoadScript, {"script file"}, true, false},
        {&cmd::kRequestBusStatus, &Bridge::RequestBusStatus, {}, false, false},
        {&cmd::kPlayMessage, &Bridge::PlayMessage,
         {"message type", "message code", "source address", "destination address"}, true, false},
        {&cmd::kPlayBuffer, &Bridge::PlayBuffer, {}, false, true},
        {&cmd::kPlayScriptID, &Bridge::PlayScriptID, {"script ID"}, false, true},
        {&cmd::kFramerControl, &Bridge::FramerControl, {"flag"}, false, false},
        {&cmd::kManagerControl, &Bridge::ManagerControl, {"flag"}, false, false},
        {&cmd::kSnifferControl, &Bridge::SnifferControl, {"flag"}, false, false},
        {&cmd::kBridgeReset, &Bridge::BridgeReset, {}, false, false},
        {&cmd::kRequestBridgeConfig, &Bridge::RequestBridgeConfig, {}, false, false},
        {&cmd::kImportRegister, &Bridge::ImportRegister,
         {"register file", "logical address", "slice size"}, true, true},
        {&cmd::kExportRegister, &Bridge::ExportRegister, {"register file"}, true, true},
        {&cmd::kExportLiveView, &Bridge::ExportLiveView, {"live-view file", "start index"}, true, true},
        {&cmd::kLiveViewCount, &Bridge::LiveViewCount, {}, false, false},
        {&cmd::kWriteRegister, &Bridge::WriteRegister,
         {"logical address", "register address", "data"}, true, false},
        {&cmd::kReadRegister, &Bridge::ReadRegister,
         {"logical address", "register address", "slice size"}, false, false},
        {&cmd::kSetPollTiming, &Bridge::SetPollTiming, {"bridge poll period"}, false, false},
        {&cmd::kReportFramerConfig, &Bridge::ReportFramerConfig, {}, false, false},
        {&cmd::kReportPhyConfig, &Bridge::ReportPhyConfig, {}, false, false},
        {&cmd::kReportClkConfig, &Bridge::ReportClkConfig, {}, false, false},
        {&cmd::kReportDigAudioConfig, &Bridge::ReportDigAudioConfig, {}, false, false},
        {&cmd::kReportDataPathConfig, &Bridge::ReportDataPathConfig, {}, false, false},
        {&cmd::kReportPresenceRate, &Bridge::ReportPresenceRate, {}, false, false},
        {&cmd::kIPReset, &Bridge::IPReset, {}, false, false},
        {&cmd::kLoadAutomatorFilename, &Bridge::LoadAutomatorFilename, {"automator file"}, true, true},
        {&cmd::kUseLiterals, &Bridge::UseLiterals, {"flag"}, false, false},
        {&cmd::kClearLiveView, &Bridge::ClearLiveView, {}, false, false},
    };
    return rows;
}

const Bridge::Row* Bridge::FindRow(const std::string& keyword, int number, bool& keywordKnown) {
    keywordKnown = false;
    for (const Row& row : Rows()) {
        if (keyword != row.command->keyword) continue;
        keywordKnown = true;
        if (row.command->number == number) return &row;
    }
    return nullptr;
}

Answer Bridge::Execute(const std::string& commandLine) {
    std::vector<std::string> fields = SplitFields(commandLine);
    Command command{fields[0], {}};
    if (command.keyword.empty()) return Fail(KOV_ACTION_NOT_ALLOWED, "empty command");
    if (fields.size() < 2) {
        return Invalid("missing argument: the command number after " + command.keyword);
    }
    const auto number = ParseInteger(fields[1]);
    bool keywordKnown = false;
    const Row* row = number ? FindRow(command.keyword, static_cast<int>(*number), keywordKnown)
                            : FindRow(command.keyword, -1, keywordKnown);
    if (row == nullptr) {
        if (!keywordKnown) {
            return Fail(KOV_ACTION_NOT_ALLOWED, "unknown keyword \"" + command.keyword + "\"");
        }
        return Invalid("\"" + command.keyword + "\" does not take command number \"" + fields[1] + "\"");
    }
    command.args.assign(fields.begin() + 2, fields.end());
    if (command.args.size() < row->argumentNames.size()) {
        return Invalid(std::string("missing argument: ") + command.keyword + " needs the " +
                       row->argumentNames[command.args.size()]);
    }
    if (!row->textTail && command.args.size() > row->argumentNames.size()) {
        return Invalid(command.keyword + " takes " + std::to_string(row->argumentNames.size()) +
                       " argument(s), not " + std::to_string(command.args.size()));
    }
    return (this->*(row->handler))(command);
}

bool Bridge::TakesLong(const std::string& commandLine) const {
    const std::vector<std::string> fields = SplitFields(commandLine);
    if (fields.size() < 2) return false;
    const auto number = ParseInteger(fields[1]);
    bool keywordKnown = false;
    const Row* row = FindRow(fields[0], number ? static_cast<int>(*number) : -1, keywordKnown);
    return row != nullptr && row->takesLong;
}

// --- bus traffic ---------------------------------------------------------------------------

MaybeFailure Bridge::Play(const BusMessage& message, std::optional<BusMessage>& response) {
    MaybeFailure failure = bus_.Play(message, response);
    // The sniffer sees what reached the bus: everything but what a stopped clock kept off it.
    if (sniffer_ && !(failure && failure->status == KOV_ACTION_NOT_ALLOWED)) {
        liveView_.Record(message);
        if (response) liveView_.Record(*response);
    }
    return failure;
}

Answer Bridge::PlayScript(const Script& script, const std::string& what) {
    for (std::size_t i = 0; i < script.size(); ++i) {
        std::optional<BusMessage> response;
        if (auto failure = Play(script[i], response)) {
            return Fail(failure->status, what + ", message " + std::to_string(i + 1) + " of " +
                                             std::to_string(script.size()) + ": " + failure->reason);
        }
    }
    return Answer{0, what + ": " + std::to_string(script.size()) + " messages played"};
}

void Bridge::RecordRegisterRead(int logicalAddress, int address,
                                const std::vector<std::uint8_t>& bytes) {
    if (!sniffer_) return;
    const int element = (address << 4) | 0x8 | SliceSizeCode(static_cast<int>(bytes.size()));
    const auto tid = static_cast<std::uint8_t>(nextTransactionId_++ & 0xFF);
    liveView_.Record(BusMessage{message_type::kCore, core_code::kRequestValue, kManagerAddress,
                                logicalAddress,
                                {tid, static_cast<std::uint8_t>(element & 0xFF),
                                 static_cast<std::uint8_t>(element >> 8)}});
    liveView_.Record(BusMessage{message_type::kCore, core_code::kReplyValue, logicalAddress, kManagerAddress,
                                JoinPayload({tid}, bytes)});
}

void Bridge::RecordRegisterWrite(int logicalAddress, int address,
                                 const std::vector<std::uint8_t>& bytes) {
    if (!sniffer_) return;
    const int element = (address << 4) | 0x8 | SliceSizeCode(static_cast<int>(bytes.size()));
    liveView_.Record(BusMessage{
        message_type::kCore, core_code::kChangeValue, kManagerAddress, logicalAddress,
        JoinPayload({static_cast<std::uint8_t>(element & 0xFF), static_cast<std::uint8_t>(element >> 8)}, bytes)});
}

// --- connection and identity ---------------------------------------------------------------

Answer Bridge::Open(const Command&) {
    open_ = true;
    return Answer{0, "bridge open"};
}

Answer Bridge::Close(const Command&) {
    open_ = false;
    return Answer{0, "bridge closed"};
}

Answer Bridge::GetSWVersion(const Command&) { return Answer{0, std::to_string(kSoftwareVersion)}; }

Answer Bridge::GetModel(const Command&) { return Answer{0, "SLIMbus bridge simulator,3.2.1,1.4"}; }

// --- scripts -------------------------------------------------------------------------------

Answer Bridge::LoadScriptFile(const std::string& path, Script& script) {
    std::string text;
    if (Answer read = ReadFileText(path, text); read.status < 0) return read;
    std::string error;
    if (!ParseScript(text, script, error)) return Invalid(path + " " + error);
    return Answer{};
}

Answer Bridge::LoadLibraryFile(const std::string& path) {
    std::string text;
    if (Answer read = ReadFileText(path, text); read.status < 0) return read;
    std::vector<LibraryScript> library;
    std::string error;
    if (!ParseScriptLibrary(text, library, error)) return Invalid(path + " " + error);
    library_ = std::move(library);
    libraryName_ = path;
    return Answer{0, "script library " + path + ": " + std::to_string(library_.size()) + " scripts"};
}

Answer Bridge::LoadScript(const Command& command) {
    const std::string path = JoinFields(command.args, 0);
    Script script;
    if (Answer loaded = LoadScriptFile(path, script); loaded.status < 0) return loaded;
    scriptBuffer_ = std::move(script);
    scriptBufferName_ = path;
    return Answer{0, "script " + path + " loaded: " + std::to_string(scriptBuffer_.size()) + " messages"};
}

Answer Bridge::LoadPlayScript(const Command& command) {
    if (Answer loaded = LoadScript(command); loaded.status < 0) return loaded;
    return PlayScript(scriptBuffer_, "script " + scriptBufferName_);
}

Answer Bridge::PlayBuffer(const Command&) {
    if (scriptBufferName_.empty()) return Fail(KOV_ACTION_NOT_ALLOWED, "no script loaded");
    return PlayScript(scriptBuffer_, "script " + scriptBufferName_);
}

Answer Bridge::LoadScriptLib(const Command& command) {
    return LoadLibraryFile(JoinFields(command.args, 0));
}

Answer Bridge::PlayScriptID(const Command& command) {
    int id = 0;
    if (auto bad = ReadInt(command.args[0], "script ID", 0, INT32_MAX, id)) return *bad;
    if (libraryName_.empty()) return Fail(KOV_ACTION_NOT_ALLOWED, "no script library loaded");
    for (const LibraryScript& script : library_) {
        if (script.id == id) return PlayScript(script.messages, "script " + std::to_string(id));
    }
    return Invalid("script ID " + std::to_string(id) + " is not in the library");
}

Answer Bridge::LoadAutomatorFilename(const Command& command) {
    const std::string path = JoinFields(command.args, 0);
    std::string text;
    if (Answer read = ReadFileText(path, text); read.status < 0) return read;
    std::vector<int> ids;
    std::string error;
    if (!ParseAutomator(text, ids, error)) return Invalid(path + " " + error);
    if (libraryName_.empty() && !ids.empty()) {
        return Fail(KOV_ACTION_NOT_ALLOWED, "the automator needs a script library; none is loaded");
    }
    // Every ID is checked before anything plays, so a bad automator changes nothing.
    std::vector<const LibraryScript*> scripts;
    for (const int id : ids) {
        const auto found = std::find_if(library_.begin(), library_.end(),
                                        [id](const LibraryScript& s) { return s.id == id; });
        if (found == library_.end()) {
            return Invalid(path + ": script ID " + std::to_string(id) + " is not in the library");
        }
        scripts.push_back(&*found);
    }
    std::size_t messages = 0;
    for (const LibraryScript* script : scripts) {
        if (Answer played = PlayScript(script->messages, "script " + std::to_string(script->id));
            played.status < 0) {
            return played;
        }
        messages += script->messages.size();
    }
    return Answer{0, "automator " + path + ": " + std::to_string(scripts.size()) + " scripts, " +
                         std::to_string(messages) + " messages played"};
}

Answer Bridge::LoadProjectFile(const Command& command) {
    const std::string path = JoinFields(command.args, 0);
    std::string text;
    if (Answer read = ReadFileText(path, text); read.status < 0) return read;
    ProjectFile project;
    std::string error;
    if (!ParseProjectFile(text, project, error)) return Invalid(path + " " + error);
    const std::string base = DirectoryOf(HostPath(path));
    const auto resolve = [&base](const std::string& name) {
        const bool absolute = name.front() == '/' || HostPath(name) != name;
        return absolute ? name : base + name;
    };
    // Load both before taking either, so a project with one bad file changes nothing.
    Script script;
    if (!project.script.empty()) {
        if (Answer loaded = LoadScriptFile(resolve(project.script), script); loaded.status < 0) {
            return loaded;
        }
    }
    if (!project.library.empty()) {
        if (Answer loaded = LoadLibraryFile(resolve(project.library)); loaded.status < 0) return loaded;
    }
    if (!project.script.empty()) {
        scriptBuffer_ = std::move(script);
        scriptBufferName_ = resolve(project.script);
    }
    return Answer{0, "project " + path + ": library " +
                         (project.library.empty() ? "-" : project.library) + ", script " +
                         (project.script.empty() ? "-" : project.script)};
}

Answer Bridge::RequestScriptLibraryContent(const Command&) {
    if (libraryName_.empty()) return Answer{0, "no script library loaded"};
    std::string text = std::to_string(library_.size()) + " scripts:";
    for (const LibraryScript& script : library_) {
        text += " " + std::to_string(script.id);
        if (!script.name.empty()) text += " " + script.name;
        text += " (" + std::to_string(script.messages.size()) + " messages);";
    }
    text.pop_back();
    return Answer{0, text};
}

// --- messages and registers ----------------------------------------------------------------

Answer Bridge::PlayMessage(const Command& command) {
    // type, code, source, destination, then everything else is the payload.
    BusMessage message;
    std::string error;
    if (!ParseMessage(command.args, message, error)) return Invalid(error);
    std::optional<BusMessage> response;
    if (auto failure = Play(message, response)) return FromFailure(*failure);
    if (response) return Answer{0, FormatMessage(*response, literals_)};
    const std::string name = CoreMessageName(message.code).value_or(HexText(message.code, 2));
    return Answer{0, "sent " + (message.type == message_type::kCore ? name : HexText(message.code, 2)) +
                         " to " + (message.destination ? std::to_string(*message.destination) : "all")};
}

Answer Bridge::ReadRegister(const Command& command) {
    int logicalAddress = 0;
    int address = 0;
    int size = 0;
    if (auto bad = ReadInt(command.args[0], "logical address", 0, 0xFF, logicalAddress)) return *bad;
    if (auto bad = ReadInt(command.args[1], "register address", 0, kValueMapSize - 1, address)) return *bad;
    if (auto bad = ReadInt(command.args[2], "slice size", 1, 16, size)) return *bad;
    std::vector<std::uint8_t> bytes;
    if (auto failure = bus_.ReadValue(logicalAddress, address, size, bytes)) return FromFailure(*failure);
    RecordRegisterRead(logicalAddress, address, bytes);
    return Answer{0, FormatByteList(bytes)};
}

Answer Bridge::WriteRegister(const Command& command) {
    int logicalAddress = 0;
    int address = 0;
    if (auto bad = ReadInt(command.args[0], "logical address", 0, 0xFF, logicalAddress)) return *bad;
    if (auto bad = ReadInt(command.args[1], "register address", 0, kValueMapSize - 1, address)) return *bad;
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (!ParseByteList({command.args.begin() + 2, command.args.end()}, bytes, error)) {
        return Invalid("data " + error);
    }
    if (auto failure = bus_.WriteValue(logicalAddress, address, bytes)) return FromFailure(*failure);
    RecordRegisterWrite(logicalAddress, address, bytes);
    return Answer{0, std::to_string(bytes.size()) + " bytes written at " + HexText(address, 3)};
}

Answer Bridge::ImportRegister(const Command& command) {
    const std::string path = LeadingText(command.args, 2);
    int logicalAddress = 0;
    int sliceSize = 0;
    const std::size_t n = command.args.size();
    if (auto bad = ReadInt(command.args[n - 2], "logical address", 0, 0xFF, logicalAddress)) return *bad;
    if (auto bad = ReadInt(command.args[n - 1], "slice size", 1, 16, sliceSize)) return *bad;
    if (!IsSliceSize(sliceSize)) {
        return Invalid("slice size " + std::to_string(sliceSize) +
                       " is not one of 1, 2, 3, 4, 6, 8, 12, 16 bytes");
    }
    std::string text;
    if (Answer read = ReadFileText(path, text); read.status < 0) return read;
    std::vector<RegisterSection> sections;
    std::string error;
    if (!ParseRegisterFile(text, sections, error)) return Invalid(path + " " + error);

    // Entries without a device, and those of the named device; checked whole before writing.
    std::vector<RegisterEntry> entries;
    for (const RegisterSection& section : sections) {
        if (section.device && *section.device != logicalAddress) continue;
        entries.insert(entries.end(), section.entries.begin(), section.entries.end());
    }
    for (const RegisterEntry& entry : entries) {
        if (entry.bytes.size() % static_cast<std::size_t>(sliceSize) != 0) {
            return Invalid(path + ": the entry at " + HexText(entry.address, 3) + " has " +
                           std::to_string(entry.bytes.size()) + " bytes, not a multiple of the slice size " +
                           std::to_string(sliceSize));
        }
    }
    std::vector<std::uint8_t> probe;
    if (auto failure = bus_.ReadValue(logicalAddress, 0, 1, probe)) return FromFailure(*failure);
    std::size_t written = 0;
    for (const RegisterEntry& entry : entries) {
        for (std::size_t at = 0; at < entry.bytes.size(); at += static_cast<std::size_t>(sliceSize)) {
            const std::vector<std::uint8_t> slice(entry.bytes.begin() + static_cast<long>(at),
                                                  entry.bytes.begin() + static_cast<long>(at) + sliceSize);
            const int address = entry.address + static_cast<int>(at);
            if (auto failure = bus_.WriteValue(logicalAddress, address, slice)) return FromFailure(*failure);
            RecordRegisterWrite(logicalAddress, address, slice);
            written += slice.size();
        }
    }
    return Answer{0, std::to_string(written) + " bytes imported to device " +
                         std::to_string(logicalAddress) + " from " + path};
}

Answer Bridge::ExportRegister(const Command& command) {
    const std::string path = JoinFields(command.args, 0);
    if (Answer written = WriteFileText(path, FormatRegisterFile(bus_.devices())); written.status < 0) {
        return written;
    }
    return Answer{0, std::to_string(bus_.devices().size()) + " devices exported to " + path};
}

// --- live view -----------------------------------------------------------------------------

Answer Bridge::ExportLiveView(const Command& command) {
    const std::string path = LeadingText(command.args, 1);
    const int count = static_cast<int>(liveView_.Count());
    int start = 0;
    if (auto bad = ReadInt(command.args.back(), "start index", 0, count, start)) return *bad;
    std::string text = "# live view entries " + std::to_string(start) + " to " + std::to_string(count - 1) +
                       ": type,code,source,destination,payload\n";
    const auto& entries = liveView_.entries();
    for (auto it = entries.begin() + start; it != entries.end(); ++it) {
        text += FormatMessage(*it, literals_) + "\n";
    }
    if (Answer written = WriteFileText(path, text); written.status < 0) return written;
    return Answer{0, std::to_string(count - start) + " entries exported to " + path};
}

Answer Bridge::LiveViewCount(const Command&) { return Answer{0, std::to_string(liveView_.Count())}; }

Answer Bridge::ClearLiveView(const Command&) {
    return Answer{0, std::to_string(liveView_.Clear()) + ",entries cleared"};
}

Answer Bridge::UseLiterals(const Command& command) {
    if (auto bad = ReadFlag(command.args[0], literals_)) return *bad;
    return Answer{0, std::string(literals_ ? "1" : "0") + ",literals " + OnOff(literals_)};
}

// --- switches, status and configuration -----------------------------------------------------

Answer Bridge::FramerControl(const Command& command) {
    if (auto bad = ReadFlag(command.args[0], framer_)) return *bad;
    bus_.SetClockRunning(framer_);
    return Answer{0, "framer " + OnOff(framer_)};
}

Answer Bridge::ManagerControl(const Command& command) {
    if (auto bad = ReadFlag(command.args[0], manager_)) return *bad;
    return Answer{0, "manager " + OnOff(manager_)};
}

Answer Bridge::SnifferControl(const Command& command) {
    if (auto bad = ReadFlag(command.args[0], sniffer_)) return *bad;
    return Answer{0, "sniffer " + OnOff(sniffer_)};
}

Answer Bridge::BridgeReset(const Command&) {
    bus_.Reset();
    liveView_.Clear();
    framer_ = manager_ = sniffer_ = true;
    bus_.SetClockRunning(true);
    literals_ = false;
    scriptBuffer_.clear();
    scriptBufferName_.clear();
    library_.clear();
    libraryName_.clear();
    return Answer{0, "bridge reset"};
}

Answer Bridge::RequestBridgeConfig(const Command&) {
    std::string devices;
    for (const Device& device : bus_.devices()) {
        if (!devices.empty()) devices += ' ';
        devices += std::to_string(device.logicalAddress) + ":" + device.name;
    }
    return Answer{0, "Framer " + OnOff(framer_) + ",Manager " + OnOff(manager_) + ",Sniffer " +
                         OnOff(sniffer_) + ",Literals " + OnOff(literals_) + ",Poll " +
                         std::to_string(pollPeriodMs_) + " ms,Devices " + devices};
}

Answer Bridge::RequestBusStatus(const Command&) {
    const Clocking& clocking = bus_.clocking();
    return Answer{0, JoinInts({std::to_string(clocking.clockGear), std::to_string(clocking.rootFrequency),
                               framer_ ? "0" : "1", clocking.paused ? "1" : "0"})};
}

Answer Bridge::RequestPortConfig(const Command&) {
    const PortConfiguration& config = bus_.portConfiguration();
    std::string text;
    for (const char port : config.ports) {
        text += port;
        text += ',';
    }
    const int rf = bus_.clocking().rootFrequency;
    const int input = config.presenceRates[0];
    const int output = config.presenceRates[1];
    text += JoinInts({std::to_string(input), RateMismatch(input, rf) ? "1" : "0", std::to_string(output),
                      RateMismatch(output, rf) ? "1" : "0"});
    return Answer{0, text};
}

Answer Bridge::SetPollTiming(const Command& command) {
    if (auto bad = ReadInt(command.args[0], "bridge poll period", 1, 60000, pollPeriodMs_)) return *bad;
    return Answer{0, "bridge poll period " + std::to_string(pollPeriodMs_) + " ms"};
}

Answer Bridge::IPReset(const Command&) {
    bus_.ResumeClock();
    return Answer{0, "0,IP reset"};
}

// The configuration reports: the bridge's fixed set-up, some fields in hexadecimal as the
// bridge's registers show them.
Answer Bridge::ReportFramerConfig(const Command&) {
    return Answer{0, JoinInts({std::to_string(bus_.clocking().rootFrequency), "0x1F",
                               std::to_string(bus_.clocking().clockGear), "0x02", "0x0001"})};
}

Answer Bridge::ReportPhyConfig(const Command&) { return Answer{0, "1,1,0"}; }

Answer Bridge::ReportClkConfig(const Command&) { return Answer{0, "0x01,0,1,0x02,0x04,0x01,0x02"}; }

Answer Bridge::ReportDigAudioConfig(const Command&) {
    return Answer{0, "0,0,1,0,0x01,0x02,24,0,0x02,24,0"};
}

Answer Bridge::ReportDataPathConfig(const Command&) { return Answer{0, "0x01,0x02,0,0x03,0x10,0,0x11,0"}; }

Answer Bridge::ReportPresenceRate(const Command&) {
    std::string text;
    for (const int rate : bus_.portConfiguration().presenceRates) {
        if (!text.empty()) text += ',';
        text += std::to_string(rate);
    }
    return Answer{0, text};
}

}  // namespace bridge_sim
