// The giro entries of the "xregister" menu, drawn as pictures of their paper
// forms (labels/forms/giro_form_picture.h): the picture is stretched over
// the entry, with a one-pixel frame that is black while the entry is
// selected and otherwise has the colour of the pixel at (1, 1), so that it
// disappears again.
#pragma once

#include <QPixmap>
#include <QWidgetAction>

#include "platform/services.h"

namespace oltoma {

class GiroMenuEntry : public QWidgetAction {
    Q_OBJECT

public:
    // `hint` may hold a short and a long hint separated by "|"; the long one
    // goes to the status bar.
    GiroMenuEntry(const QString& name, const QString& caption, const QString& hint,
                  const QPixmap& picture, QObject* parent);

    const QPixmap& picture() const { return picture_; }
    // The entry's size at scale 100; the window scales it.
    static QSize DesignSize();
    void setEntrySize(QSize size);

protected:
    QWidget* createWidget(QWidget* parent) override;

private:
    QPixmap picture_;
    QSize entrySize_;
};

}  // namespace oltoma
