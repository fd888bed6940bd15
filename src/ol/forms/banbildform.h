// TbanImgForm: the course picture window. It shows the description sheet of
// one course (ol/reports/course_sheet.h) as the competitors carry it and,
// when it closes, offers to save the picture to a file.
//
// The sheet is drawn once, at its own size, on the white image `img` (a
// QtCanvas on a QPainter); the window shows it at WindowScale / 100 without
// smoothing, scaling as it paints. The window opens no larger than the
// screen's available area and scrolls. Escape and the title bar close it,
// through the save dialog.
//
// Saving: the save dialog `saveBanaDlg` ("spara bana", default extension
// "jpg") names the file; the format is the one its extension names (JPEG,
// PNG or BMP; any other name gets ".jpg" and JPEG). The file is put in
// place only when written completely; a failure says so with the file's
// name and the dialog runs again, until a file is saved or the user
// cancels.
#pragma once

#include <QDialog>
#include <QImage>

#include "ol/data/records/klass_rec.h"
#include "ol/data/records/track_rec.h"

class QScrollArea;

namespace oltoma::ol {

class TbanImgForm : public QDialog {
    Q_OBJECT
public:
    explicit TbanImgForm(QWidget* owner);

    // Copies the course and the class record into TT and KK.
    void Init(const TrackRec& aTrack, const KlassRec& aKlass);

    // Sets the margins, sizes and draws the sheet, sets the caption (course,
    // class, "(48x72).", "   (möjlighet att spara bild på fil vid
    // stängning)") and the window's size. False, after a message, when the
    // sheet would be too large an image or its image cannot be made: the
    // window is then not to be shown.
    bool FormCreate();

    QImage img;
    TrackRec TT{};
    KlassRec KK{};
    int leftm = 0;
    int topm = 0;
    QScrollArea* sheetArea = nullptr;

    // Escape and the title bar's close come here: FormClose, then close.
    void reject() override;

protected:
    // The save dialog: the chosen file name, or empty for Cancel.
    virtual QString saveBanaDlg();

    // Runs the save dialog until the picture is saved or the user cancels.
    void FormClose();

private:
    bool closing_ = false;
};

// Saves `image` to `fileName` in the format its extension names (JPEG, PNG,
// BMP; any other name gets ".jpg"). Returns the name written, or empty when
// the file could not be written (an existing file of that name is kept).
QString SaveSheetImage(const QImage& image, const QString& fileName);

// The course-definition view ("visningar" "definitioner" "banor"): when the
// course file holds a course, a single-selection course pick ("Välj bana");
// for the chosen course DagStr becomes 0, MessageLine "Bana:" and its
// designation, and the window shows it with the class in the class buffer,
// modally. Expects the definition files open.
void ShowCoursePicture(QWidget* owner);

}  // namespace oltoma::ol
