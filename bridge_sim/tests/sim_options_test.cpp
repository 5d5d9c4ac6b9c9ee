// The bridge-sim command line: every option the tests rely on, and clear refusals.
#include <gtest/gtest.h>

#include "sim_options.h"

namespace bridge_sim {
namespace {

TEST(SimOptions, ReadsEveryOption) {
    std::string error;
    const auto options = ParseSimOptions({"--poll", "--poll-period", "20", "--verbose", "--answer-late=150",
                                          "--busy-for", "3000", "--leave-busy", "60000", "--never-answer",
                                          "--status", "-3", "--malformed-reply", "--fault-keyword", "Close"},
                                         error);
    ASSERT_TRUE(options) << error;
    EXPECT_TRUE(options->polling);
    EXPECT_EQ(options->pollPeriodMs, 20);
    EXPECT_TRUE(options->verbose);
    EXPECT_EQ(options->faults.answerLateMs, 150);
    EXPECT_EQ(options->faults.busyForMs, 3000);
    EXPECT_EQ(options->faults.leaveBusyMs, 60000);
    EXPECT_TRUE(options->faults.neverAnswer);
    EXPECT_EQ(options->faults.forcedStatus, -3);
    EXPECT_TRUE(options->faults.malformedReply);
    EXPECT_TRUE(options->faults.AppliesTo("Close,002"));
    EXPECT_FALSE(options->faults.AppliesTo("CloseAll,002"));
    EXPECT_FALSE(options->faults.AppliesTo("Open,001"));

    const auto plain = ParseSimOptions({}, error);
    ASSERT_TRUE(plain);
    EXPECT_FALSE(plain->faults.AppliesTo("Close,002")) << "no fault asked for";
    EXPECT_EQ(plain->pollPeriodMs, 200);
}

TEST(SimOptions, RefusesWhatItCannotUse) {
    struct Case {
        std::vector<std::string> args;
        const char* errorPart;
    };
    const Case cases[] = {
        {{"--busy-for"}, "--busy-for needs a value"},
        {{"--busy-for", "soon"}, "--busy-for takes a number from 0 to 86400000, not \"soon\""},
        {{"--answer-late", "-1"}, "--answer-late takes a number"},
        {{"--poll-period", "0"}, "--poll-period takes a number from 1 to 60000"},
        {{"--poll=1"}, "--poll takes no value"},
        {{"--mailbox", "/tmp"}, "unknown option \"--mailbox\""},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(ParseSimOptions(c.args, error)) << c.args[0];
        EXPECT_NE(error.find(c.errorPart), std::string::npos) << error;
    }
}

}  // namespace
}  // namespace bridge_sim
