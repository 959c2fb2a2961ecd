#pragma once

#include "pictures/featurepoints/ReferenceFeaturePoint.h"

#include <QVector>

#include <array>

namespace stoupe {

// The feature-point state the whole program shares: the three reference sets
// filled from the text resources, and which profile side the profile
// photograph shows. The application owns one instance for the run.
struct SharedPointState {
    static constexpr int FrontSet = 0;
    static constexpr int LeftProfileSet = 1;
    static constexpr int RightProfileSet = 2;

    // 0 front, 1 left profile, 2 right profile; a set's order is the order in
    // which the user is asked to place its points.
    std::array<QVector<ReferenceFeaturePoint>, 3> ReferencePointSets;
    // True: the profile photograph uses the right-profile set.
    bool RightProfile = false;

    // The reference set whose resource string numbers hold `number`, or -1.
    static int setForStringNumber(qint64 number);
    // Makes a reference point of a resource string and appends it to its set,
    // whether or not the string decodes. False when the number belongs to no
    // set (nothing is added).
    bool appendReferencePoint(qint32 number, const QString& text);

    // The reference set of point editor 0 (front) or 1 (profile); an editor
    // index above 1 is lowered to 1, in the caller's variable too.
    int ProfileSetForEditor(int& editor) const;
    // With asSet: the set of the profile side in use, or of the other side.
    // Without: 1, the profile editor's index.
    int ShownProfileIndex(bool asSet) const;
    int OtherProfileIndex(bool asSet) const;

    // Empties the three sets (the program's end).
    void release();
};

} // namespace stoupe
