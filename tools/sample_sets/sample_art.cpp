// Drawing the sample pictures: layered ridges, water, stars, trees and tilings, all from seeds.
#include "sample_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QtMath>

namespace duel::art {

namespace {

QColor Mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// A ridge line by midpoint displacement: heights in 0..1 at `points` + 1 places.
std::vector<double> Ridge(QRandomGenerator& rng, int points, double roughness) {
    std::vector<double> h(static_cast<size_t>(points) + 1, 0.5);
    h.front() = rng.bounded(1.0);
    h.back() = rng.bounded(1.0);
    double spread = 0.5;
    for (int step = points; step > 1; step /= 2) {
        for (int i = step / 2; i < points; i += step) {
            const double mid = (h[static_cast<size_t>(i - step / 2)] + h[static_cast<size_t>(i + step / 2)]) / 2;
            h[static_cast<size_t>(i)] = mid + (rng.bounded(2.0) - 1.0) * spread;
        }
        spread *= roughness;
    }
    return h;
}

struct Palette {
    QColor skyTop, skyLow, haze, nearLand, water;
};

Palette PaletteFor(unsigned seed) {
    static const Palette palettes[] = {
        {QColor(38, 92, 170), QColor(190, 220, 240), QColor(150, 170, 200), QColor(40, 70, 45), QColor(50, 100, 150)},
        {QColor(70, 40, 110), QColor(250, 170, 110), QColor(190, 120, 130), QColor(50, 30, 50), QColor(120, 70, 110)},
        {QColor(20, 110, 160), QColor(230, 240, 220), QColor(160, 190, 170), QColor(70, 100, 40), QColor(40, 120, 130)},
        {QColor(200, 90, 40), QColor(250, 220, 140), QColor(200, 140, 100), QColor(70, 45, 30), QColor(160, 100, 60)},
        {QColor(90, 130, 170), QColor(225, 225, 230), QColor(170, 175, 190), QColor(60, 65, 80), QColor(90, 110, 130)},
    };
    return palettes[seed % std::size(palettes)];
}

void Sky(QPainter& p, const QRectF& r, const QColor& top, const QColor& low) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, low);
    p.fillRect(r, g);
}

void Disc(QPainter& p, QPointF centre, double radius, const QColor& core) {
    QRadialGradient glow(centre, radius * 3);
    QColor halo = core;
    halo.setAlpha(90);
    glow.setColorAt(0, halo);
    glow.setColorAt(1, Qt::transparent);
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, radius * 3, radius * 3);
    p.setBrush(core);
    p.drawEllipse(centre, radius, radius);
}

// Layers of ridges from the far (hazy) to the near (dark) one; returns the near ridge's path top.
std::vector<QPointF> Ridges(QPainter& p, QRandomGenerator& rng, const QRectF& land, int layers, const Palette& c,
                            double roughness) {
    std::vector<QPointF> last;
    for (int layer = 0; layer < layers; ++layer) {
        const double t = layers == 1 ? 1.0 : static_cast<double>(layer) / (layers - 1);
        const std::vector<double> h = Ridge(rng, 64, roughness);
        const double base = land.top() + land.height() * (0.3 + 0.45 * t);
        const double amplitude = land.height() * (0.32 - 0.14 * t);
        QPainterPath path(QPointF(land.left(), land.bottom()));
        last.clear();
        for (size_t i = 0; i < h.size(); ++i) {
            const QPointF point(land.left() + land.width() * static_cast<double>(i) / (h.size() - 1),
                                base - amplitude * h[i]);
            path.lineTo(point);
            last.push_back(point);
        }
        path.lineTo(land.bottomRight());
        path.closeSubpath();
        QLinearGradient fill(0, base - amplitude, 0, land.bottom());
        const QColor colour = Mix(c.haze, c.nearLand, t);
        fill.setColorAt(0, colour.lighter(110));
        fill.setColorAt(1, colour.darker(130));
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawPath(path);
    }
    return last;
}

void Pines(QPainter& p, QRandomGenerator& rng, const std::vector<QPointF>& ridge, double size, const QColor& colour) {
    p.setPen(Qt::NoPen);
    for (size_t i = 1; i + 1 < ridge.size(); ++i) {
        if (rng.bounded(3) != 0) continue;
        const QPointF foot = ridge[i] + QPointF(rng.bounded(10.0) - 5, size * 0.2);
        const double hgt = size * (0.6 + rng.bounded(0.8));
        for (int tier = 0; tier < 3; ++tier) {
            const double y = foot.y() - hgt * tier * 0.3;
            const double w = hgt * (0.35 - tier * 0.08);
            QPainterPath tri(QPointF(foot.x() - w, y));
            tri.lineTo(foot.x() + w, y);
            tri.lineTo(foot.x(), y - hgt * 0.55);
            tri.closeSubpath();
            p.setBrush(colour.darker(100 + tier * 15));
            p.drawPath(tri);
        }
    }
}

void Stars(QPainter& p, QRandomGenerator& rng, const QRectF& sky, int count) {
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF at(sky.left() + rng.bounded(sky.width()), sky.top() + rng.bounded(sky.height()));
        const int light = 150 + rng.bounded(106);
        p.setBrush(QColor(light, light, 255 - rng.bounded(40)));
        const double r = 0.4 + rng.bounded(1.3);
        p.drawEllipse(at, r, r);
    }
}

// Still water below the horizon: a darker sky with light streaks.
void Water(QPainter& p, QRandomGenerator& rng, const QRectF& r, const Palette& c) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, Mix(c.skyLow, c.water, 0.5));
    g.setColorAt(1, c.water.darker(140));
    p.fillRect(r, g);
    QColor streak = c.skyLow;
    streak.setAlpha(70);
    p.setPen(QPen(streak, 1.5));
    for (int i = 0; i < static_cast<int>(r.height() / 4); ++i) {
        const double y = r.top() + rng.bounded(r.height());
        const double x = r.left() + rng.bounded(r.width());
        p.drawLine(QPointF(x, y), QPointF(x + 10 + rng.bounded(r.width() / 6), y));
    }
}

void Landscape(QPainter& p, const Picture& pic, QRandomGenerator& rng) {
    const Palette c = PaletteFor(pic.seed);
    const QRectF all(0, 0, pic.width, pic.height);
    const bool night = pic.kind == Kind::Night;
    const QColor skyTop = night ? QColor(8, 12, 40) : c.skyTop;
    const QColor skyLow = night ? QColor(40, 50, 100) : c.skyLow;
    const double horizon = pic.height * (pic.kind == Kind::Meadow ? 0.45 : 0.6);
    Sky(p, all, skyTop, skyLow);
    if (night) {
        Stars(p, rng, QRectF(0, 0, pic.width, horizon), pic.width * pic.height / 900);
        Disc(p, QPointF(pic.width * (0.2 + rng.bounded(0.6)), horizon * 0.3), pic.height * 0.05, QColor(240, 235, 210));
    } else {
        Disc(p, QPointF(pic.width * (0.15 + rng.bounded(0.7)), horizon * (0.2 + rng.bounded(0.25))), pic.height * 0.045,
             QColor(255, 245, 200));
    }

    Palette land = c;
    if (night) land = {skyTop, skyLow, QColor(60, 70, 110), QColor(10, 12, 25), QColor(20, 30, 70)};
    const bool water = pic.kind == Kind::Lake || (night && pic.seed % 2 == 0);
    const double landBottom = water ? pic.height * 0.78 : pic.height;
    const QRectF landRect(0, horizon - pic.height * 0.35, pic.width, landBottom - (horizon - pic.height * 0.35));
    const int layers = pic.kind == Kind::Meadow ? 3 : 4;
    const double roughness = pic.kind == Kind::Meadow ? 0.45 : 0.6;
    const std::vector<QPointF> nearRidge = Ridges(p, rng, landRect, layers, land, roughness);
    if (water) Water(p, rng, QRectF(0, landBottom, pic.width, pic.height - landBottom), land);
    if (pic.kind != Kind::Lake) Pines(p, rng, nearRidge, pic.height * 0.06, land.nearLand.darker(120));
    if (pic.kind == Kind::Meadow) {
        p.setPen(Qt::NoPen);
        for (int i = 0; i < pic.width * pic.height / 400; ++i) {
            const double y = horizon + rng.bounded(pic.height - horizon);
            const double depth = (y - horizon) / (pic.height - horizon);
            static const QColor petals[] = {QColor(250, 240, 120), QColor(245, 245, 245), QColor(200, 120, 210)};
            p.setBrush(petals[rng.bounded(3)]);
            const double r = 0.5 + depth * 2.5;
            p.drawEllipse(QPointF(rng.bounded(static_cast<double>(pic.width)), y), r, r);
        }
    }
}

void Pattern(QPainter& p, const Picture& pic, QRandomGenerator& rng) {
    const QColor base = QColor::fromHsv(static_cast<int>(pic.seed * 67 % 360), 120, 230);
    const QColor ink = QColor::fromHsv(static_cast<int>((pic.seed * 67 + 150) % 360), 200, 120);
    p.fillRect(QRectF(0, 0, pic.width, pic.height), base);
    const double cell = 24 + rng.bounded(40);
    switch (pic.seed % 3) {
        case 0:  // overlapping rings (scales)
            p.setPen(QPen(ink, 3));
            p.setBrush(base);
            for (double y = -cell; y < pic.height + cell; y += cell / 2)
                for (double x = -cell; x < pic.width + cell; x += cell)
                    p.drawEllipse(QPointF(x + (static_cast<int>(y / (cell / 2)) % 2) * cell / 2, y), cell / 2,
                                  cell / 2);
            break;
        case 1: {  // hexagons shaded by a slow wave
            const double r = cell / 2;
            const double dx = r * std::sqrt(3.0);
            p.setPen(QPen(base.lighter(130), 2));
            for (int row = -1; row * r * 1.5 < pic.height + r; ++row)
                for (int col = -1; col * dx < pic.width + dx; ++col) {
                    const QPointF centre(col * dx + (row % 2 ? dx / 2 : 0), row * r * 1.5);
                    QPolygonF hex;
                    for (int k = 0; k < 6; ++k)
                        hex << centre + QPointF(r * std::cos(M_PI / 6 + k * M_PI / 3),
                                                r * std::sin(M_PI / 6 + k * M_PI / 3));
                    const double t = 0.5 + 0.5 * std::sin(centre.x() / 90.0 + centre.y() / 130.0);
                    p.setBrush(Mix(base, ink, t));
                    p.drawPolygon(hex);
                }
            break;
        }
        default:  // concentric waves from a few centres
            for (int i = 0; i < 4; ++i) {
                const QPointF centre(rng.bounded(static_cast<double>(pic.width)),
                                     rng.bounded(static_cast<double>(pic.height)));
                QColor line = Mix(ink, base, i * 0.2);
                line.setAlpha(150);
                p.setPen(QPen(line, 2.5));
                p.setBrush(Qt::NoBrush);
                for (double radius = cell / 3; radius < pic.width + pic.height; radius += cell / 2)
                    p.drawEllipse(centre, radius, radius);
            }
            break;
    }
}

}  // namespace

std::vector<Picture> SetPictures(int item) {
    switch (item) {
        case 2:  // mountains through the day
            return {{Kind::Mountains, 640, 480, 0}, {Kind::Mountains, 600, 450, 1}, {Kind::Lake, 640, 420, 2},
                    {Kind::Mountains, 480, 640, 3}, {Kind::Mountains, 640, 480, 4}, {Kind::Lake, 560, 420, 5},
                    {Kind::Mountains, 640, 360, 6}, {Kind::Night, 640, 480, 7}};
        case 3:  // lakes, with one picture taller than a 1024-pixel screen
            return {{Kind::Lake, 640, 480, 10},
                    {Kind::Lake, 900, 1600, 11},
                    {Kind::Lake, 600, 400, 12},
                    {Kind::Mountains, 640, 480, 13},
                    {Kind::Lake, 480, 600, 14}};
        case 4:  // patterns
            return {{Kind::Pattern, 600, 600, 20},
                    {Kind::Pattern, 640, 480, 21},
                    {Kind::Pattern, 480, 640, 22},
                    {Kind::Pattern, 640, 400, 23},
                    {Kind::Pattern, 560, 560, 24}};
        case 5:  // night skies, with one panorama wider than a 1280-pixel screen
            return {{Kind::Night, 640, 480, 30},
                    {Kind::Night, 600, 450, 31},
                    {Kind::Night, 1800, 700, 32},
                    {Kind::Night, 480, 640, 33}};
        case 6:  // meadows
            return {{Kind::Meadow, 640, 480, 40},
                    {Kind::Meadow, 600, 450, 41},
                    {Kind::Meadow, 640, 400, 42},
                    {Kind::Meadow, 480, 640, 43},
                    {Kind::Meadow, 640, 480, 44}};
        default:
            return {};
    }
}

QImage Draw(const Picture& picture) {
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    QRandomGenerator rng(picture.seed * 7919u + 17u);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (picture.kind == Kind::Pattern)
        Pattern(p, picture, rng);
    else
        Landscape(p, picture, rng);
    return image;
}

}  // namespace duel::art
