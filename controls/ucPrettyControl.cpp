#include "controls/ucPrettyControl.h"

#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSignalBlocker>

namespace stoupe {

namespace {

// A plain arrow for controls whose page gives them no arrow picture.
QImage defaultArrow() {
    QImage image(15, 15, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(64, 64, 64));
    painter.drawPolygon(QPolygonF({QPointF(3, 5), QPointF(12, 5), QPointF(7.5, 11)}));
    return image;
}

} // namespace

ucPrettyControl::ucPrettyControl(QWidget* parent) : QWidget(parent) {
    m_combo = new QComboBox(this);
    m_combo->setEditable(false);
    m_combo->setFocusPolicy(Qt::ClickFocus);

    m_text = new QLineEdit(this);
    m_text->setReadOnly(true);
    m_text->setFrame(false);

    m_frame = new QFrame(this);
    m_frame->setFrameShape(QFrame::NoFrame);
    m_image = new QLabel(m_frame);
    m_image->setCursor(Qt::PointingHandCursor);

    m_combo->lower();
    m_frame->raise();
    setPicture(defaultArrow());

    // Keys reach the control before its parts.
    for (QObject* part : {static_cast<QObject*>(m_text), static_cast<QObject*>(m_combo),
                          static_cast<QObject*>(m_image)})
        part->installEventFilter(this);

    PrettyListModel::Listener listener;
    listener.inserted = [this](int index, const QString& text) {
        const QSignalBlocker block(m_combo);
        m_combo->insertItem(index, text);
        // The combo box selects the first item of an empty list by itself.
        m_combo->setCurrentIndex(m_model.ListIndex());
    };
    listener.removed = [this](int index) {
        const QSignalBlocker block(m_combo);
        m_combo->removeItem(index);
        m_combo->setCurrentIndex(m_model.ListIndex());
    };
    listener.textChanged = [this](int index, const QString& text) {
        m_combo->setItemText(index, text);
    };
    listener.cleared = [this] {
        const QSignalBlocker block(m_combo);
        m_combo->clear();
    };
    listener.selected = [this](int index) {
        const QSignalBlocker block(m_combo);
        m_combo->setCurrentIndex(index);
    };
    listener.shown = [this](const QString& text) { m_text->setText(text); };
    listener.chosen = [this] {
        if (m_text->isVisible())
            m_text->setFocus();
        emit Change();
    };
    m_model.setListener(std::move(listener));

    // A choice in the opened list is a click on that item.
    connect(m_combo, &QComboBox::activated, this, [this](int index) { m_model.choose(index); });

    resize(120, InnerHeight);
}

void ucPrettyControl::AddItem(const QString& Item, int Index) {
    m_model.AddItem(Item, Index);
}

void ucPrettyControl::AddItemAndData(const QString& Item, qint32 lData, int Index) {
    m_model.AddItemAndData(Item, lData, Index);
}

void ucPrettyControl::setPicture(const QImage& New_Picture) {
    m_picture = New_Picture;
    m_image->setPixmap(QPixmap::fromImage(New_Picture));
    m_image->resize(New_Picture.size());
    m_frame->resize(New_Picture.size());
    layoutParts();
}

void ucPrettyControl::layoutParts() {
    m_text->setGeometry(0, 0, width(), InnerHeight);
    // Slightly higher than the text box, so that none of it shows.
    m_combo->setGeometry(0, -2, width(), InnerHeight);
    m_frame->move(width() - m_frame->width() - 1, 1);
    m_image->move(0, 0);
}

void ucPrettyControl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (height() != InnerHeight)
        resize(width(), InnerHeight);
    layoutParts();
}

bool ucPrettyControl::handleKey(QKeyEvent* key) {
    const bool ctrl = key->modifiers() & Qt::ControlModifier;
    const bool shift = key->modifiers() & Qt::ShiftModifier;
    if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
        m_model.step(key->key() == Qt::Key_Up ? -1 : 1, shift, ctrl);
        return true;
    }
    const QString typed = key->text();
    if (typed.size() == 1 && typed[0].isPrint() && !ctrl) {
        m_model.findByFirstLetter(typed[0]);
        return true;
    }
    return false;
}

bool ucPrettyControl::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        // No text is ever left selected in the text box.
        m_text->deselect();
        m_text->setCursorPosition(0);
        if (watched == m_text && event->type() == QEvent::KeyPress)
            return handleKey(static_cast<QKeyEvent*>(event));
        break;
    }
    case QEvent::MouseButtonPress:
        if (watched == m_image && isEnabled()) {
            m_dropping = true;
            m_combo->setFocus(Qt::MouseFocusReason);
            m_combo->showPopup();
            return true;
        }
        break;
    case QEvent::FocusIn:
        // The focus rests on the text box unless the list is being opened.
        if (watched == m_combo) {
            if (m_dropping)
                m_dropping = false;
            else
                m_text->setFocus();
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace stoupe
