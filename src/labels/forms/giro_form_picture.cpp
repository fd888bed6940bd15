#include "labels/forms/giro_form_picture.h"

#include <QPainter>

#include <cmath>

#include "platform/qt/form_fonts.h"

namespace oltoma::labels::forms {
namespace {

// Where the form's own name and reading line are printed (below every field).
constexpr int kNameTop = 860;
constexpr int kNameBottom = 960;
constexpr int kReadingLine = 985;
constexpr int kCaptionHeight = 30;

struct FormLook {
    QColor paper;
    QColor print;
    const char* name;
};

FormLook LookOf(Tgirotyp kind) {
    switch (kind) {
        case Tgirotyp::plusgiro:
            return {QColor(255, 236, 200), QColor(210, 90, 20), "PlusGiro"};
        case Tgirotyp::postgiro:
        case Tgirotyp::postgiro1:
            return {QColor(255, 250, 210), QColor(200, 150, 0), "PostGiro"};
        default:
            return {QColor(220, 236, 255), QColor(20, 70, 160), "BankGiro"};
    }
}

const char* CaptionOf(GiroField field) {
    switch (field) {
        case GiroField::Message:
            return "Meddelande";
        case GiroField::Address:
            return "Adress";
        case GiroField::TillG:
            return "Till konto";
        case GiroField::Mottagare:
            return "Betalningsmottagare";
        case GiroField::EgetKonto:
            return "Eget konto";
        case GiroField::AttBetala:
            return "Belopp";
        case GiroField::Referens:
            return "Referens";
    }
    return "";
}

// Below this height the picture is a strip (a menu entry): the form's name
// beside the boxes of its amount, and the reading line.
constexpr int kSmallestFullForm = 200;

void DrawStrip(QPainter& painter, Tgirotyp kind, QSize size) {
    const int height = size.height();
    const int boxHeight = height / 4;
    const int boxWidth = boxHeight * 2;
    for (int i = 0; i < 3; ++i) {
        painter.drawRect(QRect(size.width() - (3 - i) * (boxWidth + boxWidth / 6) - height / 6,
                               height / 6, boxWidth, boxHeight));
    }
    painter.drawLine(height / 6, height - height / 5, size.width() - height / 6,
                     height - height / 5);
    painter.drawLine(height / 6, height / 2 + height / 12, size.width() / 2,
                     height / 2 + height / 12);
    painter.setFont(SansSerifFont(std::max(8, height * 7 / 20), true));
    painter.drawText(QRect(height / 6, 0, size.width() / 2, height / 2 + height / 12),
                     Qt::AlignLeft | Qt::AlignVCenter, LookOf(kind).name);
}

}  // namespace

QRect FieldRectIn(const FieldExtent& extent, QSize size) {
    const double x = static_cast<double>(size.width()) / kGiroFormWidth;
    const double y = static_cast<double>(size.height()) / kGiroFormHeight;
    const QPoint topLeft(static_cast<int>(std::lround(extent.left * x)),
                         static_cast<int>(std::lround(extent.top * y)));
    const QPoint bottomRight(static_cast<int>(std::lround(extent.right * x)),
                             static_cast<int>(std::lround(extent.bottom * y)));
    return QRect(topLeft, bottomRight - QPoint(1, 1));
}

QPixmap GiroFormPicture(Tgirotyp kind, QSize size) {
    const FormLook look = LookOf(kind);
    QPixmap picture(size);
    picture.fill(look.paper);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    if (size.height() < kSmallestFullForm) {
        painter.setPen(QPen(look.print, std::max(1, size.height() / 38)));
        DrawStrip(painter, kind, size);
        return picture;
    }
    const double scaleY = static_cast<double>(size.height()) / kGiroFormHeight;
    const int pen = std::max(1, static_cast<int>(std::lround(size.width() / 600.0)));
    painter.setPen(QPen(look.print, pen));
    painter.setFont(SansSerifFont(std::max(6, static_cast<int>(std::lround(24 * scaleY)))));

    const Tgirotyp drawn = GiroFieldsOf(kind).empty() ? Tgirotyp::bankgiro : kind;
    for (const GiroFieldPlace& field : GiroFieldsOf(drawn)) {
        const FieldExtent extent = ExtentOf(field);
        if (field.writing == Writing::Boxes) {
            for (const FieldExtent& box : BoxesOf(field)) {
                painter.drawRect(FieldRectIn(box, size));
            }
        } else {
            painter.drawRect(FieldRectIn(extent, size));
        }
        const QRect caption =
            FieldRectIn({extent.left, extent.top - kCaptionHeight, extent.right, extent.top}, size);
        painter.drawText(caption, Qt::AlignLeft | Qt::AlignBottom, CaptionOf(field.field));
    }

    painter.setFont(SansSerifFont(std::max(8, static_cast<int>(std::lround(80 * scaleY))), true));
    painter.drawText(FieldRectIn({60, kNameTop, 1000, kNameBottom}, size),
                     Qt::AlignLeft | Qt::AlignVCenter, look.name);
    const QRect line = FieldRectIn({60, kReadingLine, kGiroFormWidth - 60, kReadingLine}, size);
    painter.drawLine(line.left(), line.top(), line.right() + 1, line.top());
    return picture;
}

}  // namespace oltoma::labels::forms
