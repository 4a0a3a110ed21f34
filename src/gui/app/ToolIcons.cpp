#include "gui/app/ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace hydrim::gui {

namespace {

constexpr int Size = 24;
const QColor Ink(40, 60, 90);

void DrawPage(QPainter& p) {
    QPainterPath page;
    page.moveTo(5, 2);
    page.lineTo(15, 2);
    page.lineTo(19, 6);
    page.lineTo(19, 22);
    page.lineTo(5, 22);
    page.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.drawLine(QPointF(15, 2), QPointF(15, 6));
    p.drawLine(QPointF(15, 6), QPointF(19, 6));
}

void DrawFolder(QPainter& p) {
    p.setBrush(QColor(240, 200, 90));
    p.drawRect(QRectF(2, 7, 20, 13));
    p.drawRect(QRectF(2, 5, 8, 2));
}

void DrawDisk(QPainter& p) {
    p.setBrush(QColor(70, 110, 170));
    p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7, 3, 10, 6));
    p.setBrush(QColor(220, 220, 220));
    p.drawRect(QRectF(6, 13, 12, 8));
}

void DrawPrinter(QPainter& p) {
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7, 3, 10, 7));
    p.setBrush(QColor(170, 170, 170));
    p.drawRoundedRect(QRectF(2, 9, 20, 9), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7, 15, 10, 7));
}

void DrawGrid(QPainter& p, int x, int y, int w, int h) {
    p.setBrush(Qt::white);
    p.drawRect(QRectF(x, y, w, h));
    p.setBrush(QColor(204, 255, 255));
    p.drawRect(QRectF(x, y, w, h / 4.0));
    for (int i = 1; i < 4; ++i) {
        p.drawLine(QPointF(x, y + h * i / 4.0), QPointF(x + w, y + h * i / 4.0));
    }
    p.drawLine(QPointF(x + w / 3.0, y), QPointF(x + w / 3.0, y + h));
}

void DrawChart(QPainter& p) {
    p.setBrush(Qt::white);
    p.drawRect(QRectF(2, 2, 20, 20));
    QPainterPath curve;
    curve.moveTo(3, 20);
    curve.cubicTo(8, 19, 9, 5, 12, 5);
    curve.cubicTo(15, 5, 16, 18, 21, 19);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(200, 30, 30), 1.8));
    p.drawPath(curve);
}

void DrawSeries(QPainter& p) {
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3, 2, 18, 20));
    for (int row = 0; row < 5; ++row) {
        const double y = 6 + row * 3.5;
        p.drawLine(QPointF(5, y), QPointF(10, y));
        p.drawLine(QPointF(12, y), QPointF(19, y));
    }
}

void DrawExportMark(QPainter& p) {
    p.setBrush(QColor(30, 130, 60));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(13, 13, 10, 10));
    p.setPen(QPen(Qt::white, 1.6));
    p.drawLine(QPointF(15, 15), QPointF(21, 21));
    p.drawLine(QPointF(21, 15), QPointF(15, 21));
}

} // namespace

QIcon ToolIcon(int k) {
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Ink, 1.2));
    switch (k) {
    case 1:
        DrawFolder(p);
        break;
    case 2:
        DrawPage(p);
        break;
    case 3:
        DrawDisk(p);
        break;
    case 4:
        DrawPrinter(p);
        break;
    case 5:
        DrawSeries(p);
        break;
    case 6:
        DrawChart(p);
        break;
    case 7:
        DrawGrid(p, 2, 3, 20, 18);
        break;
    case 8:
        DrawGrid(p, 1, 1, 17, 16);
        DrawExportMark(p);
        break;
    case 9:
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2, 1, 15, 17));
        for (int row = 0; row < 4; ++row) {
            p.drawLine(QPointF(4, 5 + row * 3.5), QPointF(15, 5 + row * 3.5));
        }
        DrawExportMark(p);
        break;
    default:
        break;
    }
    p.end();
    return QIcon(pixmap);
}

} // namespace hydrim::gui
