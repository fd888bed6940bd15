#include "ol/forms/banbildform.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>

#include <algorithm>

#include "base/messages/messages.h"
#include "base/settings/window_scale.h"
#include "base/text/number_format.h"
#include "base/text/windows1252.h"
#include "ol/data/files/fileblock_handles.h"
#include "ol/data/files/ol_state.h"
#include "ol/reports/course_sheet.h"
#include "ol/reports/description_geometry.h"
#include "platform/qt/dialog_frame.h"
#include "platform/qt/form_scaling.h"
#include "platform/qt/print/qt_canvas.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/window_handles.h"
#include "platform/replacing_file.h"
#include "registers/ol_pick.h"

namespace oltoma::ol {
namespace {

// The sheet at WindowScale / 100, scaled as it is painted.
class SheetView final : public QWidget {
public:
    SheetView(const QImage& image, int percent, QWidget* parent)
        : QWidget(parent), image_(image), percent_(percent) {
        setObjectName("sheetView");
        setFixedSize(ScaledLength(image.width(), percent), ScaledLength(image.height(), percent));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.scale(percent_ / 100.0, percent_ / 100.0);
        painter.drawImage(0, 0, image_);
    }

private:
    const QImage& image_;
    int percent_;
};

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

}  // namespace

TbanImgForm::TbanImgForm(QWidget* owner) : QDialog(owner) {
    setObjectName("banImgForm");
    // A modal view: a close button (through the save dialog), no minimise or maximise.
    platform::SetDialogWindowFlags(this, platform::TitleBarButtons::Close);
    sheetArea = new QScrollArea(this);
    sheetArea->setObjectName("sheetArea");
    sheetArea->setBackgroundRole(QPalette::Dark);
}

void TbanImgForm::Init(const TrackRec& aTrack, const KlassRec& aKlass) {
    TT = aTrack;
    KK = aKlass;
}

bool TbanImgForm::FormCreate() {
    leftm = 0;
    topm = 0;
    const CourseSheetGeometry geometry(CoursePrintScale(Ol().competition.rec), ControlCount(TT));
    leftm = geometry.LeftMargin();
    topm = geometry.TopMargin();
    if (geometry.Fits()) {
        img = QImage(geometry.Width(), geometry.Height(), QImage::Format_RGB32);
    }
    if (img.isNull()) {
        DisplayMessage(200, Windows1252FromUtf8("Bilden av banan blir för stor att visa: ") +
                                std::to_string(geometry.Width()) + " x " +
                                std::to_string(geometry.Height()) +
                                Windows1252FromUtf8(" bildpunkter. Minska skalan!"));
        return false;
    }
    img.fill(Qt::white);
    {
        QPainter painter(&img);
        platform::QtCanvas canvas;
        canvas.Attach(&painter, 96, 96);
        DescriptionSymbols symbols;
        symbols.LoadFrameSymbols();
        DrawCourseSheet(canvas, geometry, symbols, TT, Ol().competition.rec.MellanTid);
    }
    setWindowTitle(platform::ToQString(
        TT.Bana.str() + " " + KK.Bet.str() + " (" + IntZeroPadded(48, 2) + "x72)." +
        Windows1252FromUtf8("   (möjlighet att spara bild på fil vid stängning)")));

    platform::ScaleForm(this, WindowScale);
    auto* view = new SheetView(img, WindowScale, sheetArea);
    sheetArea->setWidget(view);
    const int frame = 2 * sheetArea->frameWidth();
    const QSize whole(view->width() + frame, view->height() + frame);
    QSize wanted = whole;
    if (const QScreen* screen = QGuiApplication::primaryScreen(); screen != nullptr) {
        // Room for the title bar and the window frame within the screen;
        // a side that scrolls makes room for its scroll bar across.
        const QSize available = screen->availableGeometry().size() - QSize(16, 48);
        wanted = wanted.boundedTo(available);
        if (wanted.height() < whole.height()) {
            wanted.rwidth() += sheetArea->verticalScrollBar()->sizeHint().width();
        }
        if (wanted.width() < whole.width()) {
            wanted.rheight() += sheetArea->horizontalScrollBar()->sizeHint().height();
        }
        wanted = wanted.boundedTo(available);
    }
    resize(wanted);
    sheetArea->setGeometry(rect());
    return true;
}

QString TbanImgForm::saveBanaDlg() {
    QFileDialog dialog(this, QStringLiteral("spara bana"),
                       QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    dialog.setObjectName("saveBanaDlg");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("jpg"));
    dialog.setNameFilters({QStringLiteral("JPEG (*.jpg *.jpeg)"), QStringLiteral("PNG (*.png)"),
                           QStringLiteral("BMP (*.bmp)")});
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    platform::SetDialogWindowFlags(&dialog, platform::TitleBarButtons::Close);
    platform::ScaleForm(&dialog, WindowScale);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().first();
}

void TbanImgForm::FormClose() {
    while (true) {
        const QString name = saveBanaDlg();
        if (name.isEmpty() || !SaveSheetImage(img, name).isEmpty()) {
            return;
        }
        DisplayMessage(200, "Kan ej spara bilden i filen " + Quoted(platform::FromQString(name)));
    }
}

void TbanImgForm::reject() {
    if (!closing_) {
        closing_ = true;
        FormClose();
    }
    QDialog::reject();
}

QString SaveSheetImage(const QImage& image, const QString& fileName) {
    QString name = fileName;
    const QString suffix = QFileInfo(name).suffix().toLower();
    const char* format = "JPEG";
    if (suffix == "png") {
        format = "PNG";
    } else if (suffix == "bmp") {
        format = "BMP";
    } else if (suffix != "jpg" && suffix != "jpeg") {
        name += QStringLiteral(".jpg");
    }
    platform::ReplacingFile file(name.toStdString());
    if (!file.Create() || !image.save(QString::fromStdString(file.TemporaryName()), format) ||
        !file.Commit()) {
        return {};
    }
    return name;
}

void ShowCoursePicture(QWidget* owner) {
    if (LiveRecordCount(Ol().courseFile) < 1) {
        return;
    }
    const auto pick = registers::TBanPick::InitM(platform::HandleOf(owner),
                                                 Windows1252FromUtf8("Välj bana"), false);
    if (!pick->OkExec() || pick->GetPickData(0) < 0) {
        return;
    }
    Ol().competition.rec.DagStr = 0;
    SetMessageLine("Bana:" + Ol().course.rec.Bana.str());
    TbanImgForm form(owner);
    form.Init(Ol().course.rec, Ol().klass.rec);
    if (form.FormCreate()) {
        form.exec();
    }
}

}  // namespace oltoma::ol
