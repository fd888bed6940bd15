// The printer, the report dialog and the picture reader are unbound by
// platform::ResetProcessState.
#include <gtest/gtest.h>

#include "platform/print/picture_loader.h"
#include "platform/print/printer.h"
#include "platform/print/recording_printer.h"
#include "platform/print/report_dialog.h"
#include "platform/process_state.h"
#include "recording_report_dialog.h"

namespace oltoma::platform {
namespace {

class NoPictureReader final : public PictureFileReader {
public:
    Picture Read(const std::string&) override { return Picture(); }
};

TEST(PrintBindings, ResetUnbindsThePrinterTheDialogAndThePictureReader) {
    RecordingPrinter printer;
    testing::RecordingReportDialog dialog;
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
