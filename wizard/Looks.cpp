#include "wizard/Looks.h"

#include "assets/UiPictures.h"
#include "controls/PopButton.h"

#include <QLabel>

namespace stoupe {

void dressButton(PopButton* button, const QString& faceId, const QString& label,
                 const QSize& size) {
    using ui::ButtonFace;
    button->resize(size);
    button->setUpPicture(ui::buttonFace(faceId, label, ButtonFace::Up, size));
    button->setDownPicture(ui::buttonFace(faceId, label, ButtonFace::Down, size));
    button->setDisabledPicture(ui::buttonFace(faceId, label, ButtonFace::Disabled, size));
    button->setInactivePicture(ui::buttonFace(faceId, label, ButtonFace::Inactive, size));
    button->setAccessibleName(label);
}

PopButton* makeButton(QWidget* parent, const QString& name, const QString& faceId,
                      const QString& label, const QRect& geometry, const QString& tag) {
    auto* button = new PopButton(parent);
    button->setObjectName(name);
    dressButton(button, faceId, label, geometry.size());
    button->move(geometry.topLeft());
    if (!tag.isEmpty())
        setTag(button, tag);
    return button;
}

QPixmap designPicture(const QString& name, const QSize& size) {
    return ui::picture(name, size);
}

QLabel* makeImage(QWidget* parent, const QString& objectName, const QString& picture,
                  const QPoint& topLeft, const QSize& fallbackSize) {
    auto* image = new QLabel(parent);
    image->setObjectName(objectName);
    QSize size = ui::designSize(picture);
    if (!size.isValid())
        size = fallbackSize;
    image->setGeometry(QRect(topLeft, size));
    const QPixmap pixmap = designPicture(picture, size);
    if (!pixmap.isNull())
        image->setPixmap(pixmap);
    return image;
}

QLabel* makeLabel(QWidget* parent, const QString& objectName, const QString& text,
                  const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setGeometry(geometry);
    label->setWordWrap(true);
    return label;
}

void styleWindowTitle(QLabel* title) {
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(12);
    title->setFont(bold);
    title->setStyleSheet(QStringLiteral("color: #84005A;"));
}

void setTag(QWidget* control, const QString& tag) {
    control->setProperty("Tag", tag);
}

} // namespace stoupe
