#include "gui/app/ProductPictureWidget.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "gui/app/QtText.h"

namespace corlinth::gui {
namespace {

const QColor kCase(58, 64, 74);
const QColor kCaseEdge(28, 31, 36);
const QColor kMetal(196, 200, 206);
const QColor kLed(226, 48, 40);
const QColor kPanelTop(252, 252, 252);
const QColor kPanelBottom(214, 218, 224);
const QColor kName(24, 36, 64);
const QColor kTagline(70, 76, 88);

// A MIDI socket seen from the front: a ring with five pins.
void drawSocket(QPainter& p, QPointF centre, qreal radius) {
    p.setPen(QPen(kCaseEdge, 1));
    p.setBrush(kMetal);
    p.drawEllipse(centre, radius, radius);
    p.setBrush(kCaseEdge);
    p.drawEllipse(centre, radius * 0.62, radius * 0.62);
    p.setBrush(kMetal);
    for (int pin = 0; pin < 5; ++pin) {
        const qreal angle = (200.0 + pin * 35.0) * 3.14159265 / 180.0;
        const QPointF at(centre.x() + radius * 0.4 * std::cos(angle),
                         centre.y() - radius * 0.4 * std::sin(angle));
        p.drawEllipse(at, radius * 0.09, radius * 0.09);
    }
}

void drawCase(QPainter& p, const QRectF& body) {
    QLinearGradient shade(body.topLeft(), body.bottomLeft());
    shade.setColorAt(0, kCase.lighter(130));
    shade.setColorAt(1, kCase);
    p.setPen(QPen(kCaseEdge, 1.2));
    p.setBrush(shade);
    p.drawRoundedRect(body, 4, 4);
}

void drawFootswitches(QPainter& p, const QRectF& body, int count) {
    const int columns = count > 2 ? 4 : count;
    const int rows = count > 4 ? 2 : 1;
    const qreal cellW = body.width() / columns;
    const qreal cellH = body.height() / rows;
    const qreal radius = std::min(cellW, cellH) * (count > 2 ? 0.3 : 0.32);
    for (int i = 0; i < count; ++i) {
        const QPointF centre(body.left() + cellW * (i % columns + 0.5),
                             body.top() + cellH * (i / columns + 0.5));
        QRadialGradient cap(centre - QPointF(radius / 3, radius / 3), radius * 1.4);
        cap.setColorAt(0, Qt::white);
        cap.setColorAt(1, kMetal.darker(130));
        p.setPen(QPen(kCaseEdge, 1));
        p.setBrush(cap);
        p.drawEllipse(centre, radius, radius);
    }
}

void drawPedal(QPainter& p, const QRectF& area) {
    QPainterPath pedal;
    pedal.moveTo(area.left() + area.width() * 0.18, area.bottom() - 2);
    pedal.lineTo(area.left() + area.width() * 0.30, area.top() + 3);
    pedal.lineTo(area.right() - area.width() * 0.30, area.top() + 3);
    pedal.lineTo(area.right() - area.width() * 0.18, area.bottom() - 2);
    pedal.closeSubpath();
    p.setPen(QPen(kCaseEdge, 1.2));
    p.setBrush(kCase);
    p.drawPath(pedal);
    p.setPen(QPen(kMetal, 1));
    for (int ridge = 1; ridge <= 4; ++ridge) {
        const qreal y = area.top() + 3 + ridge * (area.height() - 5) / 5.0;
        p.drawLine(QPointF(area.left() + area.width() * 0.34, y),
                   QPointF(area.right() - area.width() * 0.34, y));
    }
}

void drawBreath(QPainter& p, const QRectF& body) {
    drawCase(p, body.adjusted(body.width() * 0.35, 0, 0, 0));
    p.setPen(QPen(kCaseEdge, 1));
    p.setBrush(kMetal);
    const QRectF tube(body.left(), body.center().y() - 3, body.width() * 0.4, 6);
    p.drawRoundedRect(tube, 3, 3);
    p.setBrush(QColor(240, 240, 240));
    p.drawRoundedRect(QRectF(body.left(), body.center().y() - 6, 9, 12), 3, 3);
    drawSocket(p, QPointF(body.right() - body.height() * 0.45, body.center().y()),
               body.height() * 0.28);
}

void drawRelay(QPainter& p, const QRectF& body, int count) {
    drawCase(p, body);
    const qreal blockH = body.height() * 0.38;
    const QRectF block(body.left() + 5, body.bottom() - blockH - 4, body.width() - 10, blockH);
    p.setPen(QPen(kCaseEdge, 1));
    p.setBrush(QColor(40, 120, 60));
    p.drawRect(block);
    const int screws = count > 4 ? count : count * 2;
    const qreal step = block.width() / screws;
    p.setBrush(kMetal);
    for (int i = 0; i < screws; ++i) {
        const QPointF centre(block.left() + step * (i + 0.5), block.center().y());
        const qreal r = std::min(step, blockH) * 0.32;
        p.drawEllipse(centre, r, r);
        p.drawLine(QPointF(centre.x() - r, centre.y()), QPointF(centre.x() + r, centre.y()));
    }
    drawSocket(p, QPointF(body.left() + body.height() * 0.32, body.top() + body.height() * 0.3),
               body.height() * 0.2);
}

void drawRule(QPainter& p, const QRectF& body, int size) {
    drawCase(p, body);
    const QRectF display(body.left() + 6, body.top() + 6, body.width() * 0.5, body.height() * 0.4);
    p.setPen(QPen(kCaseEdge, 1));
    p.setBrush(QColor(30, 90, 140));
    p.drawRect(display);
    p.setPen(QPen(QColor(160, 220, 255), 1));
    for (int row = 0; row < 2; ++row) {
        const qreal y = display.top() + display.height() * (row + 1) / 3.0;
        p.drawLine(QPointF(display.left() + 3, y), QPointF(display.right() - 3 - row * 8, y));
    }
    const int leds = size > 1 ? 6 : 3;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < leds; ++i) {
        p.setBrush(i == 0 ? kLed : QColor(90, 200, 90));
        p.drawEllipse(QPointF(body.left() + 9 + i * 8, body.bottom() - 8), 2.4, 2.4);
    }
    drawSocket(p, QPointF(body.right() - body.height() * 0.32, body.top() + body.height() * 0.33),
               body.height() * 0.2);
    if (size > 1) {
        drawSocket(
            p, QPointF(body.right() - body.height() * 0.32, body.bottom() - body.height() * 0.3),
            body.height() * 0.2);
    }
}

void drawRouter(QPainter& p, const QRectF& body, int outputs) {
    drawCase(p, body);
    const qreal r = body.height() * 0.2;
    drawSocket(p, QPointF(body.left() + r + 6, body.center().y()), r);
    p.setPen(QPen(QColor(255, 200, 60), 1.4));
    for (int i = 0; i < outputs; ++i) {
        const qreal y = body.top() + body.height() * (i + 1) / (outputs + 1.0);
        p.drawLine(QPointF(body.left() + 2 * r + 8, body.center().y()),
                   QPointF(body.right() - 2 * r - 8, y));
    }
    for (int i = 0; i < outputs; ++i) {
        const qreal y = body.top() + body.height() * (i + 1) / (outputs + 1.0);
        drawSocket(p, QPointF(body.right() - r - 6, y), r * 0.9);
    }
}

void drawVelocity(QPainter& p, const QRectF& body) {
    drawCase(p, body);
    const QRectF display = body.adjusted(6, 5, -body.height() * 0.7, -5);
    p.setPen(QPen(kCaseEdge, 1));
    p.setBrush(QColor(20, 30, 40));
    p.drawRect(display);
    QPainterPath curve;
    curve.moveTo(display.bottomLeft());
    curve.cubicTo(QPointF(display.left() + display.width() * 0.15, display.top()),
                  QPointF(display.left() + display.width() * 0.5, display.top()),
                  display.topRight());
    p.setPen(QPen(QColor(120, 255, 140), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
    drawSocket(p, QPointF(body.right() - body.height() * 0.35, body.center().y()),
               body.height() * 0.22);
}

}  // namespace

ProductPictureWidget::ProductPictureWidget(const ProductPicture& picture, QWidget* parent)
    : QWidget(parent), m_picture(picture) {
    setCursor(Qt::PointingHandCursor);
}

void ProductPictureWidget::paintEvent(QPaintEvent* event) {
    (void)event;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient panel(area.topLeft(), area.bottomLeft());
    panel.setColorAt(0, kPanelTop);
    panel.setColorAt(1, kPanelBottom);
    p.setPen(QPen(QColor(150, 154, 160), 1));
    p.setBrush(panel);
    p.drawRect(area);

    // The unit occupies a box at the left, a little wider than high.
    const qreal unitH = area.height() - 8;
    const QRectF unit(area.left() + 6, area.top() + 4, unitH * 2.0, unitH);
    switch (m_picture.kind) {
        case PictureKind::Footswitch:
            drawCase(p, unit);
            drawFootswitches(p, unit.adjusted(3, 2, -3, -2), m_picture.count);
            break;
        case PictureKind::Pedal:
            drawPedal(p, unit);
            break;
        case PictureKind::Breath:
            drawBreath(p, unit);
            break;
        case PictureKind::Relay:
            drawRelay(p, unit, m_picture.count);
            break;
        case PictureKind::Rule:
            drawRule(p, unit, m_picture.count);
            break;
        case PictureKind::Router:
            drawRouter(p, unit, m_picture.count);
            break;
        case PictureKind::Velocity:
            drawVelocity(p, unit);
            break;
    }

    const qreal textLeft = unit.right() + 14;
    QFont nameFont = font();
    nameFont.setPointSizeF(15);
    nameFont.setBold(true);
    p.setFont(nameFont);
    p.setPen(kName);
    const QRectF nameBox(textLeft, area.top() + 2, area.right() - textLeft - 6,
                         area.height() * 0.58);
    p.drawText(nameBox, Qt::AlignLeft | Qt::AlignBottom, qt(m_picture.product));
    QFont taglineFont = font();
    taglineFont.setPointSizeF(8.5);
    p.setFont(taglineFont);
    p.setPen(kTagline);
    const QRectF taglineBox(textLeft, nameBox.bottom(), nameBox.width(),
                            area.bottom() - nameBox.bottom() - 2);
    p.drawText(taglineBox, Qt::AlignLeft | Qt::AlignTop, qt(m_picture.tagline));
}

void ProductPictureWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit pressed();
    }
    QWidget::mousePressEvent(event);
}

}  // namespace corlinth::gui
