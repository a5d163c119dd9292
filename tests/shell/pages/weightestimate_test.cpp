#include "model/weightestimate.h"
#include "shell/weightestimatedialog.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cmath>

namespace {

QPushButton* button(QDialog& dialog, const QString& text) {
    for (QPushButton* candidate : dialog.findChildren<QPushButton*>())
        if (candidate->text() == text)
            return candidate;
    return nullptr;
}

// Runs the dialog shown, chooses a construction and presses a button.
void press(WeightEstimateDialog& dialog, QRadioButton* choice, const QString& text) {
    dialog.show();
    if (choice)
        QTest::mouseClick(choice, Qt::LeftButton);
    QPushButton* target = button(dialog, text);
    ASSERT_NE(target, nullptr);
    QTest::mouseClick(target, Qt::LeftButton);
}

TEST(WeightEstimateDialog, surfaceLawsByConstruction) {
    struct Case {
        int choice;
        double k, p;
    };
    for (const Case c :
         {Case{0, 132.60177, 1.333}, Case{1, 195.73893, 1.301}, Case{2, 118.37727, 1.107}}) {
        WeightEstimateDialog dialog(ComponentStab);
        EXPECT_EQ(dialog.windowTitle(), "Evaluation du poids");
        EXPECT_EQ(dialog.shellButton()->text(), "Coffrage");
        EXPECT_TRUE(dialog.solidWoodButton()->isEnabled());
        EXPECT_TRUE(dialog.structureButton()->isChecked());
        dialog.setSurfaceSize(0.25f);
        QRadioButton* choices[] = {dialog.structureButton(), dialog.shellButton(),
                                   dialog.solidWoodButton()};
        press(dialog, choices[c.choice], "OK");
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.construction(), c.choice == 2 ? 4 : c.choice + 1);
        EXPECT_FLOAT_EQ(dialog.estimate(), float(c.k * std::pow(0.25, c.p)));
    }
}

TEST(WeightEstimateDialog, bodyOffersFibreAndNoSolidWood) {
    WeightEstimateDialog dialog(ComponentBody);
    EXPECT_EQ(dialog.shellButton()->text(), "Fibre");
    EXPECT_FALSE(dialog.solidWoodButton()->isEnabled());
    dialog.setBodyLength(1.2f);
    dialog.setSurfaceSize(99.0f);
    press(dialog, dialog.shellButton(), "OK");
    EXPECT_EQ(dialog.construction(), ConstructionShell);
    EXPECT_FLOAT_EQ(dialog.estimate(), float(26.28099 * std::pow(1.2, 3.035)));

    WeightEstimateDialog structure(ComponentBody);
    structure.setBodyLength(1.2f);
    press(structure, nullptr, "OK");
    EXPECT_FLOAT_EQ(structure.estimate(), float(20.02221 * std::pow(1.2, 3.206)));
}

TEST(WeightEstimateDialog, negativeBodyLengthEstimatesZero) {
    WeightEstimateDialog dialog(ComponentBody);
    dialog.setBodyLength(-1.5f);
    press(dialog, nullptr, "OK");
    EXPECT_EQ(dialog.estimate(), 0.0f);
}

TEST(WeightEstimateDialog, cancelMarksTheConstructionCancelled) {
    WeightEstimateDialog dialog(ComponentFin);
    dialog.setSurfaceSize(0.1f);
    press(dialog, dialog.shellButton(), "Cancel");
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.construction(), ConstructionCancelled);
}

TEST(WeightEstimateDialog, modalRunReturnsTheEstimateOrNothing) {
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<WeightEstimateDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->accept();
    });
    const auto estimate = runWeightEstimateDialog(nullptr, ComponentFin, 0.5f);
    ASSERT_TRUE(estimate.has_value());
    EXPECT_FLOAT_EQ(*estimate, float(132.60177 * std::pow(0.5, 1.333)));

    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_FALSE(runWeightEstimateDialog(nullptr, ComponentBody, 2.0f).has_value());
}

} // namespace
