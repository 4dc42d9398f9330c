#include "gui/views/chart_style.h"

#include <QChart>
#include <QImage>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <limits>

namespace mv::gui {
namespace {

// The smallest of 1, 2, 5 times a power of ten that is at least `step`.
double RoundStep(double step) {
    if (!(step > 0)) return 1;
    const double power = std::pow(10.0, std::floor(std::log10(step)));
    for (const double m : {1.0, 2.0, 5.0, 10.0}) {
        if (m * power >= step) return m * power;
    }
    return 10 * power;
}

void SetTicks(QValueAxis* axis, double low, double high, int ticks, bool wholeSteps) {
    double step = RoundStep((high - low) / ticks);
    if (wholeSteps) step = std::max(step, 1.0);
    axis->setRange(low, high);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(std::floor(low / step) * step);
    axis->setTickInterval(step);
    axis->setLabelFormat(step >= 1 && std::floor(step) == step ? QStringLiteral("%d")
                                                               : QStringLiteral("%g"));
}

QImage PointMarker(const QColor& fill, const QColor& outline, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(outline, 1));
    painter.setBrush(fill);
    painter.drawRect(QRectF(0.5, 0.5, size - 1, size - 1));
    return image;
}

void RemoveAxes(QChart* chart) {
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
}

}  // namespace

QLineSeries* AddLineSeries(QChart* chart, const QString& title, const TLineLook& look) {
    auto* series = new QLineSeries;
    series->setName(title);
    if (look.Colour.isValid()) series->setPen(QPen(look.Colour, look.Width));
    // The theme colours a series as it is added, unless its pen was set before.
    chart->addSeries(series);
    if (!look.Colour.isValid()) {
        QPen pen = series->pen();
        pen.setWidth(look.Width);
        series->setPen(pen);
    }
    series->setMarkerSize(look.PointSize);
    series->setPointsVisible(look.PointsVisible);
    if (look.PointsVisible && look.PointOutline.isValid()) {
        series->setLightMarker(PointMarker(look.Colour.isValid() ? look.Colour : look.PointOutline,
                                           look.PointOutline, look.PointSize));
    }
    series->setPointLabelsFormat(QStringLiteral("@yPoint"));
    series->setPointLabelsClipping(false);
    series->setPointLabelsVisible(look.LabelsVisible);
    return series;
}

void ClearChart(QChart* chart) {
    chart->removeAllSeries();
    RemoveAxes(chart);
}

void FitChartAxes(QChart* chart) {
    RemoveAxes(chart);
    double minX = std::numeric_limits<double>::max(), maxX = std::numeric_limits<double>::lowest();
    double minY = minX, maxY = maxX;
    bool wholeY = true;
    for (QAbstractSeries* s : chart->series()) {
        const auto* xy = qobject_cast<const QXYSeries*>(s);
        if (!xy) continue;
        for (const QPointF& p : xy->points()) {
            minX = std::min(minX, p.x());
            maxX = std::max(maxX, p.x());
            minY = std::min(minY, p.y());
            maxY = std::max(maxY, p.y());
            wholeY = wholeY && std::floor(p.y()) == p.y();
        }
    }
    if (minX > maxX) return;  // no points
    // Half a step of room at both ends keeps the end points and their labels inside.
    minX -= 0.5;
    maxX += 0.5;
    const double pad = minY == maxY ? 1.0 : (maxY - minY) * 0.08;
    auto* x = new QValueAxis;
    SetTicks(x, minX, maxX, 10, true);
    auto* y = new QValueAxis;
    SetTicks(y, minY - pad, maxY + pad, 10, wholeY);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* s : chart->series()) {
        s->attachAxis(x);
        s->attachAxis(y);
    }
}

}  // namespace mv::gui
