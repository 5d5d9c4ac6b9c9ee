// The simulated bridge: takes one command line as the library sends it and answers with a
// status number and a reply line. Every keyword of the library's command table has a handler
// here; a bad command is answered with a negative status and a reply saying what was wrong.
// It knows nothing of the mailbox: the service in ../service delivers commands to it.
#pragma once

#include <string>
#include <vector>

#include "answer.h"
#include "live_view.h"
#include "script_files.h"
#include "slimbus_bus.h"

namespace bridge_sim {

class Bridge {
public:
    static constexpr int kDefaultPollPeriodMs = 200;
    static constexpr int kSoftwareVersion = 0x020401;  // 2.4.1, in the three low bytes

    explicit Bridge(int pollPeriodMs = kDefaultPollPeriodMs) : pollPeriodMs_(pollPeriodMs) {}

    Answer Execute(const std::string& commandLine);

    // Commands that play scripts or move whole files take long on a real bridge; the service
    // raises its busy marker around them.
    bool TakesLong(const std::string& commandLine) const;

    // The period at which a polling service looks for commands ("SetPollTiming").
    int pollPeriodMs() const { return pollPeriodMs_; }

    const SlimbusBus& bus() const { return bus_; }
    const LiveView& liveView() const { return liveView_; }

private:
    struct Command;
    struct Row;
    using Handler = Answer (Bridge::*)(const Command&);
    static const std::vector<Row>& Rows();
    static const Row* FindRow(const std::string& keyword, int number, bool& keywordKnown);

    // Plays one message on the bus and records it and any answer in the live view.
    MaybeFailure Play(const BusMessage& message, std::optional<BusMessage>& response);
    Answer PlayScript(const Script& script, const std::string& what);
    Answer LoadScriptFile(const std::string& path, Script& script);
    Answer LoadLibraryFile(const std::string& path);
    void RecordRegisterRead(int logicalAddress, int address, const std::vector<std::uint8_t>& bytes);
    void RecordRegisterWrite(int logicalAddress, int address, const std::vector<std::uint8_t>& bytes);
    std::string OnOff(bool on) const { return on ? "on" : "off"; }

    Answer Open(const Command&);
    Answer Close(const Command&);
    Answer GetSWVersion(const Command&);
    Answer GetModel(const Command&);
    Answer LoadProjectFile(const Command&);
    Answer RequestScriptLibraryContent(const Command&);
    Answer LoadPlayScript(const Command&);
    Answer RequestPortConfig(const Command&);
    Answer LoadScriptLib(const Command&);
    Answer LoadScript(const Command&);
    Answer RequestBusStatus(const Command&);
    Answer PlayMessage(const Command&);
    Answer PlayBuffer(const Command&);
    Answer PlayScriptID(const Command&);
    Answer FramerControl(const Command&);
    Answer ManagerControl(const Command&);
    Answer SnifferControl(const Command&);
    Answer BridgeReset(const Command&);
    Answer RequestBridgeConfig(const Command&);
    Answer ImportRegister(const Command&);
    Answer ExportRegister(const Command&);
    Answer ExportLiveView(const Command&);
    Answer LiveViewCount(const Command&);
    Answer WriteRegister(const Command&);
    Answer ReadRegister(const Command&);
    Answer SetPollTiming(const Command&);
    Answer ReportFramerConfig(const Command&);
    Answer ReportPhyConfig(const Command&);
    Answer ReportClkConfig(const Command&);
    Answer ReportDigAudioConfig(const Command&);
    Answer ReportDataPathConfig(const Command&);
    Answer ReportPresenceRate(const Command&);
    Answer IPReset(const Command&);
    Answer LoadAutomatorFilename(const Command&);
    Answer UseLiterals(const Command&);
    Answer ClearLiveView(const Command&);

    SlimbusBus bus_;
    LiveView liveView_;
    bool open_ = false;
    bool framer_ = true;
    bool manager_ = true;
    bool sniffer_ = true;
    bool literals_ = false;
    int pollPeriodMs_ = kDefaultPollPeriodMs;
    int nextTransactionId_ = 0;
    Script scriptBuffer_;
    std::string scriptBufferName_;
    std::vector<LibraryScript> library_;
    std::string libraryName_;
};

}  // namespace bridge_sim
