// The splash photograph: a wide paved square under a pale sky, a cathedral
// with onion domes at the left and a red-brick clock tower with a spire at
// the right. Drawn at four times its size and scaled down, for smooth edges.

#include "pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

namespace {

constexpr int photoScale = 4;

QLinearGradient sideLit(qreal left, qreal right, QColor colour)
{
    // Light comes from the left: the left side bright, the right in shade.
    QLinearGradient g(left, 0, right, 0);
    g.setColorAt(0.0, colour.lighter(135));
    g.setColorAt(0.45, colour);
    g.setColorAt(1.0, colour.darker(170));
    return g;
}

void drawSky(QPainter &p, QRectF area)
{
    QLinearGradient sky(0, area.top(), 0, area.bottom());
    sky.setColorAt(0.0, QColor(150, 190, 225));
    sky.setColorAt(0.7, QColor(205, 225, 240));
    sky.setColorAt(1.0, QColor(232, 238, 240));
    p.fillRect(area, sky);

    // Soft clouds: clusters of translucent discs.
    const QPointF clouds[] = {{60, 22}, {205, 14}, {300, 34}, {130, 44}};
    for (QPointF c : clouds) {
        for (int i = 0; i < 6; ++i) {
            const QPointF at = c + QPointF(i * 7 - 18, (i % 2) * 3);
            QRadialGradient puff(at, 13);
            puff.setColorAt(0, QColor(255, 255, 255, 150));
            puff.setColorAt(1, QColor(255, 255, 255, 0));
            p.setBrush(puff);
            p.setPen(Qt::NoPen);
            p.drawEllipse(at, 13, 8);
        }
    }
}

// Cobbles in rows that shrink towards the horizon, converging on one point.
void drawSquare(QPainter &p, qreal horizon, qreal width, qreal bottom)
{
    QLinearGradient ground(0, horizon, 0, bottom);
    ground.setColorAt(0.0, QColor(150, 146, 140));
    ground.setColorAt(1.0, QColor(112, 106, 100));
    p.fillRect(QRectF(0, horizon, width, bottom - horizon), ground);

    QRandomGenerator random(1975);
    const QPointF vanishing(width * 0.5, horizon - 30);
    qreal y = horizon + 1;
    for (int row = 0; y < bottom; ++row) {
        const qreal depth = (y - vanishing.y()) / (bottom - vanishing.y());
        const qreal rowHeight = 1.2 + 7.5 * depth * depth;
        const qreal stone = 2 + 16 * depth;
        for (qreal x = -(row % 2) * stone / 2; x < width; x += stone) {
            const int shade = 118 + int(random.bounded(36));
            p.fillRect(QRectF(x + 0.3, y + 0.3, stone - 0.6, rowHeight - 0.6),
                       QColor(shade, shade - 3, shade - 8, 120));
        }
        y += rowHeight;
    }

    // Lines of the paving's pattern run to the vanishing point.
    p.setPen(QPen(QColor(90, 86, 80, 110), 0.8));
    for (int i = -12; i <= 24; ++i) {
        const QPointF foot(width * 0.5 + i * 42, bottom);
        QLineF line(vanishing, foot);
        const qreal t = (horizon - vanishing.y()) / (bottom - vanishing.y());
        p.drawLine(line.pointAt(t), foot);
    }
}

// A crenellated red wall along the back of the square.
void drawWall(QPainter &p, qreal left, qreal right, qreal top, qreal bottom)
{
    const QColor brick(160, 52, 40);
    QLinearGradient face(0, top, 0, bottom);
    face.setColorAt(0, brick.lighter(115));
    face.setColorAt(1, brick.darker(130));
    p.fillRect(QRectF(left, top, right - left, bottom - top), face);
    p.setPen(Qt::NoPen);
    p.setBrush(brick);
    for (qreal x = left; x < right; x += 7) {
        // Swallow-tailed merlons.
        QPainterPath merlon;
        merlon.moveTo(x, top);
        merlon.lineTo(x, top - 5);
        merlon.lineTo(x + 2, top - 3.5);
        merlon.lineTo(x + 4, top - 5);
        merlon.lineTo(x + 4, top);
        merlon.closeSubpath();
        p.drawPath(merlon);
    }
    p.fillRect(QRectF(left, bottom - 1.5, right - left, 1.5), QColor(80, 30, 25, 150));
}

// An onion dome standing on a drum: a bulb swelling out and drawn to a point.
void drawOnionDome(QPainter &p, qreal cx, qreal base, qreal width, qreal height, QColor a, QColor b, bool spiral)
{
    const qreal w = width / 2;
    QPainterPath bulb;
    bulb.moveTo(cx - w * 0.55, base);
    bulb.cubicTo(cx - w * 1.25, base - height * 0.35, cx - w * 0.9, base - height * 0.7, cx, base - height);
    bulb.cubicTo(cx + w * 0.9, base - height * 0.7, cx + w * 1.25, base - height * 0.35, cx + w * 0.55, base);
    bulb.closeSubpath();

    p.setPen(Qt::NoPen);
    p.setBrush(sideLit(cx - w * 1.1, cx + w * 1.1, a));
    p.drawPath(bulb);
    if (spiral) {
        // Twisting bands of the second colour.
        p.save();
        p.setClipPath(bulb);
        p.setBrush(sideLit(cx - w * 1.1, cx + w * 1.1, b));
        for (int i = -3; i <= 3; ++i) {
            QPainterPath band;
            const qreal x = cx + i * w * 0.55;
            band.moveTo(x - w * 0.6, base);
            band.cubicTo(x - w * 0.2, base - height * 0.4, x + w * 0.5, base - height * 0.6, x + w * 0.3, base - height);
            band.lineTo(x + w * 0.55, base - height);
            band.cubicTo(x + w * 0.75, base - height * 0.6, x + w * 0.05, base - height * 0.4, x - w * 0.3, base);
            band.closeSubpath();
            p.drawPath(band);
        }
        p.restore();
    }
    // A highlight on the lit side and a thin golden cross above.
    QRadialGradient shine(QPointF(cx - w * 0.45, base - height * 0.5), w * 0.6);
    shine.setColorAt(0, QColor(255, 255, 255, 110));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(shine);
    p.drawPath(bulb);
    p.setPen(QPen(QColor(215, 175, 60), 0.9));
    p.drawLine(QPointF(cx, base - height), QPointF(cx, base - height - 7));
    p.drawLine(QPointF(cx - 2, base - height - 5), QPointF(cx + 2, base - height - 5));
}

// A round or many-sided drum under a dome, with arched windows.
void drawDrum(QPainter &p, qreal cx, qreal top, qreal bottom, qreal width, QColor colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(sideLit(cx - width / 2, cx + width / 2, colour));
    p.drawRect(QRectF(cx - width / 2, top, width, bottom - top));
    p.setBrush(QColor(60, 40, 35));
    const qreal windowWidth = width / 7;
    for (int i = -1; i <= 1; ++i) {
        QPainterPath arch;
        const qreal x = cx + i * width / 3.5 - windowWidth / 2;
        const qreal y = top + (bottom - top) * 0.25;
        arch.addRoundedRect(QRectF(x, y, windowWidth, (bottom - top) * 0.45), windowWidth / 2, windowWidth / 2);
        p.drawPath(arch);
    }
    p.fillRect(QRectF(cx - width / 2 - 1, top - 1.2, width + 2, 1.6), colour.lighter(150));
}

void drawCathedral(QPainter &p, qreal ground)
{
    const QColor walls(178, 72, 55);
    const QColor trim(236, 226, 205);

    // The body: a broad base with a gallery of arches.
    p.setPen(Qt::NoPen);
    p.setBrush(sideLit(14, 150, walls));
    p.drawRect(QRectF(14, ground - 34, 136, 34));
    p.fillRect(QRectF(14, ground - 35, 136, 2), trim);
    p.setBrush(QColor(90, 40, 32));
    for (qreal x = 20; x < 145; x += 11)
        p.drawRoundedRect(QRectF(x, ground - 24, 6, 18), 3, 3);

    // The central tent roof, tallest of all, with its small golden dome.
    QPainterPath tent;
    tent.moveTo(68, ground - 72);
    tent.lineTo(81, ground - 114);
    tent.lineTo(94, ground - 72);
    tent.closeSubpath();
    p.setBrush(sideLit(68, 94, QColor(196, 170, 120)));
    p.drawPath(tent);
    p.setPen(QPen(QColor(120, 70, 50), 0.6));
    for (qreal y = ground - 106; y < ground - 74; y += 6) {
        const qreal half = (y - (ground - 114)) * 13 / 42;
        p.drawLine(QPointF(81 - half, y), QPointF(81 + half, y));
    }
    drawDrum(p, 81, ground - 72, ground - 34, 30, walls);
    drawOnionDome(p, 81, ground - 112, 8, 9, QColor(220, 180, 60), QColor(220, 180, 60), false);

    // Towers around it, each with a dome of its own colours.
    struct Tower
    {
        qreal cx, top, width, domeHeight;
        QColor a, b;
        bool spiral;
    };
    const Tower towers[] = {
        {30, ground - 66, 20, 24, QColor(40, 130, 70), QColor(235, 225, 200), true},
        {132, ground - 70, 20, 25, QColor(200, 50, 45), QColor(240, 200, 70), true},
        {52, ground - 86, 17, 23, QColor(40, 90, 170), QColor(240, 240, 240), true},
        {110, ground - 90, 18, 24, QColor(60, 150, 90), QColor(230, 70, 50), true},
        {8, ground - 50, 13, 17, QColor(215, 170, 50), QColor(215, 170, 50), false},
    };
    for (const Tower &t : towers) {
        drawDrum(p, t.cx, t.top, ground - 30, t.width, walls);
        drawOnionDome(p, t.cx, t.top, t.width * 1.25, t.domeHeight, t.a, t.b, t.spiral);
    }

    // Steps down to the square.
    p.fillRect(QRectF(10, ground - 2, 145, 2), QColor(120, 110, 100));
}

void drawClockTower(QPainter &p, qreal ground)
{
    const QColor brick(172, 58, 42);
    const qreal cx = 287;

    // Three tiers of brick, each narrower than the one below.
    struct Tier
    {
        qreal width, top, bottom;
    };
    const Tier tiers[] = {{40, ground - 62, ground}, {31, ground - 82, ground - 62}, {24, ground - 96, ground - 82}};
    for (const Tier &t : tiers) {
        const QRectF body(cx - t.width / 2, t.top, t.width, t.bottom - t.top);
        p.setPen(Qt::NoPen);
        p.setBrush(sideLit(body.left(), body.right(), brick));
        p.drawRect(body);
        // Courses of brick.
        p.setPen(QPen(QColor(120, 40, 30, 120), 0.4));
        for (qreal y = body.top() + 2; y < body.bottom(); y += 2.2)
            p.drawLine(QPointF(body.left(), y), QPointF(body.right(), y));
        // White stone trim and small pinnacles at the tier's corners.
        p.fillRect(QRectF(body.left() - 1.5, body.top() - 1, body.width() + 3, 2.2), QColor(238, 232, 220));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(238, 232, 220));
        for (qreal x : {body.left(), body.right()}) {
            QPainterPath pinnacle;
            pinnacle.moveTo(x - 2, body.top() - 1);
            pinnacle.lineTo(x, body.top() - 8);
            pinnacle.lineTo(x + 2, body.top() - 1);
            p.drawPath(pinnacle);
        }
    }

    // The gate at the foot of the tower.
    p.setBrush(QColor(55, 30, 25));
    p.drawRoundedRect(QRectF(cx - 6, ground - 20, 12, 20), 6, 6);
    p.fillRect(QRectF(cx - 6, ground - 10, 12, 10), QColor(55, 30, 25));

    // The clock: a dark face with a gilded rim, numerals and hands.
    const QPointF centre(cx, ground - 45);
    QRadialGradient face(centre - QPointF(2, 2), 11);
    face.setColorAt(0, QColor(60, 70, 90));
    face.setColorAt(1, QColor(25, 30, 45));
    p.setBrush(face);
    p.setPen(QPen(QColor(225, 185, 70), 1.6));
    p.drawEllipse(centre, 9.5, 9.5);
    p.setPen(QPen(QColor(225, 185, 70), 0.8));
    for (int hour = 0; hour < 12; ++hour) {
        const QLineF mark = QLineF::fromPolar(8, hour * 30).translated(centre);
        p.drawLine(mark.pointAt(0.82), mark.p2());
    }
    p.setPen(QPen(QColor(235, 200, 90), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QLineF::fromPolar(4.5, 90 - 10 * 30 / 12.0).translated(centre));
    p.drawLine(QLineF::fromPolar(7, 90 - 50 * 6).translated(centre));

    // The green tent spire with a glowing star at its tip.
    QPainterPath spire;
    spire.moveTo(cx - 12, ground - 97);
    spire.lineTo(cx, ground - 118);
    spire.lineTo(cx + 12, ground - 97);
    spire.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(sideLit(cx - 12, cx + 12, QColor(50, 115, 80)));
    p.drawPath(spire);
    p.setPen(QPen(QColor(30, 70, 50), 0.5));
    for (qreal y = ground - 114; y < ground - 98; y += 4) {
        const qreal half = (y - (ground - 118)) * 12 / 21;
        p.drawLine(QPointF(cx - half, y), QPointF(cx + half, y));
    }
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = i % 2 ? 1.6 : 3.8;
        const QPointF point = QLineF::fromPolar(radius, 90 + i * 36).translated(QPointF(cx, ground - 121)).p2();
        i == 0 ? star.moveTo(point) : star.lineTo(point);
    }
    star.closeSubpath();
    p.setPen(QPen(QColor(240, 200, 90), 0.6));
    p.setBrush(QColor(205, 30, 35));
    p.drawPath(star);
}

// People strolling on the square, small against the buildings.
void drawPeople(QPainter &p)
{
    struct Walker
    {
        qreal x, foot, height;
        QColor coat;
    };
    const Walker walkers[] = {
        {175, 150, 10, QColor(60, 60, 90)},  {188, 152, 10.5, QColor(140, 40, 40)},
        {214, 165, 14, QColor(40, 40, 40)},  {112, 172, 16, QColor(70, 90, 60)},
        {245, 148, 9, QColor(90, 70, 50)},   {322, 182, 19, QColor(50, 50, 70)},
        {60, 190, 21, QColor(120, 100, 60)},
    };
    p.setPen(Qt::NoPen);
    for (const Walker &w : walkers) {
        const qreal h = w.height;
        // A soft shadow, then legs, coat and head.
        p.setBrush(QColor(40, 35, 30, 70));
        p.drawEllipse(QPointF(w.x + h * 0.25, w.foot), h * 0.35, h * 0.07);
        p.setBrush(QColor(35, 35, 40));
        p.drawRect(QRectF(w.x - h * 0.1, w.foot - h * 0.42, h * 0.09, h * 0.42));
        p.drawRect(QRectF(w.x + h * 0.03, w.foot - h * 0.42, h * 0.09, h * 0.42));
        p.setBrush(w.coat);
        p.drawRoundedRect(QRectF(w.x - h * 0.16, w.foot - h * 0.82, h * 0.34, h * 0.46), h * 0.08, h * 0.08);
        p.setBrush(QColor(225, 190, 160));
        p.drawEllipse(QPointF(w.x + 0.01 * h, w.foot - h * 0.9), h * 0.1, h * 0.1);
    }
}

} // namespace

QImage photographPicture(int scale)
{
    const QSize size(351, 207);
    QImage large(size * photoScale, QImage::Format_RGB32);
    QPainter p(&large);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(photoScale, photoScale);

    const qreal horizon = 128;
    drawSky(p, QRectF(0, 0, size.width(), horizon));
    drawWall(p, 140, size.width(), horizon - 16, horizon);
    drawCathedral(p, horizon);
    drawClockTower(p, horizon);
    drawSquare(p, horizon, size.width(), size.height());
    drawPeople(p);

    // A little haze over the distance, as in a photograph of a bright day.
    QLinearGradient haze(0, 0, 0, horizon);
    haze.setColorAt(0, QColor(255, 255, 255, 0));
    haze.setColorAt(1, QColor(235, 240, 245, 50));
    p.fillRect(QRectF(0, 0, size.width(), horizon), haze);
    p.end();

    return large.scaled(size * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB888);
}
