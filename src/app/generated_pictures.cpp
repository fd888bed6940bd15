#include "app/generated_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

#include <cmath>
#include <functional>
#include <numbers>

#include "base/settings/program_version.h"
#include "platform/qt/form_fonts.h"

namespace oltoma {
namespace {

// A closed wavy ring round a centre: one contour line of a hill.
QPainterPath Ring(QPointF centre, double radiusX, double radiusY, QRandomGenerator& random) {
    constexpr int kPoints = 36;
    const double phase = random.bounded(2.0 * std::numbers::pi);
    const double wobble = 0.08 + random.bounded(0.10);
    QPainterPath path;
    for (int i = 0; i <= kPoints; ++i) {
        const double angle = 2.0 * std::numbers::pi * i / kPoints;
        const double r = 1.0 + wobble * std::sin(3 * angle + phase) +
                         wobble / 2 * std::cos(5 * angle + 2 * phase);
        const QPointF point(centre.x() + radiusX * r * std::cos(angle),
                            centre.y() + radiusY * r * std::sin(angle));
        if (i == 0) {
            path.moveTo(point);
        } else {
            path.lineTo(point);
        }
    }
    return path;
}

void DrawHill(QPainter& painter, QSizeF size, QRandomGenerator& random) {
    const QPointF centre(random.bounded(size.width()), random.bounded(size.height()));
    const double radius = size.height() * (0.12 + random.bounded(0.22));
    const double stretch = 0.6 + random.bounded(0.9);
    const int rings = 3 + random.bounded(4);
    QPen pen(MapColour::kContour, std::max(1.0, size.height() / 300.0));
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    for (int ring = rings; ring >= 1; --ring) {
        const double share = static_cast<double>(ring) / rings;
        painter.drawPath(Ring(centre, radius * stretch * share, radius * share, random));
    }
}

void DrawArea(QPainter& painter, QSizeF size, QColor colour, QRandomGenerator& random) {
    const QPointF centre(random.bounded(size.width()), random.bounded(size.height()));
    const double radius = size.height() * (0.06 + random.bounded(0.10));
    colour.setAlpha(110);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(Ring(centre, radius * 1.6, radius, random));
}

// A course: start triangle, numbered control circles joined by lines, and
// the finish's double circle.
void DrawCourse(QPainter& painter, QSizeF size, QRandomGenerator& random) {
    const int controls = 3 + random.bounded(4);
    std::vector<QPointF> points;
    for (int i = 0; i < controls + 2; ++i) {
        points.emplace_back(size.width() * (0.08 + random.bounded(0.84)),
                            size.height() * (0.10 + random.bounded(0.80)));
    }
    const double radius = size.height() / 28.0;
    QColor course = MapColour::kCourse;
    course.setAlpha(170);
    painter.setPen(QPen(course, std::max(1.0, size.height() / 200.0)));
    painter.setBrush(Qt::NoBrush);
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const QPointF a = points[i];
        const QPointF b = points[i + 1];
        const QPointF d = b - a;
        const double length = std::hypot(d.x(), d.y());
        if (length > 2.5 * radius) {
            const QPointF unit = d / length;
            painter.drawLine(a + unit * radius * 1.2, b - unit * radius * 1.2);
        }
    }
    const QPointF start = points.front();
    painter.drawPolygon(
        QPolygonF({start + QPointF(0, -radius * 1.2), start + QPointF(radius * 1.05, radius * 0.6),
                   start + QPointF(-radius * 1.05, radius * 0.6)}));
    for (std::size_t i = 1; i + 1 < points.size(); ++i) {
        painter.drawEllipse(points[i], radius, radius);
    }
    painter.drawEllipse(points.back(), radius, radius);
    painter.drawEllipse(points.back(), radius * 0.7, radius * 0.7);
}

void DrawControlFlag(QPainter& painter, QRectF square) {
    painter.setPen(QPen(Qt::black, square.width() / 14.0));
    painter.setBrush(Qt::white);
    painter.drawRect(square);
    painter.setPen(Qt::NoPen);
    painter.setBrush(MapColour::kFlagOrange);
    painter.drawPolygon(QPolygonF({square.topRight(), square.bottomRight(), square.bottomLeft()}));
}

// Tool button images are drawn on a 32 x 32 canvas and shown at any size.
constexpr int kImageSize = 32;

void DrawPerson(QPainter& p, QPointF at, QColor colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(at + QPointF(0, -8), 4.5, 4.5);
    p.drawRoundedRect(QRectF(at.x() - 7, at.y() - 2, 14, 13), 5, 5);
}

void DrawDocument(QPainter& p, QRectF r) {
    p.setPen(QPen(Qt::darkGray, 1.5));
    p.setBrush(Qt::white);
    p.drawRect(r);
    for (double y = r.top() + 5; y < r.bottom() - 2; y += 4) {
        p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
    }
}

const std::function<void(QPainter&)> kImageDrawers[kToolButtonImages] = {
    [](QPainter& p) {  // 0 compass
        p.setPen(QPen(Qt::darkGray, 2));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(16, 16), 13, 13);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::red);
        p.drawPolygon(QPolygonF({{16, 4}, {20, 16}, {12, 16}}));
        p.setBrush(Qt::darkGray);
        p.drawPolygon(QPolygonF({{16, 28}, {20, 16}, {12, 16}}));
    },
    [](QPainter& p) { DrawControlFlag(p, QRectF(5, 5, 22, 22)); },  // 1 control flag
    [](QPainter& p) {                                               // 2 map
        p.setPen(QPen(Qt::darkGray, 1.5));
        p.setBrush(QColor(255, 255, 240));
        p.drawPolygon(
            QPolygonF({{3, 7}, {11, 4}, {21, 7}, {29, 4}, {29, 25}, {21, 28}, {11, 25}, {3, 28}}));
        p.setPen(QPen(MapColour::kContour, 1.5));
        p.drawEllipse(QPointF(16, 16), 8, 5);
        p.drawEllipse(QPointF(16, 16), 4, 2.5);
    },
    [](QPainter& p) {  // 3 clock
        p.setPen(QPen(Qt::darkBlue, 2));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(16, 16), 13, 13);
        p.drawLine(QPointF(16, 16), QPointF(16, 7));
        p.drawLine(QPointF(16, 16), QPointF(22, 19));
    },
    [](QPainter& p) {  // 4 printer
        p.setPen(QPen(Qt::darkGray, 1.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 3, 14, 10));
        p.setBrush(Qt::lightGray);
        p.drawRoundedRect(QRectF(3, 12, 26, 12), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 20, 14, 9));
    },
    [](QPainter& p) {  // 5 folder
        p.setPen(QPen(QColor(150, 110, 20), 1.5));
        p.setBrush(QColor(250, 210, 90));
        p.drawPolygon(QPolygonF({{3, 8}, {12, 8}, {15, 11}, {29, 11}, {29, 26}, {3, 26}}));
    },
    [](QPainter& p) {  // 6 district: a region with its border
        p.setPen(QPen(QColor(40, 120, 40), 2, Qt::DashLine));
        p.setBrush(QColor(180, 230, 170));
        p.drawPolygon(QPolygonF({{4, 10}, {12, 4}, {24, 6}, {29, 16}, {22, 28}, {9, 26}, {3, 18}}));
        DrawControlFlag(p, QRectF(12, 12, 9, 9));
    },
    [](QPainter& p) { DrawPerson(p, QPointF(16, 17), QColor(40, 90, 170)); },  // 7 person
    [](QPainter& p) {                                                          // 8 club: a shield
        QPainterPath shield;
        shield.moveTo(5, 5);
        shield.lineTo(27, 5);
        shield.lineTo(27, 15);
        shield.quadTo(27, 25, 16, 29);
        shield.quadTo(5, 25, 5, 15);
        shield.closeSubpath();
        p.setPen(QPen(Qt::darkBlue, 1.5));
        p.setBrush(QColor(60, 110, 200));
        p.drawPath(shield);
        p.setPen(QPen(Qt::white, 3));
        p.drawLine(QPointF(10, 12), QPointF(22, 12));
        p.drawLine(QPointF(16, 8), QPointF(16, 22));
    },
    [](QPainter& p) { DrawDocument(p, QRectF(7, 3, 18, 26)); },  // 9 list
    [](QPainter& p) {                                            // 10 participants
        DrawPerson(p, QPointF(11, 15), QColor(200, 80, 40));
        DrawPerson(p, QPointF(21, 19), QColor(40, 90, 170));
    },
    [](QPainter& p) {  // 11 copy
        DrawDocument(p, QRectF(4, 3, 16, 20));
        DrawDocument(p, QRectF(12, 9, 16, 20));
    },
};

}  // namespace

QPixmap DrawBackgroundPicture(int number, QSize size) {
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QRandomGenerator random(static_cast<quint32>(number) * 7919U);
    const QSizeF area(size);
    if (number == kBackgroundPictures) {
        // The twelfth picture is the map without a course.
        for (int i = 0; i < 6; ++i) {
            DrawHill(painter, area, random);
        }
        return picture;
    }
    DrawArea(painter, area, MapColour::kOpenLand, random);
    DrawArea(painter, area, MapColour::kOpenLand, random);
    DrawArea(painter, area, MapColour::kWater, random);
    const int hills = 3 + number % 4;
    for (int i = 0; i < hills; ++i) {
        DrawHill(painter, area, random);
    }
    DrawCourse(painter, area, random);
    return picture;
}

QIcon ToolButtonImage(int index) {
    QPixmap image(kImageSize, kImageSize);
    image.fill(Qt::transparent);
    if (index >= 0 && index < kToolButtonImages) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        kImageDrawers[index](painter);
    }
    return QIcon(image);
}

QCursor ProgramCursor() {
    QPixmap image(kImageSize, kImageSize);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.2));
    painter.setBrush(Qt::white);
    painter.drawPolygon(
        QPolygonF({{1, 1}, {1, 19}, {5.5, 15}, {9, 22}, {12, 20.5}, {8.5, 14}, {14, 13.5}}));
    DrawControlFlag(painter, QRectF(16, 17, 11, 11));
    return QCursor(image, 1, 1);
}

// The control flag of orienteering.
QPixmap FlagPicture(QSize size) {
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const int side = std::min(size.width(), size.height()) - 8;
    const QRectF square((size.width() - side) / 2.0, (size.height() - side) / 2.0, side, side);
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::white);
    painter.drawRect(square);
    painter.setPen(Qt::NoPen);
    painter.setBrush(MapColour::kFlagOrange);
    painter.drawPolygon(QPolygonF({square.topRight(), square.bottomRight(), square.bottomLeft()}));
    return picture;
}

// A map fragment on paper.
QPixmap MapPicture(QSize size) {
    QPixmap picture(size);
    picture.fill(QColor(255, 255, 248));
    QPainter painter(&picture);
    painter.drawPixmap(0, 0, DrawBackgroundPicture(3, size));
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(picture.rect().adjusted(0, 0, -1, -1));
    return picture;
}

// The program's name in large letters, with its version.
QPixmap NamePicture(QSize size) {
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(20, 60, 120));
    painter.setFont(SansSerifFont(34, true));
    painter.drawText(QRect(0, 0, size.width(), size.height() * 2 / 3), Qt::AlignCenter, "t o m a");
    painter.setFont(SansSerifFont(12));
    painter.drawText(QRect(0, size.height() * 2 / 3, size.width(), size.height() / 3),
                     Qt::AlignCenter, QString("oltoma%1%2").arg(kVersionNumber, kVersionDate));
    return picture;
}

}  // namespace oltoma
