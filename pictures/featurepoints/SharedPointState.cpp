#include "pictures/featurepoints/SharedPointState.h"

namespace stoupe {

int SharedPointState::setForStringNumber(qint64 number) {
    if (number >= 13300 && number <= 18299)
        return FrontSet;
    if (number >= 18300 && number <= 23299)
        return LeftProfileSet;
    if (number >= 23300 && number <= 28299)
        return RightProfileSet;
    return -1;
}

bool SharedPointState::appendReferencePoint(qint32 number, const QString& text) {
    const int set = setForStringNumber(number);
    if (set < 0)
        return false;
    ReferenceFeaturePoint point;
    point.decodeRFPString(number, text);
    ReferencePointSets[set].append(point);
    return true;
}

int SharedPointState::ProfileSetForEditor(int& editor) const {
    if (editor > 1)
        editor = 1;
    if (editor == 0)
        return FrontSet;
    return RightProfile ? RightProfileSet : LeftProfileSet;
}

int SharedPointState::ShownProfileIndex(bool asSet) const {
    return RightProfile && asSet ? RightProfileSet : LeftProfileSet;
}

int SharedPointState::OtherProfileIndex(bool asSet) const {
    return !RightProfile && asSet ? RightProfileSet : LeftProfileSet;
}

void SharedPointState::release() {
    for (auto& set : ReferencePointSets)
        set.clear();
}

} // namespace stoupe
