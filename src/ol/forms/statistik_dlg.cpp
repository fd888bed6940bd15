#include "ol/forms/statistik_dlg.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "base/settings/window_scale.h"
#include "base/text/number_format.h"
#include "ol/data/files/definition_bracket.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/records/track_rec.h"
#include "platform/qt/dialog_frame.h"
#include "platform/qt/form_scaling.h"
#include "platform/qt/qt_text.h"
#include "storage/access_layer.h"

namespace oltoma::ol {
namespace {

// Live records of an open file; 0 for a closed one.
std::int32_t LiveRecords(storage::FileBlock* file) {
    if (file == nullptr) {
        return 0;
    }
    const std::int32_t used = storage::UsedRecs(file);
    return storage::IsamSucceeded() ? used : 0;
}

}  // namespace

std::vector<std::string> StatisticsLines() {
    const OlState& ol = Ol();
    if (!ol.DefinitionFilesOpen) {
        return {};
    }
    return {
        "rutbeskrivningar: " + IntSpacePadded(LiveRecords(ol.route24File), 5) + " " +
            "kontroller: " + IntSpacePadded(LiveRecords(ol.controlFile), 5) + " [" +
            std::to_string(kClubTableControls) + "] ",
        "banor: " + IntSpacePadded(LiveRecords(ol.courseFile), 5) + " " +
            " max kontroller per bana: " + IntSpacePadded(kCourseControlCount, 3) + " ",
    };
}

TOlStatistikDlg::TOlStatistikDlg(QWidget* owner)
    : QDialog(owner, platform::DialogWindowFlags(platform::TitleBarButtons::Close)) {
    setObjectName("OlStatistikDlg");
    setWindowTitle("statistik");
    setFixedSize(480, 160);
    meStatistik = new QPlainTextEdit(this);
    meStatistik->setObjectName("meStatistik");
    meStatistik->setGeometry(8, 8, 464, 104);
    meStatistik->setReadOnly(true);
    meStatistik->setLineWrapMode(QPlainTextEdit::NoWrap);
    for (const std::string& line : StatisticsLines()) {
        meStatistik->appendPlainText(platform::ToQString(line));
    }
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKBtn");
    ok->setGeometry(194, 122, 92, 27);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    platform::ScaleForm(this, WindowScale);
}

void ShowStatistics(QWidget* owner) {
    const DefinitionFilesBracket bracket;
    TOlStatistikDlg dialog(owner);
    dialog.exec();
}

}  // namespace oltoma::ol
