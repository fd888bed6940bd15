// Makes every GoogleTest test stand alone, whatever ran before it in the same
// process (shuffled, repeated or filtered): before each test the environment
// is as the process found it, a fresh sandbox folder is HOME and the current
// directory, and every process-wide state is back at its start
// (platform::ResetProcessState); after the test the state is reset again, so
// no file stays open, the folder is removed and the process is back in the
// folder it started in.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "sandbox.h"

namespace oltoma::testing {

class TestIsolation final : public ::testing::EmptyTestEventListener {
public:
    void OnTestStart(const ::testing::TestInfo& test) override;
    void OnTestEnd(const ::testing::TestInfo& test) override;

private:
    EnvironmentSnapshot environment_;
    std::string startFolder_ = CurrentFolder();
    std::string folder_;
};

}  // namespace oltoma::testing
