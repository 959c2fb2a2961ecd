#include "controls/ChooseColourModel.h"

#include "controls/LeadingNumber.h"

#include <QStringView>

#include <cmath>

namespace stoupe {

namespace {

int component(QStringView text) {
    const double value = std::nearbyint(leadingNumber(text));
    return value < 0 ? 0 : value > 255 ? 255 : int(value);
}

// A picture number written as the resource binding writes the keys of the
// swatch pictures: a space before a number that is not negative.
QString pictureKey(double number) {
    const QString figures = number == std::floor(number) && std::fabs(number) < 1e15
                                ? QString::number(qint64(number))
                                : QString::number(number, 'g', 15);
    return number < 0 ? figures : QLatin1Char(' ') + figures;
}

} // namespace

void ChooseColourModel::setSetList(const QString& list) {
    m_list = list;
    apply();
}

void ChooseColourModel::apply() {
    // Pictures named by an earlier list do not carry over.
    m_tags.fill(QString());
    if (m_list.isEmpty()) {
        m_colours.fill(NoListColour);
        m_highest = SwatchCount - 1;
        m_default = 0;
    } else {
        const QString all = m_list + QLatin1Char(',');
        const qsizetype firstComma = all.indexOf(QLatin1Char(','));
        // A negative default counts as swatch 0.
        const double leading = std::nearbyint(leadingNumber(QStringView(all).left(firstComma)));
        m_default = leading < 0 || leading > SwatchCount ? 0 : int(leading);
        QStringView rest = QStringView(all).mid(firstComma + 1);
        int swatch = -1;
        // Entries beyond the sixth have no swatch to go to.
        while (rest.size() > 9 && swatch < SwatchCount - 1) {
            const int red = component(rest.mid(0, 3));
            const int green = component(rest.mid(3, 3));
            const int blue = component(rest.mid(6, 3));
            ++swatch;
            if (rest[9] == QLatin1Char('='))
                m_tags[swatch] = pictureKey(leadingNumber(rest.mid(10)));
            const qsizetype comma = rest.indexOf(QLatin1Char(','));
            rest = comma < 0 ? QStringView() : rest.mid(comma + 1);
            m_colours[swatch] = RGB(red, green, blue);
        }
        m_highest = swatch;
        if (m_default > m_highest)
            m_default = 0;
    }
    m_framed.fill(false);
    m_chosen = -1;
    setCrRGB(m_colours[m_default]);
}

quint32 ChooseColourModel::crRGB() const {
    return m_chosen >= 0 ? m_colours[m_chosen] : 0;
}

void ChooseColourModel::setCrRGB(quint32 colour) {
    ClearHighlight();
    int swatch = m_default;
    for (int i = 0; i <= m_highest; ++i) {
        if (m_colours[i] == colour) {
            swatch = i;
            break;
        }
    }
    if (inUse(swatch))
        frame(swatch);
}

void ChooseColourModel::choose(int swatch) {
    if (!inUse(swatch))
        return;
    ClearHighlight();
    frame(swatch);
}

void ChooseColourModel::frame(int swatch) {
    m_chosen = swatch;
    m_framed[swatch] = true;
}

void ChooseColourModel::ClearHighlight() {
    // A black swatch ends the walk: frames beyond it stay.
    for (int i = 0; i <= m_highest; ++i) {
        if (m_colours[i] == 0)
            break;
        if (m_framed[i]) {
            m_framed[i] = false;
            break;
        }
    }
    m_chosen = -1;
}

} // namespace stoupe
