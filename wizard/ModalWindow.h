#pragma once

#include "wizard/WindowDrag.h"

#include <QDialog>
#include <QPixmap>
#include <QPointer>

#include <functional>

namespace stoupe {

// Base of the small borderless windows (alert, completion, legal notices):
// 400 × 250 at design size, a background picture, centred on the screen when
// shown and moved by dragging the background. Closing it by Escape or by the
// window manager is its No/Cancel.
class ModalWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int DesignWidth = 400;
    static constexpr int DesignHeight = 250;

    explicit ModalWindow(QWidget* parent = nullptr);

    void setBackgroundPicture(const QPixmap& picture);
    QPixmap backgroundPicture() const { return m_background; }

    QPointer<QWidget> frmParent;

    // Closes the window from outside, as its No/Cancel would.
    void GoAway();

    // The use the opener dressed the window for ("message", "question", ...).
    QString use() const { return m_use; }

    // Called once each time a window has been shown, from the event loop of
    // its modal run: lets automation answer or photograph it.
    using ShownHook = std::function<void(ModalWindow&)>;
    static void setShownHook(ShownHook hook);

protected:
    void setUse(const QString& use) { m_use = use; }
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap m_background;
    QString m_use;
    WindowDrag m_drag;
};

void centreOnScreen(QWidget* window);

} // namespace stoupe
