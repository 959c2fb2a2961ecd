#pragma once

#include "wizard/WindowDrag.h"

#include <QPixmap>
#include <QWidget>

#include <functional>

namespace stoupe {

// One wizard page (picStep): a picture box with the page picture, holding the
// page's controls. Dragging its bare background moves the window; a click on
// it is reported.
class PageWidget : public QWidget {
    Q_OBJECT
public:
    explicit PageWidget(int index, QWidget* parent = nullptr);

    int index() const { return m_index; }
    void setPicture(const QPixmap& picture);
    QPixmap picture() const { return m_picture; }

signals:
    void backgroundClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int m_index;
    QPixmap m_picture;
    WindowDrag m_drag;
    bool m_moved = false;
};

// An invisible text box that takes the focus when Tab leaves a page's first
// or last field and passes it on to the field its resolver names.
class FocusSentinel : public QWidget {
    Q_OBJECT
public:
    using Resolver = std::function<QWidget*()>;
    explicit FocusSentinel(const QString& name, QWidget* parent = nullptr);
    void setResolver(Resolver resolver) { m_resolve = std::move(resolver); }

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    Resolver m_resolve;
};

} // namespace stoupe
