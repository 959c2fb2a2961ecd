#pragma once

#include "controls/ChooseColourModel.h"
#include "controls/UnSizer.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QWidget>

#include <array>

class QLabel;

namespace stoupe {

// Pictures for the swatches, keyed as the swatch list names them (" 13100").
using SwatchPictureMap = QHash<QString, QImage>;

// A row of up to six colour swatches; a click chooses one. The owner reads
// crRGB when it needs the colour; the control raises no events.
class ChooseColour : public QWidget, public UnSizable {
    Q_OBJECT
public:
    explicit ChooseColour(QWidget* parent = nullptr);

    QString SetList() const { return m_model.SetList(); }
    void setSetList(const QString& list);
    quint32 crRGB() const { return m_model.crRGB(); }
    void setCrRGB(quint32 colour);
    int MaxColours() const { return m_model.MaxColours(); }

    // Gives the swatches whose entry names a picture that picture, up to the
    // first one the collection lacks. Returns the collection for the next user.
    SwatchPictureMap LoadSwatches(const SwatchPictureMap& pictures);
    // The width that shows exactly the swatches in use.
    double BetterWidth() const;
    // Re-scales every part of the control by the factors.
    void UnSize(double& xFactor, double& yFactor) override;

    QColor BackColor() const;
    void setBackColor(const QColor& colour);
    qint16 BorderWidth() const { return m_borderWidth; }
    void setBorderWidth(qint16 width) { m_borderWidth = width; }

    const ChooseColourModel& model() const { return m_model; }
    QWidget* borderShape(int swatch) const { return m_borders.at(swatch); }
    QWidget* colourShape(int swatch) const { return m_fills.at(swatch); }
    QLabel* swatchImage(int swatch) const { return m_images.at(swatch); }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void choose(int swatch);
    void refresh();

    ChooseColourModel m_model;
    std::array<QWidget*, ChooseColourModel::SwatchCount> m_borders{};
    std::array<QWidget*, ChooseColourModel::SwatchCount> m_fills{};
    std::array<QLabel*, ChooseColourModel::SwatchCount> m_images{};
    qint16 m_borderWidth = 0;
};

} // namespace stoupe
