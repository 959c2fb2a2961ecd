#include "controls/ChooseColour.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace stoupe {

namespace {

constexpr double SwatchSpacing = 50.4;
// The plain outline every colour shape has, counted in the better width.
constexpr int ShapeBorderWidth = 1;

QColor toColor(quint32 cr) {
    return QColor(int(cr & 0xFF), int(cr >> 8 & 0xFF), int(cr >> 16 & 0xFF));
}

// The white square behind a swatch, framed in black around the chosen one.
class SwatchBorder : public QWidget {
public:
    using QWidget::QWidget;
    bool framed = false;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        if (framed) {
            painter.setPen(QPen(Qt::black, 2));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
        }
    }
};

class SwatchFill : public QWidget {
public:
    using QWidget::QWidget;
    QColor colour;

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), colour); }
};

} // namespace

ChooseColour::ChooseColour(QWidget* parent) : QWidget(parent) {
    // The system's 3D-face colour unless the owner sets another.
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    for (int i = 0; i < ChooseColourModel::SwatchCount; ++i) {
        auto* border = new SwatchBorder(this);
        border->setGeometry(int(std::lround(2 + SwatchSpacing * i)), 2, 35, 35);
        auto* fill = new SwatchFill(this);
        fill->setGeometry(int(std::lround(4 + SwatchSpacing * i)), 4, 31, 31);
        auto* image = new QLabel(this);
        image->setGeometry(fill->geometry());
        image->hide();
        image->installEventFilter(this);
        // Only the pictures take clicks of their own; the shapes leave them to the control.
        border->setAttribute(Qt::WA_TransparentForMouseEvents);
        fill->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_borders[i] = border;
        m_fills[i] = fill;
        m_images[i] = image;
    }
    resize(300, 39);
    m_model.setSetList(QString());
    refresh();
}

void ChooseColour::setSetList(const QString& list) {
    m_model.setSetList(list);
    for (QLabel* image : m_images) {
        image->hide();
        image->setPixmap(QPixmap());
    }
    refresh();
}

void ChooseColour::setCrRGB(quint32 colour) {
    m_model.setCrRGB(colour);
    refresh();
}

void ChooseColour::choose(int swatch) {
    m_model.choose(swatch);
    refresh();
}

void ChooseColour::refresh() {
    for (int i = 0; i < ChooseColourModel::SwatchCount; ++i) {
        auto* border = static_cast<SwatchBorder*>(m_borders[i]);
        auto* fill = static_cast<SwatchFill*>(m_fills[i]);
        border->framed = m_model.framed(i);
        fill->colour = toColor(m_model.colour(i));
        border->setVisible(m_model.inUse(i));
        fill->setVisible(m_model.inUse(i));
        border->update();
        fill->update();
    }
}

SwatchPictureMap ChooseColour::LoadSwatches(const SwatchPictureMap& pictures) {
    for (int i = 0; i <= m_model.MaxColours(); ++i) {
        const QString tag = m_model.pictureTag(i);
        if (tag.isEmpty())
            continue;
        const QImage picture = pictures.value(tag);
        m_images[i]->setPixmap(QPixmap::fromImage(picture));
        if (picture.isNull())
            break;
        m_images[i]->show();
        m_images[i]->raise();
    }
    return pictures;
}

double ChooseColour::BetterWidth() const {
    const int last = m_model.MaxColours();
    if (last < 0)
        return width();
    const QRect shape = m_fills[last]->geometry();
    return shape.x() + shape.width() + ShapeBorderWidth + 1;
}

void ChooseColour::UnSize(double& xFactor, double& yFactor) {
    for (int i = 0; i < ChooseColourModel::SwatchCount; ++i) {
        UnSizeControl(xFactor, yFactor, m_borders[i], false);
        UnSizeControl(xFactor, yFactor, m_fills[i], false);
        UnSizeControl(xFactor, yFactor, m_images[i], false);
    }
}

QColor ChooseColour::BackColor() const {
    return palette().color(backgroundRole());
}

void ChooseColour::setBackColor(const QColor& colour) {
    QPalette p = palette();
    p.setColor(backgroundRole(), colour);
    setPalette(p);
}

void ChooseColour::mousePressEvent(QMouseEvent* event) {
    // A click beside the pictures chooses by position, one swatch per step of
    // the second swatch's left edge.
    const int step = m_borders[1]->x();
    if (step > 0 && event->position().x() >= 0)
        choose(int(event->position().x() / step));
    QWidget::mousePressEvent(event);
}

bool ChooseColour::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < ChooseColourModel::SwatchCount; ++i) {
            if (watched == m_images[i]) {
                choose(i);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace stoupe
