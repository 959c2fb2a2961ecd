#pragma once

#include <QString>

namespace stoupe {

// One landmark of the face as the text resources define it: its number, its
// tag, where it lies on the male (0) and female (1) example pictures, and the
// prompt that asks the user to place it.
class ReferenceFeaturePoint {
public:
    qint32 uidID = 0;
    qint16 nTag = 0;
    QString strPrompt;
    bool bVisible = false; // reached on the photo page: it is or was the point to place

    // Decodes "tag;male x;male y;female x;female y;prompt". Fields are taken
    // in that order and kept as far as they were read; false when a field is
    // missing or a number is not a 16-bit whole number.
    bool decodeRFPString(qint32 number, const QString& text);

    // Positions on the example picture of a gender: 0 male, 1 female. Any
    // other gender reads 0 and writes nothing.
    float posx(int iGender) const;
    float posY(int iGender) const;
    void setPosx(int iGender, float value);
    void setPosY(int iGender, float value);
    float qposx(int iGender) const { return posx(iGender); }
    float qposY(int iGender) const { return posY(iGender); }

private:
    float m_x[2] = {0, 0};
    float m_y[2] = {0, 0};
};

// The same landmark on the user's photograph, in picture pixels from the top
// left; -1 while not placed.
struct VisualFeaturePoint {
    float posx = -1;
    float posY = -1;
    qint32 uidID = 0;
    qint16 nTag = 0;
    bool bVisible = false; // placed: drawn and counted
};

} // namespace stoupe
