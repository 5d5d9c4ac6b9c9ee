// The mailbox transaction: busy test, both waiting loops, status read, and what each way out
// leaves in the mailbox. The scripted service acts between polls, so sleep counts are exact.
#include <gtest/gtest.h>

#include "fake_bridge_service.h"
#include "transport.h"
#include "vantrel.h"

using vantrel::testing::FakeBridgeService;

namespace {

class TransportTest : public ::testing::Test {
protected:
    FakeBridgeService service;
    const vantrel::MailboxPaths& paths = service.paths();
};

TEST_F(TransportTest, StatusWrittenBeforeFirstPollReturnsAfterExactlyTwoSleeps) {
    service.Respond(42, "reply\r\n");
    EXPECT_EQ(KovSLIMbusClose(), 42);
    EXPECT_EQ(service.sleeps(), 2);
    EXPECT_EQ(service.lastCommand(), "Close,002");
    // The command file and busy marker are cleaned up; status and reply stay.
    EXPECT_FALSE(FakeBridgeService::Exists(paths.commandFile));
    EXPECT_TRUE(FakeBridgeService::Exists(paths.statusFile));
    EXPECT_TRUE(FakeBridgeService::Exists(paths.replyFile));
}

}  // namespace
