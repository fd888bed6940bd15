// A data directory with a competition to import into and export from: the
// data layer's fixture (file_set_fixture.h) with a recording printer for the
// log list, whose printed lines are kept, and helpers that write exchange
// files and import them as the chooser hands them on.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "base/files/file_choice.h"
#include "base/text/windows1252.h"
#include "file_set_fixture.h"
#include "ol/data/files/definition_bracket.h"
#include "ol/data/files/registers.h"
#include "ol/exchange/import_command.h"
#include "platform/print/recording_printer.h"
#include "print/log_list.h"

namespace oltoma::ol::testing {

class ExchangeTest : public FileSetTest {
protected:
    void SetUp() override {
        FileSetTest::SetUp();
        previousPrinter = platform::BindPrinter(&printer);
        LogLines().clear();
        previousLogObserver = BindLogLineObserver(&RecordLogLine);
    }
    void TearDown() override {
        LogClose();
        BindLogLineObserver(previousLogObserver);
        platform::BindPrinter(previousPrinter);
        FileSetTest::TearDown();
    }

    static std::vector<std::string>& LogLines() {
        static std::vector<std::string> lines;
        return lines;
    }
    static void RecordLogLine(std::string_view line) {
        LogLines().push_back(Utf8FromWindows1252(line));
    }

    // Writes `utf8` as a Windows-1252 file in the data directory's parent
    // folder (the test's own) and returns its name.
    std::string WriteFile(const std::string& name, const std::string& utf8) {
        std::ofstream(name, std::ios::binary) << Windows1252FromUtf8(utf8);
        return name;
    }

    // Imports the files in the order the chooser puts them, as after OK.
    void ImportFiles(const std::vector<std::string>& names) {
        FileChoiceList list(kImportOnceOnlyCodes);
        for (const std::string& name : names) {
            ASSERT_GE(list.Add(DescribeFile(Here(), name, kImportKeywordList)), 0) << name;
        }
        ImportChosenFiles(0, list.entries());
    }
    std::vector<std::string> ImportText(const std::string& utf8) {
        LogLines().clear();
        ImportFiles({WriteFile("import.txt", utf8)});
        return LogLines();
    }

    static std::string Here() { return std::filesystem::current_path().string(); }

    // The log lines of one file between its heading and its counts.
    static std::vector<std::string> Body(const std::vector<std::string>& log) {
        std::vector<std::string> body;
        bool inside = false;
        for (const std::string& line : log) {
            if (line.starts_with("Adderade:")) {
                inside = false;
            }
            if (inside) {
                body.push_back(line);
            }
            if (line.starts_with("importerar \"/") || line.starts_with("importerar \"" + Here())) {
                inside = true;
            }
        }
        if (!body.empty() && body.front().empty()) {
            body.erase(body.begin());
        }
        return body;
    }

    static std::string CountsLine(const std::vector<std::string>& log) {
        for (const std::string& line : log) {
            if (line.starts_with("Adderade:")) {
                return line;
            }
        }
        return {};
    }

    void AddSymbol24(const std::string& key) {
        ClearRoute24();
        Ol().route24.rec.Namn = key;
        std::int32_t rc = 0;
        ASSERT_TRUE(SaveRoute24(true, rc));
    }

    // Records read through the definition files, lent for the lookup.
    std::optional<KontrRec> Control(const std::string& code) {
        std::optional<KontrRec> found;
        RunWithDefinitionFiles([&] {
            std::int32_t rc = 0;
            bool notFound = true;
            bool ok = false;
            if (FindControl(FindMode::kByKey, code, rc, notFound, ok)) {
                found = Ol().control.rec;
                controlRc = rc;
            }
        });
        return found;
    }
    std::optional<TrackRec> Course(const std::string& name) {
        std::optional<TrackRec> found;
        RunWithDefinitionFiles([&] {
            std::int32_t rc = 0;
            bool notFound = true;
            bool ok = false;
            if (FindCourse(FindMode::kByKey, name, rc, notFound, ok)) {
                found = Ol().course.rec;
            }
        });
        return found;
    }
    std::int32_t UsedRecords(storage::FileBlock* (*file)()) {
        std::int32_t used = 0;
        RunWithDefinitionFiles([&] { used = storage::UsedRecs(file()); });
        return used;
    }
    static storage::FileBlock* Controls() { return Ol().controlFile; }
    static storage::FileBlock* Courses() { return Ol().courseFile; }

    static std::vector<std::string> Codes(const TrackRec& course) {
        std::vector<std::string> codes;
        for (int i = 0; i < ControlCount(course); ++i) {
            codes.push_back(course.KodNr[i].str());
        }
        return codes;
    }

    std::int32_t controlRc = 0;  // of the control Control found last
    platform::RecordingPrinter printer;
    platform::Printer* previousPrinter = nullptr;
    LogLineObserver previousLogObserver = nullptr;
};

}  // namespace oltoma::ol::testing
