#pragma once

#include <QTimer>
#include <QWidget>

#include <array>

class QLabel;

namespace stoupe {

// Shown while the wizard loads. While bStayAlive is set every request to
// close it is ignored; afterwards the first click, key or 2-second tick
// closes it and sets Killed.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    static constexpr int DesignWidth = 780;
    static constexpr int DesignHeight = 565;

    explicit frmSplash(QWidget* parent = nullptr);

    bool bStayAlive = false;
    bool Killed = false;

    QPixmap backgroundPicture() const { return m_background; }
    void setBackgroundPicture(const QPixmap& picture);
    std::array<QLabel*, 2> img_1Splalsh;

    QTimer tmrEdge;
    QTimer tmrRelease;

    // A click, key or tick asks the splash to close.
    void RequestClose();

signals:
    void killed();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPixmap m_background;
};

} // namespace stoupe
