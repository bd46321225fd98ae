#include "ui/transport_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace qv::ui {
namespace {

namespace ctl = app::ctl;

enum class Glyph { None, Stop, Pause, Play, Back, StepForward, StepBack, Forward2, Back2 };

Glyph GlyphOf(app::ControlName n) {
    if (n == ctl::sbStop || n == ctl::sbStopSearch || n == ctl::sbStopPIRSearch) return Glyph::Stop;
    if (n == ctl::sbPause) return Glyph::Pause;
    if (n == ctl::sbForward || n == ctl::sbSearchForward) return Glyph::Play;
    if (n == ctl::sbBackward || n == ctl::sbSearchBackward) return Glyph::Back;
    if (n == ctl::sbNext) return Glyph::StepForward;
    if (n == ctl::sbPrevious) return Glyph::StepBack;
    if (n == ctl::sbNextEvent || n == ctl::sbPIRSeekFwd) return Glyph::Forward2;
    if (n == ctl::sbPrevEvent || n == ctl::sbPIRSeekRev) return Glyph::Back2;
    return Glyph::None;
}

// A triangle pointing right (or left) in the box x..x+w, y..y+h.
QPainterPath Triangle(qreal x, qreal y, qreal w, qreal h, bool right) {
    QPainterPath p;
    if (right) {
        p.moveTo(x, y);
        p.lineTo(x + w, y + h / 2);
        p.lineTo(x, y + h);
    } else {
        p.moveTo(x + w, y);
        p.lineTo(x, y + h / 2);
        p.lineTo(x + w, y + h);
    }
    p.closeSubpath();
    return p;
}

// Draws the glyph on a 16 x 16 grid. A single step is a triangle against a bar, so it does not
// look like the double triangles of the event buttons or a jump to the next recording.
void Draw(QPainter& p, Glyph g) {
    switch (g) {
        case Glyph::Stop:
            p.drawRect(QRectF(3, 3, 10, 10));
            break;
        case Glyph::Pause:
            p.drawRect(QRectF(3, 3, 3.5, 10));
            p.drawRect(QRectF(9.5, 3, 3.5, 10));
            break;
        case Glyph::Play:
            p.drawPath(Triangle(4, 2, 9, 12, true));
            break;
        case Glyph::Back:
            p.drawPath(Triangle(3, 2, 9, 12, false));
            break;
        case Glyph::StepForward:
            p.drawPath(Triangle(3, 3, 7, 10, true));
            p.drawRect(QRectF(11, 3, 2, 10));
            break;
        case Glyph::StepBack:
            p.drawRect(QRectF(3, 3, 2, 10));
            p.drawPath(Triangle(6, 3, 7, 10, false));
            break;
        case Glyph::Forward2:
            p.drawPath(Triangle(1, 3, 7, 10, true));
            p.drawPath(Triangle(8, 3, 7, 10, true));
            break;
        case Glyph::Back2:
            p.drawPath(Triangle(1, 3, 7, 10, false));
            p.drawPath(Triangle(8, 3, 7, 10, false));
            break;
        case Glyph::None:
            break;
    }
}

QPixmap Render(Glyph g, const QColor& colour, qreal ratio) {
    QPixmap pixmap(QSize(16, 16) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    Draw(p, g);
    return pixmap;
}

}  // namespace

QIcon TransportIcon(app::ControlName name, const QPalette& palette) {
    const Glyph g = GlyphOf(name);
    if (g == Glyph::None) return {};
    QIcon icon;
    // Drawn at scales 1, 2 and 3; the icon picks the one of the screen it is on.
    for (qreal ratio : {1.0, 2.0, 3.0}) {
        icon.addPixmap(Render(g, palette.color(QPalette::Active, QPalette::ButtonText), ratio),
                       QIcon::Normal);
        icon.addPixmap(Render(g, palette.color(QPalette::Disabled, QPalette::ButtonText), ratio),
                       QIcon::Disabled);
    }
    return icon;
}

}  // namespace qv::ui
