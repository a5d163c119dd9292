#include "tests/support/shellfixture.h"

#include "aero/flightanalysis.h"
#include "shell/pages/designassistant.h"
#include "shell/pages/miscpage.h"
#include "shell/pages/parambardlg.h"

#include <QLineEdit>
#include <QPushButton>
#include <QUndoStack>

namespace {

double marginOf(const Glider& glider) {
    const aero::FlightAnalysis a = aero::analyseGlider(glider);
    return a.stable() ? a.stable()->staticMargin : -1;
}

double trimSpeedOf(const Glider& glider) {
    const aero::FlightAnalysis a = aero::analyseGlider(glider);
    return a.flight() && a.flight()->trim ? a.flight()->trim->speed : -1;
}

} // namespace

class DesignAssistantTest : public ShellFixture {
protected:
    CMiscPage& misc() {
        return *static_cast<CMiscPage*>(frame->paramBar()->page(CParamBarDlg::Misc));
    }
};

TEST_F(DesignAssistantTest, CentrerIsOneUndoableStepShowingTheFiguresBeforeAndAfter) {
    CKeshDoc* doc = frame->newFromTemplate("Thermique");
    ASSERT_TRUE(doc);
    frame->paramBar()->ReloadPages();
    const Vec3f before = doc->glider().centrum;
    prompts.marginAnswers.push_back(14.0);
    misc().assistant()->centreButton()->click();
    EXPECT_DOUBLE_EQ(prompts.proposedShown, 10);
    EXPECT_NEAR(marginOf(doc->glider()), 0.14, 0.005);
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.messages()[0].icon, PromptIcon::Information);
    EXPECT_TRUE(prompts.messages()[0].text.contains(QString::fromUtf8("10.0 % → 14.0 %")))
        << prompts.messages()[0].text.toStdString();
    // The message speaks in the field's sign.
    EXPECT_TRUE(prompts.messages()[0].text.contains(
        QStringLiteral("→ %1 m").arg(QString::number(doc->glider().centrum[0], 'f', 3))))
        << prompts.messages()[0].text.toStdString();
    // The page shows the new centre, and one undo puts the old one back.
    EXPECT_NEAR(misc().centreField(0)->text().toDouble(), doc->glider().centrum[0], 1e-5);
    EXPECT_EQ(doc->undoStack()->count(), 1);
    EXPECT_EQ(doc->undoStack()->undoText(), QStringLiteral("Centrer"));
    doc->undoStack()->undo();
    EXPECT_EQ(doc->glider().centrum, before);
}

TEST_F(DesignAssistantTest, CalerSetsBothStabiliserHalvesForTheSpeedOrTheBestGlide) {
    CKeshDoc* doc = frame->newFromTemplate("Duree");
    ASSERT_TRUE(doc);
    frame->paramBar()->ReloadPages();
    prompts.trimAnswers.push_back(TrimRequest{false, 10.0});
    misc().assistant()->trimButton()->click();
    EXPECT_DOUBLE_EQ(prompts.proposedShown, 8); // the template's trim, 8.0 m/s
    EXPECT_NEAR(trimSpeedOf(doc->glider()), 10, 0.2);
    EXPECT_EQ(doc->glider().surfaces[StabLeft].calage, doc->glider().surfaces[StabRight].calage);
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_TRUE(prompts.messages()[0].text.contains(QString::fromUtf8("→ 10.0 m/s")))
        << prompts.messages()[0].text.toStdString();

    prompts.trimAnswers.push_back(TrimRequest{true, 0});
    misc().assistant()->trimButton()->click();
    const aero::FlightAnalysis a = aero::analyseGlider(doc->glider());
    ASSERT_TRUE(a.flight() && a.flight()->trim);
    EXPECT_NEAR(a.flight()->trim->speed, a.flight()->bestGlideSpeed, 0.2);
    EXPECT_EQ(doc->undoStack()->count(), 2);
}

TEST_F(DesignAssistantTest, RefusedOrCancelledRequestsChangeNothing) {
    CKeshDoc* doc = frame->newFromTemplate("AileVolante");
    ASSERT_TRUE(doc);
    frame->paramBar()->ReloadPages();
    const Glider before = doc->glider();
    prompts.marginAnswers.push_back(500.0);
    misc().assistant()->centreButton()->click();
    prompts.trimAnswers.push_back(TrimRequest{false, 9.0}); // a flying wing: no stabiliser
    misc().assistant()->trimButton()->click();
    misc().assistant()->centreButton()->click(); // cancelled: no message
    ASSERT_EQ(prompts.messages().size(), 2);
    for (const auto& message : prompts.messages()) {
        EXPECT_EQ(message.icon, PromptIcon::Warning);
        EXPECT_TRUE(message.text.startsWith(QString::fromUtf8("Rien n'a été changé")))
            << message.text.toStdString();
    }
    EXPECT_TRUE(prompts.messages()[1].text.contains("stabilisateur"));
    EXPECT_EQ(doc->undoStack()->count(), 0);
    EXPECT_EQ(doc->glider().centrum, before.centrum);
    EXPECT_FALSE(doc->isModified());
}
