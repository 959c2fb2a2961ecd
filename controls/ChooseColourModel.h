#pragma once

#include <QString>

#include <array>

namespace stoupe {

// A colour with red in the low byte, then green, then blue; components are
// kept within 0..255.
constexpr quint32 RGB(int red, int green, int blue) {
    const auto clamp = [](int v) { return quint32(v < 0 ? 0 : v > 255 ? 255 : v); };
    return clamp(red) | clamp(green) << 8 | clamp(blue) << 16;
}

// The state of the colour swatches without any widget: up to six swatches
// read from one list text, the default and the chosen swatch, and which
// swatch shows its selection frame.
//
// List text: the default swatch's number, then one entry per swatch, all
// separated by commas; an entry is RRRGGGBBB (three-figure decimal
// components), optionally followed by "=" and the number of a picture.
class ChooseColourModel {
public:
    static constexpr int SwatchCount = 6;
    static constexpr quint32 NoListColour = RGB(128, 128, 0);

    QString SetList() const { return m_list; }
    void setSetList(const QString& list);

    quint32 crRGB() const;
    // Chooses the first swatch of that colour, or the default swatch.
    void setCrRGB(quint32 colour);

    // Chooses a swatch; a number outside those in use changes nothing.
    void choose(int swatch);
    void ClearHighlight();

    int MaxColours() const { return m_highest; } // highest swatch number in use, -1 for none
    int DefaultSwatch() const { return m_default; }
    int Chosen() const { return m_chosen; }
    quint32 colour(int swatch) const { return m_colours.at(swatch); }
    bool framed(int swatch) const { return m_framed.at(swatch); }
    bool inUse(int swatch) const { return swatch >= 0 && swatch <= m_highest; }
    // " 13100" for a swatch whose entry names picture 13100; empty otherwise.
    QString pictureTag(int swatch) const { return m_tags.at(swatch); }

private:
    void apply();
    void frame(int swatch);

    QString m_list;
    std::array<quint32, SwatchCount> m_colours{};
    std::array<QString, SwatchCount> m_tags;
    std::array<bool, SwatchCount> m_framed{};
    int m_highest = SwatchCount - 1;
    int m_default = 0;
    int m_chosen = -1;
};

} // namespace stoupe
