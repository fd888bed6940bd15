// The printer, the report dialog and the picture reader are unbound by
// platform::ResetProcessState.
#include <gtest/gtest.h>

#include "platform/print/picture_loader.h"
#include "platform/print/printer.h"
#include "platform/print/recording_printer.h"
#include "platform/print/report_dialog.h"
#include "platform/process_state.h"

namespace oltoma::platform {
namespace {

class IdleReportDialog final : public ReportDialog {
public:
    void Open(WindowHandle, std::function<void()>) override {}
    void SetDevice(std::string_view) override {}
    void SetJobTitle(std::string_view) override {}
    void SetPages(std::string_view) override {}
    void SetCounts(std::string_view, std::string_view) override {}
    void SetProgress(int) override {}
    void SetStatus(int, std::string_view) override {}
    void ProcessEvents() override {}
    void Close() override {}
};

class NoPictureReader final : public PictureFileReader {
public:
    Picture Read(const std::string&) override { return Picture(); }
};

TEST(PrintBindings, ResetUnbindsThePrinterTheDialogAndThePictureReader) {
    RecordingPrinter printer;
    IdleReportDialog dialog;
    NoPictureReader reader;
    BindPrinter(&printer);
    BindReportDialog(&dialog);
    BindPictureFileReader(&reader);

    ResetProcessState();

    EXPECT_EQ(BindPrinter(nullptr), nullptr);
    EXPECT_EQ(BindReportDialog(nullptr), nullptr);
    EXPECT_EQ(BindPictureFileReader(nullptr), nullptr);
    EXPECT_TRUE(ActivePrinter().InstalledPrinters().empty());
}

}  // namespace
}  // namespace oltoma::platform
