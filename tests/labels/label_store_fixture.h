// A data directory of its own for each test, with the storage engine
// running (fault-injecting variant, flushes counted but not made, which
// keeps the tests fast), message boxes answered from a script and an empty
// message line.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "base/messages/messages.h"
#include "base/settings/settings_state.h"
#include "base/text/windows1252.h"
#include "scripted_message_boxes.h"
#include "storage/access_layer.h"
#include "storage/fault_injection.h"
#include "storage/storage_start.h"

namespace oltoma::labels::testing {

class LabelStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = std::filesystem::current_path() /
                 (std::string(test->test_suite_name()) + "." + test->name());
        std::filesystem::create_directories(folder);
        WorkingGlobalSettings().dataDirectory = Windows1252FromUtf8(folder.string());
        storage::fault::Reset();
        storage::fault::SkipSyncs(true);
        ASSERT_GT(storage::InitIsam(0, storage::kStartPageBuffers), 0);
        SetMessageLine("");
    }
    void TearDown() override {
        storage::ExitIsam();
        storage::fault::Reset();
    }

    std::string Bytes(const std::string& name) const {
        std::ifstream file(folder / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }
    bool Exists(const std::string& name) const { return std::filesystem::exists(folder / name); }
    std::string Message() const { return Utf8FromWindows1252(MessageLine.view()); }

    std::filesystem::path folder;
    oltoma::testing::ScriptedMessageBoxes boxes;
    oltoma::testing::BoundMessageBoxes boundBoxes{boxes};
};

}  // namespace oltoma::labels::testing
