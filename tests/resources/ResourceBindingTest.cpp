#include "../wizard/ModalScript.h"
#include "TestLibraries.h"

#include "app/ProgramState.h"
#include "app/WizardLoad.h"
#include "controls/ChooseColour.h"
#include "controls/PopButton.h"
#include "controls/ucPrettyControl.h"
#include "resources/ResourceBinding.h"
#include "wizard/frmAlert.h"
#include "wizard/frmWiz.h"

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace stoupe {
namespace {

using testing::ModalScript;

// A program folder holding test libraries under the shipped names. The
// picture library sits in the neutral folder only, so the fallback is used.
class LibrarySet {
public:
    LibrarySet() {
        install("BindingGraphicalCore", "Lang/EN/GraphicalCore.dll");
        install("BindingTextCore", "Lang/EN/TextCore.dll");
        install("BindingTextChoices", "Lang/EN/TextChoices.dll");
        install("BindingGraphicalChoices", "Neutral/GraphicalChoices.dll");
    }
    void install(const char* library, const QString& path) {
        remove(path);
        const QString target = m_dir.filePath(path);
        QDir().mkpath(QFileInfo(target).path());
        ASSERT_TRUE(QFile::copy(testLibrary(library), target)) << library;
    }
    void remove(const QString& path) { QFile::remove(m_dir.filePath(path)); }
    Folders folders() const { return Folders::fromBase(m_dir.path()); }

private:
    QTemporaryDir m_dir;
};

struct Message {
    QString title;
    QString text;
};

// Loads the wizard with the folders and collects the messages it shows.
bool load(frmWiz& wizard, const Folders& folders, QList<Message>& messages) {
    ModalScript modals;
    modals.answer = [&](ModalWindow& window) {
        auto& alert = static_cast<frmAlert&>(window);
        messages.append({alert.lblTitle->text(), alert.lblGeneral->text()});
    };
    programState() = ProgramState{};
    return LoadWizard(wizard, folders, QRect(0, 0, 800, 600));
}

QString tag(const QWidget* control) {
    return control->property("Tag").toString();
}

TEST(ResourceBinding, TestLibrariesFillTheWizard) {
    LibrarySet set;
    frmWiz wizard;
    QList<Message> messages;
    ASSERT_TRUE(load(wizard, set.folders(), messages));
    EXPECT_TRUE(messages.isEmpty());

    // Texts and tooltips by Tag; a missing text leaves an empty tooltip.
    EXPECT_EQ(wizard.lblDontPicTips[4]->text(), QStringLiteral("Tip five"));
    EXPECT_EQ(wizard.lblToolHolderRemindMe->text(), QStringLiteral("Remind me"));
    EXPECT_EQ(wizard.lblVersion->text(), QStringLiteral("Release 1.2.53"));
    EXPECT_EQ(wizard.becmdNavNext[0]->toolTip(), QStringLiteral("Next tip"));
    EXPECT_EQ(wizard.becmdNavNext[1]->toolTip(), QStringLiteral("Next tip"));
    EXPECT_EQ(wizard.becmdCheckUpdate->toolTip(), QStringLiteral("Update tip"));
    EXPECT_TRUE(wizard.becmdNavHelp->toolTip().isEmpty());
    EXPECT_EQ(wizard.strMonthNames.left(8), QStringLiteral("Jan,Feb,"));
    EXPECT_EQ(wizard.picStep[1]->picture().size(), QSize(8, 8));
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(frmWiz::hasPicture(wizard.imgMale[i]));
        EXPECT_TRUE(frmWiz::hasPicture(wizard.imgFemale[i]));
    }

    // Lists in the library's index order; the range's first number chosen.
    ucPrettyControl* country = wizard.pcmbCountry;
    ASSERT_EQ(country->ListCount(), 3);
    EXPECT_EQ(country->List(0), QStringLiteral("Cyprus"));
    EXPECT_EQ(country->ItemData(country->ListIndex()), 40000);
    EXPECT_EQ(wizard.pcmbBuild->ListCount(), 2);
    EXPECT_EQ(wizard.pcmbUseFor->ListCount(), 1);
    EXPECT_EQ(wizard.pcmbShopFor->ListCount(), 1);
    EXPECT_EQ(wizard.pcmbGender->ListCount(), 2);
    EXPECT_EQ(wizard.pcmbGender->List(1), QStringLiteral("Female"));

    // Colour lists, swatch pictures, the spectacles colour label beside its control.
    EXPECT_EQ(wizard.ccHair->SetList(), QStringLiteral("2,222190130,150105065,082056036"));
    EXPECT_FALSE(wizard.ccSpectacles->swatchImage(1)->pixmap().isNull());
    EXPECT_EQ(wizard.ccSpectacles->width(), qRound(wizard.ccSpectacles->BetterWidth()));
    EXPECT_EQ(wizard.img_4SpecsColour->x(),
              wizard.ccSpectacles->x() + wizard.ccSpectacles->width() + 15);
    EXPECT_TRUE(programState().SwatchPictures.isEmpty()); // handed on and dropped

    // Reference points in enumeration order, one set per range.
    const auto& sets = programState().Points.ReferencePointSets;
    ASSERT_EQ(sets[0].size(), 2);
    EXPECT_EQ(sets[0][1].uidID, 13301);
    EXPECT_EQ(sets[1].size(), 1);
    EXPECT_EQ(sets[2].size(), 1);

    // Five heads for four slots; twins carry equal Tags.
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(frmWiz::hasPicture(wizard.imgHead[i]));
        EXPECT_EQ(tag(wizard.imgHead[i]), QString::number(5100 + i));
    }
    EXPECT_FALSE(wizard.SkipHeadsPage);
    EXPECT_EQ(tag(wizard.imgHair[1]), QStringLiteral("102"));
    EXPECT_EQ(tag(wizard.imgHairF[1]), QStringLiteral("102"));
    EXPECT_FALSE(frmWiz::hasPicture(wizard.imgHair[2]));
    EXPECT_EQ(tag(wizard.imgSpectaclesF[0]), QStringLiteral("9101"));
    EXPECT_TRUE(frmWiz::hasPicture(wizard.imgSpecsFNone));

    // No hair and no spectacles chosen; grids at their start.
    EXPECT_EQ(wizard.nHairIndex, -1);
    EXPECT_TRUE(frmWiz::isBordered(wizard.imgHairNone));
    EXPECT_TRUE(frmWiz::isBordered(wizard.imgSpecsFNone));
    EXPECT_TRUE(wizard.ccHair->isHidden());
    // (The pages are disabled while hidden, so ask about the buttons themselves.)
    EXPECT_FALSE(wizard.becmdWigScroll[0]->isEnabledTo(wizard.picStep[11]));
    EXPECT_TRUE(wizard.becmdWigScroll[1]->isEnabledTo(wizard.picStep[11]));
}

TEST(ResourceBinding, FatalFailuresOfTheLoad) {
    const Message resourceMessage{
        QStringLiteral("Missing or Invalid Resource File"),
        QStringLiteral(
            "Could not load program resource files. Have you installed the program properly?")};
    struct Case {
        const char* what;
        std::function<void(LibrarySet&)> damage;
        Message message;
    };
    const Case cases[] = {
        {"no TextCore", [](LibrarySet& s) { s.remove("Lang/EN/TextCore.dll"); }, resourceMessage},
        {"no GraphicalCore", [](LibrarySet& s) { s.remove("Lang/EN/GraphicalCore.dll"); },
         resourceMessage},
        {"no TextChoices", [](LibrarySet& s) { s.remove("Lang/EN/TextChoices.dll"); },
         resourceMessage},
        {"no GraphicalChoices", [](LibrarySet& s) { s.remove("Neutral/GraphicalChoices.dll"); },
         resourceMessage},
        {"an example picture missing",
         [](LibrarySet& s) { s.install("BindingBadHair", "Lang/EN/GraphicalCore.dll"); },
         resourceMessage},
        {"hair twins differ",
         [](LibrarySet& s) { s.install("BindingBadHair", "Lang/EN/GraphicalChoices.dll"); },
         {QStringLiteral("Missing or Invalid Resource File"),
          QStringLiteral(
              "Inconsistency in Resource files (Wig setup error 4). Try reinstalling.")}},
        {"a spectacles twin missing",
         [](LibrarySet& s) { s.install("BindingBadSpectacles", "Neutral/GraphicalChoices.dll"); },
         {QStringLiteral("Missing or Invalid Resource File"),
          QStringLiteral(
              "Inconsistency in Resource files (Glasses setup error 3). Try reinstalling.")}},
    };
    for (const Case& c : cases) {
        LibrarySet set;
        c.damage(set);
        frmWiz wizard;
        QList<Message> messages;
        EXPECT_FALSE(load(wizard, set.folders(), messages)) << c.what;
        EXPECT_FALSE(wizard.bLoaded) << c.what;
        ASSERT_EQ(messages.size(), 1) << c.what;
        EXPECT_EQ(messages[0].title, c.message.title) << c.what;
        EXPECT_EQ(messages[0].text, c.message.text) << c.what;
    }
}

TEST(ResourceBinding, AllocateGraphicFillsSlotsByRange) {
    programState() = ProgramState{};
    frmWiz wizard;
    ProgramState& state = programState();
    ResourceBinding binding(wizard, Folders::fromBase(QStringLiteral("/nowhere")), state.Points,
                            state.SwatchPictures);
    const QImage picture(4, 4, QImage::Format_RGB32);
    for (qint32 luid : {5100, 5101, 5102, 5103, 5104, 2601, 11105, 11100, 13100, 99, 13300})
        binding.AllocateGraphic(luid, picture);

    EXPECT_EQ(binding.counters().heads, 4); // the fifth head is dropped
    EXPECT_EQ(tag(wizard.imgHead[3]), QStringLiteral("5103"));
    EXPECT_EQ(binding.counters().hairF, 1);
    EXPECT_EQ(tag(wizard.imgHairF[0]), QStringLiteral("101"));
    EXPECT_EQ(tag(wizard.imgSpectaclesF[0]), QStringLiteral("9105"));
    EXPECT_TRUE(frmWiz::hasPicture(wizard.imgSpecsFNone));
    EXPECT_EQ(state.SwatchPictures.keys(), QStringList{QStringLiteral(" 13100")});
    EXPECT_EQ(binding.counters().hair + binding.counters().specs, 0);

    // Twin sets of different sizes are an internal error.
    QList<Message> shown;
    const MessageShower show = [&](const QString& title, const QString& text) {
        shown.append({title, text});
    };
    EXPECT_TRUE(CheckChoicePairs({wizard.imgHair[0]}, {}, QStringLiteral("Wig"), show));
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].text,
              QStringLiteral("Internal Error: Inconsistency in Wig Allocation (error 1)."));
    // Slots without pictures whose twin has one: setup error 3.
    EXPECT_TRUE(
        CheckChoicePairs({wizard.imgHair[0]}, {wizard.imgHairF[0]}, QStringLiteral("Wig"), show));
    EXPECT_TRUE(shown.last().text.contains(QStringLiteral("Wig setup error 3")));

    // Without a head picture the heads page is skipped.
    wizard.imgHead[0]->clear();
    wizard.DefaultChoices();
    EXPECT_TRUE(wizard.SkipHeadsPage);
    state = ProgramState{};
}

TEST(ResourceBinding, ShippedLibrariesLoad) {
    const Folders stage = Folders::fromBase(QStringLiteral(STOUPE_TEST_STAGE_DIR));
    if (!QFile::exists(QDir(stage.LanguageFolder).filePath(QStringLiteral("TextCore.dll"))))
        GTEST_SKIP() << "the shipped libraries were not built";
    frmWiz wizard;
    QList<Message> messages;
    ASSERT_TRUE(load(wizard, stage, messages));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_GT(wizard.pcmbCountry->ListCount(), 1);
    EXPECT_GT(wizard.pcmbGender->ListCount(), 1);
    EXPECT_TRUE(frmWiz::hasPicture(wizard.imgHead[0]));
    EXPECT_TRUE(frmWiz::hasPicture(wizard.imgHair[0]));
    EXPECT_TRUE(frmWiz::hasPicture(wizard.imgSpectaclesF[0]));
    EXPECT_GT(wizard.ccHair->MaxColours(), 1);
    for (const auto& points : programState().Points.ReferencePointSets)
        EXPECT_FALSE(points.isEmpty());
    EXPECT_FALSE(wizard.strMonthNames.isEmpty());
    EXPECT_FALSE(wizard.becmdNavNext[0]->toolTip().isEmpty());
}

} // namespace
} // namespace stoupe
