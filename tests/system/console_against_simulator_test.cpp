// The console program drives the bridge simulator through the shared library: a scripted run
// clicks every one of the dialog's 45 controls and must see each one's own success line (or, for
// a file picker, the chosen path in its edit).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "sim_process.h"

namespace fs = std::filesystem;

namespace {

// One step of the run: the script lines that set it up and click, and what `print` must show.
struct Step {
    std::vector<std::string> lines;  // the last one is the click
    int printedControl;              // 1005 for the log box, or the edit a picker fills
    std::string expectedPrefix;
};

class ConsoleAgainstSimulator : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "kestrix-system-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        if (const char* prefix = std::getenv("WINEPREFIX")) savedPrefix_ = prefix;
        ::setenv("WINEPREFIX", root_.c_str(), 1);
        WriteFile("lib.txt", "script 1 boot\n0,0x40,255,\n0,0x5F,255,\nscript 2 gain\n"
                             "0,0x68,255,17,0x08,0x00,12\n");
        WriteFile("script.txt", "0,BEGIN_RECONFIGURATION,255,\n0,NEXT_CLOCK_GEAR,255,,8\n"
                                "0,RECONFIGURE_NOW,255,\n");
        WriteFile("project.prj", "library = lib.txt\nscript = script.txt\n");
        WriteFile("automator.txt", "1\n2\n");
    }

    void TearDown() override {
        if (savedPrefix_.empty()) {
            ::unsetenv("WINEPREFIX");
        } else {
            ::setenv("WINEPREFIX", savedPrefix_.c_str(), 1);
        }
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

    std::string PathOf(const std::string& name) const { return (fs::path(root_) / name).string(); }
    void WriteFile(const std::string& name, const std::string& text) const {
        std::ofstream(PathOf(name), std::ios::binary) << text;
    }

    // Runs the console on the script; returns what it printed, one entry a line.
    std::vector<std::string> RunConsole(const std::string& script, int& exitStatus) const {
        WriteFile("session.txt", script);
        const std::string command =
            std::string(KESTRIX_EXECUTABLE) + " --headless --script '" + PathOf("session.txt") + "'";
        std::vector<std::string> lines;
        FILE* output = ::popen(command.c_str(), "r");
        if (output == nullptr) return lines;
        std::string line;
        for (int c = std::fgetc(output); c != EOF; c = std::fgetc(output)) {
            if (c == '\n') {
                lines.push_back(line);
                line.clear();
            } else {
                line.push_back(static_cast<char>(c));
            }
        }
        exitStatus = ::pclose(output);
        return lines;
    }

    std::string root_;
    std::string savedPrefix_;
};

Step Click(int id, std::string expected, std::vector<std::string> setup = {}) {
    setup.push_back("click " + std::to_string(id));
    return {setup, 1005, std::move(expected)};
}

Step Pick(int picker, int edit, const std::string& path) {
    return {{"filedialog " + path, "click " + std::to_string(picker)}, edit, path};
}

TEST_F(ConsoleAgainstSimulator, EveryControlShowsItsSuccessLine) {
    bridge_sim::SimProcess simulator(BRIDGE_SIM_EXECUTABLE, {});
    ASSERT_TRUE(simulator.ready()) << simulator.error();

    const std::string regs = PathOf("registers.txt");
    const std::vector<Step> steps = {
        // Open first (it resets the poll period), then poll every 2 ms for the rest of the run.
        Click(1000, "Open = 0"),
        Click(1060, "SetPollTiming status = 0 Reply [", {"set 1061 2", "set 1062 2"}),
        Click(1002, "DLL software version = 1.09"),
        Click(1003, "Kov Bridge software version = "),
        Click(1004, "Kov Bridge Model Type = "),
        Click(1026, "BridgeReset = 0 Reply ["),
        Click(1034, "Framer Ctrl  1 = 0"),
        Click(1036, "Manager Ctrl  1 = 0"),
        Click(1035, "Sniffer Ctrl  1 = 0"),
        Click(1017, "RF "),
        Click(1016, "Input Presence Rate = "),  // printed after the port characters' line
        Click(1020, "RequestBridgeConfiguration ok Reply: ["),
        Pick(1030, 1008, PathOf("project.prj")),
        Pick(1031, 1012, PathOf("lib.txt")),
        Pick(1032, 1014, PathOf("script.txt")),
        Pick(1033, 1010, PathOf("script.txt")),
        Pick(1072, 1071, PathOf("automator.txt")),
        Pick(1046, 1025, PathOf("liveview.txt")),
        Pick(1039, 1022, regs),
        Pick(1045, 1024, regs),
        Click(1006, "Fileload " + PathOf("project.prj") + " = 0 "),
        Click(1007, "Script Library Content ["),
        Click(1011, "Load Script " + PathOf("lib.txt") + " = 0 Reply ["),
        Click(1013, "Load Script " + PathOf("script.txt") + " = 0 Reply: ["),
        Click(1009, "PlayScript " + PathOf("script.txt") + " = 0 Reply ["),
        Click(1015, "Play Buffer ok Reply: ["),
        Click(1018, "Play Script ID 2 = 0 Reply [", {"set 1019 2"}),
        Click(1073, "LoadScript Automator filename status = 0 Reply ["),
        Click(1075, "Use Literals  1 = 1"),
        Click(1037, "Play User Msg = 0 Reply [",
              {"set 1038 0", "set 1040 104", "set 1041 255", "set 1042 16", "set 1043 8,1,200"}),
        Click(1023, "Export Register status = 0 Reply ["),
        Click(1021, "Import Register status = 0 Reply [", {"set 1044 16", "set 1048 4"}),
        Click(1047, "Export LiveView status = 0 Reply [", {"set 1049 0"}),
        Click(1050, "Counter = "),
        Click(1051, "Write Register status = 0 Reply [",
              {"set 1053 16", "set 1055 32", "set 1058 1,2,3,4"}),
        Click(1052, "Read Register status = 0 Reply [1,2,3,4]",
              {"set 1054 16", "set 1056 32", "set 1057 4"}),
        Click(1063, "FramerBootFrequency "),
        Click(1064, "SLIMbusLevel "),
        Click(1065, "ExtClkLevel "),
        Click(1066, "SpdifAsrcMode "),
        Click(1067, "Sdin12Sel "),
        Click(1068, "PresenceRate 0: "),
        Click(1069, "Bridge IP Reset = 0 Reply ["),
        Click(1074, "ClearLiveView  = "),
        Click(1001, "Close = 0"),
    };
    ASSERT_EQ(steps.size(), 45u);

    std::string script;
    for (const Step& step : steps) {
        for (const std::string& line : step.lines) script += line + "\n";
        script += "print " + std::to_string(step.printedControl) + "\n";
    }
    script += "exit\n";

    int exitStatus = -1;
    const std::vector<std::string> printed = RunConsole(script, exitStatus);
    EXPECT_EQ(exitStatus, 0);
    ASSERT_EQ(printed.size(), steps.size());
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const std::string& expected = steps[i].expectedPrefix;
        const std::string& line = printed[i];
        const bool portText = expected.rfind("Input", 0) == 0;
        const bool matches = portText ? line.find("\\r\\n" + expected) != std::string::npos
                                      : line.rfind(expected, 0) == 0;
        EXPECT_TRUE(matches) << steps[i].lines.back() << "\n  printed:  " << line
                             << "\n  expected: " << expected;
    }
    EXPECT_EQ(simulator.Stop(SIGTERM), 0);
    EXPECT_FALSE(fs::exists(fs::path(root_) / "drive_c/qbx/tmp/__bridge_busy.txt"));
}

}  // namespace
