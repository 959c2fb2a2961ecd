#pragma once

#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace stoupe {

class clsSomeErrors;

// The picture button of every window: shows one of four pictures by its state
// (normal, mouse over, pressed, disabled) and raises Click when a mouse button
// is released over it. A sticky button toggles between up and down.
class PopButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool Down READ Down WRITE setDown)
    Q_PROPERTY(bool Sticky READ Sticky WRITE setSticky)
public:
    enum State { Normal = 0, MouseOver = 1, Pressed = 2 };

    explicit PopButton(QWidget* parent = nullptr);

    void setInactivePicture(const QPixmap& picture);
    void setUpPicture(const QPixmap& picture);
    void setDownPicture(const QPixmap& picture);
    void setDisabledPicture(const QPixmap& picture);
    QPixmap InactivePicture() const { return m_inactive; }
    QPixmap UpPicture() const { return m_up; }
    QPixmap DownPicture() const { return m_down; }
    QPixmap DisabledPicture() const { return m_disabled; }

    bool Enabled() const { return isEnabled(); }
    void setButtonEnabled(bool enabled);

    bool Down() const { return m_sticky && m_downState; }
    void setDown(bool down);
    bool Sticky() const { return m_sticky; }
    void setSticky(bool sticky);

    void setErrorHandler(clsSomeErrors* handler);

    // The picture shown now (one of the four, or none).
    QPixmap shownPicture() const { return m_shown; }
    bool moveOffTimerActive() const { return m_moveOff.isActive(); }

    QSize sizeHint() const override;

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ShowState(State state);
    void showPicture(const QPixmap& picture);
    bool IsMouseOver() const;
    bool inside(const QPointF& position) const;
    void moveOffTick();
    State restingState(State otherwise) const { return Down() ? Pressed : otherwise; }

    QPixmap m_inactive, m_up, m_down, m_disabled;
    QPixmap m_shown;
    QTimer m_moveOff;
    bool m_downState = false;
    bool m_sticky = false;
    QPointer<clsSomeErrors> m_errorHandler;
};

} // namespace stoupe
